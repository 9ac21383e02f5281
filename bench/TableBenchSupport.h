#pragma once
// What the table window figures share: the wait for a first paint (the shot is in BenchShots.h).

#include <benchmark/benchmark.h>

#include <QAbstractScrollArea>
#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QString>
#include <cstdlib>
#include <string_view>

#include "bench/BenchShots.h"

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

// The main of a window benchmark: Qt offscreen unless the caller chose a platform;
// "--grab=FILE" saves a picture with `grab`, anything else runs the benchmarks.
inline int windowBenchmarkMain(int argc, char** argv, int (*grab)(const QString& path)) {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    constexpr std::string_view grabOption = "--grab=";
    if (argc > 1 && std::string_view(argv[1]).starts_with(grabOption))
        return grab(QString::fromLocal8Bit(argv[1] + grabOption.size()));
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

}  // namespace vorlan::bench
