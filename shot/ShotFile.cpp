#include "shot/ShotFile.h"

#include <algorithm>
#include <cstring>

#include "engine/Catalogue.h"
#include "shot/AdvancedShotKeys.h"
#include "shot/CLocaleNumbers.h"
#include "shot/HitShotKeys.h"
#include "shot/MetricShotKeys.h"
#include "shot/ProfileShotKeys.h"
#include "shot/ScopeProfile.h"
#include "shot/TextShotKeys.h"
#include "shot/TruingShotKeys.h"

namespace vorlan {

std::string withoutLineBreaks(std::string_view text) {
    std::string clean(text);
    std::replace_if(
        clean.begin(), clean.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
    return clean;
}

namespace {

std::string formatValue(const ShotFileLine& line, const ShotParameters& shot) {
    return std::visit(
        [&](auto member) -> std::string {
            const auto& value = shot.*member;
            using T = std::decay_t<decltype(value)>;
            if constexpr (std::is_same_v<T, std::string>)
                return withoutLineBreaks(value);
            else if constexpr (std::is_same_v<T, bool>)
                return value ? "true" : "false";
            else if constexpr (std::is_same_v<T, int>)
                return std::strcmp(line.format, "%u") == 0 ? cFormat("%u", static_cast<unsigned>(value))
                                                           : cFormat("%d", value);
            else
                return cFormat(line.format, value);
        },
        line.member);
}

void storeValue(const FieldMember& member, std::string_view text, ShotParameters& shot) {
    std::visit(
        [&](auto m) {
            auto& value = shot.*m;
            using T = std::decay_t<decltype(value)>;
            if constexpr (std::is_same_v<T, std::string>)
                value = withoutLineBreaks(text);
            else if constexpr (std::is_same_v<T, bool>)
                value = startsWithNoCase(text, "true");
            else if constexpr (std::is_same_v<T, int>)
                value = cToInt(text);
            else
                value = cToDouble(text);
        },
        member);
}

// "Shooting Angle" is the older name of the LOS angle; it is read, never written.
constexpr std::string_view kOldLosAngleKey = "Shooting Angle:";

// Matches `key` followed by its colon at the start of `line`; returns the value's text.
bool matchKey(std::string_view line, std::string_view key, std::string_view& value) {
    if (line.size() <= key.size() || line[key.size()] != ':' || !startsWithNoCase(line, key)) return false;
    value = line.substr(key.size() + 1);
    return true;
}

}  // namespace

std::string shotFileText(const ShotParameters& shot) {
    std::string text;
    for (const ShotFileLine& line : shotFileLines()) {
        text.append(line.key).append(":").append(formatValue(line, shot)).append(kShotLineEnd);
    }
    return text;
}

std::string extensionShotFileText(const ShotParameters& shot) {
    return advancedShotFileText(shot.advanced) + scopeShotFileText(shot.scope) + hitShotFileText(shot.hit) +
           truingShotFileText(shot.observations, shot.advanced) + truingVelocityShotFileText(shot) +
           textShotFileText(shot) + profileShotFileText(shot) + metricShotFileText(shot);
}

bool applyExtensionShotLine(std::string_view line, ShotParameters& shot, std::string* problem) {
    if (applyAdvancedShotLine(line, shot.advanced, problem) || applyHitShotLine(line, shot.hit, problem) ||
        applyTruingShotLine(line, shot.observations, shot.advanced, problem) ||
        applyTruingVelocityShotLine(line, shot, problem) || applyTextShotLine(line, shot) ||
        applyProfileShotLine(line, shot, problem) || applyMetricShotLine(line, shot, problem))
        return true;
    if (!applyScopeShotLine(line, shot.scope)) return false;
    if (problem) *problem = scopeLineProblem(line);
    return true;
}

void resetExtensionInputs(ShotParameters& shot) {
    shot.advanced = AdvancedEffects{};
    shot.scope = ScopeProfile{};
    shot.hit = HitInputs{};
    shot.observations.clear();
    shot.velocityBeforeTruing = 0.0;
    shot.rifle.clear();
    shot.cardRanges.clear();
    shot.profileExtras.clear();
    shot.metric = MetricInputs{};
}

FileOutcome writeShotFile(const std::string& path, const ShotParameters& shot) {
    return writeFileAtomically(path, shotFileText(shot) + extensionShotFileText(shot));
}

std::string_view takeLine(std::string_view& bytes) {
    const std::size_t end = std::min(bytes.find_first_of("\r\n"), bytes.size());
    const std::string_view line = bytes.substr(0, end);
    // Any CRs, then one LF, end the line; a CR without an LF ends it as well.
    std::size_t next = end;
    while (next < bytes.size() && bytes[next] == '\r') ++next;
    if (next < bytes.size() && bytes[next] == '\n') ++next;
    bytes.remove_prefix(next);
    return line;
}

void forEachShotLine(std::string_view bytes, const std::function<void(std::string_view)>& handle) {
    for (long lines = 0; !bytes.empty() && lines < kMaxLines; ++lines) {
        std::string_view line = takeLine(bytes);
        line = line.substr(0, std::min(line.size(), kMaxLineBytes));
        // A NUL byte ends the text of its line.
        handle(line.substr(0, std::min(line.find('\0'), line.size())));
    }
}

bool applyShotLine(std::string_view line, ShotParameters& shot, ShotReadMode mode, std::string* problem) {
    std::string_view value;
    if (startsWithNoCase(line, kOldLosAngleKey)) {
        storeValue(&ShotParameters::losAngle, line.substr(kOldLosAngleKey.size()), shot);
        return true;
    }
    for (const ShotFileLine& entry : shotFileLines()) {
        if (!matchKey(line, entry.key, value)) continue;
        if (!(entry.calculatorKey && mode == ShotReadMode::GivenPath)) storeValue(entry.member, value, shot);
        return true;
    }
    return applyExtensionShotLine(line, shot, problem);
}

std::string shotLineProblem(std::string_view line, bool everyNumber) {
    std::string_view value;
    if (everyNumber) {
        for (const ShotFileLine& entry : shotFileLines()) {
            double number = 0.0;
            if (entry.format && matchKey(line, entry.key, value) && !cScanDouble(value, number))
                return translated("%1: \"%2\" is not a number", {entry.key, value});
        }
    }
    ShotParameters scratch;
    std::string problem;
    applyExtensionShotLine(line, scratch, &problem);
    return problem;
}

bool readShotTextTelling(std::string_view bytes, ShotParameters& shot, ShotReadMode mode,
                         std::vector<std::string>& problems) {
    shot.muzzleAngle = 0.0;
    resetExtensionInputs(shot);
    bool anyKey = false;
    int number = 0;
    forEachShotLine(bytes, [&](std::string_view line) {
        ++number;
        std::string problem;
        if (!applyShotLine(line, shot, mode, &problem)) return;
        anyKey = true;
        if (!problem.empty()) problems.push_back(translated("line %1: %2", {std::to_string(number), problem}));
    });
    return anyKey;
}

FileOutcome readShotFile(const std::string& path, ShotParameters& shot, ShotReadMode mode,
                         std::vector<std::string>* problems) {
    shot.muzzleAngle = 0.0;
    std::string bytes;
    const FileOutcome outcome = readRegularFile(path, bytes);
    std::vector<std::string> untold;
    if (outcome) readShotTextTelling(bytes, shot, mode, problems ? *problems : untold);
    return outcome;
}

void readShotText(std::string_view bytes, ShotParameters& shot, ShotReadMode mode) {
    std::vector<std::string> problems;
    readShotTextTelling(bytes, shot, mode, problems);
}

bool hasShotExtension(std::string_view path) {
    return path.size() >= 3 && startsWithNoCase(path.substr(path.size() - 3), "vxf");
}

}  // namespace vorlan
