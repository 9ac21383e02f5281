// Figure for the Range Table command in the real main dialog: the button press (reading the
// controls, both trajectories, the report lines, the window) until the table window has
// painted, for range increment 1 x 5000 increments. Runs on the offscreen platform unless
// QT_QPA_PLATFORM says otherwise.
//
//   vorlan_rangetable_command_bench      the benchmark (median of 21 presses)

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPushButton>
#include <cstdlib>

#include "bench/TableBenchSupport.h"
#include "reports/table/TrajectoryTable.h"
#include "reports/table/TrajectoryTableScrollView.h"
#include "reports/table/TrajectoryWindow.h"
#include "ui/common/AppContext.h"
#include "ui/common/ControlIds.h"
#include "ui/main/CVorlan2Dlg.h"

using namespace vorlan;

namespace {

void enterLongShot(CVorlan2Dlg& dialog) {
    dialog.shot() = bench::longTableShot();
    dialog.updateData(false);
}

void BM_RangeTableButtonUntilPainted(benchmark::State& state) {
    AppContext context;
    int messages = 0;
    context.showMessage = [&messages](QWidget*, const QString&) { ++messages; };
    CVorlan2Dlg dialog(context);
    dialog.show();
    QCoreApplication::processEvents();
    enterLongShot(dialog);
    auto* button = dialog.controlAs<QPushButton>(MainDialogIds::kRangeTableButton);
    for (auto _ : state) {
        button->click();
        auto* window = qobject_cast<TrajectoryWindow*>(dialog.openTableWindows.last().data());
        bench::processUntilPainted(window->view());
        state.PauseTiming();
        state.counters["lines"] = static_cast<double>(window->document().lines().size());
        delete window;
        state.ResumeTiming();
    }
    state.counters["messages"] = messages;  // 0: every field passed its check
}
BENCHMARK(BM_RangeTableButtonUntilPainted)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(21);

}  // namespace

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
