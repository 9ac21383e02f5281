#include "shot/FileTitle.h"

#include <algorithm>
#include <cctype>

namespace vorlan {
namespace {

bool endsWithNoCase(std::string_view text, std::string_view ending) {
    if (text.size() < ending.size()) return false;
    return std::equal(
        ending.begin(), ending.end(), text.end() - static_cast<std::ptrdiff_t>(ending.size()), [](char a, char b) {
            return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
        });
}

// The path without the extension it ends in, or without one trailing dot.
std::string_view stem(std::string_view path, std::string_view extension) {
    if (endsWithNoCase(path, extension)) return path.substr(0, path.size() - extension.size());
    if (!path.empty() && path.back() == '.') return path.substr(0, path.size() - 1);
    return path;
}

}  // namespace

std::string fileTitle(std::string_view path, std::string_view extension) {
    const std::size_t slash = path.rfind('/');
    const std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
    return std::string(stem(name, extension));
}

std::string withExtension(std::string_view path, std::string_view extension) {
    if (endsWithNoCase(path, extension)) return std::string(path);
    return std::string(stem(path, extension)) + std::string(extension);
}

std::string suggestedFileName(std::string_view shotName) {
    std::string name(shotName.substr(std::min(shotName.find_first_not_of('.'), shotName.size())));
    std::replace(name.begin(), name.end(), '/', '-');
    return name;
}

PathParts splitAtLastSeparator(std::string_view path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string_view::npos) return {std::string(), std::string(path)};
    return {std::string(path.substr(0, slash + 1)), std::string(path.substr(slash + 1))};
}

}  // namespace vorlan
