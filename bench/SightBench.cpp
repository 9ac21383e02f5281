// Figures for the sight picture of 20 ranges (100 to 1050 yd) and 3 winds on the mil grid, as
// the window makes it after a keystroke: the aiming points (the card's flights: the table's
// and one a wind), and the points with the picture painted into 600 x 600 pixels. Runs on the
// offscreen platform unless QT_QPA_PLATFORM says otherwise.

#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstdlib>

#include "reports/sight/SightPainter.h"
#include "reports/sight/SightPicture.h"
#include "tests/support/CalcTestLoads.h"

using namespace vorlan;

namespace {

ShotParameters benchShot() {
    ShotParameters shot = testing::load308();
    shot.targetRange = 500.0;
    return shot;
}

SightRequest benchRequest() {
    SightRequest request;
    request.reticle = *reticleNamed("mil-grid").reticle;
    for (int k = 0; k < 20; ++k) request.ranges.push_back(100.0 + 50.0 * k);
    request.winds = {5.0, 10.0, 15.0};
    request.magnification = 10.0;
    request.trueMagnification = 12.0;
    return request;
}

void BM_SightPicturePoints(benchmark::State& state) {
    const ShotParameters shot = benchShot();
    const SightRequest request = benchRequest();
    for (auto _ : state) benchmark::DoNotOptimize(sightPicture(shot, request));
}

void BM_SightPictureDrawn(benchmark::State& state) {
    const ShotParameters shot = benchShot();
    const SightRequest request = benchRequest();
    QImage image(600, 600, QImage::Format_RGB32);
    for (auto _ : state) {
        const SightPicture picture = sightPicture(shot, request);
        QPainter painter(&image);
        paintSightPicture(painter, picture, QRectF(0, 0, 600, 600));
    }
}

BENCHMARK(BM_SightPicturePoints)->Unit(benchmark::kMillisecond)->Repetitions(11)->ReportAggregatesOnly(true);
BENCHMARK(BM_SightPictureDrawn)->Unit(benchmark::kMillisecond)->Repetitions(11)->ReportAggregatesOnly(true);

}  // namespace

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QGuiApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
