// The main dialog's fields in the units the application shows: their exchange, their
// captions, and a change of the units (View > Units) while the dialog is open.

#include <QLabel>
#include <QLineEdit>

#include "shot/AtmosphereCommands.h"
#include "shot/MetricShotKeys.h"
#include "ui/common/ControlIds.h"
#include "ui/main/CVorlan2Dlg.h"
#include "ui/units/CUnitsDlg.h"

namespace vorlan {

namespace {

// The shot file's key of a field ("Sight-In Range"), which the metric figures go by.
std::string_view fileKeyOf(const ShotField& field) {
    for (const ShotFileLine& line : shotFileLines())
        if (line.member == field.member) return line.key;
    return {};
}

}  // namespace

QLabel* CVorlan2Dlg::addCaption(int controlId) {
    const ShotField* field = shotFieldOf(controlId);
    auto* label = new QLabel(QString::fromStdString(field->caption(context().units.choice())));
    if (field->quantity) unitLabels_.push_back({label, field});
    if (controlId == MainDialogIds::kAirDensityEdit) {
        densityLabel_ = label;
        showDensityCaption();
    }
    return label;
}

bool CVorlan2Dlg::exchangeShownDensity(DataExchange& dx) {
    const UnitSystem units = context().units.choice().system();
    if (units == UnitSystem::Imperial) return false;
    if (!dx.saving())
        edit(MainDialogIds::kAirDensityEdit)
            ->setText(QString::fromStdString(shownAirDensityText(shot_.airDensityText, units)));
    return true;
}

void CVorlan2Dlg::showDensityCaption() {
    const ShotField& field = *shotFieldOf(MainDialogIds::kAirDensityEdit);
    densityLabel_->setText(
        QString::fromStdString(fieldCaption(field.label, airDensityUnit(context().units.choice().system()))));
}

void CVorlan2Dlg::exchangeUnitField(DataExchange& dx, const ShotField& field, double minimum) {
    const Unit shown = context().units.of(*field.quantity);
    const std::string_view key = fileKeyOf(field);
    FieldUnit unit{*field.quantity, field.decimals(), field.label};
    // The figures a shot keeps are in the metric preset's units (shot/MetricInputs.h): one is
    // shown as it was typed, which a whole number of yards (the increment) cannot carry. The
    // other quantities go through their designed value, whose conversion gives back the figure
    // typed (shot/Units.h toDesigned) until a file rounds it, and a text left as shown keeps it.
    if (shown == UnitChoice::preset(UnitSystem::Metric).of(*field.quantity)) unit.kept = metricValue(shot_, key);
    std::optional<double> typed;
    if (field.kind == FieldKind::WholeNumber)
        typed = dx.wholeNumber(field.controlId, shot_.*std::get<int ShotParameters::*>(field.member),
                               static_cast<int>(minimum), static_cast<int>(field.maximum), unit);
    else
        typed = dx.number(field.controlId, shot_.*std::get<double ShotParameters::*>(field.member), minimum,
                          field.maximum, unit);
    if (typed) storeTypedValue(shot_, key, *typed, shown);
}

void CVorlan2Dlg::unitsChanged() {
    for (const auto& [label, field] : unitLabels_)
        label->setText(QString::fromStdString(field->caption(context().units.choice())));
    if (densityLabel_) showDensityCaption();
    if (isVisible()) updateData(false);
}

void CVorlan2Dlg::openUnits() {
    if (!updateData()) return;
    chooseUnits(context(), this, preferencesPath());
}

}  // namespace vorlan
