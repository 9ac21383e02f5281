#include "ui/calculations/CComputeBC.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "reports/table/RangeTable.h"
#include "shot/CLocaleNumbers.h"
#include "shot/ShotSetup.h"
#include "ui/common/CColorBtn.h"
#include "ui/common/ControlIds.h"
#include "ui/common/DataExchange.h"

namespace vorlan {

using namespace ComputeBcIds;

namespace {

constexpr KeystrokeRule kVelocityKeys{.enabled = true, .fractional = true, .allowMinus = false, .decimals = 1};
constexpr KeystrokeRule kDistanceKeys{.enabled = true, .fractional = false, .allowMinus = false, .decimals = 0};
constexpr KeystrokeRule kNewBcKeys{.enabled = true, .fractional = true, .allowMinus = false, .decimals = 4};
constexpr SideNumberField kNearField{
    kNearSpeedEdit,
    kVelocityKeys,
    1.0,
    5000.0,
    QT_TRANSLATE_NOOP("SideWindow", "Near Velocity"),
    QT_TRANSLATE_NOOP("SideWindow", "fps"),
    QT_TRANSLATE_NOOP("SideWindow",
                      "Velocity measured at the chronograph nearer the muzzle, in feet per second, 1 "
                      "to 5000."),
    Quantity::Velocity};
constexpr SideNumberField kFarField{
    kFarSpeedEdit,
    kVelocityKeys,
    0.0,
    5000.0,
    QT_TRANSLATE_NOOP("SideWindow", "Far Velocity"),
    QT_TRANSLATE_NOOP("SideWindow", "fps"),
    QT_TRANSLATE_NOOP("SideWindow",
                      "Velocity measured at the chronograph farther down range, in feet per second, 0 "
                      "to 5000; it must be lower than the near velocity."),
    Quantity::Velocity};
constexpr SideNumberField kDistanceField{
    kDistanceEdit,
    kDistanceKeys,
    1.0,
    5000.0,
    QT_TRANSLATE_NOOP("SideWindow", "Distance"),
    QT_TRANSLATE_NOOP("SideWindow", "ft"),
    QT_TRANSLATE_NOOP("SideWindow",
                      "Distance between the two chronographs in feet, a whole number from 1 to "
                      "5000."),
    Quantity::Altitude};                                                              // feet, or metres
constexpr SideNumberField kNumberFields[] = {kDistanceField, kNearField, kFarField};  // in exchange order
// What Set New BC accepts; the main dialog's own field would take up to 2.
constexpr double kLowestBc = 0.0001;
constexpr double kHighestBc = 1.0;
constexpr int kNewBcLength = 6;

constexpr SideLabelledEdit kInputs[] = {kNearField.labelled(), kFarField.labelled(), kDistanceField.labelled()};

QString bcOutcomeText(BcOutcome outcome) {
    switch (outcome) {
        case BcOutcome::Usable:
            return {};
        case BcOutcome::EqualVelocities:
            return CComputeBC::tr("The two velocities are equal: there is no loss to measure.");
        case BcOutcome::FarAboveNear:
            return CComputeBC::tr("The far velocity is above the near one: no coefficient slows a bullet that way.");
        case BcOutcome::LossTooSmall:
            return CComputeBC::tr("The loss is too small over this distance: the coefficient would be above 1.");
        case BcOutcome::NotSettled:
        case BcOutcome::Unusable:
            break;
    }
    return CComputeBC::tr("These readings give no usable coefficient.");
}

}  // namespace

CComputeBC::CComputeBC(SideWindowOwner& owner)
    : SideWindow(owner, kTemplate, tr("Compute Ballistic Coefficient")),
      newBcLabel_(tr("New BC")),
      reason_(new QLabel(this)) {
    buildControls();
}

void CComputeBC::buildControls() {
    addNumberEdit(kNearField);
    addNumberEdit(kFarField);
    addNumberEdit(kDistanceField);
    QLineEdit* result = addResultEdit(kNewBcEdit);
    QLabel* resultLabel = addLabel(kNewBcLabel, newBcLabel_);
    CColorBtn* setNew = addButton(kSetNewBcButton, tr("Set New BC"));
    CColorBtn* compute = addButton(kComputeButton, tr("Compute"));
    connect(setNew, &QPushButton::clicked, this, &CComputeBC::onSetNewBC);
    connect(compute, &QPushButton::clicked, this, &CComputeBC::onCompute);

    QGridLayout* grid = editGrid(kInputs);
    grid->addWidget(result, 3, 0, Qt::AlignRight);
    grid->addWidget(resultLabel, 3, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(compute);
    buttons->addWidget(setNew);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 16, 18, 14);
    layout->setSpacing(14);
    layout->addLayout(grid);
    reason_->setWordWrap(true);
    reason_->setObjectName(QStringLiteral("bcReason"));
    layout->addWidget(reason_);
    layout->addWidget(addNoteLabel(kNoteLabel));
    layout->addLayout(buttons);
}

void CComputeBC::onInitDialog() {
    const ShotParameters& shot = owner()->shot();
    nearVelocity_ = shot.nearChronoSpeed;
    farVelocity_ = shot.farChronoSpeed;
    distance_ = shot.chronoDistance;
    SideWindow::onInitDialog();
}

void CComputeBC::exchange(DataExchange& dx) {
    exchangeNumber(dx, kDistanceField, distance_);
    exchangeNumber(dx, kNearField, nearVelocity_);
    exchangeNumber(dx, kFarField, farVelocity_);
    dx.text(kNewBcEdit, newBc_, kNewBcLength);
    if (!dx.saving() && !dx.failed()) controlAs<QLabel>(kNewBcLabel)->setText(newBcLabel_);
}

std::span<const SideNumberField> CComputeBC::fields() { return kNumberFields; }

void CComputeBC::onCompute() {
    SideWindowOwner* main = owner();
    if (!main) return;
    // A field that fails its check is reported and ends the command.
    if (!updateData() || !main->takeFields()) return;
    ChronographBcSolver solver = shotChronographBcSolver(main->shot());
    solver.nearVelocity = nearVelocity_;
    solver.farVelocity = farVelocity_;
    solver.distance = distance_;
    const ChronographBc result = solver.solve();
    newBcLabel_ = tr("New BC  (%1)").arg(withDragName("%s", main->shot().dragFunction));
    reason_->clear();
    showNote(kNoteLabel, result.usable() ? coefficientNote(main->shot()) : std::string());
    if (result.usable()) {
        newBc_ = cFormat("%6.4f", result.ballisticCoefficient);
        updateData(false);
        return;
    }
    // Equal readings, a faster far reading or too small a loss give no coefficient: say why.
    newBc_.clear();
    edit(kNewBcEdit)->clear();
    reason_->setText(bcOutcomeText(result.outcome));
}

QString CComputeBC::reason() const { return reason_->text(); }

void CComputeBC::onSetNewBC() {
    SideWindowOwner* main = owner();
    if (!main) return;
    validator().configure(kNewBcKeys);
    validator().rangeCheck = true;
    validator().minimum = kLowestBc;
    validator().maximum = kHighestBc;
    if (!validator().check(edit(kNewBcEdit))) {
        newBc_.clear();
        edit(kNewBcEdit)->clear();
        return;
    }
    updateData();
    if (newBc_.empty()) return;
    main->shot().ballisticCoefficient = cToDouble(newBc_);
    main->showFields();
}

void CComputeBC::writeBack(SideWindowOwner& owner) {
    ShotParameters& shot = owner.shot();
    shot.nearChronoSpeed = nearVelocity_;
    shot.farChronoSpeed = farVelocity_;
    shot.chronoDistance = distance_;
}

}  // namespace vorlan
