// vorlan-cli reticle: the built-in reticles (listed, or one shown in the reticle file format),
// and the sight picture of a shot: its aiming points as CSV or words, or the picture as a
// PDF, SVG or PNG file drawn by the renderer module (see CardCommand.cpp).

#include <iostream>

#include "cli/Commands.h"
#include "engine/Catalogue.h"
#include "reports/sight/SightPicture.h"
#include "reports/sight/SightRenderer.h"
#include "shot/SafeFile.h"

namespace vorlan::cli {

namespace {

struct ReticleFlags {
    std::string path;
    bool list = false;
    std::string show;
    std::string reticle;
    std::string ranges;
    std::string winds;
    std::optional<Unit> windUnit;
    std::string hold = "wind";
    double magnification = 10.0;
    std::optional<double> trueMagnification;
    std::string output;
    UnitSystem units = UnitSystem::Imperial;
    bool csv = false;
};

std::vector<double> numbers(const std::string& text) {
    std::string problem;
    const auto parsed = parseCardNumbers(text, problem);
    if (!parsed) throw UsageError(problem);
    return *parsed;
}

SightRequest requestOf(const ReticleFlags& flags) {
    SightRequest request;
    const ReticleRead read = reticleNamed(flags.reticle);
    if (!read.reticle) throw UsageError(read.problem);
    request.reticle = *read.reticle;
    request.units = flags.units;
    request.ranges = numbers(flags.ranges);
    request.winds = numbers(flags.winds);
    request.windUnit = flags.windUnit;
    const auto mode = parseHoldMode(flags.hold, request.zeroRange);
    if (!mode) throw UsageError(translated("'%1' is not wind, all or over:N", {flags.hold}));
    request.mode = *mode;
    request.magnification = flags.magnification;
    request.trueMagnification = flags.trueMagnification;
    if (const std::string problem = sightRequestProblem(request); !problem.empty()) throw UsageError(problem);
    return request;
}

void writePicture(const SightPicture& picture, const std::string& path) {
    const std::optional<CardFileFormat> format = cardFileFormat(path);
    if (!format) throw UsageError(translated("the output file must end in .pdf, .svg or .png"));
    const auto render =
        reinterpret_cast<SightRendererFunction>(rendererEntry(kSightRendererFile, kSightRendererSymbol));
    std::string bytes;
    std::string error;
    if (!render(picture, *format, bytes, error))
        throw UsageError(translated("cannot write picture '%1': %2", {path, error}));
    if (const FileOutcome outcome = writeFileAtomically(path, bytes); !outcome)
        throw UsageError(translated("cannot write picture '%1': %2", {path, outcome.reason()}));
}

void runReticle(const ReticleFlags& flags) {
    if (flags.list) {
        for (const std::string& name : builtInReticleNames()) std::cout << name << '\n';
        return;
    }
    if (!flags.show.empty()) {
        const auto text = builtInReticleText(flags.show);
        if (!text) throw UsageError(translated("'%1' is not a built-in reticle (see --list)", {flags.show}));
        std::cout << *text;
        return;
    }
    if (flags.path.empty() || flags.reticle.empty())
        throw UsageError(translated("give --list, --show NAME, or a shot file with --reticle NAME|FILE"));
    if (flags.csv == !flags.output.empty())
        throw UsageError(translated("give one of --csv or -o FILE (.pdf, .svg or .png)"));
    const ShotParameters shot = loadShot(flags.path);
    const SightPicture picture = sightPicture(shot, requestOf(flags));
    if (flags.csv)
        std::cout << sightCsv(picture);
    else
        writePicture(picture, flags.output);
}

}  // namespace

void addReticleCommand(CLI::App& app) {
    auto* command = app.add_subcommand(
        "reticle", translated("List the built-in reticles, show one, or draw a shot's sight picture"));
    auto flags = std::make_shared<ReticleFlags>();
    command->add_option("shot", flags->path, translated("Shot file (.vxf)"));
    command->add_flag("--list", flags->list, translated("Print the built-in reticles, one name a line"));
    command->add_option("--show", flags->show, translated("Print a built-in reticle in the reticle file format"))
        ->check(given());
    command->add_option("--reticle", flags->reticle, translated("A built-in reticle's name or a reticle file"))
        ->check(given());
    command->add_option("--ranges", flags->ranges, translated("The holdover ladder's ranges, e.g. 300,400,500"))
        ->check(given());
    command
        ->add_option("--wind", flags->winds,
                     translated("Wind speeds, full value from the right (mph; m/s with --metric; see --wind-unit)"))
        ->check(given());
    addWindUnitOption(command, flags->windUnit);
    command->add_option(
        "--hold", flags->hold,
        translated("wind (dial the elevation, hold the wind), all (hold everything) or over:N (dial the zero "
                   "at N yd or m, hold the rest)"));
    command->add_option("--magnification", flags->magnification, translated("The magnification in use (default 10)"))
        ->check(numberWithin(1.0, kSightMaxMagnification));
    command
        ->add_option("--true-magnification", flags->trueMagnification,
                     translated("Makes the reticle second focal plane, true at this magnification"))
        ->check(numberWithin(1.0, kSightMaxMagnification));
    addUnitSystemOption(command, flags->units, N_("ranges in metres, winds in m/s"));
    command->add_flag("--csv", flags->csv, translated("The aiming points as CSV on standard output"));
    command->add_option("-o,--output", flags->output, translated("The picture as a .pdf, .svg or .png file"));
    command->callback([flags] { runReticle(*flags); });
}

}  // namespace vorlan::cli
