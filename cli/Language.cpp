#include "cli/Language.h"

#include <cstdlib>

#include "engine/BuiltInCatalogues.h"
#include "engine/Catalogue.h"

namespace vorlan::cli {

std::string languageOfSetting(std::string_view setting) {
    setting = setting.substr(0, setting.find(':'));
    setting = setting.substr(0, setting.find_first_of("_.@"));
    if (setting == "C" || setting == "POSIX") return {};
    return std::string(setting);
}

std::string languageOfEnvironment(const std::function<const char*(const char*)>& variable) {
    const std::string_view code = systemLanguage(variable);
    return code == "en" ? std::string() : std::string(code);
}

std::string languageOption(std::span<char* const> arguments) {
    constexpr std::string_view kOption = "--lang";
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        const std::string_view argument = arguments[i];
        if (argument == kOption) return i + 1 < arguments.size() ? arguments[i + 1] : "";
        if (argument.starts_with("--lang=")) return std::string(argument.substr(kOption.size() + 1));
        if (!argument.starts_with('-')) break;  // the command's name: its options are its own
    }
    return {};
}

CLI::Validator languageCode() {
    return CLI::Validator(
        [](std::string& text) {
            const std::string code = languageOfSetting(text);
            if (code.empty() || code == "en") return std::string();
            for (const BuiltInCatalogue& builtIn : builtInCatalogues())
                if (builtIn.code == code) return std::string();
            return translated("'%1' is not a language of vorlan-cli: en, de, fr, es or ru", {text});
        },
        "");
}

void chooseLanguage(std::span<char* const> arguments) {
    const std::string option = languageOption(arguments);
    setLanguage(languageOfSetting(
        !option.empty() ? option : languageOfEnvironment([](const char* name) { return std::getenv(name); })));
}

}  // namespace vorlan::cli
