#include "ui/CEVWCalculations.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>
#include <limits>

#include "shot/ShotSetup.h"
#include "ui/CColorBtn.h"
#include "ui/DataExchange.h"

namespace vorlan {

namespace {

constexpr int kTemplate = 157;
constexpr int kVelocity = 1073;
constexpr int kWeight = 1075;
constexpr int kEnergy = 1076;
constexpr int kPowerFactor = 1082;
constexpr int kFirstMode = 1077;
constexpr int kGunWeight = 1074;
constexpr int kPowderWeight = 1081;
constexpr int kRecoilEnergy = 1080;
constexpr int kCalculate = 1025;
constexpr int kCalculateRecoil = 1027;

constexpr KeystrokeRule kOneDecimal{.enabled = true, .fractional = true, .allowMinus = false, .decimals = 1};
constexpr KeystrokeRule kTwoDecimals{.enabled = true, .fractional = true, .allowMinus = false, .decimals = 2};
constexpr double kAny = std::numeric_limits<double>::infinity();

constexpr KeystrokeRule kResult{};  // read-only results take no keystrokes
constexpr SideNumberField kVelocityField{kVelocity, kOneDecimal, -kAny, kAny};
constexpr SideNumberField kWeightField{kWeight, kTwoDecimals, -kAny, kAny};
constexpr SideNumberField kEnergyField{kEnergy, kOneDecimal, -kAny, kAny};
constexpr SideNumberField kPowerFactorField{kPowerFactor, kResult, -kAny, kAny};
constexpr SideNumberField kGunWeightField{kGunWeight, kOneDecimal, 1.0, 1000.0};
constexpr SideNumberField kPowderWeightField{kPowderWeight, kOneDecimal, 0.0, 200.0};
constexpr SideNumberField kRecoilEnergyField{kRecoilEnergy, kResult, -kAny, kAny};
constexpr SideNumberField kNumberFields[] = {
    kVelocityField,  kWeightField,       kEnergyField,      kPowerFactorField,
    kGunWeightField, kPowderWeightField, kRecoilEnergyField};  // in exchange order

const char* const kModeCaptions[] = {
    "Energy from Velocity and Weight",
    "Velocity from Weight and Energy",
    "Weight from Velocity and Energy",
};

// Which of velocity, weight and energy each mode derives, and so makes read-only.
constexpr int kDerivedEdit[] = {kEnergy, kVelocity, kWeight};

using LabelledEdit = SideLabelledEdit;
constexpr LabelledEdit kBulletEdits[] = {
    {kVelocity, "Velocity (fps)"},
    {kWeight, "Weight (grains)"},
    {kEnergy, "Energy (ft.lbs.)"},
    {kPowerFactor, "Power Factor"},
};
constexpr LabelledEdit kRecoilEdits[] = {
    {kGunWeight, "Gun Weight (ounces)"},
    {kPowderWeight, "Powder Weight (grains)"},
    {kRecoilEnergy, "Recoil Energy (ft.lbs.)"},
};

}  // namespace

CEVWCalculations::CEVWCalculations(SideWindowOwner& owner)
    : SideWindow(owner, kTemplate, QStringLiteral("Energy, Velocity and Weight Calculations")) {
    buildControls();
}

void CEVWCalculations::buildControls() {
    addNumberEdit(kVelocityField);
    addNumberEdit(kWeightField);
    addNumberEdit(kEnergyField)->setReadOnly(true);
    addResultEdit(kPowerFactor);
    addNumberEdit(kGunWeightField);
    addNumberEdit(kPowderWeightField);
    addResultEdit(kRecoilEnergy);
    CColorBtn* calculate = addButton(kCalculate, QStringLiteral("Calculate"));
    CColorBtn* recoil = addButton(kCalculateRecoil, QStringLiteral("Calculate"));
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
        auto* radio = new QRadioButton(QString::fromLatin1(kModeCaptions[mode]), this);
        setControlId(radio, kFirstMode + mode);
        connect(radio, &QRadioButton::clicked, this, [this, mode] { onModeChange(mode); });
        column->addWidget(radio);
        buttons.append(radio);
    }
    registerRadioGroup(kFirstMode, buttons);
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
    dx.radioGroup(kFirstMode, calculator_.mode);
    exchangeNumber(dx, kGunWeightField, calculator_.gunWeight);
    exchangeNumber(dx, kPowderWeightField, calculator_.powderWeight);
    exchangeNumber(dx, kRecoilEnergyField, calculator_.recoilEnergy);
}

std::span<const SideNumberField> CEVWCalculations::numberFields() const { return kNumberFields; }

void CEVWCalculations::showModeStates() {
    // A stored mode outside 0..2 keeps the starting states: only the energy is read-only.
    const int mode = calculator_.mode;
    const bool known = mode >= 0 && mode < 3;
    for (int id : kDerivedEdit) setReadOnly(id, known ? id == kDerivedEdit[mode] : id == kEnergy);
}

void CEVWCalculations::onCalculate() {
    if (!updateData()) return;
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
    updateData();
    showModeStates();
    // Velocity from weight and energy only takes the fields again; the others show them.
    if (mode == static_cast<int>(CalculatorMode::Velocity))
        updateData();
    else
        updateData(false);
}

void CEVWCalculations::writeBack(SideWindowOwner& owner) { storeCalculator(owner.shot(), calculator_); }

}  // namespace vorlan
