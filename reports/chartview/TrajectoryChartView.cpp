#include "reports/chartview/TrajectoryChartView.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

#include "chart/ChartPainter.h"
#include "reports/chartview/ReportChartSeries.h"

namespace vorlan {
namespace {

constexpr double kWheelStep = 1.25;     // zoom per wheel notch
constexpr double kSmallestView = 1e-4;  // share of the full extent: deep enough for single yards
constexpr int kSmallestRubberBand = 4;  // px: a smaller drag is a click

}  // namespace

TrajectoryChartView::TrajectoryChartView(ChartSeries own, QWidget* parent) : QWidget(parent) {
    scene_.series.push_back(std::move(own));
    setObjectName(QStringLiteral("trajectoryChart"));
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(320, 200);
}

TrajectoryChartView::~TrajectoryChartView() {
    stopHitCount_ = true;
    if (hitCount_.joinable()) hitCount_.join();
}

void TrajectoryChartView::countHitsOf(const ShotParameters& shot) {
    stopHitCount_ = true;
    if (hitCount_.joinable()) hitCount_.join();
    stopHitCount_ = false;
    const int number = ++hitCountNumber_;
    if (!hasHitCurve(shot)) {
        ChartSeries& own = scene_.series.front();
        own.hitCurve.clear();
        own.ethicalRange.reset();
        update();
        return;
    }
    hitCount_ = std::thread([this, shot, number] {
        ChartSeries counted;
        if (!countHits(counted, shot, &stopHitCount_)) return;
        // Handed to the window's thread; the chart waits for this thread before it goes.
        QMetaObject::invokeMethod(
            this,
            [this, number, counted = std::move(counted)] {
                if (number != hitCountNumber_) return;
                ChartSeries& own = scene_.series.front();
                own.hitCurve = counted.hitCurve;
                own.hitLevel = counted.hitLevel;
                own.ethicalRange = counted.ethicalRange;
                update();
                emit hitsCounted();
            },
            Qt::QueuedConnection);
    });
}

ChartGeometry TrajectoryChartView::chartGeometry() const { return ChartGeometry(scene_, QRectF(rect()), 1.0); }

void TrajectoryChartView::setOwn(ChartSeries own) {
    ChartSeries& shown = scene_.series.front();
    own.hitCurve = std::move(shown.hitCurve);
    own.hitLevel = shown.hitLevel;
    own.ethicalRange = shown.ethicalRange;
    shown = std::move(own);
    update();
}

void TrajectoryChartView::addOverlay(ChartSeries series) {
    scene_.series.push_back(std::move(series));
    update();
    emit overlaysChanged();
}

void TrajectoryChartView::setObservations(std::vector<ChartObservation> observations) {
    scene_.observations = std::move(observations);
    update();
}

void TrajectoryChartView::setLegendLowerLeft(bool lowerLeft) {
    scene_.legendLowerLeft = lowerLeft;
    update();
}

void TrajectoryChartView::removeOverlay(std::size_t index) {
    if (index == 0 || index >= scene_.series.size()) return;
    scene_.series.erase(scene_.series.begin() + static_cast<std::ptrdiff_t>(index));
    update();
    emit overlaysChanged();
}

void TrajectoryChartView::setView(const QRectF& view) {
    if (!(view.width() >= kSmallestView) || !(view.height() >= kSmallestView)) return;
    scene_.view = view;
    // The readout stays with its row: at the row's new place on the range axis.
    if (scene_.cursorRange && scene_.readoutAnchor)
        scene_.readoutAnchor->setX(chartGeometry().xAt(*scene_.cursorRange));
    update();
}

void TrajectoryChartView::leaveEvent(QEvent* event) {
    // The pointer gone, the cursor and its readout go too (not while a drag holds the mouse).
    if (drag_ == Drag::None) {
        scene_.cursorRange.reset();
        scene_.readoutAnchor.reset();
        update();
    }
    QWidget::leaveEvent(event);
}

void TrajectoryChartView::setUnits(UnitSystem units) {
    scene_.units = units;
    update();
}

void TrajectoryChartView::resetView() { setView(QRectF(0.0, 0.0, 1.0, 1.0)); }

void TrajectoryChartView::zoomAbout(const QPointF& point, double factor) {
    const QPointF at = chartGeometry().fractionAt(point);
    const QRectF& v = scene_.view;
    setView(QRectF(at.x() + (v.left() - at.x()) / factor, at.y() + (v.top() - at.y()) / factor, v.width() / factor,
                   v.height() / factor));
}

void TrajectoryChartView::setCursorRange(double range) {
    const std::optional<double> at = cursorRangeNear(scene_.series.front(), range, scene_.units);
    if (!at) return;
    scene_.cursorRange = *at;
    update();
}

void TrajectoryChartView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    // The picture follows the window's theme; print and export keep the paper colours.
    paintChart(painter, scene_, QRectF(rect()), 1.0, chartColoursFor(palette()));
    if (drag_ == Drag::RubberBand) {
        painter.setPen(QPen(palette().highlight().color(), 1, Qt::DashLine));
        painter.setBrush(QColor(0, 120, 215, 40));
        painter.drawRect(rubberBand_);
    }
}

void TrajectoryChartView::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return QWidget::mousePressEvent(event);
    drag_ = event->modifiers() & Qt::ShiftModifier ? Drag::RubberBand : Drag::Pan;
    dragStart_ = event->position().toPoint();
    viewAtDragStart_ = scene_.view;
    rubberBand_ = QRect(dragStart_, QSize());
}

void TrajectoryChartView::mouseMoveEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    if (drag_ == Drag::Pan) {
        const ChartGeometry g = chartGeometry();
        const QPoint moved = at - dragStart_;
        scene_.view = viewAtDragStart_.translated(-moved.x() / g.plot.width() * viewAtDragStart_.width(),
                                                  moved.y() / g.plot.height() * viewAtDragStart_.height());
    } else if (drag_ == Drag::RubberBand) {
        rubberBand_ = QRect(dragStart_, at).normalized();
    }
    scene_.readoutAnchor = QPointF(at);
    const ChartGeometry g = chartGeometry();
    if (g.plot.contains(QPointF(at))) setCursorRange(g.yardsAt(at.x()));
    update();
}

void TrajectoryChartView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return QWidget::mouseReleaseEvent(event);
    const Drag ended = std::exchange(drag_, Drag::None);
    if (ended == Drag::RubberBand && rubberBand_.width() >= kSmallestRubberBand &&
        rubberBand_.height() >= kSmallestRubberBand) {
        const ChartGeometry g = chartGeometry();
        const QPointF a = g.fractionAt(rubberBand_.bottomLeft()), b = g.fractionAt(rubberBand_.topRight());
        setView(QRectF(a, b).normalized());
    }
    update();
}

void TrajectoryChartView::mouseDoubleClickEvent(QMouseEvent*) { resetView(); }

void TrajectoryChartView::wheelEvent(QWheelEvent* event) {
    const double notches = event->angleDelta().y() / 120.0;
    if (notches != 0.0) zoomAbout(event->position(), std::pow(kWheelStep, notches));
    event->accept();
}

void TrajectoryChartView::keyPressEvent(QKeyEvent* event) {
    const double step = event->modifiers() & Qt::ShiftModifier ? 10.0 : 1.0;
    const double from = scene_.cursorRange.value_or(chartGeometry().range.low);
    switch (event->key()) {
        case Qt::Key_Left:
            setCursorRange(from - step);
            break;
        case Qt::Key_Right:
            setCursorRange(from + step);
            break;
        case Qt::Key_Home:
            resetView();
            break;
        case Qt::Key_Plus:
            zoomAbout(chartGeometry().plot.center(), kWheelStep);
            break;
        case Qt::Key_Minus:
            zoomAbout(chartGeometry().plot.center(), 1.0 / kWheelStep);
            break;
        default:
            return QWidget::keyPressEvent(event);
    }
    if (event->key() == Qt::Key_Left || event->key() == Qt::Key_Right) {
        // The readout follows the cursor along the range axis, at the pointer's height.
        const ChartGeometry g = chartGeometry();
        const double y = scene_.readoutAnchor ? scene_.readoutAnchor->y() : g.plot.center().y();
        scene_.readoutAnchor = QPointF(g.xAt(*scene_.cursorRange), y);
    }
}

void TrajectoryChartView::contextMenuEvent(QContextMenuEvent* event) {
    const auto index = chartGeometry().legendSeriesAt(QPointF(event->pos()));
    if (!index || *index == 0) return;
    QMenu menu(this);
    const QString name = QString::fromStdString(scene_.series[*index].name);
    QAction* remove = menu.addAction(tr("&Remove \"%1\" from Chart").arg(name));
    remove->setObjectName(QStringLiteral("removeOverlay"));
    connect(remove, &QAction::triggered, this, [this, at = *index] { removeOverlay(at); });
    menu.exec(event->globalPos());
}

}  // namespace vorlan
