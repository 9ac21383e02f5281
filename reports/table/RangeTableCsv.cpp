#include "reports/table/RangeTableCsv.h"

#include <optional>
#include <vector>

#include "reports/table/TableUnits.h"
#include "shot/CLocaleNumbers.h"
#include "shot/ScopeProfile.h"

namespace vorlan {

namespace {

std::vector<std::string> headerFields(const CsvOptions& options, bool effects, bool jump) {
    const UnitNames& unit = unitNames(options.units);
    const auto named = [](std::string_view name, std::string_view suffix) {
        return std::string(name) + "_" + std::string(suffix);
    };
    std::vector<std::string> fields{named("range", unit.csvRange),
                                    named("drop", unit.csvSmall),
                                    named("velocity", unit.csvVelocity),
                                    named("energy", unit.csvEnergy),
                                    named("momentum", unit.csvMomentum),
                                    named("windage", unit.csvSmall),
                                    named("lead", unit.csvSmall),
                                    "time_s",
                                    options.designedHeader ? "elevation" : "elevation_moa_in_per_100yd"};
    if (effects) {
        for (const char* part : {"spin_drift", "coriolis_horizontal", "coriolis_vertical"})
            fields.push_back(named(part, unit.csvSmall));
        if (jump) fields.push_back(named("aerodynamic_jump", unit.csvSmall));
    }
    if (options.holds) {
        const std::string clicks = "clicks_of_" + clickValueText(options.click);
        for (const char* side : {"elevation_up", "windage_right"}) {
            fields.push_back(named(side, "true_moa"));
            fields.push_back(named(side, "mil"));
            fields.push_back(named(side, clicks));
        }
    }
    return fields;
}

void appendNumber(std::string& line, double value, char separator) {
    appendRoundTrip(line, value);
    line += separator;
}

void appendHold(std::string& line, const std::optional<Hold>& hold, char separator) {
    for (const double Hold::*part : {&Hold::moa, &Hold::mil, &Hold::clicks}) {
        line += separator;
        if (hold) appendRoundTrip(line, (*hold).*part);
    }
}

std::string csvRow(const TrajectoryPoint& row, const EffectParts* parts, bool jump, const CsvOptions& options) {
    const char sep = options.separator;
    const RowInUnits shown = rowInUnits(row, options.units);
    std::string line;
    line.reserve(256);
    for (const double value :
         {shown.range, shown.drop, shown.velocity, shown.energy, shown.momentum, shown.windage, shown.lead, shown.time})
        appendNumber(line, value, sep);
    if (row.range > 0.0) appendRoundTrip(line, designedElevation(row));
    if (parts) {
        for (const double feet : {parts->spinDrift, parts->coriolisHorizontal, parts->coriolisVertical}) {
            line += sep;
            appendRoundTrip(line, smallLength(feet * 12.0, options.units));
        }
        if (jump) {
            line += sep;
            appendRoundTrip(line, smallLength(parts->aerodynamicJump * 12.0, options.units));
        }
    }
    if (options.holds) {
        appendHold(line, holdFor(elevationCorrectionInches(row.drop), row.range, options.click), sep);
        appendHold(line, holdFor(windageCorrectionInches(row.windage), row.range, options.click), sep);
    }
    line += options.lineEnd;
    return line;
}

// The text in double quotes, with its quotes doubled.
std::string quotedField(std::string_view text) {
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    return quoted + "\"";
}

}  // namespace

std::string csvField(std::string_view text, char separator) {
    if (text.find_first_of(std::string{separator, '"', '\r', '\n'}) == std::string_view::npos) return std::string(text);
    return quotedField(text);
}

std::string csvTextField(std::string_view text, char separator) {
    if (text.empty() || std::string_view("=+-@").find(text.front()) == std::string_view::npos)
        return csvField(text, separator);
    return quotedField("'" + std::string(text));
}

void forEachRangeTableCsvLine(const RangeTableReport& report, const CsvOptions& options,
                              const std::function<void(std::string&&)>& take) {
    const std::vector<EffectParts> parts =
        options.everyYard ? report.effectPartsEvery(1) : report.printedEffectParts(options.units);
    std::string header;
    // The jump's column stands only in the files of a shot that flies it.
    const bool jump = report.tableTrajectory().advanced.jumpOn();
    for (const std::string& field : headerFields(options, !parts.empty(), jump)) {
        if (!header.empty()) header += options.separator;
        header += csvField(field, options.separator);
    }
    take(header + std::string(options.lineEnd));
    const std::vector<TrajectoryPoint> rows =
        options.everyYard ? report.rowsEvery(1) : report.printedRows(options.units);
    for (std::size_t i = 0; i < rows.size(); ++i)
        take(csvRow(rows[i], i < parts.size() ? &parts[i] : nullptr, jump, options));
}

std::string rangeTableCsv(const RangeTableReport& report, const CsvOptions& options) {
    std::string text;
    forEachRangeTableCsvLine(report, options, [&](std::string&& line) { text += line; });
    return text;
}

FileOutcome writeRangeTableCsv(const std::string& path, const RangeTableReport& report, const CsvOptions& options) {
    return writeFileAtomically(path, rangeTableCsv(report, options));
}

}  // namespace vorlan
