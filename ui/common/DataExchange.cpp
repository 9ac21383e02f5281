#include "ui/common/DataExchange.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QRadioButton>

#include "shot/CLocaleNumbers.h"
#include "ui/common/ThemedDialog.h"

namespace vorlan {

namespace {
// A number is read from at most this many characters of its edit.
constexpr int kNumberTextLimit = 399;

QString fromC(const std::string& text) { return QString::fromStdString(text); }
}  // namespace

QString DataExchange::numberMessage() { return QStringLiteral("Please enter a number."); }
QString DataExchange::integerMessage() { return QStringLiteral("Please enter an integer."); }
QString DataExchange::numberRangeMessage(double minimum, double maximum) {
    return fromC(cFormat("Please enter a number between %g and %g.", minimum, maximum));
}
QString DataExchange::integerRangeMessage(int minimum, int maximum) {
    return fromC(cFormat("Please enter a number between %d and %d.", minimum, maximum));
}
QString DataExchange::textLengthMessage(int maxLength) {
    return fromC(cFormat("Please enter no more than %d characters.", maxLength));
}

QString DataExchange::controlText(int controlId) const {
    if (auto* edit = dialog_.controlAs<QLineEdit>(controlId)) return edit->text();
    return {};
}

void DataExchange::setControlText(int controlId, const QString& text) {
    auto* edit = dialog_.controlAs<QLineEdit>(controlId);
    if (!edit) return;
    edit->setText(text);
    // A text too long for its edit shows its start (a shot's name), unless it is being typed in.
    if (dialog_.focusWidget() != edit) edit->setCursorPosition(0);
}

void DataExchange::fail(int controlId, const QString& message) {
    failed_ = true;
    dialog_.context().showMessage(&dialog_, message);
    if (auto* edit = dialog_.controlAs<QLineEdit>(controlId)) {
        edit->setFocus(Qt::OtherFocusReason);
        edit->selectAll();
    }
}

void DataExchange::number(int controlId, double& value, double minimum, double maximum) {
    if (passesOver(controlId)) return;
    if (!saving()) {
        setControlText(controlId, fromC(cShowDouble(value)));
        return;
    }
    double read = 0.0;
    if (!cScanDouble(controlText(controlId).left(kNumberTextLimit).toStdString(), read)) {
        fail(controlId, numberMessage());
        return;
    }
    value = read;
    if (value < minimum || value > maximum) fail(controlId, numberRangeMessage(minimum, maximum));
}

void DataExchange::wholeNumber(int controlId, int& value, int minimum, int maximum) {
    if (passesOver(controlId)) return;
    if (!saving()) {
        setControlText(controlId, fromC(cShowInt(value)));
        return;
    }
    int read = 0;
    if (!cScanInt(controlText(controlId).toStdString(), read)) {
        fail(controlId, integerMessage());
        return;
    }
    value = read;
    if (value < minimum || value > maximum) fail(controlId, integerRangeMessage(minimum, maximum));
}

void DataExchange::text(int controlId, std::string& value, int maxLength) {
    if (passesOver(controlId)) return;
    if (!saving()) {
        setControlText(controlId, fromC(value));
        return;
    }
    const QString text = controlText(controlId);
    value = text.toStdString();
    // Characters, as the shot check counts them: a letter beyond the 16-bit range is one.
    if (maxLength > 0 && text.toUcs4().size() > maxLength) fail(controlId, textLengthMessage(maxLength));
}

void DataExchange::check(int controlId, bool& value) {
    if (passesOver(controlId)) return;
    auto* box = dialog_.controlAs<QAbstractButton>(controlId);
    if (!box) return;
    if (saving())
        value = box->isChecked();
    else
        box->setChecked(value);
}

void DataExchange::radioGroup(int firstId, int& index) {
    if (passesOver(firstId)) return;
    const QList<QRadioButton*> buttons = dialog_.radioGroup(firstId);
    if (saving()) {
        // With no button checked the index has none (G1M, or any number from a file): it is
        // kept until the user picks a button.
        for (int i = 0; i < buttons.size(); ++i)
            if (buttons[i]->isChecked()) index = i;
        return;
    }
    // An index without a button (a file may hold any number) leaves every button clear.
    for (int i = 0; i < buttons.size(); ++i) {
        buttons[i]->setAutoExclusive(false);
        buttons[i]->setChecked(i == index);
        buttons[i]->setAutoExclusive(true);
    }
}

}  // namespace vorlan
