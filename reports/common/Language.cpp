#include "reports/common/Language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QMenu>
#include <QTranslator>
#include <algorithm>
#include <cstdlib>
#include <memory>

#include "engine/Catalogue.h"
#include "reports/common/ChoiceMenu.h"
#include "reports/common/FileNames.h"
#include "reports/common/Theme.h"
#include "shot/PreferencesFile.h"

namespace vorlan {

namespace {

constexpr std::string_view kLanguageKey = "View/Language";
constexpr std::string_view kSystem = "System";
constexpr LanguageName kLanguages[] = {
    {"en", "English"}, {"de", "Deutsch"}, {"fr", "Français"}, {"es", "Español"}, {"ru", "Русский"}};

// The two-letter code of a locale name or language entry ("de_AT.UTF-8@euro" gives "de").
std::string_view languagePart(std::string_view name) {
    return name.substr(0, std::min(name.find_first_of("_.@"), name.size()));
}

std::string_view offeredCode(std::string_view name) {
    for (const LanguageName& language : kLanguages)
        if (language.code == languagePart(name)) return language.code;
    return {};
}

struct Spoken {
    QString choice;  // "" for System
    std::string_view code = "en";
    std::unique_ptr<QTranslator> program, qt;
};
Spoken& spoken() {
    static Spoken state;
    return state;
}

// Installs `file` from `folder` as `slot`'s translator; none is kept when it cannot be loaded.
void installTranslator(std::unique_ptr<QTranslator>& slot, const QString& file, const QString& folder) {
    if (slot) QCoreApplication::removeTranslator(slot.get());
    slot = std::make_unique<QTranslator>();
    if (slot->load(file, folder))
        QCoreApplication::installTranslator(slot.get());
    else
        slot.reset();
}

QString captionOf(std::string_view code) {
    for (const LanguageName& language : kLanguages)
        if (language.code == code) return QString::fromUtf8(language.name);
    return QCoreApplication::translate("Language", "System default");
}

}  // namespace

std::span<const LanguageName> offeredLanguages() { return kLanguages; }

QString loadLanguage(const QString& preferencesPath) {
    const std::string kept = readPreference(toFileName(preferencesPath), kLanguageKey).value_or("");
    return QString::fromStdString(std::string(offeredCode(kept) == kept ? kept : ""));
}

FileOutcome saveLanguage(const QString& preferencesPath, const QString& choice) {
    if (preferencesPath.isEmpty()) return {};
    return writeChoice(toFileName(preferencesPath), kLanguageKey,
                       choice.isEmpty() ? std::string(kSystem) : choice.toStdString(), kSystem);
}

std::string_view applyLanguage(const QString& choice) {
    Spoken& state = spoken();
    const std::string code = choice.toStdString();
    state.choice = choice;
    const bool offered = !code.empty() && offeredCode(code) == code;
    state.code = offered ? offeredCode(code) : systemLanguage(std::getenv);
    const QString name = QString::fromLatin1(state.code.data(), qsizetype(state.code.size()));
    installTranslator(state.program, QStringLiteral("vorlan_") + name, QStringLiteral(":/i18n"));
    installTranslator(state.qt, QStringLiteral("qtbase_") + name, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    // The desktop's own locale keeps its region (and its numbers) when the language is its choice.
    QLocale::setDefault(offered ? QLocale(name) : QLocale::system());
    setLanguage(state.code);
    return state.code;
}

QString currentLanguageChoice() { return spoken().choice; }

QMenu* addLanguageMenu(QMenu& parent, const QString& preferencesPath, std::function<void(const QString&)> tellNotice,
                       std::function<void(const QString&)> tellFailure) {
    QStringList codes{QString()};
    for (const LanguageName& language : kLanguages) codes << QString::fromLatin1(language.code.data());
    QList<MenuChoice> choices;
    for (const QString& code : codes)
        choices.append({captionOf(code.toStdString()),
                        QStringLiteral("language") + (code.isEmpty() ? QStringLiteral("System") : code), code});
    return addChoiceMenu(
        parent, QCoreApplication::translate("Language", "&Language"), QStringLiteral("viewLanguage"), choices,
        [] { return QVariant(currentLanguageChoice()); },
        [preferencesPath, tellNotice, tellFailure](const QVariant& value) {
            const QString choice = value.toString();
            if (choice == currentLanguageChoice()) return;
            applyLanguage(choice);
            const FileOutcome saved = saveLanguage(preferencesPath, choice);
            if (!saved && tellFailure) tellFailure(QString::fromStdString(saved.reason()));
            // Said in the language just chosen, which the windows opened from now on speak.
            if (tellNotice)
                tellNotice(QCoreApplication::translate("Language",
                                                       "Windows opened from now on use the chosen language. Windows "
                                                       "already open keep theirs; the main window changes at the next "
                                                       "start."));
        });
}

void addThemeAndLanguageMenus(QMenu& parent, const QString& preferencesPath, const WindowMessage& showNotice,
                              const WindowMessage& showFailure) {
    const auto notSaved = [preferencesPath, showFailure](const char* what) {
        return [preferencesPath, showFailure, what](const QString& reason) {
            showFailure(QCoreApplication::translate("Language", "Preferences Not Saved"),
                        QCoreApplication::translate("Language", what).arg(preferencesPath, reason));
        };
    };
    addThemeMenu(parent, preferencesPath,
                 notSaved(QT_TRANSLATE_NOOP("Language", "The theme could not be saved to \"%1\".\n%2")));
    addLanguageMenu(
        parent, preferencesPath,
        [showNotice](const QString& notice) {
            showNotice(QCoreApplication::translate("Language", "Language"), notice);
        },
        notSaved(QT_TRANSLATE_NOOP("Language", "The language could not be saved to \"%1\".\n%2")));
}

}  // namespace vorlan
