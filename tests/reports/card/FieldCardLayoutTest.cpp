// The field card fitted to its paper: the type it is set in, the way it is turned, what it
// leaves out, and the text a user types on it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdio>

#include "engine/Catalogue.h"
#include "reports/card/FieldCardLayout.h"
#include "reports/table/RangeTableCsv.h"
#include "shot/CLocaleNumbers.h"
#include "shot/PrintableText.h"
#include "tests/support/CalcTestLoads.h"

namespace vorlan {
namespace {

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
    // Only the abbreviated strip closes its columns to one blank: "MOA MOA" under the winds.
    const auto units = std::find_if(narrow.lines.begin(), narrow.lines.end(),
                                    [](const CardLine& l) { return l.kind == CardLine::Kind::Heading && l.ruleBelow; });
    ASSERT_NE(units, narrow.lines.end());
    EXPECT_NE(units->text.find("MOA MOA"), std::string::npos) << units->text;
    // Too many rows for the strip, though its columns fit abbreviated: the refusal's figures
    // are those of the abbreviated table, as wide as the card or less, longer than it.
    request.to = 1000;
    request.step = 10;
    const std::string told = fitFieldCard(fieldCard(shot, request)).refusal;
    std::size_t holdsLines = 0, holdsWidth = 0, needsLines = 0, needsWidth = 0;
    ASSERT_EQ(std::sscanf(told.c_str(),
                          "The strip card (1.5 x 4 in) holds %zu lines of %zu characters in its smallest type; "
                          "these rows and columns need %zu lines of %zu",
                          &holdsLines, &holdsWidth, &needsLines, &needsWidth),
              4)
        << told;
    EXPECT_LE(needsWidth, holdsWidth) << told;
    EXPECT_GT(needsLines, holdsLines) << told;
    EXPECT_GE(needsLines, 91u) << told;
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
        // Lines spread at most 1.5 times the type apart; a rule under every fifth row (the last
        // row's rule parts the table from the footer).
        EXPECT_LE(fitted.lineHeight, 1.5 * fitted.typeSize + 1e-9);
        const auto rows = std::count_if(fitted.lines.begin(), fitted.lines.end(),
                                        [](const CardLine& l) { return l.kind == CardLine::Kind::Row; });
        long row = 0;
        for (const CardLine& line : fitted.lines)
            if (line.kind == CardLine::Kind::Row && ++row < rows) EXPECT_EQ(line.ruleBelow, row % 5 == 0) << row;
        const double across = widest * kCardCharAdvance * fitted.typeSize / (fitted.width() - 2 * fitted.paper.margin);
        const double down = fitted.lines.size() * fitted.lineHeight / (fitted.height() - 2 * fitted.paper.margin);
        EXPECT_GE(std::min(across, down), 0.5) << across << " across, " << down << " down at " << fitted.typeSize;
    }
}

// A card in the chosen language: its words translated, fitted by characters as in English,
// its columns left out in the same order (the elevation never); the English card unchanged.
TEST(FieldCard, SpeaksTheChosenLanguage) {
    FieldCardRequest request;
    request.layout = CardLayout::Pocket;
    request.winds = {2, 4, 6, 8, 10, 12};
    request.temperatures = {20, 59, 90};
    request.velocity = request.time = request.energy = true;
    request.step = 50;
    const auto fitted = [&] { return fitFieldCard(fieldCard(testing::load308(), request)); };
    const std::string english = fieldCardText(fitted());
    const struct {
        const char* code;
        const char *zero, *leftOutLine, *leftOut;  // abbreviated on the pocket card
    } languages[] = {{"de", "Einsch. 100 yd", "Weggelassen: Energie", "Energie"},
                     {"ru", "Пристр. 100 yd", "Опущено: Энергия", "Энергия"}};
    for (const auto& l : languages) {
        setLanguage(l.code);
        const FittedCard card = fitted();
        setLanguage("");
        ASSERT_TRUE(card.fits()) << card.refusal;
        const std::string text = fieldCardText(card);
        EXPECT_NE(text.find(l.zero), std::string::npos) << text;
        EXPECT_NE(text.find(l.leftOutLine), std::string::npos) << text;
        ASSERT_FALSE(card.leftOut.empty()) << l.code;
        EXPECT_EQ(card.leftOut.front(), l.leftOut);
    }
    EXPECT_EQ(fieldCardText(fitted()), english);
    EXPECT_NE(english.find("Zero 100 yd"), std::string::npos);
    // A zero typed in yards reads to a hundredth of a metre: 33 yd is 30.1752 m.
    ShotParameters zeroedInYards = testing::load308();
    zeroedInYards.sightInRange = 33;
    request.units = UnitSystem::Metric;
    const std::string metric = fieldCardText(fitFieldCard(fieldCard(zeroedInYards, request)));
    EXPECT_NE(metric.find("Zero 30.18 m"), std::string::npos) << metric;
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
    const std::string csv = fieldCardCsv(card);
    for (const char* row : {"\n300,Gämse 1,", "\n400,Кабан,", "\n500,\"'=1+1\",", "\n600,\"'@A\",", "\n700,Bell,"})
        EXPECT_NE(csv.find(row), std::string::npos) << row << " in\n" << csv;
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
