#pragma once
// "Shot Comparison Results": where the current shot strikes relative to the baseline at the
// target range. The main dialog computes the comparison when Shoot is pressed; the window
// only shows that snapshot and is never recomputed. Each press opens a further window, which
// deletes itself when closed.

#include <string>
#include <vector>

#include "chart/ChartSeries.h"
#include "reports/comparison/ShotComparison.h"
#include "ui/common/ThemedDialog.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace vorlan {

class CShoot : public ThemedDialog {
    Q_OBJECT
public:
    CShoot(AppContext& context, ComparisonTexts texts, QWidget* parent = nullptr);
    ~CShoot() override;

    const ComparisonTexts& texts() const { return texts_; }
    // The current and the baseline shot for the "Chart" button, which stays disabled without them.
    void setChartSeries(std::vector<ChartSeries> series);
    QPushButton* chartButton() const { return chartButton_; }

protected:
    void onInitDialog() override;
    void exchange(DataExchange& dx) override;

private:
    void buildControls();
    QLineEdit* addResult(int controlId);

    ComparisonTexts texts_;
    QLabel* status_;
    QLabel* effects_;
    QLabel* dropSide_ = nullptr;   // "high" or "low"
    QLabel* driftSide_ = nullptr;  // "right" or "left"
    QLineEdit* focusHolder_;
    QPushButton* chartButton_;
    std::vector<ChartSeries> chartSeries_;
};

}  // namespace vorlan
