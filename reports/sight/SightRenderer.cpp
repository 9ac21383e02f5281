// The sight picture renderer module of vorlan-cli: Qt on the offscreen platform, started for
// the one picture and shut down again.

#include "reports/sight/SightRenderer.h"

#include "chart/OffscreenQt.h"
#include "engine/Catalogue.h"
#include "reports/sight/SightPainter.h"

extern "C" __attribute__((visibility("default"))) bool vorlanRenderSightFile(const vorlan::SightPicture& picture,
                                                                             vorlan::CardFileFormat format,
                                                                             std::string& bytes, std::string& error) {
    const std::unique_ptr<QGuiApplication> application = vorlan::startOffscreenQt();
    const QByteArray drawn = vorlan::sightFileBytes(picture, format);
    if (drawn.isEmpty()) {
        error = N_("the picture could not be drawn");  // whoever shows it translates it
        return false;
    }
    bytes.assign(drawn.constData(), static_cast<std::size_t>(drawn.size()));
    return true;
}
