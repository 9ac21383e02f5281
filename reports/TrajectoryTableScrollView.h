#pragma once
// The client of a range table window: the report in a fixed-pitch font, scrollable both ways,
// and its printed pages. Only the lines in view are painted, so a table of thousands of rows
// scrolls as fast as a short one.

#include <QAbstractScrollArea>
#include <QFont>
#include <string>
#include <vector>

class QPrinter;

namespace vorlan {

class TrajectoryTable;

class TrajectoryTableScrollView : public QAbstractScrollArea {
    Q_OBJECT
public:
    TrajectoryTableScrollView(const TrajectoryTable& table, QWidget* parent = nullptr);

    // Left and top margin of the text on screen, in pixels.
    static constexpr int kScreenMargin = 10;

    // Pixel height of one line and the scroll extent. A line step is one character across and
    // one line down; a page step is the part in view, as in every text view.
    int lineHeight() const { return lineHeight_; }
    QSize totalSize() const { return totalSize_; }

    // Prints the pages the printer asks for (all of them unless a page range is chosen).
    void print(QPrinter* printer);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    void measure();
    void updateScrollBars();
    void printPage(QPainter& painter, QPrinter& printer, int page);

    const TrajectoryTable& table_;
    // Tabs expanded, the name line's break split off. Kept as UTF-8 and turned into text for
    // the visible lines only: a 100,000-row table is not held a third time as UTF-16.
    std::vector<std::string> shownLines_;
    QFont screenFont_;
    int lineHeight_ = 0;
    int ascent_ = 0;
    int charWidth_ = 1;
    int drawingWidth_ = 0;  // right edge of the text, from the drawing ruler
    QSize totalSize_;       // scroll extent, from the scroll ruler
};

}  // namespace vorlan
