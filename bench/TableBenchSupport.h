#pragma once
// What the table window figures share: the wait for a first paint (the shot is in BenchShots.h).

#include <QAbstractScrollArea>
#include <QCoreApplication>
#include <QEvent>

#include "BenchShots.h"

namespace vorlan::bench {

// Notes that a widget has received a paint event; the paint has run once the event is
// delivered, that is when processEvents returns.
class PaintWatcher : public QObject {
public:
    bool painted = false;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) painted = true;
        return false;
    }
};

// Runs the event loop until the view's viewport has painted once.
inline void processUntilPainted(QAbstractScrollArea* view) {
    PaintWatcher watcher;
    view->viewport()->installEventFilter(&watcher);
    while (!watcher.painted) QCoreApplication::processEvents();
    view->viewport()->removeEventFilter(&watcher);
}

}  // namespace vorlan::bench
