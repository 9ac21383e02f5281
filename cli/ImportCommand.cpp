#include <iostream>

#include "cli/Commands.h"
#include "engine/Catalogue.h"
#include "shot/ShotFile.h"
#include "shot/profiles/A7pFile.h"

namespace vorlan::cli {

// Reads a .a7p profile of another tool into a shot file, telling each field kept without a place.
void addImportCommand(CLI::App& app) {
    auto* command = app.add_subcommand("import", translated("Write a shot file from a .a7p ballistic profile"));
    auto in = std::make_shared<std::string>();
    auto out = std::make_shared<std::string>();
    command->add_option("profile", *in, translated("The .a7p profile to read"))->required();
    command->add_option("-o,--out", *out, translated("Shot file to write (.vxf)"))->required();
    command->callback([in, out] {
        const ProfileImport profile = importA7pFile(*in);
        if (!profile.error.empty()) throw NoResult(translated("%1: %2", {*in, profile.error}));
        for (const std::string& field : profile.unmapped)
            std::cout << translated("not mapped, kept for the export: %1", {field}) << '\n';
        if (const FileOutcome outcome = writeShotFile(*out, profile.shot); !outcome)
            throw UsageError(translated("cannot write shot file '%1': %2", {*out, outcome.reason()}));
    });
}

}  // namespace vorlan::cli
