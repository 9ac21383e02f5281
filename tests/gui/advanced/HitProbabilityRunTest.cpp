// The Hit Probability window's model without the window: its figures against closed forms,
// the inputs kept with the shot, and a newer input never overwritten by the figures of an
// older one.

#include <QSignalSpy>
#include <QTest>
#include <cmath>
#include <numbers>

#include "tests/support/CalcTestLoads.h"
#include "ui/advanced/HitProbabilityRun.h"

using namespace vorlan;

namespace {

HitInputs precisionOnly(double moa) {
    HitInputs hit;
    hit.spreads.precisionMoa = moa;
    return hit;
}

// With only the precision in force: a circle of radius R (in) at `yards` is hit with
// probability 1 - exp(-R^2 / 2 sigma^2), sigma the precision's inches at that range.
double circleProbability(double precisionMoa, double radius, double yards) {
    const double sigma = precisionMoa / 60.0 * std::numbers::pi / 180.0 * yards * 36.0;
    return 1.0 - std::exp(-radius * radius / (2.0 * sigma * sigma));
}

}  // namespace

class HitProbabilityRunTest : public QObject {
    Q_OBJECT

private slots:
    // Three inputs in quick succession: each cancels the run before it; only the last one's
    // figures arrive, and they are the closed form's.
    void theLastInputsWin() {
        std::vector<HitInputs> kept;
        HitProbabilityRun run(testing::load308ShortTable(), [&](const HitInputs& hit) { kept.push_back(hit); });
        QSignalSpy figures(&run, &HitProbabilityRun::figuresReady);
        QSignalSpy misses(&run, &HitProbabilityRun::missesReady);
        for (const double moa : {3.0, 0.5, 1.0}) QVERIFY(run.start(precisionOnly(moa), kDefaultHitRuns));
        QTRY_VERIFY_WITH_TIMEOUT(run.finished(), 30000);
        QCOMPARE(kept.size(), std::size_t{3});
        QCOMPARE(run.shot().hit, precisionOnly(1.0));
        QCOMPARE(figures.size(), 1);
        QCOMPARE(figures[0][1].toInt(), 0);  // no range sampled
        const HitProbabilityResult& result = run.result();
        QCOMPARE(result.runs, 0);
        QCOMPARE(result.impacts.size(), std::size_t{2000});
        for (const HitRangeFigure& f : result.figures) {
            const double expected = circleProbability(1.0, 4.0, f.range);
            QVERIFY2(std::fabs(f.probability - expected) <= 1e-6,
                     qPrintable(QString("%1 yd: %2 against %3").arg(f.range).arg(f.probability).arg(expected)));
        }
        QCOMPARE(misses.size(), 1);
        QVERIFY(misses[0][0].toString().startsWith("The precision decides"));
    }

    // A run where the budget falls back counts those ranges by its samples; a run stopped
    // delivers nothing; a table without ranges starts none.
    void smallStoppedAndEmptyRuns() {
        HitProbabilityRun run(testing::load308ShortTable(), nullptr);
        QSignalSpy figures(&run, &HitProbabilityRun::figuresReady);
        HitInputs skewed = precisionOnly(0.5);
        skewed.spreads.coefficientSdPercent = 20;  // far from linear at 300 yd
        QVERIFY(run.start(skewed, 500));
        QTRY_VERIFY_WITH_TIMEOUT(run.finished(), 30000);
        QCOMPARE(figures.size(), 1);
        QVERIFY(figures[0][1].toInt() > 0);
        QCOMPARE(run.result().runs, 500);
        QVERIFY(run.result().figures[2].sampled && run.result().figures[2].standardError > 0.0);
        QVERIFY(run.start(precisionOnly(2.0), 200000));
        run.stop();
        QVERIFY(run.finished());
        QTest::qWait(50);
        QCOMPARE(figures.size(), 1);

        ShotParameters empty = testing::load308ShortTable();
        empty.incrementCount = 0;
        empty.targetRange = 0;
        HitProbabilityRun none(empty, nullptr);
        QVERIFY(none.ranges().empty());
        QVERIFY(!none.start(precisionOnly(1.0), 1000));
        QVERIFY(none.finished());
    }
};

QTEST_MAIN(HitProbabilityRunTest)
#include "HitProbabilityRunTest.moc"
