#pragma once
// What a range table window needs from the dialog that opened it.

#include <QString>

#include "engine/Units.h"

class QWidget;

namespace vorlan {

class ShownUnits;
class TrajectoryWindow;
struct ShotParameters;

class TableWindowOwner {
public:
    // The folder last used to save a range table, with its trailing separator; the window
    // offers it in Save As and stores the folder chosen there.
    virtual QString& saveRangeTableDirectory() = 0;
    // Called from the window's destructor, however it ends (closed by the user or deleted by
    // the owner): the owner drops the window from its list. An owner that deletes its windows
    // should iterate over a copy of that list.
    virtual void tableWindowDestroyed(TrajectoryWindow* window) = 0;
    // The preferences file the windows remember their last view in; empty: none.
    virtual QString preferencesPath() { return {}; }
    // Moves a new window (not yet shown) to its place; by default the window system's choice.
    virtual void placeTableWindow(QWidget* /*window*/) {}
    // F1 in the window: the help page on the table window, when the owner has help to show.
    virtual void showRangeTableHelp() {}
    // File > Field Card: a field card window of the table's shot, in the units the table shows.
    virtual void openFieldCard(const ShotParameters&, UnitSystem) {}
    // View > Sight Picture: where to hold on a reticle, for the table's shot in its units.
    virtual void openSightPicture(const ShotParameters&, UnitSystem) {}
    // File > Hit Probability: a hit probability window of the table's shot. The windows opened
    // from `table` call its shotChanged() when they change the shot, so that it follows.
    virtual void openHitProbability(const ShotParameters&, TrajectoryWindow& /*table*/) {}
    // File > Truing: a Truing window of the owner's shot, whose Apply trues the tables to come
    // and `table`.
    virtual void openTruing(TrajectoryWindow& /*table*/) {}
    // File > Library: the library of rifles and loads.
    virtual void openLibrary() {}
    // View > Units > Units...: the unit of each quantity, for every window.
    virtual void openUnits() {}
    // The units the application shows, whose distance unit the table follows; none: the
    // window keeps to its own Imperial and Metric views.
    virtual ShownUnits* shownUnits() { return nullptr; }

protected:
    ~TableWindowOwner() = default;
};

}  // namespace vorlan
