#pragma once
// A drawing as a file's bytes: a PDF page, an SVG drawing in points, or a PNG picture at a
// given resolution. The caller paints into the rectangle it is handed; the bytes go to the
// safe writer, so a file is replaced only once the new drawing is complete. The field card
// and the sight picture are written through it.

#include <QByteArray>
#include <QPageLayout>
#include <QSizeF>
#include <QString>
#include <functional>
#include <string>

#include "reports/card/FieldCardLayout.h"
#include "shot/SafeFile.h"

class QPainter;
class QRectF;

namespace vorlan {

struct PageFile {
    QPageLayout layout;  // the PDF's page, without margins
    QSizeF points;       // the SVG drawing's and the PNG picture's size, 1/72 in
    QString title;
    int pngDpi = 300;
};
using PagePainting = std::function<void(QPainter&, const QRectF&)>;

// Empty when it could not be drawn.
QByteArray pageFileBytes(const PageFile& page, CardFileFormat format, const PagePainting& paint);

// Writes a drawing through the safe writer in the format the name `path` (its bytes) ends in;
// a name without a picture's extension becomes a PDF, and `path` gets ".pdf". `draw` gives
// the file's bytes, empty when it could not draw them.
FileOutcome writePageFile(std::string& path, const std::function<QByteArray(CardFileFormat)>& draw);

}  // namespace vorlan
