#include "reports/sight/SightPicture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>

#include "reports/card/FieldCard.h"
#include "reports/card/FieldCardLayout.h"
#include "reports/table/RangeTable.h"
#include "reports/table/RangeTableCsv.h"
#include "shot/CLocaleNumbers.h"
#include "tests/support/CalcTestLoads.h"
#include "tests/support/SplitText.h"

namespace vorlan {
namespace {

using testing::split;

// The table's holds (true MOA or mil, up and right) at whole yards, read from its CSV.
struct Holds {
    std::map<int, std::pair<double, double>> byYard;
    std::pair<double, double> at(double yards) const { return byYard.at(static_cast<int>(std::lround(yards))); }
};

Holds tableHolds(ShotParameters shot, AngleUnit unit) {
    shot.rangeIncrement = 1;
    shot.incrementCount = 1100;
    CsvOptions options;
    options.holds = true;
    options.lineEnd = "\n";
    const std::vector<std::string> lines = split(rangeTableCsv(RangeTableReport(shot), options), '\n');
    const std::vector<std::string> names = split(lines.at(0), ',');
    const std::string suffix = unit == AngleUnit::Mil ? "mil" : "true_moa";
    std::size_t up = 0, right = 0;
    for (std::size_t c = 0; c < names.size(); ++c) {
        if (names[c] == "elevation_up_" + suffix) up = c;
        if (names[c] == "windage_right_" + suffix) right = c;
    }
    Holds holds;
    for (std::size_t i = 2; i < lines.size(); ++i) {
        const std::vector<std::string> f = split(lines[i], ',');
        if (f.size() > right) holds.byYard[std::stoi(f[0])] = {cToDouble(f[up]), cToDouble(f[right])};
    }
    return holds;
}

// The shot with a wind of `mph` full value from the right over the whole flight.
ShotParameters windy(ShotParameters shot, double mph) {
    shot.crosswind = 0;
    shot.advanced.windSpeed = mph;
    shot.advanced.windDirection = 90;
    return shot;
}

Reticle reticleOf(const char* name) { return *reticleNamed(name).reticle; }

SightRequest requestFor(const char* reticle, HoldMode mode = HoldMode::DialElevation) {
    SightRequest request;
    request.reticle = reticleOf(reticle);
    request.mode = mode;
    return request;
}

struct PointCase {
    const char* reticle;
    HoldMode mode;
    double zero;  // DialZero, yd
    double magnification;
    std::optional<double> trueAt;  // makes it second plane
    double scale;                  // true angle per reticle unit, worked by hand
    std::vector<double> ranges;    // yd
    std::vector<double> winds;     // mph, or in windUnit
    std::optional<Unit> windUnit = std::nullopt;
};

// Every point is the table's hold (true, in the reticle's unit) less what is dialled, read on
// the reticle at its scale; the target sits at minus the hold.
TEST(SightPicture, PointsAreTheTablesHolds) {
    const PointCase cases[] = {
        {"mil-grid", HoldMode::HoldAll, 0, 10, std::nullopt, 1.0, {300, 400, 500}, {10}},
        {"mil-grid", HoldMode::DialElevation, 0, 10, 12.0, 1.2, {300, 400, 500}, {5, 10}},
        {"mil-dot", HoldMode::DialZero, 300, 15, std::nullopt, 10.0 / 15.0, {200, 400}, {}},
        {"moa-hash", HoldMode::DialElevation, 0, 5, std::nullopt, 2.0, {}, {10, 20}},
        {"duplex", HoldMode::DialZero, 200, 10, std::nullopt, 1.0, {250}, {4}},
        {"mil-grid", HoldMode::HoldAll, 0, 10, std::nullopt, 1.0, {300, 500}, {16.09344, 8}, Unit::Kmh},
    };
    for (const PointCase& c : cases) {
        SCOPED_TRACE(std::string(c.reticle) + cFormat(" at %gx", c.magnification));
        ShotParameters shot = testing::load308();
        shot.crosswind = 7;
        shot.targetRange = 450;
        const SightRequest request{.reticle = reticleOf(c.reticle),
                                   .ranges = c.ranges,
                                   .winds = c.winds,
                                   .windUnit = c.windUnit,
                                   .mode = c.mode,
                                   .zeroRange = c.zero,
                                   .magnification = c.magnification,
                                   .trueMagnification = c.trueAt};
        ASSERT_EQ(sightRequestProblem(request), "");
        const SightPicture picture = sightPicture(shot, request);
        // The winds are told in their unit (16.09344 km/h is 10 mph).
        const bool kmh = c.windUnit == Unit::Kmh;
        EXPECT_EQ(picture.windUnit, kmh ? "km/h" : "mph");
        EXPECT_TRUE(sightCsv(picture).starts_with(kmh ? "range_yd,wind_kmh," : "range_yd,wind_mph,"));
        EXPECT_NEAR(picture.scale, c.scale, 1e-12);
        const AngleUnit unit = request.reticle.unit;
        const Holds own = tableHolds(shot, unit);
        const double dial =
            c.mode == HoldMode::HoldAll ? 0.0 : own.at(c.mode == HoldMode::DialZero ? c.zero : 450).first;
        std::size_t wanted = 1 + (c.ranges.empty() ? 1 : c.ranges.size()) * std::max<std::size_t>(c.winds.size(), 1);
        if (c.ranges.empty() && c.winds.empty()) wanted = 1;
        ASSERT_EQ(picture.points.size(), wanted);
        for (const AimPoint& p : picture.points) {
            const Holds holds = p.wind ? tableHolds(windy(shot, kmh ? *p.wind / 1.609344 : *p.wind), unit) : own;
            const auto [up, right] = holds.at(p.range);
            // The table's CSV holds its figures to a few millionths of a mil; the card prints tenths.
            EXPECT_NEAR(p.up, (up - dial) / c.scale, 1e-4) << p.range;
            EXPECT_NEAR(p.right, right / c.scale, 1e-4) << p.range;
            if (!p.beyond) {
                EXPECT_EQ(std::pair(p.x, p.y), std::pair(-p.right, -p.up));
            }
            // A ladder without winds is flown without wind; the words go the way the holds go.
            if (c.winds.empty() && p.wind) {
                EXPECT_EQ(*p.wind, 0.0);
            }
            for (const auto& [hold, ways] :
                 {std::pair(p.up, std::pair(" up", " down")), std::pair(p.right, std::pair(" right", " left"))}) {
                if (!p.beyond && std::fabs(hold) > 0.06) {
                    EXPECT_NE(p.words.find(hold > 0 ? ways.first : ways.second), std::string::npos) << p.words;
                }
            }
        }
    }
}

// A hold beyond the reach is held at the edge and said as the shooter would: dial what the
// reticle cannot hold, hold the rest.
TEST(SightPicture, HoldBeyondTheReachIsClampedAndSaid) {
    ShotParameters shot = testing::load308();
    shot.crosswind = 10;
    shot.targetRange = 1000;
    const SightRequest request = requestFor("mil-dot", HoldMode::HoldAll);
    const SightPicture picture = sightPicture(shot, request);
    ASSERT_EQ(picture.points.size(), 1u);
    const AimPoint& p = picture.points[0];
    const auto [up, right] = tableHolds(shot, AngleUnit::Mil).at(1000);
    ASSERT_GT(up, 5.0);                // beyond the mil-dot's 5 mil
    ASSERT_LT(std::fabs(right), 5.0);  // the wind within it
    EXPECT_TRUE(p.beyond);
    EXPECT_EQ(p.y, -5.0);
    EXPECT_NEAR(p.x, -right, 1e-6);
    EXPECT_EQ(p.words, cFormat("dial %.1f mil, then hold %.1f %s", up, std::fabs(right), right > 0 ? "right" : "left"));
    EXPECT_NEAR(p.dial, up, 1e-4);
    EXPECT_EQ(p.label, cFormat("1000 (%.1f)", up));
    // Second plane at 10x, true at 12x: the hold it reads shrinks, what is dialled does not.
    SightRequest second = request;
    second.trueMagnification = 12;
    const SightPicture read = sightPicture(shot, second);
    const AimPoint& s = read.points.at(0);
    EXPECT_NEAR(s.up, up / 1.2, 1e-4);
    EXPECT_NEAR(s.dial, up, 1e-4);
    const std::string dial = cFormat("dial %.1f mil,", up);
    EXPECT_EQ(s.words.substr(0, dial.size()), dial);

    SightRequest near = request;
    near.mode = HoldMode::DialElevation;  // the elevation dialled: the wind alone is held
    const SightPicture dialled = sightPicture(shot, near);
    const AimPoint& held = dialled.points.at(0);
    EXPECT_FALSE(held.beyond);
    EXPECT_EQ(held.words, cFormat("hold %.1f %s", std::fabs(right), right > 0 ? "right" : "left"));
}

// The ladder beside a card's table holds the card's own figures, every hold from the zero; the
// card's lines keep out of its room.
TEST(SightPicture, CardLadderIsTheCardsHolds) {
    ShotParameters shot = testing::load308();
    FieldCardRequest request;
    request.from = 200;
    request.to = 700;
    request.layout = CardLayout::Half;
    request.pictureShare = 0.4;
    request.angle = CardAngle::Mil;
    request.windUnit = Unit::Kmh;
    request.winds = {10, 20};
    ASSERT_EQ(cardRequestProblem(request), "");
    const FieldCard card = fieldCard(shot, request);
    std::string problem;
    const std::optional<SightPicture> ladder = cardLadder(shot, card, reticleOf("mil-grid"), problem);
    ASSERT_TRUE(ladder) << problem;
    EXPECT_EQ(ladder->windUnit, "km/h");
    ASSERT_EQ(ladder->points.size(), 1 + card.rows.size() * request.winds.size());
    for (std::size_t i = 0; i < card.rows.size(); ++i)
        for (std::size_t w = 0; w < request.winds.size(); ++w) {
            const AimPoint& p = ladder->points.at(1 + i * request.winds.size() + w);
            EXPECT_EQ(p.range, card.rows[i].range);
            EXPECT_EQ(p.wind, request.winds[w]);
            EXPECT_DOUBLE_EQ(p.up, *card.rows[i].elevation);
            EXPECT_DOUBLE_EQ(p.right, *card.rows[i].winds[w]);
        }
    const FittedCard fitted = fitFieldCard(card);
    ASSERT_TRUE(fitted.fits()) << fitted.refusal;
    const double text = fitted.width() - 2.0 * fitted.paper.margin;
    EXPECT_DOUBLE_EQ(fitted.pictureWidth, 0.4 * text);
    EXPECT_LE(fitted.lineWidth * kCardCharAdvance * fitted.typeSize, text - fitted.pictureWidth);
    // At 10x on a scope true at 12x each mark spans 12/10 as much: every hold reads 10/12 as large.
    const std::optional<SightPicture> scoped = cardLadder(shot, card, reticleOf("mil-grid"), problem, 10.0, 12.0);
    ASSERT_TRUE(scoped) << problem;
    for (std::size_t i = 1; i < scoped->points.size(); ++i) {
        EXPECT_NEAR(scoped->points[i].up, ladder->points[i].up / 1.2, 1e-9);
        EXPECT_NEAR(scoped->points[i].right, ladder->points[i].right / 1.2, 1e-9);
    }
    request.layout = CardLayout::Page;
    EXPECT_EQ(cardRequestProblem(request), "A picture goes beside the table of a pocket or half card only.");
}

TEST(SightPicture, RequestsOutOfBoundsAreRefused) {
    const SightRequest request = requestFor("mil-dot");
    const std::pair<void (*)(SightRequest&), const char*> cases[] = {
        {[](SightRequest& r) { r.magnification = 0.5; }, "A magnification must be from 1 to 100."},
        {[](SightRequest& r) { r.trueMagnification = 120; }, "A magnification must be from 1 to 100."},
        {[](SightRequest& r) {
             r.ranges = {300, 9000};
         },
         "Target \"9000\" needs a range from more than 0 to 5000 yd."},
        {[](SightRequest& r) { r.winds = {1, 2, 3, 4, 5, 6, 7}; }, "A card holds at most 6 wind speeds."},
    };
    for (const auto& [change, problem] : cases) {
        SightRequest bad = request;
        change(bad);
        EXPECT_EQ(sightRequestProblem(bad), problem);
    }
    double zero = 0;
    EXPECT_EQ(parseHoldMode("over:300", zero), HoldMode::DialZero);
    EXPECT_EQ(zero, 300.0);
    for (const char* text : {"over:", "over:-5", "over:x", "dial", ""}) EXPECT_FALSE(parseHoldMode(text, zero)) << text;
}

}  // namespace
}  // namespace vorlan
