#include "app/DisplayCheck.h"

#include <string>
#include <string_view>

namespace vorlan {
namespace {

bool isSet(const char* value) { return value != nullptr && *value != '\0'; }

// The value after `option` on the command line ("-platform xcb", "--platform xcb"); nullptr
// when it is not given.
const char* optionValue(int argc, const char* const* argv, std::string_view option) {
    for (int i = 1; i + 1 < argc; ++i) {
        std::string_view arg(argv[i]);
        if (arg.starts_with("--")) arg.remove_prefix(1);
        if (arg == option) return argv[i + 1];
    }
    return nullptr;
}

}  // namespace

bool graphicalDisplayAvailable(int argc, const char* const* argv,
                               const std::function<const char*(const char*)>& getenv) {
    const bool x = isSet(getenv("DISPLAY")) || isSet(optionValue(argc, argv, "-display"));
    const bool wayland = isSet(getenv("WAYLAND_DISPLAY"));
    const char* platforms = optionValue(argc, argv, "-platform");
    if (!isSet(platforms)) platforms = getenv("QT_QPA_PLATFORM");
    if (!isSet(platforms)) return x || wayland;
    // Any platform of the list that needs no display, or finds its display, will do.
    std::string_view list(platforms);
    while (!list.empty()) {
        const std::size_t end = list.find(';');
        const std::string_view entry = list.substr(0, end);
        const std::string_view name = entry.substr(0, entry.find(':'));
        if (name == "xcb" ? x : name.starts_with("wayland") ? wayland : !name.empty()) return true;
        if (end == std::string_view::npos) break;
        list.remove_prefix(end + 1);
    }
    return false;
}

}  // namespace vorlan
