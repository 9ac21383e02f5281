#pragma once
// File names and paths. Shot names often begin with the calibre (".308 Win", ".22 LR"), so a
// dot in a name chosen in a Save dialog does not make an extension: the file's extension is
// added whenever the chosen name does not already end in it.

#include <string>
#include <string_view>

namespace vorlan {

// The file title: the name without its folder and without `extension` (".vxf") when it ends
// in it (any case); a trailing dot goes with the extension. Empty for "/dir/.vxf" or "/dir/.".
std::string fileTitle(std::string_view path, std::string_view extension);

// The path with `extension` added unless the name already ends in it: ".308 Win" becomes
// ".308 Win.vxf", "x." becomes "x.vxf", "a.VXF" stays.
std::string withExtension(std::string_view path, std::string_view extension);

// The file name a dialog offers for a shot named `shotName`: without its leading dots, which
// would hide the file on Linux (".308 Win 175 gr SMK" offers "308 Win 175 gr SMK"), and with
// "/" as "-", which would make a folder of it. A name the user types is kept as typed.
std::string suggestedFileName(std::string_view shotName);

// A path split after its last separator: the directory keeps its trailing "/"; a path without
// one is all file name with an empty directory.
struct PathParts {
    std::string directory;
    std::string fileName;
};
PathParts splitAtLastSeparator(std::string_view path);

}  // namespace vorlan
