// The Advanced window through the main dialog: what it shows, what it refuses, what it hands
// back to the shot, and the extras file that keeps its inputs between runs.

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>

#include "reports/table/RangeTable.h"
#include "shot/ExtrasFile.h"
#include "shot/SettingsFile.h"
#include "shot/ShotFile.h"
#include "shot/ShotSetup.h"
#include "tests/gui/GuiHarness.h"
#include "ui/advanced/CAdvancedDlg.h"
#include "ui/common/ControlIds.h"

using namespace vorlan;
using namespace vorlan::testing;

namespace {

namespace W = AdvancedIds;
using MainDialogIds::kAdvancedButton;
using MainDialogIds::kRangeTableButton;

void click(QWidget* window, int controlId) {
    auto* button = qobject_cast<ThemedDialog*>(window)->controlAs<QAbstractButton>(controlId);
    QVERIFY2(button, qPrintable(QString::number(controlId)));
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
}

CAdvancedDlg* openAdvanced(CVorlan2Dlg* dlg) {
    click(dlg, kAdvancedButton);
    CAdvancedDlg* found = nullptr;
    for (QWidget* w : dlg->context().openDialogs.oldestToNewest())
        if (auto* window = qobject_cast<CAdvancedDlg*>(w)) found = window;
    if (found) {
        QApplication::setActiveWindow(found);
        [[maybe_unused]] const bool active = QTest::qWaitForWindowActive(found);
    }
    return found;
}

void type(CAdvancedDlg* window, int controlId, const QString& text) { retype(window->edit(controlId), text); }

double lastRowTime(const ShotParameters& shot) { return RangeTableReport(shot).printedRows().back().time; }

QString readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromLatin1(file.readAll()) : QStringLiteral("<missing>");
}

void writeText(const QString& path, const char* text) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(text);
}

}  // namespace

class TestAdvancedWindow : public QObject {
    Q_OBJECT
private slots:
    void opensFromButtonWithLiveResults();
    void refusedValues_data();
    void refusedValues();
    void windReachesRangeTable();
    void loadedShotShowsInOpenWindow();
    void customDragFromCsv();
    void extrasFileRoundTrip();
    void zonesJumpAndZeroConditions();
    void metricZonesBandsAndReadings();
};

void TestAdvancedWindow::opensFromButtonWithLiveResults() {
    Harness h;
    auto dlg = h.openMainDialog();
    retype(dlg->edit(MainDialogIds::kCaliberEdit), ".308");
    retype(dlg->edit(MainDialogIds::kVelocityEdit), "2600");
    retype(dlg->edit(MainDialogIds::kWeightEdit), "175");
    CAdvancedDlg* window = openAdvanced(dlg.get());
    QVERIFY(window);
    QCOMPARE(window->windowTitle(), QStringLiteral("Advanced"));
    QCOMPARE(window->edit(W::kWindDirection)->text(), QStringLiteral("90"));
    QVERIFY(window->edit(W::kStability)->text().isEmpty());
    QCOMPARE(window->edit(W::kAdjustedVelocity)->text(), QStringLiteral("2600.0"));

    // The stability follows the keystrokes, the diameter taken from the caliber.
    type(window, W::kTwist, "10");
    type(window, W::kLength, "1.24");
    ShotParameters expected = dlg->shot();
    expected.advanced.twistRate = 10;
    expected.advanced.bulletLength = 1.24;
    const double sg = shotStability(expected);
    QVERIFY(sg > 1.0);
    QCOMPARE(window->edit(W::kStability)->text(), QString::asprintf("%.2f", sg));
    type(window, W::kTwist, "");  // no twist, no spin: no stability
    QVERIFY(window->edit(W::kStability)->text().isEmpty());
    type(window, W::kTwist, "10");
    QVERIFY(window->controlAs<QLabel>(W::kAdvice)
                ->text()
                .startsWith(sg > 1.5   ? "Stable"
                            : sg > 1.3 ? "Fair"
                                       : "Marginal"));

    // 2 ft/s per degree, powder 20 degrees below the reference: 40 ft/s slower.
    type(window, W::kSensitivity, "2");
    type(window, W::kPowderTemperature, "39");
    QCOMPARE(window->edit(W::kAdjustedVelocity)->text(), QStringLiteral("2560.0"));
    type(window, W::kSensitivity, "");  // no sensitivity: the velocity as measured
    QCOMPARE(window->edit(W::kAdjustedVelocity)->text(), QStringLiteral("2600.0"));

    // The readings' units stand beside each row; their ends (1 and 5000 ft/s) are accepted.
    QStringList units;
    for (const QLabel* label : window->findChildren<QLabel*>()) units << label->text();
    QCOMPARE(units.count("f.p.s."), 2);
    QCOMPARE(units.count("deg. F"), 2);
    // The wind zones' headings stand over their columns of cells.
    const auto left = [window](const QWidget* w) { return w->mapTo(window, QPoint(0, 0)).x(); };
    for (const auto& [heading, cell] : {std::pair("To (yd.)", W::kZoneUntil), std::pair("m.p.h.", W::kZoneSpeed)}) {
        const QLabel* label = nullptr;
        for (const QLabel* l : window->findChildren<QLabel*>())
            if (l->text() == heading) label = l;
        QVERIFY2(label, heading);
        const QWidget* column = window->edit(cell);
        const int middle = left(label) + label->width() / 2;
        QVERIFY2(middle >= left(column) && middle <= left(column) + column->width(), heading);
    }
    type(window, W::kVelocity1, "1");
    type(window, W::kTemperature1, "90");
    type(window, W::kVelocity2, "5000");
    type(window, W::kTemperature2, "-150");
    click(window, W::kFromReadings);
    QCOMPARE(window->edit(W::kSensitivity)->text(), QString::asprintf("%.2f", (5000.0 - 1.0) / (-150.0 - 90.0)));

    // The helper: 2650 at 90 and 2590 at 30 degrees make 1 ft/s per degree.
    type(window, W::kVelocity1, "2650");
    type(window, W::kTemperature1, "90");
    type(window, W::kVelocity2, "2590");
    type(window, W::kTemperature2, "30");
    click(window, W::kFromReadings);
    QCOMPARE(window->edit(W::kSensitivity)->text(), QStringLiteral("1.00"));
    // Its Close button closes it and keeps the fields.
    QPointer<CAdvancedDlg> open = window;
    click(window, W::kClose);
    QTRY_VERIFY(open.isNull());
    QCOMPARE(dlg->shot().advanced.powderSensitivity, 1.0);
    QCOMPARE(dlg->shot().advanced.twistRate, 10.0);
}

void TestAdvancedWindow::refusedValues_data() {
    QTest::addColumn<int>("controlId");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("clock");
    QTest::addColumn<QString>("message");
    QTest::newRow("wind speed") << int(W::kWindSpeed) << "250" << false << "Please enter a number between 0 and 200.";
    QTest::newRow("direction degrees") << int(W::kWindDirection) << "361" << false
                                       << "Please enter a number between 0 and 360.";
    QTest::newRow("direction clock") << int(W::kWindDirection) << "13" << true
                                     << "Please enter a number between 0 and 12.";
    QTest::newRow("latitude") << int(W::kLatitude) << "-91" << false << "Please enter a number between -90 and 90.";
    QTest::newRow("diameter") << int(W::kDiameter) << "2.5" << false << "Please enter a number between 0 and 2.";
    // A row half filled names the cell that waits for its number.
    QTest::newRow("band without its BC") << int(W::kBandVelocity + 1) << "2000" << false
                                         << "BC band 2 needs its BC: please enter a number, or clear the row.";
    QTest::newRow("band without its velocity")
        << int(W::kBandCoefficient) << "0.4" << false
        << "BC band 1 needs its velocity (f.p.s.): please enter a number, or clear the row.";
    QTest::newRow("zone without its speed")
        << int(W::kZoneUntil + 2) << "500" << false
        << "Wind zone 3 needs its speed (m.p.h.): please enter a number, or clear the row.";
    QTest::newRow("zone without its range")
        << int(W::kZoneDirection) << "45" << false
        << "Wind zone 1 needs its range (yd.): please enter a number, or clear the row.";
    QTest::newRow("band velocity") << int(W::kBandVelocity) << "6000" << false
                                   << "Please enter a number between 0 and 5000.";
}

void TestAdvancedWindow::refusedValues() {
    QFETCH(int, controlId);
    QFETCH(QString, text);
    QFETCH(bool, clock);
    QFETCH(QString, message);
    Harness h;
    auto dlg = h.openMainDialog();
    CAdvancedDlg* window = openAdvanced(dlg.get());
    QVERIFY(window);
    if (clock) click(window, W::kClock);
    window->edit(controlId)->setText(text);
    QVERIFY(!window->close());  // the window stays open with its field
    QCOMPARE(h.messages.value(0), message);
    QCOMPARE(dlg->shot().advanced, AdvancedEffects{});
    // The main dialog's commands stop at the same field.
    h.messages.clear();
    QVERIFY(!dlg->takeFields());
    QCOMPARE(h.messages.value(0), message);
    QCOMPARE(dlg->shot().advanced, AdvancedEffects{});
    delete window;
}

void TestAdvancedWindow::windReachesRangeTable() {
    Harness h;
    auto dlg = h.openMainDialog();
    const double still = lastRowTime(dlg->shot());
    CAdvancedDlg* window = openAdvanced(dlg.get());
    QVERIFY(window);
    // Taken with the main dialog's fields, the window still open: a 10 mph headwind.
    type(window, W::kWindSpeed, "10");
    type(window, W::kWindDirection, "0");
    click(dlg.get(), kRangeTableButton);
    QCOMPARE(dlg->shot().advanced.windSpeed, 10.0);
    QCOMPARE(dlg->shot().advanced.windDirection, 0.0);
    const double headwind = lastRowTime(dlg->shot());
    QVERIFY2(headwind > still, qPrintable(QString::asprintf("%g <= %g", headwind, still)));
    // On close, from the clock face: 6 o'clock is a tailwind.
    click(window, W::kClock);
    QCOMPARE(window->edit(W::kWindDirection)->text(), QStringLiteral("12"));
    type(window, W::kWindDirection, "6");
    QVERIFY(window->close());
    QCOMPARE(dlg->shot().advanced.windDirection, 180.0);
    QVERIFY(lastRowTime(dlg->shot()) < still);
}

void TestAdvancedWindow::loadedShotShowsInOpenWindow() {
    Harness h;
    auto dlg = h.openMainDialog();
    CAdvancedDlg* window = openAdvanced(dlg.get());
    QVERIFY(window);
    type(window, W::kWindSpeed, "3");
    ShotParameters saved;
    saved.advanced.windSpeed = 5;
    saved.advanced.coriolis = true;
    const QString path = h.path("windy.vxf");
    QVERIFY(writeShotFile(path.toStdString(), saved));
    h.fileAnswers << path;
    dlg->onLoad();
    // The window shows the loaded shot and does not write its old fields over it.
    QCOMPARE(window->edit(W::kWindSpeed)->text(), QStringLiteral("5"));
    QVERIFY(window->controlAs<QCheckBox>(W::kCoriolis)->isChecked());
    QVERIFY(window->close());
    QCOMPARE(dlg->shot().advanced.windSpeed, 5.0);
}

void TestAdvancedWindow::customDragFromCsv() {
    Harness h;
    auto dlg = h.openMainDialog();
    CAdvancedDlg* window = openAdvanced(dlg.get());
    QVERIFY(window);
    auto* custom = window->controlAs<QCheckBox>(W::kCustomDrag);
    auto* status = window->controlAs<QLabel>(W::kDragStatus);
    writeText(h.path("good.csv"), "Mach,Cd\n0.5,0.12\n1.0,0.38\n2.0,0.30\n");
    writeText(h.path("bad.csv"), "0.5,0.12\n1.0,0.38\n0.9,0.30\n");
    // Checked without a table it asks for one: cancelled, it stays clear.
    click(window, W::kCustomDrag);
    QCOMPARE(h.fileRequests.size(), 1);
    QVERIFY(!custom->isChecked());
    h.fileAnswers << h.path("good.csv") << h.path("bad.csv");
    click(window, W::kLoadCsv);
    QVERIFY2(status->text().contains(QStringLiteral("3 points")), qPrintable(status->text()));
    QVERIFY(custom->isChecked());
    click(window, W::kLoadCsv);
    QVERIFY2(status->text().startsWith(QStringLiteral("bad.csv: line 3")), qPrintable(status->text()));
    QVERIFY(custom->isChecked());  // the good table stays
    QVERIFY(window->close());
    const std::vector<MachCd> expected{{0.5, 0.12}, {1.0, 0.38}, {2.0, 0.30}};
    QVERIFY(dlg->shot().advanced.customDrag == expected);
}

void TestAdvancedWindow::extrasFileRoundTrip() {
    Harness h;
    auto dlg = h.openMainDialog();
    QPointer<CAdvancedDlg> window = openAdvanced(dlg.get());
    QVERIFY(window);
    type(window, W::kWindSpeed, "12.5");
    type(window, W::kBandVelocity, "2000");
    type(window, W::kBandCoefficient, "0.25");
    click(window, W::kLeftTwist);
    QVERIFY(dlg->close());  // the main dialog's exit closes the window and takes its fields
    QTRY_VERIFY(window.isNull());
    const ShotParameters& shot = dlg->shot();
    QCOMPARE(shot.advanced.windSpeed, 12.5);
    QVERIFY(shot.advanced.leftTwist);

    // The settings file holds its designed lines only; the extras file all the rest.
    AppSettings settings;
    settings.red = 195;
    settings.green = 190;
    settings.blue = 228;
    QCOMPARE(readAll(h.path("Vorlan2.ini")), QString::fromStdString(settingsFileText(shot, settings)));
    const QString extras = QString::fromStdString(extrasFilePath(h.context.settingsPath));
    QCOMPARE(extras, h.path(QStringLiteral("Vorlan2 Extras.vxf")));
    QCOMPARE(readAll(extras), QString::fromStdString(extensionShotFileText(shot)));
    QVERIFY(readAll(extras).contains(QStringLiteral("BC Bands:2000 0.25")));

    auto second = h.openMainDialog();
    QCOMPARE(second->shot().advanced, shot.advanced);
    CAdvancedDlg* reopened = openAdvanced(second.get());
    QVERIFY(reopened);
    QCOMPARE(reopened->edit(W::kWindSpeed)->text(), QStringLiteral("12.5"));
    QCOMPARE(reopened->edit(W::kBandCoefficient)->text(), QStringLiteral("0.25"));
    delete reopened;
}

// The zones table, the jump and the zero conditions reach the shot; a half-typed zone stops
// at its first blank field; the diameter in use follows the caliber.
void TestAdvancedWindow::zonesJumpAndZeroConditions() {
    Harness h;
    auto dlg = h.openMainDialog();
    retype(dlg->edit(MainDialogIds::kCaliberEdit), "9mm");
    CAdvancedDlg* window = openAdvanced(dlg.get());
    QVERIFY(window);
    auto* inUse = window->controlAs<QLabel>(W::kDiameterInUse);
    QCOMPARE(inUse->text(), QStringLiteral("Diameter in use: 0.355 in. (calibre table)"));
    type(window, W::kDiameter, "0.3");
    QCOMPARE(inUse->text(), QStringLiteral("Diameter in use: 0.300 in. (entered)"));
    type(window, W::kDiameter, "0");
    type(window, W::kZoneUntil, "400");
    type(window, W::kZoneSpeed, "8");
    type(window, W::kZoneDirection, "270");
    type(window, W::kZoneUntil + 1, "1000");
    QVERIFY(!window->close());
    QCOMPARE(h.messages.value(0),
             QStringLiteral("Wind zone 2 needs its speed (m.p.h.): please enter a number, or clear the row."));
    type(window, W::kZoneSpeed + 1, "12");
    type(window, W::kZoneDirection + 1, "45");
    click(window, W::kAerodynamicJump);
    click(window, W::kZeroConditions);
    type(window, W::kZeroTemperature, "20");
    type(window, W::kZeroPressure, "25.5");
    QVERIFY(window->close());
    const AdvancedEffects& e = dlg->shot().advanced;
    const std::vector<WindZone> zones{{400, 8, 270}, {1000, 12, 45}};
    QVERIFY(e.windZones == zones);
    QVERIFY(e.aerodynamicJump);
    QVERIFY(e.zeroConditions);
    QCOMPARE(e.zeroTemperature, 20.0);
    QCOMPARE(e.zeroPressure, 25.5);
    QCOMPARE(e.zeroHumidity, 0.0);
}

// In metres, km/h, m/s and deg. C: the zones, the bands and the chronograph readings are typed
// in the units shown, headed and refused in them, and kept in the designed ones.
void TestAdvancedWindow::metricZonesBandsAndReadings() {
    constexpr double kYard = 0.9144, kFoot = 0.3048, kMile = 1.609344;
    Harness h;
    UnitChoice units = UnitChoice::preset(UnitSystem::Metric);
    units.set(Quantity::Speed, Unit::Kmh);
    h.context.units.setChoice(units);
    auto dlg = h.openMainDialog();
    CAdvancedDlg* window = openAdvanced(dlg.get());
    QVERIFY(window);
    QStringList captions;
    for (const QLabel* label : window->findChildren<QLabel*>()) captions << label->text();
    for (const char* heading : {"To (m)", "km/h", "BC Bands: from (m/s)", "m/s", "°C"})
        QVERIFY2(captions.contains(heading), heading);

    type(window, W::kZoneUntil, "400");
    type(window, W::kZoneSpeed, "36");
    type(window, W::kZoneDirection, "270");
    type(window, W::kZoneUntil + 1, "91441");  // 100000 yd is 91440 m
    type(window, W::kZoneSpeed + 1, "18");
    type(window, W::kZoneDirection + 1, "45");
    QVERIFY(!window->close());
    QVERIFY2(h.messages.value(0).startsWith("Wind Zone Range must be between") &&
                 h.messages.value(0).contains("and 91440 m"),
             qPrintable(h.messages.value(0)));
    type(window, W::kZoneUntil + 1, "1000");
    type(window, W::kZoneSpeed + 1, "");
    QVERIFY(!window->close());
    QCOMPARE(h.messages.value(1),
             QStringLiteral("Wind zone 2 needs its speed (km/h): please enter a number, or clear the row."));
    type(window, W::kZoneSpeed + 1, "18");
    type(window, W::kBandVelocity, "800");
    type(window, W::kBandCoefficient, "0.25");

    QVERIFY(window->close());
    const AdvancedEffects& e = dlg->shot().advanced;
    QCOMPARE(e.windZones.size(), std::size_t{2});
    const double expected[] = {400 / kYard, 36 / kMile, 270, 1000 / kYard, 18 / kMile, 45, 800 / kFoot, 0.25};
    const double held[] = {e.windZones[0].until,     e.windZones[0].speed,       e.windZones[0].direction,
                           e.windZones[1].until,     e.windZones[1].speed,       e.windZones[1].direction,
                           e.bcBands.at(0).velocity, e.bcBands.at(0).coefficient};
    for (std::size_t i = 0; i < std::size(held); ++i)
        QVERIFY2(std::fabs(held[i] - expected[i]) <= 1e-9 * expected[i], qPrintable(QString::number(i)));

    // The readings cross a change of the units as the values they are.
    window = openAdvanced(dlg.get());
    QVERIFY(window);
    type(window, W::kVelocity1, "800");
    type(window, W::kTemperature1, "15");
    type(window, W::kVelocity2, "820");
    type(window, W::kTemperature2, "25");
    h.context.units.setChoice(UnitChoice());
    QCOMPARE(window->edit(W::kVelocity1)->text(), QStringLiteral("2624.67"));  // 800 / 0.3048
    QCOMPARE(window->edit(W::kTemperature1)->text(), QStringLiteral("59"));
    QCOMPARE(window->edit(W::kTemperature2)->text(), QStringLiteral("77"));
    click(window, W::kFromReadings);
    QCOMPARE(window->edit(W::kSensitivity)->text(), QString::asprintf("%.2f", 20 / kFoot / 18));
    QCOMPARE(h.messages.size(), 2);
}

QTEST_MAIN(TestAdvancedWindow)
#include "AdvancedWindowTest.moc"
