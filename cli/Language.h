#pragma once
// The language of vorlan-cli's messages and help: `--lang CODE`, else the environment's, read
// as the desktop program reads it (systemLanguage). Chosen before the
// commands are set up, since their help texts are translated as they are made.

#include <CLI/CLI.hpp>
#include <functional>
#include <span>
#include <string>
#include <string_view>

namespace vorlan::cli {

// The language code of a locale setting: "de_DE.UTF-8" and "de@euro" give "de", and of a
// list ("de:fr") the first; "C", "POSIX" and "" give "" (English).
std::string languageOfSetting(std::string_view setting);

// The language of the environment, read through `variable` (getenv in the program); "" for
// English, also when no variable is set.
std::string languageOfEnvironment(const std::function<const char*(const char*)>& variable);

// The code of `--lang CODE` or `--lang=CODE` among the arguments before the command's name;
// "" when there is none.
std::string languageOption(std::span<char* const> arguments);

// The check of --lang: a language vorlan-cli has a catalogue of, or "en".
CLI::Validator languageCode();

// Chooses the language of vorlan-cli's texts from its arguments and the environment.
void chooseLanguage(std::span<char* const> arguments);

}  // namespace vorlan::cli
