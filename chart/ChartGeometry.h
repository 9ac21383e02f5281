#pragma once
// Where things go on a trajectory chart: the plot rectangle inside the device, the data
// extents of all series, the part of them in view, and the mapping between yards, inches,
// ft/s and device coordinates. The painter draws with it and the chart window hit-tests with
// it, so both agree to the pixel.

#include <QRectF>
#include <QString>
#include <optional>
#include <vector>

#include "chart/ChartSeries.h"
#include "engine/Units.h"

class QFontMetricsF;

namespace vorlan {

// A point observed at a real range, drawn over the curves with its uncertainty either way:
// a hold or a drop as inches above the line of sight, or a measured velocity.
struct ChartObservation {
    double range;           // yd
    double value;           // inches, or ft/s on the velocity axis
    double spread = 0.0;    // the uncertainty, in the same unit
    bool velocity = false;  // on the velocity axis
};

// Everything one picture of the chart shows.
struct ChartScene {
    std::vector<ChartSeries> series;  // the first is the window's own shot, the rest overlays
    std::vector<ChartObservation> observations;
    // The legend in the plot's lower left corner, which a drop falling from the line of sight and
    // a velocity falling from the top leave free; otherwise in the upper right.
    bool legendLowerLeft = false;
    // The part of the full extent in view, as fractions of it (0..1 both ways, y upward), so
    // the left and right axes zoom and pan together.
    QRectF view{0.0, 0.0, 1.0, 1.0};
    std::optional<double> cursorRange;        // yd, the readout's yard
    std::optional<QPointF> readoutAnchor;     // device point the readout box follows
    QString title;                            // above the plot when not empty
    QString subtitle;                         // a second line under the title (the print date)
    UnitSystem units = UnitSystem::Imperial;  // what the axes, labels and readout speak
};

// The units a chart shows. The series and the geometry stay in yards, inches and ft/s; the
// axes put their ticks at round values of the shown unit and label them in it.
struct ChartUnits {
    double perYard, perInch, perFps;  // shown units per yard, per inch, per ft/s
    int rangeDecimals;                // of a range written in a label
    QString range, small, velocity;   // "yd", "in", "ft/s" or "m", "cm", "m/s"
};
const ChartUnits& chartUnits(UnitSystem units);

// The data range of one axis.
struct AxisRange {
    double low = 0.0;
    double high = 1.0;
    double span() const { return high - low; }
};

class ChartGeometry {
public:
    // `scale`: device pixels per screen pixel (1 on screen, more for a printer).
    ChartGeometry(const ChartScene& scene, const QRectF& area, double scale);

    QRectF area;  // the whole picture
    QRectF plot;  // the data area inside the axes
    double scale;
    AxisRange range;                                // yd in view
    AxisRange inches;                               // drop and windage in view (left axis)
    AxisRange velocity;                             // ft/s in view (right axis)
    AxisRange fullRange, fullInches, fullVelocity;  // everything, with a margin

    // P(hit) (0 to 1) on a scale of its own: 0 at the plot's bottom, 1 at its top.
    double yAtProbability(double p) const { return plot.bottom() - p * plot.height(); }
    double xAt(double yards) const { return plot.left() + (yards - range.low) / range.span() * plot.width(); }
    double yAtInches(double value) const {
        return plot.bottom() - (value - inches.low) / inches.span() * plot.height();
    }
    double yAtVelocity(double value) const {
        return plot.bottom() - (value - velocity.low) / velocity.span() * plot.height();
    }
    double yardsAt(double x) const { return range.low + (x - plot.left()) / plot.width() * range.span(); }
    // A device point as a fraction of the full extent (the coordinates of ChartScene::view).
    QPointF fractionAt(const QPointF& point) const;

    // The legend's rows, one per series, in device coordinates.
    std::vector<QRectF> legendRows;
    QRectF legend;
    // The legend's row of the P(hit) curve, under the series' rows, when the chart has one.
    std::optional<QRectF> hitLegendRow;
    // Which series' legend row holds `point`.
    std::optional<std::size_t> legendSeriesAt(const QPointF& point) const;

    double fontPixels() const { return 12.0 * scale; }
};

// The legend's key line: what each kind of line means, and the observed points when there are some.
QString legendKey(const ChartScene& scene);

// Tick values for an axis: "nice" steps of 1, 2 or 5 times a power of ten, about `count` of them.
std::vector<double> axisTicks(const AxisRange& axis, int count);
// An axis range in the shown unit, `factor` shown units to one of the axis.
inline AxisRange scaled(const AxisRange& axis, double factor) { return {axis.low * factor, axis.high * factor}; }

}  // namespace vorlan
