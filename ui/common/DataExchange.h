#pragma once
// One pass of the control exchange of a dialog, in either direction. Each call names a
// control and a record member and the rule that binds them. Copying into the record converts
// like "%lg" / "%d", stores the value and only then checks it; the first failure shows its
// message in the coloured message box, puts the focus on the failing edit with its text
// selected, and turns every later call of the pass into a no-op.

#include <QList>
#include <QString>
#include <string>

namespace vorlan {

class ThemedDialog;

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

private:
    QString controlText(int controlId) const;
    void setControlText(int controlId, const QString& text);
    // Nothing to do for this control: the pass has failed, or it skips the control.
    bool passesOver(int controlId) const { return failed_ || skips(controlId); }

    ThemedDialog& dialog_;
    Direction direction_;
    bool failed_ = false;
    QList<int> skipped_;
};

}  // namespace vorlan
