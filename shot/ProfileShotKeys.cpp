#include "shot/ProfileShotKeys.h"

#include "engine/Catalogue.h"
#include "shot/CLocaleNumbers.h"
#include "shot/ShotFile.h"
#include "shot/TextNumbers.h"

namespace vorlan {

namespace {

constexpr std::string_view kCardRangesKey = "Card Ranges:";
constexpr std::string_view kExtrasKey = "A7P Extras:";

}  // namespace

std::string cardRangesText(const std::vector<double>& ranges) {
    std::string text;
    for (const double range : ranges) {
        if (!text.empty()) text += ';';
        text += cFormatReadingBack("%.10g", range);
    }
    return text;
}

std::optional<std::vector<double>> parseCardRangesText(std::string_view text) {
    std::vector<double> ranges;
    while (!trimmedBlanks(text).empty()) {
        const std::size_t end = text.find(';');
        const std::optional<double> range = wholeNumber(text.substr(0, end));
        if (!range || !(*range >= 1.0 && *range <= kCardRangeMaxYards) || ranges.size() == kMaxCardRanges)
            return std::nullopt;
        ranges.push_back(*range);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    }
    return ranges;
}

std::string profileShotFileText(const ShotParameters& shot) {
    std::string text;
    if (!shot.cardRanges.empty())
        text.append(kCardRangesKey).append(cardRangesText(shot.cardRanges)).append(kShotLineEnd);
    if (!shot.profileExtras.empty())
        text.append(kExtrasKey).append(withoutLineBreaks(shot.profileExtras)).append(kShotLineEnd);
    return text;
}

bool applyProfileShotLine(std::string_view line, ShotParameters& shot, std::string* problem) {
    if (startsWithNoCase(line, kExtrasKey)) {
        shot.profileExtras = std::string(line.substr(kExtrasKey.size()));
        return true;
    }
    if (!startsWithNoCase(line, kCardRangesKey)) return false;
    const std::string_view text = line.substr(kCardRangesKey.size());
    if (const auto ranges = parseCardRangesText(text))
        shot.cardRanges = *ranges;
    else if (problem)
        *problem = translated("%1 \"%2\" is not a list of at most %3 ranges from 1 to %4 yd",
                              {kCardRangesKey, text, std::to_string(kMaxCardRanges), cShowDouble(kCardRangeMaxYards)});
    return true;
}

}  // namespace vorlan
