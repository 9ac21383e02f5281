#pragma once
// The chart of a range table window: drop, windage and velocity against range for the
// window's own shot and any overlays, with a cursor whose readout shows the table's columns
// at the nearest yard. The wheel zooms about the pointer, a drag pans, a Shift+drag rubber
// band zooms to its rectangle, Home or a double click shows everything again; the arrow keys
// move the cursor one yard (Shift: ten).

#include <QPoint>
#include <QRect>
#include <QWidget>
#include <atomic>
#include <optional>
#include <thread>

#include "chart/ChartGeometry.h"

namespace vorlan {

struct ShotParameters;

class TrajectoryChartView : public QWidget {
    Q_OBJECT
public:
    explicit TrajectoryChartView(ChartSeries own, QWidget* parent = nullptr);
    ~TrajectoryChartView() override;

    // Counts the hits of `shot`, the window's own, in the background and draws its P(hit) curve
    // once they are in (hitsCounted is emitted); a shot without spreads has none. A newer count
    // or closing the chart stops the one before.
    void countHitsOf(const ShotParameters& shot);
    // Draws `own` in place of the window's own shot (the overlays stay), its P(hit) curve
    // until a new count is in.
    void setOwn(ChartSeries own);

    const ChartScene& scene() const { return scene_; }
    // The geometry of the picture as it is now on screen.
    ChartGeometry chartGeometry() const;

    void addOverlay(ChartSeries series);
    // Points observed at real ranges, drawn over the curves.
    void setObservations(std::vector<ChartObservation> observations);
    void setLegendLowerLeft(bool lowerLeft);
    // Removes overlay `index` (1 or more: the window's own shot stays).
    void removeOverlay(std::size_t index);

    // Shows everything again.
    void resetView();
    // Zooms by `factor` (above 1 closer) about a device point.
    void zoomAbout(const QPointF& point, double factor);
    // Moves the cursor to the yard nearest `range` and the readout with it.
    void setCursorRange(double range);
    // Shows the axes, labels and readout in `units`; the picture's extent stays as it is.
    void setUnits(UnitSystem units);

signals:
    void overlaysChanged();
    void hitsCounted();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void setView(const QRectF& view);

    ChartScene scene_;
    enum class Drag { None, Pan, RubberBand } drag_ = Drag::None;
    QPoint dragStart_;
    QRectF viewAtDragStart_;
    QRect rubberBand_;
    std::thread hitCount_;
    std::atomic<bool> stopHitCount_{false};
    int hitCountNumber_ = 0;  // tells the result of a stopped count from the newest one's
};

}  // namespace vorlan
