#include "cli/Language.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <sstream>
#include <vector>

#include "cli/Commands.h"
#include "engine/BuiltInCatalogues.h"
#include "engine/Catalogue.h"

// tests/data/catalogue/de.po, compiled by the build.
std::span<const vorlan::BuiltInCatalogue> testCatalogues();

namespace vorlan::cli {
namespace {

TEST(CliLanguage, ReadsTheLocaleSettings) {
    const std::pair<const char*, const char*> settings[] = {
        {"de_DE.UTF-8", "de"}, {"fr_FR", "fr"}, {"ru", "ru"},  {"es_ES@euro", "es"}, {"de:fr", "de"},
        {"en_GB.UTF-8", "en"}, {"C", ""},       {"POSIX", ""}, {"C.UTF-8", ""},      {"", ""},
    };
    for (const auto& [setting, code] : settings) EXPECT_EQ(languageOfSetting(setting), code) << setting;

    using Environment = std::map<std::string, std::string>;
    const std::pair<Environment, const char*> environments[] = {
        {{}, ""},
        {{{"LANG", "de_DE.UTF-8"}}, "de"},
        {{{"LANG", "de_DE.UTF-8"}, {"LC_MESSAGES", "fr_FR"}}, "fr"},
        {{{"LANG", "de"}, {"LC_MESSAGES", "fr"}, {"LC_ALL", "es_ES.UTF-8"}}, "es"},
        {{{"LANG", "de"}, {"LC_ALL", "es"}, {"LANGUAGE", "ru:de"}}, "ru"},
        {{{"LANGUAGE", ""}, {"LANG", "de"}}, "de"},  // set but empty counts as not set
        {{{"LC_ALL", "C"}, {"LANG", "de_DE"}}, ""},
    };
    for (const auto& [environment, code] : environments) {
        const auto variable = [&environment](const char* name) {
            const auto found = environment.find(name);
            return found == environment.end() ? nullptr : found->second.c_str();
        };
        EXPECT_EQ(languageOfEnvironment(variable), code) << environment.size() << " variables, " << code;
    }

    const std::pair<std::vector<const char*>, const char*> options[] = {
        {{"vorlan-cli", "--lang", "de", "table", "x.vxf"}, "de"},
        {{"vorlan-cli", "--lang=fr", "table"}, "fr"},
        {{"vorlan-cli", "table", "--lang", "de"}, ""},  // a command's argument, not the option
        {{"vorlan-cli", "--lang"}, ""},
    };
    for (const auto& [arguments, code] : options)
        EXPECT_EQ(languageOption(std::span<char* const>(const_cast<char* const*>(arguments.data()), arguments.size())),
                  code)
            << code;
}

struct Outcome {
    int status;
    std::string out;
    std::string err;
};

// vorlan-cli in German from the tests' own catalogue, the environment's locale cleared.
class CliInLanguage : public testing::Test {
protected:
    void SetUp() override {
        for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"}) unsetenv(name);
        ASSERT_TRUE(replaceCatalogue("de", testCatalogues().front().mo));
        folder_ = std::filesystem::temp_directory_path() / ("vorlan-cli-language-" + std::to_string(getpid()));
        std::filesystem::create_directories(folder_);
    }
    void TearDown() override {
        replaceCatalogue("de", builtInCatalogues().front().mo);
        setLanguage("");
        unsetenv("LANG");
        std::filesystem::remove_all(folder_);
    }
    static Outcome run(std::vector<std::string> arguments) {
        arguments.insert(arguments.begin(), "vorlan-cli");
        std::vector<char*> argv;
        for (std::string& argument : arguments) argv.push_back(argument.data());
        std::ostringstream out;
        std::ostringstream err;
        std::streambuf* const oldOut = std::cout.rdbuf(out.rdbuf());
        std::streambuf* const oldErr = std::cerr.rdbuf(err.rdbuf());
        const int status = cli::run(static_cast<int>(argv.size()), argv.data());
        std::cout.rdbuf(oldOut);
        std::cerr.rdbuf(oldErr);
        return {status, out.str(), err.str()};
    }
    std::string path(const char* name) const { return (folder_ / name).string(); }
    std::filesystem::path folder_;
};

TEST_F(CliInLanguage, MessagesAndHelpFollowTheChosenLanguage) {
    const std::string missing = path("missing.vxf");
    const Outcome german = run({"--lang", "de", "maxrange", missing});
    EXPECT_EQ(german.status, 2);
    // The reason comes from the system, in English: the sentence around it is translated.
    const std::string reason =
        run({"maxrange", missing}).err.substr(("vorlan-cli: cannot read shot file '" + missing + "': ").size());
    EXPECT_EQ(german.err, "vorlan-cli: Schussdatei '" + missing + "' ist nicht lesbar: " + reason);
    setenv("LANG", "de_DE.UTF-8", 1);
    EXPECT_NE(run({"maxrange", missing}).err.find("ist nicht lesbar"), std::string::npos);
    EXPECT_NE(run({"--lang", "en", "maxrange", missing}).err.find("cannot read shot file"), std::string::npos);
    unsetenv("LANG");

    EXPECT_NE(run({"--lang", "de", "--help"}).out.find("Die Sprache der Meldungen und der Hilfe"), std::string::npos);
    EXPECT_NE(run({"--help"}).out.find("The language of the messages and the help"), std::string::npos);
    EXPECT_EQ(run({"--lang", "xx", "--help"}).status, 2);
}

// Files and tables keep English whatever the language: every output byte for byte.
TEST_F(CliInLanguage, LanguageNeverChangesWhatIsWritten) {
    const std::vector<std::vector<std::string>> commands = {
        {"write", "SHOT", "--line", "Name:308 Win", "--line", "Velocity:2700", "--line", "Weight:175", "--line",
         "Target Range:300"},
        {"table", "SHOT"},
        {"table", "SHOT", "--csv", "--holds"},
        {"table", "SHOT", "--units", "metric"},
        {"maxrange", "SHOT"},
    };
    for (std::vector<std::string> command : commands) {
        std::vector<std::string> german = command;
        for (std::string& argument : command)
            if (argument == "SHOT") argument = path("english.vxf");
        for (std::string& argument : german)
            if (argument == "SHOT") argument = path("german.vxf");
        german.insert(german.begin(), {"--lang", "de"});
        const Outcome english = run(command);
        const Outcome translated = run(german);
        EXPECT_EQ(english.status, 0) << command[0] << english.err;
        EXPECT_EQ(translated.out, english.out) << command[0];
    }
    const auto bytes = [](const std::string& file) {
        std::ifstream in(file, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    };
    EXPECT_EQ(bytes(path("german.vxf")), bytes(path("english.vxf")));
    EXPECT_FALSE(bytes(path("english.vxf")).empty());
}

}  // namespace
}  // namespace vorlan::cli
