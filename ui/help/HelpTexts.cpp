// Pop-up help texts, one per help id: the table of ui/help/HelpEntries, the Advanced window's
// controls that are no number fields, and the number fields of the shot and the side windows,
// which are described in their own field tables. Each is kept in English and translated when
// it is shown.

#include <QCoreApplication>
#include <QHash>

#include "engine/AdvancedEffects.h"
#include "engine/Catalogue.h"
#include "shot/ShotParameters.h"
#include "ui/advanced/CAdvancedDlgFields.h"
#include "ui/calculations/CComputeBC.h"
#include "ui/calculations/CComputeOPBZ.h"
#include "ui/calculations/CEVWCalculations.h"
#include "ui/common/ContextHelp.h"
#include "ui/common/ControlIds.h"
#include "ui/help/HelpEntries.h"

namespace vorlan {

namespace {

// The Advanced window's controls that are no number fields.
const HelpEntry kAdvancedEntries[] = {
    {AdvancedIds::kTemplate, AdvancedIds::kDegrees,
     QT_TRANSLATE_NOOP("HelpTexts", "Enter the wind direction in degrees, 0 to 360, clockwise from the line of fire.")},
    {AdvancedIds::kTemplate, AdvancedIds::kClock,
     QT_TRANSLATE_NOOP("HelpTexts",
                       "Enter the wind direction as a clock hour, 0 to 12: 12 from the target, 3 from the right.")},
    {AdvancedIds::kTemplate, AdvancedIds::kLeftTwist,
     QT_TRANSLATE_NOOP("HelpTexts",
                       "Check for a barrel whose rifling turns to the left: the bullet drifts to the left.")},
    {AdvancedIds::kTemplate, AdvancedIds::kStability,
     QT_TRANSLATE_NOOP("HelpTexts",
                       "Gyroscopic stability factor by Miller's rule, for the main window's velocity and air.")},
    {AdvancedIds::kTemplate, AdvancedIds::kAdvice,
     QT_TRANSLATE_NOOP("HelpTexts",
                       "Judged on the factor as shown: below 1.00 unstable, to 1.29 marginal, 1.30 to 1.50 fair, above "
                       "1.50 stable.")},
    {AdvancedIds::kTemplate, AdvancedIds::kAerodynamicJump,
     QT_TRANSLATE_NOOP(
         "HelpTexts",
         "Check to let a crosswind at the muzzle throw the bullet up or down (Litz's fit; needs twist, length and "
         "diameter). The zero is taken without it.")},
    {AdvancedIds::kTemplate, AdvancedIds::kDiameterInUse,
     QT_TRANSLATE_NOOP("HelpTexts",
                       "The bullet diameter spin drift and stability use: the one entered, or the caliber's.")},
    {AdvancedIds::kTemplate, AdvancedIds::kZeroConditions,
     QT_TRANSLATE_NOOP(
         "HelpTexts",
         "Check to zero the rifle in the conditions below, in still air on a level range, and fly today's conditions "
         "at that angle.")},
    {AdvancedIds::kTemplate, AdvancedIds::kCoriolis,
     QT_TRANSLATE_NOOP("HelpTexts",
                       "Check to let the Earth's rotation move the bullet (Coriolis and Eotvos effects).")},
    {AdvancedIds::kTemplate, AdvancedIds::kAdjustedVelocity,
     QT_TRANSLATE_NOOP("HelpTexts", "The muzzle velocity in feet per second that the powder temperature gives.")},
    {AdvancedIds::kTemplate, AdvancedIds::kFromReadings,
     QT_TRANSLATE_NOOP("HelpTexts", "Computes the sensitivity from the two velocities and their temperatures.")},
    {AdvancedIds::kTemplate, AdvancedIds::kCustomDrag,
     QT_TRANSLATE_NOOP("HelpTexts",
                       "Check to fly the loaded Mach and drag-coefficient table instead of the drag function chosen.")},
    {AdvancedIds::kTemplate, AdvancedIds::kLoadCsv,
     QT_TRANSLATE_NOOP(
         "HelpTexts",
         "Loads a drag table from a CSV file: Mach and Cd on each line, Mach increasing, a header allowed.")},
    {AdvancedIds::kTemplate, AdvancedIds::kDragStatus,
     QT_TRANSLATE_NOOP("HelpTexts", "The drag table held, or what is wrong with the file last loaded.")},
};

// Where a help text's translation is found: this file's own texts, the shot's field table (the
// message catalogue, as every text of the shot) or a side window's field table.
enum class Origin { Own, ShotField, SideField };
struct Source {
    const char* text;
    Origin origin;
};

// The English texts by help id, each translated when it is shown so that it follows the language.
const QHash<quint32, Source>& sources() {
    static const QHash<quint32, Source> table = [] {
        QHash<quint32, Source> t;
        for (const HelpEntry& e : helpEntries())
            t.insert(e.controlId ? controlHelpId(e.templateId, e.controlId) : dialogHelpId(e.templateId),
                     {e.text, Origin::Own});
        // The comparison window's target range borrows the main dialog's (see controlHelpId).
        for (const ShotField& field : shotFields())
            if (field.help)
                t.insert(controlHelpId(MainDialogIds::kTemplate, field.controlId), {field.help, Origin::ShotField});
        const auto insertFields = [&t](int templateId, std::span<const SideNumberField> fields) {
            for (const SideNumberField& field : fields)
                if (field.help) t.insert(controlHelpId(templateId, field.controlId), {field.help, Origin::SideField});
        };
        insertFields(ComputeBcIds::kTemplate, CComputeBC::fields());
        insertFields(OpbzIds::kTemplate, CComputeOPBZ::fields());
        insertFields(EvwIds::kTemplate, CEVWCalculations::fields());
        for (const HelpEntry& e : kAdvancedEntries)
            t.insert(controlHelpId(e.templateId, e.controlId), {e.text, Origin::Own});
        insertFields(AdvancedIds::kTemplate, advancedfields::kNumberFields);
        insertFields(AdvancedIds::kTemplate, advancedfields::kReadingFields);
        for (int row = 0; row < kMaxBcBands; ++row) {
            const advancedfields::BandFields band = advancedfields::bandFields(row);
            insertFields(AdvancedIds::kTemplate, std::span(&band.velocity, 1));
            insertFields(AdvancedIds::kTemplate, std::span(&band.coefficient, 1));
        }
        for (int row = 0; row < kMaxWindZones; ++row) {
            const advancedfields::ZoneFields zone = advancedfields::zoneFields(row);
            for (const SideNumberField* f : {&zone.until, &zone.speed, &zone.direction})
                insertFields(AdvancedIds::kTemplate, std::span(f, 1));
        }
        // The Truing window's observation cells, the same help down each column.
        static const char* const kObservationHelp[TruingIds::kColumns] = {
            QT_TRANSLATE_NOOP("HelpTexts", "The range of the observation in yards, 1 to 5000."),
            QT_TRANSLATE_NOOP("HelpTexts",
                              "The elevation dialled or held up to hit the centre, in true MOA (1/60 degree)."),
            QT_TRANSLATE_NOOP("HelpTexts", "The elevation dialled or held up to hit the centre, in mil."),
            QT_TRANSLATE_NOOP("HelpTexts",
                              "The elevation dialled up to hit the centre, in clicks of the shot's click value."),
            QT_TRANSLATE_NOOP("HelpTexts",
                              "The drop in inches with the shot's own zero, negative below the line of sight."),
            QT_TRANSLATE_NOOP(
                "HelpTexts",
                "A velocity in feet per second measured at the range (a Doppler radar, a second chronograph)."),
            QT_TRANSLATE_NOOP("HelpTexts", "The time of flight to the range in seconds."),
            QT_TRANSLATE_NOOP(
                "HelpTexts",
                "How sure the row's holds and drop are, in MOA (0.1 when blank; half a click for clicks)."),
            QT_TRANSLATE_NOOP("HelpTexts", "How sure the row's velocity is, in feet per second (5 when blank)."),
        };
        for (int row = 0; row < TruingIds::kRows; ++row)
            for (int column = 0; column < TruingIds::kColumns; ++column)
                t.insert(controlHelpId(TruingIds::kTemplate, TruingIds::cell(row, column)),
                         {kObservationHelp[column], Origin::Own});
        return t;
    }();
    return table;
}

QString shown(const Source& source) {
    switch (source.origin) {
        case Origin::ShotField:
            return QString::fromUtf8(translated(source.text));
        case Origin::SideField:
            return QCoreApplication::translate("SideWindow", source.text);
        case Origin::Own:
            break;
    }
    return QCoreApplication::translate("HelpTexts", source.text);
}

}  // namespace

bool hasPopupHelpText(quint32 helpId) { return sources().contains(helpId); }

QString popupHelpText(quint32 helpId) {
    const auto found = sources().constFind(helpId);
    if (found == sources().constEnd())
        return QCoreApplication::translate("HelpTexts", "No help topic is associated with this item.");
    return shown(*found);
}

}  // namespace vorlan
