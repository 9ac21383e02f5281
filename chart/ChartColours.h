#pragma once
// The colours of the program's pictures: the chart (its traces, grid, words, legend and
// readout, the P(hit) curve) and the Hit Probability window's scatter of impacts. Paper is the
// designed set, on white: printing, exported pictures and a light window use it. Dark is the
// set for a window with a dark palette, every line and word of it readable on its background.

#include <QColor>
#include <array>
#include <cstddef>

class QPalette;

namespace vorlan {

struct ChartColours {
    QColor background;
    QColor text;  // titles, axis numbers and names, the legend's and readout's words
    QColor grid;
    QColor frame;  // the plot's frame, a dot's ring, an observed point
    QColor lineOfSight;
    QColor sightIn, target;
    QColor hitCurve;  // the P(hit) curve, its scale and the ethical range
    QColor cursor;
    QColor cursorRing;  // around the cursor's dots on the curves
    QColor legendFrame, legendFill;
    QColor readoutFrame, readoutFill;
    QColor observationFill, velocityObservationFill;
    int labelDarkening;            // QColor::darker() factor of a label written in a trace's colour
    std::array<QColor, 6> series;  // the window's own shot first, then the overlays
    // The Hit Probability window's scatter: the target, the hits and the misses.
    QColor targetFill, hitDot, missDot;
    QColor beyondReachText;  // a range past the ethical one, in the window's table

    QColor seriesColor(std::size_t index) const { return series[index % series.size()]; }
    QColor labelColor(const QColor& trace) const { return trace.darker(labelDarkening); }
};

const ChartColours& paperChartColours();
const ChartColours& darkChartColours();

// A palette whose window is darker than its text: a dark theme's.
bool isDarkPalette(const QPalette& palette);
// The set for a window of `palette`.
const ChartColours& chartColoursFor(const QPalette& palette);

}  // namespace vorlan
