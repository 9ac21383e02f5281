#include "reports/card/PageFile.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

namespace vorlan {

namespace {

QByteArray pdfBytes(const PageFile& page, const PagePainting& paint) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setCreator(QStringLiteral("Vorlan"));
        writer.setTitle(page.title);
        writer.setPageLayout(page.layout);
        writer.setResolution(1200);
        QPainter painter(&writer);
        if (!painter.isActive()) return {};
        paint(painter, QRectF(0, 0, writer.width(), writer.height()));
    }
    return bytes;
}

QByteArray svgBytes(const PageFile& page, const PagePainting& paint) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(page.points.toSize());
    generator.setViewBox(QRectF(QPointF(0, 0), page.points));
    generator.setResolution(72);
    generator.setTitle(page.title);
    QPainter painter(&generator);
    if (!painter.isActive()) return {};
    paint(painter, QRectF(QPointF(0, 0), page.points));
    painter.end();
    return bytes;
}

QByteArray pngBytes(const PageFile& page, const PagePainting& paint) {
    const QSize pixels = (page.points * page.pngDpi / 72.0).toSize();
    QImage image(pixels, QImage::Format_RGB32);
    if (image.isNull()) return {};
    const int dotsPerMetre = static_cast<int>(page.pngDpi / 0.0254 + 0.5);
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::TextAntialiasing);
        paint(painter, QRectF(QPointF(0, 0), QSizeF(pixels)));
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

}  // namespace

QByteArray pageFileBytes(const PageFile& page, CardFileFormat format, const PagePainting& paint) {
    switch (format) {
        case CardFileFormat::Pdf:
            return pdfBytes(page, paint);
        case CardFileFormat::Svg:
            return svgBytes(page, paint);
        default:
            return pngBytes(page, paint);
    }
}

}  // namespace vorlan
