#pragma once
// The units the program shows and reads each quantity in (shot/Units.h's UnitChoice), as the
// application holds it for every window. A change goes out in two steps: aboutToChange, on
// which an open window takes its fields in the units they were typed in, then changed, on
// which it shows them again and re-captions its labels. The choice is kept in the preferences
// file under "Units/" (withUnitChoice), written only for what differs from the designed units.

#include <QObject>
#include <QString>

#include "shot/SafeFile.h"
#include "shot/Units.h"

namespace vorlan {

class ShownUnits : public QObject {
    Q_OBJECT
public:
    const UnitChoice& choice() const { return choice_; }
    Unit of(Quantity quantity) const { return choice_.of(quantity); }
    // Whether `quantity` is shown in its designed unit.
    bool designed(Quantity quantity) const { return choice_.of(quantity) == UnitChoice().of(quantity); }

    // A different choice is announced (aboutToChange, then changed); the same one changes nothing.
    void setChoice(const UnitChoice& choice);

    // The choice kept in the preferences file; the designed units when it keeps none or cannot
    // be read. Announced like any change.
    void load(const QString& preferencesPath);
    // Keeps the choice in the preferences file (nothing to do without one).
    FileOutcome save(const QString& preferencesPath) const;

signals:
    void aboutToChange();
    void changed();

private:
    UnitChoice choice_;
};

}  // namespace vorlan
