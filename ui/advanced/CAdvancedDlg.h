#pragma once
// "Advanced": the inputs beyond the designed flight, all part of the main dialog's shot -
// wind from any direction or in zones along the range, spin drift, the stability behind it
// and the aerodynamic jump, the Earth's rotation, the powder's temperature, a custom drag
// table, velocity bands of coefficients and the conditions of the day of the zero. The
// stability factor, its advice and the adjusted muzzle velocity follow the fields as they are
// typed. The fields go into the shot whenever the main dialog takes its fields and when the
// window closes; a field that fails its check goes nowhere.

#include <array>
#include <vector>

#include "engine/AdvancedEffects.h"
#include "ui/common/ControlIds.h"
#include "ui/common/SideWindow.h"

class QGroupBox;

namespace vorlan {

class CAdvancedDlg : public SideWindow {
    Q_OBJECT
public:
    explicit CAdvancedDlg(SideWindowOwner& owner);

    std::span<const SideNumberField> numberFields() const override;
    bool takeWithOwner() override;
    void showWithOwner() override;

    // The commands of the window's buttons.
    void onLoadCsv();
    void onCustomDrag(bool checked);
    void onSensitivityFromReadings();
    void onTruing();

protected:
    void onInitDialog() override;
    // The results follow the units too.
    void unitsChanged() override;
    void exchange(DataExchange& dx) override;
    void writeBack(SideWindowOwner& owner) override;

private:
    // Layout, one group box each (CAdvancedDlgLayout.cpp).
    void buildControls();
    QGroupBox* buildWindGroup();
    QGroupBox* buildSpinGroup();
    QGroupBox* buildCoriolisGroup();
    QGroupBox* buildPowderGroup();
    QGroupBox* buildDragGroup();
    QGroupBox* buildZonesGroup();
    QGroupBox* buildZeroGroup();
    QGroupBox* buildTruingGroup();
    void followTyping();

    void exchangeDirection(DataExchange& dx);
    void exchangeDrag(DataExchange& dx);
    void exchangeBands(DataExchange& dx);
    void exchangeZones(DataExchange& dx);
    // A cell of a band or zone `row` (named in the message) whose row has a number elsewhere:
    // empty, it is refused by its `name` (marked in the side windows' context), with the unit
    // the cell is shown in: "speed (m.p.h.)"; else it is exchanged as any number.
    void exchangeRowCell(DataExchange& dx, const QString& row, const SideNumberField& cell, const char* name,
                         double& value);
    void onDirectionUnit();
    void showDragTable(const QString& status);
    // The results from the fields as they stand, without checks.
    void showResults();
    double typedNumber(const SideNumberField& field, double otherwise) const;
    // A result of `quantity` in the unit shown, with its unit ("0.264 in."; `designedUnit` in
    // the designed one).
    QString shownIn(Quantity quantity, double designed, const char* format, const QString& designedUnit) const;

    // The chronograph readings are no part of the shot: across a change of the units they are
    // kept in the designed units (NaN: blank) and shown again in the new ones.
    void keepReadings();
    void showReadings();

    AdvancedEffects effects_;
    std::array<double, 4> readings_{};
    std::vector<MachCd> dragTable_;  // the table last loaded or read from the shot
    int directionUnit_ = 0;          // 0 degrees, 1 clock hours
};

}  // namespace vorlan
