#pragma once
// A chronograph session read from the file its app exports, recognised by its content:
//   - the Garmin Xero ShotView CSV: a title line, a header "#,SPEED (FPS),..." or
//     "#,SPEED (MPS),...", one row a shot (a speed may be quoted with a thousands separator,
//     "1,369.8"), then a "-,..." row and the summary (AVERAGE SPEED, STD DEV, SPREAD, ...);
//   - the LabRadar report: semicolon-separated, a "Units velocity;fps" line, "Stats - Average"
//     and "Stats - Std. Dev" lines, then one row a shot ("0001;2650.12;...");
//   - a plain list: one velocity a line, or "shot,velocity" rows, with an optional header that
//     may name the unit ("velocity (m/s)").
// UTF-8 with or without a byte-order mark, LF or CR LF. Velocities are kept in ft/s.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "shot/SafeFile.h"

namespace vorlan {

enum class ChronoFormat { GarminXero, LabRadar, PlainList };

struct ChronoShot {
    int number = 0;         // as the file numbers it
    double velocity = 0.0;  // ft/s
};

// A figure the file states about itself, in ft/s, with half its last printed digit.
struct StatedFigure {
    double value = 0.0;
    double rounding = 0.0;
};

struct ChronoSession {
    ChronoFormat format = ChronoFormat::PlainList;
    std::string unit = "ft/s";  // the file's own velocity unit: "ft/s" or "m/s"
    std::vector<ChronoShot> shots;
    std::optional<StatedFigure> statedMean;  // the file's own average
    std::optional<StatedFigure> statedSd;    // the file's own standard deviation
    // Why the file was not read (unreadable, empty, a unit not known, a line that does not
    // read), naming the line; empty when it was.
    std::string error;
};

ChronoSession parseChronoSession(std::string_view text);
// Reads the file with the safe reader first.
ChronoSession readChronoSession(const std::string& path);

// "Garmin Xero", "LabRadar" or "plain list".
std::string_view chronoFormatName(ChronoFormat format);

}  // namespace vorlan
