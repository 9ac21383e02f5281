#include "chart/ChartColours.h"

#include <QPalette>

namespace vorlan {

const ChartColours& paperChartColours() {
    static const ChartColours paper{
        .background = Qt::white,
        .text = Qt::black,
        .grid = QColor(225, 225, 225),
        .frame = Qt::black,
        .lineOfSight = QColor(90, 90, 90),
        .sightIn = QColor(0, 130, 0),
        .target = QColor(200, 0, 0),
        .hitCurve = QColor(200, 110, 0),
        .cursor = QColor(60, 60, 60),
        .cursorRing = Qt::white,
        .legendFrame = QColor(160, 160, 160),
        .legendFill = QColor(255, 255, 255, 235),
        .readoutFrame = QColor(120, 120, 120),
        .readoutFill = QColor(255, 255, 225, 240),
        .observationFill = Qt::white,
        .velocityObservationFill = QColor(200, 200, 200),
        .labelDarkening = 130,
        .series = {QColor(31, 119, 180), QColor(214, 39, 40), QColor(44, 160, 44), QColor(148, 103, 189),
                   QColor(255, 127, 14), QColor(140, 86, 75)},
        .targetFill = QColor(255, 240, 200),
        .hitDot = QColor(0, 140, 60, 170),
        .missDot = QColor(200, 30, 30, 170),
        .beyondReachText = QColor(170, 0, 0),
    };
    return paper;
}

const ChartColours& darkChartColours() {
    // Lighter tints of the paper hues, so that a trace keeps its meaning in either theme.
    static const ChartColours dark{
        .background = QColor(24, 26, 30),
        .text = QColor(230, 230, 230),
        .grid = QColor(128, 132, 140),
        .frame = QColor(190, 190, 190),
        .lineOfSight = QColor(170, 170, 170),
        .sightIn = QColor(100, 200, 100),
        .target = QColor(255, 120, 120),
        .hitCurve = QColor(255, 170, 60),
        .cursor = QColor(200, 200, 200),
        .cursorRing = QColor(24, 26, 30),
        .legendFrame = QColor(140, 140, 140),
        .legendFill = QColor(34, 36, 42, 235),
        .readoutFrame = QColor(150, 150, 150),
        .readoutFill = QColor(48, 46, 36, 240),
        .observationFill = QColor(24, 26, 30),
        .velocityObservationFill = QColor(90, 90, 90),
        .labelDarkening = 100,
        .series = {QColor(110, 170, 235), QColor(245, 110, 110), QColor(110, 205, 110), QColor(190, 160, 235),
                   QColor(255, 170, 80), QColor(205, 160, 140)},
        .targetFill = QColor(52, 44, 22),
        .hitDot = QColor(90, 225, 130, 210),
        .missDot = QColor(255, 140, 140, 210),
        .beyondReachText = QColor(255, 130, 130),
    };
    return dark;
}

bool isDarkPalette(const QPalette& palette) {
    return palette.color(QPalette::Window).lightness() < palette.color(QPalette::WindowText).lightness();
}

const ChartColours& chartColoursFor(const QPalette& palette) {
    return isDarkPalette(palette) ? darkChartColours() : paperChartColours();
}

}  // namespace vorlan
