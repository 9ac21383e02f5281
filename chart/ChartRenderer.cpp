// The chart renderer module of vorlan-cli: Qt on the offscreen platform, started for the one
// picture (a chart or a field card) and shut down again.

#include <QGuiApplication>
#include <cstdio>
#include <memory>

#include "chart/CardPainter.h"
#include "chart/ChartExport.h"
#include "chart/ChartRenderer.h"

namespace {

QString chartTitle(const std::vector<vorlan::ChartSeries>& series) {
    QStringList names;
    for (const vorlan::ChartSeries& s : series) names << QString::fromStdString(s.name);
    return names.join(QStringLiteral(" / "));
}

// Qt's own notes (no runtime folder, a font fallback) are not the command's output; only
// its errors reach stderr.
void keepQtErrorsOnly(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) std::fprintf(stderr, "%s\n", qPrintable(message));
}

// Qt on the offscreen platform while the returned object lives; none when it already runs.
std::unique_ptr<QGuiApplication> startQt() {
    static char name[] = "vorlan-cli";
    static char platformOption[] = "-platform";
    static char platform[] = "offscreen";
    static char* argv[] = {name, platformOption, platform, nullptr};
    static int argc = 3;
    qInstallMessageHandler(keepQtErrorsOnly);
    if (QGuiApplication::instance()) return nullptr;
    return std::make_unique<QGuiApplication>(argc, argv);
}

}  // namespace

extern "C" __attribute__((visibility("default"))) bool vorlanWriteChartFile(const vorlan::ChartFileRequest& request,
                                                                            std::string& error) {
    const std::unique_ptr<QGuiApplication> application = startQt();

    vorlan::ChartScene scene;
    scene.series = request.series;
    scene.title = chartTitle(request.series);
    scene.units = request.units;
    QString reason;
    if (vorlan::exportChart(scene, QString::fromStdString(request.path), QSize(request.width, request.height), reason))
        return true;
    error = reason.toStdString();
    return false;
}

extern "C" __attribute__((visibility("default"))) bool vorlanRenderCardFile(const vorlan::CardFileRequest& request,
                                                                            std::string& bytes, std::string& error) {
    const std::unique_ptr<QGuiApplication> application = startQt();
    const QByteArray drawn =
        vorlan::cardFileBytes(request.card, request.sheet ? &*request.sheet : nullptr, request.format);
    if (drawn.isEmpty()) {
        error = "the card could not be drawn";
        return false;
    }
    bytes.assign(drawn.constData(), static_cast<std::size_t>(drawn.size()));
    return true;
}
