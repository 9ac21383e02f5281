#include "reports/table/TrajectoryTableScrollView.h"

#include <QApplication>
#include <QClipboard>
#include <QFontMetricsF>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPrinter>
#include <QScreen>
#include <QScrollBar>
#include <algorithm>
#include <optional>

#include "reports/table/TableCopy.h"
#include "reports/table/TableText.h"
#include "reports/table/TrajectoryTable.h"

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

// Characters in the longest of `lines` (UTF-8: continuation bytes are not counted).
int longestLine(const std::vector<std::string>& lines) {
    std::ptrdiff_t longest = 0;
    for (const std::string& line : lines)
        longest = std::max(longest, std::count_if(line.begin(), line.end(), [](char c) { return (c & 0xC0) != 0x80; }));
    return static_cast<int>(longest);
}

// The first of the two column-heading lines (" Range     Drop ..." and its units), if any.
// The lines the screen shows: `screen`, the same table in other words, where it matches
// `lines` line for line (selections and copies count the lines of both alike); else `lines`.
const std::vector<std::string>* spokenLines(const std::vector<std::string>& lines,
                                            const std::vector<std::string>& screen) {
    const bool matches = screen.size() == lines.size() &&
                         std::equal(lines.begin(), lines.end(), screen.begin(), [](const auto& a, const auto& b) {
                             return (a.find("\r\n") == std::string::npos) == (b.find("\r\n") == std::string::npos);
                         });
    return matches ? &screen : &lines;
}

std::optional<std::size_t> columnHeadingLine(const std::vector<std::string>& lines) {
    for (std::size_t i = 0; i + 1 < lines.size(); ++i) {
        const std::size_t start = lines[i].find_first_not_of(' ');
        if (start != std::string::npos && lines[i].compare(start, 5, "Range") == 0) return i;
    }
    return std::nullopt;
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
      lines_(&table.lines()),
      spoken_(spokenLines(*lines_, table.screenLines())),
      shownLines_(displayedTableLines(*spoken_)),
      screenFont_(fixedPitchFont(10)) {
    viewport()->setBackgroundRole(QPalette::Base);
    viewport()->setAutoFillBackground(true);
    measure();
    updateScrollBars();
}

void TrajectoryTableScrollView::showLines(const std::vector<std::string>& lines,
                                          const std::vector<std::string>& screenLines) {
    lines_ = &lines;
    spoken_ = spokenLines(lines, screenLines);
    shownLines_ = displayedTableLines(*spoken_);
    anchor_ = cursor_ = -1;
    measure();
    updateScrollBars();
    viewport()->update();
    widenWindowForLines();
}

void TrajectoryTableScrollView::widenWindowForLines() {
    // A wider layout (the holds, a long effects line) widens a window too narrow for it,
    // within the screen.
    updateGeometry();
    QWidget* frame = window();
    const int missing = sizeHint().width() - width();
    if (frame == this || !isVisible() || missing <= 0) return;
    const QScreen* shown = frame->screen();
    const int widest = shown ? shown->availableGeometry().width() : frame->width() + missing;
    frame->resize(std::min(frame->width() + missing, widest), frame->height());
}

void TrajectoryTableScrollView::measure() {
    const QFontMetrics metrics(screenFont_, viewport());
    lineHeight_ = std::max(metrics.height(), 1);
    ascent_ = metrics.ascent();
    charWidth_ = std::max(metrics.horizontalAdvance(QLatin1Char('0')), 1);
    // The designed table fits the rulers; a wider layout (the holds) widens both to its lines.
    const int longest = longestLine(shownLines_);
    drawingWidth_ = metrics.horizontalAdvance(ruler(std::max(kDrawingRulerLength, longest)));
    const int scrollLength = longest > kDrawingRulerLength ? longest : kScrollRulerLength;
    const int lineCount = static_cast<int>(lines_->size());
    totalSize_ = QSize(metrics.horizontalAdvance(ruler(scrollLength)), (lineCount + 1) * lineHeight_);
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
    if (extendSelectionByKey(event)) return;
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
    const int lineCount = static_cast<int>(lines_->size());
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
    paintSelection(painter, origin, first, last);
}

// Selected lines in view are drawn again in the highlight colours, over the plain text.
void TrajectoryTableScrollView::paintSelection(QPainter& painter, QPoint origin, int first, int last) {
    const Selection selected = selection();
    first = std::max(first, selected.first);
    last = std::min(last, selected.last);
    for (int i = first; i <= last; ++i) {
        const int top = origin.y() + i * lineHeight_;
        painter.fillRect(QRect(origin.x(), top, drawingWidth_, lineHeight_), palette().color(QPalette::Highlight));
        painter.setPen(palette().color(QPalette::HighlightedText));
        painter.drawText(origin.x(), top + ascent_, QString::fromStdString(shownLines_[static_cast<std::size_t>(i)]));
    }
}

TrajectoryTableScrollView::Selection TrajectoryTableScrollView::selection() const {
    if (anchor_ < 0) return {};
    return {std::min(anchor_, cursor_), std::max(anchor_, cursor_)};
}

void TrajectoryTableScrollView::selectAll() {
    anchor_ = 0;
    cursor_ = static_cast<int>(shownLines_.size()) - 1;
    viewport()->update();
}

void TrajectoryTableScrollView::clearSelection() {
    anchor_ = cursor_ = -1;
    viewport()->update();
}

int TrajectoryTableScrollView::lineAt(int viewportY) const {
    const int line = (viewportY - kScreenMargin + verticalScrollBar()->value()) / lineHeight_;
    return std::clamp(line, 0, static_cast<int>(shownLines_.size()) - 1);
}

void TrajectoryTableScrollView::selectTo(int line, bool extend) {
    line = std::clamp(line, 0, static_cast<int>(shownLines_.size()) - 1);
    if (!extend || anchor_ < 0) anchor_ = line;
    cursor_ = line;
    // Scroll the moving end into view, as a text view does while selecting.
    const int top = kScreenMargin + line * lineHeight_;
    QScrollBar* bar = verticalScrollBar();
    if (top < bar->value() + kScreenMargin)
        bar->setValue(top - kScreenMargin);
    else if (top + lineHeight_ > bar->value() + viewport()->height())
        bar->setValue(top + lineHeight_ - viewport()->height());
    viewport()->update();
}

// Escape clears a selection before it closes the window (the window's shortcut).
bool TrajectoryTableScrollView::event(QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride && anchor_ >= 0 &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        event->accept();
        return true;
    }
    return QAbstractScrollArea::event(event);
}

// Shift with Up, Down, PageUp, PageDown, Ctrl+Home or Ctrl+End moves the selection's end (a new
// selection starts at the top line in view); Ctrl+A selects every line and Escape none.
// Without Shift the keys scroll, as before.
bool TrajectoryTableScrollView::extendSelectionByKey(QKeyEvent* event) {
    if (event->matches(QKeySequence::SelectAll)) {
        selectAll();
    } else if (event->key() == Qt::Key_Escape && anchor_ >= 0) {
        clearSelection();
    } else if (event->modifiers() & Qt::ShiftModifier) {
        const bool fresh = anchor_ < 0;
        const int from = fresh ? lineAt(kScreenMargin) : cursor_;
        const int page = std::max(viewport()->height() / lineHeight_, 1);
        const bool control = event->modifiers() & Qt::ControlModifier;
        int to = 0;
        switch (event->key()) {
            case Qt::Key_Up:
                to = fresh ? from : from - 1;
                break;
            case Qt::Key_Down:
                to = fresh ? from : from + 1;
                break;
            case Qt::Key_PageUp:
                to = from - page;
                break;
            case Qt::Key_PageDown:
                to = from + page;
                break;
            case Qt::Key_Home:
                to = 0;
                break;
            case Qt::Key_End:
                to = static_cast<int>(shownLines_.size()) - 1;
                break;
            default:
                return false;
        }
        if ((event->key() == Qt::Key_Home || event->key() == Qt::Key_End) && !control) return false;
        if (fresh) anchor_ = from;
        selectTo(to, true);
    } else {
        return false;
    }
    event->accept();
    return true;
}

void TrajectoryTableScrollView::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return QAbstractScrollArea::mousePressEvent(event);
    selectTo(lineAt(event->position().toPoint().y()), event->modifiers() & Qt::ShiftModifier);
}

void TrajectoryTableScrollView::mouseMoveEvent(QMouseEvent* event) {
    if (!(event->buttons() & Qt::LeftButton)) return QAbstractScrollArea::mouseMoveEvent(event);
    selectTo(lineAt(event->position().toPoint().y()), true);
}

void TrajectoryTableScrollView::copy(bool asShown) const {
    const Selection selected = selection();
    const std::size_t first = selected.empty() ? 0 : static_cast<std::size_t>(selected.first);
    const std::size_t last = selected.empty() ? shownLines_.size() - 1 : static_cast<std::size_t>(selected.last);
    auto* data = new QMimeData;
    if (asShown) {
        data->setText(QString::fromStdString(copiedTableText(*spoken_, first, last)));
    } else {
        const QByteArray cells = QByteArray::fromStdString(copiedTableCells(*lines_, first, last));
        data->setText(QString::fromUtf8(cells));
        data->setData(QStringLiteral("text/tab-separated-values"), cells);
    }
    QApplication::clipboard()->setMimeData(data);
}

void TrajectoryTableScrollView::print(QPrinter* printer) {
    const int pages = tablePageCount(lines_->size());
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
    // The designed English report, or the lines as the screen speaks them when asked.
    const std::vector<std::string>& printed = printSpoken_ ? *spoken_ : *lines_;
    const auto [firstLine, lastLine] = tablePageLines(page, printed.size());
    const std::vector<std::string> pageLines(printed.begin() + static_cast<std::ptrdiff_t>(firstLine),
                                             printed.begin() + static_cast<std::ptrdiff_t>(lastLine));
    const std::vector<std::string> shown = displayedTableLines(pageLines);
    painter.save();
    painter.setClipRect(text);
    // A layout wider than the designed table (the holds) is narrowed to the page's width.
    const double width = metrics.horizontalAdvance(ruler(longestLine(shown)));
    if (width > text.width()) {
        QFont narrower = font;
        narrower.setPointSizeF(font.pointSizeF() * text.width() / width);
        painter.setFont(narrower);
    }
    double y = text.top() + metrics.ascent();
    // Pages after the first repeat the column headings in the top margin, above their 70 lines.
    const std::optional<std::size_t> heading = columnHeadingLine(*lines_);
    if (heading && firstLine > *heading + 1) {
        painter.setClipping(false);
        const std::vector<std::string> headings = displayedTableLines({printed[*heading], printed[*heading + 1]});
        double headingY = y - 3 * pitch;
        for (const std::string& line : headings) {
            painter.drawText(QPointF(text.left(), headingY), QString::fromUtf8(line));
            headingY += pitch;
        }
        painter.setClipRect(text);
    }
    for (const std::string& line : shown) {
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
