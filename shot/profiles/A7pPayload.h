#pragma once
// Inside the .a7p door: the generated message and the steps between the file and the shot.

#include <string>
#include <string_view>

#include "a7p.pb.h"
#include "shot/profiles/A7pFile.h"

namespace vorlan {

// The profile of a file's bytes after its MD5 is checked; false with `error` set when the
// digest does not match or the payload is truncated or malformed.
bool decodeA7pPayload(std::string_view bytes, a7p::Profile& profile, std::string& error);
// The file's bytes: the payload's MD5 in lower-case hex, then the payload.
std::string encodeA7pPayload(const a7p::Profile& profile);

// The first field outside the format's bounds or missing (the bullet, the velocity, the
// coefficients, the distances), as a message naming it; empty when all fit.
std::string a7pBoundsProblem(const a7p::Profile& profile);

// The mapping both ways (A7pImport.cpp, A7pExport.cpp). The import's error is set only by
// the shot check of what it mapped.
ProfileImport shotFromProfile(const a7p::Profile& profile);
// The profile of a shot; `error` names the shot's value that has no place in the format.
a7p::Profile profileFromShot(const ShotParameters& shot, std::string& error);

// The name a shot takes from a profile: its own name, else the cartridge and the bullet, and a
// calibre longer than the shot's four characters after it.
std::string shotNameOf(const a7p::Profile& profile);
// The calibre text as the shot keeps it: its first four characters.
std::string shortCaliberOf(std::string_view caliber);

}  // namespace vorlan
