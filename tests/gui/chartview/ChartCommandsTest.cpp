// The chart through the main dialog's buttons: a Range Table window charts every yard the
// table recorded, and the comparison window's "Chart" button lays the current shot and the
// baseline over each other.

#include <QMainWindow>
#include <QPushButton>

#include "reports/chartview/TrajectoryChartCommands.h"
#include "reports/chartview/TrajectoryChartView.h"
#include "reports/comparison/ShotComparison.h"
#include "reports/table/RangeTable.h"
#include "reports/table/TrajectoryWindow.h"
#include "tests/gui/GuiHarness.h"
#include "ui/common/ControlIds.h"
#include "ui/main/CShoot.h"

using namespace vorlan;
using namespace vorlan::testing;
using namespace vorlan::MainDialogIds;

namespace {

void press(CVorlan2Dlg* dlg, int controlId) {
    QTest::mouseClick(dlg->controlAs<QPushButton>(controlId), Qt::LeftButton);
}

CShoot* newestComparison(AppContext& context) {
    CShoot* found = nullptr;
    for (QWidget* w : context.openDialogs.oldestToNewest())
        if (auto* shoot = qobject_cast<CShoot*>(w)) found = shoot;
    return found;
}

}  // namespace

class TestChartCommands : public QObject {
    Q_OBJECT
private slots:
    void rangeTableChartsEveryRecordedYard();
    void comparisonChartOverlaysCurrentAndBaseline();
};

void TestChartCommands::rangeTableChartsEveryRecordedYard() {
    Harness harness;
    auto dlg = harness.openMainDialog();
    retype(dlg->edit(kNameEdit), "Chart pellet");
    retype(dlg->edit(kRangeIncrementEdit), "5");
    retype(dlg->edit(kIncrementCountEdit), "20");
    press(dlg.get(), kRangeTableButton);
    auto* window = qobject_cast<TrajectoryWindow*>(dlg->openTableWindows.last());
    QVERIFY(window);
    const ChartSeries& series = window->chartCommands()->chart()->scene().series.front();
    QCOMPARE(series.name, std::string("Chart pellet"));
    // 101 yards recorded, 21 rows printed.
    QCOMPARE(series.rows.size(), 101u);
    QCOMPARE(series.rows.back().range, 100.0);
    QCOMPARE(series.sightInRange, dlg->shot().sightInRange);
    QCOMPARE(series.targetRange, dlg->shot().targetRange);
}

void TestChartCommands::comparisonChartOverlaysCurrentAndBaseline() {
    Harness harness;
    auto dlg = harness.openMainDialog();
    press(dlg.get(), kShootButton);
    QVERIFY(!newestComparison(dlg->context())->chartButton()->isEnabled());  // no baseline yet

    retype(dlg->edit(kNameEdit), "Baseline load");
    press(dlg.get(), kSetBaselineButton);
    retype(dlg->edit(kNameEdit), "Current load");
    retype(dlg->edit(kVelocityEdit), "900");
    press(dlg.get(), kShootButton);
    CShoot* comparison = newestComparison(dlg->context());
    QVERIFY(comparison->chartButton()->isEnabled());
    const QList<QMainWindow*> before = dlg->findChildren<QMainWindow*>();
    QTest::mouseClick(comparison->chartButton(), Qt::LeftButton);
    QMainWindow* chartWindow = nullptr;
    for (QMainWindow* w : dlg->findChildren<QMainWindow*>())
        if (!before.contains(w)) chartWindow = w;
    QVERIFY(chartWindow);
    // Each load named for its part, even were their names the same.
    QCOMPARE(chartWindow->windowTitle(),
             QStringLiteral("Trajectory Chart - Current: Current load / Baseline: Baseline load"));
    const ChartScene& scene = chartWindow->findChild<TrajectoryChartView*>()->scene();
    QCOMPARE(scene.series.size(), 2u);
    // The same trajectories the comparison compared.
    const TrajectorySolver current = comparisonTrajectory(dlg->shot());
    QCOMPARE(scene.series[0].rows.size(), current.rows.size());
    QCOMPARE(scene.series[0].rows.back().drop, printedRow(current.rows.back()).drop);
    QVERIFY(scene.series[0].rows[10].velocity > scene.series[1].rows[10].velocity);
    // The chart outlives the comparison window.
    comparison->close();
    QCoreApplication::processEvents();
    QVERIFY(chartWindow->isVisible());
    chartWindow->grab().save(artefactPath("comparison-chart.png"));
}

QTEST_MAIN(TestChartCommands)
#include "ChartCommandsTest.moc"
