#include "ui/units/CUnitsDlg.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

#include "engine/Catalogue.h"
#include "ui/common/CColorBtn.h"
#include "ui/common/ControlIds.h"

namespace vorlan {

using namespace UnitsIds;

namespace {

// What each quantity covers, in the order of Quantity.
const char* const kQuantityNames[kQuantityCount] = {
    QT_TRANSLATE_NOOP("vorlan::CUnitsDlg", "Distance"),
    QT_TRANSLATE_NOOP("vorlan::CUnitsDlg", "Velocity"),
    QT_TRANSLATE_NOOP("vorlan::CUnitsDlg", "Bullet weight"),
    QT_TRANSLATE_NOOP("vorlan::CUnitsDlg", "Sight height and lengths"),
    QT_TRANSLATE_NOOP("vorlan::CUnitsDlg", "Drop and windage"),
    QT_TRANSLATE_NOOP("vorlan::CUnitsDlg", "Temperature"),
    QT_TRANSLATE_NOOP("vorlan::CUnitsDlg", "Pressure"),
    QT_TRANSLATE_NOOP("vorlan::CUnitsDlg", "Altitude"),
    QT_TRANSLATE_NOOP("vorlan::CUnitsDlg", "Wind and target speed"),
    QT_TRANSLATE_NOOP("vorlan::CUnitsDlg", "Energy"),
    QT_TRANSLATE_NOOP("vorlan::CUnitsDlg", "Gun weight"),
};

}  // namespace

CUnitsDlg::CUnitsDlg(AppContext& context, QWidget* parent) : ThemedDialog(context, kTemplate, parent, false) {
    setWindowTitle(tr("Units"));
    buildControls();
    showChoice(context.units.choice());
}

void CUnitsDlg::buildControls() {
    auto* presets = new QGroupBox(tr("Preset"), this);
    auto* presetRow = new QHBoxLayout(presets);
    imperial_ = new QRadioButton(tr("&Imperial"), presets);
    metric_ = new QRadioButton(tr("&Metric"), presets);
    setControlId(imperial_, kImperial);
    setControlId(metric_, kMetric);
    for (QRadioButton* radio : {imperial_, metric_}) presetRow->addWidget(radio);
    presetRow->addStretch();
    connect(imperial_, &QRadioButton::clicked, this, [this] { showChoice(UnitChoice::preset(UnitSystem::Imperial)); });
    connect(metric_, &QRadioButton::clicked, this, [this] { showChoice(UnitChoice::preset(UnitSystem::Metric)); });

    auto* grid = new QGridLayout;
    for (std::size_t q = 0; q < kQuantityCount; ++q) {
        auto* list = new QComboBox(this);
        setControlId(list, kFirstUnit + static_cast<int>(q));
        list->setObjectName(QStringLiteral("units") + QString::fromLatin1(quantityKey(Quantity(q)).data()));
        for (const UnitOfQuantity& u : unitsOf(Quantity(q)))
            list->addItem(QString::fromUtf8(translated(u.label)), static_cast<int>(u.unit));
        connect(list, &QComboBox::activated, this, [this] { markPreset(); });
        auto* label = new QLabel(tr(kQuantityNames[q]), this);
        label->setBuddy(list);
        grid->addWidget(label, static_cast<int>(q), 0);
        grid->addWidget(list, static_cast<int>(q), 1);
        lists_.append(list);
    }

    auto* ok = new CColorBtn(tr("OK"), this);
    auto* cancel = new CColorBtn(tr("Cancel"), this);
    setControlId(ok, kOk);
    setControlId(cancel, kCancel);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(presets);
    layout->addLayout(grid);
    layout->addLayout(buttons);
}

UnitChoice CUnitsDlg::choice() const {
    UnitChoice choice;
    for (std::size_t q = 0; q < kQuantityCount; ++q)
        choice.set(Quantity(q), static_cast<Unit>(lists_[static_cast<int>(q)]->currentData().toInt()));
    return choice;
}

void CUnitsDlg::showChoice(const UnitChoice& choice) {
    for (std::size_t q = 0; q < kQuantityCount; ++q) {
        QComboBox* list = lists_[static_cast<int>(q)];
        list->setCurrentIndex(list->findData(static_cast<int>(choice.of(Quantity(q)))));
    }
    markPreset();
}

void CUnitsDlg::markPreset() {
    // A mix of the two presets checks neither.
    const UnitChoice shown = choice();
    for (auto [radio, system] : {std::pair{imperial_, UnitSystem::Imperial}, std::pair{metric_, UnitSystem::Metric}}) {
        radio->setAutoExclusive(false);
        radio->setChecked(shown == UnitChoice::preset(system));
        radio->setAutoExclusive(true);
    }
}

void chooseUnits(AppContext& context, QWidget* owner, const QString& preferencesPath) {
    CUnitsDlg dialog(context, owner);
    if (dialog.exec() != QDialog::Accepted) return;
    context.units.setChoice(dialog.choice());
    if (const FileOutcome saved = context.units.save(preferencesPath); !saved)
        context.showFailure(owner, CUnitsDlg::tr("Preferences Not Saved"),
                            CUnitsDlg::tr("The units could not be saved to \"%1\".\n%2")
                                .arg(preferencesPath, QString::fromStdString(saved.reason())));
}

}  // namespace vorlan
