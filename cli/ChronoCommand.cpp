#include <iostream>

#include "cli/Commands.h"
#include "engine/Catalogue.h"
#include "shot/CLocaleNumbers.h"
#include "shot/ShotCheck.h"
#include "shot/ShotFile.h"
#include "shot/chronograph/ChronoStats.h"

namespace vorlan::cli {

namespace {

std::vector<double> velocitiesOf(const ChronoSession& session) {
    std::vector<double> velocities;
    for (const ChronoShot& shot : session.shots) velocities.push_back(shot.velocity);
    return velocities;
}

void printSession(const ChronoSession& session, const ChronoStats& stats) {
    printValue(std::cout, "Format", std::string(chronoFormatName(session.format)));
    printValue(std::cout, "Shots", std::to_string(stats.count));
    printValue(std::cout, "Mean", cFormat("%.1f ft/s", stats.mean));
    printValue(std::cout, "SD", cFormat("%.1f ft/s", stats.sd));
    printValue(std::cout, "Extreme spread", cFormat("%.1f ft/s", stats.spread));
    for (const std::string& note : statedFigureNotes(session, stats)) printValue(std::cout, "Note", note);
    for (const ChronoShot& shot : session.shots)
        printValue(std::cout, cFormat("Shot %d", shot.number).c_str(), cFormat("%.1f ft/s", shot.velocity));
}

}  // namespace

// Reads a chronograph session and prints its statistics; sets them into a shot when asked.
void addChronoCommand(CLI::App& app) {
    auto* command =
        app.add_subcommand("chrono", translated("Statistics of a chronograph session (Garmin Xero, LabRadar, list)"));
    auto in = std::make_shared<std::string>();
    auto apply = std::make_shared<std::string>();
    auto out = std::make_shared<std::string>();
    command->add_option("session", *in, translated("The chronograph's CSV export"))->required();
    command->add_option("--apply", *apply, translated("Set the mean and SD into this shot file (.vxf)"));
    command->add_option("-o,--out", *out, translated("Shot file to write with --apply (.vxf)"));
    command->callback([in, apply, out] {
        if (apply->empty() != out->empty()) throw UsageError(translated("--apply and --out go together"));
        const ChronoSession session = readChronoSession(*in);
        if (!session.error.empty()) throw NoResult(translated("%1: %2", {*in, session.error}));
        const std::optional<ChronoStats> stats = chronoStats(velocitiesOf(session));
        if (!stats) throw NoResult(translated("%1: fewer than two shots, so no standard deviation", {*in}));
        printSession(session, *stats);
        if (apply->empty()) return;
        ShotParameters shot = loadShot(*apply);
        applyChronoStats(*stats, shot);
        if (const std::string problem = shotProblem(shot); !problem.empty()) throw NoResult(problem);
        if (const FileOutcome outcome = writeShotFile(*out, shot); !outcome)
            throw UsageError(translated("cannot write shot file '%1': %2", {*out, outcome.reason()}));
    });
}

}  // namespace vorlan::cli
