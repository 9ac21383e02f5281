#include "reports/common/ShownUnits.h"

#include <cerrno>

#include "reports/common/FileNames.h"

namespace vorlan {

void ShownUnits::setChoice(const UnitChoice& choice) {
    if (choice == choice_) return;
    emit aboutToChange();
    choice_ = choice;
    emit changed();
}

void ShownUnits::load(const QString& preferencesPath) {
    std::string text;
    if (!preferencesPath.isEmpty() && readRegularFile(toFileName(preferencesPath), text))
        setChoice(unitChoiceFromPreferences(text));
    else
        setChoice(UnitChoice());
}

FileOutcome ShownUnits::save(const QString& preferencesPath) const {
    if (preferencesPath.isEmpty()) return {};
    const std::string path = toFileName(preferencesPath);
    std::string text;
    const FileOutcome read = readRegularFile(path, text);
    // A file that exists but cannot be read is left as it is.
    if (!read && read.error != ENOENT) return read;
    const std::string changed = withUnitChoice(text, choice_);
    return changed == text ? FileOutcome{} : writeFileAtomically(path, changed);
}

}  // namespace vorlan
