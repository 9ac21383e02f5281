// The rules for a path from the shell: the extension test and the split into folder and name.

#include <cstdint>
#include <string_view>

#include "fuzz/FuzzCommon.h"
#include "shot/FileTitle.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace vorlan;
    const std::string_view path(reinterpret_cast<const char*>(data), size);
    const bool shot = hasShotExtension(path);
    fuzz::check(!shot || path.size() >= 3, "a shot path has at least three characters");
    const PathParts parts = splitAtLastSeparator(path);
    fuzz::check(parts.directory + parts.fileName == path, "the parts make the path");
    fuzz::check(parts.fileName.find('/') == std::string::npos, "the name holds no separator");
    fuzz::check(parts.directory.empty() || parts.directory.back() == '/', "a folder ends in its separator");
    return 0;
}
