#pragma once
// The lines of a field card's text at one width of line: the shot's name, the header's items
// (zero, click, date, air, what the columns hold), the table under its headings, and the
// footer's notes (the marks of transonic and subsonic rows, where the flight ends, what the
// card leaves out). FieldCardLayout tries them at a few widths and fits them to the paper.

#include <string>
#include <vector>

#include "reports/card/FieldCardLayout.h"

namespace vorlan {

struct CardText {
    std::vector<CardLine> lines;
    std::size_t tableWidth = 0;  // characters of the table's longest line, which does not wrap
};

// The card's lines, the items wrapped to `width` characters; `abbreviated`: short headings
// and items; `leftOut`: the titles of the columns the card leaves out, for the footer.
CardText cardText(const FieldCard& card, bool abbreviated, std::size_t width, const std::vector<std::string>& leftOut);

// The card without its last optional column (energy, time, velocity, then the temperatures
// and winds from the last), whose title goes to `title`; none when only the elevation is left.
std::optional<FieldCard> withoutLastColumn(FieldCard card, std::string& title);

}  // namespace vorlan
