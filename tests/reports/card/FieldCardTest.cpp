#include "reports/card/FieldCard.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>

#include "reports/card/FieldCardLayout.h"
#include "reports/table/RangeTableCsv.h"
#include "shot/CLocaleNumbers.h"
#include "shot/PrintableText.h"
#include "tests/support/CalcTestLoads.h"
#include "tests/support/SplitText.h"

namespace vorlan {
namespace {

using testing::split;

// The table's CSV with holds, every yard to `lastYards`: column name -> values by yard.
struct HoldsTable {
    std::map<std::string, std::vector<double>> columns;
    // The column at a range of whole or fractional yards, on the line between two yards.
    double at(const std::string& column, double yards) const {
        const std::vector<double>& v = columns.at(column);
        const auto below = static_cast<std::size_t>(std::floor(yards));
        const double f = yards - std::floor(yards);
        return f == 0.0 ? v.at(below) : v.at(below) + (v.at(below + 1) - v.at(below)) * f;
    }
};

HoldsTable holdsTable(ShotParameters shot, double lastYards) {
    shot.rangeIncrement = 1;
    shot.incrementCount = static_cast<int>(std::ceil(lastYards));
    CsvOptions options;
    options.holds = true;
    options.click = shot.scope.click;
    options.lineEnd = "\n";
    const std::vector<std::string> lines = split(rangeTableCsv(RangeTableReport(shot), options), '\n');
    const std::vector<std::string> names = split(lines.at(0), ',');
    HoldsTable table;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        if (lines[i].empty()) continue;
        const std::vector<std::string> fields = split(lines[i], ',');
        for (std::size_t c = 0; c < names.size(); ++c)
            table.columns[names[c]].push_back(fields[c].empty() ? std::nan("") : cToDouble(fields[c]));
    }
    return table;
}

std::string holdColumn(const char* side, CardAngle angle, ClickValue click) {
    const std::string prefix = std::string(side) + "_";
    switch (angle) {
        case CardAngle::Mil:
            return prefix + "mil";
        case CardAngle::Clicks:
            return prefix + "clicks_of_" + clickValueText(click);
        default:
            return prefix + "true_moa";
    }
}

struct CardCase {
    CardLayout layout;
    CardAngle angle;
    UnitSystem units;
    const char* ranges;
    const char* targets;
    std::vector<double> winds;
    std::vector<double> temperatures;
    double powderSensitivity;
    std::vector<WindZone> zones;  // the shot's own: they give way to the card's winds
    std::optional<Unit> windUnit = std::nullopt;
};

// Every cell of the card is the table's hold at that range, rounded as the card prints it: the
// elevation of the shot as entered, each wind flown from the right (the table of the shot
// with that wind), each temperature flown with the zero of the shot's own air.
TEST(FieldCard, CellsAreTheTablesHolds) {
    const CardCase cases[] = {
        {CardLayout::Pocket, CardAngle::Moa, UnitSystem::Imperial, "100:1000:100", "", {5, 10, 15}, {}, 0, {}},
        {CardLayout::Strip, CardAngle::Mil, UnitSystem::Imperial, "200:800:100", "", {10}, {}, 0, {}},
        {CardLayout::Half,
         CardAngle::Moa,
         UnitSystem::Imperial,
         "100:800:100",
         "",
         {5, 10, 15},
         {},
         0,
         {{300, 12, 270}, {600, 4, 45}, {9999, 20, 90}}},
        {CardLayout::Half,
         CardAngle::Clicks,
         UnitSystem::Imperial,
         "100:600:50",
         "Gong 1=327, Ridge=612",
         {5, 10},
         {20, 90},
         1.5,
         {}},
        {CardLayout::Page,
         CardAngle::Mil,
         UnitSystem::Metric,
         "100:900:100",
         "Steel=455",
         {2, 4, 6},
         {-5, 15, 35},
         0,
         {}},
        {CardLayout::Pocket, CardAngle::Clicks, UnitSystem::Metric, "", "A=137.5, B=503", {3}, {0}, 1.0, {}},
        {CardLayout::Half, CardAngle::Mil, UnitSystem::Metric, "100:500:100", "", {10, 25}, {}, 0, {}, Unit::Kmh},
    };
    for (const CardCase& c : cases) {
        SCOPED_TRACE(std::string(cardLayoutName(c.layout)) + " " + std::string(cardAngleName(c.angle)) + " " +
                     c.ranges);
        ShotParameters shot = testing::load308();
        shot.crosswind = 7.0;  // the shot's own wind: in the elevation, replaced in the wind columns
        shot.temperature = 65.0;
        shot.scope.click = c.angle == CardAngle::Clicks && c.units == UnitSystem::Metric
                               ? ClickValue{0.1, AngleUnit::Mil}
                               : ClickValue{};
        shot.advanced.powderSensitivity = c.powderSensitivity;
        shot.advanced.powderTemperature = shot.temperature;
        shot.advanced.powderReferenceTemperature = shot.temperature;
        shot.advanced.windZones = c.zones;
        FieldCardRequest request;
        request.units = c.units;
        std::string problem;
        if (*c.ranges)
            request = *parseCardRanges(c.ranges, request, problem);
        else
            request.step = 0.0;
        request.targets = *parseCardTargets(c.targets, problem);
        request.winds = c.winds;
        request.windUnit = c.windUnit;
        request.temperatures = c.temperatures;
        request.angle = c.angle;
        request.layout = c.layout;
        ASSERT_EQ(cardRequestProblem(request), "");
        const FieldCard card = fieldCard(shot, request);
        ASSERT_FALSE(card.rows.empty());

        const bool metric = c.units == UnitSystem::Metric;
        const auto yardsOf = [&](double range) { return metric ? range / 0.9144 : range; };
        const double last = yardsOf(card.rows.back().range);
        const double step = c.angle == CardAngle::Clicks ? 1.0 : 0.1;
        const auto expectCell = [&](const std::optional<double>& cell, double expected, const char* what) {
            ASSERT_TRUE(cell.has_value()) << what;
            const double printed = cToDouble(cardAngleCell(cell, c.angle));
            EXPECT_LE(std::fabs(printed - expected), step / 2.0 + 1e-9) << what << " printed " << printed;
        };
        const HoldsTable table = holdsTable(shot, last);
        std::vector<HoldsTable> winds;
        for (const double wind : c.winds) {
            ShotParameters windy = shot;
            windy.crosswind = 0.0;
            windy.advanced.windZones.clear();
            windy.advanced.windSpeed = c.windUnit == Unit::Kmh ? wind / 1.609344 : metric ? wind / 0.44704 : wind;
            windy.advanced.windDirection = 90.0;
            winds.push_back(holdsTable(windy, last));
        }
        std::vector<HoldsTable> temperatures;
        shot.rangeIncrement = 1;
        shot.incrementCount = 1000;
        const double zeroMoa = RangeTableReport(shot).muzzleAngleMoa();
        for (const double t : c.temperatures) {
            ShotParameters warm = shot;
            warm.temperature = metric ? t * 1.8 + 32.0 : t;
            warm.advanced.powderTemperature = warm.temperature;
            warm.muzzleAngleCorrection = false;
            warm.muzzleAngle = zeroMoa;
            temperatures.push_back(holdsTable(warm, last));
        }
        const std::string up = holdColumn("elevation_up", c.angle, shot.scope.click);
        const std::string right = holdColumn("windage_right", c.angle, shot.scope.click);
        for (const FieldCardRow& row : card.rows) {
            SCOPED_TRACE(cFormat("range %g %s", row.range, row.target.c_str()));
            const double yards = yardsOf(row.range);
            expectCell(row.elevation, table.at(up, yards), "elevation");
            ASSERT_EQ(row.winds.size(), winds.size());
            for (std::size_t w = 0; w < winds.size(); ++w) expectCell(row.winds[w], winds[w].at(right, yards), "wind");
            for (std::size_t t = 0; t < temperatures.size(); ++t)
                expectCell(row.temperatures[t], temperatures[t].at(up, yards), "temperature");
            // Mach 1.2 in dry air at 65 F: 1.2 x 49.0223 x sqrt(65 + 459.67) ft/s, within 1 %.
            const double mach = table.at("velocity_fps", yards) / (1.2 * 49.0223 * std::sqrt(65.0 + 459.67));
            if (std::fabs(mach - 1.0) > 0.01) {
                EXPECT_EQ(row.transonic, mach < 1.0);
            }
            if (std::fabs(mach * 1.2 - 1.0) > 0.01) {
                EXPECT_EQ(row.subsonic, mach * 1.2 < 1.0);
            }
        }
        // Targets are rows of their own, by range, under their own names.
        for (const CardTarget& target : request.targets)
            EXPECT_TRUE(std::any_of(card.rows.begin(), card.rows.end(), [&](const FieldCardRow& row) {
                return row.target == target.name && row.range == target.range;
            })) << target.name;

        // The card holds every row, on lines no longer than the type allows, within its paper.
        const FittedCard fitted = fitFieldCard(card);
        ASSERT_TRUE(fitted.fits()) << fitted.refusal;
        const double innerWidth = fitted.width() - 2 * fitted.paper.margin;
        const double innerHeight = fitted.height() - 2 * fitted.paper.margin;
        EXPECT_GE(fitted.lineHeight, kCardLineHeight * fitted.typeSize);
        EXPECT_LE(fitted.lines.size() * fitted.lineHeight, innerHeight + 1e-9);
        for (const CardLine& line : fitted.lines)
            EXPECT_LE(characterCount(line.text) * kCardCharAdvance * fitted.typeSize, innerWidth) << line.text;
        const std::string text = fieldCardText(fitted);
        for (const FieldCardRow& row : card.rows)
            EXPECT_NE(text.find(cardAngleCell(row.elevation, c.angle)), std::string::npos);
        // The heading tells when the card's winds stand in for the shot's zones.
        std::string oneLine = text;
        std::replace(oneLine.begin(), oneLine.end(), '\n', ' ');
        EXPECT_EQ(oneLine.find("replace the shot's wind zones") != std::string::npos, !c.zones.empty()) << text;
        // The winds are told in their unit.
        EXPECT_EQ(oneLine.find("km/h") != std::string::npos, c.windUnit == Unit::Kmh) << text;
        EXPECT_EQ(oneLine.find("mph") != std::string::npos, !metric) << text;
    }
}

TEST(FieldCard, BeyondTheFlightTheCellsAreEmpty) {
    ShotParameters shot = testing::load308();
    shot.velocity = 600.0;  // a slow load: stops short of 5000 yards
    shot.ballisticCoefficient = 0.05;
    FieldCardRequest request;
    request.from = 1000;
    request.to = 5000;
    request.step = 1000;
    const FieldCard card = fieldCard(shot, request);
    EXPECT_EQ(cardAngleCell(card.rows.back().elevation, CardAngle::Moa), "--");
    EXPECT_NE(fieldCardCsv(card).find("\n5000,,,,,\n"), std::string::npos) << fieldCardCsv(card);
    // The card says why, and marks its subsonic rows apart from transonic ones.
    request.from = 100;
    request.to = 500;
    request.step = 400;
    request.targets = {{"Far", 5000}};
    const std::string text = fieldCardText(fitFieldCard(fieldCard(shot, request)));
    EXPECT_NE(text.find("-- Table ends at 513 yd"), std::string::npos) << text;
    EXPECT_NE(text.find("\n 100# "), std::string::npos) << text;
    EXPECT_NE(text.find("# subsonic, under Mach 1"), std::string::npos) << text;
}

TEST(FieldCard, InputsAndCells) {
    std::string problem;
    // Winds typed in one unit read in another: the defaults become the other's, others convert
    // (3 mph is 1.34112 m/s; 10 km/h is 6.21371 mph); a text that is no list stays.
    const struct {
        const char* text;
        Unit from, to;
        const char* shown;
    } winds[] = {
        {"5, 10, 15", Unit::Mph, Unit::Kmh, "10, 15, 20"},
        {"2,4,6", Unit::MetrePerSecond, Unit::Mph, "5, 10, 15"},
        {"3 6", Unit::Mph, Unit::MetrePerSecond, "1.34112, 2.68224"},
        {"10", Unit::Kmh, Unit::Mph, "6.21371"},
        {"x, 5", Unit::Mph, Unit::Kmh, "x, 5"},
        {"", Unit::Mph, Unit::Kmh, ""},
        {"7", Unit::Kmh, Unit::Kmh, "7"},
    };
    for (const auto& w : winds) EXPECT_EQ(cardWindsTextIn(w.text, w.from, w.to), w.shown) << w.text;
    EXPECT_EQ(FieldCardRequest().winds, defaultCardWinds(UnitSystem::Imperial));  // a request's own winds
    // They are typed in the unit of speed chosen, or with the designed mph in the card's own.
    UnitChoice kmh;
    ASSERT_TRUE(kmh.set(Quantity::Speed, Unit::Kmh));
    EXPECT_EQ(typedWindUnit(UnitChoice(), UnitSystem::Imperial), Unit::Mph);
    EXPECT_EQ(typedWindUnit(UnitChoice(), UnitSystem::Metric), Unit::MetrePerSecond);
    EXPECT_EQ(typedWindUnit(kmh, UnitSystem::Imperial), Unit::Kmh);
    EXPECT_EQ(typedWindUnit(UnitChoice::preset(UnitSystem::Metric), UnitSystem::Imperial), Unit::MetrePerSecond);
    EXPECT_EQ(parseCardTargets("Gong 1=327, Ridge = 612\nFar=1000", problem),
              (std::vector<CardTarget>{{"Gong 1", 327}, {"Ridge", 612}, {"Far", 1000}}));
    for (const char* bad : {"Gong", "=300", "Gong=x", "Gong=3e", "Gong=1,2"})
        EXPECT_FALSE(parseCardTargets(bad, problem)) << bad;
    const auto ranges = parseCardRanges("100:1000:50", {}, problem);
    ASSERT_TRUE(ranges);
    EXPECT_EQ(ranges->from, 100);
    EXPECT_EQ(ranges->step, 50);
    for (const char* bad : {"100:1000", "100:1000:0", "a:b:c", "1:2:3:4", "100:1000:-5"})
        EXPECT_FALSE(parseCardRanges(bad, {}, problem)) << bad;
    EXPECT_EQ(parseCardNumbers("5, 10 15", problem), (std::vector<double>{5, 10, 15}));
    EXPECT_FALSE(parseCardNumbers("5,ten", problem));
    FieldCardRequest request;
    const auto problemWith = [&](auto change) {
        FieldCardRequest r = request;
        change(r);
        return cardRequestProblem(r);
    };
    EXPECT_EQ(problemWith([](auto&) {}), "");
    EXPECT_NE(problemWith([](auto& r) { r.to = 6000; }), "");
    EXPECT_NE(problemWith([](auto& r) { r.from = 0; }), "");
    EXPECT_NE(problemWith([](auto& r) { r.step = 0.001; }), "");  // too many rows
    EXPECT_NE(problemWith([](auto& r) { r.step = 0; }), "");      // no rows
    EXPECT_NE(problemWith([](auto& r) { r.winds = {-5}; }), "");
    // A wind's ends in its unit, whole and inwards of 200 mph: 89 m/s (89.408), 321 km/h (321.87).
    EXPECT_EQ(problemWith([](auto& r) { r.winds = {200}; }), "");
    EXPECT_EQ(problemWith([](auto& r) { r.units = UnitSystem::Metric, r.winds = {89}; }), "");
    EXPECT_EQ(problemWith([](auto& r) { r.units = UnitSystem::Metric, r.winds = {89.1}; }),
              "A wind speed must be from 0 to 89 m/s.");
    EXPECT_EQ(problemWith([](auto& r) { r.windUnit = Unit::Kmh, r.winds = {0, 321}; }), "");
    EXPECT_EQ(problemWith([](auto& r) { r.windUnit = Unit::Kmh, r.winds = {322}; }),
              "A wind speed must be from 0 to 321 km/h.");
    EXPECT_NE(problemWith([](auto& r) { r.temperatures = {1, 2, 3, 4}; }), "");
    EXPECT_NE(problemWith([](auto& r) { r.temperatures = {200}; }), "");
    EXPECT_NE(problemWith([](auto& r) { r.targets = {{"Far", 5001}}; }), "");
    EXPECT_EQ(problemWith([](auto& r) { r.units = UnitSystem::Metric, r.to = 4500; }), "");
    // The ends themselves: 5000 yd (4572 m, 5000 yd in whole metres) and exactly 200 rows.
    EXPECT_EQ(problemWith([](auto& r) { r.to = 5000; }), "");
    EXPECT_EQ(problemWith([](auto& r) { r.units = UnitSystem::Metric, r.to = 4572; }), "");
    EXPECT_NE(problemWith([](auto& r) { r.units = UnitSystem::Metric, r.to = 4573; }), "");
    EXPECT_EQ(problemWith([](auto& r) { r.from = 1, r.to = 200, r.step = 1; }), "");
    EXPECT_NE(problemWith([](auto& r) { r.from = 1, r.to = 201, r.step = 1; }), "");

    // Two targets at one range keep both names, one of them on the listed row.
    request.targets = {{"Gong", 300}, {"Plate", 300}, {"Far", 650}, {"Farther", 650}};
    std::vector<std::string> named;
    for (const FieldCardRow& row : fieldCard(testing::load308(), request).rows)
        if (row.range == 300 || row.range == 650) named.push_back(row.target);
    EXPECT_EQ(named, (std::vector<std::string>{"Gong", "Plate", "Far", "Farther"}));
    request.targets.clear();

    // A fine step lists every range between its ends: 100, 100.05 ... 100.2.
    FieldCardRequest fine = request;
    fine.from = 100, fine.to = 100.2, fine.step = 0.05;
    EXPECT_EQ(fieldCard(testing::load308(), fine).rows.size(), 5u);

    EXPECT_EQ(cardAngleCell(-0.04, CardAngle::Moa), "0.0");
    EXPECT_EQ(cardAngleCell(-0.06, CardAngle::Mil), "-0.1");
    EXPECT_EQ(cardAngleCell(12.5001, CardAngle::Clicks), "13");
    EXPECT_EQ(cardAngleCell(-0.4, CardAngle::Clicks), "0");
    EXPECT_EQ(cardAngleCell(std::nullopt, CardAngle::Moa), "--");
}

}  // namespace
}  // namespace vorlan
