// The field card's inputs as a user types them: a range list, named targets, lists of
// numbers, and the names of the layouts and units.

#include <cctype>
#include <cmath>

#include "engine/Catalogue.h"
#include "reports/card/FieldCard.h"
#include "shot/CLocaleNumbers.h"
#include "shot/TextNumbers.h"

namespace vorlan {

namespace {

std::string lower(std::string_view text) {
    std::string out(trimmedBlanks(text));
    for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

}  // namespace

std::optional<FieldCardRequest> parseCardRanges(std::string_view text, FieldCardRequest request, std::string& problem) {
    std::vector<std::optional<double>> parts;
    for (std::size_t start = 0; start <= text.size();) {
        std::size_t colon = text.find(':', start);
        if (colon == std::string_view::npos) colon = text.size();
        parts.push_back(wholeNumber(text.substr(start, colon - start)));
        start = colon + 1;
    }
    if (parts.size() != 3 || !parts[0] || !parts[1] || !parts[2]) {
        problem = translated("'%1' is not a range list such as 100:1000:50 (from, to, step)", {text});
        return std::nullopt;
    }
    request.from = *parts[0];
    request.to = *parts[1];
    request.step = *parts[2];
    if (!(request.step > 0.0)) {
        problem = translated("The range step must be more than 0.");
        return std::nullopt;
    }
    return request;
}

std::optional<std::vector<CardTarget>> parseCardTargets(std::string_view text, std::string& problem) {
    std::vector<CardTarget> targets;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find_first_of(",\n", start);
        if (end == std::string_view::npos) end = text.size();
        const std::string_view item = trimmedBlanks(text.substr(start, end - start));
        start = end + 1;
        if (item.empty()) continue;
        const std::size_t equals = item.rfind('=');
        const std::optional<double> range =
            equals == std::string_view::npos ? std::nullopt : wholeNumber(item.substr(equals + 1));
        const std::string_view name = equals == std::string_view::npos ? item : trimmedBlanks(item.substr(0, equals));
        if (!range || name.empty()) {
            problem = translated("'%1' is not a target such as \"Gong 1=327\" (name = range)", {item});
            return std::nullopt;
        }
        targets.push_back({std::string(name), *range});
    }
    return targets;
}

std::vector<CardTarget> keptCardRanges(const ShotParameters& shot, UnitSystem units) {
    std::vector<CardTarget> ranges;
    for (const double yards : shot.cardRanges) {
        const double metres = yards * kMetresPerYard;
        ranges.push_back({cFormat("%.4g m", metres), units == UnitSystem::Metric ? metres : yards});
    }
    return ranges;
}

std::string cardTargetsText(const std::vector<CardTarget>& targets) {
    std::string text;
    for (const CardTarget& target : targets)
        text += (text.empty() ? "" : "\n") + target.name + " = " + cFormat("%.8g", target.range);
    return text;
}

std::string cardNumbersText(const std::vector<double>& numbers) {
    std::string text;
    for (const double n : numbers) text += (text.empty() ? "" : ", ") + cFormat("%g", n);
    return text;
}

std::string cardWindsTextIn(std::string_view text, Unit from, Unit to) {
    std::string problem;
    std::optional<std::vector<double>> winds = parseCardNumbers(text, problem);
    if (!winds || winds->empty() || from == to) return std::string(text);
    if (*winds == defaultCardWinds(from)) return cardNumbersText(defaultCardWinds(to));
    for (double& wind : *winds) wind = toShown(toDesigned(wind, Quantity::Speed, from), Quantity::Speed, to);
    return cardNumbersText(*winds);
}

std::optional<std::vector<double>> parseCardNumbers(std::string_view text, std::string& problem) {
    std::vector<double> numbers;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find_first_of(", ", start);
        if (end == std::string_view::npos) end = text.size();
        const std::string_view item = text.substr(start, end - start);
        start = end + 1;
        if (trimmedBlanks(item).empty()) continue;
        const std::optional<double> value = wholeNumber(item);
        if (!value) {
            problem = translated("'%1' is not a number", {item});
            return std::nullopt;
        }
        numbers.push_back(*value);
    }
    return numbers;
}

namespace {

constexpr std::string_view kLayoutNames[] = {"pocket", "half", "page", "strip"};
constexpr std::string_view kAngleNames[] = {"moa", "mil", "clicks"};

// The value whose name, in any case, is `text`: names listed in the enumeration's order.
template <class Enum, std::size_t N>
std::optional<Enum> namedValue(const std::string_view (&names)[N], std::string_view text) {
    const std::string name = lower(text);
    for (std::size_t i = 0; i < N; ++i)
        if (name == names[i]) return static_cast<Enum>(i);
    return std::nullopt;
}

}  // namespace

std::optional<CardLayout> parseCardLayout(std::string_view text) { return namedValue<CardLayout>(kLayoutNames, text); }

std::string_view cardLayoutName(CardLayout layout) { return kLayoutNames[static_cast<std::size_t>(layout)]; }

std::optional<CardAngle> parseCardAngle(std::string_view text) { return namedValue<CardAngle>(kAngleNames, text); }

std::string_view cardAngleName(CardAngle angle) { return kAngleNames[static_cast<std::size_t>(angle)]; }

}  // namespace vorlan
