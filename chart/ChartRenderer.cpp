// The chart renderer module of vorlan-cli: Qt on the offscreen platform, started for the one
// picture and shut down again.

#include <QGuiApplication>
#include <cstdio>
#include <memory>

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

}  // namespace

extern "C" __attribute__((visibility("default"))) bool vorlanWriteChartFile(const vorlan::ChartFileRequest& request,
                                                                            std::string& error) {
    static char name[] = "vorlan-cli";
    static char platformOption[] = "-platform";
    static char platform[] = "offscreen";
    static char* argv[] = {name, platformOption, platform, nullptr};
    int argc = 3;
    qInstallMessageHandler(keepQtErrorsOnly);
    std::unique_ptr<QGuiApplication> application;
    if (!QGuiApplication::instance()) application = std::make_unique<QGuiApplication>(argc, argv);

    vorlan::ChartScene scene;
    scene.series = request.series;
    scene.title = chartTitle(request.series);
    scene.units = request.units;
    QString reason;
    if (vorlan::exportChart(scene, request.path, QSize(request.width, request.height), reason)) return true;
    error = reason.toStdString();
    return false;
}
