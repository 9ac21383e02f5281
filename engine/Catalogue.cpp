#include "engine/Catalogue.h"

#include <algorithm>
#include <atomic>
#include <vector>

#include "engine/BuiltInCatalogues.h"
#include "engine/MoCatalogue.h"

namespace vorlan {

namespace {
struct Language {
    std::string_view code;
    MoCatalogue catalogue;
};

// Read on the first text looked up in another language than English, not at start.
std::vector<Language>& languages() {
    static std::vector<Language> all = [] {
        std::vector<Language> read;
        for (const BuiltInCatalogue& builtIn : builtInCatalogues())
            read.push_back({builtIn.code, MoCatalogue(builtIn.mo)});
        return read;
    }();
    return all;
}

constexpr int kEnglish = -1;
// The index into languages(): a window thread may look texts up while the menu changes it.
std::atomic<int> chosen{kEnglish};

int indexOf(std::string_view code) {
    const std::span<const BuiltInCatalogue> builtIn = builtInCatalogues();
    for (std::size_t i = 0; i < builtIn.size(); ++i)
        if (builtIn[i].code == code) return static_cast<int>(i);
    return kEnglish;
}
}  // namespace

const char* translated(const char* text) {
    const int index = chosen.load(std::memory_order_relaxed);
    if (index == kEnglish || text == nullptr) return text;
    const char* found = languages()[static_cast<std::size_t>(index)].catalogue.find(text);
    return found != nullptr ? found : text;
}

const char* translatedIn(const char* context, const char* text) {
    const int index = chosen.load(std::memory_order_relaxed);
    if (index == kEnglish || text == nullptr) return text;
    // gettext's key of a text in a context: the context, EOT, the text.
    const std::string key = std::string(context) + '\4' + text;
    const char* found = languages()[static_cast<std::size_t>(index)].catalogue.find(key);
    return found != nullptr ? found : text;
}

std::string translated(const char* text, std::initializer_list<std::string_view> values) {
    return filled(translated(text), values);
}

std::string filled(std::string_view pattern, std::initializer_list<std::string_view> values) {
    std::string result;
    result.reserve(pattern.size());
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
        const std::size_t number = next >= '1' && next <= '9' ? static_cast<std::size_t>(next - '1') : values.size();
        if (pattern[i] == '%' && number < values.size()) {
            result += values.begin()[number];
            ++i;
        } else {
            result += pattern[i];
        }
    }
    return result;
}

void setLanguage(std::string_view code) { chosen.store(indexOf(code), std::memory_order_relaxed); }

std::string_view language() {
    const int index = chosen.load(std::memory_order_relaxed);
    return index == kEnglish ? std::string_view() : builtInCatalogues()[static_cast<std::size_t>(index)].code;
}

namespace {

// The code of a locale name or language entry ("de_AT.UTF-8@euro" gives "de") when it has a
// catalogue or is English; "" otherwise.
std::string_view offeredCode(std::string_view name) {
    const std::string_view code = name.substr(0, std::min(name.find_first_of("_.@"), name.size()));
    if (code == "en") return "en";
    for (const BuiltInCatalogue& builtIn : builtInCatalogues())
        if (builtIn.code == code) return builtIn.code;
    return {};
}

}  // namespace

std::string_view systemLanguage(const std::function<const char*(const char* name)>& environment) {
    std::string_view locale;
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = environment(name);
        if (value && *value) {
            locale = value;
            break;
        }
    }
    if (locale.empty() || locale == "C" || locale == "POSIX") return "en";
    const char* list = environment("LANGUAGE");
    for (std::string_view rest = list ? list : ""; !rest.empty();) {
        const std::size_t colon = std::min(rest.find(':'), rest.size());
        if (const std::string_view code = offeredCode(rest.substr(0, colon)); !code.empty()) return code;
        rest.remove_prefix(std::min(colon + 1, rest.size()));
    }
    const std::string_view code = offeredCode(locale);
    return code.empty() ? "en" : code;
}

bool replaceCatalogue(std::string_view code, std::span<const unsigned char> mo) {
    const int index = indexOf(code);
    if (index == kEnglish) return false;
    languages()[static_cast<std::size_t>(index)].catalogue = MoCatalogue(mo);
    return true;
}

}  // namespace vorlan
