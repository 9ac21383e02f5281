// The main dialog's report commands: Range Table opens a table window of the shot, Field Card
// a card of it, Hit Probability the chances of a first-shot hit, Set Baseline keeps the shot
// for comparisons, Shoot opens a comparison window against it.

#include <QDir>
#include <QFileInfo>
#include <memory>

#include "reports/chartview/ReportChartSeries.h"
#include "reports/table/RangeTable.h"
#include "reports/table/TrajectoryWindow.h"
#include "shot/ShotCheck.h"
#include "ui/advanced/CHitProbabilityDlg.h"
#include "ui/card/CFieldCardDlg.h"
#include "ui/common/ControlIds.h"
#include "ui/main/CShoot.h"
#include "ui/main/CVorlan2Dlg.h"
#include "ui/sight/CSightPictureDlg.h"

namespace vorlan {

using namespace MainDialogIds;

namespace {

// Tells the user once when the zeroing of a command's trajectory failed.
void tellZeroFailure(AppContext& context, QWidget* owner, const ShotParameters& shot,
                     const TrajectorySolver& trajectory) {
    const std::string warning = zeroWarning(shot, trajectory);
    if (!warning.empty()) context.showFailure(owner, QObject::tr("Zero Not Found"), QString::fromStdString(warning));
}

}  // namespace

bool CVorlan2Dlg::takeShot() {
    if (!updateData()) return false;
    const std::string problem = shotProblem(shot_);
    if (problem.empty()) return true;
    context().showMessage(this, QString::fromStdString(problem));
    return false;
}

void CVorlan2Dlg::onRangeTable() {
    if (!takeShot()) return;  // a field failed its check: no table of values not on screen
    const auto report = std::make_shared<const RangeTableReport>(shot_);
    tellZeroFailure(context(), this, shot_, report->tableTrajectory());
    writeBackMuzzleAngle(shot_, *report);
    if (shot_.muzzleAngleCorrection) updateData(false);
    // A child of the dialog only so that the dialog's modal run does not block it.
    TrajectoryWindow* window = openTrajectoryWindow(*this, shot_, report, this, chartSeries(shot_, *report));
    openTableWindows.append(window);
}

QString CVorlan2Dlg::preferencesPath() { return context().preferencesPath(); }

void CVorlan2Dlg::tableWindowDestroyed(TrajectoryWindow* window) {
    const QWidget* gone = window;
    openTableWindows.removeIf([gone](const QPointer<QWidget>& w) { return w.data() == gone; });
}

void CVorlan2Dlg::closeTableWindows() {
    // Newest first; a window removes itself from the list as it goes.
    while (!openTableWindows.isEmpty()) {
        QPointer<QWidget> window = openTableWindows.takeLast();
        if (window) delete window.data();
    }
}

void CVorlan2Dlg::onFieldCard() {
    if (!takeShot()) return;  // a field failed its check: no card of values not on screen
    openFieldCard(shot_, shot_.scope.unitSystem);
}

void CVorlan2Dlg::openFieldCard(const ShotParameters& shot, UnitSystem units) {
    auto* window = new CFieldCardDlg(context(), shot, units, saveFileName, this);  // deletes itself when closed
    placeNewWindow(window, WindowKind::Side);
    window->show();
}

void CVorlan2Dlg::openSightPicture(const ShotParameters& shot, UnitSystem units) {
    auto* window = new CSightPictureDlg(context(), shot, units, this);  // deletes itself when closed
    placeNewWindow(window, WindowKind::Side);
    window->show();
}

void CVorlan2Dlg::onHitProbability() {
    if (!takeShot()) return;  // a field failed its check: no figures of values not on screen
    openHitProbabilityWindow(shot_, nullptr);
}

void CVorlan2Dlg::openHitProbability(const ShotParameters& shot, TrajectoryWindow& table) {
    openHitProbabilityWindow(shot, &table);
}

void CVorlan2Dlg::openHitProbabilityWindow(const ShotParameters& shot, TrajectoryWindow* table) {
    ShotParameters flown = shot;
    flown.hit = shot_.hit;  // the inputs last typed in any such window
    const auto keep = [this, table = QPointer<TrajectoryWindow>(table), shot](const HitInputs& hit) {
        shot_.hit = hit;
        ShotParameters followed = shot;
        followed.hit = hit;
        if (table) table->shotChanged(followed);
    };
    // A child of the dialog, so it goes before the dialog and the shot it writes into.
    auto* window = new CHitProbabilityDlg(context(), std::move(flown), keep, this);  // deletes itself when closed
    window->setVelocityKeeper([this](double velocity) {
        shot_.velocity = velocity;
        updateData(false);
    });
    placeNewWindow(window, WindowKind::Side);
    window->show();
}

void CVorlan2Dlg::onSetBaseline() {
    if (!takeShot()) return;
    baseline_ = setBaseline(shot_);
    tellZeroFailure(context(), this, shot_, baseline_->trajectory);
    if (shot_.muzzleAngleCorrection) updateData(false);
    // No box to dismiss: a note under the buttons, and Shoot names what it compares with.
    const QString name = QString::fromStdString(baseline_->name);
    showStatus(tr("Baseline set: %1").arg(name));
    control(kShootButton)->setToolTip(tr("Compares the current shot with the baseline \"%1\".").arg(name));
}

void CVorlan2Dlg::onShoot() {
    // Without a baseline the window names the shot as the dialog holds it; the controls are
    // not read.
    if (baseline_ && !takeShot()) return;
    auto* window = new CShoot(context(), shootComparison(baseline_, shot_, context().units.choice()), this);
    if (baseline_)
        // Named for their part, so that two loads of one name are told apart.
        window->setChartSeries({chartSeries("Current: " + shot_.name, comparisonTrajectory(shot_), shot_.targetRange),
                                chartSeries("Baseline: " + baseline_->name, baseline_->trajectory, shot_.targetRange)});
    placeNewWindow(window, WindowKind::Comparison);
    window->show();
}

}  // namespace vorlan
