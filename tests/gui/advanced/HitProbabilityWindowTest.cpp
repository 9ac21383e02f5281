// The Hit Probability window: opened from the main dialog and from a table window's File menu,
// its inputs read from the fields and kept with the dialog's shot (the run itself is tested in
// HitProbabilityRunTest).

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <cmath>

#include "reports/chartview/TrajectoryChartCommands.h"
#include "reports/chartview/TrajectoryChartView.h"
#include "reports/table/TrajectoryWindow.h"
#include "tests/gui/GuiHarness.h"
#include "tests/support/CalcTestLoads.h"
#include "ui/advanced/CHitProbabilityDlg.h"
#include "ui/common/ControlIds.h"

using namespace vorlan;
using namespace vorlan::HitProbabilityIds;

namespace {

QLineEdit* field(CHitProbabilityDlg* window, int id) { return qobject_cast<QLineEdit*>(window->control(id)); }

ShotParameters shortTable() {
    ShotParameters shot = testing::load308();
    shot.rangeIncrement = 100;
    shot.incrementCount = 10;
    shot.targetRange = 500;
    return shot;
}

}  // namespace

class HitProbabilityWindowTest : public QObject {
    Q_OBJECT

private slots:
    // Typed inputs: the figures follow the last of them, the dialog's shot keeps them, and a
    // group size is turned into the deviation it stands for.
    void fromTheMainDialogItFollowsItsInputs() {
        testing::Harness harness;
        auto dialog = harness.openMainDialog();
        dialog->shot() = shortTable();
        dialog->updateData(false);
        QTest::mouseClick(qobject_cast<QPushButton*>(dialog->control(MainDialogIds::kHitProbabilityButton)),
                          Qt::LeftButton);
        CHitProbabilityDlg* window = testing::newestShown<CHitProbabilityDlg>();
        QVERIFY(window);
        QCOMPARE(window->templateId(), kTemplate);
        // The vital zone of the shot is the target until another is typed.
        QCOMPARE(field(window, kTargetWidth)->text(), QString("8"));

        // Three inputs in quick succession: each cancels the run before it.
        for (const char* precision : {"3", "0.5", "1"}) testing::retype(field(window, kPrecision), precision);
        QTRY_VERIFY_WITH_TIMEOUT(window->finished(), 30000);
        QCOMPARE(window->shownResult().runs, kDefaultHitRuns);
        QVERIFY(window->control(kTargetFigure)->property("text").toString().startsWith("P(hit) at 500 yd: "));
        QCOMPARE(window->shownResult().impacts.size(), std::size_t{2000});
        QCOMPARE(dialog->shot().hit.spreads.precisionMoa, 1.0);
        QVERIFY(!dialog->shot().hit.target.isSet());  // still the vital zone
        QVERIFY(window->control(kMisses)->property("text").toString().startsWith("The precision decides"));

        // A group of five shots averaging 3.066 MOA is one MOA per axis; a rectangle is kept.
        qobject_cast<QComboBox*>(window->control(kPrecisionKind))->setCurrentIndex(1);
        testing::retype(field(window, kPrecision), "3.066");
        qobject_cast<QComboBox*>(window->control(kTargetShape))->setCurrentIndex(1);
        testing::retype(field(window, kTargetHeight), "20");
        testing::retype(field(window, kTargetWidth), "10");
        QVERIFY(std::fabs(dialog->shot().hit.spreads.precisionMoa - 1.0) < 1e-3);
        QCOMPARE(dialog->shot().hit.target, (HitTarget{HitTarget::Shape::Rectangle, 10, 20}));
        testing::retype(field(window, kRuns), "2e3");
        QTRY_VERIFY_WITH_TIMEOUT(window->finished(), 30000);
        QCOMPARE(window->shownResult().runs, 2000);
        window->grab().save(testing::artefactPath("hit-probability.png"));

        // A field that cannot be read says so and keeps the last good inputs in the shot.
        testing::retype(field(window, kWindSd), "x");
        QVERIFY(window->message().contains("Wind call SD"));
        QCOMPARE(dialog->shot().hit.spreads.windSd, 0.0);
        window->close();
    }

    void fromATableWindowsFileMenu() {
        testing::Harness harness;
        auto dialog = harness.openMainDialog();
        dialog->shot() = shortTable();
        dialog->shot().hit.spreads.velocitySd = 12;
        dialog->updateData(false);
        dialog->onRangeTable();
        auto* table = qobject_cast<TrajectoryWindow*>(dialog->openTableWindows.last().data());
        QVERIFY(table);
        // Its chart draws P(hit) once the hits are counted, in the background.
        QTRY_VERIFY_WITH_TIMEOUT(!table->chartCommands()->chart()->scene().series.front().hitCurve.empty(), 30000);
        auto* action = table->findChild<QAction*>(QStringLiteral("fileHitProbability"));
        QVERIFY(action && action->isEnabled());
        action->trigger();
        CHitProbabilityDlg* window = testing::newestShown<CHitProbabilityDlg>();
        QVERIFY(window);
        QCOMPARE(field(window, kVelocitySd)->text(), QString("12"));
        QTRY_VERIFY_WITH_TIMEOUT(window->finished(), 30000);
        window->close();
    }
};

QTEST_MAIN(HitProbabilityWindowTest)
#include "HitProbabilityWindowTest.moc"
