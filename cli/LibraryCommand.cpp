// vorlan-cli library list: the loads of the library, one row a load, sorted by rifle, then name.

#include <algorithm>
#include <filesystem>
#include <iostream>

#include "cli/Commands.h"
#include "engine/Catalogue.h"
#include "engine/DragFunction.h"
#include "reports/table/RangeTableCsv.h"
#include "shot/CLocaleNumbers.h"
#include "shot/PrintableText.h"
#include "shot/library/LibraryListing.h"

namespace vorlan::cli {

namespace {

struct LibraryFlags {
    std::string dir;
    bool csv = false;
};

std::string dragText(const LibraryLoad& load) {
    if (load.customDrag) return "custom";
    const std::string name(dragFunctionName(load.dragFunction));
    return load.bcBands ? name + " bands" : name;
}

void printCsv(const std::vector<LibraryLoad>& loads) {
    std::cout << "rifle,name,file,caliber,weight_gr,bc,drag,velocity_fps,sight_in_yd\n";
    for (const LibraryLoad& l : loads)
        std::cout << csvTextField(l.rifle) << ',' << csvTextField(l.name) << ',' << csvTextField(l.file) << ','
                  << csvTextField(l.caliber) << ',' << cFormat("%.1f,%.4f,", l.weight, l.ballisticCoefficient)
                  << dragText(l) << ',' << cFormat("%.1f,%.0f", l.velocity, l.sightInRange) << '\n';
}

// Columns as wide as their widest text, counted in characters.
void printColumns(const std::vector<std::vector<std::string>>& rows) {
    std::vector<std::size_t> widths(rows.front().size(), 0);
    for (const auto& row : rows)
        for (std::size_t i = 0; i < row.size(); ++i) widths[i] = std::max(widths[i], characterCount(row[i]));
    for (const auto& row : rows) {
        std::string line;
        for (std::size_t i = 0; i < row.size(); ++i) {
            line += row[i];
            if (i + 1 < row.size()) line.append(widths[i] - characterCount(row[i]) + 2, ' ');
        }
        std::cout << line << '\n';
    }
}

void printText(const std::vector<LibraryLoad>& loads) {
    std::vector<std::vector<std::string>> rows{
        {"rifle", "name", "file", "caliber", "weight_gr", "bc", "velocity_fps", "sight_in_yd"}};
    for (const LibraryLoad& l : loads)
        rows.push_back({printableText(l.rifle.empty() ? std::string(kNoRifle) : l.rifle), printableText(l.name),
                        printableText(l.file), printableText(l.caliber), cFormat("%.1f", l.weight),
                        l.customDrag ? std::string("custom drag") : coefficientText(l) + (l.bcBands ? " (bands)" : ""),
                        cFormat("%.1f", l.velocity), cFormat("%.0f", l.sightInRange)});
    printColumns(rows);
}

void runList(const LibraryFlags& flags) {
    const std::string folder = flags.dir.empty() ? defaultLibraryFolder() : flags.dir;
    // The folder given must be there; the default one is an empty library until a load is saved.
    std::error_code error;
    if (!flags.dir.empty() && !std::filesystem::is_directory(folder, error))
        throw UsageError(translated("no library folder '%1'", {folder}));
    const LibraryListing listing = listLibrary(folder);
    if (!listing.folder)
        throw UsageError(translated("cannot read library folder '%1': %2", {folder, listing.folder.reason()}));
    if (flags.csv)
        printCsv(listing.loads);
    else
        printText(listing.loads);
    std::cout.flush();
    for (const UnreadableFile& file : listing.unreadable)
        std::cerr << "vorlan-cli: " << folder << '/' << file.file << ": " << unreadableReason(file) << '\n';
    if (!listing.unreadable.empty())
        throw NoResult(
            translated("%1 file(s) of the library could not be read", {std::to_string(listing.unreadable.size())}));
}

}  // namespace

void addLibraryCommand(CLI::App& app) {
    auto* library = app.add_subcommand("library", translated("The library of loads: every shot file of a folder"));
    library->require_subcommand(1);
    auto* list =
        library->add_subcommand("list", translated("List the loads, one row a load, sorted by rifle, then name"));
    auto flags = std::make_shared<LibraryFlags>();
    list->add_option("--dir", flags->dir, translated("Library folder (default $XDG_DATA_HOME/Vorlan/Library)"))
        ->check(given());
    list->add_flag("--csv", flags->csv, translated("Comma-separated values with a header line"));
    list->callback([flags] { runList(*flags); });
}

}  // namespace vorlan::cli
