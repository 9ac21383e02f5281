#include "ui/advanced/HitProbabilityRun.h"

#include <QElapsedTimer>
#include <cmath>

#include "shot/ShotSetup.h"

namespace vorlan {

HitProbabilityRun::HitProbabilityRun(ShotParameters shot, std::function<void(const HitInputs&)> keep, QObject* parent)
    : QObject(parent), shot_(std::move(shot)), keep_(std::move(keep)) {
    ranges_ = shotHitRanges(shot_, kHitCurveRanges);
}

HitProbabilityRun::~HitProbabilityRun() { stop(); }

void HitProbabilityRun::stop() {
    if (cancel_) cancel_->store(true);
    if (worker_.joinable()) worker_.join();
    ++generation_;
    finished_ = true;
}

bool HitProbabilityRun::start(const HitInputs& hit, int runs, bool keep) {
    stop();
    shot_.hit = hit;
    if (keep && keep_) keep_(hit);
    if (ranges_.empty()) return false;
    finished_ = false;
    cancel_ = std::make_shared<std::atomic<bool>>(false);
    const int generation = generation_;
    const int targetRange = static_cast<int>(std::lround(shot_.targetRange));
    worker_ = std::thread([this, shot = shot_, ranges = ranges_, cancel = cancel_, generation, runs, targetRange] {
        HitRunOptions options = shotHitOptions(shot);
        options.seed = kSeed;
        options.cancel = cancel.get();
        options.scatterRange = targetRange;
        const TrajectorySolver flight = setUpHitShot(shot);
        const HitTarget target = shotHitTarget(shot);
        std::vector<int> stages{runs};
        if (runs > kQuickRuns) stages.insert(stages.begin(), kQuickRuns);
        for (const int n : stages) {
            QElapsedTimer clock;
            clock.start();
            options.runs = n;
            HitProbabilityResult result = computeHitProbability(flight, shot.hit.spreads, target, ranges, options);
            if (result.cancelled) return;
            const double ms = static_cast<double>(clock.nsecsElapsed()) / 1e6;
            const bool quick = n < runs;
            QMetaObject::invokeMethod(
                this,
                [this, generation, result = std::move(result), quick, ms] {
                    deliverFigures(generation, result, quick, ms);
                },
                Qt::QueuedConnection);
        }
        options.scatterRange = -1;
        const std::vector<MissCause> causes = missCauses(flight, shot.hit.spreads, target, ranges, options);
        if (cancel->load()) return;
        QMetaObject::invokeMethod(
            this, [this, generation, text = missCausesText(causes)] { deliverMisses(generation, text); },
            Qt::QueuedConnection);
    });
    return true;
}

void HitProbabilityRun::deliverFigures(int generation, const HitProbabilityResult& result, bool quick,
                                       double milliseconds) {
    if (generation != generation_) return;
    result_ = result;
    emit figuresReady(result, quick, milliseconds);
}

void HitProbabilityRun::deliverMisses(int generation, const std::string& text) {
    if (generation != generation_) return;
    finished_ = true;
    emit missesReady(QString::fromStdString(text));
}

}  // namespace vorlan
