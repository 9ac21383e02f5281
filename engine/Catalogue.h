#pragma once
// The message catalogue of the texts written beneath the windows (the shot's checks, the
// reports' words, the command line's messages and help): each is written in English where it
// is used and looked up here in the shooter's language. The windows' own texts go through Qt's
// translation; these go through this one catalogue, whichever front end shows them.

#include <string>
#include <string_view>

namespace vorlan {

// Marks a text in a table for the catalogue where it cannot be translated yet; whoever shows
// it passes it through translated().
#define N_(text) text

// `text` in the chosen language; `text` itself when the catalogue has no translation.
const char* translated(const char* text);

// The language texts are looked up in: "de", "fr", "es", "ru"; "" or "en" for English.
void setLanguage(std::string_view code);
std::string_view language();

}  // namespace vorlan
