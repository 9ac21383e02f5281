#pragma once
// Stands in for the main dialog as a table window's owner: keeps the save folder and the list
// of open windows, and deletes the windows still open when it goes.

#include <QString>
#include <vector>

#include "reports/TableWindowOwner.h"
#include "reports/TrajectoryWindow.h"

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
};
