#pragma once
// "Compute Maximum Range": the longest trajectory of the main dialog's shot (its length,
// firing elevation, highest point, terminal velocity and energy, time of flight) and the
// height and climb time of the same shot fired straight up. The window computes once, when
// it opens, and keeps that snapshot; it writes nothing back.

#include <optional>

#include "engine/MaxRangeSolver.h"
#include "ui/common/SideWindow.h"

namespace vorlan {

class CMaximumRangeDlg : public SideWindow {
    Q_OBJECT
public:
    explicit CMaximumRangeDlg(SideWindowOwner& owner);

protected:
    void onInitDialog() override;
    void unitsChanged() override;

private:
    void buildControls();
    void showResults();
    void showFigures();

    std::optional<MaximumRange> result_;  // the snapshot, in the designed units
};

}  // namespace vorlan
