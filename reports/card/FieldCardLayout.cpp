#include "reports/card/FieldCardLayout.h"

#include <algorithm>
#include <cctype>
#include <cmath>

#include "shot/CLocaleNumbers.h"
#include "shot/PrintableText.h"
#include "shot/ScopeProfile.h"

namespace vorlan {

namespace {

constexpr double kTypeStep = 0.25;  // points between the type sizes tried
constexpr int kRowsPerRule = 5;     // a thin rule after every fifth row guides the eye

bool metric(const FieldCard& card) { return card.request.units == UnitSystem::Metric; }

// The largest type a layout is set in: a card is read at arm's length, a page on a table.
double largestType(CardLayout layout) {
    switch (layout) {
        case CardLayout::Strip:
            return 7.0;
        case CardLayout::Pocket:
            return 9.0;
        case CardLayout::Half:
            return 11.0;
        default:
            return 12.0;
    }
}

std::string angleUnit(CardAngle angle, bool abbreviated) {
    switch (angle) {
        case CardAngle::Mil:
            return "mil";
        case CardAngle::Clicks:
            return abbreviated ? "clk" : "clicks";
        default:
            return "MOA";
    }
}

// One column of the card's table: its heading (a title, and the unit under it when the
// headings are full) and its cells.
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

std::vector<Column> tableColumns(const FieldCard& card, bool abbreviated) {
    const FieldCardRequest& r = card.request;
    const std::string unit = angleUnit(r.angle, abbreviated);
    const bool anyTransonic = std::any_of(card.rows.begin(), card.rows.end(), [](auto& row) { return row.transonic; });
    const bool anyTarget =
        std::any_of(card.rows.begin(), card.rows.end(), [](auto& row) { return !row.target.empty(); });
    const std::string speed = metric(card) ? "m/s" : "mph";
    const std::string degrees = metric(card) ? "C" : "F";
    std::vector<Column> columns;
    columns.push_back({abbreviated ? (metric(card) ? "m" : "yd") : "Range", metric(card) ? "m" : "yd", {}});
    if (anyTarget) columns.push_back({abbreviated ? "Tgt" : "Target", "", {}, true});
    columns.push_back({abbreviated ? "El" : "Elev", unit + (abbreviated ? "" : " U"), {}});
    for (const double wind : r.winds)
        columns.push_back(
            {cFormat("%g", wind) + (abbreviated ? "" : " " + speed), unit + (abbreviated ? "" : " R"), {}});
    for (const double t : r.temperatures)
        columns.push_back({cFormat("%g", t) + degrees, unit + (abbreviated ? "" : " U"), {}});
    if (r.velocity) columns.push_back({abbreviated ? "V" : "Vel", metric(card) ? "m/s" : "ft/s", {}});
    if (r.time) columns.push_back({abbreviated ? "t" : "TOF", "s", {}});
    if (r.energy) columns.push_back({abbreviated ? "E" : "Energy", metric(card) ? "J" : "ft-lb", {}});

    for (const FieldCardRow& row : card.rows) {
        std::size_t c = 0;
        columns[c++].cells.push_back(cFormat("%g", row.range) + (anyTransonic ? (row.transonic ? "*" : " ") : ""));
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

// The table's lines: the headings (titles, then the units unless abbreviated) and the rows.
std::vector<CardLine> tableLines(const FieldCard& card, bool abbreviated) {
    const std::vector<Column> columns = tableColumns(card, abbreviated);
    const std::size_t gap = abbreviated ? 1 : 2;
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
    if (!abbreviated) lines.push_back({line([](const Column& c) { return c.unit; }), CardLine::Kind::Heading});
    lines.back().ruleBelow = true;
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
    const std::string rangeUnit = metric(card) ? " m" : " yd";
    const std::string speed = metric(card) ? "m/s" : "mph";
    std::vector<std::string> items{(abbreviated ? "Zero " : "Zero at ") + cFormat("%g", card.zeroRange) + rangeUnit,
                                   (abbreviated ? "" : "Click ") + clickValueLabel(card.click)};
    if (!card.request.date.empty()) items.push_back(card.request.date);
    items.insert(items.end(), card.conditions.begin(), card.conditions.end());
    const std::string unit = angleUnit(card.request.angle, abbreviated);
    if (card.request.winds.empty())
        items.push_back(abbreviated ? unit + " up" : "Elevation in " + unit + ", U up");
    else
        items.push_back(abbreviated ? unit + ", wind " + speed + " from R"
                                    : "Wind in " + speed + ", full value from the right; U up, R right");
    if (card.windZonesReplaced)
        items.push_back(abbreviated ? "winds replace the zones" : "These winds replace the shot's wind zones");
    return items;
}

std::vector<std::string> footerItems(const FieldCard& card, bool abbreviated) {
    std::vector<std::string> items;
    if (std::any_of(card.rows.begin(), card.rows.end(), [](const FieldCardRow& row) { return row.transonic; }))
        items.push_back(abbreviated ? "* under M1.2" : "* transonic, under Mach 1.2");
    items.push_back("Vorlan");
    if (!card.request.fileName.empty()) items.push_back(printableText(card.request.fileName));
    return items;
}

struct Candidate {
    std::vector<CardLine> lines;
    std::size_t width = 0;
};

// The card's lines wrapped to `width` characters.
Candidate linesAt(const FieldCard& card, bool abbreviated, std::size_t width) {
    Candidate c;
    const std::vector<CardLine> table = tableLines(card, abbreviated);
    for (const CardLine& line : table) c.width = std::max(c.width, characterCount(line.text));
    for (const std::string& text : wrapped({card.shotName.empty() ? std::string("Untitled") : card.shotName}, width))
        c.lines.push_back({text, CardLine::Kind::Title});
    for (const std::string& text : wrapped(headerItems(card, abbreviated), width))
        c.lines.push_back({text, CardLine::Kind::Header});
    c.lines.back().ruleBelow = true;
    c.lines.insert(c.lines.end(), table.begin(), table.end());
    c.lines.back().ruleBelow = true;
    for (const std::string& text : wrapped(footerItems(card, abbreviated), width))
        c.lines.push_back({text, CardLine::Kind::Footer});
    return c;
}

}  // namespace

CardPaper cardPaper(CardLayout layout, UnitSystem units) {
    const bool m = units == UnitSystem::Metric;
    switch (layout) {
        case CardLayout::Strip:
            return {108.0, 288.0, 5.0, "1.5 x 4 in"};
        case CardLayout::Half:
            return m ? CardPaper{419.53, 595.28, 24.0, "A5"} : CardPaper{396.0, 612.0, 24.0, "5.5 x 8.5 in"};
        case CardLayout::Page:
            return m ? CardPaper{595.28, 841.89, 36.0, "A4"} : CardPaper{612.0, 792.0, 36.0, "letter"};
        default:
            return {216.0, 360.0, 9.0, "3 x 5 in"};
    }
}

FittedCard fitFieldCard(const FieldCard& card) {
    FittedCard fitted;
    fitted.layout = card.request.layout;
    fitted.units = card.request.units;
    fitted.paper = cardPaper(card.request.layout, card.request.units);
    const double innerWidth = fitted.paper.width - 2.0 * fitted.paper.margin;
    const double innerHeight = fitted.paper.height - 2.0 * fitted.paper.margin;
    const auto charsAt = [&](double size) { return static_cast<std::size_t>(innerWidth / (kCardCharAdvance * size)); };
    const auto linesAtSize = [&](double size) {
        return static_cast<std::size_t>(innerHeight / (kCardLineHeight * size));
    };
    for (const bool abbreviated : {false, true}) {
        for (double size = largestType(card.request.layout); size >= kCardSmallestType - 1e-9; size -= kTypeStep) {
            const std::size_t width = charsAt(size);
            Candidate c = linesAt(card, abbreviated, width);
            if (c.width > width || c.lines.size() > linesAtSize(size)) continue;
            fitted.typeSize = size;
            fitted.abbreviated = abbreviated;
            fitted.lineWidth = static_cast<int>(width);
            fitted.lines = std::move(c.lines);
            return fitted;
        }
    }
    const std::size_t width = charsAt(kCardSmallestType);
    const Candidate smallest = linesAt(card, true, width);
    fitted.refusal = cFormat(
        "The %s card (%s) holds %zu lines of %zu characters in its smallest type; these rows and columns need %zu "
        "lines of %zu characters. Choose fewer rows or columns, or a larger card.",
        std::string(cardLayoutName(card.request.layout)).c_str(), fitted.paper.label, linesAtSize(kCardSmallestType),
        width, smallest.lines.size(), smallest.width);
    return fitted;
}

std::string fieldCardText(const FittedCard& fitted) {
    std::string text;
    for (const CardLine& line : fitted.lines) text += line.text + "\n";
    return text;
}

std::optional<CardSheet> parseCardSheet(std::string_view text) {
    std::string name(text);
    for (char& c : name) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (name == "letter") return CardSheet::Letter;
    if (name == "a4") return CardSheet::A4;
    return std::nullopt;
}

SheetPlan sheetPlan(CardLayout layout, UnitSystem units, CardSheet sheet) {
    constexpr double kCutMarkRoom = 18.0;  // points kept clear around the cards for the marks
    const CardPaper card = cardPaper(layout, units);
    SheetPlan plan;
    plan.width = sheet == CardSheet::A4 ? 595.28 : 612.0;
    plan.height = sheet == CardSheet::A4 ? 841.89 : 792.0;
    plan.cardWidth = card.width;
    plan.cardHeight = card.height;
    plan.columns = std::max(1, static_cast<int>((plan.width - 2.0 * kCutMarkRoom) / card.width));
    plan.rows = std::max(1, static_cast<int>((plan.height - 2.0 * kCutMarkRoom) / card.height));
    plan.left = std::max(0.0, (plan.width - plan.columns * card.width) / 2.0);
    plan.top = std::max(0.0, (plan.height - plan.rows * card.height) / 2.0);
    return plan;
}

std::optional<CardFileFormat> cardFileFormat(std::string_view path) {
    std::string name(path.substr(path.size() < 4 ? 0 : path.size() - 4));
    for (char& c : name) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (name == ".pdf") return CardFileFormat::Pdf;
    if (name == ".svg") return CardFileFormat::Svg;
    if (name == ".png") return CardFileFormat::Png;
    return std::nullopt;
}

}  // namespace vorlan
