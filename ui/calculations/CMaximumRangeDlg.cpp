#include "ui/calculations/CMaximumRangeDlg.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "reports/table/RangeTable.h"
#include "shot/ShotSetup.h"
#include "ui/common/ControlIds.h"

namespace vorlan {

using namespace MaximumRangeIds;

namespace {

using LabelledEdit = SideLabelledEdit;
// The results of a unit name it as designed ("yards"), or the unit shown in its place.
constexpr LabelledEdit kDistanceEdits[] = {
    {kRangeEdit, QT_TRANSLATE_NOOP("SideWindow", "Terminal Range"), QT_TRANSLATE_NOOP("SideWindow", "yards"),
     Quantity::Distance},
    {kElevationEdit, QT_TRANSLATE_NOOP("SideWindow", "Firing Elevation  (deg.)")},
    {kHeightEdit, QT_TRANSLATE_NOOP("SideWindow", "Maximum Height"), QT_TRANSLATE_NOOP("SideWindow", "feet"),
     Quantity::Altitude},
    {kVelocityEdit, QT_TRANSLATE_NOOP("SideWindow", "Terminal Velocity"), QT_TRANSLATE_NOOP("SideWindow", "ft/sec"),
     Quantity::Velocity},
    {kEnergyEdit, QT_TRANSLATE_NOOP("SideWindow", "Terminal Energy"), QT_TRANSLATE_NOOP("SideWindow", "ft-lbs"),
     Quantity::Energy},
    {kTimeEdit, QT_TRANSLATE_NOOP("SideWindow", "Time of Flight (sec.s)")},
};
constexpr LabelledEdit kHeightEdits[] = {
    {kVerticalHeightEdit, QT_TRANSLATE_NOOP("SideWindow", "Maximum Height"), QT_TRANSLATE_NOOP("SideWindow", "feet"),
     Quantity::Altitude},
    {kVerticalTimeEdit, QT_TRANSLATE_NOOP("SideWindow", "Time of Flight (sec.s)")},
};

}  // namespace

CMaximumRangeDlg::CMaximumRangeDlg(SideWindowOwner& owner) : SideWindow(owner, kTemplate, tr("Compute Maximum Range")) {
    buildControls();
}

void CMaximumRangeDlg::buildControls() {
    QLineEdit* name = addResultEdit(kNameEdit);
    name->setFixedWidth(2 * 88);
    auto* dragLabel = addLabel(kDragLabel, tr("(G1 Drag)"));
    dragLabel->setAlignment(Qt::AlignCenter);
    for (const LabelledEdit& e : kDistanceEdits) addResultEdit(e.controlId);
    for (const LabelledEdit& e : kHeightEdits) addResultEdit(e.controlId);
    auto* sink = new QLineEdit(this);
    setControlId(sink, kFocusSink);
    sink->setFixedSize(0, 0);

    auto* distance = new QGroupBox(tr("Maximum Distance"), this);
    distance->setLayout(editGrid(kDistanceEdits));
    auto* height = new QGroupBox(tr("Maximum Height"), this);
    auto* heightColumn = new QVBoxLayout(height);
    heightColumn->addLayout(editGrid(kHeightEdits));
    heightColumn->addStretch();

    auto* groups = new QHBoxLayout;
    groups->setSpacing(12);
    groups->addWidget(distance);
    groups->addWidget(height, 0);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 12, 14, 12);
    layout->setSpacing(8);
    layout->addWidget(name, 0, Qt::AlignHCenter);
    layout->addWidget(dragLabel);
    layout->addLayout(groups);
    layout->addWidget(addNoteLabel(kEffectsLabel));
    layout->addWidget(sink);
}

void CMaximumRangeDlg::onInitDialog() {
    SideWindow::onInitDialog();
    showResults();
    edit(kFocusSink)->setFocus();
}

void CMaximumRangeDlg::showResults() {
    SideWindowOwner* main = owner();
    // A field that fails its check is reported and nothing is computed from values not shown.
    if (!main->takeFields()) return;
    const ShotParameters& shot = main->shot();
    edit(kNameEdit)->setText(QString::fromStdString(shot.name));
    result_ = shotMaxRangeSolver(shot).computeMaximumRange();
    showFigures();
    controlAs<QLabel>(kDragLabel)->setText(tr("(%1 Drag Function)").arg(withDragName("%s", shot.dragFunction)));
    showNote(kEffectsLabel, effectsLine(shot, kChosenWords, context().units.choice().system()));
}

// The figures in the units shown, with the decimals of the designed ones.
void CMaximumRangeDlg::showFigures() {
    if (!result_) return;
    const MaximumRange& r = *result_;
    const auto shown = [this](const char* format, double value, Quantity quantity) {
        return shownNumber(format, toShown(value, quantity, context().units.of(quantity)));
    };
    // Without a trajectory of any length (a muzzle velocity below 50 ft/s) there is no longest
    // one to describe: its fields stay empty, the vertical shot is shown all the same.
    if (r.found) {
        const std::pair<int, QString> distance[] = {
            {kRangeEdit, shown("%.0f", r.maximumRange, Quantity::Distance)},
            {kElevationEdit, shownNumber("%.1f", r.firingElevation)},
            {kHeightEdit, shown("%.0f", r.maximumHeight, Quantity::Altitude)},
            {kVelocityEdit, shown("%.1f", r.terminalVelocity, Quantity::Velocity)},
            {kEnergyEdit, shown("%.1f", r.terminalEnergy, Quantity::Energy)},
            {kTimeEdit, shownNumber("%.1f", r.timeOfFlight)},
        };
        for (const auto& [id, text] : distance) edit(id)->setText(text);
    }
    edit(kVerticalHeightEdit)->setText(shown("%.0f", r.verticalHeight, Quantity::Altitude));
    edit(kVerticalTimeEdit)->setText(shownNumber("%.1f", r.verticalTime));
}

void CMaximumRangeDlg::unitsChanged() {
    SideWindow::unitsChanged();
    showFigures();
}

}  // namespace vorlan
