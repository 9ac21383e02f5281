#pragma once
// The table window's other views and its CSV: a checkable "&Holds", "&Units" with "&Imperial
// " and "&Metric", and "Click &Value" in the View menu, and "Export CSV..." in
// the File menu. The designed table is the view a window opens in unless another was chosen
// last time; the choice is kept in the preferences file, and a shot's own scope profile wins
// over it. Print, Print Preview and Save As take the view as shown; the window's chart, if it
// has one, speaks the chosen units.

#include <QObject>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

#include "reports/table/RangeTableView.h"
#include "shot/SafeFile.h"

class QAction;
class QMenu;

namespace vorlan {

class ShownUnits;
class TrajectoryWindow;

// The preferences file, an INI file of its own beside the settings file so that the
// settings file keeps its designed lines; the view is kept under "Table/" (PreferencesFile.h).
TableView loadTableViewPreferences(const QString& path);
FileOutcome saveTableViewPreferences(const QString& path, const TableView& view);
// The view a window opens in: the remembered one, with the click and the units of the shot's
// scope profile where they differ from the defaults.
TableView openingTableView(const TableView& remembered, const ScopeProfile& scope);

class TableViewCommands : public QObject {
    Q_OBJECT
public:
    // Adds the commands to the window's `view` menu and shows the opening view.
    TableViewCommands(TrajectoryWindow& window, QMenu& view, ShotParameters shot,
                      std::shared_ptr<const RangeTableReport> report, QString preferencesPath);

    const TableView& current() const { return current_; }
    const ShotParameters& shot() const { return shot_; }
    // Shows the view as it is of another shot and its report.
    void setShot(ShotParameters shot, std::shared_ptr<const RangeTableReport> report);
    // Shows `view` in the window's table and remembers it in the preferences file.
    void setView(const TableView& view);
    // Asks for the rows, holds and units and a file, and writes the CSV there.
    void exportCsv();
    // Speaks the units the application shows: metric while distances are metres, the
    // change followed as it comes (unless the shot's scope profile names its own), and
    // "&Units..." in the Units menu runs `openUnits`.
    void followUnits(ShownUnits& units, std::function<void()> openUnits);

private:
    void createActions(QMenu& view);
    void show(const TableView& view);
    void checkActions();

    TrajectoryWindow& window_;
    ShotParameters shot_;
    std::shared_ptr<const RangeTableReport> report_;
    const QString preferencesPath_;
    TableView current_;
    std::vector<std::string> lines_;        // the lines of a view other than the designed one
    std::vector<std::string> screenLines_;  // the same in the chosen language; none in English
    QAction* holds_ = nullptr;
    QAction* imperial_ = nullptr;
    QAction* metric_ = nullptr;
    QMenu* unitsMenu_ = nullptr;
    std::vector<std::pair<QAction*, ClickValue>> clicks_;
};

}  // namespace vorlan
