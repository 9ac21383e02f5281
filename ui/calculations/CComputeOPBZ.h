#pragma once
// "Compute Optimum Point Blank Zero (OPBZ)": for a vital zone of the diameter entered, the
// farthest zero at which the main dialog's shot never rises above the zone before the zero,
// and the ranges between which it stays inside the zone. Every Compute reads the shot
// afresh; the diameter goes back into the shot when the window closes.

#include <optional>
#include <string>

#include "engine/PointBlankZeroSolver.h"

#include "ui/common/SideWindow.h"

namespace vorlan {

class CComputeOPBZ : public SideWindow {
    Q_OBJECT
public:
    explicit CComputeOPBZ(SideWindowOwner& owner);

    // The window's number edits with their captions and help, in the order its exchange takes them.
    static std::span<const SideNumberField> fields();
    std::span<const SideNumberField> numberFields() const override { return fields(); }

    void onCompute();

protected:
    void onInitDialog() override;
    void exchange(DataExchange& dx) override;
    void writeBack(SideWindowOwner& owner) override;
    bool enterCloses() const override { return false; }
    void unitsChanged() override;

private:
    void buildControls();
    void showRanges();

    double targetDiameter_ = 1.0;           // inches
    std::string name_;                      // the shot's name
    std::optional<PointBlankZero> result_;  // the last Compute's, in yards
    std::string optimumZero_;               // as shown
    std::string minimumRange_;
    std::string maximumRange_;
};

}  // namespace vorlan
