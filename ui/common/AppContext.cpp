#include "ui/common/AppContext.h"

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

}  // namespace vorlan
