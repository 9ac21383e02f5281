// The main dialog's report commands through their buttons: Range Table and its windows, Set
// Baseline and Shoot with the comparison window.

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include "reports/table/RangeTable.h"
#include "reports/table/TrajectoryTable.h"
#include "reports/table/TrajectoryWindow.h"
#include "shot/CLocaleNumbers.h"
#include "tests/gui/GuiHarness.h"
#include "ui/calculations/CMaximumRangeDlg.h"
#include "ui/common/ControlIds.h"
#include "ui/main/CShoot.h"

using namespace vorlan;
using namespace vorlan::testing;
using namespace vorlan::MainDialogIds;

namespace {

void press(CVorlan2Dlg* dlg, int controlId) {
    QTest::mouseClick(dlg->controlAs<QPushButton>(controlId), Qt::LeftButton);
}

TrajectoryWindow* newestTable(CVorlan2Dlg* dlg) {
    return dlg->openTableWindows.isEmpty() ? nullptr : qobject_cast<TrajectoryWindow*>(dlg->openTableWindows.last());
}

// The comparison windows open now, oldest first.
QList<CShoot*> comparisonWindows(AppContext& context) {
    QList<CShoot*> found;
    for (QWidget* w : context.openDialogs.oldestToNewest())
        if (auto* shoot = qobject_cast<CShoot*>(w)) found << shoot;
    return found;
}

QString shown(CShoot* window, int controlId) {
    if (auto* edit = window->controlAs<QLineEdit>(controlId)) return edit->text();
    if (auto* label = window->controlAs<QLabel>(controlId)) return label->text();
    return QStringLiteral("<no control %1>").arg(controlId);
}

// Presses Shoot and returns the window it opened.
CShoot* shoot(CVorlan2Dlg* dlg) {
    const int before = comparisonWindows(dlg->context()).size();
    press(dlg, kShootButton);
    const QList<CShoot*> now = comparisonWindows(dlg->context());
    return now.size() == before + 1 ? now.last() : nullptr;
}

// The default table ends at 45 yards, short of the default target range of 50.
void reachBeyondTarget(CVorlan2Dlg* dlg) { retype(dlg->edit(kIncrementCountEdit), "100"); }

}  // namespace

class TestReportCommands : public QObject {
    Q_OBJECT
private slots:
    void rangeTableWindow();
    void twoTablesCloseOne();
    void muzzleAngleWriteBack();
    void exitClosesTables();
    void windowsUsableDuringModalRun();
    void unchangedShotComparesEqual();
    void crosswindGivesItsDrift();
    void targetRangeTruncatedAndRounded();
    void statusWhenTargetBeyondRange_data();
    void statusWhenTargetBeyondRange();
    void shootTwiceKeepsSnapshots();
    void baselineWritesMuzzleAngleShootDoesNot();
    void grabWindows();
};

void TestReportCommands::rangeTableWindow() {
    Harness h;
    auto dlg = h.openMainDialog();
    retype(dlg->edit(kNameEdit), "Test .22");
    retype(dlg->edit(kCrosswindEdit), "7");
    press(dlg.get(), kRangeTableButton);
    TrajectoryWindow* window = newestTable(dlg.get());
    QVERIFY(window);
    QVERIFY(window->isVisible());
    QCOMPARE(window->windowTitle(), QString("Trajectory Table - Test .22"));
    QCOMPARE(dlg->shot().crosswind, 7.0);  // the controls were read first
    const ShotParameters& shot = dlg->shot();
    QCOMPARE(window->document().lines(), rangeTableLines(shot, RangeTableReport(shot)));
    QCOMPARE(window->document().shotName(), std::string("Test .22"));
    delete window;
}

void TestReportCommands::twoTablesCloseOne() {
    Harness h;
    auto dlg = h.openMainDialog();
    press(dlg.get(), kRangeTableButton);
    press(dlg.get(), kRangeTableButton);
    QCOMPARE(dlg->openTableWindows.size(), 2);
    QPointer<QWidget> first = dlg->openTableWindows[0];
    QPointer<QWidget> second = dlg->openTableWindows[1];
    QVERIFY(first && second && first != second);
    QVERIFY(first->close());
    QTRY_VERIFY(first.isNull());
    QCOMPARE(dlg->openTableWindows.size(), 1);
    QCOMPARE(dlg->openTableWindows[0], second);
    QVERIFY(second->isVisible());
    QVERIFY(dlg->isVisible());
    delete second.data();
    QVERIFY(dlg->openTableWindows.isEmpty());
}

void TestReportCommands::muzzleAngleWriteBack() {
    Harness h;
    auto dlg = h.openMainDialog();
    retype(dlg->edit(kSightInRangeEdit), "100");
    press(dlg.get(), kRangeTableButton);
    const double solved = cToDouble(cFormat("%0.3f", RangeTableReport(dlg->shot()).muzzleAngleMoa()));
    QVERIFY(solved > 1.0);
    QCOMPARE(dlg->shot().muzzleAngle, solved);
    QCOMPARE(dlg->edit(kMuzzleAngleEdit)->text(), QString::fromStdString(cShowDouble(solved)));

    // With the correction off the angle is the user's and the controls are not rewritten.
    auto* check = dlg->controlAs<QCheckBox>(kMuzzleAngleCheck);
    QTest::mouseClick(check, Qt::LeftButton, {}, QPoint(8, check->height() / 2));  // on the box
    QVERIFY(!dlg->shot().muzzleAngleCorrection);
    retype(dlg->edit(kMuzzleAngleEdit), "3.50");
    retype(dlg->edit(kSightInRangeEdit), "200");
    press(dlg.get(), kRangeTableButton);
    QCOMPARE(dlg->shot().muzzleAngle, 3.5);
    QCOMPARE(dlg->shot().sightInRange, 200.0);
    QCOMPARE(dlg->edit(kMuzzleAngleEdit)->text(), QString("3.50"));
    QCOMPARE(dlg->openTableWindows.size(), 2);
    delete newestTable(dlg.get());
    delete newestTable(dlg.get());
}

void TestReportCommands::exitClosesTables() {
    Harness h;
    auto dlg = h.openMainDialog();
    press(dlg.get(), kRangeTableButton);
    press(dlg.get(), kRangeTableButton);
    QPointer<QWidget> first = dlg->openTableWindows[0];
    QPointer<QWidget> second = dlg->openTableWindows[1];
    QPointer<CShoot> comparison = shoot(dlg.get());
    QVERIFY(comparison);
    QVERIFY(dlg->close());
    QVERIFY(first.isNull() && second.isNull());
    QVERIFY(dlg->openTableWindows.isEmpty());
    QTRY_VERIFY(comparison.isNull());
}

// The program runs the main dialog modally; the windows it opens must still take input.
void TestReportCommands::windowsUsableDuringModalRun() {
    Harness h;
    CVorlan2Dlg dlg(h.context);
    BlockWatcher watcher;
    qApp->installEventFilter(&watcher);
    QWidget stranger;  // a window of no relation, which the modal run does block
    QPointer<QWidget> table;
    QPointer<CShoot> comparison;
    QPointer<QWidget> sideWindow;
    bool strangerBlocked = false, tableBlocked = true, comparisonBlocked = true, sideBlocked = true;
    QTimer::singleShot(0, &dlg, [&] {
        press(&dlg, kRangeTableButton);
        table = newestTable(&dlg);
        comparison = shoot(&dlg);
        press(&dlg, kMaximumRangeButton);
        for (QWidget* w : QApplication::topLevelWidgets())
            if (qobject_cast<CMaximumRangeDlg*>(w)) sideWindow = w;
        stranger.show();
        QTimer::singleShot(50, &dlg, [&] {
            const auto blocked = [&watcher](QWidget* w) {
                return !w || watcher.blocked.contains(w) || watcher.blocked.contains(w->windowHandle());
            };
            strangerBlocked = blocked(&stranger);
            tableBlocked = blocked(table);
            comparisonBlocked = blocked(comparison);
            sideBlocked = blocked(sideWindow);
            dlg.close();
        });
    });
    dlg.exec();
    qApp->removeEventFilter(&watcher);
    QVERIFY(strangerBlocked);  // the watcher sees blocking
    QVERIFY(!tableBlocked);
    QVERIFY(!comparisonBlocked);
    QVERIFY(!sideBlocked);
    QVERIFY(table.isNull());
    QTRY_VERIFY(comparison.isNull());
}

void TestReportCommands::unchangedShotComparesEqual() {
    Harness h;
    auto dlg = h.openMainDialog();
    reachBeyondTarget(dlg.get());
    retype(dlg->edit(kNameEdit), "Same shot");
    retype(dlg->edit(kCantAngleEdit), "2");  // a cant offsets both shots alike
    press(dlg.get(), kSetBaselineButton);
    QVERIFY(dlg->baseline());
    CShoot* window = shoot(dlg.get());
    QVERIFY(window);
    QCOMPARE(window->windowTitle(), QString("Shot Comparison Results"));
    QVERIFY(window->isVisible());
    QCOMPARE(shown(window, ComparisonIds::kRelativeDropEdit), QString("0.00"));
    QCOMPARE(shown(window, ComparisonIds::kRelativeDriftEdit), QString("0.00"));
    QCOMPARE(shown(window, ComparisonIds::kTargetRangeEdit), QString("50"));
    QCOMPARE(shown(window, ComparisonIds::kStatusLabel), QString());
    QCOMPARE(shown(window, ComparisonIds::kBaselineNameEdit), QString("Same shot"));
    QCOMPARE(shown(window, ComparisonIds::kCurrentNameEdit), QString("Same shot"));
    QTRY_COMPARE(QApplication::focusWidget(), window->control(ComparisonIds::kFocusHolder));
    QVERIFY(window->close());
}

void TestReportCommands::crosswindGivesItsDrift() {
    Harness h;
    auto dlg = h.openMainDialog();
    reachBeyondTarget(dlg.get());
    const QString baselineName = QString::fromStdString(dlg->shot().name);
    press(dlg.get(), kSetBaselineButton);
    retype(dlg->edit(kCrosswindEdit), "10");
    retype(dlg->edit(kNameEdit), "Windy");
    CShoot* window = shoot(dlg.get());
    QVERIFY(window);
    // The range table counts the windage from the same footing; without cant or target
    // movement its column is the shot's own drift.
    const RangeTableReport report(dlg->shot());
    const double drift = report.tableTrajectory().rows[50].windage * 12.0;
    QVERIFY(drift > 0.1);
    QCOMPARE(shown(window, ComparisonIds::kRelativeDriftEdit), QString::fromStdString(cFormat("%.2f", drift)));
    QCOMPARE(shown(window, ComparisonIds::kRelativeDropEdit), QString("0.00"));
    QCOMPARE(shown(window, ComparisonIds::kBaselineNameEdit), baselineName);
    QCOMPARE(shown(window, ComparisonIds::kCurrentNameEdit), QString("Windy"));
    window->close();
}

void TestReportCommands::targetRangeTruncatedAndRounded() {
    Harness h;
    auto dlg = h.openMainDialog();
    reachBeyondTarget(dlg.get());
    // The edit takes whole yards only; a fractional range can only be in the record. Without a
    // baseline the controls are not read, so the focus stays off the edits.
    auto* shootButton = dlg->controlAs<QPushButton>(kShootButton);
    shootButton->setFocus();
    dlg->shot().targetRange = 50.9;
    CShoot* none = shoot(dlg.get());
    QVERIFY(none);
    QCOMPARE(shown(none, ComparisonIds::kStatusLabel), QString("No baseline set"));
    QCOMPARE(shown(none, ComparisonIds::kTargetRangeEdit), QString("51"));
    QCOMPARE(shown(none, ComparisonIds::kRelativeDropEdit), QString());
    QCOMPARE(shown(none, ComparisonIds::kRelativeDriftEdit), QString());
    QCOMPARE(shown(none, ComparisonIds::kBaselineNameEdit), QString());
    QCOMPARE(shown(none, ComparisonIds::kCurrentNameEdit), QString::fromStdString(dlg->shot().name));
    // Written into the controls, 50.9 is cut back to whole yards, and Shoot reads it so.
    dlg->updateData(false);
    QCOMPARE(dlg->edit(kTargetRangeEdit)->text(), QString("50"));
    press(dlg.get(), kSetBaselineButton);
    CShoot* compared = shoot(dlg.get());
    QVERIFY(compared);
    QCOMPARE(shown(compared, ComparisonIds::kTargetRangeEdit), QString("50"));
    QCOMPARE(shown(compared, ComparisonIds::kStatusLabel), QString());
    none->close();
    compared->close();
}

void TestReportCommands::statusWhenTargetBeyondRange_data() {
    QTest::addColumn<QString>("baselineYards");
    QTest::addColumn<QString>("currentYards");
    QTest::addColumn<QString>("status");
    QTest::newRow("baseline short") << "60"
                                    << "80"
                                    << "Target beyond baseline range";
    QTest::newRow("shot short") << "80"
                                << "60"
                                << "Target beyond shot range";
    QTest::newRow("both short") << "60"
                                << "60"
                                << "Target beyond maximum range";
}

void TestReportCommands::statusWhenTargetBeyondRange() {
    QFETCH(QString, baselineYards);
    QFETCH(QString, currentYards);
    QFETCH(QString, status);
    Harness h;
    auto dlg = h.openMainDialog();
    retype(dlg->edit(kTargetRangeEdit), "100");
    retype(dlg->edit(kIncrementCountEdit), baselineYards);  // range increment 1: the table ends there
    press(dlg.get(), kSetBaselineButton);
    retype(dlg->edit(kIncrementCountEdit), currentYards);
    CShoot* window = shoot(dlg.get());
    QVERIFY(window);
    QCOMPARE(shown(window, ComparisonIds::kStatusLabel), status);
    QCOMPARE(shown(window, ComparisonIds::kTargetRangeEdit), QString("60"));
    QVERIFY(!shown(window, ComparisonIds::kRelativeDropEdit).isEmpty());
    window->close();
}

void TestReportCommands::shootTwiceKeepsSnapshots() {
    Harness h;
    auto dlg = h.openMainDialog();
    reachBeyondTarget(dlg.get());
    press(dlg.get(), kSetBaselineButton);
    CShoot* first = shoot(dlg.get());
    retype(dlg->edit(kCrosswindEdit), "5");
    CShoot* second = shoot(dlg.get());
    QVERIFY(first && second && first != second);
    QCOMPARE(comparisonWindows(h.context).size(), 2);
    QCOMPARE(shown(first, ComparisonIds::kRelativeDriftEdit), QString("0.00"));
    QVERIFY(shown(second, ComparisonIds::kRelativeDriftEdit) != QString("0.00"));
    QVERIFY(first->isVisible() && second->isVisible());
    QPointer<CShoot> gone = first;
    first->close();
    QTRY_VERIFY(gone.isNull());
    QCOMPARE(comparisonWindows(h.context), QList<CShoot*>{second});
    second->close();
}

void TestReportCommands::baselineWritesMuzzleAngleShootDoesNot() {
    Harness h;
    auto dlg = h.openMainDialog();
    reachBeyondTarget(dlg.get());
    retype(dlg->edit(kSightInRangeEdit), "100");
    press(dlg.get(), kSetBaselineButton);
    const double atBaseline = dlg->shot().muzzleAngle;
    QVERIFY(atBaseline > 1.0);
    QCOMPARE(dlg->edit(kMuzzleAngleEdit)->text(), QString::fromStdString(cShowDouble(atBaseline)));
    // A loaded shot or a new sight-in range leaves the baseline alone; Shoot leaves the angle.
    retype(dlg->edit(kSightInRangeEdit), "20");
    CShoot* window = shoot(dlg.get());
    QVERIFY(window);
    QCOMPARE(dlg->shot().sightInRange, 20.0);
    QCOMPARE(dlg->shot().muzzleAngle, atBaseline);
    QCOMPARE(dlg->edit(kMuzzleAngleEdit)->text(), QString::fromStdString(cShowDouble(atBaseline)));
    QVERIFY(shown(window, ComparisonIds::kRelativeDropEdit).toDouble() <
            -0.5);  // zeroed nearer, it strikes lower at 50 yd
    window->close();
}

void TestReportCommands::grabWindows() {
    Harness h;
    auto dlg = h.openMainDialog();
    retype(dlg->edit(kNameEdit), "Air rifle, 8.0 gr pellet");
    retype(dlg->edit(kCrosswindEdit), "5");
    press(dlg.get(), kRangeTableButton);
    TrajectoryWindow* table = newestTable(dlg.get());
    QVERIFY(table);
    table->resize(table->sizeHint());
    QVERIFY(table->grab().save(artefactPath("range-table-window.png")));
    press(dlg.get(), kSetBaselineButton);
    retype(dlg->edit(kNameEdit), "Air rifle, windy day");
    retype(dlg->edit(kCrosswindEdit), "10");
    retype(dlg->edit(kTargetRangeEdit), "100");
    retype(dlg->edit(kIncrementCountEdit), "80");
    CShoot* window = shoot(dlg.get());
    QVERIFY(window);
    QVERIFY(window->grab().save(artefactPath("shot-comparison.png")));
    delete table;
    window->close();
}

QTEST_MAIN(TestReportCommands)
#include "ReportCommandsTest.moc"
