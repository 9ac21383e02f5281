#include "chart/ChartExport.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>
#include <algorithm>

#include "chart/ChartPainter.h"
#include "shot/CLocaleNumbers.h"
#include "shot/PrintableText.h"
#include "shot/SafeFile.h"

namespace vorlan {
namespace {

constexpr int kScreenDotsPerMeter = 3780;  // 96 dpi: the picture looks as the window does
// zlib's faster levels: a chart's flat colours compress nearly as well, in a fraction of the time.
constexpr int kPngQuality = 80;

QString printable(const QString& text) { return QString::fromStdString(printableText(text.toStdString())); }

// The scene with its names' control characters dropped: an SVG file holding one is malformed
// XML, and a picture shows it as a box.
ChartScene printableScene(ChartScene scene) {
    scene.title = printable(scene.title);
    scene.subtitle = printable(scene.subtitle);
    for (ChartSeries& series : scene.series) series.name = printableText(series.name);
    return scene;
}

QByteArray pngBytes(const ChartScene& scene, QSize size) {
    QImage image(size, QImage::Format_RGB32);  // opaque: the PNG needs no alpha channel
    image.setDotsPerMeterX(kScreenDotsPerMeter);
    image.setDotsPerMeterY(kScreenDotsPerMeter);
    {
        QPainter painter(&image);
        paintChart(painter, scene, QRectF(QPointF(0, 0), size));
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG", kPngQuality);
    return bytes;
}

QByteArray svgBytes(const ChartScene& scene, QSize size) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(size);
    generator.setViewBox(QRect(QPoint(0, 0), size));
    generator.setResolution(96);
    generator.setTitle(scene.title);
    {
        QPainter painter(&generator);
        paintChart(painter, scene, QRectF(QPointF(0, 0), size));
    }
    return bytes;
}

}  // namespace

ChartFileFormat chartFileFormat(std::string_view path) {
    const std::string_view extension = path.substr(path.size() - std::min<std::size_t>(path.size(), 4));
    if (startsWithNoCase(extension, ".png") && extension.size() == 4) return ChartFileFormat::Png;
    if (startsWithNoCase(extension, ".svg") && extension.size() == 4) return ChartFileFormat::Svg;
    return ChartFileFormat::Unknown;
}

bool exportChart(const ChartScene& scene, const std::string& path, QSize size, QString& error) {
    const ChartFileFormat format = chartFileFormat(path);
    if (format == ChartFileFormat::Unknown) {
        error = QCoreApplication::translate("Chart", "the file name must end in .png or .svg");
        return false;
    }
    const ChartScene shown = printableScene(scene);
    const QByteArray bytes = format == ChartFileFormat::Png ? pngBytes(shown, size) : svgBytes(shown, size);
    if (bytes.isEmpty()) {
        error = QCoreApplication::translate("Chart", "the picture could not be drawn");
        return false;
    }
    const FileOutcome outcome = writeFileAtomically(path, std::string_view(bytes.constData(), bytes.size()));
    if (!outcome) error = QString::fromStdString(outcome.reason());
    return static_cast<bool>(outcome);
}

}  // namespace vorlan
