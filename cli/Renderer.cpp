// Drawing needs Qt, which the rest of vorlan-cli does without: the renderer is a module beside
// the program, loaded only by the commands that draw (chart, card).

#include <dlfcn.h>
#include <unistd.h>

#include <climits>
#include <string>

#include "cli/Commands.h"
#include "engine/Catalogue.h"

namespace vorlan::cli {

namespace {

// The folder of the running program, with its trailing '/'.
std::string programFolder() {
    char path[PATH_MAX];
    const ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
    if (length <= 0) return "./";
    const std::string program(path, static_cast<std::size_t>(length));
    return program.substr(0, program.rfind('/') + 1);
}

}  // namespace

// Beside the program in the build tree; in the library folder once installed.
void* rendererEntry(const char* moduleFile, const char* symbol) {
    std::string module = programFolder() + moduleFile;
    if (access(module.c_str(), F_OK) != 0) module = programFolder() + VORLAN_INSTALLED_MODULE_FOLDER + moduleFile;
    void* handle = dlopen(module.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) throw UsageError(translated("drawing is not available: %1", {dlerror()}));
    void* entry = dlsym(handle, symbol);
    if (!entry) throw UsageError(translated("drawing is not available: %1 has no %2", {module, symbol}));
    return entry;  // the module stays loaded until the program ends
}

}  // namespace vorlan::cli
