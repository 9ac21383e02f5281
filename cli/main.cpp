// vorlan-cli: command-line front end to the Vorlan ballistics engine and reports.

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>

#include "cli/Commands.h"

int main(int argc, char** argv) {
    CLI::App app{"Vorlan exterior ballistics from the command line", "vorlan-cli"};
    app.set_version_flag("--version", "vorlan-cli " VORLAN_VERSION, "Print the version and exit");
    app.require_subcommand(1);
    vorlan::cli::addTableCommand(app);
    vorlan::cli::addDensityCommand(app);
    vorlan::cli::addWriteCommand(app);
    vorlan::cli::addMaxRangeCommand(app);
    vorlan::cli::addBcCommand(app);
    vorlan::cli::addOpbzCommand(app);
    vorlan::cli::addCompareCommand(app);
    vorlan::cli::addCalcCommand(app);
    vorlan::cli::addRecoilCommand(app);
    vorlan::cli::addChartCommand(app);
    vorlan::cli::addStabilityCommand(app);
    vorlan::cli::addCardCommand(app);
    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp&) {
        std::cout << app.help();
    } catch (const CLI::CallForAllHelp&) {
        std::cout << app.help("", CLI::AppFormatMode::All);
    } catch (const CLI::CallForVersion& e) {
        std::cout << e.what() << '\n';
    } catch (const CLI::ParseError& e) {
        std::cerr << "vorlan-cli: " << e.what() << '\n';
        return 2;
    } catch (const vorlan::cli::UsageError& e) {
        std::cerr << "vorlan-cli: " << e.what() << '\n';
        return 2;
    } catch (const vorlan::cli::NoResult& e) {
        std::cerr << "vorlan-cli: " << e.what() << '\n';
        return 1;
    }
    // Output that did not reach its file (a full disk, a closed pipe) is a failure, the help too.
    std::cout.flush();
    if (!std::cout || std::fflush(stdout) != 0 || std::ferror(stdout)) {
        std::cerr << "vorlan-cli: cannot write the output: " << std::strerror(errno) << '\n';
        return 2;
    }
    return 0;
}
