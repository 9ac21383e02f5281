#include "ShotFile.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstring>
#include <fstream>

#include "AdvancedShotKeys.h"
#include "CText.h"

namespace vorlan {

namespace {

std::string formatValue(const ShotFileLine& line, const ShotParameters& shot) {
    return std::visit(
        [&](auto member) -> std::string {
            const auto& value = shot.*member;
            using T = std::decay_t<decltype(value)>;
            if constexpr (std::is_same_v<T, std::string>)
                return value;
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
                value = std::string(text);
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

bool writeFileAtomically(const std::string& path, std::string_view bytes) {
    std::string temporary = path + ".XXXXXX";
    const int fd = mkstemp(temporary.data());
    if (fd < 0) return false;
    bool ok = true;
    for (std::size_t done = 0; ok && done < bytes.size();) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        ok = n > 0;
        if (ok) done += static_cast<std::size_t>(n);
    }
    ok = ::fsync(fd) == 0 && ok;
    ok = ::close(fd) == 0 && ok;
    // mkstemp creates the file private to the user; a shot file is an ordinary document.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::chmod(temporary.c_str(), 0666 & ~mask);
    if (ok && std::rename(temporary.c_str(), path.c_str()) == 0) return true;
    std::remove(temporary.c_str());
    return false;
}

bool writeShotFile(const std::string& path, const ShotParameters& shot) {
    return writeFileAtomically(path, shotFileText(shot) + advancedShotFileText(shot.advanced));
}

void forEachShotLine(std::FILE* file, const std::function<void(std::string_view)>& handle) {
    char buffer[256];
    for (long pieces = 0; pieces < kMaxLines && std::fgets(buffer, sizeof buffer, file); ++pieces) {
        std::string_view line(buffer, std::strlen(buffer));
        if (!line.empty() && line.back() == '\n') {
            line.remove_suffix(1);
            for (int i = 0; i < 2 && !line.empty() && line.back() == '\r'; ++i) line.remove_suffix(1);
        }
        handle(line);
    }
}

bool applyShotLine(std::string_view line, ShotParameters& shot, ShotReadMode mode) {
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
    return applyAdvancedShotLine(line, shot.advanced);
}

std::FILE* openRegularFile(const std::string& path) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return nullptr;
    struct stat info {};
    if (::fstat(::fileno(file), &info) != 0 || !S_ISREG(info.st_mode)) {
        std::fclose(file);
        return nullptr;
    }
    return file;
}

bool readShotFile(const std::string& path, ShotParameters& shot, ShotReadMode mode) {
    shot.muzzleAngle = 0.0;
    std::FILE* file = openRegularFile(path);
    if (!file) return false;
    shot.advanced = AdvancedEffects{};  // a file holds only the advanced inputs that are not at their defaults
    forEachShotLine(file, [&](std::string_view line) { applyShotLine(line, shot, mode); });
    std::fclose(file);
    return true;
}

void readShotText(std::string_view bytes, ShotParameters& shot, ShotReadMode mode) {
    shot.muzzleAngle = 0.0;
    shot.advanced = AdvancedEffects{};
    if (bytes.empty()) return;
    std::string copy(bytes);
    std::FILE* file = fmemopen(copy.data(), copy.size(), "rb");
    if (!file) return;
    forEachShotLine(file, [&](std::string_view line) { applyShotLine(line, shot, mode); });
    std::fclose(file);
}

bool hasShotExtension(std::string_view path) {
    return path.size() >= 3 && startsWithNoCase(path.substr(path.size() - 3), "vxf");
}

PathParts splitAtLastSeparator(std::string_view path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string_view::npos) return {std::string(), std::string(path)};
    return {std::string(path.substr(0, slash + 1)), std::string(path.substr(slash + 1))};
}

}  // namespace vorlan
