#include "ui/calculations/CEVWCalculations.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>
#include <limits>

#include "shot/ShotSetup.h"
#include "ui/common/CColorBtn.h"
#include "ui/common/ControlIds.h"
#include "ui/common/DataExchange.h"

namespace vorlan {

using namespace EvwIds;

namespace {

constexpr KeystrokeRule kOneDecimal{.enabled = true, .fractional = true, .allowMinus = false, .decimals = 1};
constexpr KeystrokeRule kTwoDecimals{.enabled = true, .fractional = true, .allowMinus = false, .decimals = 2};
constexpr double kAny = std::numeric_limits<double>::infinity();

constexpr KeystrokeRule kResult{};  // read-only results take no keystrokes
constexpr SideNumberField kVelocityField{
    kVelocityEdit,
    kOneDecimal,
    -kAny,
    kAny,
    QT_TRANSLATE_NOOP("SideWindow", "Velocity"),
    QT_TRANSLATE_NOOP("SideWindow", "fps"),
    QT_TRANSLATE_NOOP("SideWindow", "Bullet velocity in feet per second, 0 or more."),
    Quantity::Velocity};
constexpr SideNumberField kWeightField{kWeightEdit,
                                       kTwoDecimals,
                                       -kAny,
                                       kAny,
                                       QT_TRANSLATE_NOOP("SideWindow", "Weight"),
                                       QT_TRANSLATE_NOOP("SideWindow", "grains"),
                                       QT_TRANSLATE_NOOP("SideWindow", "Bullet weight in grains, 0 or more."),
                                       Quantity::Weight};
constexpr SideNumberField kEnergyField{kEnergyEdit,
                                       kOneDecimal,
                                       -kAny,
                                       kAny,
                                       QT_TRANSLATE_NOOP("SideWindow", "Energy"),
                                       QT_TRANSLATE_NOOP("SideWindow", "ft.lbs."),
                                       QT_TRANSLATE_NOOP("SideWindow", "Bullet energy in foot-pounds, 0 or more."),
                                       Quantity::Energy};
constexpr SideNumberField kPowerFactorField{
    kPowerFactorEdit,
    kResult,
    -kAny,
    kAny,
    QT_TRANSLATE_NOOP("SideWindow", "Power Factor"),
    "",
    QT_TRANSLATE_NOOP("SideWindow",
                      "Power factor: weight in grains times velocity in feet per second, divided by 1000.")};
constexpr SideNumberField kGunWeightField{
    kGunWeightEdit,
    kOneDecimal,
    1.0,
    1000.0,
    QT_TRANSLATE_NOOP("SideWindow", "Gun Weight"),
    QT_TRANSLATE_NOOP("SideWindow", "ounces"),
    QT_TRANSLATE_NOOP("SideWindow", "Weight of the gun in ounces, 1 to 1000 (16 ounces make a pound)."),
    Quantity::GunWeight};
constexpr SideNumberField kPowderWeightField{
    kPowderWeightEdit,
    kOneDecimal,
    0.0,
    200.0,
    QT_TRANSLATE_NOOP("SideWindow", "Powder Weight"),
    QT_TRANSLATE_NOOP("SideWindow", "grains"),
    QT_TRANSLATE_NOOP("SideWindow", "Weight of the powder charge in grains, 0 to 200."),
    Quantity::Weight};
constexpr SideNumberField kRecoilEnergyField{
    kRecoilEnergyEdit,
    kResult,
    -kAny,
    kAny,
    QT_TRANSLATE_NOOP("SideWindow", "Recoil Energy"),
    QT_TRANSLATE_NOOP("SideWindow", "ft.lbs."),
    QT_TRANSLATE_NOOP("SideWindow", "Energy of the gun's recoil in foot-pounds."),
    Quantity::Energy};
constexpr SideNumberField kNumberFields[] = {
    kVelocityField,  kWeightField,       kEnergyField,      kPowerFactorField,
    kGunWeightField, kPowderWeightField, kRecoilEnergyField};  // in exchange order

const char* const kModeCaptions[] = {
    QT_TRANSLATE_NOOP("vorlan::CEVWCalculations", "Energy from Velocity and Weight"),
    QT_TRANSLATE_NOOP("vorlan::CEVWCalculations", "Velocity from Weight and Energy"),
    QT_TRANSLATE_NOOP("vorlan::CEVWCalculations", "Weight from Velocity and Energy"),
};

// Which of velocity, weight and energy each mode derives, and so makes read-only.
constexpr int kDerivedEdit[] = {kEnergyEdit, kVelocityEdit, kWeightEdit};

constexpr SideLabelledEdit kBulletEdits[] = {kVelocityField.labelled(), kWeightField.labelled(),
                                             kEnergyField.labelled(), kPowerFactorField.labelled()};
constexpr SideLabelledEdit kRecoilEdits[] = {kGunWeightField.labelled(), kPowderWeightField.labelled(),
                                             kRecoilEnergyField.labelled()};

}  // namespace

CEVWCalculations::CEVWCalculations(SideWindowOwner& owner)
    : SideWindow(owner, kTemplate, tr("Energy, Velocity and Weight Calculations")) {
    buildControls();
}

void CEVWCalculations::buildControls() {
    addNumberEdit(kVelocityField);
    addNumberEdit(kWeightField);
    addNumberEdit(kEnergyField)->setReadOnly(true);
    addResultEdit(kPowerFactorEdit);
    addNumberEdit(kGunWeightField);
    addNumberEdit(kPowderWeightField);
    addResultEdit(kRecoilEnergyEdit);
    CColorBtn* calculate = addButton(kCalculateButton, tr("Calculate"));
    CColorBtn* recoil = addButton(kCalculateRecoilButton, tr("Calculate"));
    connect(calculate, &QPushButton::clicked, this, &CEVWCalculations::onCalculate);
    connect(recoil, &QPushButton::clicked, this, &CEVWCalculations::onCalculateRecoil);

    auto* bullet = new QGroupBox(this);
    auto* bulletColumn = new QVBoxLayout(bullet);
    bulletColumn->addLayout(buildModeButtons());
    bulletColumn->addLayout(editGrid(kBulletEdits));
    bulletColumn->addWidget(calculate, 0, Qt::AlignHCenter);
    auto* gun = new QGroupBox(this);
    auto* gunColumn = new QVBoxLayout(gun);
    gunColumn->addLayout(editGrid(kRecoilEdits));
    gunColumn->addWidget(recoil, 0, Qt::AlignHCenter);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 12, 14, 12);
    layout->setSpacing(10);
    layout->addWidget(bullet);
    layout->addWidget(gun);
}

QLayout* CEVWCalculations::buildModeButtons() {
    auto* column = new QVBoxLayout;
    QList<QRadioButton*> buttons;
    for (int mode = 0; mode < 3; ++mode) {
        auto* radio = new QRadioButton(tr(kModeCaptions[mode]), this);
        setControlId(radio, kEnergyModeRadio + mode);
        // The mode's result field is computed, not read: a bad value there never blocks the click.
        settleFieldsWith(kEnergyModeRadio + mode, {kDerivedEdit[mode]});
        connect(radio, &QRadioButton::clicked, this, [this, mode] { onModeChange(mode); });
        column->addWidget(radio);
        buttons.append(radio);
    }
    registerRadioGroup(kEnergyModeRadio, buttons);
    return column;
}

void CEVWCalculations::onInitDialog() {
    calculator_ = shotCalculator(owner()->shot());
    showModeStates();
    SideWindow::onInitDialog();
}

void CEVWCalculations::exchange(DataExchange& dx) {
    exchangeNumber(dx, kVelocityField, calculator_.velocity);
    exchangeNumber(dx, kWeightField, calculator_.weight);
    exchangeNumber(dx, kEnergyField, calculator_.energy);
    exchangeNumber(dx, kPowerFactorField, calculator_.powerFactor);
    dx.radioGroup(kEnergyModeRadio, calculator_.mode);
    exchangeNumber(dx, kGunWeightField, calculator_.gunWeight);
    exchangeNumber(dx, kPowderWeightField, calculator_.powderWeight);
    exchangeNumber(dx, kRecoilEnergyField, calculator_.recoilEnergy);
}

std::span<const SideNumberField> CEVWCalculations::fields() { return kNumberFields; }

void CEVWCalculations::showModeStates() {
    // A stored mode outside 0..2 keeps the starting states: only the energy is read-only.
    const int mode = calculator_.mode;
    const bool known = mode >= 0 && mode < 3;
    for (int id : kDerivedEdit) setReadOnly(id, known ? id == kDerivedEdit[mode] : id == kEnergyEdit);
}

void CEVWCalculations::onCalculate() {
    // The result field is overwritten: only the inputs are checked.
    const int mode = calculator_.mode;
    if (!updateDataExcept(mode >= 0 && mode < 3 ? fieldsSettledBy(kEnergyModeRadio + mode) : QList<int>{})) return;
    // Without a defined result (a division by zero, say) the engine stores 0 and the window
    // shows it; nothing stops.
    calculator_.calculate();
    updateData(false);
}

void CEVWCalculations::onCalculateRecoil() {
    // Leaving an edit has already taken the values.
    calculator_.calculateRecoil();
    updateData(false);
}

void CEVWCalculations::onModeChange(int mode) {
    calculator_.mode = mode;
    const QList<int> result = fieldsSettledBy(kEnergyModeRadio + mode);
    updateDataExcept(result);
    showModeStates();
    // Velocity from weight and energy only takes the fields again; the others show them.
    if (mode == static_cast<int>(CalculatorMode::Velocity))
        updateDataExcept(result);
    else
        updateData(false);
}

void CEVWCalculations::writeBack(SideWindowOwner& owner) { storeCalculator(owner.shot(), calculator_); }

}  // namespace vorlan
