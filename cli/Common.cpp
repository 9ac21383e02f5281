#include <cerrno>
#include <cstring>
#include <ostream>

#include "Commands.h"
#include "ShotFile.h"

namespace vorlan::cli {

ShotParameters loadShot(const std::string& path) {
    ShotParameters shot;
    std::FILE* file = openRegularFile(path);
    if (!file) {
        const int error = errno;
        throw UsageError("cannot read shot file '" + path +
                         "': " + (error != 0 ? std::strerror(error) : "not a regular file"));
    }
    std::fclose(file);
    if (!readShotFile(path, shot, ShotReadMode::Load)) throw UsageError("cannot read shot file '" + path + "'");
    return shot;
}

void printValue(std::ostream& out, const char* label, const std::string& value) {
    out << label << ": " << value << '\n';
}

}  // namespace vorlan::cli
