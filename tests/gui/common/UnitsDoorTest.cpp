// The units at the exchange's door: a number of each quantity typed in each of its units,
// against bounds worked out by hand from the exact factors, and the application's choice.

#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include "tests/gui/GuiHarness.h"
#include "ui/common/ThemedDialog.h"

using namespace vorlan;
using namespace vorlan::testing;

namespace {

constexpr int kEdit = 1;

// A dialog of one number field of a quantity.
class OneField : public ThemedDialog {
public:
    OneField(AppContext& context, FieldUnit unit, double low, double high)
        : ThemedDialog(context, 1), unit_(unit), low_(low), high_(high) {
        auto* edit = new QLineEdit(this);
        setControlId(edit, kEdit);
    }
    QLineEdit* edit() const { return controlAs<QLineEdit>(kEdit); }
    double value = 0.0;
    std::optional<double> typed;

protected:
    void exchange(DataExchange& dx) override { typed = dx.number(kEdit, value, low_, high_, unit_); }

private:
    FieldUnit unit_;
    double low_, high_;
};

}  // namespace

class TestUnitsDoor : public QObject {
    Q_OBJECT
private slots:
    void boundsInEveryUnit_data();
    void boundsInEveryUnit();
    void designedUnitKeepsItsMessages();
    void textLeftAsShownKeepsTheValue();
    void choiceAnnouncedAndKept();
};

void TestUnitsDoor::boundsInEveryUnit_data() {
    QTest::addColumn<int>("quantity");
    QTest::addColumn<int>("unit");
    QTest::addColumn<double>("low");  // designed bounds
    QTest::addColumn<double>("high");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<QString>("shownLow");  // the designed bounds times the exact factor, rounded inwards
    QTest::addColumn<QString>("shownHigh");
    QTest::addColumn<QString>("label");
    using Q = Quantity;
    using U = Unit;
    const auto row = [](const char* name, Q q, U u, double lo, double hi, int d, const char* sl, const char* sh,
                        const char* label) {
        QTest::newRow(name) << int(q) << int(u) << lo << hi << d << QString(sl) << QString(sh) << QString(label);
    };
    row("yd to m", Q::Distance, U::Metre, 1, 5000, 0, "1", "4572", "m");                   // 0.9144
    row("ft/s to m/s", Q::Velocity, U::MetrePerSecond, 1, 5000, 1, "0.4", "1524", "m/s");  // 0.3048
    row("gr to g", Q::Weight, U::Gram, 0.0001, 1000, 2, "0.01", "64.79", "g");             // 0.06479891
    row("in to mm", Q::Length, U::Millimetre, 0.01, 10, 2, "0.26", "254", "mm");           // 25.4
    row("in to cm", Q::Length, U::Centimetre, 0.01, 10, 2, "0.03", "25.4", "cm");          // 2.54
    row("drop in to cm", Q::Offset, U::Centimetre, -1000, 1000, 1, "-2540", "2540", "cm");
    row("drop in to mm", Q::Offset, U::Millimetre, -1000, 1000, 1, "-25400", "25400", "mm");
    row("F to C", Q::Temperature, U::Celsius, -150, 150, 1, "-101.1", "65.5", "°C");         // (F - 32) * 5 / 9
    row("inHg to hPa", Q::Pressure, U::Hectopascal, 26, 35, 2, "880.47", "1185.23", "hPa");  // 33.863886
    row("inHg to mbar", Q::Pressure, U::Millibar, 26, 35, 2, "880.47", "1185.23", "mbar");
    row("inHg to mmHg", Q::Pressure, U::MillimetreHg, 26, 35, 2, "660.4", "889", "mmHg");
    row("ft to m", Q::Altitude, U::Metre, -1000, 20000, 0, "-304", "6096", "m");
    row("mph to km/h", Q::Speed, U::Kmh, 0, 200, 1, "0", "321.8", "km/h");          // 1.609344
    row("mph to m/s", Q::Speed, U::MetrePerSecond, 0, 200, 1, "0", "89.4", "m/s");  // 0.44704
    row("ft-lb to J", Q::Energy, U::Joule, 0, 10000, 0, "0", "13558", "J");         // 1.3558179483
    row("oz to kg", Q::GunWeight, U::Kilogram, 1, 1000, 1, "0.1", "28.3", "kg");    // 0.028349523125
}

// Each end the message names is accepted and lands within the designed bounds; a step beyond
// it is refused with the message in the unit shown.
void TestUnitsDoor::boundsInEveryUnit() {
    QFETCH(int, quantity);
    QFETCH(int, unit);
    QFETCH(double, low);
    QFETCH(double, high);
    QFETCH(int, decimals);
    QFETCH(QString, shownLow);
    QFETCH(QString, shownHigh);
    QFETCH(QString, label);
    Harness h;
    UnitChoice choice;
    QVERIFY(choice.set(Quantity(quantity), Unit(unit)));
    h.context.units.setChoice(choice);
    OneField dialog(h.context, {Quantity(quantity), decimals, "Field"}, low, high);
    const double step = std::pow(10.0, -decimals);
    const QString refused = QStringLiteral("Field must be between %1 and %2 %3").arg(shownLow, shownHigh, label);
    for (const auto& [text, accepted] :
         {std::pair{shownLow, true}, std::pair{shownHigh, true},
          std::pair{QString::number(shownLow.toDouble() - step, 'f', decimals), false},
          std::pair{QString::number(shownHigh.toDouble() + step, 'f', decimals), false}}) {
        h.messages.clear();
        dialog.value = (low + high) / 2;  // shown otherwise than the text typed
        dialog.edit()->setText(text);
        QCOMPARE(dialog.updateData(true), accepted);
        if (accepted) {
            QCOMPARE(dialog.typed.value_or(-1e9), text.toDouble());
            QVERIFY2(dialog.value >= low && dialog.value <= high, qPrintable(text));
        } else {
            QCOMPARE(h.messages, QStringList{refused});
        }
    }
}

// In the designed unit the field is the plain number field: its text and its message as ever.
void TestUnitsDoor::designedUnitKeepsItsMessages() {
    Harness h;
    OneField dialog(h.context, {Quantity::Distance, 0, "Sight-In Range"}, 1, 5000);
    dialog.value = 33;
    dialog.updateData(false);
    QCOMPARE(dialog.edit()->text(), QStringLiteral("33"));
    dialog.edit()->setText(QStringLiteral("5001"));
    QVERIFY(!dialog.updateData(true));
    QCOMPARE(h.messages, QStringList{QStringLiteral("Please enter a number between 1 and 5000.")});
    QVERIFY(!dialog.typed);
}

// 800 ft/s shows as 243.8 m/s (243.84 cut to the field's digits); taken back untouched it stays
// 800 ft/s exactly, and a figure typed is stored as its exact conversion.
void TestUnitsDoor::textLeftAsShownKeepsTheValue() {
    Harness h;
    h.context.units.setChoice(UnitChoice::preset(UnitSystem::Metric));
    OneField dialog(h.context, {Quantity::Velocity, 1, "Velocity"}, 1, 5000);
    dialog.value = 800;
    dialog.updateData(false);
    QCOMPARE(dialog.edit()->text(), QStringLiteral("243.8"));
    QVERIFY(dialog.updateData(true));
    QCOMPARE(dialog.value, 800.0);
    QVERIFY(!dialog.typed);
    dialog.edit()->setText(QStringLiteral("243.8"));  // the same text: still untouched
    QVERIFY(dialog.updateData(true));
    QCOMPARE(dialog.value, 800.0);
    dialog.edit()->setText(QStringLiteral("243.9"));
    QVERIFY(dialog.updateData(true));
    QCOMPARE(dialog.typed.value_or(0), 243.9);
    QVERIFY(std::fabs(dialog.value - 243.9 / 0.3048) < 1e-9);
}

// A change is announced before and after; the same choice again is none. The choice is kept
// in the preferences file and read back; a file of designed units is not written.
void TestUnitsDoor::choiceAnnouncedAndKept() {
    Harness h;
    QStringList order;
    connect(&h.context.units, &ShownUnits::aboutToChange, this, [&] { order << "before"; });
    connect(&h.context.units, &ShownUnits::changed, this, [&] { order << "after"; });
    const QString path = h.path(QStringLiteral("Vorlan Preferences.ini"));
    QVERIFY(h.context.units.save(path));
    QVERIFY(!QFile::exists(path));
    UnitChoice mixed = UnitChoice::preset(UnitSystem::Metric);
    mixed.set(Quantity::Pressure, Unit::MillimetreHg);
    h.context.units.setChoice(mixed);
    h.context.units.setChoice(mixed);
    QCOMPARE(order, (QStringList{"before", "after"}));
    QVERIFY(h.context.units.save(path));
    ShownUnits read;
    read.load(path);
    QVERIFY(read.choice() == mixed);
    read.load(h.path(QStringLiteral("missing.ini")));
    QVERIFY(read.choice() == UnitChoice());
}

QTEST_MAIN(TestUnitsDoor)
#include "UnitsDoorTest.moc"
