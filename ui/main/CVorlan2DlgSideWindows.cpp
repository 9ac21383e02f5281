// The main dialog's buttons for the side calculations: each press opens one more window for
// this dialog; earlier ones stay open.

#include "reports/table/TrajectoryWindow.h"
#include "ui/advanced/CAdvancedDlg.h"
#include "ui/advanced/CTruingDlg.h"
#include "ui/calculations/CComputeBC.h"
#include "ui/calculations/CComputeOPBZ.h"
#include "ui/calculations/CEVWCalculations.h"
#include "ui/calculations/CMaximumRangeDlg.h"
#include "ui/common/DataExchange.h"
#include "ui/main/CVorlan2Dlg.h"

namespace vorlan {

namespace {

template <class Window>
Window* openSideWindow(CVorlan2Dlg& mainDialog) {
    auto* window = new Window(mainDialog);  // deletes itself when it closes
    mainDialog.placeNewWindow(window, CVorlan2Dlg::WindowKind::Side);
    window->show();
    window->raise();  // in front of the windows opened before it
    window->activateWindow();
    return window;
}

}  // namespace

void CVorlan2Dlg::onComputeBC() { openSideWindow<CComputeBC>(*this); }
void CVorlan2Dlg::onMaximumRange() { openSideWindow<CMaximumRangeDlg>(*this); }
void CVorlan2Dlg::onOPBZ() { openSideWindow<CComputeOPBZ>(*this); }
void CVorlan2Dlg::onCalculations() { openSideWindow<CEVWCalculations>(*this); }
void CVorlan2Dlg::onAdvanced() { openSideWindow<CAdvancedDlg>(*this); }
void CVorlan2Dlg::openTruing() { openSideWindow<CTruingDlg>(*this); }

void CVorlan2Dlg::openTruing(TrajectoryWindow& table) {
    std::erase_if(openedFromTables_, [](const auto& pair) { return !pair.first || !pair.second; });
    openedFromTables_.emplace_back(openSideWindow<CTruingDlg>(*this), &table);
}

void CVorlan2Dlg::shotChanged(QWidget* window) {
    for (const auto& [opened, table] : openedFromTables_)
        if (opened == window && table) table->shotChanged(shot_);
}

void CVorlan2Dlg::exchangeSideWindows(DataExchange& dx) {
    if (dx.failed()) return;
    for (QWidget* window : context().openDialogs.oldestToNewest()) {
        auto* side = qobject_cast<SideWindow*>(window);
        if (!side || side->owner() != this) continue;
        if (!dx.saving()) {
            side->showWithOwner();
        } else if (!side->takeWithOwner()) {
            dx.markFailed();
            return;
        }
    }
}

}  // namespace vorlan
