#pragma once
// "Truing": the muzzle velocity and a drag scale fitted to what the shooter observed at real
// ranges, so that the table matches the rifle. The observations are typed in a table (a row
// is checked when it is left, an empty row is no row) or loaded from a CSV; Fit fits the main
// dialog's shot as it stands and shows the fitted values with their standard errors, the
// residual at every reading before and after, and the chart of the observed points over the
// predicted curves before and after. Apply writes the fitted velocity and drag scale into the
// shot; Clear Truing takes them out again. OK keeps the observations with the shot; Cancel,
// Escape and the close box leave the shot's observations as they were.
//
//   rows -> TruingSession: fit(main dialog's shot) -> result, residuals, chart (TruingView.h)
//        -> Apply: session.apply(shot) -> main dialog's fields

#include <array>
#include <optional>
#include <vector>

#include "shot/TruingSession.h"
#include "ui/common/ControlIds.h"
#include "ui/common/SideWindow.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QTableWidget;

namespace vorlan {

class TrajectoryChartView;

class CTruingDlg : public SideWindow {
    Q_OBJECT
public:
    explicit CTruingDlg(SideWindowOwner& owner);

    // The observations as the rows last read (or as the shot held them at the start).
    const std::vector<Observation>& observations() const { return session_.observations(); }
    // The last fit; none before the first.
    const std::optional<TruingResult>& result() const { return session_.result(); }
    const TrajectoryChartView* chart() const { return chart_; }

    // The commands of the window's buttons.
    void onLoadCsv();
    void onSaveCsv();
    void onFit();
    void onApply();
    void onClearTruing();
    void onOk();

    void accept() override;  // Enter: OK
    void reject() override;  // Escape and Cancel: the shot keeps its observations as they were

protected:
    void onInitDialog() override;
    void exchange(DataExchange& dx) override;
    void writeBack(SideWindowOwner& owner) override;
    void closeEvent(QCloseEvent* event) override;
    void unitsChanged() override;

private:
    static constexpr int kCellDecimals = 4;  // the digits a cell takes after the point

    void buildControls();
    QGroupBox* buildObservationsGroup();
    QGroupBox* buildFitGroup();
    void exchangeRow(DataExchange& dx, int row, std::vector<Observation>& read);
    void exchangeCell(DataExchange& dx, int id, int column, double& value);
    // The column headings with the units their cells are shown in.
    void showHeadings();
    QString velocity(double fps) const;
    void showResult();
    void showResiduals();
    void showChart();
    void showStatus(const QString& text);
    // The owner's shot after its fields are taken, checked whole; none (and told) otherwise.
    ShotParameters* takenShot();

    int rowCount_;
    TruingSession session_;
    bool keep_ = false;  // closed with OK
    QComboBox* fitChoice_ = nullptr;
    std::array<QLabel*, TruingIds::kColumns> headings_{};
    QTableWidget* residuals_ = nullptr;
    TrajectoryChartView* chart_ = nullptr;
    QWidget* chartHolder_ = nullptr;
};

}  // namespace vorlan
