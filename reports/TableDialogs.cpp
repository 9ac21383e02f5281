#include "TableDialogs.h"

#include <QFileDialog>
#include <QMessageBox>

namespace vorlan {
namespace {

QString askWithFileDialog(QWidget* parent, const QString& initialPath) {
    QFileDialog dialog(parent, QStringLiteral("Save As"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(QStringLiteral("txt"));
    dialog.setNameFilter(QStringLiteral("Text Files (*.txt)"));
    // Replacing an existing table is not confirmed, as in every version of the program.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.selectFile(initialPath);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().constFirst();
}

void warnWithMessageBox(QWidget* parent, const QString& title, const QString& message) {
    QMessageBox::warning(parent, title, message);
}

}  // namespace

TableDialogs standardTableDialogs() { return {askWithFileDialog, warnWithMessageBox}; }

TableDialogs& tableDialogs() {
    static TableDialogs dialogs = standardTableDialogs();
    return dialogs;
}

}  // namespace vorlan
