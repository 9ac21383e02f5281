#include "reports/common/FileDialog.h"

#include <QFileDialog>
#include <QRegularExpression>

namespace vorlan {
namespace {

// "PNG Pictures (*.png)" -> "png".
QString filterSuffix(const QString& filter) {
    const qsizetype star = filter.indexOf(QStringLiteral("*."));
    if (star < 0) return {};
    const qsizetype end = filter.indexOf(QRegularExpression(QStringLiteral("[ );]")), star);
    return filter.mid(star + 2, end < 0 ? -1 : end - star - 2);
}

}  // namespace

QString runFileDialog(QWidget* owner, const FileRequest& request) {
    const bool saving = request.kind == FileRequest::Kind::Save;
    const QString title = !request.title.isEmpty() ? request.title
                          : saving                 ? QObject::tr("Save As")
                                                   : QObject::tr("Open");
    QFileDialog dialog(owner, title);
    dialog.setAcceptMode(saving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(request.kind == FileRequest::Kind::Folder ? QFileDialog::Directory : QFileDialog::AnyFile);
    if (!request.confirmOverwrite) dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setNameFilters(request.filters);
    if (!request.filters.isEmpty()) dialog.setDefaultSuffix(filterSuffix(request.filters.constFirst()));
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                     [&dialog](const QString& filter) { dialog.setDefaultSuffix(filterSuffix(filter)); });
    dialog.selectFile(request.initialPath);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().constFirst();
}

}  // namespace vorlan
