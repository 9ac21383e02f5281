#include "ui/common/CValidator.h"

#include <QLineEdit>
#include <QLocale>

#include "shot/CLocaleNumbers.h"
#include "ui/common/DataExchange.h"

namespace vorlan {

void CValidator::configure(const KeystrokeRule& rule) {
    enabled = rule.enabled;
    fractional = rule.fractional;
    allowMinus = rule.allowMinus;
    decimals = rule.decimals;
    allowPlus = rule.allowPlus;
    rangeCheck = false;
}

bool CValidator::passes(const QString& text) const {
    if (!enabled) return true;
    // A language that writes a decimal comma types one; the point is taken everywhere.
    const bool comma = QLocale().decimalPoint() == QStringLiteral(",");
    int point = -1;
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (i == 0 && c == u'-' && (allowMinus || !fractional)) continue;
        if (i == 0 && c == u'+' && allowPlus) continue;
        if (fractional && point >= 0 && i - point > decimals) return false;
        if (fractional && (c == u'.' || (comma && c == u',')) && point < 0) {
            point = i;
            continue;
        }
        if (c < u'0' || c > u'9') return false;
    }
    if (!rangeCheck) return true;
    const double value = cToDouble(DataExchange::numberText(text));
    return value >= minimum && value <= maximum;
}

QString CValidator::cutBack(QString text) const {
    while (!text.isEmpty() && !passes(text)) text.chop(1);
    return text;
}

bool CValidator::check(QLineEdit* edit) const {
    if (!edit) return true;
    const QString text = edit->text();
    if (passes(text)) return true;
    // Setting the text puts the caret at its end, where the user goes on typing.
    const QString shorter = cutBack(text);
    if (shorter != text) edit->setText(shorter);
    return false;
}

}  // namespace vorlan
