#include "AppContext.h"

#include <QFileDialog>

#include "CColorMsgBox.h"
#include "ThemedDialog.h"

// The resources live in this static library; naming them here keeps them linked in.
static void initVorlanResources() { Q_INIT_RESOURCE(vorlan); }

namespace vorlan {

namespace {

QString runFileDialog(QWidget* owner, const FileRequest& request) {
    const bool saving = request.kind == FileRequest::Kind::Save;
    QFileDialog dialog(owner, saving ? QObject::tr("Save As") : QObject::tr("Open"));
    dialog.setAcceptMode(saving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    // Neither dialog asks before replacing a file nor insists that an opened file exists.
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setNameFilter(request.filter);
    dialog.setDefaultSuffix(request.defaultSuffix);
    dialog.selectFile(request.initialPath);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().constFirst();
}

}  // namespace

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
}

void AppContext::refreshAllWindows() {
    for (QWidget* window : openDialogs.oldestToNewest()) {
        if (auto* dialog = qobject_cast<ThemedDialog*>(window)) dialog->applyDialogColor();
        window->update();
    }
}

}  // namespace vorlan
