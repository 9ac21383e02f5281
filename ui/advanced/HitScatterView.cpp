#include "ui/advanced/HitScatterView.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

#include "chart/ChartColours.h"
#include "chart/ChartGeometry.h"
#include "shot/CLocaleNumbers.h"

namespace vorlan {

HitScatterView::HitScatterView(QWidget* parent) : QWidget(parent) { setMinimumSize(280, 280); }

void HitScatterView::setImpacts(const HitTarget& target, std::vector<HitImpact> impacts, const QString& range,
                                int runs) {
    target_ = target;
    runs_ = runs;
    impacts_ = std::move(impacts);
    range_ = range;
    update();
}

void HitScatterView::setGridUnit(double perInch, const QString& label) {
    perInch_ = perInch;
    unit_ = label;
    update();
}

ScatterFrame scatterFrame(QSize size, int line, int titleWidth, int noteWidth) {
    // A title or note wider than the picture takes a second line rather than losing its ends.
    const int titleHeight = line * (titleWidth > size.width() ? 2 : 1);
    const int noteHeight = line * (noteWidth > size.width() ? 2 : 1);
    const double side = std::max(40, std::min(size.width() - 12, size.height() - titleHeight - noteHeight - 12));
    const QRectF square((size.width() - side) / 2.0, titleHeight + 6, side, side);
    return {QRectF(0, 2, size.width(), titleHeight), square, QRectF(0, square.bottom() + 4, size.width(), noteHeight)};
}

// The target's outline on a grid of round figures of the unit shown, the hits green and the misses red, as far
// out as nearly all the impacts fall (the farthest few are left outside the square).
void HitScatterView::paintEvent(QPaintEvent*) {
    const ChartColours& c = chartColoursFor(palette());
    QPainter p(this);
    p.fillRect(rect(), c.background);
    p.setRenderHint(QPainter::Antialiasing);
    const QFontMetrics metrics(font());
    const auto note = [this](const QString& step) {
        return tr("Grid %1 %2; up and right as the shooter sees them").arg(step, unit_);
    };
    // The grid's step is not known yet: a long one stands in for the note's width.
    const ScatterFrame frame = scatterFrame(size(), metrics.height(), metrics.horizontalAdvance(title()),
                                            metrics.horizontalAdvance(note(QStringLiteral("0.25"))));
    const QRectF& square = frame.square;
    const double targetHalf =
        std::max(target_.width, target_.shape == HitTarget::Shape::Rectangle ? target_.height : 0.0) / 2.0;
    std::vector<double> far;
    far.reserve(impacts_.size());
    for (const HitImpact& impact : impacts_) far.push_back(std::max(std::fabs(impact.x), std::fabs(impact.y)));
    double half = std::max(targetHalf * 1.4, 0.5);
    if (!far.empty()) {
        const auto at = far.begin() + static_cast<std::ptrdiff_t>(far.size() * 98 / 100);
        std::nth_element(far.begin(), at, far.end());
        half = std::max(half, *at * 1.05);
    }
    const double scale = square.width() / (2.0 * half);  // pixels per inch
    const QPointF centre = square.center();
    const auto at = [&](double x, double y) { return QPointF(centre.x() + x * scale, centre.y() - y * scale); };

    p.setPen(QPen(c.grid, 1));
    std::vector<double> ticks = axisTicks({-half * perInch_, half * perInch_}, 8);
    const double step = ticks.size() > 1 ? ticks[1] - ticks[0] : 1.0;
    for (double& t : ticks) t /= perInch_;
    for (const double t : ticks) {
        p.drawLine(at(t, -half), at(t, half));
        p.drawLine(at(-half, t), at(half, t));
    }
    p.setPen(QPen(c.legendFrame, 1));
    p.drawRect(square);
    p.drawLine(at(0, -half), at(0, half));
    p.drawLine(at(-half, 0), at(half, 0));

    if (target_.isSet()) {
        p.setPen(QPen(c.text, 2));
        p.setBrush(c.targetFill);
        if (target_.shape == HitTarget::Shape::Circle)
            p.drawEllipse(centre, target_.width / 2.0 * scale, target_.width / 2.0 * scale);
        else
            p.drawRect(QRectF(at(-target_.width / 2.0, target_.height / 2.0),
                              QSizeF(target_.width * scale, target_.height * scale)));
        p.setBrush(Qt::NoBrush);
    }
    p.save();
    p.setClipRect(square);
    p.setPen(Qt::NoPen);
    const double dot = std::clamp(square.width() / 180.0, 1.2, 2.5);
    for (const HitImpact& impact : impacts_) {
        const bool hit = target_.contains(impact.x, impact.y);
        p.setBrush(hit ? c.hitDot : c.missDot);
        p.drawEllipse(at(impact.x, impact.y), dot, dot);
    }
    p.restore();

    p.setPen(c.text);
    p.drawText(frame.title, Qt::AlignHCenter | Qt::TextWordWrap, title());
    p.drawText(frame.note, Qt::AlignHCenter | Qt::TextWordWrap, note(QString::fromStdString(cFormat("%g", step))));
}

int HitScatterView::hits() const {
    return static_cast<int>(std::count_if(impacts_.begin(), impacts_.end(),
                                          [this](const HitImpact& i) { return target_.contains(i.x, i.y); }));
}

QString HitScatterView::title() const {
    return !range_.isEmpty() ? tr("Impacts at %1: %2 of %3 hit (%3 of %4 samples shown)")
                                   .arg(range_)
                                   .arg(hits())
                                   .arg(impacts_.size())
                                   .arg(runs_)
                             : tr("Impacts at the target range");
}

}  // namespace vorlan
