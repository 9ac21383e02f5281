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

void HitProbabilityRun::setRangeUnit(UnitSystem unit) {
    rangeUnit_ = unit;
    ranges_ = shotHitRanges(shot_, kHitCurveRanges, unit);
}

int HitProbabilityRun::targetRange() const { return shotHitTargetRange(shot_, rangeUnit_); }

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
    const int target = targetRange();
    const UnitSystem unit = rangeUnit_;
    worker_ = std::thread([this, shot = shot_, ranges = ranges_, cancel = cancel_, generation, runs, target, unit] {
        HitRunOptions options = shotHitOptions(shot);
        options.seed = kSeed;
        options.runs = runs;
        options.cancel = cancel.get();
        options.scatterRange = target;
        options.rangeUnit = unit;
        QElapsedTimer clock;
        clock.start();
        HitBudgetResult budget = shotHitBudget(shot, ranges, options);
        if (budget.hits.cancelled || cancel->load()) return;
        const double ms = static_cast<double>(clock.nsecsElapsed()) / 1e6;
        QMetaObject::invokeMethod(
            this,
            [this, generation, budget = std::move(budget), ms, unit] {
                deliverFigures(generation, budget.hits, budget.sampledRanges, ms);
                deliverMisses(generation, missCausesText(budget.causes, unit));
            },
            Qt::QueuedConnection);
    });
    return true;
}

void HitProbabilityRun::deliverFigures(int generation, const HitProbabilityResult& result, int sampledRanges,
                                       double milliseconds) {
    if (generation != generation_) return;
    result_ = result;
    emit figuresReady(result, sampledRanges, milliseconds);
}

void HitProbabilityRun::deliverMisses(int generation, const std::string& text) {
    if (generation != generation_) return;
    finished_ = true;
    emit missesReady(QString::fromStdString(text));
}

}  // namespace vorlan
