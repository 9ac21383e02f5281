#pragma once
// The seam between vorlan-cli, which has no Qt, and the field card renderer, a module it
// loads only when it writes a card to a file. The module draws the fitted card (or a sheet
// of them) into memory and hands the bytes back; vorlan-cli writes them with the safe writer.

#include <optional>
#include <string>

#include "reports/card/FieldCardLayout.h"
#include "reports/sight/SightPicture.h"

namespace vorlan {

struct CardFileRequest {
    FittedCard card;
    std::optional<SheetPlan> sheet;  // none: one card on a page of its own size
    CardFileFormat format = CardFileFormat::Pdf;
    std::optional<SightPicture> ladder;  // the sight picture's ladder beside the table
};

// The module's one entry point: true with the file's bytes in `bytes`; otherwise false with
// the reason in `error`.
inline constexpr const char* kCardRendererSymbol = "vorlanRenderCardFile";
using CardRendererFunction = bool (*)(const CardFileRequest& request, std::string& bytes, std::string& error);

// The module's file name, next to the program that loads it.
inline constexpr const char* kCardRendererFile = "libvorlan-card-renderer.so";

}  // namespace vorlan
