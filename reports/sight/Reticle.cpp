#include "reports/sight/Reticle.h"

#include <algorithm>
#include <cmath>

#include "engine/Catalogue.h"
#include "shot/CLocaleNumbers.h"
#include "shot/PrintableText.h"
#include "shot/SafeFile.h"
#include "shot/TextNumbers.h"

namespace vorlan {

namespace {

constexpr std::size_t kMaxReticleBytes = 1u << 20;  // a reticle of the most marks is far smaller
constexpr double kFieldPerReach = 1.25;             // the circle shows a little beyond the reach

// The words of a line, split at blanks.
std::vector<std::string_view> wordsOf(std::string_view line) {
    std::vector<std::string_view> words;
    std::size_t at = 0;
    while (at < line.size()) {
        const std::size_t start = line.find_first_not_of(" \t", at);
        if (start == std::string_view::npos) break;
        const std::size_t end = std::min(line.find_first_of(" \t", start), line.size());
        words.push_back(line.substr(start, end - start));
        at = end;
    }
    return words;
}

// The line from `word` (one of its words) to its end.
std::string restFrom(std::string_view line, std::string_view word) {
    return std::string(trimmedBlanks(line.substr(static_cast<std::size_t>(word.data() - line.data()))));
}

// Reads one reticle, line by line; the first problem stops it.
class ReticleReader {
public:
    void read(std::string_view line);
    std::string problem;
    Reticle reticle;
    bool named = false, unitGiven = false, planeGiven = false;

private:
    // `rule`: the catalogue's "... must be a number from %1 to %2, not '%3'".
    std::optional<double> number(std::string_view word, double lowest, double highest, const char* rule);
    bool coordinates(const std::vector<std::string_view>& words, std::size_t count, std::size_t optional,
                     double* values);
    void shape(std::string_view key, const std::vector<std::string_view>& words);
};

std::optional<double> ReticleReader::number(std::string_view word, double lowest, double highest, const char* rule) {
    const std::optional<double> value = wholeNumber(word);
    if (!value || *value < lowest || *value > highest) {
        problem = translated(rule, {cShowDouble(lowest), cShowDouble(highest), printableText(word)});
        return std::nullopt;
    }
    return value;
}

// `count` positions (x and y within the extent) and up to `optional` sizes after them.
bool ReticleReader::coordinates(const std::vector<std::string_view>& words, std::size_t count, std::size_t optional,
                                double* values) {
    if (words.size() < count + 1 || words.size() > count + optional + 1) {
        problem = optional ? translated("'%1' takes %2 numbers and an optional size", {words[0], std::to_string(count)})
                           : translated("'%1' takes %2 numbers", {words[0], std::to_string(count)});
        return false;
    }
    for (std::size_t i = 1; i < words.size(); ++i) {
        const bool size = i > count;
        const auto value =
            size ? number(words[i], 0.0, kReticleMaxExtent, N_("a size must be a number from %1 to %2, not '%3'"))
                 : number(words[i], -kReticleMaxExtent, kReticleMaxExtent,
                          N_("a position must be a number from %1 to %2, not '%3'"));
        if (!value) return false;
        values[i - 1] = *value;
    }
    return true;
}

void ReticleReader::shape(std::string_view key, const std::vector<std::string_view>& words) {
    if (reticle.lines.size() + reticle.dots.size() + reticle.numbers.size() >= kReticleMaxMarks) {
        problem = translated("a reticle holds at most %1 marks", {std::to_string(kReticleMaxMarks)});
        return;
    }
    double v[5] = {};
    if (key == "line" && coordinates(words, 4, 1, v)) reticle.lines.push_back({v[0], v[1], v[2], v[3], v[4]});
    if (key == "dot" && coordinates(words, 2, 1, v)) reticle.dots.push_back({v[0], v[1], v[2]});
}

void ReticleReader::read(std::string_view line) {
    line = line.substr(0, line.find('#'));
    const std::vector<std::string_view> words = wordsOf(line);
    if (words.empty()) return;
    const std::string_view key = words[0];
    const std::string rest = words.size() > 1 ? restFrom(line, words[1]) : "";
    if (key == "line" || key == "dot") return shape(key, words);
    if (key == "number") {
        double v[2] = {};
        if (words.size() < 4)
            problem = translated("'number' takes a position x y and its text");
        else if (!coordinates({words.begin(), words.begin() + 3}, 2, 0, v))
            return;
        else if (const std::string text = printableText(restFrom(line, words[3]));
                 characterCount(text) > kReticleMaxLabel)
            problem = translated("a number's text has at most %1 characters", {std::to_string(kReticleMaxLabel)});
        else
            reticle.numbers.push_back({v[0], v[1], text});
        return;
    }
    if (words.size() < 2) {
        problem = translated("'%1' needs a value", {printableText(key)});
    } else if (key == "name") {
        reticle.name = printableText(rest);
        named = true;
    } else if (key == "unit" && (rest == "mil" || rest == "moa" || rest == "MOA")) {
        reticle.unit = rest == "mil" ? AngleUnit::Mil : AngleUnit::Moa;
        unitGiven = true;
    } else if (key == "plane" && (rest == "first" || rest == "second")) {
        reticle.plane = rest == "first" ? FocalPlane::First : FocalPlane::Second;
        planeGiven = true;
    } else if (key == "unit" || key == "plane") {
        problem = key == "unit" ? translated("the unit is mil or moa") : translated("the plane is first or second");
    } else if (words.size() != 2 && (key == "true-at" || key == "reach" || key == "field")) {
        problem = translated("'%1' takes one number", {key});
    } else if (key == "true-at") {
        if (auto m = number(words[1], 1.0, kReticleMaxMagnification,
                            N_("the magnification must be a number from %1 to %2, not '%3'")))
            reticle.trueMagnification = *m;
    } else if (key == "reach" || key == "field") {
        if (auto r = number(words[1], 0.1, kReticleMaxExtent,
                            key == "reach" ? N_("the reach must be a number from %1 to %2, not '%3'")
                                           : N_("the field must be a number from %1 to %2, not '%3'")))
            (key == "reach" ? reticle.reach : reticle.field) = *r;
    } else {
        problem = translated("'%1' is not a reticle key", {printableText(key)});
    }
}

// The farthest any mark reaches from the centre, across or up and down.
double farthestMark(const Reticle& r) {
    double most = 0;
    const auto take = [&most](double x, double y) { most = std::max({most, std::fabs(x), std::fabs(y)}); };
    for (const ReticleLine& l : r.lines) take(l.x1, l.y1), take(l.x2, l.y2);
    for (const ReticleDot& d : r.dots) take(d.x, d.y);
    for (const ReticleNumber& n : r.numbers) take(n.x, n.y);
    return most;
}

std::string wholeProblem(const ReticleReader& reader) {
    const Reticle& r = reader.reticle;
    if (!reader.named || r.name.empty()) return translated("the reticle has no name");
    if (!reader.unitGiven) return translated("the reticle has no unit (mil or moa)");
    if (!reader.planeGiven) return translated("the reticle has no plane (first or second)");
    if (r.plane == FocalPlane::Second && r.trueMagnification <= 0)
        return translated("a second-plane reticle needs the magnification it is true at (true-at)");
    if (r.lines.empty() && r.dots.empty()) return translated("the reticle has no lines or dots");
    return {};
}

}  // namespace

ReticleRead parseReticle(std::string_view text) {
    ReticleReader reader;
    std::size_t number = 0;
    while (!text.empty()) {
        ++number;
        const std::size_t end = std::min(text.find('\n'), text.size());
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        text.remove_prefix(std::min(end + 1, text.size()));
        reader.read(line);
        if (!reader.problem.empty())
            return {std::nullopt, translated("line %1: %2", {std::to_string(number), reader.problem})};
    }
    if (std::string problem = wholeProblem(reader); !problem.empty()) return {std::nullopt, problem};
    Reticle reticle = std::move(reader.reticle);
    if (reticle.reach <= 0) reticle.reach = farthestMark(reticle);
    if (reticle.field <= 0) reticle.field = std::max(reticle.reach * kFieldPerReach, 0.1);
    reticle.reach = std::min(reticle.reach, reticle.field);
    return {std::move(reticle), {}};
}

ReticleRead readReticleFile(const std::string& path) {
    std::string bytes;
    const std::string name = "'" + printableText(path) + "'";
    if (const FileOutcome outcome = readRegularFile(path, bytes, kMaxReticleBytes + 1); !outcome)
        return {std::nullopt, "cannot read reticle " + name + ": " + outcome.reason()};
    if (bytes.size() > kMaxReticleBytes) return {std::nullopt, "reticle " + name + " is too large"};
    ReticleRead read = parseReticle(bytes);
    if (!read.reticle) read.problem = "reticle " + name + ", " + read.problem;
    return read;
}

ReticleRead reticleNamed(const std::string& nameOrPath) {
    if (const auto text = builtInReticleText(nameOrPath)) return parseReticle(*text);
    return readReticleFile(nameOrPath);
}

}  // namespace vorlan
