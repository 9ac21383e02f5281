// View > Units: the main dialog typed and shown in the units chosen, a shot typed in metric
// units saved and loaded, the Units dialog's choice kept, and the decimal comma.

#include <QComboBox>
#include <QLabel>
#include <QLocale>
#include <QRadioButton>
#include <QTimer>

#include "reports/table/TableViewCommands.h"
#include "reports/table/TrajectoryWindow.h"
#include "shot/SafeFile.h"
#include "tests/gui/GuiHarness.h"
#include "ui/common/ControlIds.h"
#include "ui/units/CUnitsDlg.h"

using namespace vorlan;
using namespace vorlan::testing;
using namespace vorlan::MainDialogIds;

namespace {

bool hasLabel(const QWidget& window, const QString& text) {
    for (const QLabel* label : window.findChildren<QLabel*>())
        if (label->text() == text) return true;
    return false;
}

}  // namespace

class TestUnitsDialog : public QObject {
    Q_OBJECT
private slots:
    void metricShotComesBackExactly();
    void changeReshowsTheOpenDialog();
    void dialogChoiceKeptAndRestored();
    void tableFollowsTheDistanceUnit();
    void decimalComma_data();
    void decimalComma();
};

// 800 m/s, 10.9 g, a 100 m zero and rows every 50 m are saved beside their designed values and
// shown exactly so after loading, although the file's yards and grains round them.
void TestUnitsDialog::metricShotComesBackExactly() {
    Harness h;
    h.context.units.setChoice(UnitChoice::preset(UnitSystem::Metric));
    auto dlg = h.openMainDialog();
    QVERIFY(hasLabel(*dlg, "Velocity (m/s)"));
    QVERIFY(hasLabel(*dlg, "Sight-In Range (m)"));
    const std::pair<int, QString> typed[] = {
        {kVelocityEdit, "800"}, {kWeightEdit, "10.9"}, {kSightInRangeEdit, "100"}, {kRangeIncrementEdit, "50"}};
    for (const auto& [id, text] : typed) dlg->edit(id)->setText(text);
    dlg->edit(kNameEdit)->setText("Metric");
    h.fileAnswers << h.path("metric.vxf");
    dlg->onSave();
    std::string file;
    QVERIFY(readRegularFile(h.path("metric.vxf").toStdString(), file));
    for (const char* line : {"Velocity:2624.7", "Metric Velocity:800", "Metric Weight:10.9",
                             "Metric Sight-In Range:100", "Metric Range Increment:50"})
        QVERIFY2(file.find(line) != std::string::npos, line);
    for (const auto& [id, text] : typed) dlg->edit(id)->setText("1");
    h.fileAnswers << h.path("metric.vxf");
    dlg->onLoad();
    for (const auto& [id, text] : typed) QCOMPARE(dlg->edit(id)->text(), text);
    QCOMPARE(dlg->shot().rangeIncrement, 55);  // 50 m is 54.68 yd
}

// A change of the units while the dialog is open re-shows its fields and re-captions them;
// going there and back leaves the shot as it was.
void TestUnitsDialog::changeReshowsTheOpenDialog() {
    Harness h;
    auto dlg = h.openMainDialog();
    const ShotParameters before = dlg->shot();
    h.context.units.setChoice(UnitChoice::preset(UnitSystem::Metric));
    QCOMPARE(dlg->edit(kSightInRangeEdit)->text(), QString("30"));  // 33 yd = 30.18 m
    QCOMPARE(dlg->edit(kVelocityEdit)->text(), QString("243.8"));   // 800 ft/s = 243.84 m/s
    QCOMPARE(dlg->edit(kTemperatureEdit)->text(), QString("15"));   // 59 deg. F
    QVERIFY(hasLabel(*dlg, "Temperature (°C)"));
    h.context.units.setChoice(UnitChoice());
    QCOMPARE(dlg->edit(kSightInRangeEdit)->text(), QString("33"));
    QVERIFY(hasLabel(*dlg, "Velocity (f.p.s.)"));
    QCOMPARE(dlg->shot().sightInRange, before.sightInRange);
    QCOMPARE(dlg->shot().velocity, before.velocity);
    QCOMPARE(dlg->shot().pressure, before.pressure);
    // From metric figures too: shown in the designed units to the field's digits, they are
    // kept whole while left as shown, and come back as typed.
    h.context.units.setChoice(UnitChoice::preset(UnitSystem::Metric));
    dlg->edit(kSightInRangeEdit)->setText("100");
    dlg->edit(kVelocityEdit)->setText("800");
    QVERIFY(dlg->updateData());
    h.context.units.setChoice(UnitChoice());
    QCOMPARE(dlg->edit(kSightInRangeEdit)->text(), QString("109"));  // 109.36 yd
    QVERIFY(dlg->updateData());
    QCOMPARE(dlg->shot().sightInRange, 100 / 0.9144);
    QCOMPARE(dlg->shot().velocity, 800 / 0.3048);
    h.context.units.setChoice(UnitChoice::preset(UnitSystem::Metric));
    QCOMPARE(dlg->edit(kSightInRangeEdit)->text(), QString("100"));
    QCOMPARE(dlg->edit(kVelocityEdit)->text(), QString("800"));
    // The air density the commands fill in shows in kg/m^3 (0.0765 lb/ft^3 is 1.2254 kg/m^3, to
    // the three decimals the figure holds),
    // and the shot keeps the designed figure through a save.
    dlg->shot().airDensityText = "0.0765";
    dlg->updateData(false);
    QCOMPARE(dlg->edit(kAirDensityEdit)->text(), QString("1.225"));
    QVERIFY(hasLabel(*dlg, "Air Density (kg/m^3)"));
    QVERIFY(dlg->updateData());
    QCOMPARE(dlg->shot().airDensityText, std::string("0.0765"));
    h.context.units.setChoice(UnitChoice());
    QCOMPARE(dlg->edit(kAirDensityEdit)->text(), QString("0.0765"));
    QVERIFY(hasLabel(*dlg, "Air Density (lb./ft.^3)"));
}

// The dialog's presets fill its lists and a mix checks neither; OK hands the choice to every
// window and keeps it in the preferences file, from which it is read again.
void TestUnitsDialog::dialogChoiceKeptAndRestored() {
    Harness h;
    auto dlg = h.openMainDialog();
    QTimer::singleShot(0, this, [] {
        auto* units = newestShown<CUnitsDlg>();
        QVERIFY(units);
        units->findChild<QRadioButton*>()->parentWidget()->findChildren<QRadioButton*>().last()->click();  // Metric
        QCOMPARE(units->choice(), UnitChoice::preset(UnitSystem::Metric));
        QComboBox* pressure = units->unitList(Quantity::Pressure);
        pressure->setCurrentIndex(pressure->findText("mmHg"));
        emit pressure->activated(pressure->currentIndex());
        for (QRadioButton* preset : units->findChildren<QRadioButton*>()) QVERIFY(!preset->isChecked());
        units->accept();
    });
    dlg->openUnits();
    UnitChoice expected = UnitChoice::preset(UnitSystem::Metric);
    expected.set(Quantity::Pressure, Unit::MillimetreHg);
    QCOMPARE(h.context.units.choice(), expected);
    QCOMPARE(dlg->edit(kPressureEdit)->text(), QString("759.97"));  // 29.92 in Hg x 25.4
    ShownUnits kept;
    kept.load(dlg->preferencesPath());
    QCOMPARE(kept.choice(), expected);
}

// A table window speaks metric while distances are metres, and follows a change.
void TestUnitsDialog::tableFollowsTheDistanceUnit() {
    Harness h;
    h.context.units.setChoice(UnitChoice::preset(UnitSystem::Metric));
    auto dlg = h.openMainDialog();
    dlg->onRangeTable();
    auto* table = qobject_cast<TrajectoryWindow*>(dlg->openTableWindows.last().data());
    QVERIFY(table && table->viewCommands());
    QCOMPARE(table->viewCommands()->current().units, UnitSystem::Metric);
    h.context.units.setChoice(UnitChoice());
    QCOMPARE(table->viewCommands()->current().units, UnitSystem::Imperial);
}

void TestUnitsDialog::decimalComma_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<double>("velocity");
    QTest::newRow("German comma") << "de_DE"
                                  << "800,5" << 800.5;
    QTest::newRow("German point") << "de_DE"
                                  << "800.5" << 800.5;
    QTest::newRow("English comma cut") << "en_GB"
                                       << "800,5" << 800.0;
    QTest::newRow("English point") << "en_GB"
                                   << "800.5" << 800.5;
}

// Where the language writes a decimal comma a number field takes it as the point; elsewhere
// the filter cuts it as any other character. Files keep the point.
void TestUnitsDialog::decimalComma() {
    QFETCH(QString, language);
    QFETCH(QString, typed);
    QFETCH(double, velocity);
    QLocale::setDefault(QLocale(language));
    Harness h;
    auto dlg = h.openMainDialog();
    dlg->edit(kVelocityEdit)->setText(typed);
    QVERIFY(dlg->updateData(true));
    QLocale::setDefault(QLocale::c());
    QCOMPARE(dlg->shot().velocity, velocity);
    QVERIFY(shotFileText(dlg->shot()).find(velocity == 800.5 ? "Velocity:800.5" : "Velocity:800.0") !=
            std::string::npos);
}

QTEST_MAIN(TestUnitsDialog)
#include "UnitsDialogTest.moc"
