#pragma once
// The client of a range table window: the report in a fixed-pitch font, scrollable both ways,
// and its printed pages. Only the lines in view are painted, so a table of thousands of rows
// scrolls as fast as a short one. Lines can be selected (mouse drag, Shift with the arrow and
// page keys, Ctrl+A) and copied; the selection never reaches the printed pages.

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

    // Prints the pages the printer asks for (all of them unless a page range is chosen): the
    // designed English report, or with `setPrintSpoken` the lines as the screen shows them.
    void print(QPrinter* printer);
    void setPrintSpoken(bool spoken) { printSpoken_ = spoken; }

    // The report lines printed and copied: the document's, or another layout of the same table.
    // `lines` must outlive the view or the next call. The screen shows `screenLines`, the same
    // lines in the chosen language, when they are given and match them line for line. Clears
    // the selection.
    void showLines(const std::vector<std::string>& lines, const std::vector<std::string>& screenLines = {});
    const std::vector<std::string>& lines() const { return *lines_; }

    // Shown lines [first, last] selected; first > last when nothing is.
    struct Selection {
        int first = 0;
        int last = -1;
        bool empty() const { return first > last; }
    };
    Selection selection() const;
    void selectAll();
    void clearSelection();
    // Puts the selected lines, or all of them when none is selected, on the clipboard: as
    // tab-separated values in both "text/plain" and "text/tab-separated-values" (spreadsheets
    // paste "text/plain" and split it at tabs), or as the lines read on screen with `asShown`
    // (in the chosen language, where the screen speaks it).
    void copy(bool asShown = false) const;

    QSize sizeHint() const override;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    void measure();
    void updateScrollBars();
    void printPage(QPainter& painter, QPrinter& printer, int page);
    void widenWindowForLines();
    int lineAt(int viewportY) const;
    // Moves the selection's moving end to `line`, keeping its anchor when `extend`.
    void selectTo(int line, bool extend);
    bool extendSelectionByKey(QKeyEvent* event);
    void paintSelection(QPainter& painter, QPoint origin, int first, int last);

    const std::vector<std::string>* lines_;
    const std::vector<std::string>* spoken_;  // the lines on screen: lines_ or their words in the chosen language
    bool printSpoken_ = false;                // printing takes the lines on screen, not the report's
    // Tabs expanded, the name line's break split off. Kept as UTF-8 and turned into text for
    // the visible lines only: a 100,000-row table is not held a third time as UTF-16.
    std::vector<std::string> shownLines_;
    QFont screenFont_;
    int lineHeight_ = 0;
    int ascent_ = 0;
    int charWidth_ = 1;
    int drawingWidth_ = 0;  // right edge of the text, from the drawing ruler
    QSize totalSize_;       // scroll extent, from the scroll ruler
    int anchor_ = -1;       // the selection's fixed end, a shown line; -1: nothing selected
    int cursor_ = -1;       // its moving end
};

}  // namespace vorlan
