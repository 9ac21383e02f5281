#include "app/CVorlan2App.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include "app/CAboutDlg.h"
#include "app/CHiddenWindow.h"
#include "reports/common/Language.h"
#include "reports/common/Theme.h"
#include "shot/SettingsFile.h"
#include "ui/main/CVorlan2Dlg.h"

namespace vorlan {

CVorlan2App::CVorlan2App(int& argc, char** argv) : application_(argc, argv) {
    QApplication::setApplicationName(QStringLiteral("Vorlan2"));
    // No display name: the window system would append it to every window title.
    QApplication::setDesktopFileName(QStringLiteral("vorlan"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/icon132.png")));
}

QString CVorlan2App::commandLineFile(const QStringList& arguments) {
    for (qsizetype i = 1; i < arguments.size(); ++i)
        if (!arguments[i].startsWith(u'-')) return arguments[i];
    return {};
}

bool CVorlan2App::isInstalledTree(const QString& programDirectory) {
    return QFileInfo::exists(QDir(programDirectory).filePath(QStringLiteral(VORLAN_INSTALLED_DESKTOP_ENTRY)));
}

std::string CVorlan2App::settingsFilePath(const QString& programDirectory) {
    const QString name = QString::fromLatin1(kSettingsFileName.data(), kSettingsFileName.size());
    const QString besideProgram = QDir(programDirectory).filePath(name);
    if (QFileInfo::exists(besideProgram) ||
        (!isInstalledTree(programDirectory) && QFileInfo(programDirectory).isWritable()))
        return QFile::encodeName(besideProgram).toStdString();
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    QDir().mkpath(folder);
    return QFile::encodeName(QDir(folder).filePath(name)).toStdString();
}

int CVorlan2App::run() {
    context_.dialogColor = QColor(195, 190, 228);
    context_.commandLineFile = commandLineFile(QApplication::arguments());
    context_.settingsPath = settingsFilePath(QApplication::applicationDirPath());
    // Before the first window is built: windows take their texts when they are made.
    applyLanguage(loadLanguage(context_.preferencesPath()));
    context_.showAbout = [this](QWidget* owner) {
        CAboutDlg about(context_, owner);
        about.exec();
    };

    auto* hidden = new CHiddenWindow;  // never shown
    context_.help = hidden;
    auto* dialog = new CVorlan2Dlg(context_);
    hidden->mainDialog = dialog;
    applyTheme(loadTheme(dialog->preferencesPath()));
    context_.units.load(dialog->preferencesPath());
    if (beforeModalRun) beforeModalRun(*dialog);
    dialog->exec();

    delete dialog;
    context_.help = nullptr;
    delete hidden;
    return 0;
}

}  // namespace vorlan
