#pragma once
// The application object: it owns the QApplication and the state every window shares, and
// runs the program in its designed order. Start-up: dialog colour, command line, hidden main
// window, main dialog; the main dialog's modal run is the program's main loop; when it
// returns the dialog and the hidden window go and the program ends.

#include <QApplication>
#include <QString>
#include <QStringList>
#include <functional>
#include <string>

#include "ui/common/AppContext.h"

namespace vorlan {

class CVorlan2Dlg;

class CVorlan2App {
public:
    CVorlan2App(int& argc, char** argv);

    // The whole program (the framework's InitInstance); returns the exit status.
    int run();

    AppContext& context() { return context_; }
    // Called with the main dialog just before its modal run (the start-up probe uses it).
    std::function<void(CVorlan2Dlg&)> beforeModalRun;

    // The first argument that is not an option; options begin with "-".
    static QString commandLineFile(const QStringList& arguments);
    // Vorlan2.ini beside the program when it is there, or when the program runs from a
    // writable folder that is not an installed tree (a build or a portable copy); otherwise in
    // the user's configuration folder. An installed program never writes beside itself, not
    // even when run by root.
    static std::string settingsFilePath(const QString& programDirectory);
    // Whether the program's folder is the bin/ of an installed tree: its desktop entry lies at
    // the installed place relative to it (../share/applications/vorlan.desktop).
    static bool isInstalledTree(const QString& programDirectory);

private:
    QApplication application_;
    AppContext context_;
};

}  // namespace vorlan
