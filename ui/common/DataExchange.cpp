#include "ui/common/DataExchange.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QLineEdit>
#include <QLocale>
#include <QRadioButton>
#include <cmath>

#include "engine/Catalogue.h"
#include "shot/CLocaleNumbers.h"
#include "ui/common/ThemedDialog.h"

namespace vorlan {

namespace {
// A number is read from at most this many characters of its edit.
constexpr int kNumberTextLimit = 399;

QString fromC(const std::string& text) { return QString::fromStdString(text); }
}  // namespace

QString DataExchange::numberMessage() { return QCoreApplication::translate("DataExchange", "Please enter a number."); }
QString DataExchange::integerMessage() {
    return QCoreApplication::translate("DataExchange", "Please enter an integer.");
}
QString DataExchange::numberRangeMessage(double minimum, double maximum) {
    return QCoreApplication::translate("DataExchange", "Please enter a number between %1 and %2.")
        .arg(fromC(cShowDouble(minimum)), fromC(cShowDouble(maximum)));
}
QString DataExchange::integerRangeMessage(int minimum, int maximum) {
    return QCoreApplication::translate("DataExchange", "Please enter a number between %1 and %2.")
        .arg(fromC(cShowInt(minimum)), fromC(cShowInt(maximum)));
}
QString DataExchange::textLengthMessage(int maxLength) {
    return QCoreApplication::translate("DataExchange", "Please enter no more than %1 characters.")
        .arg(fromC(cShowInt(maxLength)));
}

std::string DataExchange::numberText(const QString& text) {
    QString read = text.left(kNumberTextLimit);
    if (QLocale().decimalPoint() == QStringLiteral(",")) read.replace(u',', u'.');
    return read.toStdString();
}

QString DataExchange::shownText(double value, const FieldUnit& unit, Unit shown) {
    const double scale = std::pow(10.0, unit.decimals);
    // + 0.0: a value that rounds to zero from below shows as 0, not -0.
    const double rounded = std::round(toShown(value, unit.quantity, shown) * scale) / scale + 0.0;
    std::string text = cFormat("%.*f", unit.decimals, rounded);
    if (text.find('.') != std::string::npos) {
        text.erase(text.find_last_not_of('0') + 1);
        if (text.back() == '.') text.pop_back();
    }
    return fromC(text);
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
    if (!cScanDouble(numberText(controlText(controlId)), read)) {
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

std::optional<double> DataExchange::number(int controlId, double& value, double minimum, double maximum,
                                           const FieldUnit& unit) {
    if (dialog_.context().units.designed(unit.quantity)) {
        if (keptAsShown(controlId, value, minimum, maximum)) return std::nullopt;
        number(controlId, value, minimum, maximum);
        rememberShown(controlId, value);
        return std::nullopt;
    }
    return convertedNumber(controlId, value, minimum, maximum, unit, false);
}

std::optional<double> DataExchange::wholeNumber(int controlId, int& value, int minimum, int maximum,
                                                const FieldUnit& unit) {
    if (dialog_.context().units.designed(unit.quantity)) {
        wholeNumber(controlId, value, minimum, maximum);
        return std::nullopt;
    }
    double designed = value;
    const std::optional<double> typed = convertedNumber(controlId, designed, minimum, maximum, unit, true);
    if (typed) value = static_cast<int>(std::lround(designed));
    return typed;
}

std::optional<double> DataExchange::convertedNumber(int controlId, double& value, double minimum, double maximum,
                                                    const FieldUnit& unit, bool whole) {
    if (passesOver(controlId)) return std::nullopt;
    const Unit shown = dialog_.context().units.of(unit.quantity);
    const QString text = unit.kept ? shownText(toDesigned(*unit.kept, unit.quantity, shown), unit, shown)
                                   : shownText(value, unit, shown);
    if (!saving()) {
        setControlText(controlId, text);
        return std::nullopt;
    }
    const ShownBounds bounds = shownBounds(minimum, maximum, unit.quantity, shown, unit.decimals);
    const std::string label = unit.labelContext
                                  ? QCoreApplication::translate(unit.labelContext, unit.label).toStdString()
                                  : std::string(translated(unit.label));
    const QString message = fromC(boundsMessage(label, bounds, unit.quantity, shown, whole));
    if (controlText(controlId) == text) {
        // Left as shown: the value stays as it is, checked against its own bounds.
        if (value < minimum || value > maximum) fail(controlId, message);
        return std::nullopt;
    }
    double typed = 0.0;
    int typedWhole = 0;
    const std::string read = numberText(controlText(controlId));
    if (whole ? !cScanInt(read, typedWhole) : !cScanDouble(read, typed)) {
        fail(controlId, whole ? integerMessage() : numberMessage());
        return std::nullopt;
    }
    if (whole) typed = typedWhole;
    // Stored before it is checked, as a number in its designed unit is.
    const bool within = bounds.contains(typed);
    value = within ? toDesignedWithin(typed, unit.quantity, shown, minimum, maximum)
                   : toDesigned(typed, unit.quantity, shown);
    if (within) return typed;
    fail(controlId, message);
    return std::nullopt;
}

namespace {
// The text an edit was given and the value it stands for: the text after the keystroke rule
// has cut it to the field's digits.
const char* const kShownText = "vorlanShownText";
const char* const kShownValue = "vorlanShownValue";
}  // namespace

void rememberShownFigure(QLineEdit& edit, double value) {
    edit.setProperty(kShownText, edit.text());
    edit.setProperty(kShownValue, value);
}

void forgetShownFigure(QLineEdit& edit) {
    edit.setProperty(kShownText, QVariant());
    edit.setProperty(kShownValue, QVariant());
}

std::optional<double> figureLeftAsShown(const QLineEdit& edit) {
    const QVariant value = edit.property(kShownValue);
    if (!value.isValid() || edit.property(kShownText) != edit.text()) return std::nullopt;
    return value.toDouble();
}

void DataExchange::rememberShown(int controlId, double value) {
    if (saving()) return;
    if (auto* edit = dialog_.controlAs<QLineEdit>(controlId)) rememberShownFigure(*edit, value);
}

bool DataExchange::keptAsShown(int controlId, double value, double minimum, double maximum) {
    if (!saving() || passesOver(controlId)) return false;
    const auto* edit = dialog_.controlAs<QLineEdit>(controlId);
    // A value with more digits than the field shows (typed in other units, then shown in the
    // designed ones) is not cut to the digits shown while neither it nor its text changed.
    if (!edit || figureLeftAsShown(*edit) != value) return false;
    if (value < minimum || value > maximum) fail(controlId, numberRangeMessage(minimum, maximum));
    return true;
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
