#pragma once
// The range table as comma-separated values (RFC 4180): a header line that names every
// column with its unit, then one line per row at full precision ("%.17g", C locale, so a
// reader gets the very doubles the report holds), UTF-8. Holds are signed: positive is UP
// for the elevation and RIGHT for the windage.
//
// The designed header ("range_yd,...,elevation") is kept for the command line's plain
// --csv; every other table names the designed elevation "elevation_moa_in_per_100yd",
// which is what it holds.

#include <functional>
#include <string>
#include <string_view>

#include "engine/Holds.h"
#include "engine/Units.h"
#include "reports/table/RangeTable.h"
#include "shot/SafeFile.h"

namespace vorlan {

struct CsvOptions {
    bool everyYard = true;  // every recorded yard; false: only the printed rows
    bool holds = false;     // true MOA, mil and clicks of the elevation and windage to dial
    ClickValue click;       // the click the holds count in
    UnitSystem units = UnitSystem::Imperial;
    bool designedHeader = false;  // the header of the first CSV (imperial, no holds only)
    char separator = ',';         // '\t' for tab-separated values
    std::string_view lineEnd = "\r\n";
};

// Each line with its line end, header first.
void forEachRangeTableCsvLine(const RangeTableReport& report, const CsvOptions& options,
                              const std::function<void(std::string&&)>& take);
std::string rangeTableCsv(const RangeTableReport& report, const CsvOptions& options);

// Replaces the file at `path` with the table's CSV (see writeFileAtomically).
FileOutcome writeRangeTableCsv(const std::string& path, const RangeTableReport& report, const CsvOptions& options);

// A field as RFC 4180 writes it: in double quotes, with its quotes doubled, when it holds the
// separator, a quote, a CR or an LF; as it is otherwise.
std::string csvField(std::string_view text, char separator = ',');

// A field of text a user typed (a name): as csvField, but a text that begins with '=', '+',
// '-' or '@', which a spreadsheet would take for a formula, is quoted after a leading
// apostrophe ("'=1+1") and is read as text. The range table's own fields are all names and
// figures of its own and go through csvField, so a negative figure stays a number.
std::string csvTextField(std::string_view text, char separator = ',');

}  // namespace vorlan
