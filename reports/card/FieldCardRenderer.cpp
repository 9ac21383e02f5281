// The field card renderer module of vorlan-cli: Qt on the offscreen platform, started for the
// one card and shut down again.

#include "reports/card/FieldCardRenderer.h"

#include "chart/OffscreenQt.h"
#include "engine/Catalogue.h"
#include "reports/card/FieldCardPainter.h"
#include "reports/sight/SightPainter.h"

extern "C" __attribute__((visibility("default"))) bool vorlanRenderCardFile(const vorlan::CardFileRequest& request,
                                                                            std::string& bytes, std::string& error) {
    const std::unique_ptr<QGuiApplication> application = vorlan::startOffscreenQt();
    const std::optional<vorlan::CardPicture> ladder =
        request.ladder ? std::optional(vorlan::sightLadderPicture(*request.ladder)) : std::nullopt;
    const QByteArray drawn = vorlan::cardFileBytes(request.card, request.sheet ? &*request.sheet : nullptr,
                                                   request.format, ladder ? &*ladder : nullptr);
    if (drawn.isEmpty()) {
        error = N_("the card could not be drawn");  // whoever shows it translates it
        return false;
    }
    bytes.assign(drawn.constData(), static_cast<std::size_t>(drawn.size()));
    return true;
}
