#include "reports/TableDialogs.h"

#include <QMessageBox>
#include "reports/FileDialog.h"

namespace vorlan {
namespace {

// Replacing an existing table is not confirmed, as in every version of the program.
QString askWithFileDialog(QWidget* parent, const QString& initialPath) {
    FileRequest request;
    request.kind = FileRequest::Kind::Save;
    request.title = QStringLiteral("Save As");
    request.initialPath = initialPath;
    request.filters = QStringList{QStringLiteral("Text Files (*.txt)")};
    return runFileDialog(parent, request);
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
