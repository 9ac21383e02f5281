#include "shot/chronograph/ChronoStats.h"

#include <algorithm>
#include <cmath>
#include <numeric>

#include "engine/Catalogue.h"
#include "engine/Units.h"
#include "shot/CLocaleNumbers.h"

namespace vorlan {

std::optional<ChronoStats> chronoStats(const std::vector<double>& velocities) {
    if (velocities.size() < 2) return std::nullopt;
    ChronoStats stats;
    stats.count = static_cast<int>(velocities.size());
    stats.mean = std::accumulate(velocities.begin(), velocities.end(), 0.0) / stats.count;
    double squares = 0.0;
    for (const double v : velocities) squares += (v - stats.mean) * (v - stats.mean);
    stats.sd = std::sqrt(squares / (stats.count - 1));
    const auto [slowest, fastest] = std::minmax_element(velocities.begin(), velocities.end());
    stats.spread = *fastest - *slowest;
    return stats;
}

namespace {

// In the file's own unit, to the digits it printed.
std::string figureText(const StatedFigure& figure, double value, const std::string& unit) {
    const double factor = unit == "m/s" ? kMetresPerFoot : 1.0;
    const int decimals = std::max(0, static_cast<int>(std::lround(-std::log10(2.0 * figure.rounding * factor))));
    return cFormat("%.*f %s", decimals, value * factor, unit.c_str());
}

// `sentence`: the catalogue's "The file's ... %1 differs from the computed %2".
void noteFigure(const std::optional<StatedFigure>& figure, double computed, const char* sentence,
                const std::string& unit, std::vector<std::string>& notes) {
    // A thousandth of the rounding spares the last bit of a decimal conversion.
    if (!figure || std::abs(figure->value - computed) <= figure->rounding * 1.001) return;
    notes.push_back(
        translated(sentence, {figureText(*figure, figure->value, unit), figureText(*figure, computed, unit)}));
}

}  // namespace

std::vector<std::string> statedFigureNotes(const ChronoSession& session, const ChronoStats& stats) {
    std::vector<std::string> notes;
    noteFigure(session.statedMean, stats.mean, N_("The file's average %1 differs from the computed %2"), session.unit,
               notes);
    noteFigure(session.statedSd, stats.sd, N_("The file's standard deviation %1 differs from the computed %2"),
               session.unit, notes);
    return notes;
}

ChronoStats tenthsOf(const ChronoStats& stats) {
    const auto tenths = [](double value) { return std::round(value * 10.0) / 10.0; };
    return {stats.count, tenths(stats.mean), tenths(stats.sd), tenths(stats.spread)};
}

void applyChronoStats(const ChronoStats& stats, ShotParameters& shot) {
    const ChronoStats shown = tenthsOf(stats);
    shot.velocity = shown.mean;
    shot.hit.spreads.velocitySd = shown.sd;
}

}  // namespace vorlan
