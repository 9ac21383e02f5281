#pragma once
// The keystroke filter of a number edit. After every change of the edit's text, including
// texts the program writes, it cuts characters from the end until what is left has an allowed
// shape: digits, in fractional mode at most one decimal point (or the decimal comma, in a
// language that writes one) with a bounded number of digits after it, and a leading minus or
// plus sign where allowed. A disallowed character in the middle takes everything after it
// along. It never shows a message.

#include <QString>

#include "shot/ShotParameters.h"

class QLineEdit;

namespace vorlan {

class CValidator {
public:
    bool enabled = false;
    bool fractional = false;  // digits with one decimal point; otherwise whole numbers
    bool allowMinus = false;  // fractional mode: a leading minus sign (whole mode always takes one)
    int decimals = 0;         // fractional mode: digits allowed after the point
    bool allowPlus = false;   // a leading plus sign
    bool rangeCheck = false;  // the value must also lie within [minimum, maximum]
    double minimum = 0.0;
    double maximum = 0.0;

    // Takes the settings of a keystroke rule; the range check is switched off.
    void configure(const KeystrokeRule& rule);

    // Whether `text` has an allowed shape under the current settings.
    bool passes(const QString& text) const;
    // The longest beginning of `text` that passes (an empty text always does).
    QString cutBack(QString text) const;
    // Filters the edit: true when its text passed, false when it was corrected.
    bool check(QLineEdit* edit) const;
};

}  // namespace vorlan
