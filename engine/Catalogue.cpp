#include "engine/Catalogue.h"

namespace vorlan {

namespace {
std::string& chosenLanguage() {
    static std::string code;
    return code;
}
}  // namespace

const char* translated(const char* text) { return text; }

void setLanguage(std::string_view code) { chosenLanguage() = std::string(code); }

std::string_view language() { return chosenLanguage(); }

}  // namespace vorlan
