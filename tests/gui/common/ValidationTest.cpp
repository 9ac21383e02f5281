// The keystroke filter and the control exchange, typed into the real main dialog.

#include <QLineEdit>
#include <QTest>

#include "tests/gui/GuiHarness.h"
#include "ui/common/CValidator.h"
#include "ui/common/ControlIds.h"

using namespace vorlan;
using namespace vorlan::testing;
using namespace vorlan::MainDialogIds;

class TestValidation : public QObject {
    Q_OBJECT
private slots:
    void filterShapes_data();
    void filterShapes();
    void typedFractions();
    void secondPointAndLetterInFront();
    void minusSigns();
    void rangeCheckCutsBack();
    void exchangeMessages_data();
    void exchangeMessages();
    void storedThenChecked();
    void unconvertibleKeepsEarlierValue();
    void programWritesAreCutBack();
    void enterDoesNotClose();
};

void TestValidation::filterShapes_data() {
    QTest::addColumn<bool>("fractional");
    QTest::addColumn<bool>("allowMinus");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<bool>("allowPlus");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept");
    QTest::newRow("one decimal") << true << false << 1 << false << "12.345"
                                 << "12.3";
    QTest::newRow("no second point") << true << false << 2 << false << "1.2.3"
                                     << "1.2";
    QTest::newRow("letter takes the rest") << true << false << 2 << false << "12a45"
                                           << "12";
    QTest::newRow("minus refused") << true << false << 2 << false << "-5"
                                   << "";
    QTest::newRow("minus allowed") << true << true << 1 << false << "-5.25"
                                   << "-5.2";
    QTest::newRow("minus only first") << true << true << 1 << false << "5-"
                                      << "5";
    QTest::newRow("whole takes minus") << false << false << 0 << false << "-300"
                                       << "-300";
    QTest::newRow("whole refuses point") << false << false << 0 << false << "30.5"
                                         << "30";
    QTest::newRow("point first") << true << false << 2 << false << ".25"
                                 << ".25";
    // A plus sign where the window takes one ("+4.75" in a truing cell), first only.
    QTest::newRow("plus refused") << true << true << 2 << false << "+4.75"
                                  << "";
    QTest::newRow("plus taken") << true << false << 2 << true << "+4.75"
                                << "+4.75";
    QTest::newRow("plus only first") << true << true << 2 << true << "4+"
                                     << "4";
    QTest::newRow("plus or minus") << true << true << 2 << true << "+-4"
                                   << "+";
    QTest::newRow("empty passes") << true << false << 2 << false << ""
                                  << "";
}

void TestValidation::filterShapes() {
    QFETCH(bool, fractional);
    QFETCH(bool, allowMinus);
    QFETCH(int, decimals);
    QFETCH(bool, allowPlus);
    QFETCH(QString, typed);
    QFETCH(QString, kept);
    CValidator v;
    v.configure({true, fractional, allowMinus, decimals, allowPlus});
    QCOMPARE(v.cutBack(typed), kept);
    v.enabled = false;
    QVERIFY(v.passes(typed));
}

void TestValidation::typedFractions() {
    Harness h;
    auto dlg = h.openMainDialog();
    retype(dlg->edit(kVelocityEdit), "12.345");
    QCOMPARE(dlg->edit(kVelocityEdit)->text(), QString("12.3"));
    retype(dlg->edit(kBallisticCoefficientEdit), "12.345");
    QCOMPARE(dlg->edit(kBallisticCoefficientEdit)->text(), QString("12.345"));
    QVERIFY(!dlg->updateData());
    QCOMPARE(h.messages, QStringList{"Please enter a number between 0.0001 and 2."});
}

void TestValidation::secondPointAndLetterInFront() {
    Harness h;
    auto dlg = h.openMainDialog();
    QLineEdit* sight = dlg->edit(kSightHeightEdit);
    retype(sight, "1.2");
    QTest::keyClick(sight, '.');
    QCOMPARE(sight->text(), QString("1.2"));
    QTest::keyClick(sight, '3');
    QCOMPARE(sight->text(), QString("1.23"));

    QLineEdit* target = dlg->edit(kTargetRangeEdit);
    retype(target, "500");
    target->setCursorPosition(0);
    QTest::keyClick(target, 'a');
    QCOMPARE(target->text(), QString());
}

void TestValidation::minusSigns() {
    Harness h;
    auto dlg = h.openMainDialog();
    retype(dlg->edit(kAltitudeEdit), "-");
    QCOMPARE(dlg->edit(kAltitudeEdit)->text(), QString("-"));
    // The signed fields keep a leading minus (a cold day from a file must survive).
    retype(dlg->edit(kTemperatureEdit), "-10.5");
    QCOMPARE(dlg->edit(kTemperatureEdit)->text(), QString("-10.5"));
    retype(dlg->edit(kVelocityEdit), "-");
    QCOMPARE(dlg->edit(kVelocityEdit)->text(), QString());
    QVERIFY(dlg->updateData(false));
    dlg->shot().temperature = -10;
    dlg->updateData(false);
    QCOMPARE(dlg->edit(kTemperatureEdit)->text(), QString("-10"));
}

void TestValidation::rangeCheckCutsBack() {
    QLineEdit edit;
    CValidator v;
    v.configure({true, false, false, 0});
    v.rangeCheck = true;
    v.minimum = 0;
    v.maximum = 500;
    edit.setText("6000");
    QVERIFY(!v.check(&edit));
    QCOMPARE(edit.text(), QString("60"));
    QVERIFY(v.check(&edit));
}

void TestValidation::exchangeMessages_data() {
    QTest::addColumn<int>("control");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    QTest::newRow("empty velocity") << kVelocityEdit << ""
                                    << "Please enter a number.";
    QTest::newRow("empty increment") << kRangeIncrementEdit << ""
                                     << "Please enter an integer.";
    // Every field's bounds at both ends: BoundsTest.
}

void TestValidation::exchangeMessages() {
    QFETCH(int, control);
    QFETCH(QString, text);
    QFETCH(QString, message);
    Harness h;
    auto dlg = h.openMainDialog();
    dlg->edit(control)->setText(text);
    QCOMPARE(dlg->updateData(), message.isEmpty());
    QCOMPARE(h.messages, message.isEmpty() ? QStringList{} : QStringList{message});
    if (message.isEmpty()) return;
    // The failing edit takes the focus with its whole text selected.
    QTRY_COMPARE(QApplication::focusWidget(), dlg->edit(control));
    QCOMPARE(dlg->edit(control)->selectedText(), dlg->edit(control)->text());
}

void TestValidation::storedThenChecked() {
    Harness h;
    auto dlg = h.openMainDialog();
    dlg->edit(kSightHeightEdit)->setText("2.5");  // sightHeight, before weight
    dlg->edit(kWeightEdit)->setText("2000");      // weight, out of range
    dlg->edit(kCrosswindEdit)->setText("12");     // crosswind, after weight
    QVERIFY(!dlg->updateData());
    QCOMPARE(h.messages, QStringList{"Please enter a number between 0.0001 and 1000."});
    QCOMPARE(dlg->shot().sightHeight, 2.5);
    QCOMPARE(dlg->shot().weight, 2000.0);  // stored, then refused
    QCOMPARE(dlg->shot().crosswind, 0.0);  // never reached
}

void TestValidation::unconvertibleKeepsEarlierValue() {
    Harness h;
    auto dlg = h.openMainDialog();
    dlg->edit(kWeightEdit)->setText("");
    QVERIFY(!dlg->updateData());
    QCOMPARE(dlg->shot().weight, 8.0);
}

void TestValidation::programWritesAreCutBack() {
    Harness h;
    auto dlg = h.openMainDialog();
    dlg->shot().muzzleAngle = 12.34567;
    dlg->updateData(false);
    QCOMPARE(dlg->edit(kMuzzleAngleEdit)->text(), QString("12.345"));
    dlg->shot().velocity = 1234.56;
    dlg->updateData(false);
    QCOMPARE(dlg->edit(kVelocityEdit)->text(), QString("1234.5"));
}

void TestValidation::enterDoesNotClose() {
    Harness h;
    auto dlg = h.openMainDialog();
    dlg->edit(kVelocityEdit)->setFocus();
    QTest::keyClick(dlg->edit(kVelocityEdit), Qt::Key_Return);
    QTest::keyClick(dlg->edit(kVelocityEdit), Qt::Key_Enter);
    QVERIFY(dlg->isVisible());
}

QTEST_MAIN(TestValidation)
#include "ValidationTest.moc"
