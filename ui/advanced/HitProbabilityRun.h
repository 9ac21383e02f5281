#pragma once
// The Hit Probability window's model: the shot it flies, with the inputs last read, and the
// run of samples those inputs start.
//
// Every new set of inputs cancels the run before (and waits for its worker to stop) and starts
// another in a worker thread: the error budget (HitBudget.h), which counts the ranges where the
// impact is far from linear by the seeded samples, and puts the misses down to one input from
// the same numbers. The results arrive as signals on the model's thread; those of a cancelled
// run never do.

#include <QObject>
#include <atomic>
#include <functional>
#include <memory>
#include <thread>
#include <vector>

#include "engine/HitProbability.h"
#include "shot/ShotParameters.h"

namespace vorlan {

class HitProbabilityRun : public QObject {
    Q_OBJECT
public:
    // The seed of every run (as vorlan-cli hit's, so that both give the same figures).
    static constexpr std::uint64_t kSeed = 1;

    // `keep` receives the inputs each time they are taken (the owner's shot).
    HitProbabilityRun(ShotParameters shot, std::function<void(const HitInputs&)> keep, QObject* parent = nullptr);

    // The ranges counted at are whole yards, or with UnitSystem::Metric whole metres, each
    // flown at its exact yards; for the runs that start from now on.
    void setRangeUnit(UnitSystem unit);
    UnitSystem rangeUnit() const { return rangeUnit_; }
    // The shot's target range among the ranges, in their unit; 0 when it is none.
    int targetRange() const;
    ~HitProbabilityRun() override;

    // The shot flown, with the inputs last taken, and the ranges its hits are counted at.
    const ShotParameters& shot() const { return shot_; }
    const std::vector<int>& ranges() const { return ranges_; }  // in rangeUnit()
    // A new muzzle velocity (ft/s) for the runs that start from now on.
    void setVelocity(double velocity) { shot_.velocity = velocity; }
    // Takes checked inputs: keeps them with the shot (and tells `keep` unless `keep` is false),
    // cancels the run before and starts one (`runs` samples where it samples). False when the table has no
    // range to count hits at (no run then).
    bool start(const HitInputs& hit, int runs, bool keep = true);
    // Tells `keep` the inputs last taken (those started without keeping them).
    void keep() const {
        if (keep_) keep_(shot_.hit);
    }
    // Cancels the run in progress and waits for it; nothing more arrives from it.
    void stop();
    // Whether the last run has ended (the figures and the miss causes, or cancelled).
    bool finished() const { return finished_; }
    // The last figures delivered.
    const HitProbabilityResult& result() const { return result_; }

signals:
    // The figures, how many ranges the samples counted, and how long they took.
    void figuresReady(const vorlan::HitProbabilityResult& result, int sampledRanges, double milliseconds);
    // The misses in words ("The precision decides most of the misses."), empty without misses.
    void missesReady(const QString& text);

private:
    void deliverFigures(int generation, const HitProbabilityResult& result, int sampledRanges, double milliseconds);
    void deliverMisses(int generation, const std::string& text);

    ShotParameters shot_;
    std::function<void(const HitInputs&)> keep_;
    std::vector<int> ranges_;
    UnitSystem rangeUnit_ = UnitSystem::Imperial;
    HitProbabilityResult result_;
    bool finished_ = true;
    int generation_ = 0;
    std::thread worker_;
    std::shared_ptr<std::atomic<bool>> cancel_;
};

}  // namespace vorlan
