#include "ui/CComputeOPBZ.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "shot/CLocaleNumbers.h"
#include "shot/ShotSetup.h"
#include "ui/CColorBtn.h"
#include "ui/DataExchange.h"

namespace vorlan {

namespace {

constexpr int kTemplate = 139;
constexpr int kName = 1043;
constexpr int kDiameter = 1013;
constexpr int kZero = 1067;
constexpr int kMinimum = 1010;
constexpr int kMaximum = 1009;
constexpr int kCompute = 1008;

constexpr KeystrokeRule kDiameterKeys{.enabled = true, .fractional = true, .allowMinus = false, .decimals = 3};
constexpr SideNumberField kNumberFields[] = {{kDiameter, kDiameterKeys, 0.01, 100.0}};

using LabelledEdit = SideLabelledEdit;
constexpr LabelledEdit kEdits[] = {
    {kDiameter, "Target Diameter (in.)"},
    {kZero, "Optimum Point Blank Zero"},
    {kMinimum, "Minumum Point Blank Range"},
    {kMaximum, "Maximum Point Blank Range"},
};

}  // namespace

CComputeOPBZ::CComputeOPBZ(SideWindowOwner& owner)
    : SideWindow(owner, kTemplate, QStringLiteral("Compute Optimum Point Blank Zero (OPBZ)")) {
    buildControls();
}

void CComputeOPBZ::buildControls() {
    QLineEdit* name = addResultEdit(kName);
    name->setFixedWidth(2 * 88);
    addNumberEdit(kNumberFields[0]);
    for (int id : {kZero, kMinimum, kMaximum}) addResultEdit(id);
    CColorBtn* compute = addButton(kCompute, QStringLiteral("Compute"));
    connect(compute, &QPushButton::clicked, this, &CComputeOPBZ::onCompute);

    QGridLayout* grid = editGrid(kEdits);
    grid->setRowMinimumHeight(1, 30);  // the results stand apart from the entry
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 14, 18, 14);
    layout->setSpacing(12);
    layout->addWidget(name, 0, Qt::AlignHCenter);
    layout->addLayout(grid);
    layout->addWidget(compute, 0, Qt::AlignHCenter);
}

void CComputeOPBZ::onInitDialog() {
    const ShotParameters& shot = owner()->shot();
    targetDiameter_ = shot.targetDiameter;
    name_ = shot.name;
    SideWindow::onInitDialog();
}

void CComputeOPBZ::exchange(DataExchange& dx) {
    dx.text(kName, name_, 0);
    exchangeNumber(dx, kNumberFields[0], targetDiameter_);
    dx.text(kZero, optimumZero_, 0);
    dx.text(kMinimum, minimumRange_, 0);
    dx.text(kMaximum, maximumRange_, 0);
}

std::span<const SideNumberField> CComputeOPBZ::numberFields() const { return kNumberFields; }

void CComputeOPBZ::onCompute() {
    SideWindowOwner* main = owner();
    if (!main) return;
    // A field that fails its check is reported and ends the command.
    if (!main->takeFields() || !updateData()) return;
    PointBlankZeroSolver solver = shotPointBlankZeroSolver(main->shot());
    solver.targetDiameter = targetDiameter_;
    const PointBlankZero result = solver.solve();
    optimumZero_ = cFormat("%.0f", result.optimumZero);
    minimumRange_ = cFormat("%u", static_cast<unsigned>(result.minimumRange));
    maximumRange_ = cFormat("%u", static_cast<unsigned>(result.maximumRange));
    name_ = main->shot().name;
    updateData(false);
}

void CComputeOPBZ::writeBack(SideWindowOwner& owner) { owner.shot().targetDiameter = targetDiameter_; }

}  // namespace vorlan
