#include "ui/advanced/CTruingDlg.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFile>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <tuple>

#include "engine/Holds.h"
#include "reports/chartview/ReportChartSeries.h"
#include "reports/chartview/TrajectoryChartView.h"
#include "reports/table/RangeTable.h"
#include "shot/CLocaleNumbers.h"
#include "shot/SafeFile.h"
#include "shot/ShotCheck.h"
#include "shot/ShotFile.h"
#include "ui/common/CColorBtn.h"
#include "ui/common/DataExchange.h"

namespace vorlan {

using namespace TruingIds;

namespace {

// The observation table's columns in the order of kObservationColumns: heading, and whether
// the reading may be negative (a hold down, a drop above the line).
struct CellColumn {
    const char* heading;
    bool signedValue;
};
constexpr CellColumn kCellColumns[kColumns] = {
    {"Range\nyd.", false}, {"Up\nMOA", true},           {"Up\nmil", true},
    {"Up\nclicks", true},  {"Drop\nin.", true},         {"Velocity\nf.p.s.", false},
    {"Time\ns", false},    {"\u00b1 Hold\nMOA", false}, {"\u00b1 Vel.\nf.p.s.", false},
};

// A reading in the residual table: its name and the decimals it is shown with.
struct QuantityShown {
    const char* quantity;  // as TruingResidual names it
    const char* name;
    const char* format;
};
constexpr QuantityShown kQuantities[] = {
    {"up_moa", "Up (MOA)", "%.2f"},
    {"up_mil", "Up (mil)", "%.3f"},
    {"up_clicks", "Up (clicks)", "%.1f"},
    {"drop_in", "Drop (in.)", "%.2f"},
    {"velocity_fps", "Velocity (f.p.s.)", "%.1f"},
    {"time_s", "Time (s)", "%.4f"},
};

const QuantityShown& shownQuantity(const char* quantity) {
    for (const QuantityShown& q : kQuantities)
        if (std::string_view(q.quantity) == quantity) return q;
    return kQuantities[0];
}

// The fit the choice's entries stand for, in their order.
constexpr TruingFit kFitChoices[] = {TruingFit::Auto, TruingFit::Velocity, TruingFit::Bc, TruingFit::Mach};

QString sentence(std::string text) {
    if (!text.empty()) text[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(text[0])));
    return QString::fromStdString(text) + u'.';
}

// The shot as a chart flies it: its table long enough to pass the farthest observation.
ShotParameters chartedShot(ShotParameters shot, const std::vector<Observation>& observations) {
    double farthest = 0.0;
    for (const Observation& o : observations) farthest = std::max(farthest, o.range);
    if (farthest > 0.0 && shot.rangeIncrement > 0) {
        const double last = std::min(farthest * 1.1, static_cast<double>(kLongestTable));
        shot.incrementCount = static_cast<int>(std::ceil(last / shot.rangeIncrement));
    }
    return shot;
}

ChartSeries seriesOf(const ShotParameters& shot, const std::string& name) {
    ChartSeries series = chartSeries(shot, RangeTableReport(shot));
    series.name = name;
    return series;
}

}  // namespace

std::vector<ChartObservation> observedPoints(const std::vector<Observation>& observations, ClickValue click) {
    const double clickMoa = radiansToTrueMoa(clickRadians(click));
    const double milMoa = radiansToTrueMoa(1.0 / kMilsPerRadian);
    std::vector<ChartObservation> points;
    for (const TruingReading& r : truingReadings(observations, click)) {
        const std::string_view quantity = r.quantity;
        // A hold up, in true MOA, as inches above the line of sight at the range.
        const auto inches = [&](double moa) { return -std::tan(moa / kTrueMoaPerRadian) * r.range * 36.0; };
        const double moaPer = quantity == "up_moa" ? 1.0 : quantity == "up_mil" ? milMoa : clickMoa;
        if (quantity == "drop_in")
            points.push_back({r.range, r.observed, r.sigma});
        else if (quantity == "velocity_fps")
            points.push_back({r.range, r.observed, r.sigma, true});
        else if (quantity != "time_s")
            points.push_back({r.range, inches(r.observed * moaPer), -inches(r.sigma * moaPer)});
    }
    return points;
}

CTruingDlg::CTruingDlg(SideWindowOwner& owner)
    : SideWindow(owner, kTemplate, QStringLiteral("Truing")),
      rowCount_(std::max(kRows, static_cast<int>(owner.shot().observations.size()))),
      observations_(owner.shot().observations) {
    buildControls();
}

QGroupBox* CTruingDlg::buildObservationsGroup() {
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(3);
    for (int column = 0; column < kColumns; ++column) {
        auto* heading = new QLabel(QString::fromUtf8(kCellColumns[column].heading), this);
        heading->setAlignment(Qt::AlignCenter);
        grid->addWidget(heading, 0, column);
    }
    for (int row = 0; row < rowCount_; ++row) {
        QList<int> cells;
        for (int column = 0; column < kColumns; ++column) {
            KeystrokeRule rule{
                .enabled = true, .fractional = true, .allowMinus = kCellColumns[column].signedValue, .decimals = 4};
            rule.allowPlus = true;  // "+4.75" reads as 4.75
            QLineEdit* e = addNumberEdit(cell(row, column), rule);
            e->setFixedWidth(64);
            grid->addWidget(e, row + 1, column);
            cells << cell(row, column);
        }
        // A row is checked when it is left: moving between its cells checks none of them.
        for (const int id : cells) settleFieldsWith(id, cells);
    }
    auto* files = new QHBoxLayout;
    CColorBtn* load = addButton(kLoadCsv, QStringLiteral("&Load CSV..."));
    connect(load, &QPushButton::clicked, this, &CTruingDlg::onLoadCsv);
    CColorBtn* save = addButton(kSaveCsv, QStringLiteral("&Save CSV..."));
    connect(save, &QPushButton::clicked, this, &CTruingDlg::onSaveCsv);
    files->addWidget(load);
    files->addWidget(save);
    files->addStretch();
    auto* layout = new QVBoxLayout;
    layout->addLayout(grid);
    layout->addLayout(files);
    auto* group = new QGroupBox(QStringLiteral("Observations"), this);
    group->setLayout(layout);
    return group;
}

QGroupBox* CTruingDlg::buildFitGroup() {
    fitChoice_ = new QComboBox(this);
    setControlId(fitChoice_, kFitChoice);
    fitChoice_->addItems({QStringLiteral("Chosen by the number of ranges"), QStringLiteral("Velocity only"),
                          QStringLiteral("Velocity and one drag factor"),
                          QStringLiteral("Velocity and drag scale by Mach")});
    CColorBtn* fit = addButton(kFit, QStringLiteral("&Fit"));
    connect(fit, &QPushButton::clicked, this, &CTruingDlg::onFit);
    auto* choice = new QHBoxLayout;
    choice->addWidget(new QLabel(QStringLiteral("Fit:"), this));
    choice->addWidget(fitChoice_, 1);
    choice->addWidget(fit);
    QLabel* fitted = addLabel(kFitted, QStringLiteral("Enter what you observed at real ranges, then press Fit."));
    fitted->setWordWrap(true);
    fitted->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    fitted->setMinimumHeight(4 * fitted->fontMetrics().lineSpacing() + 4);
    fitted->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* layout = new QVBoxLayout;
    layout->addLayout(choice);
    layout->addWidget(fitted);
    auto* group = new QGroupBox(QStringLiteral("Fit"), this);
    group->setLayout(layout);
    return group;
}

void CTruingDlg::buildControls() {
    auto* left = new QVBoxLayout;
    left->addWidget(buildObservationsGroup());
    left->addWidget(buildFitGroup());
    left->addStretch();

    chartHolder_ = new QWidget(this);
    auto* holder = new QVBoxLayout(chartHolder_);
    holder->setContentsMargins(0, 0, 0, 0);
    chartHolder_->setMinimumSize(560, 330);
    residuals_ = new QTableWidget(0, 6, this);
    setControlId(residuals_, kResiduals);
    residuals_->setHorizontalHeaderLabels({QStringLiteral("Range (yd.)"), QStringLiteral("Reading"),
                                           QStringLiteral("Observed"), QStringLiteral("\u00b1"),
                                           QStringLiteral("Before"), QStringLiteral("After")});
    residuals_->verticalHeader()->setVisible(false);
    residuals_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    residuals_->setSelectionMode(QAbstractItemView::NoSelection);
    residuals_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    residuals_->horizontalHeader()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    residuals_->setWordWrap(false);
    residuals_->setMinimumHeight(170);
    auto* right = new QVBoxLayout;
    right->addWidget(
        new QLabel(QStringLiteral("Observed points over the predicted drop, before and after the fit:"), this));
    right->addWidget(chartHolder_, 3);
    right->addWidget(new QLabel(QStringLiteral("Residuals, observed minus predicted:"), this));
    right->addWidget(residuals_, 2);

    auto* top = new QHBoxLayout;
    top->addLayout(left);
    top->addLayout(right, 1);

    QLabel* status = addLabel(kStatus, {});
    status->setWordWrap(true);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(status, 1);
    const std::tuple<int, const char*, void (CTruingDlg::*)()> commands[] = {
        {kApply, "&Apply", &CTruingDlg::onApply},
        {kClearTruing, "&Clear Truing", &CTruingDlg::onClearTruing},
        {kOk, "OK", &CTruingDlg::onOk},
        {kCancel, "Cancel", &CTruingDlg::reject}};
    for (const auto& [id, caption, command] : commands) {
        CColorBtn* button = addButton(id, QString::fromLatin1(caption));
        connect(button, &QPushButton::clicked, this, command);
        buttons->addWidget(button);
    }
    control(kApply)->setEnabled(false);  // until a fit is made
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 12, 14, 12);
    layout->addLayout(top);
    layout->addLayout(buttons);
}

void CTruingDlg::onInitDialog() {
    SideWindow::onInitDialog();
    showChart();
    edit(cell(0, 0))->setFocus();
}

void CTruingDlg::exchange(DataExchange& dx) {
    if (!dx.saving()) {
        for (int row = 0; row < rowCount_; ++row)
            for (int column = 0; column < kColumns; ++column) {
                const int id = cell(row, column);
                double value = row < static_cast<int>(observations_.size())
                                   ? observations_[static_cast<std::size_t>(row)].*kObservationColumns[column].member
                                   : std::nan("");
                if (std::isnan(value))
                    edit(id)->clear();
                else
                    dx.number(id, value, -HUGE_VAL, HUGE_VAL);
            }
        return;
    }
    std::vector<Observation> read;
    for (int row = 0; row < rowCount_ && !dx.failed(); ++row) exchangeRow(dx, row, read);
    if (!dx.failed()) observations_ = std::move(read);
}

// A row left blank is no observation; a row with any cell needs a range and a reading, each
// within its bounds.
void CTruingDlg::exchangeRow(DataExchange& dx, int row, std::vector<Observation>& read) {
    bool blank = true;
    for (int column = 0; column < kColumns; ++column) blank = blank && edit(cell(row, column))->text().isEmpty();
    if (blank || dx.skips(cell(row, 0))) return;  // nothing typed, or the row being filled in
    Observation o;
    for (int column = 0; column < kColumns && !dx.failed(); ++column) {
        const int id = cell(row, column);
        if (!edit(id)->text().isEmpty()) dx.number(id, o.*kObservationColumns[column].member, -HUGE_VAL, HUGE_VAL);
    }
    if (dx.failed()) return;
    if (std::string problem = observationProblem(o); !problem.empty()) {
        // A value out of its bounds is named by its column's heading, and its cell takes the focus.
        int column = 0;
        for (int c = 1; c < kColumns; ++c) {
            const std::string_view name = kObservationColumns[c].name;
            if (!problem.starts_with(std::string(name) + ' ')) continue;
            problem.replace(0, name.size(),
                            QString::fromUtf8(kCellColumns[c].heading).replace(u'\n', u' ').toStdString());
            column = c;
        }
        context().showMessage(this, sentence(problem));
        QLineEdit* failing = edit(cell(row, column));
        failing->setFocus(Qt::OtherFocusReason);
        failing->selectAll();
        dx.markFailed();
        return;
    }
    read.push_back(o);
}

void CTruingDlg::onLoadCsv() {
    FileRequest request;
    request.title = tr("Load Observations");
    request.filters = {tr("CSV Files (*.csv)"), tr("All Files (*)")};
    const QString chosen = context().chooseFile(this, request);
    if (chosen.isEmpty()) return;
    const QString name = chosen.section(u'/', -1);
    ObservationTable table = loadObservationsCsv(QFile::encodeName(chosen).toStdString());
    if (table.error.empty() && static_cast<int>(table.observations.size()) > rowCount_)
        table.error = cFormat("it holds %zu observations; the window takes %d", table.observations.size(), rowCount_);
    if (!table.error.empty()) {
        // The rows typed before stay as they are.
        context().showFailure(this, tr("Observations Not Loaded"), tr("%1: %2").arg(name, sentence(table.error)));
        return;
    }
    observations_ = std::move(table.observations);
    updateData(false);
    result_.reset();
    control(kApply)->setEnabled(false);
    controlAs<QLabel>(kFitted)->setText(
        tr("%1: %2 observations loaded. Press Fit.").arg(name).arg(observations_.size()));
    residuals_->setRowCount(0);
    showChart();
}

void CTruingDlg::onSaveCsv() {
    if (!updateData()) return;
    if (observations_.empty()) {
        context().showMessage(this, tr("There are no observations to save."));
        return;
    }
    FileRequest request;
    request.kind = FileRequest::Kind::Save;
    request.title = tr("Save Observations");
    request.filters = {tr("CSV Files (*.csv)")};
    request.confirmOverwrite = true;
    const QString chosen = context().chooseFile(this, request);
    if (chosen.isEmpty()) return;
    const FileOutcome outcome =
        writeFileAtomically(QFile::encodeName(chosen).toStdString(), observationsCsvText(observations_));
    if (outcome) {
        showStatus(tr("Observations saved to %1.").arg(chosen.section(u'/', -1)));
        return;
    }
    context().showFailure(
        this, tr("Observations Not Saved"),
        tr("The observations could not be saved to \"%1\".\n%2").arg(chosen, QString::fromStdString(outcome.reason())));
}

ShotParameters* CTruingDlg::takenShot() {
    SideWindowOwner* main = owner();
    if (!main || !main->takeFields()) return nullptr;
    if (const std::string problem = shotProblem(main->shot()); !problem.empty()) {
        context().showMessage(this, QString::fromStdString(problem));
        return nullptr;
    }
    return &main->shot();
}

void CTruingDlg::onFit() {
    if (!updateData()) return;
    if (observations_.empty()) {
        controlAs<QLabel>(kFitted)->setText(
            tr("There are no observations: enter a range and what you dialled, measured or timed there."));
        return;
    }
    const ShotParameters* shot = takenShot();
    if (!shot) return;
    fittedShot_ = *shot;
    result_ = trueShot(*shot, observations_, kFitChoices[std::max(0, fitChoice_->currentIndex())]);
    showResult();
    showResiduals();
    showChart();
}

void CTruingDlg::showResult() {
    const TruingResult& r = *result_;
    QStringList lines;
    if (!r.residuals.empty()) {
        lines << tr("Velocity: %1 \u00b1 %2 f.p.s.")
                     .arg(shownNumber("%.1f", r.velocity), shownNumber("%.1f", r.velocityError));
        if (r.dragScale.empty()) {
            lines << tr("Drag scale: not fitted.");
        } else if (r.dragScale.size() == 1) {
            lines << tr("Drag scale: %1 \u00b1 %2 over the whole flight.")
                         .arg(shownNumber("%.3f", r.dragScale[0].factor), shownNumber("%.3f", r.dragScaleErrors[0]));
        } else {
            QStringList factors;
            for (std::size_t i = 0; i < r.dragScale.size(); ++i)
                factors << tr("%1 \u00b1 %2 at Mach %3")
                               .arg(shownNumber("%.3f", r.dragScale[i].factor),
                                    shownNumber("%.3f", r.dragScaleErrors[i]),
                                    shownNumber("%.2f", r.dragScale[i].mach));
            lines << tr("Drag scale: %1.").arg(factors.join(QStringLiteral("; ")));
        }
        const double readings = static_cast<double>(r.residuals.size());
        lines << tr("Residuals in uncertainties (r.m.s.): %1 before, %2 after.")
                     .arg(shownNumber("%.2f", std::sqrt(r.chiSquareBefore / readings)),
                          shownNumber("%.2f", std::sqrt(r.chiSquareAfter / readings)));
    }
    if (r.outcome != TruingResult::Outcome::Fitted) lines << sentence(r.message);
    controlAs<QLabel>(kFitted)->setText(lines.join(u'\n'));
    control(kApply)->setEnabled(r.outcome == TruingResult::Outcome::Fitted);
}

void CTruingDlg::showResiduals() {
    const std::vector<TruingResidual>& all = result_->residuals;
    residuals_->setRowCount(static_cast<int>(all.size()));
    for (int row = 0; row < static_cast<int>(all.size()); ++row) {
        const TruingResidual& r = all[static_cast<std::size_t>(row)];
        const QuantityShown& q = shownQuantity(r.quantity);
        const QString cells[] = {shownNumber("%g", r.range),        QString::fromUtf8(q.name),
                                 shownNumber(q.format, r.observed), shownNumber(q.format, r.sigma),
                                 shownNumber(q.format, r.before),   shownNumber(q.format, r.after)};
        for (int column = 0; column < 6; ++column) {
            auto* item = new QTableWidgetItem(cells[column]);
            item->setTextAlignment(column == 1 ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignRight | Qt::AlignVCenter);
            residuals_->setItem(row, column, item);
        }
    }
}

void CTruingDlg::showChart() {
    SideWindowOwner* main = owner();
    if (!main || !shotProblem(main->shot()).empty()) return;  // a shot that cannot be flown
    const ShotParameters& shot = result_ && fittedShot_ ? *fittedShot_ : main->shot();
    const ShotParameters before = chartedShot(shot, observations_);
    auto* view =
        new TrajectoryChartView(seriesOf(before, cFormat("As entered: %.0f ft/s", before.velocity)), chartHolder_);
    setControlId(view, kChart);
    if (result_ && !result_->residuals.empty()) {
        ShotParameters after = before;
        applyTruing(after, *result_);
        view->addOverlay(seriesOf(
            after, cFormat("Trued: %.0f ft/s, drag scale ", after.velocity) + dragScaleSpan(after.advanced.dragScale)));
    }
    view->setObservations(observedPoints(observations_, shot.scope.click));
    view->setLegendLowerLeft(true);
    if (chart_) delete chart_;
    chart_ = view;
    chartHolder_->layout()->addWidget(view);
}

void CTruingDlg::showStatus(const QString& text) { controlAs<QLabel>(kStatus)->setText(text); }

void CTruingDlg::onApply() {
    if (!result_ || result_->outcome != TruingResult::Outcome::Fitted || !fittedShot_) return;
    ShotParameters* shot = takenShot();
    if (!shot) return;
    // A fit made on other inputs would be written over the wrong flight. The shot may be the
    // one fitted, or that one with this fit applied already.
    const ShotParameters& then = *fittedShot_;
    ShotParameters now = *shot, trued = then;
    applyTruing(trued, *result_);
    now.muzzleAngle = then.muzzleAngle;  // the zero written back by a table changes no flight
    now.observations = then.observations;
    if (now.velocity == trued.velocity && now.advanced.dragScale == trued.advanced.dragScale) {
        now.velocity = then.velocity;
        now.advanced.dragScale = then.advanced.dragScale;
    }
    if (shotFileText(now) != shotFileText(then)) {
        showStatus(tr("The shot has changed since the fit: press Fit again before Apply."));
        return;
    }
    if (!replaced_) replaced_ = Replaced{shot->velocity, shot->advanced.dragScale};
    applyTruing(*shot, *result_);
    owner()->showFields();
    showStatus(
        tr("Applied: velocity %1 f.p.s., drag scale %2. Clear Truing takes it back.")
            .arg(shownNumber("%.1f", shot->velocity), QString::fromStdString(dragScaleSpan(shot->advanced.dragScale))));
}

void CTruingDlg::onClearTruing() {
    ShotParameters* shot = takenShot();
    if (!shot) return;
    if (replaced_) {
        shot->velocity = replaced_->velocity;
        shot->advanced.dragScale = replaced_->dragScale;
        replaced_.reset();
        showStatus(tr("Truing taken back: velocity %1 f.p.s. and the drag scale as they were before Apply.")
                       .arg(shownNumber("%.1f", shot->velocity)));
    } else if (!shot->advanced.dragScaleOn()) {
        showStatus(tr("No truing is in force."));
        return;
    } else {
        shot->advanced.dragScale.clear();
        showStatus(tr("Drag scale cleared; the velocity stays %1 f.p.s.").arg(shownNumber("%.1f", shot->velocity)));
    }
    owner()->showFields();
}

void CTruingDlg::onOk() {
    keep_ = true;
    close();
}

void CTruingDlg::accept() { onOk(); }

void CTruingDlg::reject() {
    keep_ = false;
    close();
}

void CTruingDlg::closeEvent(QCloseEvent* event) {
    if (keep_) {
        SideWindow::closeEvent(event);  // a row that fails its check keeps the window open
        if (!event->isAccepted()) keep_ = false;
        return;
    }
    leaveOpenDialogs();
    event->accept();
}

void CTruingDlg::writeBack(SideWindowOwner& owner) { owner.shot().observations = observations_; }

}  // namespace vorlan
