// The readers of other tools' files: the .a7p profile and the chronograph's sessions. The
// input is tried as a whole .a7p file and, behind its own correct MD5, as a payload, so that
// the Protocol Buffers parser and the mapping are reached as well as the digest check.

#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz/FuzzCommon.h"
#include "shot/chronograph/ChronoStats.h"
#include "shot/profiles/A7pFile.h"

namespace {

using namespace vorlan;

// A profile that imports exports again, and that export imports to the same file once more.
void checkProfile(std::string_view bytes) {
    const ProfileImport profile = importA7p(bytes);
    if (!profile.error.empty()) return;
    fuzz::checkRoundTrip(profile.shot);
    const ProfileExport once = exportA7p(profile.shot);
    if (!once.error.empty()) return;
    const ProfileImport back = importA7p(once.bytes);
    fuzz::check(back.error.empty(), "an exported profile imports");
    fuzz::check(exportA7p(back.shot).bytes == once.bytes, "an exported profile exports the same file again");
}

void checkSession(std::string_view text) {
    const ChronoSession session = parseChronoSession(text);
    if (!session.error.empty()) return;
    for (const ChronoShot& shot : session.shots)
        fuzz::check(std::isfinite(shot.velocity) && shot.velocity > 0.0, "every velocity read is above 0");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    checkProfile(bytes);
    checkProfile(withA7pDigest(bytes));
    checkSession(bytes);
    return 0;
}
