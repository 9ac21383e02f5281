#include "cli/Commands.h"
#include "engine/Catalogue.h"
#include "shot/profiles/A7pFile.h"

namespace vorlan::cli {

// Writes a shot as a .a7p profile other ballistic apps and devices read.
void addExportCommand(CLI::App& app) {
    auto* command = app.add_subcommand("export", translated("Write a .a7p ballistic profile from a shot file"));
    auto in = std::make_shared<std::string>();
    auto out = std::make_shared<std::string>();
    command->add_option("shot", *in, translated("Shot file to read (.vxf)"))->required();
    command->add_option("-o,--out", *out, translated("The .a7p profile to write"))->required();
    command->callback([in, out] {
        const ShotParameters shot = loadShot(*in);
        if (const std::string error = exportA7pFile(shot, *out); !error.empty())
            throw NoResult(translated("%1: %2", {*in, error}));
    });
}

}  // namespace vorlan::cli
