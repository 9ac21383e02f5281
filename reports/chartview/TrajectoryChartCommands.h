#pragma once
// The chart's commands in a range table window: a View menu after File ("&Table", "&Chart",
// Ctrl+1 and Ctrl+2, "Add to Chart...", "Reset Zoom"), a toolbar with the same, and "Export
// Chart..." after the designed items of the File menu. The table view and the chart share
// the window's central area; the designed menu items and the table's output stay as they are.

#include <QObject>
#include <QString>
#include <functional>

#include "chart/ChartSeries.h"

class QAction;
class QMainWindow;
class QMenu;
class QPrinter;
class QStackedWidget;

namespace vorlan {

class TrajectoryChartView;

class TrajectoryChartCommands : public QObject {
    Q_OBJECT
public:
    // Puts the chart of `own` beside `tableView`, the window's central widget.
    TrajectoryChartCommands(QMainWindow& window, ChartSeries own);

    TrajectoryChartView* chart() const { return chart_; }
    bool chartShown() const;
    void showTable();
    void showChart();

    // Lists the other open table windows by shot name and lays the chosen ones over the chart.
    void onAddToChart();

private:
    void createActions(QMenu* view);

    QMainWindow& window_;
    QStackedWidget* stack_;
    TrajectoryChartView* chart_;
    QAction* tableAction_ = nullptr;
    QAction* chartAction_ = nullptr;
};

// "Export Chart...": asks for a .png or .svg file and writes the chart as it is shown (size,
// zoom and overlays), without the cursor. A failure is shown in a message box.
void exportChartCommand(TrajectoryChartView& chart, QWidget* parent);

// Prints the chart on one page, under its shot names and the date.
void printChart(const TrajectoryChartView& chart, QPrinter* printer);

// A window with only a chart of several shots (the comparison's baseline and current shot),
// with Export Chart and Print; it deletes itself when closed.
// `place`, when given, moves the window to its place before it is shown.
QMainWindow* openChartWindow(std::vector<ChartSeries> series, QWidget* parent,
                             const std::function<void(QWidget*)>& place = {});

}  // namespace vorlan
