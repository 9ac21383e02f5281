#pragma once
// The painter behind paintChart (chart/ChartPainter.h): one chart painted onto one device, its
// parts in the order they overlap. Its drawing is split by what it paints: ChartPainter.cpp (the
// order, the pens, and the labels that keep clear of each other and of the dots),
// ChartAxes.cpp (title, grid, axes and their numbers), ChartTraces.cpp (the series, their
// marked points, the observations and the cursor) and ChartLegend.cpp (the P(hit) curve and
// scale, the legend and the cursor's readout).

#include <QFont>
#include <QPainter>
#include <QPolygonF>
#include <optional>
#include <vector>

#include "chart/ChartColours.h"
#include "chart/ChartPainter.h"

namespace vorlan::chartpaint {

// One quantity of a row, in the unit of its axis.
using Quantity = double (*)(const TrajectoryPoint&);
inline double dropInches(const TrajectoryPoint& row) { return row.drop * 12.0; }
inline double windageInches(const TrajectoryPoint& row) { return row.windage * 12.0; }
inline double velocityFps(const TrajectoryPoint& row) { return row.velocity; }

class ChartCanvas {
public:
    ChartCanvas(QPainter& p, const ChartScene& scene, const ChartGeometry& g, const ChartColours& colours);
    ChartMarks paint();

private:
    double px(double screenPixels) const { return screenPixels * g_.scale; }
    double y(Quantity q, double value) const { return q == velocityFps ? g_.yAtVelocity(value) : g_.yAtInches(value); }
    QString shownRange(double yards) const { return QString::number(yards * u_.perYard, 'f', u_.rangeDecimals); }
    QRectF dotBox(const QPointF& at) const { return {at - QPointF(px(4), px(4)), QSizeF(px(8), px(8))}; }

    struct Dot {
        QPointF at;
        QString text;
    };
    struct ReadoutLine {
        QString name, value;
        QColor color;
    };

    // ChartPainter.cpp
    QPen pen(const QColor& color, double width, Qt::PenStyle style = Qt::SolidLine) const;
    void drawLabel(const QPointF& at, const QString& text, const QColor& color);
    bool overlapsLabel(const QRectF& box) const;
    // ChartAxes.cpp
    int tickCount(double length, double room, int most) const;
    std::vector<double> rangeTicks() const;
    std::vector<double> smallTicks() const;
    std::vector<double> velocityTicks() const;
    void drawTitle();
    void drawGrid();
    void drawAxes();
    void drawVerticalText(double left, const QString& text);
    // ChartTraces.cpp
    void drawLineOfSight();
    void drawRangeMarkers(const ChartSeries& series);
    QPolygonF polyline(const ChartSeries& series, Quantity q) const;
    void drawSeries(const ChartSeries& series, const QColor& color);
    std::vector<Dot> dots(const ChartSeries& series) const;
    void drawDot(const QPointF& at, const QColor& color, const QString& text);
    void drawPointMarkers(const ChartSeries& series, const QColor& color);
    void drawObservations();
    void drawCursor();
    // ChartLegend.cpp
    const std::vector<ChartHitPoint>* hitCurve() const;
    std::optional<double> hitAt(double yards) const;
    void drawHitScale();
    void drawHitCurve();
    void drawLegend();
    std::vector<ReadoutLine> readoutLines() const;
    void drawReadout();

    QPainter& p_;
    const ChartScene& scene_;
    const ChartGeometry& g_;
    const ChartUnits& u_;
    const ChartColours& c_;
    QFont font_;
    ChartMarks marks_;  // where labels and dots have gone, so that the next label avoids them
};

}  // namespace vorlan::chartpaint
