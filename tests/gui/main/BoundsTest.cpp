// Every checked field of the main dialog and of the side windows at both ends of its bounds,
// and the order in which the exchange checks them. The cases are generated from the windows'
// own field tables, and those tables are held to the designed bounds written out below.

#include <QAbstractButton>
#include <QLineEdit>
#include <QTest>
#include <algorithm>
#include <cmath>
#include <limits>
#include <span>

#include "tests/gui/GuiHarness.h"
#include "ui/calculations/CComputeBC.h"
#include "ui/calculations/CComputeOPBZ.h"
#include "ui/calculations/CEVWCalculations.h"
#include "ui/common/ControlIds.h"

using namespace vorlan;
using namespace vorlan::testing;
using namespace vorlan::MainDialogIds;

namespace {

// One checked edit, as a window's table describes it.
struct CheckedField {
    int controlId;
    enum Kind { Number, Whole, Text } kind;
    KeystrokeRule keys;
    double minimum, maximum;
    int maxLength;
    bool sideWindow;  // a side window refuses a minus sign in whole numbers as well
};

QList<CheckedField> mainDialogFields() {
    QList<CheckedField> fields;
    for (const ShotField& f : shotFields()) {
        if (f.kind == FieldKind::Number)
            fields.append({f.controlId, CheckedField::Number, f.keystrokes, f.minimum, f.maximum, 0, false});
        else if (f.kind == FieldKind::WholeNumber)
            fields.append({f.controlId, CheckedField::Whole, f.keystrokes, f.minimum, f.maximum, 0, false});
        else if (f.kind == FieldKind::Text)
            fields.append({f.controlId, CheckedField::Text, {}, 0, 0, f.maxLength, false});
    }
    return fields;
}

QList<CheckedField> sideWindowFields(std::span<const SideNumberField> table) {
    QList<CheckedField> fields;
    for (const SideNumberField& f : table)
        fields.append({f.controlId, CheckedField::Number, f.keystrokes, f.minimum, f.maximum, 0, true});
    return fields;
}

// A text the field refuses, with the message, or accepts (empty message).
struct BoundCase {
    QString label;
    QString text;
    QString message;
    bool typable;  // the keystroke filter lets the text stand
};

QString rangeMessage(const CheckedField& f) {
    if (f.kind == CheckedField::Whole)
        return QString::asprintf("Please enter a number between %d and %d.", int(f.minimum), int(f.maximum));
    return QString::asprintf("Please enter a number between %g and %g.", f.minimum, f.maximum);
}

bool bounded(const CheckedField& f) { return f.kind == CheckedField::Text || std::isfinite(f.maximum); }

// The lowest and highest values the edit can hold within the bounds (a field with two
// decimals cannot hold 0.0001), and one unit of its last decimal beyond each.
QList<BoundCase> boundCases(const CheckedField& f) {
    if (f.kind == CheckedField::Text) {
        const QString message = QString::asprintf("Please enter no more than %d characters.", f.maxLength);
        // Characters are counted, not bytes or UTF-16 units; the refused text comes last.
        const QString deer = QString::fromUcs4(U"\U0001F98C");
        return {{"longest accented", QString(f.maxLength, u'\u00e9'), "", true},
                {"longest beyond 16 bits", deer.repeated(f.maxLength), "", true},
                {"one too long accented", QString(f.maxLength + 1, u'\u00e9'), message, true},
                {"longest", QString(f.maxLength, u'x'), "", true},
                {"one too long", QString(f.maxLength + 1, u'x'), message, true}};
    }
    if (!bounded(f)) return {};
    const int decimals = f.keys.fractional ? f.keys.decimals : 0;
    const double unit = std::pow(10.0, -decimals);
    const double lowest = std::ceil(f.minimum / unit - 1e-9) * unit;
    const double highest = std::floor(f.maximum / unit + 1e-9) * unit;
    const auto show = [&](double v) { return QString::number(v, 'f', decimals); };
    const bool minusTypable = f.keys.allowMinus || (!f.keys.fractional && !f.sideWindow);
    const auto typable = [&](double v) { return v >= 0.0 || minusTypable; };
    const QString message = rangeMessage(f);
    return {{"lowest", show(lowest), "", typable(lowest)},
            {"highest", show(highest), "", true},
            {"below", show(lowest - unit), message, typable(lowest - unit)},
            {"above", show(highest + unit), message, true}};
}

// Makes the edit hold `text` as if typed: the keystroke filter runs on it.
QLineEdit* enter(ThemedDialog* window, int controlId, const QString& text) {
    auto* edit = window->controlAs<QLineEdit>(controlId);
    edit->setText(text);
    return edit;
}

// Every case of every field, one field at a time, the others as the window opened.
void checkBounds(Harness& h, ThemedDialog* window, const QList<CheckedField>& fields, const QString& name) {
    QVERIFY2(!fields.isEmpty(), qPrintable(name));
    for (const CheckedField& f : fields) {
        QLineEdit* edit = window->controlAs<QLineEdit>(f.controlId);
        QVERIFY2(edit, qPrintable(QString::number(f.controlId)));
        const QString original = edit->text();
        for (const BoundCase& c : boundCases(f)) {
            const QString what =
                QString("%1 bounds: edit %2 %3 \"%4\"").arg(name).arg(f.controlId).arg(c.label, c.text);
            h.messages.clear();
            enter(window, f.controlId, c.text);
            if (!c.typable) {
                QVERIFY2(edit->text() != c.text, qPrintable(what + ": the keystroke filter should refuse it"));
                continue;
            }
            QVERIFY2(edit->text() == c.text, qPrintable(what + ": cut to \"" + edit->text() + "\""));
            const bool passed = window->updateData();
            QVERIFY2(passed == c.message.isEmpty(), qPrintable(what + ": accepted " + QString::number(passed)));
            QVERIFY2(h.messages == (c.message.isEmpty() ? QStringList{} : QStringList{c.message}),
                     qPrintable(what + ": shown " + h.messages.join(" | ")));
            if (!passed) QTRY_VERIFY2(QApplication::focusWidget() == edit, qPrintable(what + ": focus"));
        }
        enter(window, f.controlId, original);
        h.messages.clear();
        QVERIFY2(window->updateData(), qPrintable(name + " restored: " + h.messages.join(" | ")));
    }
}

// A text the field refuses whatever its neighbours hold, with its message.
std::pair<QString, QString> badEntry(const CheckedField& f) {
    if (!bounded(f)) return {"", "Please enter a number."};
    const BoundCase above = boundCases(f).last();
    return {above.text, above.message};
}

// With every field bad, each exchange stops at the first bad field in exchange order: its
// message, the focus on it; mended, the next exchange stops at the next one.
void checkExchangeOrder(Harness& h, ThemedDialog* window, const QList<CheckedField>& fields, const QString& name) {
    QStringList originals;
    for (const CheckedField& f : fields) {
        originals << window->controlAs<QLineEdit>(f.controlId)->text();
        enter(window, f.controlId, badEntry(f).first);
    }
    for (int i = 0; i < fields.size(); ++i) {
        const QString what =
            QString("%1 exchange order: bad field %2 of %3 (edit %4)").arg(name).arg(i + 1).arg(fields.size());
        h.messages.clear();
        QVERIFY2(!window->updateData(), qPrintable(what.arg(fields[i].controlId)));
        QVERIFY2(h.messages == QStringList{badEntry(fields[i]).second},
                 qPrintable(what.arg(fields[i].controlId) + ": shown " + h.messages.join(" | ")));
        QLineEdit* edit = window->controlAs<QLineEdit>(fields[i].controlId);
        QTRY_VERIFY2(QApplication::focusWidget() == edit, qPrintable(what.arg(fields[i].controlId) + ": focus"));
        enter(window, fields[i].controlId, originals[i]);
    }
    h.messages.clear();
    QVERIFY2(window->updateData(), qPrintable(name + ": " + h.messages.join(" | ")));
}

// Presses a main-dialog button and returns the side window it opened, active on screen.
SideWindow* openSideWindow(Harness& h, CVorlan2Dlg* dlg, int buttonId) {
    const int before = h.context.openDialogs.oldestToNewest().size();
    QTest::mouseClick(dlg->controlAs<QAbstractButton>(buttonId), Qt::LeftButton);
    const auto windows = h.context.openDialogs.oldestToNewest();
    if (windows.size() == before) return nullptr;
    auto* window = qobject_cast<SideWindow*>(windows.last());
    if (!window) return nullptr;
    QApplication::setActiveWindow(window);
    [[maybe_unused]] const bool active = QTest::qWaitForWindowActive(window);
    return window;
}

// The designed exchange order of the edits the main dialog checks (check boxes and the drag
// function's buttons between them pass without a check).
// clang-format off
const QList<int> kMainDialogOrder = {kVelocityEdit, kIncrementCountEdit, kSightHeightEdit, kWeightEdit,
                                     kCrosswindEdit, kSightInRangeEdit, kBallisticCoefficientEdit, kCantAngleEdit,
                                     kTemperatureEdit, kHumidityEdit, kPressureEdit, kAltitudeEdit, kNameEdit,
                                     kCaliberEdit, kRangeIncrementEdit, kAirDensityEdit, kSeaLevelPercentEdit,
                                     kTargetRangeEdit, kTargetSpeedEdit, kTargetDirectionEdit, kLosAngleEdit,
                                     kMuzzleAngleEdit};
// clang-format on
// Compute BC takes the distance first, then the near and the far velocity.
const QList<int> kComputeBcOrder = {ComputeBcIds::kDistanceEdit, ComputeBcIds::kNearSpeedEdit,
                                    ComputeBcIds::kFarSpeedEdit};

QList<int> controlIds(const QList<CheckedField>& fields) {
    QList<int> ids;
    for (const CheckedField& f : fields) ids << f.controlId;
    return ids;
}

// The side windows with edits to check: Compute BC, OPBZ, Calculations, Advanced.
constexpr std::pair<int, const char*> kSideWindowButtons[] = {{kComputeBcButton, "Compute BC"},
                                                              {kOpbzButton, "OPBZ"},
                                                              {kCalculationsButton, "Calculations"},
                                                              {kAdvancedButton, "Advanced"}};

// The bounds of every checked edit as the design gives them, by control number, written out
// here apart from the windows' field tables so that a bound changed in a table is seen.
struct DesignedBound {
    int controlId;
    CheckedField::Kind kind;
    double minimum, maximum;  // Number and Whole
    int maxLength;            // Text
};
constexpr double kNoBound = std::numeric_limits<double>::infinity();
using C = CheckedField;

// clang-format off
const QList<DesignedBound> kMainDialogBounds = {
    {1000, C::Text, 0, 0, 256},           {1001, C::Text, 0, 0, 4},
    {1002, C::Number, 1, 5000, 0},        {1003, C::Number, 0.0001, 1000, 0},
    {1004, C::Number, 0.0001, 2, 0},      {1005, C::Number, 0.01, 10, 0},
    {1006, C::Number, -180, 180, 0},      {1007, C::Number, 1, 5000, 0},
    {1008, C::Whole, 1, 5000, 0},         {1009, C::Whole, 1, 5000, 0},
    {1010, C::Number, -90, 90, 0},        {1042, C::Number, -5400, 5400, 0},
    {1011, C::Number, 0, 200, 0},         {1012, C::Number, 0, 5000, 0},
    {1037, C::Number, 0, 100, 0},         {1041, C::Number, 0, 180, 0},
    {1013, C::Number, -150, 150, 0},      {1014, C::Number, 0, 100, 0},
    {1015, C::Number, 26, 35, 0},         {1018, C::Number, -1000, 20000, 0},
    {1016, C::Text, 0, 0, 6},             {1017, C::Text, 0, 0, 20},
};
const QList<DesignedBound> kComputeBcBounds = {
    {1000, C::Number, 1, 5000, 0}, {1001, C::Number, 0, 5000, 0}, {1002, C::Number, 1, 5000, 0}};
const QList<DesignedBound> kOpbzBounds = {{1013, C::Number, 0.01, 100, 0}};
// Velocity, weight, energy and the two results take any number.
const QList<DesignedBound> kCalculationsBounds = {
    {1073, C::Number, -kNoBound, kNoBound, 0}, {1075, C::Number, -kNoBound, kNoBound, 0},
    {1076, C::Number, -kNoBound, kNoBound, 0}, {1082, C::Number, -kNoBound, kNoBound, 0},
    {1074, C::Number, 1, 1000, 0},             {1081, C::Number, 0, 200, 0},
    {1080, C::Number, -kNoBound, kNoBound, 0}};
// clang-format on

// The window's table holds each designed field with its designed bounds, and no other.
void expectDesignedBounds(const QList<CheckedField>& fields, const QList<DesignedBound>& designed, const char* name) {
    QCOMPARE(fields.size(), designed.size());
    for (const DesignedBound& d : designed) {
        const auto f = std::find_if(fields.begin(), fields.end(),
                                    [&](const CheckedField& field) { return field.controlId == d.controlId; });
        QVERIFY2(f != fields.end(), qPrintable(QString("%1: no field %2").arg(name).arg(d.controlId)));
        QVERIFY2(f->kind == d.kind && f->minimum == d.minimum && f->maximum == d.maximum && f->maxLength == d.maxLength,
                 qPrintable(QString("%1: field %2 is %3 to %4 (length %5)")
                                .arg(name)
                                .arg(d.controlId)
                                .arg(f->minimum)
                                .arg(f->maximum)
                                .arg(f->maxLength)));
    }
}

}  // namespace

class TestBounds : public QObject {
    Q_OBJECT
private slots:
    void mainDialogBounds();
    void mainDialogExchangeOrder();
    void sideWindowBoundsAndOrder();
    void fieldTablesHoldTheDesignedBounds();
};

void TestBounds::mainDialogBounds() {
    Harness h;
    auto dlg = h.openMainDialog();
    checkBounds(h, dlg.get(), mainDialogFields(), "main dialog");
}

void TestBounds::mainDialogExchangeOrder() {
    Harness h;
    auto dlg = h.openMainDialog();
    QVERIFY2(controlIds(mainDialogFields()) == kMainDialogOrder,
             "the field table is not in the designed exchange order");
    checkExchangeOrder(h, dlg.get(), mainDialogFields(), "main dialog");
}

void TestBounds::sideWindowBoundsAndOrder() {
    Harness h;
    auto dlg = h.openMainDialog();
    for (const auto& [button, name] : kSideWindowButtons) {
        SideWindow* window = openSideWindow(h, dlg.get(), button);
        QVERIFY2(window, name);
        const QList<CheckedField> fields = sideWindowFields(window->numberFields());
        if (button == kComputeBcButton)
            QVERIFY2(controlIds(fields) == kComputeBcOrder,
                     "Compute BC's fields are not in the designed exchange order");
        checkBounds(h, window, fields, name);
        checkExchangeOrder(h, window, fields, name);
    }
}

void TestBounds::fieldTablesHoldTheDesignedBounds() {
    expectDesignedBounds(mainDialogFields(), kMainDialogBounds, "main dialog");
    expectDesignedBounds(sideWindowFields(CComputeBC::fields()), kComputeBcBounds, "Compute BC");
    expectDesignedBounds(sideWindowFields(CComputeOPBZ::fields()), kOpbzBounds, "OPBZ");
    expectDesignedBounds(sideWindowFields(CEVWCalculations::fields()), kCalculationsBounds, "Calculations");
}

QTEST_MAIN(TestBounds)
#include "BoundsTest.moc"
