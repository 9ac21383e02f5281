// The P(hit) curve with its scale and ethical range, the legend, and the cursor's readout.
#include "chart/ChartCanvas.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <algorithm>

#include "engine/Catalogue.h"
#include "engine/TrajectoryRows.h"

namespace vorlan::chartpaint {

const std::vector<ChartHitPoint>* ChartCanvas::hitCurve() const {
    if (scene_.series.empty() || scene_.series.front().hitCurve.empty()) return nullptr;
    return &scene_.series.front().hitCurve;
}

// P(hit) at `yards` along the curve, between its first and last ranges.
std::optional<double> ChartCanvas::hitAt(double yards) const {
    const std::vector<ChartHitPoint>* curve = hitCurve();
    if (!curve || yards < curve->front().range || yards > curve->back().range) return std::nullopt;
    const auto after = std::lower_bound(curve->begin(), curve->end(), yards,
                                        [](const ChartHitPoint& p, double y) { return p.range < y; });
    if (after == curve->begin() || after->range == yards) return after->probability;
    const ChartHitPoint& before = *(after - 1);
    return before.probability +
           (yards - before.range) / (after->range - before.range) * (after->probability - before.probability);
}

// The P(hit) scale inside the plot's right edge, its numbers kept clear of other labels.
void ChartCanvas::drawHitScale() {
    if (!hitCurve()) return;
    const QFontMetricsF m(font_);
    p_.setPen(pen(c_.hitCurve, 1));
    for (const int percent : {0, 25, 50, 75, 100}) {
        const double y = g_.yAtProbability(percent / 100.0);
        p_.drawLine(QPointF(g_.plot.right() - px(6), y), QPointF(g_.plot.right(), y));
        const QString text = QStringLiteral("%1 %").arg(percent);
        const QSizeF size(m.horizontalAdvance(text) + px(2), m.height());
        QRectF box(QPointF(g_.plot.right() - px(8) - size.width(), y - size.height() / 2), size);
        if (box.top() < g_.plot.top()) box.moveTop(g_.plot.top());
        if (box.bottom() > g_.plot.bottom()) box.moveBottom(g_.plot.bottom());
        if (overlapsLabel(box)) continue;
        p_.drawText(box, Qt::AlignRight | Qt::AlignVCenter, text);
        marks_.labels.push_back(box);
    }
}

// P(hit) against range, the level an ethical shot must reach, and the farthest range that
// reaches it.
void ChartCanvas::drawHitCurve() {
    const std::vector<ChartHitPoint>* curve = hitCurve();
    if (!curve) return;
    const ChartSeries& series = scene_.series.front();
    p_.setPen(pen(c_.hitCurve, 1, Qt::DotLine));
    const double level = g_.yAtProbability(series.hitLevel);
    p_.drawLine(QPointF(g_.plot.left(), level), QPointF(g_.plot.right(), level));
    QPolygonF line;
    for (const ChartHitPoint& point : *curve)
        line << QPointF(g_.xAt(point.range), g_.yAtProbability(point.probability));
    p_.setRenderHint(QPainter::Antialiasing, true);
    p_.setPen(pen(c_.hitCurve, 2));
    p_.drawPolyline(line);
    p_.setRenderHint(QPainter::Antialiasing, false);
    if (!series.ethicalRange) return;
    const double x = g_.xAt(*series.ethicalRange);
    p_.setPen(pen(c_.hitCurve, 1.2, Qt::DashDotLine));
    p_.drawLine(QPointF(x, g_.plot.top()), QPointF(x, g_.plot.bottom()));
    if (x >= g_.plot.left() && x <= g_.plot.right())
        drawLabel(QPointF(x, level),
                  QCoreApplication::translate("Chart", "Ethical %1 %2 (P(hit) %3 %)")
                      .arg(shownRange(*series.ethicalRange), u_.range)
                      .arg(series.hitLevel * 100.0, 0, 'g', 3),
                  c_.hitCurve);
}

void ChartCanvas::drawLegend() {
    if (scene_.series.empty()) return;
    const double h = QFontMetricsF(font_).height();
    p_.setPen(pen(c_.legendFrame, 1));
    p_.setBrush(c_.legendFill);
    p_.drawRect(g_.legend);
    p_.setBrush(Qt::NoBrush);
    const QRectF key(g_.legend.left() + 0.3 * h, g_.legend.top() + 0.2 * h, g_.legend.width(), h);
    p_.setPen(c_.text);
    p_.drawText(key, Qt::AlignLeft | Qt::AlignVCenter, legendKey(scene_));
    if (g_.hitLegendRow) {
        const QRectF& row = *g_.hitLegendRow;
        p_.setPen(pen(c_.hitCurve, 3));
        p_.drawLine(QPointF(row.left(), row.center().y()), QPointF(row.left() + 2 * h, row.center().y()));
        p_.setPen(c_.text);
        p_.drawText(row.adjusted(2.5 * h, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
                    QCoreApplication::translate("Chart", "P(hit), 0 to 100 %"));
    }
    for (std::size_t i = 0; i < g_.legendRows.size(); ++i) {
        const QRectF& row = g_.legendRows[i];
        p_.setPen(pen(c_.seriesColor(i), 3));
        p_.drawLine(QPointF(row.left(), row.center().y()), QPointF(row.left() + 2 * h, row.center().y()));
        p_.setPen(c_.text);
        p_.drawText(row.adjusted(2.5 * h, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
                    QString::fromStdString(scene_.series[i].name));
    }
}

// The table's columns of the own shot at the cursor, then the drop and velocity of each
// overlay at the same yard, in its colour.
std::vector<ChartCanvas::ReadoutLine> ChartCanvas::readoutLines() const {
    std::vector<ReadoutLine> lines;
    const std::optional<TrajectoryPoint> row = rowAt(scene_.series.front().rows, *scene_.cursorRange);
    if (!row) return lines;
    for (const auto& [name, value] : chartReadout(*row, scene_.units))
        lines.push_back({QString::fromUtf8(translated(name.c_str())), QString::fromStdString(value), c_.text});
    if (const std::optional<double> p = hitAt(row->range))
        lines.push_back({QCoreApplication::translate("Chart", "P(hit)"),
                         QStringLiteral("%1 %").arg(*p * 100.0, 0, 'f', 1), c_.labelColor(c_.hitCurve)});
    for (std::size_t i = 1; i < scene_.series.size(); ++i) {
        const ChartSeries& overlay = scene_.series[i];
        const std::optional<TrajectoryPoint> at = rowAt(overlay.rows, *scene_.cursorRange);
        if (!at) continue;
        const ChartReadout columns = chartReadout(*at, scene_.units);
        lines.push_back({QString::fromStdString(overlay.name),
                         QStringLiteral("%1 %2, %3 %4")
                             .arg(QString::fromStdString(columns[1].second), u_.small,
                                  QString::fromStdString(columns[2].second), u_.velocity),
                         c_.labelColor(c_.seriesColor(i))});
    }
    return lines;
}

void ChartCanvas::drawReadout() {
    if (!scene_.cursorRange || scene_.series.empty()) return;
    const std::vector<ReadoutLine> lines = readoutLines();
    if (lines.empty()) return;
    const QFontMetricsF m(font_);
    const double h = m.height();
    double nameWidth = 0, valueWidth = 0;
    for (const ReadoutLine& line : lines) {
        nameWidth = std::max(nameWidth, m.horizontalAdvance(line.name));
        valueWidth = std::max(valueWidth, m.horizontalAdvance(line.value));
    }
    const QSizeF size(nameWidth + valueWidth + 2.5 * h, h * (static_cast<double>(lines.size()) + 0.6));
    const QPointF anchor = scene_.readoutAnchor.value_or(QPointF(g_.xAt(*scene_.cursorRange), g_.plot.center().y()));
    QPointF at = anchor + QPointF(px(16), px(16));
    if (at.x() + size.width() > g_.plot.right()) at.setX(anchor.x() - px(16) - size.width());
    if (at.y() + size.height() > g_.plot.bottom()) at.setY(anchor.y() - px(16) - size.height());
    at.setX(std::max(at.x(), g_.plot.left()));
    at.setY(std::max(at.y(), g_.plot.top()));
    const QRectF box(at, size);
    p_.setPen(pen(c_.readoutFrame, 1));
    p_.setBrush(c_.readoutFill);
    p_.drawRect(box);
    p_.setBrush(Qt::NoBrush);
    double top = box.top() + 0.3 * h;
    for (const ReadoutLine& line : lines) {
        const QRectF text(box.left() + 0.5 * h, top, box.width() - h, h);
        p_.setPen(line.color);
        p_.drawText(text, Qt::AlignLeft | Qt::AlignVCenter, line.name);
        p_.drawText(text, Qt::AlignRight | Qt::AlignVCenter, line.value);
        top += h;
    }
}

}  // namespace vorlan::chartpaint
