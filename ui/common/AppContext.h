#pragma once
// What the application object shares with every window: the dialog colour, the list of open
// windows, where the settings live, the route to help, and one seam in front of each modal
// box so that tests can read a message or answer a file dialog without a modal loop.

#include <QColor>
#include <QString>
#include <functional>
#include <string>

#include "reports/common/FileDialog.h"
#include "reports/common/ShownUnits.h"
#include "ui/common/OpenDialogs.h"

namespace vorlan {

class HelpHandler;

class AppContext {
public:
    AppContext();  // installs the real message box and file dialogs
    AppContext(const AppContext&) = delete;
    AppContext& operator=(const AppContext&) = delete;

    QColor dialogColor{195, 190, 228};
    OpenDialogs openDialogs;
    HelpHandler* help = nullptr;  // the hidden window; none in some tests
    std::string settingsPath;     // the settings file; empty: none is read or written
    QString commandLineFile;      // shot file named when the program was started
    ShownUnits units;             // the units every window shows and reads (View > Units)

    std::function<void(QWidget* owner, const QString& message)> showMessage;
    // The same coloured box with a title of its own, for a file that could not be read or written.
    std::function<void(QWidget* owner, const QString& title, const QString& message)> showFailure;
    // Something worth knowing that went right, in the desktop's information box.
    std::function<void(QWidget* owner, const QString& title, const QString& message)> showNotice;
    // The chosen path, or an empty text when the user cancelled.
    std::function<QString(QWidget* owner, const FileRequest& request)> chooseFile;
    std::function<void(QWidget* owner)> showAbout;
    // A question answered Yes (true) or No.
    std::function<bool(QWidget* owner, const QString& title, const QString& question)> ask;

    // Repaints every open window in the current dialog colour.
    void refreshAllWindows();
    // "Vorlan Preferences.ini" beside the settings file; empty when no settings file is named.
    QString preferencesPath() const;
};

}  // namespace vorlan
