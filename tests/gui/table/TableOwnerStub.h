#pragma once
// Stands in for the main dialog as a table window's owner: keeps the save folder and the list
// of open windows, and deletes the windows still open when it goes.

#include <QString>
#include <memory>
#include <vector>

#include "reports/table/RangeTable.h"
#include "reports/table/TableWindowOwner.h"
#include "reports/table/TrajectoryWindow.h"

class TableOwnerStub : public vorlan::TableWindowOwner {
public:
    QString directory;
    QString preferences;  // the preferences file; empty: none
    std::vector<vorlan::TrajectoryWindow*> windows;

    QString& saveRangeTableDirectory() override { return directory; }
    QString preferencesPath() override { return preferences; }
    void tableWindowDestroyed(vorlan::TrajectoryWindow* window) override { std::erase(windows, window); }
    ~TableOwnerStub() {
        for (vorlan::TrajectoryWindow* window : std::vector(windows)) delete window;
    }

    // A window showing the designed lines of a shot, as the table text alone.
    vorlan::TrajectoryWindow* open(const vorlan::ShotParameters& shot) {
        windows.push_back(
            vorlan::openTrajectoryWindow(*this, rangeTableLines(shot, vorlan::RangeTableReport(shot)), shot.name));
        return windows.back();
    }
    // A window with its shot and report: the other views and Export CSV.
    vorlan::TrajectoryWindow* openWithViews(const vorlan::ShotParameters& shot) {
        report = std::make_shared<const vorlan::RangeTableReport>(shot);
        windows.push_back(vorlan::openTrajectoryWindow(*this, shot, report));
        return windows.back();
    }
    std::shared_ptr<const vorlan::RangeTableReport> report;  // of the last window opened with its views
};

// A named shot with the given number of rows after the muzzle row.
inline vorlan::ShotParameters shotWithRows(int incrementCount) {
    vorlan::ShotParameters shot;
    shot.name = "Test Pellet";
    shot.incrementCount = incrementCount;
    return shot;
}
