// vorlan-cli card: the field card of a shot as plain text, as its cells in CSV, or as a
// PDF, SVG or PNG file drawn by the renderer module (see ChartCommand.cpp).

#include <ctime>
#include <iostream>

#include "cli/Commands.h"
#include "engine/Catalogue.h"
#include "reports/card/FieldCard.h"
#include "reports/card/FieldCardLayout.h"
#include "reports/card/FieldCardRenderer.h"
#include "reports/sight/SightPicture.h"
#include "shot/CLocaleNumbers.h"
#include "shot/FileTitle.h"
#include "shot/SafeFile.h"

namespace vorlan::cli {

namespace {

struct CardFlags {
    std::string path;
    std::string ranges;  // empty: none unless no targets either, then the default list
    std::string targets;
    std::string winds;
    std::optional<Unit> windUnit;
    std::vector<std::string> units{"moa"};
    std::string temperatures;
    std::string layout = "pocket";
    std::string sheet;  // empty: one card on a page of its own size
    std::string output;
    std::string reticle;                                     // empty: no sight picture beside the table
    std::optional<double> magnification, trueMagnification;  // the ladder's scope
    UnitSystem system = UnitSystem::Imperial;
    bool text = false;
    bool csv = false;
    bool velocity = false;
    bool time = false;
    bool energy = false;
};

std::string today() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[16];
    std::strftime(text, sizeof text, "%Y-%m-%d", &local);
    return text;
}

template <class T>
T parsed(std::optional<T> value, const std::string& problem) {
    if (!value) throw UsageError(problem);
    return *value;
}

FieldCardRequest requestOf(const CardFlags& flags, const ShotParameters& shot) {
    FieldCardRequest request;
    std::string problem;
    request.units = flags.system;
    for (const std::string& unit : flags.units) {
        if (const std::optional<UnitSystem> system = unitSystemNamed(unit))
            request.units = *system;
        else
            request.angle =
                parsed(parseCardAngle(unit), translated("'%1' is not moa, mil, clicks, metric or imperial", {unit}));
    }
    if (!flags.ranges.empty())
        request = parsed(parseCardRanges(flags.ranges, request, problem), problem);
    else if (!flags.targets.empty() || !shot.cardRanges.empty())
        request.step = 0.0;  // targets alone, or the shot's own ranges
    if (flags.ranges.empty() && flags.targets.empty()) request.targets = keptCardRanges(shot, request.units);
    if (!flags.targets.empty()) request.targets = parsed(parseCardTargets(flags.targets, problem), problem);
    request.windUnit = flags.windUnit;
    request.winds = flags.winds.empty() ? defaultCardWinds(cardWindUnit(request))
                                        : parsed(parseCardNumbers(flags.winds, problem), problem);
    if (!flags.temperatures.empty())
        request.temperatures = parsed(parseCardNumbers(flags.temperatures, problem), problem);
    request.layout =
        parsed(parseCardLayout(flags.layout), translated("'%1' is not pocket, half, page or strip", {flags.layout}));
    request.velocity = flags.velocity;
    request.time = flags.time;
    request.energy = flags.energy;
    if (!flags.reticle.empty()) request.pictureShare = kCardLadderShare;
    request.fileName = splitAtLastSeparator(flags.path).fileName;
    request.date = today();
    if (const std::string problem = cardRequestProblem(request); !problem.empty()) throw UsageError(problem);
    return request;
}

// The card drawn by the renderer module, written through the safe writer.
void writeCardFile(const FittedCard& fitted, const std::string& path, const std::string& sheet,
                   std::optional<SightPicture> ladder) {
    const std::optional<CardFileFormat> format = cardFileFormat(path);
    if (!format) throw UsageError(translated("the output file must end in .pdf, .svg or .png"));
    CardFileRequest request{fitted, std::nullopt, *format, std::move(ladder)};
    if (!sheet.empty()) {
        const std::optional<CardSheet> paper = parseCardSheet(sheet);
        if (!paper) throw UsageError(translated("'%1' is not letter or a4", {sheet}));
        request.sheet = sheetPlan(fitted.layout, fitted.units, *paper);
    }
    const auto render = reinterpret_cast<CardRendererFunction>(rendererEntry(kCardRendererFile, kCardRendererSymbol));
    std::string bytes;
    std::string error;
    if (!render(request, bytes, error)) throw UsageError(translated("cannot write card '%1': %2", {path, error}));
    if (const FileOutcome outcome = writeFileAtomically(path, bytes); !outcome)
        throw UsageError(translated("cannot write card '%1': %2", {path, outcome.reason()}));
}

void runCard(const CardFlags& flags) {
    if (flags.text + flags.csv + !flags.output.empty() != 1)
        throw UsageError(translated("give one of --text, --csv or -o FILE (.pdf, .svg or .png)"));
    if (!flags.reticle.empty() && flags.output.empty())
        throw UsageError(translated("--reticle draws beside the table: give -o FILE"));
    if (flags.reticle.empty() && (flags.magnification || flags.trueMagnification))
        throw UsageError(translated("--magnification and --true-magnification set the ladder's scope: give --reticle"));
    const ShotParameters shot = loadShot(flags.path);
    const FieldCard card = fieldCard(shot, requestOf(flags, shot));
    const FittedCard fitted = fitFieldCard(card);
    if (!fitted.fits()) throw UsageError(fitted.refusal);
    std::optional<SightPicture> ladder;
    if (!flags.reticle.empty()) {
        const ReticleRead read = reticleNamed(flags.reticle);
        std::string problem = read.problem;
        if (read.reticle)
            ladder = cardLadder(shot, card, *read.reticle, problem, flags.magnification, flags.trueMagnification);
        if (!ladder) throw UsageError(problem);
    }
    if (flags.csv)
        std::cout << fieldCardCsv(card);
    else if (flags.text)
        std::cout << fieldCardText(fitted);
    else
        writeCardFile(fitted, flags.output, flags.sheet, std::move(ladder));
}

}  // namespace

void addCardCommand(CLI::App& app) {
    auto* command =
        app.add_subcommand("card", translated("Make the field card of a shot file: text, CSV, PDF, SVG or PNG"));
    auto flags = std::make_shared<CardFlags>();
    command->add_option("shot", flags->path, translated("Shot file (.vxf)"))->required();
    command
        ->add_option("--ranges", flags->ranges,
                     translated("Regular rows FROM:TO:STEP (default 100:1000:100 without targets)"))
        ->check(given());
    command->add_option("--targets", flags->targets, translated("Named targets, e.g. \"Gong 1=327,Ridge=612\""))
        ->check(given());
    command
        ->add_option("--wind", flags->winds,
                     translated("Wind speeds, full value from the right (default 5,10,15 mph; 2,4,6 m/s; 10,15,20 "
                                "km/h)"))
        ->check(given());
    addWindUnitOption(command, flags->windUnit);
    command
        ->add_option(
            "--units", flags->units,
            translated("Elevation and windage in moa, mil or clicks (of the shot's click value); metric or imperial "
                       "for the rest (repeatable)"))
        ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll)
        ->delimiter(',');
    command
        ->add_option("--temps", flags->temperatures,
                     translated("Up to three temperatures for elevation brackets (F; C with --metric)"))
        ->check(given());
    command->add_option("--layout", flags->layout, translated("pocket (3x5 in), half, page or strip (1.5x4 in)"));
    command->add_option("--sheet", flags->sheet,
                        translated("Print as many cards as fit on a letter or a4 sheet, with cut marks"));
    command->add_flag_callback(
        "--metric", [flags] { flags->system = UnitSystem::Metric; },
        translated("The same as --units metric: metres, m/s, deg. C, A5 and A4"));
    command->add_flag("--velocity", flags->velocity, translated("A velocity column"));
    command->add_flag("--time", flags->time, translated("A time-of-flight column"));
    command->add_flag("--energy", flags->energy, translated("An energy column"));
    command->add_flag("--text", flags->text, translated("The card as plain text on standard output"));
    command->add_flag("--csv", flags->csv, translated("The card's cells as CSV on standard output"));
    command->add_option("-o,--output", flags->output, translated("The card as a .pdf, .svg or .png file"));
    command
        ->add_option(
            "--reticle", flags->reticle,
            translated("With -o, a pocket or half card: the sight picture's ladder on this reticle (a built-in name "
                       "or a reticle file) beside the table"))
        ->check(given());
    command->add_option("--magnification", flags->magnification, translated("With --reticle: the magnification in use"))
        ->check(numberWithin(1.0, kSightMaxMagnification));
    command
        ->add_option("--true-magnification", flags->trueMagnification,
                     translated("With --reticle: makes the reticle second focal plane, true at this magnification"))
        ->check(numberWithin(1.0, kSightMaxMagnification));
    command->callback([flags] { runCard(*flags); });
}

}  // namespace vorlan::cli
