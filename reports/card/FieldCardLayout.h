#pragma once
// A field card fitted to its paper: the lines of fixed-pitch text it prints, the type size
// that holds them, and the sheet that holds several cards for cutting out. Every renderer
// (the text output, the PDF, SVG and PNG files, the printer, the preview) draws these lines
// at this size, so they all show the same card; a card that cannot hold its rows and columns
// at the smallest type is refused with a message, never cut.
//
//   FieldCard -> fitFieldCard() -> FittedCard { lines, type size } -> text or painter

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "reports/card/FieldCard.h"

namespace vorlan {

// A card's paper, in points (1/72 in).
struct CardPaper {
    double width;
    double height;
    double margin;      // on every side, inside the card's edge
    const char* label;  // "3 x 5 in", "A5"...
};
CardPaper cardPaper(CardLayout layout, UnitSystem units);

// The fixed-pitch type the card is set in: a character's advance and a line's height as
// shares of the type size. Fonts of this kind (DejaVu Sans Mono, Liberation Mono, Courier)
// advance 0.60 of their size; the extra hundredth is kept for the fonts that advance more.
inline constexpr double kCardCharAdvance = 0.61;
inline constexpr double kCardLineHeight = 1.2;
// The smallest type a card is printed in, points; a pocket card, read in the field, leaves
// columns out rather than go below kPocketSmallestType.
inline constexpr double kCardSmallestType = 5.0;
inline constexpr double kPocketSmallestType = 7.0;
double cardSmallestType(CardLayout layout);

struct CardLine {
    enum class Kind { Title, Header, Heading, Row, Footer };
    std::string text;
    Kind kind = Kind::Row;
    bool ruleBelow = false;  // a thin line under this one (the headings, every fifth row)
};

struct FittedCard {
    CardLayout layout = CardLayout::Pocket;
    UnitSystem units = UnitSystem::Imperial;
    CardPaper paper{};       // upright
    bool landscape = false;  // the card is set turned a quarter, its long side across
    std::string refusal;     // why the card cannot be made; empty when it fits
    double typeSize = 0;     // points
    double lineHeight = 0;   // points from one line to the next: kCardLineHeight of the type or more
    bool abbreviated = false;
    int lineWidth = 0;  // the characters a line may hold at typeSize
    std::vector<CardLine> lines;
    std::vector<std::string> leftOut;  // the titles of the columns the card had no room for
    double pictureWidth = 0;           // points at the right, inside the margin, kept for a picture
    bool fits() const { return refusal.empty(); }
    // The card as it is set, points: the paper, turned when landscape.
    double width() const { return landscape ? paper.height : paper.width; }
    double height() const { return landscape ? paper.width : paper.height; }
};

// The card's lines at the largest type that holds them: upright, or turned when that gives
// type a point larger or more (a strip stays upright); first with full headings, then with abbreviated ones,
// down to the layout's smallest type; then without its last columns, one by one. The lines
// spread down a roomy card, up to 1.5 times the type apart.
FittedCard fitFieldCard(const FieldCard& card);

// The card as plain text, one line each, LF ends.
std::string fieldCardText(const FittedCard& fitted);

// Several cards on one sheet for cutting out.
enum class CardSheet { Letter, A4 };
// "letter" or "a4", any case.
std::optional<CardSheet> parseCardSheet(std::string_view text);
struct SheetPlan {
    double width = 0, height = 0;  // the sheet, points
    int columns = 0, rows = 0;     // cards across and down
    double left = 0, top = 0;      // the first card's corner, points
    double cardWidth = 0, cardHeight = 0;
    int count() const { return columns * rows; }
};
// The cards side by side without gaps, centred on the sheet, with room for cut marks; at
// least one card, even when a card is as large as the sheet. The slots are upright: a card
// set landscape is turned a quarter into its slot.
SheetPlan sheetPlan(CardLayout layout, UnitSystem units, CardSheet sheet);

// The files a card is written to, by the name's extension (any case): none for another.
enum class CardFileFormat { Pdf, Svg, Png };
std::optional<CardFileFormat> cardFileFormat(std::string_view path);

}  // namespace vorlan
