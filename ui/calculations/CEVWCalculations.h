#pragma once
// "Energy, Velocity and Weight Calculations": a calculator for a bullet's velocity, weight and
// energy (the mode says which of the three is derived from the other two), its power factor,
// and the recoil energy of the gun. It starts from the values kept in the shot and stores them
// there again, mode included, when it closes; calculating alone changes nothing in the shot.

#include "engine/EvwCalculator.h"
#include "ui/common/SideWindow.h"

namespace vorlan {

class CEVWCalculations : public SideWindow {
    Q_OBJECT
public:
    explicit CEVWCalculations(SideWindowOwner& owner);

    // The window's number edits with their captions and help, in the order its exchange takes them.
    static std::span<const SideNumberField> fields();
    std::span<const SideNumberField> numberFields() const override { return fields(); }

    const EvwCalculator& calculator() const { return calculator_; }

    void onCalculate();        // upper button: energy, velocity or weight, and the power factor
    void onCalculateRecoil();  // lower button
    void onModeChange(int mode);

protected:
    void onInitDialog() override;
    void exchange(DataExchange& dx) override;
    void writeBack(SideWindowOwner& owner) override;

private:
    void buildControls();
    QLayout* buildModeButtons();
    void showModeStates();

    EvwCalculator calculator_;
};

}  // namespace vorlan
