// The Hit Probability window's model without the window: its figures against closed forms,
// the first answer before the full run, the inputs kept with the shot, and a newer input
// never overwritten by the figures of an older one.

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
    // first answer and full run arrive, and its figures follow the closed form.
    void theLastInputsWin() {
        std::vector<HitInputs> kept;
        HitProbabilityRun run(testing::load308ShortTable(), [&](const HitInputs& hit) { kept.push_back(hit); });
        QSignalSpy figures(&run, &HitProbabilityRun::figuresReady);
        QSignalSpy misses(&run, &HitProbabilityRun::missesReady);
        for (const double moa : {3.0, 0.5, 1.0}) QVERIFY(run.start(precisionOnly(moa), kDefaultHitRuns));
        QTRY_VERIFY_WITH_TIMEOUT(run.finished(), 30000);
        QCOMPARE(kept.size(), std::size_t{3});
        QCOMPARE(run.shot().hit, precisionOnly(1.0));
        QCOMPARE(figures.size(), 2);
        QCOMPARE(figures[0][0].value<HitProbabilityResult>().runs, HitProbabilityRun::kQuickRuns);
        QCOMPARE(figures[0][1].toBool(), true);
        QCOMPARE(figures[1][1].toBool(), false);
        const HitProbabilityResult& result = run.result();
        QCOMPARE(result.runs, kDefaultHitRuns);
        QCOMPARE(result.impacts.size(), std::size_t{2000});
        for (const HitRangeFigure& f : result.figures) {
            const double expected = circleProbability(1.0, 4.0, f.range);
            QVERIFY2(
                std::fabs(f.probability - expected) <= 4.0 * std::sqrt(expected * (1.0 - expected) / kDefaultHitRuns),
                qPrintable(QString("%1 yd: %2 against %3").arg(f.range).arg(f.probability).arg(expected)));
        }
        QCOMPARE(misses.size(), 1);
        QVERIFY(misses[0][0].toString().startsWith("The precision decides"));
    }

    // A run of no more samples than the first answer's is the full run at once; a run stopped
    // delivers nothing; a table without ranges starts none.
    void smallStoppedAndEmptyRuns() {
        HitProbabilityRun run(testing::load308ShortTable(), nullptr);
        QSignalSpy figures(&run, &HitProbabilityRun::figuresReady);
        QVERIFY(run.start(precisionOnly(1.0), HitProbabilityRun::kQuickRuns));
        QTRY_VERIFY_WITH_TIMEOUT(run.finished(), 30000);
        QCOMPARE(figures.size(), 1);
        QCOMPARE(figures[0][1].toBool(), false);
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
