#pragma once
// One pass of the control exchange of a dialog, in either direction. Each call names a
// control and a record member and the rule that binds them. Copying into the record converts
// like "%lg" / "%d", stores the value and only then checks it; the first failure shows its
// message in the coloured message box, puts the focus on the failing edit with its text
// selected, and turns every later call of the pass into a no-op.
//
// A number of a quantity goes through the units the application shows (AppContext::units): in
// its designed unit exactly as any number; in another converted at this door, so the record
// keeps the designed unit whatever the shooter reads and types.

#include <QList>
#include <QString>
#include <optional>
#include <string>

#include "shot/Units.h"

class QLineEdit;

namespace vorlan {

class ThemedDialog;

// An edit showing a figure keeps the value the figure stands for: while its text is left as it
// was shown, the value is that one, whatever digits the text was cut or rounded to; a text
// typed, or one set since, stands for what it reads.
void rememberShownFigure(QLineEdit& edit, double value);  // after its text is set
void forgetShownFigure(QLineEdit& edit);
std::optional<double> figureLeftAsShown(const QLineEdit& edit);

// The unit side of a number field: its quantity, the digits its edit takes after the point
// (0 for a whole number) and the label its bounds message names ("Sight-In Range").
struct FieldUnit {
    Quantity quantity;
    int decimals = 0;
    const char* label = "";
    // A figure typed in the unit shown and kept beside the designed value (shot/MetricInputs.h):
    // shown instead of the converted value, which a whole number of yards cannot carry.
    std::optional<double> kept{};
    // The window's translation context of the label; none: the label is the shot's own, in the
    // catalogue beneath the windows.
    const char* labelContext = nullptr;
};

class DataExchange {
public:
    enum class Direction {
        Save,  // controls into the record, with checks
        Load,  // record into the controls
    };

    DataExchange(ThemedDialog& dialog, Direction direction) : dialog_(dialog), direction_(direction) {}

    bool saving() const { return direction_ == Direction::Save; }
    bool failed() const { return failed_; }
    // Ends the pass as failed for a check made elsewhere that has shown its own message.
    void markFailed() { failed_ = true; }
    // Copying into the record passes over these controls: their members keep what they hold.
    // For fields that the control being clicked settles (see ThemedDialog::settleFieldsWith).
    void skip(QList<int> controlIds) { skipped_ = std::move(controlIds); }
    bool skips(int controlId) const { return saving() && skipped_.contains(controlId); }

    // A fractional number within [minimum, maximum], shown with "%g".
    void number(int controlId, double& value, double minimum, double maximum);
    // A whole number within [minimum, maximum], shown with "%d".
    void wholeNumber(int controlId, int& value, int minimum, int maximum);
    // The same of a quantity, in the application's unit of it. In another unit than the
    // designed one the value is shown converted and rounded to the field's digits; a text left
    // as shown keeps the value as it is (no round trip through the rounded figure), and a text
    // typed is checked against the bounds converted and rounded inwards ("Sight-In Range must
    // be between 1 and 4572 m"), then stored converted. Returns the figure typed, in the unit
    // shown, when one was read and stored; none in the designed unit. In the designed unit a
    // fractional value left as shown is kept as it is too: a figure typed in metres keeps its
    // digits when the shooter looks at it in yards.
    std::optional<double> number(int controlId, double& value, double minimum, double maximum, const FieldUnit& unit);
    std::optional<double> wholeNumber(int controlId, int& value, int minimum, int maximum, const FieldUnit& unit);
    // Text of at most `maxLength` characters (0: no limit).
    void text(int controlId, std::string& value, int maxLength);
    void check(int controlId, bool& value);
    // Index of the checked button of the group that begins at `firstId`; -1 when none.
    void radioGroup(int firstId, int& index);

    // The five messages, formatted as the C library formats them.
    static QString numberMessage();
    static QString integerMessage();
    static QString numberRangeMessage(double minimum, double maximum);
    static QString integerRangeMessage(int minimum, int maximum);
    static QString textLengthMessage(int maxLength);

    // A failure of a check the dialog makes itself (a row of cells that go together): shown
    // and focused as a field's own failure is.
    void fail(int controlId, const QString& message);

    // The text of a number field as the exchange reads it: the decimal comma of a language
    // that writes one is taken for the point.
    static std::string numberText(const QString& text);
    // A value of `unit` as its field shows it in `shown`: converted, rounded to its digits.
    static QString shownText(double value, const FieldUnit& unit, Unit shown);

private:
    QString controlText(int controlId) const;
    // A number in a unit other than its designed one: `whole` reads a whole number.
    std::optional<double> convertedNumber(int controlId, double& value, double minimum, double maximum,
                                          const FieldUnit& unit, bool whole);
    void setControlText(int controlId, const QString& text);
    // A load keeps what it showed in the edit; a save finds the edit and the value as shown
    // (true: the value is kept, checked against its bounds).
    void rememberShown(int controlId, double value);
    bool keptAsShown(int controlId, double value, double minimum, double maximum);
    // Nothing to do for this control: the pass has failed, or it skips the control.
    bool passesOver(int controlId) const { return failed_ || skips(controlId); }

    ThemedDialog& dialog_;
    Direction direction_;
    bool failed_ = false;
    QList<int> skipped_;
};

}  // namespace vorlan
