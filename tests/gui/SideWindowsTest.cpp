// The side-calculation windows, opened through the main dialog's buttons and driven through
// their own edits and buttons: what they show, what they refuse, what they write back.

#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "shot/CLocaleNumbers.h"
#include "shot/ShotSetup.h"
#include "tests/gui/GuiHarness.h"
#include "ui/CComputeBC.h"
#include "ui/CComputeOPBZ.h"
#include "ui/CEVWCalculations.h"
#include "ui/CMaximumRangeDlg.h"

using namespace vorlan;
using namespace vorlan::testing;

namespace {

void click(ThemedDialog* dialog, int controlId) {
    auto* button = dialog->controlAs<QAbstractButton>(controlId);
    QVERIFY2(button, qPrintable(QString::number(controlId)));
    QTest::mouseClick(button, Qt::LeftButton);
}

// The newest open window of type W.
template <class W>
W* newest(Harness& h) {
    W* found = nullptr;
    for (QWidget* w : h.context.openDialogs.oldestToNewest())
        if (auto* window = qobject_cast<W*>(w)) found = window;
    return found;
}

// Presses a main-dialog button and returns the window it opened, active on screen.
template <class W>
W* open(Harness& h, CVorlan2Dlg* dlg, int buttonId) {
    W* before = newest<W>(h);
    click(dlg, buttonId);
    W* window = newest<W>(h);
    if (!window || window == before) return nullptr;
    QApplication::setActiveWindow(window);
    [[maybe_unused]] const bool active = QTest::qWaitForWindowActive(window);
    return window;
}

QString text(ThemedDialog* window, int controlId) { return window->controlAs<QLineEdit>(controlId)->text(); }
QString fmt(const char* format, double value) { return QString::fromStdString(cFormat(format, value)); }

void typeInto(ThemedDialog* window, int controlId, const QString& typed) {
    retype(window->controlAs<QLineEdit>(controlId), typed);
}

void pressEnter(ThemedDialog* window, int controlId) {
    QTest::keyClick(window->controlAs<QLineEdit>(controlId), Qt::Key_Return);
}

void save(QWidget* window, const QString& name) { QVERIFY(window->grab().save(artefactPath(name))); }

}  // namespace

class TestSideWindows : public QObject {
    Q_OBJECT
private slots:
    void maximumRangeShowsSnapshot();
    void maximumRangeWithoutTrajectory();
    void dragNameLabels();
    void computeBcResults();
    void computeBcUnusableReadings_data();
    void computeBcUnusableReadings();
    void computeBcKeystrokesAndEnter();
    void computeBcCloseWritesReadings();
    void opbzComputeAndChecks();
    void opbzCloseWritesDiameter();
    void calculatorModes();
    void calculatorRecoil_data();
    void calculatorRecoil();
    void calculatorChecksAndWriteBack();
    void calculatorWithoutDefinedResult();
    void windowsOutliveNothing();
};

void TestSideWindows::maximumRangeShowsSnapshot() {
    Harness h;
    auto dlg = h.openMainDialog();
    click(dlg.get(), 1021);  // G7
    retype(dlg->edit(1000), "Test load");
    auto* first = open<CMaximumRangeDlg>(h, dlg.get(), 1035);
    QVERIFY(first);
    QCOMPARE(first->windowTitle(), QString("Compute Maximum Range"));
    QCOMPARE(dlg->shot().dragFunction, 4);
    const MaximumRange r = shotMaxRangeSolver(dlg->shot()).computeMaximumRange();
    QVERIFY(r.found);
    const QList<std::pair<int, QString>> expected = {
        {1006, fmt("%.0f", r.maximumRange)},   {1007, fmt("%.1f", r.firingElevation)},
        {1008, fmt("%.0f", r.maximumHeight)},  {1009, fmt("%.1f", r.terminalVelocity)},
        {1010, fmt("%.1f", r.terminalEnergy)}, {1011, fmt("%.1f", r.timeOfFlight)},
        {1012, fmt("%.0f", r.verticalHeight)}, {1013, fmt("%.1f", r.verticalTime)},
    };
    for (const auto& [id, shown] : expected) {
        QCOMPARE(text(first, id), shown);
        QVERIFY(first->controlAs<QLineEdit>(id)->isReadOnly());
    }
    QCOMPARE(text(first, 1042), QString("Test load"));
    QCOMPARE(first->controlAs<QLabel>(1078)->text(), QString("(G7 Drag Function)"));
    // The focus rests on the invisible edit, so no shown value is selected.
    QCOMPARE(first->focusWidget(), first->control(1027));
    save(first, "side-maximum-range.png");

    // A second window shows the changed shot; the first keeps its snapshot.
    retype(dlg->edit(1002), "2900");
    auto* second = open<CMaximumRangeDlg>(h, dlg.get(), 1035);
    QVERIFY(second && second != first);
    QCOMPARE(text(first, 1006), expected[0].second);
    QVERIFY(text(second, 1006) != expected[0].second);
    QCOMPARE(h.context.openDialogs.size(), 3);
    // Enter ends the window properly: out of the list and deleted.
    QPointer<CMaximumRangeDlg> gone = first;
    QTest::keyClick(first, Qt::Key_Return);
    QTRY_VERIFY(gone.isNull());
    QCOMPARE(h.context.openDialogs.size(), 2);
    QVERIFY(h.messages.isEmpty());
}

void TestSideWindows::maximumRangeWithoutTrajectory() {
    Harness h;
    auto dlg = h.openMainDialog();
    retype(dlg->edit(1002), "40");  // below the 50 ft/s at which every trajectory ends
    auto* window = open<CMaximumRangeDlg>(h, dlg.get(), 1035);
    QVERIFY(window);
    for (int id = 1006; id <= 1011; ++id) QCOMPARE(text(window, id), QString());
    const MaximumRange r = shotMaxRangeSolver(dlg->shot()).computeMaximumRange();
    QCOMPARE(text(window, 1012), fmt("%.0f", r.verticalHeight));
    QCOMPARE(text(window, 1013), fmt("%.1f", r.verticalTime));
}

void TestSideWindows::dragNameLabels() {
    QCOMPARE(withDragName("(%s Drag Function)", 10), QString("(G1M Drag Function)"));
    QCOMPARE(withDragName("New BC  (%s)", 9), QString("New BC  (RA4)"));
    // The index an empty drag group reads back as flies G1 and is named so.
    QCOMPARE(withDragName("New BC  (%s)", -1), QString("New BC  (G1)"));
}

void TestSideWindows::computeBcResults() {
    Harness h;
    auto dlg = h.openMainDialog();
    auto* window = open<CComputeBC>(h, dlg.get(), 1034);
    QVERIFY(window);
    QCOMPARE(window->windowTitle(), QString("Compute Ballistic Coefficient"));
    QCOMPARE(text(window, 1000), QString("800"));
    QCOMPARE(text(window, 1001), QString("700"));
    QCOMPARE(text(window, 1002), QString("300"));
    QCOMPARE(text(window, 1003), QString());
    QCOMPARE(window->controlAs<QLabel>(1012)->text(), QString("New BC"));

    click(window, 1066);
    const ChronographBc g1 = shotChronographBcSolver(dlg->shot()).solve();
    QVERIFY(g1.usable());
    QCOMPARE(text(window, 1003), fmt("%6.4f", g1.ballisticCoefficient));
    QCOMPARE(window->controlAs<QLabel>(1012)->text(), QString("New BC  (G1)"));
    save(window, "side-compute-bc.png");

    // Another drag function in the main dialog: the same window follows it.
    click(dlg.get(), 1021);
    click(window, 1066);
    const ChronographBc g7 = shotChronographBcSolver(dlg->shot()).solve();
    QCOMPARE(window->controlAs<QLabel>(1012)->text(), QString("New BC  (G7)"));
    QCOMPARE(text(window, 1003), fmt("%6.4f", g7.ballisticCoefficient));
    QVERIFY(text(window, 1003) != fmt("%6.4f", g1.ballisticCoefficient));

    // Set New BC: the main dialog takes the shown value and shows it at once.
    click(window, 1035);
    const double shown = text(window, 1003).toDouble();
    QCOMPARE(dlg->shot().ballisticCoefficient, shown);
    QCOMPARE(dlg->edit(1004)->text(), fmt("%g", shown));
    QVERIFY(h.messages.isEmpty());
}

void TestSideWindows::computeBcUnusableReadings_data() {
    QTest::addColumn<QString>("nearSpeed");
    QTest::addColumn<QString>("farSpeed");
    QTest::newRow("equal") << "800"
                           << "800";
    QTest::newRow("far faster") << "700"
                                << "800";
    QTest::newRow("loss too small") << "800"
                                    << "799.9";
}

void TestSideWindows::computeBcUnusableReadings() {
    QFETCH(QString, nearSpeed);
    QFETCH(QString, farSpeed);
    Harness h;
    auto dlg = h.openMainDialog();
    auto* window = open<CComputeBC>(h, dlg.get(), 1034);
    click(window, 1066);  // a usable result first
    QVERIFY(!text(window, 1003).isEmpty());
    typeInto(window, 1000, nearSpeed);
    typeInto(window, 1001, farSpeed);
    click(window, 1066);
    QCOMPARE(text(window, 1003), QString());
    QVERIFY(h.messages.isEmpty());
    // Nothing to set: the main dialog keeps its coefficient; the window goes on working.
    const double before = dlg->shot().ballisticCoefficient;
    click(window, 1035);
    QCOMPARE(dlg->shot().ballisticCoefficient, before);
    QVERIFY(window->isVisible());
    typeInto(window, 1000, "800");
    typeInto(window, 1001, "700");
    click(window, 1066);
    QVERIFY(!text(window, 1003).isEmpty());
}

void TestSideWindows::computeBcKeystrokesAndEnter() {
    Harness h;
    auto dlg = h.openMainDialog();
    auto* window = open<CComputeBC>(h, dlg.get(), 1034);
    typeInto(window, 1000, "-");
    QCOMPARE(text(window, 1000), QString());
    typeInto(window, 1000, "812.34");
    QCOMPARE(text(window, 1000), QString("812.3"));
    typeInto(window, 1002, "30.5");  // the point is refused, the digit after it is not
    QCOMPARE(text(window, 1002), QString("305"));
    typeInto(window, 1002, "-");
    QCOMPARE(text(window, 1002), QString());
    // Enter neither closes nor computes.
    typeInto(window, 1002, "300");
    pressEnter(window, 1002);
    QTest::keyClick(window, Qt::Key_Enter);
    QVERIFY(window->isVisible());
    QCOMPARE(text(window, 1003), QString());
    // Set New BC before any result leaves the main dialog alone.
    const double before = dlg->shot().ballisticCoefficient;
    click(window, 1035);
    QCOMPARE(dlg->shot().ballisticCoefficient, before);
}

void TestSideWindows::computeBcCloseWritesReadings() {
    Harness h;
    auto dlg = h.openMainDialog();
    auto* window = open<CComputeBC>(h, dlg.get(), 1034);
    typeInto(window, 1002, "0");
    QVERIFY(!window->close());
    QCOMPARE(h.messages, QStringList{"Please enter a number between 1 and 5000."});
    QVERIFY(window->isVisible());
    QVERIFY(h.context.openDialogs.contains(window));
    QCOMPARE(dlg->shot().chronoDistance, 300.0);

    typeInto(window, 1002, "150");
    typeInto(window, 1001, "0");  // a far reading of 0 is accepted
    typeInto(window, 1000, "2500.5");
    QPointer<CComputeBC> closing = window;
    QVERIFY(window->close());
    QTRY_VERIFY(closing.isNull());
    QVERIFY(!h.context.openDialogs.contains(closing.data()));
    QCOMPARE(dlg->shot().chronoDistance, 150.0);
    QCOMPARE(dlg->shot().farChronoSpeed, 0.0);
    QCOMPARE(dlg->shot().nearChronoSpeed, 2500.5);
    auto* next = open<CComputeBC>(h, dlg.get(), 1034);
    QCOMPARE(text(next, 1002), QString("150"));
}

void TestSideWindows::opbzComputeAndChecks() {
    Harness h;
    auto dlg = h.openMainDialog();
    retype(dlg->edit(1000), "Varmint");
    auto* window = open<CComputeOPBZ>(h, dlg.get(), 1036);
    QVERIFY(window);
    QCOMPARE(window->windowTitle(), QString("Compute Optimum Point Blank Zero (OPBZ)"));
    QCOMPARE(text(window, 1013), QString("1"));
    QCOMPARE(text(window, 1043), QString("Varmint"));
    for (int id : {1067, 1010, 1009}) QCOMPARE(text(window, id), QString());

    typeInto(window, 1013, "2.12345");
    QCOMPARE(text(window, 1013), QString("2.123"));
    typeInto(window, 1013, "6");
    pressEnter(window, 1013);  // consumed: no search, no close
    QVERIFY(window->isVisible());
    QCOMPARE(text(window, 1067), QString());

    click(window, 1008);
    PointBlankZeroSolver solver = shotPointBlankZeroSolver(dlg->shot());
    solver.targetDiameter = 6.0;
    const PointBlankZero r = solver.solve();
    QVERIFY(r.found);
    QCOMPARE(text(window, 1067), fmt("%.0f", r.optimumZero));
    QCOMPARE(text(window, 1010), QString::number(r.minimumRange));
    QCOMPARE(text(window, 1009), QString::number(r.maximumRange));
    QVERIFY(r.minimumRange <= r.optimumZero && r.optimumZero <= r.maximumRange);
    save(window, "side-opbz.png");
}

void TestSideWindows::opbzCloseWritesDiameter() {
    Harness h;
    auto dlg = h.openMainDialog();
    auto* window = open<CComputeOPBZ>(h, dlg.get(), 1036);
    typeInto(window, 1013, "0");
    QVERIFY(!window->close());
    QVERIFY(window->isVisible());
    typeInto(window, 1013, "8.5");
    // Escape ends the window the same way, checks and write-back included.
    QPointer<CComputeOPBZ> closing = window;
    QTest::keyClick(window->controlAs<QLineEdit>(1013), Qt::Key_Escape);
    QTRY_VERIFY(closing.isNull());
    QCOMPARE(dlg->shot().targetDiameter, 8.5);
    auto* next = open<CComputeOPBZ>(h, dlg.get(), 1036);
    QCOMPARE(text(next, 1013), QString("8.5"));
}

void TestSideWindows::calculatorModes() {
    Harness h;
    auto dlg = h.openMainDialog();
    auto* window = open<CEVWCalculations>(h, dlg.get(), 1038);
    QVERIFY(window);
    QCOMPARE(window->windowTitle(), QString("Energy, Velocity and Weight Calculations"));
    auto readOnly = [window](int id) { return window->controlAs<QLineEdit>(id)->isReadOnly(); };
    QVERIFY(window->controlAs<QRadioButton>(1077)->isChecked());
    QVERIFY(!readOnly(1073) && !readOnly(1075) && readOnly(1076));
    QVERIFY(readOnly(1082) && readOnly(1080) && !readOnly(1074) && !readOnly(1081));

    typeInto(window, 1073, "1000");
    typeInto(window, 1075, "150");
    click(window, 1025);
    QCOMPARE(window->calculator().energy, 333.0);
    QCOMPARE(text(window, 1076), QString("333"));
    QCOMPARE(text(window, 1082), QString("150"));
    save(window, "side-calculations.png");

    click(window, 1078);  // velocity from weight and energy
    QCOMPARE(window->calculator().mode, 1);
    QVERIFY(readOnly(1073) && !readOnly(1075) && !readOnly(1076));
    typeInto(window, 1076, "333.0");
    click(window, 1025);
    QCOMPARE(text(window, 1073), QString("1000"));

    click(window, 1079);  // weight from velocity and energy
    QVERIFY(!readOnly(1073) && readOnly(1075) && !readOnly(1076));
    typeInto(window, 1073, "2000");
    click(window, 1025);
    QCOMPARE(text(window, 1075), QString("37.5"));  // 333 * 450436.7 / 2000^2 = 37.4976
    QCOMPARE(text(window, 1082), QString("75"));    // 37.5 * 2000 / 1000

    click(window, 1077);
    QVERIFY(!readOnly(1073) && !readOnly(1075) && readOnly(1076));
    QVERIFY(h.messages.isEmpty());
}

void TestSideWindows::calculatorRecoil_data() {
    QTest::addColumn<QString>("weight");
    QTest::addColumn<QString>("velocity");
    QTest::addColumn<QString>("powder");
    QTest::addColumn<QString>("gun");
    QTest::addColumn<QString>("recoil");
    QTest::newRow("handgun") << "150"
                             << "1000"
                             << "5"
                             << "40"
                             << "3.666";
    QTest::newRow("rifle") << "150"
                           << "2800"
                           << "42"
                           << "128"
                           << "13.707";
}

void TestSideWindows::calculatorRecoil() {
    QFETCH(QString, weight);
    QFETCH(QString, velocity);
    QFETCH(QString, powder);
    QFETCH(QString, gun);
    QFETCH(QString, recoil);
    Harness h;
    auto dlg = h.openMainDialog();
    auto* window = open<CEVWCalculations>(h, dlg.get(), 1038);
    typeInto(window, 1075, weight);
    typeInto(window, 1073, velocity);
    typeInto(window, 1081, powder);
    typeInto(window, 1074, gun);
    // Clicking the button takes the edit that had the focus, as leaving it does.
    click(window, 1027);
    QCOMPARE(text(window, 1080), recoil);
}

void TestSideWindows::calculatorChecksAndWriteBack() {
    Harness h;
    auto dlg = h.openMainDialog();
    auto* window = open<CEVWCalculations>(h, dlg.get(), 1038);
    typeInto(window, 1075, "150.123");
    QCOMPARE(text(window, 1075), QString("150.12"));
    typeInto(window, 1073, "-");
    QCOMPARE(text(window, 1073), QString());
    typeInto(window, 1073, "1000.55");
    QCOMPARE(text(window, 1073), QString("1000.5"));

    typeInto(window, 1074, "0.5");
    QVERIFY(!window->close());
    typeInto(window, 1074, "1000.5");
    QVERIFY(!window->close());
    typeInto(window, 1074, "40");
    typeInto(window, 1081, "200.5");
    QVERIFY(!window->close());
    QCOMPARE(h.messages,
             (QStringList{"Please enter a number between 1 and 1000.", "Please enter a number between 1 and 1000.",
                          "Please enter a number between 0 and 200."}));
    QVERIFY(window->isVisible());
    QCOMPARE(dlg->shot().calcWeight, 0.0);  // nothing reaches the shot before a close

    typeInto(window, 1081, "0");
    click(window, 1079);
    QPointer<CEVWCalculations> closing = window;
    QVERIFY(window->close());
    QTRY_VERIFY(closing.isNull());
    QCOMPARE(dlg->shot().calcWeight, 150.12);
    QCOMPARE(dlg->shot().calcVelocity, 1000.5);
    QCOMPARE(dlg->shot().calcPowderWeight, 0.0);
    QCOMPARE(dlg->shot().calcMode, 2);

    // Reopened, it shows the last values and mode; Enter closes it and keeps what it holds.
    auto* again = open<CEVWCalculations>(h, dlg.get(), 1038);
    QCOMPARE(text(again, 1075), QString("150.12"));
    QVERIFY(again->controlAs<QRadioButton>(1079)->isChecked());
    QVERIFY(again->controlAs<QLineEdit>(1075)->isReadOnly());
    typeInto(again, 1074, "64");
    closing = again;
    pressEnter(again, 1074);
    QTRY_VERIFY(closing.isNull());
    QCOMPARE(dlg->shot().calcGunWeight, 64.0);
}

void TestSideWindows::calculatorWithoutDefinedResult() {
    Harness h;
    auto dlg = h.openMainDialog();
    auto* window = open<CEVWCalculations>(h, dlg.get(), 1038);
    click(window, 1078);
    typeInto(window, 1075, "0");
    typeInto(window, 1076, "500");
    click(window, 1025);  // velocity from a weight of 0
    QCOMPARE(text(window, 1073), QString("0"));
    typeInto(window, 1074, "1");
    click(window, 1027);
    QVERIFY(window->isVisible());
    QVERIFY(h.messages.isEmpty());
}

void TestSideWindows::windowsOutliveNothing() {
    Harness h;
    auto dlg = h.openMainDialog();
    QPointer<CComputeBC> first = open<CComputeBC>(h, dlg.get(), 1034);
    QPointer<CComputeBC> second = open<CComputeBC>(h, dlg.get(), 1034);
    QPointer<CComputeOPBZ> stubborn = open<CComputeOPBZ>(h, dlg.get(), 1036);
    QVERIFY(first && second && first != second);
    typeInto(stubborn, 1013, "0");  // refuses to close
    QVERIFY(dlg->close());
    QTRY_VERIFY(first.isNull() && second.isNull());
    QVERIFY(stubborn);
    // Once the main dialog is gone, the window it left behind goes too.
    dlg.reset();
    QTRY_VERIFY(stubborn.isNull());
    QCOMPARE(h.context.openDialogs.size(), 0);
}

QTEST_MAIN(TestSideWindows)
#include "SideWindowsTest.moc"
