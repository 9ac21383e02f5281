#include <iostream>

#include "cli/Commands.h"
#include "shot/ShotCheck.h"
#include "shot/ShotFile.h"

namespace vorlan::cli {

// Writes a shot file with the program's own writer: the defaults (or another shot file),
// changed by shot-file lines given on the command line.
void addWriteCommand(CLI::App& app) {
    auto* command = app.add_subcommand("write", "Write a shot file from the defaults and \"Key:value\" lines");
    auto out = std::make_shared<std::string>();
    auto from = std::make_shared<std::string>();
    auto lines = std::make_shared<std::vector<std::string>>();
    command->add_option("out", *out, "Shot file to write (.vxf)")->required();
    command->add_option("--from", *from, "Start from this shot file instead of the defaults");
    command->add_option("--line", *lines, "A shot-file line such as \"BC:0.243\" (repeatable)");
    command->callback([out, from, lines] {
        // The lines may mend what the file holds: the whole shot is checked once they are in.
        ShotParameters shot = from->empty() ? ShotParameters{} : loadShot(*from, ShotCheck::LinesOnly);
        for (const std::string& line : *lines) {
            if (!applyShotLine(line, shot, ShotReadMode::Load))
                throw UsageError("not a shot-file line: '" + line + "'");
            if (const std::string problem = shotLineProblem(line, true); !problem.empty()) throw UsageError(problem);
        }
        if (const std::string problem = shotProblem(shot); !problem.empty()) throw UsageError(problem);
        const FileOutcome outcome = writeShotFile(*out, shot);
        if (!outcome) throw UsageError("cannot write shot file '" + *out + "': " + outcome.reason());
    });
}

}  // namespace vorlan::cli
