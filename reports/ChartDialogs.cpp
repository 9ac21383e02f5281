#include "ChartDialogs.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QListWidget>
#include <QVBoxLayout>

namespace vorlan {
namespace {

QString askWithFileDialog(QWidget* parent, const QString& initialPath) {
    QFileDialog dialog(parent, QStringLiteral("Export Chart"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters({QStringLiteral("PNG Pictures (*.png)"), QStringLiteral("SVG Drawings (*.svg)")});
    dialog.setDefaultSuffix(QStringLiteral("png"));
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString& filter) {
        dialog.setDefaultSuffix(filter.contains(QStringLiteral("svg")) ? QStringLiteral("svg") : QStringLiteral("png"));
    });
    dialog.selectFile(initialPath);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().constFirst();
}

QList<int> chooseFromList(QWidget* parent, const QStringList& names) {
    QDialog dialog(parent);
    dialog.setWindowTitle(QStringLiteral("Add to Chart"));
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
