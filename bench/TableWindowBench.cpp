// Figures for the range table window: a 5000-row table from the report to the window's first
// paint, and one repaint after a page scroll. Runs on the offscreen platform unless
// QT_QPA_PLATFORM says otherwise.
//
//   vorlan_table_bench                      the benchmarks (medians of 21 runs)
//   vorlan_table_bench --grab=FILE.png      saves a picture of a table window and ends
//   vorlan_table_bench --grab=FILE.pdf      prints a two-page table to FILE.pdf and ends

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPrinter>
#include <QScrollBar>
#include <cstdlib>
#include <string_view>

#include "bench/TableBenchSupport.h"
#include "reports/RangeTable.h"
#include "reports/TableWindowOwner.h"
#include "reports/TrajectoryTable.h"
#include "reports/TrajectoryTableScrollView.h"
#include "reports/TrajectoryWindow.h"

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
    TrajectoryWindow* window = openTrajectoryWindow(owner, rangeTableLines(shot, RangeTableReport(shot)), shot.name);
    // The offscreen screen is small; show the size a window opens with on a desktop.
    window->resize(window->sizeHint());
    processUntilPainted(window);
    const bool saved = window->grab().save(path);
    delete window;
    return saved ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) { return vorlan::bench::windowBenchmarkMain(argc, argv, grab); }
