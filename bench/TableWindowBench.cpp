// Figures for the range table window: a 5000-row table from the report to the window's first
// paint, one repaint after a page scroll, and a switch to the holds or metric view until it
// has painted. Runs on the offscreen platform unless QT_QPA_PLATFORM says otherwise.
//
//   vorlan_table_bench                      the benchmarks (medians of 21 runs)
//   vorlan_table_bench --grab=FILE.png      saves a picture of a table window and ends
//                                           (FILE-holds.png and FILE-metric.png too)
//   vorlan_table_bench --grab=FILE.pdf      prints a two-page table to FILE.pdf and ends

#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QPrinter>
#include <QScrollBar>
#include <cstdlib>
#include <string_view>

#include "bench/TableBenchSupport.h"
#include "reports/table/RangeTable.h"
#include "reports/table/TableViewCommands.h"
#include "reports/table/TableWindowOwner.h"
#include "reports/table/TrajectoryTable.h"
#include "reports/table/TrajectoryTableScrollView.h"
#include "reports/table/TrajectoryWindow.h"

using namespace vorlan;

namespace {

class BenchOwner : public TableWindowOwner {
public:
    QString directory;
    QString& saveRangeTableDirectory() override { return directory; }
    void tableWindowDestroyed(TrajectoryWindow*) override {}
};

ShotParameters longTable() { return bench::longTableShot(); }

void processUntilPainted(TrajectoryWindow* window) { bench::processUntilPainted(window->view()); }

// The Range Table press from the report to a painted window.
void BM_RangeTableUntilPainted(benchmark::State& state) {
    const ShotParameters shot = longTable();
    BenchOwner owner;
    for (auto _ : state) {
        const RangeTableReport report(shot);
        TrajectoryWindow* window = openTrajectoryWindow(owner, rangeTableLines(shot, report), shot.name);
        processUntilPainted(window);
        state.PauseTiming();
        state.counters["lines"] = static_cast<double>(window->document().lines().size());
        delete window;
        state.ResumeTiming();
    }
}
BENCHMARK(BM_RangeTableUntilPainted)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(21);

// The window alone: lines already built, until the first paint.
void BM_WindowUntilPainted(benchmark::State& state) {
    const ShotParameters shot = longTable();
    const std::vector<std::string> lines = rangeTableLines(shot, RangeTableReport(shot));
    BenchOwner owner;
    for (auto _ : state) {
        TrajectoryWindow* window = openTrajectoryWindow(owner, lines, shot.name);
        processUntilPainted(window);
        state.PauseTiming();
        delete window;
        state.ResumeTiming();
    }
}
BENCHMARK(BM_WindowUntilPainted)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(21);

// One page scroll (alternately down and up) and the repaint of the view.
void BM_RepaintAfterPageScroll(benchmark::State& state) {
    const ShotParameters shot = longTable();
    BenchOwner owner;
    TrajectoryWindow* window = openTrajectoryWindow(owner, rangeTableLines(shot, RangeTableReport(shot)), shot.name);
    processUntilPainted(window);
    QScrollBar* bar = window->view()->verticalScrollBar();
    for (auto _ : state) {
        const bool down = bar->value() < bar->maximum();
        bar->triggerAction(down ? QAbstractSlider::SliderPageStepAdd : QAbstractSlider::SliderPageStepSub);
        window->view()->viewport()->repaint();
    }
    delete window;
}
BENCHMARK(BM_RepaintAfterPageScroll)->Unit(benchmark::kMillisecond)->Iterations(20)->Repetitions(21);

// From the designed table to the holds (0) or metric (1) view, until the view has painted.
void BM_SwitchViewUntilPainted(benchmark::State& state) {
    const ShotParameters shot = longTable();
    BenchOwner owner;
    TrajectoryWindow* window = openTrajectoryWindow(owner, shot, std::make_shared<const RangeTableReport>(shot));
    processUntilPainted(window);
    QAction* other = window->findChild<QAction*>(state.range(0) == 0 ? "viewHolds" : "viewMetric");
    QAction* designed = window->findChild<QAction*>(state.range(0) == 0 ? "viewHolds" : "viewImperial");
    for (auto _ : state) {
        other->trigger();
        processUntilPainted(window);
        state.PauseTiming();
        state.counters["lines"] = static_cast<double>(window->view()->lines().size());
        designed->trigger();
        processUntilPainted(window);
        state.ResumeTiming();
    }
    delete window;
}
BENCHMARK(BM_SwitchViewUntilPainted)
    ->ArgName("metric")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(21);

int grab(const QString& path) {
    ShotParameters shot;
    shot.name = "Example .177 pellet";
    shot.crosswind = 5.0;
    BenchOwner owner;
    if (path.endsWith(QLatin1String(".pdf"))) {
        shot.incrementCount = 125;
        TrajectoryWindow* window =
            openTrajectoryWindow(owner, rangeTableLines(shot, RangeTableReport(shot)), shot.name);
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        printer.setPageSize(QPageSize(QPageSize::Letter));
        window->view()->print(&printer);
        delete window;
        return 0;
    }
    TrajectoryWindow* window = openTrajectoryWindow(owner, shot, std::make_shared<const RangeTableReport>(shot));
    // The offscreen screen is small; show the size a window opens with on a desktop.
    window->resize(window->sizeHint());
    processUntilPainted(window);
    bool saved = window->grab().save(path);
    const QString stem = path.left(path.lastIndexOf(u'.'));
    window->findChild<QAction*>("viewHolds")->trigger();
    processUntilPainted(window);
    saved = window->grab().save(stem + "-holds.png") && saved;
    window->findChild<QAction*>("viewMetric")->trigger();
    processUntilPainted(window);
    saved = window->grab().save(stem + "-metric.png") && saved;
    delete window;
    return saved ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) { return vorlan::bench::windowBenchmarkMain(argc, argv, grab); }
