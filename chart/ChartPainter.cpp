#include "chart/ChartPainter.h"

#include <QFontMetricsF>
#include <algorithm>
#include <array>
#include <cmath>

#include "chart/ChartCanvas.h"

namespace vorlan::chartpaint {

ChartCanvas::ChartCanvas(QPainter& p, const ChartScene& scene, const ChartGeometry& g, const ChartColours& colours)
    : p_(p), scene_(scene), g_(g), u_(chartUnits(scene.units)), c_(colours) {
    font_.setPixelSize(std::max(1, static_cast<int>(std::lround(g.fontPixels()))));
    p_.setFont(font_);
}

ChartMarks ChartCanvas::paint() {
    p_.fillRect(g_.area, c_.background);
    drawTitle();
    drawGrid();
    p_.save();
    p_.setClipRect(g_.plot);
    // The dots first, so that no label is written over one.
    for (const ChartSeries& series : scene_.series)
        for (const Dot& dot : dots(series)) marks_.markers.push_back(dotBox(dot.at));
    drawHitScale();
    drawLineOfSight();
    if (!scene_.series.empty()) drawRangeMarkers(scene_.series.front());
    for (std::size_t i = scene_.series.size(); i-- > 0;) drawSeries(scene_.series[i], c_.seriesColor(i));
    drawHitCurve();
    for (std::size_t i = scene_.series.size(); i-- > 0;) drawPointMarkers(scene_.series[i], c_.seriesColor(i));
    drawObservations();
    drawCursor();
    p_.restore();
    drawAxes();
    drawLegend();
    drawReadout();
    return std::move(marks_);
}

QPen ChartCanvas::pen(const QColor& color, double width, Qt::PenStyle style) const {
    QPen result(color, px(width), style, Qt::FlatCap, Qt::RoundJoin);
    return result;
}

// Writes `text` beside `at`: right and above it, else left of it (near the plot's right
// edge first), moved a line at a time down or up past the labels already written, the
// dots and the legend. A label with no free place in the plot is left out.
void ChartCanvas::drawLabel(const QPointF& at, const QString& text, const QColor& color) {
    const QFontMetricsF m(font_);
    const QSizeF size(m.horizontalAdvance(text) + px(2), m.height());
    const QRectF right(at + QPointF(px(6), -px(6) - size.height()), size);
    const QRectF left = right.translated(-size.width() - px(12), 0);
    const bool nearRightEdge = right.right() > g_.plot.right();
    constexpr int kLines = 12;
    for (int step = 0; step <= 2 * kLines; ++step) {
        const double lines = step % 2 ? (step + 1) / 2 : -(step / 2);  // 0, 1, -1, 2, -2...
        for (const QRectF& side : nearRightEdge ? std::array{left, right} : std::array{right, left}) {
            const QRectF box = side.translated(0, -lines * size.height());
            if (!g_.plot.contains(box) || overlapsLabel(box)) continue;
            marks_.labels.push_back(box);
            p_.setPen(pen(color, 1));
            p_.drawText(box, Qt::AlignLeft | Qt::AlignVCenter, text);
            return;
        }
    }
}

bool ChartCanvas::overlapsLabel(const QRectF& box) const {
    if (box.intersects(g_.legend)) return true;
    const auto hits = [&](const QRectF& r) { return r.intersects(box); };
    return std::any_of(marks_.labels.begin(), marks_.labels.end(), hits) ||
           std::any_of(marks_.markers.begin(), marks_.markers.end(), hits);
}

}  // namespace vorlan::chartpaint

namespace vorlan {

ChartMarks paintChart(QPainter& painter, const ChartScene& scene, const QRectF& area, double scale,
                      const ChartColours& colours) {
    const ChartGeometry geometry(scene, area, scale);
    painter.save();
    ChartMarks marks = chartpaint::ChartCanvas(painter, scene, geometry, colours).paint();
    painter.restore();
    return marks;
}

}  // namespace vorlan
