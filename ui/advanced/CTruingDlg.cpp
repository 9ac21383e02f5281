#include "ui/advanced/CTruingDlg.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QTableWidget>
#include <algorithm>
#include <cmath>

#include "engine/DragFunction.h"
#include "reports/chartview/TrajectoryChartView.h"
#include "shot/CLocaleNumbers.h"
#include "shot/FileTitle.h"
#include "shot/SafeFile.h"
#include "shot/ShotCheck.h"
#include "shot/ShotFile.h"
#include "ui/advanced/TruingView.h"
#include "ui/common/CColorBtn.h"
#include "ui/common/DataExchange.h"

namespace vorlan {

using namespace TruingIds;

namespace {

// The fit the choice's entries stand for, in their order.
constexpr TruingFit kFitChoices[] = {TruingFit::Auto, TruingFit::Velocity, TruingFit::Bc, TruingFit::Mach};

}  // namespace

CTruingDlg::CTruingDlg(SideWindowOwner& owner)
    : SideWindow(owner, kTemplate, tr("Truing")),
      rowCount_(std::max(kRows, static_cast<int>(owner.shot().observations.size()))),
      session_(owner.shot().observations) {
    // The window works on the main dialog's shot: its title names it.
    if (!owner.shot().name.empty()) setWindowTitle(tr("Truing - %1").arg(QString::fromStdString(owner.shot().name)));
    buildControls();
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
                const std::vector<Observation>& shown = session_.observations();
                double value = row < static_cast<int>(shown.size())
                                   ? shown[static_cast<std::size_t>(row)].*kObservationColumns[column].member
                                   : std::nan("");
                if (std::isnan(value))
                    edit(id)->clear();
                else
                    exchangeCell(dx, id, column, value);
            }
        return;
    }
    std::vector<Observation> read;
    for (int row = 0; row < rowCount_ && !dx.failed(); ++row) exchangeRow(dx, row, read);
    if (!dx.failed()) session_.setObservations(std::move(read));
}

// A reading of a unit the shooter chooses is shown and typed in it, its bounds checked and told
// in it; the others, and all in the designed units, are read as typed and checked whole by the
// row (observationProblem).
void CTruingDlg::exchangeCell(DataExchange& dx, int id, int column, double& value) {
    const std::optional<Quantity> quantity = observationQuantity(column);
    if (!quantity || context().units.designed(*quantity)) {
        dx.number(id, value, -HUGE_VAL, HUGE_VAL);
        return;
    }
    const auto [lowest, highest] = observationBounds(static_cast<std::size_t>(column));
    dx.number(id, value, lowest, highest, FieldUnit{*quantity, kCellDecimals, observationLabel(column)});
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
        if (!edit(id)->text().isEmpty()) exchangeCell(dx, id, column, o.*kObservationColumns[column].member);
    }
    if (dx.failed()) return;
    std::string problem = observationProblem(o, context().units.of(Quantity::Distance));
    if (problem.empty() && owner()) problem = clickHoldProblem(o, owner()->shot().scope.click);
    if (!problem.empty()) {
        // A value out of its bounds is named by its column, and its cell takes the focus.
        context().showMessage(this, sentence(withColumnNames(problem)));
        QLineEdit* failing = edit(cell(row, messageColumn(problem)));
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
        table.error = tr("it holds %1 observations; the window takes %2")
                          .arg(table.observations.size())
                          .arg(rowCount_)
                          .toStdString();
    if (!table.error.empty()) {
        // The rows typed before stay as they are.
        context().showFailure(this, tr("Observations Not Loaded"),
                              tr("%1: %2").arg(name, sentence(withColumnNames(table.error))));
        showStatus(tr("Observations not loaded from %1.").arg(name));
        return;
    }
    session_.replaceObservations(std::move(table.observations));
    updateData(false);
    control(kApply)->setEnabled(false);
    controlAs<QLabel>(kFitted)->setText(
        tr("%1: %2 observations loaded. Press Fit.").arg(name).arg(session_.observations().size()));
    showStatus(tr("Observations loaded from %1.").arg(name));
    residuals_->setRowCount(0);
    showChart();
}

void CTruingDlg::onSaveCsv() {
    if (!updateData()) return;
    if (session_.observations().empty()) {
        context().showMessage(this, tr("There are no observations to save."));
        return;
    }
    FileRequest request;
    request.kind = FileRequest::Kind::Save;
    request.title = tr("Save Observations");
    request.filters = {tr("CSV Files (*.csv)")};
    request.confirmOverwrite = true;
    static QString folder;  // the folder of the last save, offered again
    const std::string shotName = owner() ? owner()->shot().name : std::string();
    request.initialPath =
        folder +
        QString::fromStdString(suggestedFileName(shotName.empty() ? "observations" : shotName + " observations")) +
        QStringLiteral(".csv");
    const QString chosen = context().chooseFile(this, request);
    if (chosen.isEmpty()) return;
    folder = chosen.left(chosen.lastIndexOf(u'/') + 1);
    const FileOutcome outcome =
        writeFileAtomically(QFile::encodeName(chosen).toStdString(), observationsCsvText(session_.observations()));
    if (outcome) {
        showStatus(tr("Observations saved to %1.").arg(chosen.section(u'/', -1)));
        return;
    }
    showStatus(tr("Observations not saved."));
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
    if (session_.observations().empty()) {
        controlAs<QLabel>(kFitted)->setText(
            tr("There are no observations: enter a range and what you dialled, measured or timed there."));
        showStatus({});
        return;
    }
    const ShotParameters* shot = takenShot();
    if (!shot) return;
    session_.fit(*shot, kFitChoices[std::max(0, fitChoice_->currentIndex())]);
    showResult();
    showResiduals();
    showChart();
}

void CTruingDlg::showResult() {
    const TruingResult& r = *session_.result();
    controlAs<QLabel>(kFitted)->setText(truingResultText(r, context().units.choice()));
    showStatus(r.outcome == TruingResult::Outcome::Fitted ? tr("Fitted: Apply writes the fitted values into the shot.")
                                                          : tr("Not fitted: the reason is given above."));
    control(kApply)->setEnabled(r.outcome == TruingResult::Outcome::Fitted);
}

void CTruingDlg::showResiduals() {
    showResidualRows(*residuals_, session_.result()->residuals, context().units.choice());
}

// The cells are shown again by the side window; the headings, the fit and the chart follow.
void CTruingDlg::unitsChanged() {
    SideWindow::unitsChanged();
    showHeadings();
    if (session_.result()) {
        controlAs<QLabel>(kFitted)->setText(truingResultText(*session_.result(), context().units.choice()));
        showResiduals();
    }
    showChart();
}

void CTruingDlg::showChart() {
    SideWindowOwner* main = owner();
    if (!main || !shotProblem(main->shot()).empty()) return;  // a shot that cannot be flown
    const std::optional<TruingResult>& result = session_.result();
    const ShotParameters& shot = result && session_.fittedShot() ? *session_.fittedShot() : main->shot();
    TrajectoryChartView* view =
        truingChart(shot, session_.observations(), result ? &*result : nullptr, context().units.choice(), chartHolder_);
    setControlId(view, kChart);
    if (chart_) delete chart_;
    chart_ = view;
    chartHolder_->layout()->addWidget(view);
}

void CTruingDlg::showStatus(const QString& text) { controlAs<QLabel>(kStatus)->setText(text); }

void CTruingDlg::onApply() {
    if (!session_.canApply()) return;
    ShotParameters* shot = takenShot();
    if (!shot) return;
    switch (session_.apply(*shot)) {
        case TruingSession::Applied::ShotChanged:
            showStatus(tr("The shot has changed since the fit: press Fit again before Apply."));
            return;
        case TruingSession::Applied::OutOfBounds:
            showStatus(tr("Not applied: %1").arg(sentence(session_.applyProblem())));
            return;
        default:
            break;
    }
    owner()->showFields();
    owner()->shotChanged(this);
    // A drag function the fit chose in place of the shot's is said, as it replaces the box's.
    const TruingResult& fitted = *session_.result();
    const QString drag = fitted.dragFunctionChosen
                             ? tr(", drag function %1 %2")
                                   .arg(QString::fromUtf8(dragFunctionName(fitted.dragFunction).data()),
                                        shownNumber("%.3f", fitted.ballisticCoefficient))
                             : QString();
    showStatus(
        tr("Applied: velocity %1%2, drag scale %3. Clear Truing takes it back.")
            .arg(velocity(shot->velocity), drag, QString::fromStdString(dragScaleSpan(shot->advanced.dragScale))));
}

QString CTruingDlg::velocity(double fps) const { return velocityText(fps, context().units.choice()); }

void CTruingDlg::onClearTruing() {
    ShotParameters* shot = takenShot();
    if (!shot) return;
    switch (session_.clear(*shot)) {
        case TruingSession::Cleared::Restored:
            showStatus(tr("Truing taken back: velocity %1 and the drag scale as they were before Apply.")
                           .arg(velocity(shot->velocity)));
            break;
        case TruingSession::Cleared::VelocityRestored:
            showStatus(tr("Truing cleared: the velocity is back to %1, as entered before truing.")
                           .arg(velocity(shot->velocity)));
            break;
        case TruingSession::Cleared::DragScaleCleared:
            showStatus(tr("Drag scale cleared; the velocity stays %1").arg(velocity(shot->velocity)));
            break;
        case TruingSession::Cleared::NothingInForce:
            showStatus(tr("No truing is in force."));
            return;
    }
    owner()->showFields();
    owner()->shotChanged(this);
}

void CTruingDlg::onOk() {
    keep_ = true;
    close();
}

void CTruingDlg::accept() {
    // Enter in a cell moves on to the next one, as Tab does; Ctrl+Enter, or Enter elsewhere, is OK.
    const int id = controlIdOf(focusWidget());
    const bool inCell = id >= cell(0, 0) && id <= cell(rowCount_ - 1, kColumns - 1);
    if (inCell && !(QGuiApplication::keyboardModifiers() & Qt::ControlModifier)) {
        focusNextChild();
        return;
    }
    onOk();
}

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

void CTruingDlg::writeBack(SideWindowOwner& owner) { session_.keepWith(owner.shot()); }

}  // namespace vorlan
