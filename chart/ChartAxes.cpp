// The chart's title, grid, frame, axis numbers and axis names.
#include "chart/ChartCanvas.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <algorithm>

namespace vorlan::chartpaint {

// Ticks at round values of the shown units; each is placed at its value over the factor.
// As many as fit: a small chart gets fewer, so that its numbers never run into each other.
int ChartCanvas::tickCount(double length, double room, int most) const {
    const double h = QFontMetricsF(font_).height();
    return std::clamp(static_cast<int>(length / (room * h)), 2, most);
}

std::vector<double> ChartCanvas::rangeTicks() const {
    return axisTicks(scaled(g_.range, u_.perYard), tickCount(g_.plot.width(), 6.0, 10));
}

std::vector<double> ChartCanvas::smallTicks() const {
    return axisTicks(scaled(g_.inches, u_.perInch), tickCount(g_.plot.height(), 2.5, 8));
}

std::vector<double> ChartCanvas::velocityTicks() const {
    return axisTicks(scaled(g_.velocity, u_.perFps), tickCount(g_.plot.height(), 2.5, 8));
}

void ChartCanvas::drawTitle() {
    if (scene_.title.isEmpty()) return;
    const QFontMetricsF m(font_);
    QFont bold = font_;
    bold.setBold(true);
    p_.setFont(bold);
    p_.setPen(c_.text);
    const QRectF line(g_.area.left(), g_.area.top() + 0.3 * m.height(), g_.area.width(), m.height());
    p_.drawText(line, Qt::AlignHCenter | Qt::AlignVCenter, scene_.title);
    p_.setFont(font_);
    if (!scene_.subtitle.isEmpty())
        p_.drawText(line.translated(0, m.height() * 1.2), Qt::AlignHCenter | Qt::AlignVCenter, scene_.subtitle);
}

void ChartCanvas::drawGrid() {
    p_.setPen(pen(c_.grid, 1));
    for (double x : rangeTicks()) {
        const double at = g_.xAt(x / u_.perYard);
        p_.drawLine(QPointF(at, g_.plot.top()), QPointF(at, g_.plot.bottom()));
    }
    for (double v : smallTicks()) {
        const double at = g_.yAtInches(v / u_.perInch);
        p_.drawLine(QPointF(g_.plot.left(), at), QPointF(g_.plot.right(), at));
    }
}

void ChartCanvas::drawAxes() {
    const QFontMetricsF m(font_);
    const double h = m.height();
    p_.setPen(pen(c_.frame, 1));
    p_.drawRect(g_.plot);
    p_.setPen(pen(c_.text, 1));
    const auto label = [&](double value, double step) {
        return QString::number(value, 'f', step < 1.0 ? (step < 0.1 ? 2 : 1) : 0);
    };
    const std::vector<double> xs = rangeTicks(), ins = smallTicks(), vs = velocityTicks();
    const double xStep = xs.size() > 1 ? xs[1] - xs[0] : 1.0, iStep = ins.size() > 1 ? ins[1] - ins[0] : 1.0,
                 vStep = vs.size() > 1 ? vs[1] - vs[0] : 1.0;
    marks_.axisNumbers.assign(3, {});
    // Each number is drawn in its own box; the boxes it covers are kept for the checks.
    const auto number = [&](std::size_t axis, const QRectF& box, int align, const QString& text) {
        QRectF used;
        p_.drawText(box, align, text, &used);
        marks_.axisNumbers[axis].push_back(used);
    };
    for (double x : xs)
        number(0, QRectF(g_.xAt(x / u_.perYard) - 4 * h, g_.plot.bottom() + 0.2 * h, 8 * h, h),
               Qt::AlignHCenter | Qt::AlignTop, label(x, xStep));
    for (double v : ins)
        number(
            1,
            QRectF(g_.area.left(), g_.yAtInches(v / u_.perInch) - h / 2, g_.plot.left() - g_.area.left() - 0.3 * h, h),
            Qt::AlignRight | Qt::AlignVCenter, label(v, iStep));
    for (double v : vs)
        number(2, QRectF(g_.plot.right() + 0.3 * h, g_.yAtVelocity(v / u_.perFps) - h / 2, 6 * h, h),
               Qt::AlignLeft | Qt::AlignVCenter, label(v, vStep));
    p_.drawText(QRectF(g_.plot.left(), g_.plot.bottom() + 1.3 * h, g_.plot.width(), h), Qt::AlignHCenter,
                QCoreApplication::translate("Chart", "Range (%1)").arg(u_.range));
    drawVerticalText(g_.area.left() + 0.1 * h,
                     QCoreApplication::translate("Chart", "Drop and windage (%1)").arg(u_.small));
    drawVerticalText(g_.area.right() - 1.1 * h, QCoreApplication::translate("Chart", "Velocity (%1)").arg(u_.velocity));
}

void ChartCanvas::drawVerticalText(double left, const QString& text) {
    p_.save();
    p_.translate(left, g_.plot.center().y());
    p_.rotate(-90);
    p_.drawText(QRectF(-g_.plot.height() / 2, 0, g_.plot.height(), QFontMetricsF(font_).height()),
                Qt::AlignHCenter | Qt::AlignTop, text);
    p_.restore();
}

}  // namespace vorlan::chartpaint
