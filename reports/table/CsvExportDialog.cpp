#include "reports/table/CsvExportDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QVBoxLayout>

#include "shot/ScopeProfile.h"

namespace vorlan {
namespace {

// The dialog takes the colour of the dialog that opened the table window, as the program's
// other small dialogs do.
void takeOwnerColour(QDialog& dialog, QWidget* parent) {
    QWidget* owner = parent ? parent->window()->parentWidget() : nullptr;
    if (!owner) return;
    QPalette palette = dialog.palette();
    palette.setColor(QPalette::Window, owner->window()->palette().color(QPalette::Window));
    dialog.setPalette(palette);
}

}  // namespace

CsvExportDialog::CsvExportDialog(const CsvOptions& initial, QWidget* parent)
    : QDialog(parent),
      initial_(initial),
      printedOnly_(new QCheckBox(tr("Only the &printed rows"))),
      holds_(new QCheckBox(tr("&Holds: true MOA, mil and clicks"))),
      click_(new QComboBox),
      units_(new QComboBox) {
    setWindowTitle(tr("Export CSV"));
    takeOwnerColour(*this, parent);
    printedOnly_->setObjectName(QStringLiteral("csvPrintedOnly"));
    printedOnly_->setChecked(!initial.everyYard);
    holds_->setObjectName(QStringLiteral("csvHolds"));
    holds_->setChecked(initial.holds);
    click_->setObjectName(QStringLiteral("csvClick"));
    bool listed = false;
    for (const ClickValue click : standardClickValues()) {
        click_->addItem(QString::fromStdString(clickValueLabel(click)), QString::fromStdString(clickValueText(click)));
        listed = listed || click == initial.click;
    }
    if (!listed)
        click_->addItem(QString::fromStdString(clickValueLabel(initial.click)),
                        QString::fromStdString(clickValueText(initial.click)));
    click_->setCurrentIndex(click_->findData(QString::fromStdString(clickValueText(initial.click))));
    units_->setObjectName(QStringLiteral("csvUnits"));
    units_->addItems({tr("Imperial"), tr("Metric")});
    units_->setCurrentIndex(initial.units == UnitSystem::Metric ? 1 : 0);

    auto* form = new QFormLayout;
    form->addRow(printedOnly_);
    form->addRow(holds_);
    form->addRow(tr("&Click value:"), click_);
    form->addRow(tr("&Units:"), units_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
}

CsvOptions CsvExportDialog::options() const {
    CsvOptions chosen = initial_;
    chosen.everyYard = !printedOnly_->isChecked();
    chosen.holds = holds_->isChecked();
    chosen.click = parseClickValue(click_->currentData().toString().toStdString()).value_or(initial_.click);
    chosen.units = units_->currentIndex() == 1 ? UnitSystem::Metric : UnitSystem::Imperial;
    return chosen;
}

bool askCsvOptionsWithDialog(QWidget* parent, CsvOptions& options) {
    CsvExportDialog dialog(options, parent);
    if (dialog.exec() != QDialog::Accepted) return false;
    options = dialog.options();
    return true;
}

}  // namespace vorlan
