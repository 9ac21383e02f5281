#include "ui/common/AppContext.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>

#include "ui/common/CColorMsgBox.h"
#include "ui/common/ThemedDialog.h"

// The resources live in this static library; naming them here keeps them linked in.
static void initVorlanResources() { Q_INIT_RESOURCE(vorlan); }

namespace vorlan {

AppContext::AppContext() {
    initVorlanResources();
    showMessage = [this](QWidget* owner, const QString& message) {
        CColorMsgBox box(*this, message, owner);
        box.exec();
    };
    showFailure = [this](QWidget* owner, const QString& title, const QString& message) {
        CColorMsgBox box(*this, message, owner);
        box.setWindowTitle(title);
        box.exec();
    };
    showNotice = [](QWidget* owner, const QString& title, const QString& message) {
        QMessageBox::information(owner, title, message);
    };
    chooseFile = runFileDialog;
    ask = [](QWidget* owner, const QString& title, const QString& question) {
        return QMessageBox::question(owner, title, question) == QMessageBox::Yes;
    };
}

void AppContext::refreshAllWindows() {
    for (QWidget* window : openDialogs.oldestToNewest()) {
        if (auto* dialog = qobject_cast<ThemedDialog*>(window)) dialog->applyDialogColor();
        window->update();
    }
}

QString AppContext::preferencesPath() const {
    if (settingsPath.empty()) return {};
    const QFileInfo settings(QFile::decodeName(settingsPath.c_str()));
    return settings.dir().filePath(QStringLiteral("Vorlan Preferences.ini"));
}

}  // namespace vorlan
