// vorlan-cli: command-line front end to the Vorlan ballistics engine and reports.

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>

#include "cli/Commands.h"
#include "shot/PrintableText.h"

namespace {

// Passes what is written on to `target` without control characters, but for tabs and line
// ends: a name in a shot file (a BEL, an ESC sequence) never reaches the terminal raw.
class PrintableOutput : public std::streambuf {
public:
    explicit PrintableOutput(std::ostream& stream) : stream_(stream), target_(stream.rdbuf(this)) {}
    ~PrintableOutput() override { stream_.rdbuf(target_); }

protected:
    int_type overflow(int_type c) override {
        if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
        const char ch = traits_type::to_char_type(c);
        return xsputn(&ch, 1) == 1 ? c : traits_type::eof();
    }
    std::streamsize xsputn(const char* text, std::streamsize count) override {
        const std::string shown = filter_.pass(std::string_view(text, static_cast<std::size_t>(count)));
        const auto size = static_cast<std::streamsize>(shown.size());
        return target_->sputn(shown.data(), size) == size ? count : 0;
    }
    int sync() override { return target_->pubsync(); }

private:
    std::ostream& stream_;
    std::streambuf* target_;
    vorlan::ControlCharacterFilter filter_{true};
};

}  // namespace

int main(int argc, char** argv) {
    const PrintableOutput output(std::cout);
    const PrintableOutput errors(std::cerr);
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
    vorlan::cli::addHitCommand(app);
    vorlan::cli::addCardCommand(app);
    vorlan::cli::addTrueCommand(app);
    vorlan::cli::addLibraryCommand(app);
    vorlan::cli::addImportCommand(app);
    vorlan::cli::addExportCommand(app);
    vorlan::cli::addChronoCommand(app);
    vorlan::cli::addReticleCommand(app);
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
