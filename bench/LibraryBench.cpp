// Figures for the library of 500 loads (25 rifles of 20 loads, whole shot files): the listing
// (every file read through the shot reader and sorted), and the Library window from its
// construction to its first paint. Runs on the offscreen platform unless QT_QPA_PLATFORM
// says otherwise; vorlan-cli library list as a whole process is bench/library_cli.sh.
//
//   vorlan_library_bench                    the benchmarks
//   vorlan_library_bench --grab=FILE.png    saves a picture of the window on the 500 loads

#include <benchmark/benchmark.h>

#include <QDir>
#include <QTemporaryDir>
#include <QTreeView>

#include "bench/BenchShots.h"
#include "bench/TableBenchSupport.h"
#include "shot/CLocaleNumbers.h"
#include "shot/PreferencesFile.h"
#include "shot/ShotFile.h"
#include "shot/library/LibraryListing.h"
#include "ui/common/AppContext.h"
#include "ui/library/CLibraryDlg.h"
#include "ui/library/LibraryWindowOwner.h"

using namespace vorlan;

namespace {

constexpr int kLoads = 500;

// A library of 500 loads in a folder of its own, with a preferences file that names it.
struct BenchLibrary : LibraryWindowOwner {
    QTemporaryDir dir;
    QString folder = dir.filePath(QStringLiteral("Library"));
    QString preferences = dir.filePath(QStringLiteral("Vorlan Preferences.ini"));

    BenchLibrary() {
        QDir().mkpath(folder);
        ShotParameters shot = bench::longTableShot();
        for (int i = 0; i < kLoads; ++i) {
            shot.name = cFormat("Load %d", i);
            shot.rifle = cFormat("Rifle %d", i % 25);
            shot.velocity = 2400 + i;
            writeShotFile(folder.toStdString() + cFormat("/load-%d.vxf", i), shot);
        }
        writePreferences(preferences.toStdString(), {{kLibraryFolderKey, folder.toStdString()}});
    }
    std::optional<ShotParameters> libraryShot() override { return std::nullopt; }
    bool openLibraryLoad(const QString&) override { return false; }
    void savedToLibrary(const QString&, const ShotParameters&) override {}
    QString preferencesPath() override { return preferences; }
};

BenchLibrary& library() {
    static BenchLibrary made;
    return made;
}

void BM_ListLibrary(benchmark::State& state) {
    const std::string folder = library().folder.toStdString();
    for (auto _ : state) {
        const LibraryListing listing = listLibrary(folder);
        if (listing.loads.size() != kLoads) state.SkipWithError("not every load listed");
        benchmark::DoNotOptimize(listing);
    }
}
BENCHMARK(BM_ListLibrary)->Unit(benchmark::kMillisecond)->Repetitions(11)->ReportAggregatesOnly(true);

// From the Library press (the window made, its folder listed) to the tree's first paint.
void BM_LibraryWindowUntilPainted(benchmark::State& state) {
    AppContext context;
    for (auto _ : state) {
        auto* window = new CLibraryDlg(context, &library());
        window->show();
        bench::processUntilPainted(window->tree());
        state.PauseTiming();
        delete window;
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_LibraryWindowUntilPainted)->Unit(benchmark::kMillisecond)->Repetitions(11)->ReportAggregatesOnly(true);

int grab(const QString& path) {
    AppContext context;
    CLibraryDlg window(context, &library());
    window.show();
    bench::processUntilPainted(window.tree());
    return window.grab().save(path) ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) { return bench::windowBenchmarkMain(argc, argv, grab); }
