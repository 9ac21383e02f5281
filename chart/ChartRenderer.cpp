// The chart renderer module of vorlan-cli: Qt on the offscreen platform, started for the one
// picture and shut down again.

#include <QGuiApplication>
#include <memory>

#include "chart/ChartExport.h"
#include "chart/ChartRenderer.h"
#include "chart/OffscreenQt.h"

namespace {

QString chartTitle(const std::vector<vorlan::ChartSeries>& series) {
    QStringList names;
    for (const vorlan::ChartSeries& s : series) names << QString::fromStdString(s.name);
    return names.join(QStringLiteral(" / "));
}

}  // namespace

extern "C" __attribute__((visibility("default"))) bool vorlanWriteChartFile(const vorlan::ChartFileRequest& request,
                                                                            std::string& error) {
    const std::unique_ptr<QGuiApplication> application = vorlan::startOffscreenQt();

    vorlan::ChartScene scene;
    scene.series = request.series;
    scene.title = chartTitle(request.series);
    scene.units = request.units;
    QString reason;
    if (vorlan::exportChart(scene, request.path, QSize(request.width, request.height), reason)) return true;
    error = reason.toStdString();
    return false;
}
