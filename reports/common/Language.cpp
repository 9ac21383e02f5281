#include "reports/common/Language.h"

#include <QActionGroup>
#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QLocale>
#include <QMenu>
#include <QTranslator>
#include <algorithm>
#include <cstdlib>
#include <memory>

#include "engine/Catalogue.h"
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

std::string_view systemLanguage(const std::function<const char*(const char* name)>& environment) {
    std::string_view locale;
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = environment(name);
        if (value && *value) {
            locale = value;
            break;
        }
    }
    if (locale.empty() || locale == "C" || locale == "POSIX") return "en";
    const char* list = environment("LANGUAGE");
    for (std::string_view rest = list ? list : ""; !rest.empty();) {
        const std::size_t colon = std::min(rest.find(':'), rest.size());
        if (const std::string_view code = offeredCode(rest.substr(0, colon)); !code.empty()) return code;
        rest.remove_prefix(std::min(colon + 1, rest.size()));
    }
    const std::string_view code = offeredCode(locale);
    return code.empty() ? "en" : code;
}

QString loadLanguage(const QString& preferencesPath) {
    std::string text;
    if (preferencesPath.isEmpty() || !readRegularFile(QFile::encodeName(preferencesPath).toStdString(), text))
        return {};
    const std::string kept = preferenceValue(text, kLanguageKey).value_or("");
    return QString::fromStdString(std::string(offeredCode(kept) == kept ? kept : ""));
}

FileOutcome saveLanguage(const QString& preferencesPath, const QString& choice) {
    if (preferencesPath.isEmpty()) return {};
    const std::string path = QFile::encodeName(preferencesPath).toStdString();
    std::string text;
    if (choice.isEmpty() && (!readRegularFile(path, text) || !preferenceValue(text, kLanguageKey))) return {};
    return writePreferences(path, {{kLanguageKey, choice.isEmpty() ? std::string(kSystem) : choice.toStdString()}});
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
    QMenu* menu = parent.addMenu(QCoreApplication::translate("Language", "&Language"));
    menu->menuAction()->setObjectName(QStringLiteral("viewLanguage"));
    auto* group = new QActionGroup(menu);
    QStringList choices{QString()};
    for (const LanguageName& language : kLanguages) choices << QString::fromLatin1(language.code.data());
    for (const QString& choice : choices) {
        QAction* action = menu->addAction(captionOf(choice.toStdString()));
        action->setObjectName(QStringLiteral("language") + (choice.isEmpty() ? QStringLiteral("System") : choice));
        action->setCheckable(true);
        action->setData(choice);
        group->addAction(action);
        QObject::connect(action, &QAction::triggered, menu, [choice, preferencesPath, tellNotice, tellFailure] {
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
    // Another window may have changed the language since: the mark follows when the menu opens.
    const auto mark = [group] {
        for (QAction* action : group->actions())
            action->setChecked(action->data().toString() == currentLanguageChoice());
    };
    mark();
    QObject::connect(menu, &QMenu::aboutToShow, menu, mark);
    return menu;
}

}  // namespace vorlan
