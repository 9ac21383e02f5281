#pragma once
// A reticle drawn from its geometry: lines, dots and numbers at positions in mil or MOA, the
// magnification the marks are true at and the focal plane. Reticles live in a small text file
// of their own (one key a line, '#' begins a comment):
//
//   name Mil-dot
//   unit mil                 mil or moa
//   plane second             first or second
//   true-at 10               the magnification the marks are true at (second plane only)
//   reach 5                  how far out a hold may be placed (default: the farthest mark)
//   field 6                  the radius the picture shows (default: the reach and a quarter)
//   line -5 0 5 0 [WIDTH]    from x1 y1 to x2 y2; x right, y up, from the centre
//   dot 1 0 [DIAMETER]
//   number -3 -2 3           a number (or a short label) centred at x y
//
// Widths and diameters are in the reticle's unit too. The built-in reticles ship in this
// format (resources/reticles/), and a shooter's own file is read through the safe reader.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/Holds.h"

namespace vorlan {

enum class FocalPlane { First, Second };

struct ReticleLine {
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    double width = 0;  // 0: the thinnest line the picture draws
};
struct ReticleDot {
    double x = 0, y = 0;
    double diameter = 0;
};
struct ReticleNumber {
    double x = 0, y = 0;
    std::string text;
};

struct Reticle {
    std::string name;
    AngleUnit unit = AngleUnit::Mil;
    FocalPlane plane = FocalPlane::First;
    double trueMagnification = 0;  // second plane: where the marks read true
    double reach = 0;              // holds beyond this, across or up and down, are clamped
    double field = 0;              // the radius of the scope's circle in the picture
    std::vector<ReticleLine> lines;
    std::vector<ReticleDot> dots;
    std::vector<ReticleNumber> numbers;
};

// The bounds a reticle file is held to.
inline constexpr double kReticleMaxExtent = 200.0;  // mil or MOA from the centre
inline constexpr double kReticleMaxMagnification = 100.0;
inline constexpr std::size_t kReticleMaxMarks = 5000;
inline constexpr std::size_t kReticleMaxLabel = 16;  // characters of a number's text

// A reticle read from its text, or the first problem with the line it is on ("line 7: ...").
struct ReticleRead {
    std::optional<Reticle> reticle;
    std::string problem;
};
ReticleRead parseReticle(std::string_view text);
// A reticle file, read through the safe reader; the problem names the file.
ReticleRead readReticleFile(const std::string& path);

// The reticles that come with the program, by their file names ("mil-dot"), in order.
std::vector<std::string> builtInReticleNames();
// A built-in reticle's file text; none for a name that is not one.
std::optional<std::string_view> builtInReticleText(std::string_view name);
// A built-in reticle by name, or a reticle file by path.
ReticleRead reticleNamed(const std::string& nameOrPath);

inline std::string_view angleUnitName(AngleUnit unit) { return unit == AngleUnit::Mil ? "mil" : "MOA"; }

}  // namespace vorlan
