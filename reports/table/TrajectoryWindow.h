#pragma once
// A range table window: the report of one Range Table press, shown in a scroll view, with a
// File menu that saves, prints, previews and sets up the printer, then exports a CSV; an Edit
// menu that copies the selected lines; and, given the shot and its report, the holds and
// metric views in the View menu (TableViewCommands). Each press opens a window of its own; it
// deletes itself when closed and tells its owner.
//
//   report lines + shot name -> openTrajectoryWindow -> TrajectoryTable (document)
//                                                   -> TrajectoryWindow -> TrajectoryTableScrollView
//   shot + report            -> TableViewCommands -> the view's lines, Export CSV

#include <QMainWindow>
#include <QPointer>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "chart/ChartSeries.h"
#include "shot/ShotParameters.h"

class QAction;
class QPrinter;
class QPrintPreviewDialog;

namespace vorlan {

class RangeTableReport;
class TableViewCommands;
class TableWindowOwner;
class TrajectoryChartCommands;
class TrajectoryTable;
class TrajectoryTableScrollView;

class TrajectoryWindow : public QMainWindow {
    Q_OBJECT
public:
    // `parent`: the window that opened this one, so that a modal run of that window leaves
    // this one usable; the table window is a top-level window all the same.
    TrajectoryWindow(std::unique_ptr<TrajectoryTable> table, TableWindowOwner& owner, QWidget* parent = nullptr);
    ~TrajectoryWindow() override;

    const TrajectoryTable& document() const { return *table_; }
    TrajectoryTableScrollView* view() const { return view_; }
    // True from the opening of a print preview until it closes.
    bool previewActive() const { return !preview_.isNull(); }
    QPrintPreviewDialog* previewDialog() const;

    // The File menu's commands.
    void onFileSaveAs();
    void onFilePrint();
    void onFilePrintPreview();
    void onFilePrintSetup();

    // The chart of the window's trajectory beside the table (View menu, toolbar, Export Chart).
    void addChart(ChartSeries own);
    TrajectoryChartCommands* chartCommands() const { return chart_; }

    // The shot and report the table was made from, for the holds and metric views (View menu)
    // and Export CSV; a window without them shows the designed table only.
    void addViews(ShotParameters shot, std::shared_ptr<const RangeTableReport> report);
    TableViewCommands* viewCommands() const { return views_; }

    // Why the table ends short of its last increment, under the table where the eye reaches
    // the last row; empty: it reaches it, and no note is shown.
    void showEndNote(const QString& text);

    // The shot changed (a window opened from this one changed it): the table, its views and
    // its chart, P(hit) included, are made again of `shot`. A window without its shot stays.
    void shotChanged(const ShotParameters& shot);

protected:
    // Closing while the preview shows ends the preview only.
    void closeEvent(QCloseEvent* event) override;

private:
    void createMenu();
    void setIcons();
    QString askSavePath(const QString& initialPath);
    // Prints what the window shows: the table's pages, or the chart on one page.
    void printShown(QPrinter* printer);

    std::unique_ptr<TrajectoryTable> table_;
    TableWindowOwner& owner_;
    TrajectoryTableScrollView* view_;
    std::shared_ptr<QPrinter> printer_;
    QPointer<QPrintPreviewDialog> preview_;
    TrajectoryChartCommands* chart_ = nullptr;
    TableViewCommands* views_ = nullptr;
    QAction* exportCsv_ = nullptr;
    QAction* fieldCard_ = nullptr;
    QAction* hitProbability_ = nullptr;
};

// Creates the window for a report, titled "Trajectory Table - " and the shot name, shows it
// and returns it. The caller adds it to its list of open table windows.
// `chart`: every recorded yard of the table's trajectory, for the window's chart; a window
// without it shows the table only. `screenLines`: the lines on screen (TrajectoryTable).
TrajectoryWindow* openTrajectoryWindow(TableWindowOwner& owner, std::vector<std::string> lines,
                                       const std::string& shotName, QWidget* parent = nullptr,
                                       std::optional<ChartSeries> chart = std::nullopt,
                                       std::vector<std::string> screenLines = {});
// The same for a shot and its report, with the holds and metric views and Export CSV. The
// screen shows the table's words in the chosen language; printing and saving keep English.
TrajectoryWindow* openTrajectoryWindow(TableWindowOwner& owner, const ShotParameters& shot,
                                       std::shared_ptr<const RangeTableReport> report, QWidget* parent = nullptr,
                                       std::optional<ChartSeries> chart = std::nullopt);

}  // namespace vorlan
