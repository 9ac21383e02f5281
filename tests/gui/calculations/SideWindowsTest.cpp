// The side-calculation windows, opened through the main dialog's buttons and driven through
// their own edits and buttons: what they show, what they refuse, what they write back.

#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <cmath>
#include <limits>

#include "shot/CLocaleNumbers.h"
#include "shot/ShotSetup.h"
#include "tests/gui/GuiHarness.h"
#include "ui/calculations/CComputeBC.h"
#include "ui/calculations/CComputeOPBZ.h"
#include "ui/calculations/CEVWCalculations.h"
#include "ui/calculations/CMaximumRangeDlg.h"
#include "ui/common/ControlIds.h"

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

// The application showing `quantity` in `unit`, the others in their designed units.
void chooseUnit(Harness& h, Quantity quantity, Unit unit) {
    UnitChoice choice;
    QVERIFY(choice.set(quantity, unit));
    h.context.units.setChoice(choice);
}

ThemedDialog* openSideWindow(Harness& h, CVorlan2Dlg* dlg, int buttonId) {
    switch (buttonId) {
        case MainDialogIds::kComputeBcButton:
            return open<CComputeBC>(h, dlg, buttonId);
        case MainDialogIds::kOpbzButton:
            return open<CComputeOPBZ>(h, dlg, buttonId);
        default:
            return open<CEVWCalculations>(h, dlg, buttonId);
    }
}

// The exact definitions the conversions are checked against.
constexpr double kFoot = 0.3048;       // m
constexpr double kInch = 2.54;         // cm
constexpr double kGrain = 0.06479891;  // g

// A field of a side window typed in a unit of its quantity other than the designed one.
struct TypedInUnit {
    int button;
    int field;
    Quantity quantity;
    Unit unit;
    const char* typed;
    double ShotParameters::*member;
    double designed;   // what the shot holds after the window closes; kRefused: the window refuses it
    const char* said;  // the field's caption; for a figure refused, what its message says
};
constexpr double kRefused = std::numeric_limits<double>::quiet_NaN();

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
    void fieldsInOtherUnits();
    void unitsChangeReshowsOpenWindows();
};

void TestSideWindows::maximumRangeShowsSnapshot() {
    Harness h;
    auto dlg = h.openMainDialog();
    click(dlg.get(), MainDialogIds::kG7Radio);  // G7
    retype(dlg->edit(MainDialogIds::kNameEdit), "Test load");
    auto* first = open<CMaximumRangeDlg>(h, dlg.get(), MainDialogIds::kMaximumRangeButton);
    QVERIFY(first);
    QCOMPARE(first->windowTitle(), QString("Compute Maximum Range"));
    QCOMPARE(dlg->shot().dragFunction, 4);
    const MaximumRange r = shotMaxRangeSolver(dlg->shot()).computeMaximumRange();
    QVERIFY(r.found);
    const QList<std::pair<int, QString>> expected = {
        {MaximumRangeIds::kRangeEdit, fmt("%.0f", r.maximumRange)},
        {MaximumRangeIds::kElevationEdit, fmt("%.1f", r.firingElevation)},
        {MaximumRangeIds::kHeightEdit, fmt("%.0f", r.maximumHeight)},
        {MaximumRangeIds::kVelocityEdit, fmt("%.1f", r.terminalVelocity)},
        {MaximumRangeIds::kEnergyEdit, fmt("%.1f", r.terminalEnergy)},
        {MaximumRangeIds::kTimeEdit, fmt("%.1f", r.timeOfFlight)},
        {MaximumRangeIds::kVerticalHeightEdit, fmt("%.0f", r.verticalHeight)},
        {MaximumRangeIds::kVerticalTimeEdit, fmt("%.1f", r.verticalTime)},
    };
    for (const auto& [id, shown] : expected) {
        QCOMPARE(text(first, id), shown);
        QVERIFY(first->controlAs<QLineEdit>(id)->isReadOnly());
    }
    QCOMPARE(text(first, MaximumRangeIds::kNameEdit), QString("Test load"));
    QCOMPARE(first->controlAs<QLabel>(MaximumRangeIds::kDragLabel)->text(), QString("(G7 Drag Function)"));
    // The focus rests on the invisible edit, so no shown value is selected.
    QCOMPARE(first->focusWidget(), first->control(MaximumRangeIds::kFocusSink));
    save(first, "side-maximum-range.png");

    // A second window shows the changed shot; the first keeps its snapshot.
    retype(dlg->edit(MainDialogIds::kVelocityEdit), "2900");
    auto* second = open<CMaximumRangeDlg>(h, dlg.get(), MainDialogIds::kMaximumRangeButton);
    QVERIFY(second && second != first);
    QCOMPARE(text(first, MaximumRangeIds::kRangeEdit), expected[0].second);
    QVERIFY(text(second, MaximumRangeIds::kRangeEdit) != expected[0].second);
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
    retype(dlg->edit(MainDialogIds::kVelocityEdit), "40");  // below the 50 ft/s at which every trajectory ends
    auto* window = open<CMaximumRangeDlg>(h, dlg.get(), MainDialogIds::kMaximumRangeButton);
    QVERIFY(window);
    for (int id = MaximumRangeIds::kRangeEdit; id <= MaximumRangeIds::kTimeEdit; ++id)
        QCOMPARE(text(window, id), QString());
    const MaximumRange r = shotMaxRangeSolver(dlg->shot()).computeMaximumRange();
    QCOMPARE(text(window, MaximumRangeIds::kVerticalHeightEdit), fmt("%.0f", r.verticalHeight));
    QCOMPARE(text(window, MaximumRangeIds::kVerticalTimeEdit), fmt("%.1f", r.verticalTime));
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
    auto* window = open<CComputeBC>(h, dlg.get(), MainDialogIds::kComputeBcButton);
    QVERIFY(window);
    QCOMPARE(window->windowTitle(), QString("Compute Ballistic Coefficient"));
    QCOMPARE(text(window, ComputeBcIds::kNearSpeedEdit), QString("800"));
    QCOMPARE(text(window, ComputeBcIds::kFarSpeedEdit), QString("700"));
    QCOMPARE(text(window, ComputeBcIds::kDistanceEdit), QString("300"));
    QCOMPARE(text(window, ComputeBcIds::kNewBcEdit), QString());
    QCOMPARE(window->controlAs<QLabel>(ComputeBcIds::kNewBcLabel)->text(), QString("New BC"));

    click(window, ComputeBcIds::kComputeButton);
    const ChronographBc g1 = shotChronographBcSolver(dlg->shot()).solve();
    QVERIFY(g1.usable());
    QCOMPARE(text(window, ComputeBcIds::kNewBcEdit), fmt("%6.4f", g1.ballisticCoefficient));
    QCOMPARE(window->controlAs<QLabel>(ComputeBcIds::kNewBcLabel)->text(), QString("New BC  (G1)"));
    save(window, "side-compute-bc.png");

    // Another drag function in the main dialog: the same window follows it.
    click(dlg.get(), MainDialogIds::kG7Radio);
    click(window, ComputeBcIds::kComputeButton);
    const ChronographBc g7 = shotChronographBcSolver(dlg->shot()).solve();
    QCOMPARE(window->controlAs<QLabel>(ComputeBcIds::kNewBcLabel)->text(), QString("New BC  (G7)"));
    QCOMPARE(text(window, ComputeBcIds::kNewBcEdit), fmt("%6.4f", g7.ballisticCoefficient));
    QVERIFY(text(window, ComputeBcIds::kNewBcEdit) != fmt("%6.4f", g1.ballisticCoefficient));

    // Set New BC: the main dialog takes the shown value and shows it at once.
    click(window, ComputeBcIds::kSetNewBcButton);
    const double shown = text(window, ComputeBcIds::kNewBcEdit).toDouble();
    QCOMPARE(dlg->shot().ballisticCoefficient, shown);
    QCOMPARE(dlg->edit(MainDialogIds::kBallisticCoefficientEdit)->text(), fmt("%g", shown));
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
    auto* window = open<CComputeBC>(h, dlg.get(), MainDialogIds::kComputeBcButton);
    click(window, ComputeBcIds::kComputeButton);  // a usable result first
    QVERIFY(!text(window, ComputeBcIds::kNewBcEdit).isEmpty());
    typeInto(window, ComputeBcIds::kNearSpeedEdit, nearSpeed);
    typeInto(window, ComputeBcIds::kFarSpeedEdit, farSpeed);
    click(window, ComputeBcIds::kComputeButton);
    QCOMPARE(text(window, ComputeBcIds::kNewBcEdit), QString());
    QVERIFY(h.messages.isEmpty());
    // Nothing to set: the main dialog keeps its coefficient; the window goes on working.
    const double before = dlg->shot().ballisticCoefficient;
    click(window, ComputeBcIds::kSetNewBcButton);
    QCOMPARE(dlg->shot().ballisticCoefficient, before);
    QVERIFY(window->isVisible());
    typeInto(window, ComputeBcIds::kNearSpeedEdit, "800");
    typeInto(window, ComputeBcIds::kFarSpeedEdit, "700");
    click(window, ComputeBcIds::kComputeButton);
    QVERIFY(!text(window, ComputeBcIds::kNewBcEdit).isEmpty());
}

void TestSideWindows::computeBcKeystrokesAndEnter() {
    Harness h;
    auto dlg = h.openMainDialog();
    auto* window = open<CComputeBC>(h, dlg.get(), MainDialogIds::kComputeBcButton);
    typeInto(window, ComputeBcIds::kNearSpeedEdit, "-");
    QCOMPARE(text(window, ComputeBcIds::kNearSpeedEdit), QString());
    typeInto(window, ComputeBcIds::kNearSpeedEdit, "812.34");
    QCOMPARE(text(window, ComputeBcIds::kNearSpeedEdit), QString("812.3"));
    typeInto(window, ComputeBcIds::kDistanceEdit, "30.5");  // the point is refused, the digit after it is not
    QCOMPARE(text(window, ComputeBcIds::kDistanceEdit), QString("305"));
    typeInto(window, ComputeBcIds::kDistanceEdit, "-");
    QCOMPARE(text(window, ComputeBcIds::kDistanceEdit), QString());
    // Enter neither closes nor computes.
    typeInto(window, ComputeBcIds::kDistanceEdit, "300");
    pressEnter(window, ComputeBcIds::kDistanceEdit);
    QTest::keyClick(window, Qt::Key_Enter);
    QVERIFY(window->isVisible());
    QCOMPARE(text(window, ComputeBcIds::kNewBcEdit), QString());
    // Set New BC before any result leaves the main dialog alone.
    const double before = dlg->shot().ballisticCoefficient;
    click(window, ComputeBcIds::kSetNewBcButton);
    QCOMPARE(dlg->shot().ballisticCoefficient, before);
}

void TestSideWindows::computeBcCloseWritesReadings() {
    Harness h;
    auto dlg = h.openMainDialog();
    auto* window = open<CComputeBC>(h, dlg.get(), MainDialogIds::kComputeBcButton);
    typeInto(window, ComputeBcIds::kDistanceEdit, "0");
    QVERIFY(!window->close());
    QCOMPARE(h.messages, QStringList{"Please enter a number between 1 and 5000."});
    QVERIFY(window->isVisible());
    QVERIFY(h.context.openDialogs.contains(window));
    QCOMPARE(dlg->shot().chronoDistance, 300.0);

    typeInto(window, ComputeBcIds::kDistanceEdit, "150");
    typeInto(window, ComputeBcIds::kFarSpeedEdit, "0");  // a far reading of 0 is accepted
    typeInto(window, ComputeBcIds::kNearSpeedEdit, "2500.5");
    QPointer<CComputeBC> closing = window;
    QVERIFY(window->close());
    QTRY_VERIFY(closing.isNull());
    QVERIFY(!h.context.openDialogs.contains(closing.data()));
    QCOMPARE(dlg->shot().chronoDistance, 150.0);
    QCOMPARE(dlg->shot().farChronoSpeed, 0.0);
    QCOMPARE(dlg->shot().nearChronoSpeed, 2500.5);
    auto* next = open<CComputeBC>(h, dlg.get(), MainDialogIds::kComputeBcButton);
    QCOMPARE(text(next, ComputeBcIds::kDistanceEdit), QString("150"));
}

void TestSideWindows::opbzComputeAndChecks() {
    Harness h;
    auto dlg = h.openMainDialog();
    retype(dlg->edit(MainDialogIds::kNameEdit), "Varmint");
    auto* window = open<CComputeOPBZ>(h, dlg.get(), MainDialogIds::kOpbzButton);
    QVERIFY(window);
    QCOMPARE(window->windowTitle(), QString("Compute Optimum Point Blank Zero (OPBZ)"));
    QCOMPARE(text(window, OpbzIds::kDiameterEdit), QString("1"));
    QCOMPARE(text(window, OpbzIds::kNameEdit), QString("Varmint"));
    for (int id : {OpbzIds::kZeroEdit, OpbzIds::kMinimumEdit, OpbzIds::kMaximumEdit})
        QCOMPARE(text(window, id), QString());

    typeInto(window, OpbzIds::kDiameterEdit, "2.12345");
    QCOMPARE(text(window, OpbzIds::kDiameterEdit), QString("2.123"));
    typeInto(window, OpbzIds::kDiameterEdit, "6");
    pressEnter(window, OpbzIds::kDiameterEdit);  // consumed: no search, no close
    QVERIFY(window->isVisible());
    QCOMPARE(text(window, OpbzIds::kZeroEdit), QString());

    click(window, OpbzIds::kComputeButton);
    PointBlankZeroSolver solver = shotPointBlankZeroSolver(dlg->shot());
    solver.targetDiameter = 6.0;
    const PointBlankZero r = solver.solve();
    QVERIFY(r.found);
    QCOMPARE(text(window, OpbzIds::kZeroEdit), fmt("%.0f", r.optimumZero));
    QCOMPARE(text(window, OpbzIds::kMinimumEdit), QString::number(r.minimumRange));
    QCOMPARE(text(window, OpbzIds::kMaximumEdit), QString::number(r.maximumRange));
    QVERIFY(r.minimumRange <= r.optimumZero && r.optimumZero <= r.maximumRange);
    save(window, "side-opbz.png");
}

void TestSideWindows::opbzCloseWritesDiameter() {
    Harness h;
    auto dlg = h.openMainDialog();
    auto* window = open<CComputeOPBZ>(h, dlg.get(), MainDialogIds::kOpbzButton);
    typeInto(window, OpbzIds::kDiameterEdit, "0");
    QVERIFY(!window->close());
    QVERIFY(window->isVisible());
    typeInto(window, OpbzIds::kDiameterEdit, "8.5");
    // Escape ends the window the same way, checks and write-back included.
    QPointer<CComputeOPBZ> closing = window;
    QTest::keyClick(window->controlAs<QLineEdit>(OpbzIds::kDiameterEdit), Qt::Key_Escape);
    QTRY_VERIFY(closing.isNull());
    QCOMPARE(dlg->shot().targetDiameter, 8.5);
    auto* next = open<CComputeOPBZ>(h, dlg.get(), MainDialogIds::kOpbzButton);
    QCOMPARE(text(next, OpbzIds::kDiameterEdit), QString("8.5"));
}

void TestSideWindows::calculatorModes() {
    Harness h;
    auto dlg = h.openMainDialog();
    auto* window = open<CEVWCalculations>(h, dlg.get(), MainDialogIds::kCalculationsButton);
    QVERIFY(window);
    QCOMPARE(window->windowTitle(), QString("Energy, Velocity and Weight Calculations"));
    auto readOnly = [window](int id) { return window->controlAs<QLineEdit>(id)->isReadOnly(); };
    QVERIFY(window->controlAs<QRadioButton>(EvwIds::kEnergyModeRadio)->isChecked());
    QVERIFY(!readOnly(EvwIds::kVelocityEdit) && !readOnly(EvwIds::kWeightEdit) && readOnly(EvwIds::kEnergyEdit));
    QVERIFY(readOnly(EvwIds::kPowerFactorEdit) && readOnly(EvwIds::kRecoilEnergyEdit) &&
            !readOnly(EvwIds::kGunWeightEdit) && !readOnly(EvwIds::kPowderWeightEdit));

    typeInto(window, EvwIds::kVelocityEdit, "1000");
    typeInto(window, EvwIds::kWeightEdit, "150");
    click(window, EvwIds::kCalculateButton);
    QCOMPARE(window->calculator().energy, 333.0);
    QCOMPARE(text(window, EvwIds::kEnergyEdit), QString("333"));
    QCOMPARE(text(window, EvwIds::kPowerFactorEdit), QString("150"));
    save(window, "side-calculations.png");

    click(window, EvwIds::kVelocityModeRadio);  // velocity from weight and energy
    QCOMPARE(window->calculator().mode, 1);
    QVERIFY(readOnly(EvwIds::kVelocityEdit) && !readOnly(EvwIds::kWeightEdit) && !readOnly(EvwIds::kEnergyEdit));
    typeInto(window, EvwIds::kEnergyEdit, "333.0");
    click(window, EvwIds::kCalculateButton);
    QCOMPARE(text(window, EvwIds::kVelocityEdit), QString("1000"));

    click(window, EvwIds::kWeightModeRadio);  // weight from velocity and energy
    QVERIFY(!readOnly(EvwIds::kVelocityEdit) && readOnly(EvwIds::kWeightEdit) && !readOnly(EvwIds::kEnergyEdit));
    typeInto(window, EvwIds::kVelocityEdit, "2000");
    click(window, EvwIds::kCalculateButton);
    QCOMPARE(text(window, EvwIds::kWeightEdit), QString("37.5"));     // 333 * 450436.7 / 2000^2 = 37.4976
    QCOMPARE(text(window, EvwIds::kPowerFactorEdit), QString("75"));  // 37.5 * 2000 / 1000

    click(window, EvwIds::kEnergyModeRadio);
    QVERIFY(!readOnly(EvwIds::kVelocityEdit) && !readOnly(EvwIds::kWeightEdit) && readOnly(EvwIds::kEnergyEdit));
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
    auto* window = open<CEVWCalculations>(h, dlg.get(), MainDialogIds::kCalculationsButton);
    typeInto(window, EvwIds::kWeightEdit, weight);
    typeInto(window, EvwIds::kVelocityEdit, velocity);
    typeInto(window, EvwIds::kPowderWeightEdit, powder);
    typeInto(window, EvwIds::kGunWeightEdit, gun);
    // Clicking the button takes the edit that had the focus, as leaving it does.
    click(window, EvwIds::kCalculateRecoilButton);
    QCOMPARE(text(window, EvwIds::kRecoilEnergyEdit), recoil);
}

void TestSideWindows::calculatorChecksAndWriteBack() {
    Harness h;
    auto dlg = h.openMainDialog();
    auto* window = open<CEVWCalculations>(h, dlg.get(), MainDialogIds::kCalculationsButton);
    typeInto(window, EvwIds::kWeightEdit, "150.123");
    QCOMPARE(text(window, EvwIds::kWeightEdit), QString("150.12"));
    typeInto(window, EvwIds::kVelocityEdit, "-");
    QCOMPARE(text(window, EvwIds::kVelocityEdit), QString());
    typeInto(window, EvwIds::kVelocityEdit, "1000.55");
    QCOMPARE(text(window, EvwIds::kVelocityEdit), QString("1000.5"));

    typeInto(window, EvwIds::kGunWeightEdit, "0.5");
    QVERIFY(!window->close());
    typeInto(window, EvwIds::kGunWeightEdit, "1000.5");
    QVERIFY(!window->close());
    typeInto(window, EvwIds::kGunWeightEdit, "40");
    typeInto(window, EvwIds::kPowderWeightEdit, "200.5");
    QVERIFY(!window->close());
    QCOMPARE(h.messages,
             (QStringList{"Please enter a number between 1 and 1000.", "Please enter a number between 1 and 1000.",
                          "Please enter a number between 0 and 200."}));
    QVERIFY(window->isVisible());
    QCOMPARE(dlg->shot().calcWeight, 0.0);  // nothing reaches the shot before a close

    typeInto(window, EvwIds::kPowderWeightEdit, "0");
    click(window, EvwIds::kWeightModeRadio);
    QPointer<CEVWCalculations> closing = window;
    QVERIFY(window->close());
    QTRY_VERIFY(closing.isNull());
    QCOMPARE(dlg->shot().calcWeight, 150.12);
    QCOMPARE(dlg->shot().calcVelocity, 1000.5);
    QCOMPARE(dlg->shot().calcPowderWeight, 0.0);
    QCOMPARE(dlg->shot().calcMode, 2);

    // Reopened, it shows the last values and mode; Enter closes it and keeps what it holds.
    auto* again = open<CEVWCalculations>(h, dlg.get(), MainDialogIds::kCalculationsButton);
    QCOMPARE(text(again, EvwIds::kWeightEdit), QString("150.12"));
    QVERIFY(again->controlAs<QRadioButton>(EvwIds::kWeightModeRadio)->isChecked());
    QVERIFY(again->controlAs<QLineEdit>(EvwIds::kWeightEdit)->isReadOnly());
    typeInto(again, EvwIds::kGunWeightEdit, "64");
    closing = again;
    pressEnter(again, EvwIds::kGunWeightEdit);
    QTRY_VERIFY(closing.isNull());
    QCOMPARE(dlg->shot().calcGunWeight, 64.0);
}

void TestSideWindows::calculatorWithoutDefinedResult() {
    Harness h;
    auto dlg = h.openMainDialog();
    auto* window = open<CEVWCalculations>(h, dlg.get(), MainDialogIds::kCalculationsButton);
    click(window, EvwIds::kVelocityModeRadio);
    typeInto(window, EvwIds::kWeightEdit, "0");
    typeInto(window, EvwIds::kEnergyEdit, "500");
    click(window, EvwIds::kCalculateButton);  // velocity from a weight of 0
    QCOMPARE(text(window, EvwIds::kVelocityEdit), QString("0"));
    typeInto(window, EvwIds::kGunWeightEdit, "1");
    click(window, EvwIds::kCalculateRecoilButton);
    QVERIFY(window->isVisible());
    QVERIFY(h.messages.isEmpty());
}

void TestSideWindows::windowsOutliveNothing() {
    Harness h;
    auto dlg = h.openMainDialog();
    QPointer<CComputeBC> first = open<CComputeBC>(h, dlg.get(), MainDialogIds::kComputeBcButton);
    QPointer<CComputeBC> second = open<CComputeBC>(h, dlg.get(), MainDialogIds::kComputeBcButton);
    QPointer<CComputeOPBZ> stubborn = open<CComputeOPBZ>(h, dlg.get(), MainDialogIds::kOpbzButton);
    QVERIFY(first && second && first != second);
    typeInto(stubborn, OpbzIds::kDiameterEdit, "0");  // refuses to close
    QVERIFY(dlg->close());
    QTRY_VERIFY(first.isNull() && second.isNull());
    QVERIFY(stubborn);
    // Once the main dialog is gone, the window it left behind goes too.
    dlg.reset();
    QTRY_VERIFY(stubborn.isNull());
    QCOMPARE(h.context.openDialogs.size(), 0);
}

// Each field reaches the shot converted by the exact definitions; the ends of its bounds,
// converted and rounded inwards, are accepted (1 ft/s is 0.3048 m/s: the lowest accepted is
// 0.4), a figure just beyond one refused.
void TestSideWindows::fieldsInOtherUnits() {
    using S = ShotParameters;
    using namespace MainDialogIds;
    const TypedInUnit cases[] = {
        {kComputeBcButton, ComputeBcIds::kNearSpeedEdit, Quantity::Velocity, Unit::MetrePerSecond, "800",
         &S::nearChronoSpeed, 800 / kFoot, "Near Velocity (m/s)"},
        {kComputeBcButton, ComputeBcIds::kNearSpeedEdit, Quantity::Velocity, Unit::MetrePerSecond, "1524",
         &S::nearChronoSpeed, 5000, "Near Velocity (m/s)"},
        {kComputeBcButton, ComputeBcIds::kNearSpeedEdit, Quantity::Velocity, Unit::MetrePerSecond, "0.4",
         &S::nearChronoSpeed, 0.4 / kFoot, "Near Velocity (m/s)"},
        {kComputeBcButton, ComputeBcIds::kDistanceEdit, Quantity::Altitude, Unit::Metre, "30", &S::chronoDistance,
         30 / kFoot, "Distance (m)"},
        {kOpbzButton, OpbzIds::kDiameterEdit, Quantity::Length, Unit::Centimetre, "20", &S::targetDiameter, 20 / kInch,
         "Target Diameter (cm)"},
        {kOpbzButton, OpbzIds::kDiameterEdit, Quantity::Length, Unit::Millimetre, "2540", &S::targetDiameter, 100,
         "Target Diameter (mm)"},
        {kCalculationsButton, EvwIds::kWeightEdit, Quantity::Weight, Unit::Gram, "10.9", &S::calcWeight, 10.9 / kGrain,
         "Weight (g)"},
        {kCalculationsButton, EvwIds::kPowderWeightEdit, Quantity::Weight, Unit::Gram, "2.5", &S::calcPowderWeight,
         2.5 / kGrain, "Powder Weight (g)"},
        {kCalculationsButton, EvwIds::kVelocityEdit, Quantity::Velocity, Unit::MetrePerSecond, "800", &S::calcVelocity,
         800 / kFoot, "Velocity (m/s)"},
        // A kilogram is 1000 / 28.349523125 ounces.
        {kCalculationsButton, EvwIds::kGunWeightEdit, Quantity::GunWeight, Unit::Kilogram, "4.5", &S::calcGunWeight,
         4500 / 28.349523125, "Gun Weight (kg)"},
        {kCalculationsButton, EvwIds::kGunWeightEdit, Quantity::GunWeight, Unit::Kilogram, "28.4", &S::calcGunWeight,
         kRefused, "between 0.1 and 28.3 kg"},
        // Just beyond an end: refused, the message naming the ends in the unit shown.
        {kComputeBcButton, ComputeBcIds::kNearSpeedEdit, Quantity::Velocity, Unit::MetrePerSecond, "1524.1",
         &S::nearChronoSpeed, kRefused, "between 0.4 and 1524 m/s"},
        {kComputeBcButton, ComputeBcIds::kNearSpeedEdit, Quantity::Velocity, Unit::MetrePerSecond, "0.3",
         &S::nearChronoSpeed, kRefused, "between 0.4 and 1524 m/s"},
        {kComputeBcButton, ComputeBcIds::kDistanceEdit, Quantity::Altitude, Unit::Metre, "1525", &S::chronoDistance,
         kRefused, "between 1 and 1524 m"},  // 5000 ft is 1524 m
        {kOpbzButton, OpbzIds::kDiameterEdit, Quantity::Length, Unit::Millimetre, "2540.001", &S::targetDiameter,
         kRefused, "between 0.254 and 2540 mm"},
    };
    for (const TypedInUnit& c : cases) {
        Harness h;
        auto dlg = h.openMainDialog();
        chooseUnit(h, c.quantity, c.unit);
        ThemedDialog* window = openSideWindow(h, dlg.get(), c.button);
        QVERIFY(window);
        typeInto(window, c.field, c.typed);
        if (std::isnan(c.designed)) {
            QVERIFY2(!window->close(), c.typed);
            QVERIFY2(!h.messages.isEmpty() && h.messages.last().contains(c.said), qPrintable(h.messages.join('|')));
            continue;
        }
        bool captioned = false;
        for (const QLabel* label : window->findChildren<QLabel*>()) captioned = captioned || label->text() == c.said;
        QVERIFY2(captioned, c.said);
        QVERIFY2(window->close(), c.typed);
        const double held = dlg->shot().*c.member;
        QVERIFY2(std::fabs(held - c.designed) <= 1e-9 * c.designed,
                 qPrintable(QString("%1: %2").arg(c.typed).arg(held)));
        QVERIFY(h.messages.isEmpty());
    }
}

// A change of the units shows an open window's fields, captions and results in the new ones.
void TestSideWindows::unitsChangeReshowsOpenWindows() {
    Harness h;
    auto dlg = h.openMainDialog();
    auto* opbz = open<CComputeOPBZ>(h, dlg.get(), MainDialogIds::kOpbzButton);
    typeInto(opbz, OpbzIds::kDiameterEdit, "8");
    click(opbz, OpbzIds::kComputeButton);
    auto* maximum = open<CMaximumRangeDlg>(h, dlg.get(), MainDialogIds::kMaximumRangeButton);
    QVERIFY(opbz && maximum);
    const MaximumRange r = shotMaxRangeSolver(dlg->shot()).computeMaximumRange();
    PointBlankZeroSolver solver = shotPointBlankZeroSolver(dlg->shot());
    solver.targetDiameter = 8.0;
    const PointBlankZero zero = solver.solve();

    h.context.units.setChoice(UnitChoice::preset(UnitSystem::Metric));
    QCOMPARE(text(opbz, OpbzIds::kDiameterEdit), QString("20.32"));  // 8 x 2.54
    QCOMPARE(text(opbz, OpbzIds::kZeroEdit), fmt("%.0f", zero.optimumZero * 0.9144));
    QCOMPARE(text(opbz, OpbzIds::kMaximumEdit), fmt("%.0f", zero.maximumRange * 0.9144));
    QCOMPARE(text(maximum, MaximumRangeIds::kRangeEdit), fmt("%.0f", r.maximumRange * 0.9144));
    QCOMPARE(text(maximum, MaximumRangeIds::kVelocityEdit), fmt("%.1f", r.terminalVelocity * kFoot));
    QCOMPARE(text(maximum, MaximumRangeIds::kEnergyEdit), fmt("%.1f", r.terminalEnergy * 1.3558179483314004));
    QCOMPARE(text(maximum, MaximumRangeIds::kVerticalHeightEdit), fmt("%.0f", r.verticalHeight * kFoot));
    QStringList captions;
    for (const QLabel* label : maximum->findChildren<QLabel*>()) captions << label->text();
    for (const char* caption : {"Terminal Range (m)", "Terminal Energy (J)", "Terminal Velocity (m/s)"})
        QVERIFY2(captions.contains(caption), caption);
    save(maximum, "side-maximum-range-metric.png");

    // Back to the designed units: the diameter as typed, the captions as designed.
    h.context.units.setChoice(UnitChoice());
    QCOMPARE(text(opbz, OpbzIds::kDiameterEdit), QString("8"));
    QCOMPARE(text(opbz, OpbzIds::kMaximumEdit), QString::number(zero.maximumRange));
    captions.clear();
    for (const QLabel* label : maximum->findChildren<QLabel*>()) captions << label->text();
    QVERIFY(captions.contains("Terminal Range (yards)"));
    QVERIFY(h.messages.isEmpty());
}

QTEST_MAIN(TestSideWindows)
#include "SideWindowsTest.moc"
