#include "reports/TrajectoryTableScrollView.h"

#include <QFontMetricsF>
#include <QKeyEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPrinter>
#include <QScrollBar>
#include <algorithm>

#include "reports/TableText.h"
#include "reports/TrajectoryTable.h"

namespace vorlan {
namespace {

// Widths are measured on rulers of digits: the drawing ruler bounds the text on screen, the
// shorter scroll ruler sets how far the view scrolls.
constexpr int kDrawingRulerLength = 97;
constexpr int kScrollRulerLength = 90;
// Lines shown by a new window before the user resizes it.
constexpr int kInitialVisibleLines = 40;

// The printed page, in inches from the top left corner of a letter-sized sheet.
constexpr double kPrintLeft = 0.75;
constexpr double kPrintTop = 1.0;
constexpr double kPrintRight = 7.5;
constexpr double kPrintBottom = 10.9;
constexpr double kPrintLinePitch = 170.0 / 1440.0;  // 8.5 points
// The page number sits 0.25 in left of the sheet's centre and 0.7 in above its bottom edge,
// which on letter paper is 4 in from the left and 10.3 in from the top.
constexpr double kFooterLeftOfCentre = 0.25;
constexpr double kFooterAboveBottom = 0.7;

QString ruler(int length) {
    QString text;
    for (int i = 0; i < length; ++i) text += QChar(u'0' + i % 10);
    return text;
}

QFont fixedPitchFont(double pointSize) {
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::Monospace);
    font.setFixedPitch(true);
    font.setPointSizeF(pointSize);
    return font;
}

// The printer font, sized so that its lines are exactly one pitch apart on `device`.
QFont printerFont(QPaintDevice* device, double pitchPixels) {
    QFont font = fixedPitchFont(8.5);
    const double height = QFontMetricsF(font, device).height();
    if (height > 0) font.setPointSizeF(8.5 * pitchPixels / height);
    return font;
}

}  // namespace

TrajectoryTableScrollView::TrajectoryTableScrollView(const TrajectoryTable& table, QWidget* parent)
    : QAbstractScrollArea(parent),
      table_(table),
      shownLines_(displayedTableLines(table_.lines())),
      screenFont_(fixedPitchFont(10)) {
    viewport()->setBackgroundRole(QPalette::Base);
    viewport()->setAutoFillBackground(true);
    measure();
    updateScrollBars();
}

void TrajectoryTableScrollView::measure() {
    const QFontMetrics metrics(screenFont_, viewport());
    lineHeight_ = std::max(metrics.height(), 1);
    ascent_ = metrics.ascent();
    charWidth_ = std::max(metrics.horizontalAdvance(QLatin1Char('0')), 1);
    drawingWidth_ = metrics.horizontalAdvance(ruler(kDrawingRulerLength));
    const int lineCount = static_cast<int>(table_.lines().size());
    totalSize_ = QSize(metrics.horizontalAdvance(ruler(kScrollRulerLength)), (lineCount + 1) * lineHeight_);
}

void TrajectoryTableScrollView::updateScrollBars() {
    const QSize view = viewport()->size();
    horizontalScrollBar()->setRange(0, std::max(totalSize_.width() - view.width(), 0));
    horizontalScrollBar()->setPageStep(view.width());
    horizontalScrollBar()->setSingleStep(charWidth_);
    verticalScrollBar()->setRange(0, std::max(totalSize_.height() - view.height(), 0));
    verticalScrollBar()->setPageStep(view.height());
    verticalScrollBar()->setSingleStep(lineHeight_);
}

QSize TrajectoryTableScrollView::sizeHint() const {
    const int frame = 2 * frameWidth();
    const int lines = std::min(static_cast<int>(shownLines_.size()), kInitialVisibleLines);
    return {drawingWidth_ + 2 * kScreenMargin + frame + verticalScrollBar()->sizeHint().width(),
            lines * lineHeight_ + 2 * kScreenMargin + frame + horizontalScrollBar()->sizeHint().height()};
}

void TrajectoryTableScrollView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBars();
}

void TrajectoryTableScrollView::keyPressEvent(QKeyEvent* event) {
    // Ctrl+Home and Ctrl+End go to the ends of the table, Home and End to the ends of a line.
    const bool control = event->modifiers() & Qt::ControlModifier;
    QScrollBar* bar = control ? verticalScrollBar() : horizontalScrollBar();
    if (event->key() == Qt::Key_Home) {
        bar->triggerAction(QAbstractSlider::SliderToMinimum);
    } else if (event->key() == Qt::Key_End) {
        bar->triggerAction(QAbstractSlider::SliderToMaximum);
    } else {
        QAbstractScrollArea::keyPressEvent(event);
        return;
    }
    event->accept();
}

void TrajectoryTableScrollView::scrollContentsBy(int dx, int dy) { viewport()->scroll(dx, dy); }

void TrajectoryTableScrollView::paintEvent(QPaintEvent* event) {
    const QPoint origin(kScreenMargin - horizontalScrollBar()->value(), kScreenMargin - verticalScrollBar()->value());
    // The text is clipped to the designed drawing rectangle: the drawing ruler wide and one
    // line per report line high.
    const int lineCount = static_cast<int>(table_.lines().size());
    const QRect area = QRect(origin, QSize(drawingWidth_, lineHeight_ * lineCount)) & event->rect();
    if (area.isEmpty()) return;
    QPainter painter(viewport());
    painter.setClipRect(area);
    painter.setFont(screenFont_);
    painter.setPen(palette().color(QPalette::Text));
    const int first = std::max((area.top() - origin.y()) / lineHeight_, 0);
    const int last = std::min((area.bottom() - origin.y()) / lineHeight_, static_cast<int>(shownLines_.size()) - 1);
    for (int i = first; i <= last; ++i)
        painter.drawText(origin.x(), origin.y() + i * lineHeight_ + ascent_, QString::fromStdString(shownLines_[i]));
}

void TrajectoryTableScrollView::print(QPrinter* printer) {
    const int pages = tablePageCount(table_.lines().size());
    int first = 1;
    int last = pages;
    if (printer->printRange() == QPrinter::PageRange && printer->fromPage() > 0) {
        first = std::max(printer->fromPage(), 1);
        last = std::min(printer->toPage(), pages);
    }
    if (first > last) return;
    // Positions are measured from the edge of the sheet, not from its printable area.
    printer->setFullPage(true);
    QPainter painter;
    if (!painter.begin(printer)) return;
    for (int page = first; page <= last; ++page) {
        if (page != first) printer->newPage();
        printPage(painter, *printer, page);
    }
    painter.end();
}

void TrajectoryTableScrollView::printPage(QPainter& painter, QPrinter& printer, int page) {
    const double dpi = printer.resolution();
    const double pitch = kPrintLinePitch * dpi;
    const QFont font = printerFont(&printer, pitch);
    const QFontMetricsF metrics(font, &printer);
    painter.setFont(font);
    painter.setPen(Qt::black);

    const QRectF text(QPointF(kPrintLeft * dpi, kPrintTop * dpi), QPointF(kPrintRight * dpi, kPrintBottom * dpi));
    const auto [firstLine, lastLine] = tablePageLines(page, table_.lines().size());
    const std::vector<std::string> pageLines(table_.lines().begin() + static_cast<std::ptrdiff_t>(firstLine),
                                             table_.lines().begin() + static_cast<std::ptrdiff_t>(lastLine));
    painter.save();
    painter.setClipRect(text);
    double y = text.top() + metrics.ascent();
    for (const std::string& line : displayedTableLines(pageLines)) {
        painter.drawText(QPointF(text.left(), y), QString::fromUtf8(line));
        y += pitch;
    }
    painter.restore();

    const QRectF sheet = printer.pageLayout().fullRect(QPageLayout::Inch);
    const QString number = QString::number(page);
    const double centre = (sheet.width() / 2 - kFooterLeftOfCentre) * dpi;
    const double top = (sheet.height() - kFooterAboveBottom) * dpi;
    painter.drawText(QPointF(centre - metrics.horizontalAdvance(number) / 2, top + metrics.ascent()), number);
}

}  // namespace vorlan
