#pragma once
// The catalogues compiled into the program: each language's .po file (translations/) is
// compiled with msgfmt at build time and its bytes generated into a source file.

#include <span>
#include <string_view>

namespace vorlan {

struct BuiltInCatalogue {
    std::string_view code;  // "de", "fr", ...
    std::span<const unsigned char> mo;
};

std::span<const BuiltInCatalogue> builtInCatalogues();

}  // namespace vorlan
