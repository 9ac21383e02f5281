#include "shot/HitShotKeys.h"

#include <cmath>

#include "engine/Catalogue.h"
#include "engine/HitProbability.h"
#include "shot/CLocaleNumbers.h"
#include "shot/ShotFile.h"
#include "shot/TextNumbers.h"

namespace vorlan {

namespace {

struct HitNumberKey {
    std::string_view key;  // with its colon
    double HitSpreads::*member;
    const char* format;
    double minimum;  // inclusive bounds
    double maximum;
};

constexpr HitNumberKey kSpreadKeys[] = {
    {"MV SD:", &HitSpreads::velocitySd, "%.1f", 0, kMostVelocitySd},
    {"BC SD %:", &HitSpreads::coefficientSdPercent, "%.2f", 0, 50},
    {"Wind SD:", &HitSpreads::windSd, "%.1f", 0, kMostWindSd},
    {"Wind Direction SD:", &HitSpreads::windDirectionSd, "%.1f", 0, 180},
    {"Precision MOA:", &HitSpreads::precisionMoa, "%.2f", 0, 60},
    {"Cant SD:", &HitSpreads::cantSd, "%.1f", 0, 45},
};
constexpr std::string_view kRangeKey = "Range SD:";
constexpr std::string_view kGroupKey = "Precision Group:";
constexpr double kLargestGroup = 200;  // MOA
constexpr std::string_view kTargetKey = "Hit Target:";
constexpr std::string_view kLevelKey = "Hit Level:";
constexpr double kMostRangeSdPercent = 50;

std::string rangeSpreadText(const HitSpreads& s) {
    return cFormatReadingBack("%.1f", s.rangeSd) + (s.rangeSdPercent ? "%" : "");
}

void append(std::string& text, std::string_view key, const std::string& value) {
    text.append(key).append(value).append(kShotLineEnd);
}

bool sizeFits(double inches) { return inches > 0.0 && inches <= kLargestTarget; }

// The whole text as one positive number.
std::optional<double> positiveNumber(std::string_view text) {
    const std::optional<double> value = wholeNumber(text);
    return value && *value > 0.0 ? value : std::nullopt;
}

// "3.066 5": the mean group and its shots, with the deviation that follows from them; none
// when the text is not a group of 2 to 10 shots.
std::optional<HitSpreads> parseGroup(std::string_view text, HitSpreads s) {
    text = trimmedBlanks(text);
    const std::size_t blank = text.find(' ');
    if (blank == std::string_view::npos) return std::nullopt;
    const std::optional<double> group = positiveNumber(text.substr(0, blank));
    const std::optional<double> shots = wholeNumber(text.substr(blank + 1));
    if (!group || !shots || !(*shots >= 2 && *shots <= 10) || *shots != std::floor(*shots)) return std::nullopt;
    s.groupShots = static_cast<int>(*shots);
    s.groupMoa = *group;
    s.precisionMoa = precisionFromGroup(*group, s.groupShots);
    return s;
}

}  // namespace

std::string hitTargetText(const HitTarget& target) {
    if (target.shape == HitTarget::Shape::Circle) return cFormat("circle %g", target.width);
    return cFormat("rect %g %g", target.width, target.height);
}

std::optional<HitTarget> parseHitTarget(std::string_view text) {
    text = trimmedBlanks(text);
    HitTarget target;
    const std::size_t blank = text.find(' ');
    const std::string_view shape = text.substr(0, blank);
    const std::string_view sizes = blank == std::string_view::npos ? std::string_view() : text.substr(blank + 1);
    const std::size_t second = trimmedBlanks(sizes).find(' ');
    if (startsWithNoCase(shape, "circle") && shape.size() == 6) {
        const std::optional<double> diameter = positiveNumber(sizes);
        if (!diameter) return std::nullopt;
        target.width = *diameter;
        return target;
    }
    if (!(startsWithNoCase(shape, "rect") && shape.size() == 4) || second == std::string_view::npos)
        return std::nullopt;
    const std::optional<double> width = positiveNumber(trimmedBlanks(sizes).substr(0, second));
    const std::optional<double> height = positiveNumber(trimmedBlanks(sizes).substr(second + 1));
    if (!width || !height) return std::nullopt;
    return HitTarget{HitTarget::Shape::Rectangle, *width, *height};
}

std::optional<HitTarget> parseTargetSize(std::string_view text) {
    text = trimmedBlanks(text);
    if (text.size() > 2 && startsWithNoCase(text.substr(text.size() - 2), "in")) text.remove_suffix(2);
    const std::size_t by = text.find_first_of("xX");
    if (by == std::string_view::npos) {
        const std::optional<double> diameter = positiveNumber(text);
        if (!diameter) return std::nullopt;
        return HitTarget{HitTarget::Shape::Circle, *diameter, 0.0};
    }
    const std::optional<double> width = positiveNumber(text.substr(0, by));
    const std::optional<double> height = positiveNumber(text.substr(by + 1));
    if (!width || !height) return std::nullopt;
    return HitTarget{HitTarget::Shape::Rectangle, *width, *height};
}

std::optional<HitSpreads> parseRangeSpread(std::string_view text, HitSpreads spreads) {
    text = trimmedBlanks(text);
    spreads.rangeSdPercent = !text.empty() && text.back() == '%';
    if (spreads.rangeSdPercent) text = trimmedBlanks(text.substr(0, text.size() - 1));
    if (trimmedBlanks(text) == "0") {
        spreads.rangeSd = 0.0;
        return spreads;
    }
    const std::optional<double> value = positiveNumber(text);
    if (!value) return std::nullopt;
    spreads.rangeSd = *value;
    return spreads;
}

std::string hitShotFileText(const HitInputs& hit) {
    static const HitInputs kDefaults;
    std::string text;
    for (const HitNumberKey& key : kSpreadKeys) {
        const std::string value = cFormatReadingBack(key.format, hit.spreads.*key.member);
        if (value != cFormatReadingBack(key.format, kDefaults.spreads.*key.member)) append(text, key.key, value);
    }
    if (hit.spreads.rangeSd != 0.0) append(text, kRangeKey, rangeSpreadText(hit.spreads));
    if (hit.spreads.groupShots != 0)
        append(text, kGroupKey,
               cFormatReadingBack("%.3f", hit.spreads.groupMoa) + cFormat(" %d", hit.spreads.groupShots));
    if (hit.target.isSet()) append(text, kTargetKey, hitTargetText(hit.target));
    if (hit.level != kDefaults.level) append(text, kLevelKey, cFormatReadingBack("%.3f", hit.level));
    return text;
}

namespace {

// Stores what `read` makes of the value after `key` when it reads; else tells `unread` (a
// sentence of the catalogue with the key as %1 and the value as %2).
template <class Value, class Read>
std::string storeRead(std::string_view line, std::string_view key, Value& value, Read read, const char* unread) {
    const std::string_view text = line.substr(key.size());
    if (const auto read_ = read(text)) {
        value = *read_;
        return {};
    }
    return translated(unread, {key, text});
}

// None when the line holds no hit key; else what does not read, empty when it does.
std::optional<std::string> readHitLine(std::string_view line, HitInputs& hit) {
    constexpr const char* kNoNumber = N_("%1 \"%2\" is not a number");
    for (const HitNumberKey& key : kSpreadKeys)
        if (startsWithNoCase(line, key.key))
            return storeRead(line, key.key, hit.spreads.*key.member, wholeNumber, kNoNumber);
    if (startsWithNoCase(line, kRangeKey))
        return storeRead(
            line, kRangeKey, hit.spreads, [&](std::string_view t) { return parseRangeSpread(t, hit.spreads); },
            N_("%1 \"%2\" is not a range spread such as 12 (yd) or 5%"));
    if (startsWithNoCase(line, kGroupKey))
        return storeRead(
            line, kGroupKey, hit.spreads, [&](std::string_view t) { return parseGroup(t, hit.spreads); },
            N_("%1 \"%2\" is not a group in MOA and its number of shots (2 to 10), such as 3.066 5"));
    if (startsWithNoCase(line, kTargetKey))
        return storeRead(line, kTargetKey, hit.target, parseHitTarget,
                         N_("%1 \"%2\" is not \"circle D\" or \"rect W H\" with sizes in inches above 0"));
    if (startsWithNoCase(line, kLevelKey)) return storeRead(line, kLevelKey, hit.level, wholeNumber, kNoNumber);
    return std::nullopt;
}

}  // namespace

bool applyHitShotLine(std::string_view line, HitInputs& hit, std::string* problem) {
    std::optional<std::string> told = readHitLine(line, hit);
    if (!told) return false;
    if (problem && !told->empty()) *problem = std::move(*told);
    return true;
}

std::string hitInputProblem(const HitInputs& hit) {
    const auto outside = [](std::string_view key, double minimum, double maximum) {
        return translated("%1 must be a number from %2 to %3",
                          {key.substr(0, key.size() - 1), cShowDouble(minimum), cShowDouble(maximum)});
    };
    for (const HitNumberKey& key : kSpreadKeys) {
        const double value = hit.spreads.*key.member;
        if (!(value >= key.minimum && value <= key.maximum)) return outside(key.key, key.minimum, key.maximum);
    }
    const double rangeMost = hit.spreads.rangeSdPercent ? kMostRangeSdPercent : kMostRangeSdYards;
    if (!(hit.spreads.rangeSd >= 0.0 && hit.spreads.rangeSd <= rangeMost))
        return hit.spreads.rangeSdPercent ? translated("Range SD must be from 0 to 50 % of the range")
                                          : outside(kRangeKey, 0, kMostRangeSdYards);
    const HitSpreads& s = hit.spreads;
    if (s.groupShots != 0 &&
        !(s.groupShots >= 2 && s.groupShots <= 10 && s.groupMoa >= 0 && s.groupMoa <= kLargestGroup))
        return translated("Precision Group must be a group of 0 to %1 MOA and its 2 to 10 shots, as \"3.07 5\"",
                          {cShowDouble(kLargestGroup)});
    const HitTarget& t = hit.target;
    const bool unset = t.width == 0.0 && t.shape == HitTarget::Shape::Circle;
    if (!unset && !(sizeFits(t.width) && (t.shape == HitTarget::Shape::Circle || sizeFits(t.height))))
        return translated("Hit Target must be \"circle D\" or \"rect W H\", sizes in inches above 0 and up to %1",
                          {cShowDouble(kLargestTarget)});
    if (!(hit.level >= 0.0 && hit.level <= 1.0)) return outside(kLevelKey, 0, 1);
    return {};
}

}  // namespace vorlan
