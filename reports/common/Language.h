#pragma once
// The language the windows speak: the desktop's (System), or one of English, German, French,
// Spanish and Russian. The windows' texts come from Qt's translations (":/i18n/vorlan_xx.qm",
// and Qt's own buttons and file dialogs from qtbase_xx.qm where the system has it); the texts
// beneath them from the message catalogue (engine/Catalogue.h). The choice is kept in the
// preferences file under "View/Language", written only once it differs from System, so that a
// file never changed keeps its bytes. Windows take the language when they are built: a choice
// reaches the windows opened afterwards, and the main window at the next start. Files and the
// printed report stay English whatever the language.

#include <QString>
#include <functional>
#include <span>
#include <string_view>

#include "engine/Catalogue.h"  // systemLanguage: the language the desktop asks for
#include "shot/SafeFile.h"

class QMenu;

namespace vorlan {

// The languages offered, by code ("en", "de", ...), each named in its own tongue.
struct LanguageName {
    std::string_view code;
    const char* name;
};
std::span<const LanguageName> offeredLanguages();

// The choice kept in the preferences file: a code, or "" for System (also when none is kept).
QString loadLanguage(const QString& preferencesPath);
FileOutcome saveLanguage(const QString& preferencesPath, const QString& choice);

// Speaks `choice` ("" for System) from now on: installs the translators, sets the default
// locale and the catalogue's language. Returns the code of the language now spoken.
std::string_view applyLanguage(const QString& choice);
QString currentLanguageChoice();

// Adds "&Language" with System default and the offered languages to `parent`: a choice applies
// to the windows opened afterwards, is kept in the preferences file and told through `notice`;
// a file that cannot be written is told through `tellFailure`.
QMenu* addLanguageMenu(QMenu& parent, const QString& preferencesPath,
                       std::function<void(const QString& notice)> tellNotice,
                       std::function<void(const QString& reason)> tellFailure);

// The Theme and Language menus a window offers (a table window's View menu, the main dialog's
// right-click menu), their notices and failures shown through the window's own boxes.
using WindowMessage = std::function<void(const QString& title, const QString& text)>;
void addThemeAndLanguageMenus(QMenu& parent, const QString& preferencesPath, const WindowMessage& showNotice,
                              const WindowMessage& showFailure);

}  // namespace vorlan
