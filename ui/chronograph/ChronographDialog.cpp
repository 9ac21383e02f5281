#include "ui/chronograph/ChronographDialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "shot/CLocaleNumbers.h"
#include "shot/ShotCheck.h"
#include "ui/chronograph/ChronoPlot.h"
#include "ui/common/AppContext.h"

namespace vorlan {

namespace {

QString feetPerSecond(double value) { return QString::fromStdString(cFormat("%.1f", value)); }

}  // namespace

ChronographDialog::ChronographDialog(ChronoSession session, bool offerVelocity, QWidget* parent, bool velocityChecked)
    : QDialog(parent), session_(std::move(session)) {
    setWindowTitle(tr("From Chronograph"));
    buildControls(offerVelocity, velocityChecked);
    fillTable();
    onShotsChanged();
}

void ChronographDialog::buildControls(bool offerVelocity, bool velocityChecked) {
    table_ = new QTableWidget(0, 2, this);
    table_->setHorizontalHeaderLabels({tr("Shot"), tr("Velocity (ft/s)")});
    table_->verticalHeader()->hide();
    table_->horizontalHeader()->setStretchLastSection(true);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setToolTip(tr("Clear a shot's box to leave it out (a fouler or a flyer)"));
    statistics_ = new QLabel(this);
    notes_ = new QLabel(this);
    notes_->setWordWrap(true);
    plot_ = new ChronoPlot(this);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    ok_ = buttons->button(QDialogButtonBox::Ok);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* side = new QVBoxLayout;
    side->addWidget(new QLabel(
        tr("%1, %2 shots").arg(QString::fromUtf8(chronoFormatName(session_.format).data())).arg(session_.shots.size()),
        this));
    side->addWidget(statistics_);
    side->addWidget(plot_, 1);
    side->addWidget(notes_);
    if (offerVelocity) {
        setVelocity_ = new QCheckBox(tr("Set the shot's muzzle &velocity to the mean as well"), this);
        setVelocity_->setChecked(velocityChecked);
        side->addWidget(setVelocity_);
    }
    auto* columns = new QHBoxLayout;
    columns->addWidget(table_, 1);
    columns->addLayout(side, 2);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addWidget(buttons);
    connect(table_, &QTableWidget::itemChanged, this, &ChronographDialog::onShotsChanged);
}

void ChronographDialog::fillTable() {
    const QSignalBlocker quiet(table_);
    table_->setRowCount(static_cast<int>(session_.shots.size()));
    for (int row = 0; row < table_->rowCount(); ++row) {
        const ChronoShot& shot = session_.shots[static_cast<std::size_t>(row)];
        auto* number = new QTableWidgetItem(QString::number(shot.number));
        number->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        number->setCheckState(Qt::Checked);
        table_->setItem(row, 0, number);
        auto* velocity = new QTableWidgetItem(feetPerSecond(shot.velocity));
        velocity->setFlags(Qt::ItemIsEnabled);
        velocity->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        table_->setItem(row, 1, velocity);
    }
}

void ChronographDialog::setShotKept(int row, bool kept) {
    if (QTableWidgetItem* item = table_->item(row, 0)) item->setCheckState(kept ? Qt::Checked : Qt::Unchecked);
}

std::optional<ChronoStats> ChronographDialog::stats() const {
    std::vector<double> kept;
    for (int row = 0; row < table_->rowCount(); ++row)
        if (table_->item(row, 0)->checkState() == Qt::Checked)
            kept.push_back(session_.shots[static_cast<std::size_t>(row)].velocity);
    return chronoStats(kept);
}

ChronographChoice ChronographDialog::choice() const {
    return {tenthsOf(stats().value_or(ChronoStats{})), setVelocity_ && setVelocity_->isChecked()};
}

QString ChronographDialog::statisticsText() const { return statistics_->text(); }

void ChronographDialog::onShotsChanged() {
    const std::optional<ChronoStats> kept = stats();
    ok_->setEnabled(kept.has_value());
    std::vector<double> velocities;
    std::vector<bool> used;
    for (int row = 0; row < table_->rowCount(); ++row) {
        velocities.push_back(session_.shots[static_cast<std::size_t>(row)].velocity);
        used.push_back(table_->item(row, 0)->checkState() == Qt::Checked);
    }
    plot_->setShots(velocities, used, kept ? kept->mean : 0.0);
    if (!kept) {
        statistics_->setText(tr("Keep at least two shots for a standard deviation."));
        notes_->clear();
        return;
    }
    statistics_->setText(tr("Shots: %1\nMean: %2 ft/s\nSD: %3 ft/s\nExtreme spread: %4 ft/s")
                             .arg(kept->count)
                             .arg(feetPerSecond(kept->mean), feetPerSecond(kept->sd), feetPerSecond(kept->spread)));
    // The file's own figures are for the whole string; they are compared only while it is whole.
    QStringList notes;
    if (kept->count == static_cast<int>(session_.shots.size()))
        for (const std::string& note : statedFigureNotes(session_, *kept)) notes << QString::fromStdString(note);
    // What a shot could not take (a mean beyond the velocity's bounds) is told, and OK is off.
    ShotParameters taking;
    applyChronoStats(*kept, taking);
    if (const std::string problem = shotProblem(taking); !problem.empty()) {
        notes << QString::fromStdString(problem);
        ok_->setEnabled(false);
    }
    notes_->setText(notes.join(QLatin1Char('\n')));
}

std::optional<ChronographChoice> chooseFromChronograph(AppContext& context, QWidget* parent, bool offerVelocity,
                                                       bool velocityChecked) {
    FileRequest request;
    request.title = ChronographDialog::tr("Open Chronograph Session");
    request.filters = {ChronographDialog::tr("Chronograph sessions (*.csv *.txt)"),
                       ChronographDialog::tr("All files (*)")};
    const QString path = context.chooseFile(parent, request);
    if (path.isEmpty()) return std::nullopt;
    const ChronoSession session = readChronoSession(path.toStdString());
    QString problem = QString::fromStdString(session.error);
    if (problem.isEmpty() && session.shots.size() < 2)
        problem = ChronographDialog::tr("The session holds fewer than two shots, so no standard deviation.");
    if (!problem.isEmpty()) {
        context.showFailure(parent, ChronographDialog::tr("From Chronograph"), problem);
        return std::nullopt;
    }
    ChronographDialog dialog(session, offerVelocity, parent, velocityChecked);
    if (dialog.exec() != QDialog::Accepted || !dialog.stats()) return std::nullopt;
    return dialog.choice();
}

}  // namespace vorlan
