#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>

#include "cli/Commands.h"
#include "cli/Language.h"
#include "engine/Catalogue.h"

namespace vorlan::cli {

namespace {

// The help's own words, the option group every option is listed in, the help flag: set on
// the application before the commands, which take them from it.
void translateHelp(CLI::App& app) {
    const auto formatter = app.get_formatter();
    for (const char* label : {N_("Usage"), N_("OPTIONS"), N_("SUBCOMMAND"), N_("SUBCOMMANDS"), N_("Positionals"),
                              N_("REQUIRED"), N_("TEXT"), N_("FLOAT"), N_("INT"), N_("UINT")})
        formatter->label(label, translated(label));
    app.option_defaults()->group(translated("Options"));
    app.group(translated("Subcommands"));
    app.set_help_flag("-h,--help", translated("Print this help message and exit"));
}

void addCommands(CLI::App& app) {
    addTableCommand(app);
    addDensityCommand(app);
    addWriteCommand(app);
    addMaxRangeCommand(app);
    addBcCommand(app);
    addOpbzCommand(app);
    addCompareCommand(app);
    addCalcCommand(app);
    addRecoilCommand(app);
    addChartCommand(app);
    addStabilityCommand(app);
    addHitCommand(app);
    addCardCommand(app);
    addTrueCommand(app);
    addLibraryCommand(app);
    addImportCommand(app);
    addExportCommand(app);
    addChronoCommand(app);
    addReticleCommand(app);
}

int report(const char* message, int status) {
    std::cerr << "vorlan-cli: " << message << '\n';
    return status;
}

}  // namespace

int run(int argc, char** argv) {
    chooseLanguage(std::span<char* const>(argv, static_cast<std::size_t>(argc)));
    CLI::App app{translated("Vorlan exterior ballistics from the command line"), "vorlan-cli"};
    translateHelp(app);
    app.set_version_flag("--version", "vorlan-cli " VORLAN_VERSION, translated("Print the version and exit"));
    std::string chosen;  // read before the commands were made; named here for the help and the check
    app.add_option("--lang", chosen,
                   translated("The language of the messages and the help: de, fr, es, ru (English by default)"))
        ->type_name("CODE")
        ->check(languageCode());
    app.require_subcommand(1);
    addCommands(app);
    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp&) {
        std::cout << app.help();
    } catch (const CLI::CallForAllHelp&) {
        std::cout << app.help("", CLI::AppFormatMode::All);
    } catch (const CLI::CallForVersion& e) {
        std::cout << e.what() << '\n';
    } catch (const CLI::ParseError& e) {
        return report(e.what(), 2);
    } catch (const UsageError& e) {
        return report(e.what(), 2);
    } catch (const NoResult& e) {
        return report(e.what(), 1);
    }
    // Output that did not reach its file (a full disk, a closed pipe) is a failure, the help too.
    std::cout.flush();
    if (!std::cout || std::fflush(stdout) != 0 || std::ferror(stdout))
        return report(translated("cannot write the output: %1", {std::strerror(errno)}).c_str(), 2);
    return 0;
}

}  // namespace vorlan::cli
