#include "reports/chartview/ChartDialogs.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QListWidget>
#include <QVBoxLayout>

#include "reports/common/FileDialog.h"

namespace vorlan {
namespace {

// An existing picture is replaced only when the user confirms it.
QString askWithFileDialog(QWidget* parent, const QString& initialPath) {
    FileRequest request;
    request.kind = FileRequest::Kind::Save;
    request.title = QCoreApplication::translate("ChartDialogs", "Export Chart");
    request.initialPath = initialPath;
    request.filters = QStringList{QCoreApplication::translate("ChartDialogs", "PNG Pictures (*.png)"),
                                  QCoreApplication::translate("ChartDialogs", "SVG Drawings (*.svg)")};
    request.confirmOverwrite = true;
    return runFileDialog(parent, request);
}

QList<int> chooseFromList(QWidget* parent, const QStringList& names) {
    QDialog dialog(parent);
    dialog.setWindowTitle(QCoreApplication::translate("ChartDialogs", "Add to Chart"));
    auto* list = new QListWidget(&dialog);
    list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list->addItems(names);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    QObject::connect(list, &QListWidget::itemDoubleClicked, &dialog, &QDialog::accept);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(list);
    layout->addWidget(buttons);
    QList<int> chosen;
    if (dialog.exec() != QDialog::Accepted) return chosen;
    for (int i = 0; i < list->count(); ++i)
        if (list->item(i)->isSelected()) chosen << i;
    return chosen;
}

}  // namespace

ChartDialogs standardChartDialogs() { return {askWithFileDialog, chooseFromList}; }

ChartDialogs& chartDialogs() {
    static ChartDialogs dialogs = standardChartDialogs();
    return dialogs;
}

}  // namespace vorlan
