#include "reports/card/FieldCardLines.h"

#include <algorithm>
#include <cmath>

#include "engine/Catalogue.h"
#include "shot/CLocaleNumbers.h"
#include "shot/PrintableText.h"
#include "shot/ScopeProfile.h"

namespace vorlan {

namespace {

constexpr int kRowsPerRule = 5;  // a thin rule after every fifth row guides the eye

bool metric(const FieldCard& card) { return card.request.units == UnitSystem::Metric; }

std::string angleUnit(CardAngle angle, bool abbreviated) {
    switch (angle) {
        case CardAngle::Mil:
            return "mil";
        case CardAngle::Clicks:
            return translated(abbreviated ? N_("clk") : N_("clicks"));
        default:
            return "MOA";
    }
}

// One column of the card's table: its heading (a title, and the unit under it) and its cells.
struct Column {
    std::string title;
    std::string unit;
    std::vector<std::string> cells;
    bool leftAligned = false;
    std::size_t width() const {
        std::size_t w = std::max(characterCount(title), characterCount(unit));
        for (const std::string& cell : cells) w = std::max(w, characterCount(cell));
        return w;
    }
};

// The mark after a row's range: '*' transonic, '#' subsonic.
const char* rangeMark(const FieldCardRow& row) { return row.subsonic ? "#" : row.transonic ? "*" : " "; }

std::string elevationTitle(bool abbreviated) {
    return translatedIn("field card", abbreviated ? NC_("field card", "El") : NC_("field card", "Elev"));
}

std::vector<Column> tableColumns(const FieldCard& card, bool abbreviated) {
    const FieldCardRequest& r = card.request;
    const std::string unit = angleUnit(r.angle, abbreviated);
    const bool anyTransonic = std::any_of(card.rows.begin(), card.rows.end(), [](auto& row) { return row.transonic; });
    const bool anyTarget =
        std::any_of(card.rows.begin(), card.rows.end(), [](auto& row) { return !row.target.empty(); });
    const std::string speed = unitOf(Quantity::Speed, cardWindUnit(card.request)).label;
    const std::string degrees = metric(card) ? "C" : "F";
    std::vector<Column> columns;
    // The card's words in the chosen language; the units' symbols as they are.
    const auto word = [abbreviated](const char* shortWord, const char* fullWord) {
        return std::string(translatedIn("field card", abbreviated ? shortWord : fullWord));
    };
    columns.push_back({word(NC_("field card", "Rng"), NC_("field card", "Range")), metric(card) ? "m" : "yd", {}});
    if (anyTarget) columns.push_back({word(NC_("field card", "Tgt"), NC_("field card", "Target")), "", {}, true});
    columns.push_back({elevationTitle(abbreviated), unit + (abbreviated ? "" : " U"), {}});
    for (const double wind : r.winds)
        columns.push_back(
            {cFormat("%g", wind) + (abbreviated ? "" : " " + speed), unit + (abbreviated ? "" : " R"), {}});
    for (const double t : r.temperatures)
        columns.push_back({cFormat("%g", t) + degrees, unit + (abbreviated ? "" : " U"), {}});
    if (r.velocity)
        columns.push_back({word(NC_("field card", "V"), NC_("field card", "Vel")), metric(card) ? "m/s" : "ft/s", {}});
    if (r.time) columns.push_back({word(NC_("field card", "t"), NC_("field card", "TOF")), "s", {}});
    if (r.energy)
        columns.push_back(
            {word(NC_("field card", "E"), NC_("field card", "Energy")), metric(card) ? "J" : "ft-lb", {}});

    for (const FieldCardRow& row : card.rows) {
        std::size_t c = 0;
        columns[c++].cells.push_back(cFormat("%g", row.range) + (anyTransonic ? rangeMark(row) : ""));
        if (anyTarget) columns[c++].cells.push_back(row.target);
        columns[c++].cells.push_back(cardAngleCell(row.elevation, r.angle));
        for (const auto& wind : row.winds) columns[c++].cells.push_back(cardAngleCell(wind, r.angle));
        for (const auto& t : row.temperatures) columns[c++].cells.push_back(cardAngleCell(t, r.angle));
        if (r.velocity) columns[c++].cells.push_back(cardNumberCell(row.velocity, 0));
        if (r.time) columns[c++].cells.push_back(cardNumberCell(row.time, 2));
        if (r.energy) columns[c++].cells.push_back(cardNumberCell(row.energy, 0));
    }
    return columns;
}

// The table's lines: the headings (titles, then units) and the rows. Columns stand two blanks
// apart; only an abbreviated strip, 1.5 in wide, closes them to one.
std::vector<CardLine> tableLines(const FieldCard& card, bool abbreviated) {
    const std::vector<Column> columns = tableColumns(card, abbreviated);
    const std::size_t gap = abbreviated && card.request.layout == CardLayout::Strip ? 1 : 2;
    const auto line = [&](const auto& textOf) {
        std::string text;
        for (std::size_t c = 0; c < columns.size(); ++c) {
            const std::string cell = textOf(columns[c]);
            const std::size_t pad = columns[c].width() - characterCount(cell);
            if (c > 0) text.append(gap, ' ');
            text += columns[c].leftAligned ? cell + std::string(pad, ' ') : std::string(pad, ' ') + cell;
        }
        while (!text.empty() && text.back() == ' ') text.pop_back();
        return text;
    };
    std::vector<CardLine> lines;
    lines.push_back({line([](const Column& c) { return c.title; }), CardLine::Kind::Heading});
    lines.push_back({line([](const Column& c) { return c.unit; }), CardLine::Kind::Heading, true});
    for (std::size_t i = 0; i < card.rows.size(); ++i) {
        lines.push_back({line([i](const Column& c) { return c.cells[i]; }), CardLine::Kind::Row});
        lines.back().ruleBelow = (i + 1) % kRowsPerRule == 0 && i + 1 < card.rows.size();
    }
    return lines;
}

// Items set one after another on lines of `width` characters, two blanks apart; an item that
// does not fit on the line begins the next one, and an item longer than a whole line breaks
// at its blanks, or anywhere between two characters when a word is longer than the line.
std::vector<std::string> wrapped(const std::vector<std::string>& items, std::size_t width) {
    std::vector<std::string> lines;
    const auto place = [&](std::string_view piece, std::size_t gap) {
        if (!lines.empty() && characterCount(lines.back()) + gap + characterCount(piece) <= width)
            lines.back() += std::string(gap, ' ') + std::string(piece);
        else
            lines.emplace_back(piece);
    };
    for (const std::string& item : items) {
        if (characterCount(item) <= width) {
            place(item, 2);
            continue;
        }
        std::size_t gap = 2;
        std::string_view rest = item;
        while (!rest.empty()) {
            const std::size_t blank = std::min(rest.find(' '), rest.size());
            for (std::string_view word = rest.substr(0, blank); !word.empty(); gap = 1) {
                const std::string_view piece = leadingCharacters(word, width);
                place(piece, gap);
                word.remove_prefix(piece.size());
            }
            rest.remove_prefix(std::min(blank + 1, rest.size()));
        }
    }
    return lines;
}

std::vector<std::string> headerItems(const FieldCard& card, bool abbreviated) {
    const std::string rangeUnit = metric(card) ? "m" : "yd";
    const std::string speed = unitOf(Quantity::Speed, cardWindUnit(card.request)).label;
    // To a hundredth: a zero typed in yards reads 30.18 m, not 30.1752 m.
    const std::string zero = cFormat("%g", std::round(card.zeroRange * 100.0) / 100.0);
    std::vector<std::string> items{
        abbreviated ? translated("Zero %1 %2", {zero, rangeUnit}) : translated("Zero at %1 %2", {zero, rangeUnit}),
        abbreviated ? clickValueLabel(card.click) : translated("Click %1", {clickValueLabel(card.click)})};
    if (!card.request.date.empty()) items.push_back(card.request.date);
    items.insert(items.end(), card.conditions.begin(), card.conditions.end());
    const std::string unit = angleUnit(card.request.angle, abbreviated);
    if (card.request.winds.empty())
        items.push_back(abbreviated ? translated("%1 up", {unit}) : translated("Elevation in %1, U up", {unit}));
    else
        items.push_back(abbreviated ? translated("%1, wind %2 from R", {unit, speed})
                                    : translated("Wind in %1, full value from the right; U up, R right", {speed}));
    if (card.windZonesReplaced)
        items.push_back(
            translated(abbreviated ? N_("winds replace the zones") : N_("These winds replace the shot's wind zones")));
    return items;
}

std::vector<std::string> footerItems(const FieldCard& card, bool abbreviated, const std::vector<std::string>& leftOut) {
    std::vector<std::string> items;
    const auto any = [&card](bool FieldCardRow::*flag) {
        return std::any_of(card.rows.begin(), card.rows.end(), [flag](const FieldCardRow& row) { return row.*flag; });
    };
    if (any(&FieldCardRow::transonic))
        items.push_back(translated(abbreviated ? N_("* under M1.2") : N_("* transonic, under Mach 1.2")));
    if (any(&FieldCardRow::subsonic))
        items.push_back(translated(abbreviated ? N_("# under M1") : N_("# subsonic, under Mach 1")));
    if (!card.flightEnd.empty()) items.push_back("-- " + card.flightEnd);
    if (!leftOut.empty()) {
        std::string names;
        for (const std::string& title : leftOut) names += (names.empty() ? "" : ", ") + title;
        items.push_back(abbreviated ? translated("Left out: %1", {names})
                                    : translated("Left out for readable type: %1", {names}));
    }
    items.push_back("Vorlan");
    if (!card.request.fileName.empty()) items.push_back(printableText(card.request.fileName));
    return items;
}

}  // namespace

CardText cardText(const FieldCard& card, bool abbreviated, std::size_t width, const std::vector<std::string>& leftOut) {
    CardText c;
    const std::vector<CardLine> table = tableLines(card, abbreviated);
    for (const CardLine& line : table) c.tableWidth = std::max(c.tableWidth, characterCount(line.text));
    for (const std::string& text :
         wrapped({card.shotName.empty() ? std::string(translated("Untitled")) : card.shotName}, width))
        c.lines.push_back({text, CardLine::Kind::Title});
    for (const std::string& text : wrapped(headerItems(card, abbreviated), width))
        c.lines.push_back({text, CardLine::Kind::Header});
    c.lines.back().ruleBelow = true;
    c.lines.insert(c.lines.end(), table.begin(), table.end());
    c.lines.back().ruleBelow = true;
    for (const std::string& text : wrapped(footerItems(card, abbreviated, leftOut), width))
        c.lines.push_back({text, CardLine::Kind::Footer});
    return c;
}

std::optional<FieldCard> withoutLastColumn(FieldCard card, std::string& title) {
    FieldCardRequest& r = card.request;
    const std::vector<Column> columns = tableColumns(card, false);
    if (columns.back().title == elevationTitle(false)) return std::nullopt;
    title = columns.back().title;
    if (r.energy) {
        r.energy = false;
    } else if (r.time) {
        r.time = false;
    } else if (r.velocity) {
        r.velocity = false;
    } else if (!r.temperatures.empty()) {
        r.temperatures.pop_back();
        for (FieldCardRow& row : card.rows) row.temperatures.pop_back();
    } else {
        r.winds.pop_back();
        for (FieldCardRow& row : card.rows) row.winds.pop_back();
    }
    return card;
}

}  // namespace vorlan
