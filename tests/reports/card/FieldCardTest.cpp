#include "reports/card/FieldCard.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cmath>
#include <map>

#include "reports/card/FieldCardLayout.h"
#include "reports/table/RangeTableCsv.h"
#include "shot/CLocaleNumbers.h"
#include "shot/PrintableText.h"
#include "tests/support/CalcTestLoads.h"

namespace vorlan {
namespace {

std::vector<std::string> split(std::string_view text, char by) {
    std::vector<std::string> parts;
    for (std::size_t end = text.find(by); end != std::string_view::npos; end = text.find(by)) {
        parts.emplace_back(text.substr(0, end));
        text.remove_prefix(end + 1);
    }
    parts.emplace_back(text);
    return parts;
}

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
            windy.advanced.windSpeed = metric ? wind / 0.44704 : wind;
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
    }
}

TEST(FieldCard, TooSmallACardRefusesAndALargerOneHoldsIt) {
    ShotParameters shot = testing::load308();
    FieldCardRequest request;
    request.from = 100;
    request.to = 1000;
    request.step = 25;  // 37 rows
    request.winds = {2, 4, 6, 8, 10, 12};
    request.temperatures = {0, 50, 100};
    request.layout = CardLayout::Strip;
    const FieldCard strip = fieldCard(shot, request);
    const FittedCard refused = fitFieldCard(strip);
    EXPECT_FALSE(refused.fits());
    EXPECT_TRUE(refused.lines.empty());
    EXPECT_NE(refused.refusal.find("The strip card (1.5 x 4 in) holds"), std::string::npos) << refused.refusal;
    request.layout = CardLayout::Page;
    EXPECT_TRUE(fitFieldCard(fieldCard(shot, request)).fits());
    // A small card first drops to smaller type, then to abbreviated headings.
    request.layout = CardLayout::Pocket;
    request.to = 500;
    request.step = 50;
    request.winds = {5, 10, 15};
    request.temperatures = {};
    const FittedCard pocket = fitFieldCard(fieldCard(shot, request));
    ASSERT_TRUE(pocket.fits());
    EXPECT_FALSE(pocket.abbreviated);
    request.layout = CardLayout::Strip;
    request.winds = {5, 10, 15, 20};
    const FittedCard narrow = fitFieldCard(fieldCard(shot, request));
    ASSERT_TRUE(narrow.fits()) << narrow.refusal;
    EXPECT_TRUE(narrow.abbreviated);
    EXPECT_LT(narrow.typeSize, pocket.typeSize);
}

// Cards use their paper: type of 7 pt or more on a pocket card, turned when the columns are
// too many for it upright, columns left out (and named) rather than smaller type; half and
// full pages fill at least half their width and height. Columns stand two blanks apart under
// their units.
TEST(FieldCard, TypeReadsAndFillsThePaper) {
    const struct {
        CardLayout layout;
        std::vector<double> winds, temperatures;
        bool extras;          // velocity, time and energy
        bool landscape;       // 56 characters need 198 / (0.61 x 56) = 5.8 pt upright, 10.0 pt turned
        const char* leftOut;  // the first column left out; "" for none
        double step = 100;    // from 100 to 1000 yd
    } cases[] = {
        {CardLayout::Pocket, {5, 10, 15}, {}, false, false, ""},
        {CardLayout::Pocket, {5, 10, 15}, {20, 59, 90}, false, true, ""},
        {CardLayout::Pocket, {2, 4, 6, 8, 10, 12}, {20, 59, 90}, true, true, ""},  // abbreviated
        {CardLayout::Pocket, {2, 4, 6, 8, 10, 12}, {20, 59, 90}, true, false, "Energy", 50},
        {CardLayout::Half, {5, 10, 15}, {}, false, false, ""},
        {CardLayout::Half, {5, 10, 15}, {20, 59, 90}, true, true, ""},
        {CardLayout::Page, {5, 10, 15}, {20, 59, 90}, false, true, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(cFormat("%s, %zu winds, %zu temperatures", std::string(cardLayoutName(c.layout)).c_str(),
                             c.winds.size(), c.temperatures.size()));
        FieldCardRequest request;
        request.layout = c.layout;
        request.winds = c.winds;
        request.temperatures = c.temperatures;
        request.velocity = request.time = request.energy = c.extras;
        request.step = c.step;
        const FittedCard fitted = fitFieldCard(fieldCard(testing::load308(), request));
        ASSERT_TRUE(fitted.fits()) << fitted.refusal;
        EXPECT_EQ(fitted.landscape, c.landscape);
        EXPECT_EQ(fitted.leftOut.empty() ? "" : fitted.leftOut.front(), std::string(c.leftOut));
        const std::string text = fieldCardText(fitted);
        EXPECT_EQ(text.find("Left out") != std::string::npos, *c.leftOut != '\0');
        if (c.layout == CardLayout::Pocket) {
            EXPECT_GE(fitted.typeSize, 7.0);
        }
        std::size_t widest = 0, headings = 0;
        for (const CardLine& line : fitted.lines) {
            widest = std::max(widest, characterCount(line.text));
            headings += line.kind == CardLine::Kind::Heading;
            for (std::size_t i = 1; line.kind == CardLine::Kind::Row && i + 1 < line.text.size(); ++i) {
                EXPECT_FALSE(line.text[i] == ' ' && std::isdigit(line.text[i - 1]) && line.text[i + 1] != ' ')
                    << line.text;
            }
        }
        EXPECT_EQ(headings, 2u);  // titles, then units
        const double across = widest * kCardCharAdvance * fitted.typeSize / (fitted.width() - 2 * fitted.paper.margin);
        const double down = fitted.lines.size() * fitted.lineHeight / (fitted.height() - 2 * fitted.paper.margin);
        EXPECT_GE(std::min(across, down), 0.5) << across << " across, " << down << " down at " << fitted.typeSize;
    }
}

// The fitting's edges: a title of exactly a line's characters stays one line, and lines that
// exactly fill the card keep its type; one row more and the type goes down.
TEST(FieldCard, ExactlyFullKeepsItsType) {
    ShotParameters shot = testing::load308();
    FieldCardRequest request;
    request.from = 100;
    request.step = 10;
    const auto fit = [&](int rows) {
        request.to = 100 + 10.0 * (rows - 1);
        return fitFieldCard(fieldCard(shot, request));
    };
    const FittedCard first = fit(10);
    ASSERT_TRUE(first.fits());
    const double size = first.typeSize;
    const auto capacity = static_cast<std::size_t>((first.height() - 2 * first.paper.margin) / (1.2 * size));
    const int rows = 10 + static_cast<int>(capacity - first.lines.size());
    shot.name = std::string(static_cast<std::size_t>(first.lineWidth), 'N');
    const FittedCard full = fit(rows);
    EXPECT_EQ(full.typeSize, size);
    EXPECT_EQ(full.lines.size(), capacity);
    EXPECT_EQ(full.lines.front().text, shot.name);
    EXPECT_NE(full.lines.at(1).kind, CardLine::Kind::Title);
    EXPECT_LT(fit(rows + 1).typeSize, size);
    shot.name += "N";
    EXPECT_LT(fit(rows).typeSize, size);  // the title's second line
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
    EXPECT_NE(problemWith([](auto& r) { r.temperatures = {1, 2, 3, 4}; }), "");
    EXPECT_NE(problemWith([](auto& r) { r.temperatures = {200}; }), "");
    EXPECT_NE(problemWith([](auto& r) { r.targets = {{"Far", 5001}}; }), "");
    EXPECT_EQ(problemWith([](auto& r) { r.units = UnitSystem::Metric, r.to = 4500; }), "");

    // Two targets at one range keep both names, one of them on the listed row.
    request.targets = {{"Gong", 300}, {"Plate", 300}, {"Far", 650}, {"Farther", 650}};
    std::vector<std::string> named;
    for (const FieldCardRow& row : fieldCard(testing::load308(), request).rows)
        if (row.range == 300 || row.range == 650) named.push_back(row.target);
    EXPECT_EQ(named, (std::vector<std::string>{"Gong", "Plate", "Far", "Farther"}));
    request.targets.clear();

    EXPECT_EQ(cardAngleCell(-0.04, CardAngle::Moa), "0.0");
    EXPECT_EQ(cardAngleCell(-0.06, CardAngle::Mil), "-0.1");
    EXPECT_EQ(cardAngleCell(12.5001, CardAngle::Clicks), "13");
    EXPECT_EQ(cardAngleCell(-0.4, CardAngle::Clicks), "0");
    EXPECT_EQ(cardAngleCell(std::nullopt, CardAngle::Moa), "--");
}

// Names a shooter types: the figures stay under their headings whatever the name's letters
// (the table's lines are padded by characters), a name on a narrow card breaks between
// characters, controls are dropped, and a name a spreadsheet would take for a formula is text.
TEST(FieldCard, TypedNames) {
    ShotParameters shot = testing::load308();
    shot.name = "Gämsegämsegämsegämsegämsegämsegämse\a\x1b[0m";  // longer than a strip's line
    FieldCardRequest request;
    request.step = 0.0;
    request.winds = {10};
    request.layout = CardLayout::Strip;
    std::string problem;
    request.targets = *parseCardTargets("Gämse 1=300, Кабан=400, =1+1=500, @A=600, Bell\a=700, Ridge=800", problem);
    const FieldCard card = fieldCard(shot, request);
    const FittedCard fitted = fitFieldCard(card);
    ASSERT_TRUE(fitted.fits()) << fitted.refusal;
    std::string title;
    std::size_t tableWidth = 0;
    for (const CardLine& line : fitted.lines) {
        EXPECT_EQ(line.text.find_first_of("\a\x1b"), std::string::npos) << line.text;
        const auto first = static_cast<unsigned char>(line.text.front());
        const auto last = static_cast<unsigned char>(line.text.back());
        EXPECT_FALSE((first & 0xC0) == 0x80 || last >= 0xC0) << "cut inside a character: " << line.text;
        if (line.kind == CardLine::Kind::Title) title += line.text;
        if (line.kind != CardLine::Kind::Heading && line.kind != CardLine::Kind::Row) continue;
        // Every column is right-aligned but the target's: every table line ends at the same character.
        if (tableWidth == 0) tableWidth = characterCount(line.text);
        EXPECT_EQ(characterCount(line.text), tableWidth) << line.text;
    }
    EXPECT_EQ(title, "Gämsegämsegämsegämsegämsegämsegämse[0m");
    const std::vector<std::string> csv = split(fieldCardCsv(card), '\n');
    const char* const targets[] = {"Gämse 1", "Кабан", "\"'=1+1\"", "\"'@A\"", "Bell", "Ridge"};
    for (std::size_t i = 0; i < std::size(targets); ++i) EXPECT_EQ(split(csv.at(i + 1), ',').at(1), targets[i]);
    EXPECT_EQ(csvTextField("-5"), "\"'-5\"");
    EXPECT_EQ(csvTextField("+x,y"), "\"'+x,y\"");
    EXPECT_EQ(csvTextField("a,b"), "\"a,b\"");
    EXPECT_EQ(csvField("-5"), "-5");  // a figure stays a figure
}

// Cards side by side on a sheet: four pocket cards on letter and on A4, ten strips, one page.
TEST(FieldCard, SheetsHoldWholeCards) {
    const struct {
        CardLayout layout;
        CardSheet sheet;
        int count;
    } cases[] = {{CardLayout::Pocket, CardSheet::Letter, 4},
                 {CardLayout::Pocket, CardSheet::A4, 4},
                 {CardLayout::Strip, CardSheet::Letter, 10},
                 {CardLayout::Half, CardSheet::Letter, 1},
                 {CardLayout::Page, CardSheet::Letter, 1}};
    for (const auto& c : cases) {
        const SheetPlan plan = sheetPlan(c.layout, UnitSystem::Imperial, c.sheet);
        EXPECT_EQ(plan.count(), c.count) << cardLayoutName(c.layout);
        EXPECT_GE(plan.left, 0.0);
        EXPECT_LE(plan.left * 2 + plan.columns * plan.cardWidth, plan.width + 1e-9);
        EXPECT_LE(plan.top * 2 + plan.rows * plan.cardHeight, plan.height + 1e-9);
    }
}

}  // namespace
}  // namespace vorlan
