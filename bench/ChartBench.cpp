// Figures for the trajectory chart of a range table window (5001 rows, every yard): from the
// window's opening to the painted chart, and one redraw after a resize, a pan step and a
// cursor move; the same redraws with five loads of 5001 rows laid over each other. Runs on
// the offscreen platform unless QT_QPA_PLATFORM says otherwise.
//
//   vorlan_chart_bench                    the benchmarks (medians of 21 runs)
//   vorlan_chart_bench --grab=FILE.png    saves a picture of a chart window with overlays and ends

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTest>
#include <cstdlib>
#include <string_view>

#include "bench/TableBenchSupport.h"
#include "reports/chartview/ReportChartSeries.h"
#include "reports/chartview/TrajectoryChartCommands.h"
#include "reports/chartview/TrajectoryChartView.h"
#include "reports/table/RangeTable.h"
#include "reports/table/TableWindowOwner.h"
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

const QSize kWindowSize{1000, 650};

struct Table {
    ShotParameters shot;
    std::vector<std::string> lines;
    ChartSeries series;
};

// The long table, and variants of it for the overlays (other velocities and coefficients).
Table longTable(int variant = 0) {
    Table table{bench::longTableShot(), {}, {}};
    table.shot.velocity -= 150.0 * variant;
    table.shot.ballisticCoefficient -= 0.1 * variant;
    table.shot.name += " " + std::to_string(variant + 1);
    const RangeTableReport report(table.shot);
    table.lines = rangeTableLines(table.shot, report);
    table.series = chartSeries(table.shot, report);
    return table;
}

void processUntilPainted(QWidget* widget) {
    bench::PaintWatcher watcher;
    widget->installEventFilter(&watcher);
    while (!watcher.painted) QCoreApplication::processEvents();
    widget->removeEventFilter(&watcher);
}

TrajectoryWindow* openChart(BenchOwner& owner, const Table& table, int overlays = 0) {
    TrajectoryWindow* window = openTrajectoryWindow(owner, table.lines, table.shot.name, nullptr, table.series);
    window->resize(kWindowSize);
    for (int i = 1; i <= overlays; ++i) window->chartCommands()->chart()->addOverlay(longTable(i).series);
    window->chartCommands()->showChart();
    processUntilPainted(window->chartCommands()->chart());
    return window;
}

// A table window opened straight onto its chart, until the chart has painted.
void BM_ChartWindowUntilPainted(benchmark::State& state) {
    const Table table = longTable();
    BenchOwner owner;
    for (auto _ : state) {
        TrajectoryWindow* window = openChart(owner, table);
        state.PauseTiming();
        state.counters["rows"] = static_cast<double>(window->chartCommands()->chart()->scene().series[0].rows.size());
        delete window;
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ChartWindowUntilPainted)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(21);

// An open table window: Ctrl+2 until the chart has painted.
void BM_ShowChartUntilPainted(benchmark::State& state) {
    const Table table = longTable();
    BenchOwner owner;
    for (auto _ : state) {
        state.PauseTiming();
        TrajectoryWindow* window = openTrajectoryWindow(owner, table.lines, table.shot.name, nullptr, table.series);
        window->resize(kWindowSize);
        bench::processUntilPainted(window->view());
        state.ResumeTiming();
        window->chartCommands()->showChart();
        processUntilPainted(window->chartCommands()->chart());
        state.PauseTiming();
        delete window;
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ShowChartUntilPainted)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(21);

enum class Redraw { Resize, PanStep, CursorMove };

void redraws(benchmark::State& state, Redraw kind, int overlays) {
    BenchOwner owner;
    TrajectoryWindow* window = openChart(owner, longTable(), overlays);
    TrajectoryChartView* chart = window->chartCommands()->chart();
    const QPoint centre = chart->rect().center();
    if (kind == Redraw::PanStep) QTest::mousePress(chart, Qt::LeftButton, {}, centre);
    int step = 0;
    for (auto _ : state) {
        const int sign = (++step % 2) ? 1 : -1;
        switch (kind) {
            case Redraw::Resize:
                chart->resize(chart->size() + QSize(sign * 10, sign * 6));
                break;
            case Redraw::PanStep:
                QTest::mouseMove(chart, centre + QPoint(sign * 10 + 10, 0));
                break;
            case Redraw::CursorMove:
                QTest::mouseMove(chart, centre + QPoint(sign * 7, 0));
                break;
        }
        chart->repaint();
    }
    if (kind == Redraw::PanStep) QTest::mouseRelease(chart, Qt::LeftButton, {}, centre);
    delete window;
}

void BM_ChartRedrawResize(benchmark::State& state) { redraws(state, Redraw::Resize, 0); }
void BM_ChartRedrawPanStep(benchmark::State& state) { redraws(state, Redraw::PanStep, 0); }
void BM_ChartRedrawCursorMove(benchmark::State& state) { redraws(state, Redraw::CursorMove, 0); }
void BM_FiveLoadsRedrawResize(benchmark::State& state) { redraws(state, Redraw::Resize, 4); }
void BM_FiveLoadsRedrawPanStep(benchmark::State& state) { redraws(state, Redraw::PanStep, 4); }
void BM_FiveLoadsRedrawCursorMove(benchmark::State& state) { redraws(state, Redraw::CursorMove, 4); }
BENCHMARK(BM_ChartRedrawResize)->Unit(benchmark::kMillisecond)->Iterations(20)->Repetitions(21);
BENCHMARK(BM_ChartRedrawPanStep)->Unit(benchmark::kMillisecond)->Iterations(20)->Repetitions(21);
BENCHMARK(BM_ChartRedrawCursorMove)->Unit(benchmark::kMillisecond)->Iterations(20)->Repetitions(21);
BENCHMARK(BM_FiveLoadsRedrawResize)->Unit(benchmark::kMillisecond)->Iterations(20)->Repetitions(21);
BENCHMARK(BM_FiveLoadsRedrawPanStep)->Unit(benchmark::kMillisecond)->Iterations(20)->Repetitions(21);
BENCHMARK(BM_FiveLoadsRedrawCursorMove)->Unit(benchmark::kMillisecond)->Iterations(20)->Repetitions(21);

int grab(const QString& path) {
    BenchOwner owner;
    TrajectoryWindow* window = openChart(owner, longTable(), 2);
    TrajectoryChartView* chart = window->chartCommands()->chart();
    QTest::mouseMove(chart, chart->rect().center());
    const bool saved = window->grab().save(path);
    delete window;
    return saved ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) { return vorlan::bench::windowBenchmarkMain(argc, argv, grab); }
