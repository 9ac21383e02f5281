#pragma once
// The seam between vorlan-cli, which has no Qt, and the sight picture renderer, a module it
// loads only when it writes a picture to a file (as the field card's, FieldCardRenderer.h).

#include <string>

#include "reports/card/FieldCardLayout.h"
#include "reports/sight/SightPicture.h"

namespace vorlan {

// The module's one entry point: true with the file's bytes in `bytes`; otherwise false with
// the reason in `error`.
inline constexpr const char* kSightRendererSymbol = "vorlanRenderSightFile";
using SightRendererFunction = bool (*)(const SightPicture& picture, CardFileFormat format, std::string& bytes,
                                       std::string& error);

inline constexpr const char* kSightRendererFile = "libvorlan-sight-renderer.so";

}  // namespace vorlan
