#include "ui/calculations/CComputeOPBZ.h"

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

using namespace OpbzIds;

namespace {

constexpr KeystrokeRule kDiameterKeys{.enabled = true, .fractional = true, .allowMinus = false, .decimals = 3};
constexpr SideNumberField kNumberFields[] = {
    {kDiameterEdit, kDiameterKeys, 0.01, 100.0, QT_TRANSLATE_NOOP("SideWindow", "Target Diameter"),
     QT_TRANSLATE_NOOP("SideWindow", "in."),
     QT_TRANSLATE_NOOP(
         "SideWindow",
         "Diameter of the vital zone in inches, 0.01 to 100; the bullet may rise or fall half of it from the line of "
         "sight."),
     Quantity::Length}};

using LabelledEdit = SideLabelledEdit;
constexpr LabelledEdit kEdits[] = {
    kNumberFields[0].labelled(),
    // The ranges name their unit only where it is not the designed yards.
    {kZeroEdit, QT_TRANSLATE_NOOP("SideWindow", "Optimum Point Blank Zero"), "", Quantity::Distance},
    {kMinimumEdit, QT_TRANSLATE_NOOP("SideWindow", "Minumum Point Blank Range"), "", Quantity::Distance},
    {kMaximumEdit, QT_TRANSLATE_NOOP("SideWindow", "Maximum Point Blank Range"), "", Quantity::Distance},
};

}  // namespace

CComputeOPBZ::CComputeOPBZ(SideWindowOwner& owner)
    : SideWindow(owner, kTemplate, tr("Compute Optimum Point Blank Zero (OPBZ)")) {
    buildControls();
}

void CComputeOPBZ::buildControls() {
    QLineEdit* name = addResultEdit(kNameEdit);
    name->setFixedWidth(2 * 88);
    addNumberEdit(kNumberFields[0]);
    for (int id : {kZeroEdit, kMinimumEdit, kMaximumEdit}) addResultEdit(id);
    CColorBtn* compute = addButton(kComputeButton, tr("Compute"));
    connect(compute, &QPushButton::clicked, this, &CComputeOPBZ::onCompute);

    QGridLayout* grid = editGrid(kEdits);
    grid->setRowMinimumHeight(1, 30);  // the results stand apart from the entry
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 14, 18, 14);
    layout->setSpacing(12);
    layout->addWidget(name, 0, Qt::AlignHCenter);
    layout->addLayout(grid);
    layout->addWidget(compute, 0, Qt::AlignHCenter);
    layout->addWidget(addNoteLabel(kEffectsLabel));
}

void CComputeOPBZ::onInitDialog() {
    const ShotParameters& shot = owner()->shot();
    targetDiameter_ = shot.targetDiameter;
    name_ = shot.name;
    SideWindow::onInitDialog();
}

void CComputeOPBZ::exchange(DataExchange& dx) {
    dx.text(kNameEdit, name_, 0);
    exchangeNumber(dx, kNumberFields[0], targetDiameter_);
    dx.text(kZeroEdit, optimumZero_, 0);
    dx.text(kMinimumEdit, minimumRange_, 0);
    dx.text(kMaximumEdit, maximumRange_, 0);
}

std::span<const SideNumberField> CComputeOPBZ::fields() { return kNumberFields; }

void CComputeOPBZ::onCompute() {
    SideWindowOwner* main = owner();
    if (!main) return;
    // A field that fails its check is reported and ends the command.
    if (!main->takeFields() || !updateData()) return;
    PointBlankZeroSolver solver = shotPointBlankZeroSolver(main->shot());
    solver.targetDiameter = targetDiameter_;
    result_ = solver.solve();
    showRanges();
    name_ = main->shot().name;
    updateData(false);
    showNote(kEffectsLabel, effectsLine(main->shot(), kChosenWords, context().units.choice().system()));
}

// The ranges in yards as designed (the zero rounded, the others cut to whole yards), or in the
// unit of distance shown, rounded to whole ones.
void CComputeOPBZ::showRanges() {
    if (!result_) return;
    const Unit unit = context().units.of(Quantity::Distance);
    const auto shown = [unit](double yards) { return cFormat("%.0f", toShown(yards, Quantity::Distance, unit)); };
    const bool yards = context().units.designed(Quantity::Distance);
    optimumZero_ = shown(result_->optimumZero);
    minimumRange_ = yards ? cFormat("%u", static_cast<unsigned>(result_->minimumRange)) : shown(result_->minimumRange);
    maximumRange_ = yards ? cFormat("%u", static_cast<unsigned>(result_->maximumRange)) : shown(result_->maximumRange);
}

void CComputeOPBZ::unitsChanged() {
    showRanges();
    SideWindow::unitsChanged();
}

void CComputeOPBZ::writeBack(SideWindowOwner& owner) { owner.shot().targetDiameter = targetDiameter_; }

}  // namespace vorlan
