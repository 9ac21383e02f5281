#pragma once
// The .a7p ballistic profile other tools and rangefinding devices exchange: the payload's MD5
// in 32 hexadecimal digits, then the payload, a Protocol Buffers message (a7p.proto) whose
// numbers are scaled integers:
//   velocity m/s x 10, weight grains x 10, diameter and length inches x 1000, twist inches
//   x 100, sight height mm, temperatures C, pressure hPa x 10, distances m x 100, G1/G7
//   coefficient x 10000 with its velocity m/s x 10, CUSTOM Cd x 10000 at Mach x 10, powder
//   sensitivity % per 15 C x 1000; the zero range is distances[c_zero_distance_idx].
//
// Importing maps every field the shot has a place for (A7pImport.cpp); the rest is kept on
// the shot's "A7P Extras:" line and written back on export (A7pExport.cpp). A file is read
// whole or refused, with a message naming the field at fault.

#include <string>
#include <string_view>
#include <vector>

#include "shot/ShotParameters.h"

namespace vorlan {

struct ProfileImport {
    ShotParameters shot;
    // One line per field kept without a place in the shot ("zero_x: -12 clicks").
    std::vector<std::string> unmapped;
    // Why the profile was refused, naming the field; empty when it was read.
    std::string error;
};

// A profile from the bytes of a .a7p file, mapped onto a new shot.
ProfileImport importA7p(std::string_view bytes);
// The same from a file, read with the safe reader.
ProfileImport importA7pFile(const std::string& path);

// A payload as a file: its MD5 in 32 lower-case hexadecimal digits, then the payload.
std::string withA7pDigest(std::string_view payload);

struct ProfileExport {
    std::string bytes;  // the whole file, MD5 and payload
    std::string error;  // why the shot has no profile, naming the field; empty when it has
};

// The profile of a shot: the inverse of importA7p at the format's resolution.
ProfileExport exportA7p(const ShotParameters& shot);
// Writes it through the safe writer; the error, naming the field or the file, or empty.
std::string exportA7pFile(const ShotParameters& shot, const std::string& path);

}  // namespace vorlan
