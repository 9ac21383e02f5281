// The parsers of the inputs that hold a list or a unit: the custom drag and BC band lists of a
// shot file, the drag table CSV, a click value, and the preferences file's lines.

#include <cstdint>
#include <string_view>

#include "fuzz/FuzzCommon.h"
#include "shot/PreferencesFile.h"
#include "shot/ScopeProfile.h"

namespace {

using namespace vorlan;

// A list is taken whole or not at all, and the text written from one reads back to a list
// that writes the same text again.
template <class Point, class Parse, class Write>
void checkList(std::string_view text, Parse parse, Write write) {
    std::size_t bad = 0;
    const std::vector<Point> points = parse(text, &bad);
    fuzz::check(bad == 0 || points.empty(), "a list with a bad item is left out whole");
    const std::string written = write(points);
    std::size_t badAgain = 0;
    const std::vector<Point> again = parse(written, &badAgain);
    fuzz::check(badAgain == 0 && again.size() == points.size(), "a written list reads back whole");
    fuzz::check(write(again) == written, "a written list writes the same text again");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    checkList<MachCd>(text, parseMachCdText, machCdText);
    checkList<BcBand>(text, parseBcBandsText, bcBandsText);
    for (std::string_view key : {"Custom Drag:", "BC Bands:", "Scope Click:"}) {
        const std::string line = std::string(key) + std::string(text);
        ShotParameters shot;
        applyShotLine(line, shot, ShotReadMode::Load);
        const std::string problem = shotLineProblem(line, true);
        fuzz::check(problem.empty() || problem.starts_with(key), "a line's problem names its key");
    }

    const DragTableCsv table = parseDragTableCsv(text);
    fuzz::check(table.error.empty() == (table.points.size() >= 2), "a drag table is read whole or refused");
    if (const auto click = parseClickValue(text))
        fuzz::check(parseClickValue(clickValueText(*click)) == click, "a click value reads back");

    // A value set in any preferences text is the value read from it.
    const std::size_t split = text.find('\n');
    const std::string_view value = text.substr(0, std::min(split, text.size()));
    if (value.find('\r') == std::string_view::npos) {
        const std::string after = withPreferenceValue(text.substr(value.size()), "Table/Units", value);
        fuzz::check(preferenceValue(after, "Table/Units") == std::string(value), "a preference reads back");
    }
    return 0;
}
