#include "reports/card/FieldCardLayout.h"

#include <algorithm>
#include <cctype>
#include <cmath>

#include "engine/Catalogue.h"
#include "reports/card/FieldCardLines.h"
#include "shot/CLocaleNumbers.h"

namespace vorlan {

namespace {

constexpr double kTypeStep = 0.25;    // points between the type sizes tried
constexpr double kTurnGain = 1.0;     // points of type worth turning a card for
constexpr double kMostLeading = 1.5;  // lines spread over a roomy card, at most this far apart (of the type)

// The largest type a layout is set in: a card is read at arm's length, a page on a table.
double largestType(CardLayout layout) {
    switch (layout) {
        case CardLayout::Strip:
            return 7.0;
        case CardLayout::Pocket:
            return 10.0;
        case CardLayout::Half:
            return 16.0;
        default:
            return 20.0;
    }
}

// The characters a line holds and the lines a card holds at `size`, on paper `width` x `height`.
struct Room {
    double width, height;
    std::size_t characters(double size) const { return static_cast<std::size_t>(width / (kCardCharAdvance * size)); }
    std::size_t lines(double size) const { return static_cast<std::size_t>(height / (kCardLineHeight * size)); }
};

// The card at the largest type that holds it on paper of `room`, full headings before
// abbreviated ones; none when it does not fit at `smallest`.
std::optional<FittedCard> fitted(const FieldCard& card, const Room& room, double smallest,
                                 const std::vector<std::string>& leftOut) {
    for (const bool abbreviated : {false, true}) {
        for (double size = largestType(card.request.layout); size >= smallest - 1e-9; size -= kTypeStep) {
            const std::size_t width = room.characters(size);
            CardText text = cardText(card, abbreviated, width, leftOut);
            if (text.tableWidth > width || text.lines.size() > room.lines(size)) continue;
            FittedCard f;
            f.typeSize = size;
            f.abbreviated = abbreviated;
            f.lineWidth = static_cast<int>(width);
            f.lineHeight = std::min(kMostLeading * size, room.height / static_cast<double>(text.lines.size()));
            f.lines = std::move(text.lines);
            f.leftOut = leftOut;
            return f;
        }
    }
    return std::nullopt;
}

// The card upright or turned a quarter (not a strip, which is held upright): turned when that
// gives type at least kTurnGain larger.
std::optional<FittedCard> fittedEitherWay(const FieldCard& card, const CardPaper& paper,
                                          const std::vector<std::string>& leftOut) {
    const double across = paper.width - 2.0 * paper.margin;
    const double down = paper.height - 2.0 * paper.margin;
    const double text = 1.0 - card.request.pictureShare;  // of the width, what the lines may take
    const double smallest = cardSmallestType(card.request.layout);
    std::optional<FittedCard> upright = fitted(card, {across * text, down}, smallest, leftOut);
    if (card.request.layout == CardLayout::Strip) return upright;
    std::optional<FittedCard> turned = fitted(card, {down * text, across}, smallest, leftOut);
    if (turned && (!upright || turned->typeSize >= upright->typeSize + kTurnGain)) {
        turned->landscape = true;
        return turned;
    }
    return upright;
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

double cardSmallestType(CardLayout layout) {
    return layout == CardLayout::Pocket ? kPocketSmallestType : kCardSmallestType;
}

FittedCard fitFieldCard(const FieldCard& card) {
    const CardPaper paper = cardPaper(card.request.layout, card.request.units);
    // A pocket card leaves columns out, the last first, before its type goes below the
    // smallest that reads in the field; the others go down to the smallest type of all.
    const bool leavesOut = cardSmallestType(card.request.layout) > kCardSmallestType;
    std::vector<std::string> leftOut;
    for (std::optional<FieldCard> shown = card; shown;) {
        if (std::optional<FittedCard> f = fittedEitherWay(*shown, paper, leftOut)) {
            f->layout = card.request.layout;
            f->units = card.request.units;
            f->paper = paper;
            f->pictureWidth = (f->width() - 2.0 * paper.margin) * card.request.pictureShare;
            return std::move(*f);
        }
        std::string title;
        shown = leavesOut ? withoutLastColumn(std::move(*shown), title) : std::nullopt;
        leftOut.push_back(title);
    }
    FittedCard refused;
    refused.layout = card.request.layout;
    refused.units = card.request.units;
    refused.paper = paper;
    const Room room{(paper.width - 2.0 * paper.margin) * (1.0 - card.request.pictureShare),
                    paper.height - 2.0 * paper.margin};
    const double smallest = cardSmallestType(card.request.layout);
    const CardText text = cardText(card, true, room.characters(smallest), {});
    refused.refusal = translated(
        "The %1 card (%2) holds %3 lines of %4 characters in its smallest type; these rows and columns need %5 lines "
        "of %6 characters. Choose fewer rows or columns, or a larger card.",
        {cardLayoutName(card.request.layout), paper.label, std::to_string(room.lines(smallest)),
         std::to_string(room.characters(smallest)), std::to_string(text.lines.size()),
         std::to_string(text.tableWidth)});
    return refused;
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
