#pragma once
// The message catalogue of the texts written beneath the windows (the shot's checks, the
// reports' words, the command line's messages and help): each is written in English where it
// is used and looked up here in the shooter's language. The windows' own texts go through Qt's
// translation; these go through this one catalogue, whichever front end shows them.
//
// The translations are GNU gettext .po files (translations/), compiled into the program;
// scripts/update-catalogue.sh collects the texts marked below into them. The language is the
// program's choice (setLanguage), never the system locale's.

#include <functional>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>

namespace vorlan {

// Marks a text in a table for the catalogue where it cannot be translated yet; whoever shows
// it passes it through translated().
#define N_(text) text
// The same for a text that means something else elsewhere ("Velocity" over a table's column is
// not the muzzle velocity of the shot's field); it is looked up by translatedIn(context, text).
#define NC_(context, text) text

// `text` in the chosen language; `text` itself when the catalogue has no translation.
const char* translated(const char* text);
// A whole sentence with placeholders: `text` translated, then %1 to %9 replaced by `values`
// in order (a translation may move them). "%" before anything else stays as it is.
std::string translated(const char* text, std::initializer_list<std::string_view> values);
// `text` in the chosen language as it is meant in `context` (marked NC_(context, text)).
const char* translatedIn(const char* context, const char* text);
// The same without the lookup: `text` in English, its placeholders replaced.
std::string filled(std::string_view text, std::initializer_list<std::string_view> values);

// The language texts are looked up in: "de", "fr", "es", "ru"; "" for English. A code without
// a catalogue ("en", "pt") chooses English. Chosen at start, or from the window's menu.
void setLanguage(std::string_view code);
std::string_view language();

// The language the environment asks for, as gettext reads it: LC_ALL, LC_MESSAGES, then LANG
// name the locale; LANGUAGE, a list of codes, comes first unless that locale is C. "en" when
// it asks for none that has a catalogue. The desktop and vorlan-cli both start from it.
std::string_view systemLanguage(const std::function<const char*(const char* name)>& environment);

// Puts the compiled catalogue `mo` in place of the built-in one of `code` (tests bring their
// own); false when no language `code` is built in. Not while texts are being looked up.
bool replaceCatalogue(std::string_view code, std::span<const unsigned char> mo);

}  // namespace vorlan
