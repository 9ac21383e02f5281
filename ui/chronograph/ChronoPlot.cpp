#include "ui/chronograph/ChronoPlot.h"

#include <QPainter>
#include <algorithm>

namespace vorlan {

namespace {

constexpr int kMargin = 44;  // room for the velocity labels on the left
constexpr int kDot = 4;

}  // namespace

ChronoPlot::ChronoPlot(QWidget* parent) : QWidget(parent) {
    setMinimumSize(240, 110);
    setAccessibleName(tr("Velocity by shot"));
}

void ChronoPlot::setShots(std::vector<double> velocities, std::vector<bool> kept, double mean) {
    velocities_ = std::move(velocities);
    kept_ = std::move(kept);
    mean_ = mean;
    update();
}

void ChronoPlot::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), palette().base());
    if (velocities_.empty()) return;
    const auto [low, high] = std::minmax_element(velocities_.begin(), velocities_.end());
    // A tenth more than the string at each end, at least 2 ft/s, so that no dot sits on the frame.
    const double span = std::max((*high - *low) * 1.2, 2.0), bottom = (*low + *high - span) / 2.0;
    const QRectF area = QRectF(rect()).adjusted(kMargin, 10, -10, -18);
    const auto x = [&](std::size_t i) {
        return area.left() + area.width() * (static_cast<double>(i) + 0.5) / static_cast<double>(velocities_.size());
    };
    const auto y = [&](double v) { return area.bottom() - area.height() * (v - bottom) / span; };
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(area);
    painter.setPen(palette().color(QPalette::Text));
    painter.drawText(QRectF(0, area.top() - 6, kMargin - 4, 14), Qt::AlignRight,
                     QString::number(bottom + span, 'f', 0));
    painter.drawText(QRectF(0, area.bottom() - 8, kMargin - 4, 14), Qt::AlignRight, QString::number(bottom, 'f', 0));
    painter.setPen(QPen(QColor(200, 40, 40), 1, Qt::DashLine));
    painter.drawLine(QPointF(area.left(), y(mean_)), QPointF(area.right(), y(mean_)));
    for (std::size_t i = 0; i < velocities_.size(); ++i) {
        const bool kept = i < kept_.size() && kept_[i];
        painter.setPen(QPen(palette().color(QPalette::Text), 1.5));
        painter.setBrush(kept ? palette().color(QPalette::Text) : Qt::transparent);
        painter.drawEllipse(QPointF(x(i), y(velocities_[i])), kDot, kDot);
        painter.drawText(QRectF(x(i) - 12, area.bottom() + 2, 24, 14), Qt::AlignCenter, QString::number(i + 1));
    }
}

}  // namespace vorlan
