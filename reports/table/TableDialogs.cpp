#include "reports/table/TableDialogs.h"

#include <QCoreApplication>
#include <QMessageBox>
#include "reports/common/FileDialog.h"
#include "reports/table/CsvExportDialog.h"

namespace vorlan {
namespace {

QString askSaveName(QWidget* parent, const QString& title, const QString& initialPath, const QString& filter,
                    bool confirmOverwrite) {
    FileRequest request;
    request.kind = FileRequest::Kind::Save;
    request.title = title;
    request.initialPath = initialPath;
    request.filters = QStringList{filter};
    request.confirmOverwrite = confirmOverwrite;
    return runFileDialog(parent, request);
}

// Replacing an existing table is not confirmed, as in every version of the program.
QString askWithFileDialog(QWidget* parent, const QString& initialPath) {
    return askSaveName(parent, QCoreApplication::translate("TableDialogs", "Save As"), initialPath,
                       QCoreApplication::translate("TableDialogs", "Text Files (*.txt)"), false);
}

// A CSV is a new kind of file: replacing one is confirmed, as the platform's dialogs do.
QString askCsvWithFileDialog(QWidget* parent, const QString& initialPath) {
    return askSaveName(parent, QCoreApplication::translate("TableDialogs", "Export CSV"), initialPath,
                       QCoreApplication::translate("TableDialogs", "CSV Files (*.csv)"), true);
}

QString askCardWithFileDialog(QWidget* parent, const QString& initialPath) {
    return askSaveName(parent, QCoreApplication::translate("TableDialogs", "Export Field Card"), initialPath,
                       QCoreApplication::translate("TableDialogs", "Field Cards (*.pdf *.svg *.png)"), true);
}

void warnWithMessageBox(QWidget* parent, const QString& title, const QString& message) {
    QMessageBox::warning(parent, title, message);
}

void informWithMessageBox(QWidget* parent, const QString& title, const QString& message) {
    QMessageBox::information(parent, title, message);
}

}  // namespace

TableDialogs standardTableDialogs() {
    return {askWithFileDialog,     askCsvOptionsWithDialog, askCsvWithFileDialog,
            askCardWithFileDialog, warnWithMessageBox,      informWithMessageBox};
}

TableDialogs& tableDialogs() {
    static TableDialogs dialogs = standardTableDialogs();
    return dialogs;
}

}  // namespace vorlan
