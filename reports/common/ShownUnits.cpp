#include "reports/common/ShownUnits.h"

#include <QFile>
#include <cerrno>

namespace vorlan {

namespace {
std::string localPath(const QString& path) { return QFile::encodeName(path).toStdString(); }
}  // namespace

void ShownUnits::setChoice(const UnitChoice& choice) {
    if (choice == choice_) return;
    emit aboutToChange();
    choice_ = choice;
    emit changed();
}

void ShownUnits::load(const QString& preferencesPath) {
    std::string text;
    if (!preferencesPath.isEmpty() && readRegularFile(localPath(preferencesPath), text))
        setChoice(unitChoiceFromPreferences(text));
    else
        setChoice(UnitChoice());
}

FileOutcome ShownUnits::save(const QString& preferencesPath) const {
    if (preferencesPath.isEmpty()) return {};
    const std::string path = localPath(preferencesPath);
    std::string text;
    const FileOutcome read = readRegularFile(path, text);
    // A file that exists but cannot be read is left as it is.
    if (!read && read.error != ENOENT) return read;
    const std::string changed = withUnitChoice(text, choice_);
    return changed == text ? FileOutcome{} : writeFileAtomically(path, changed);
}

}  // namespace vorlan
