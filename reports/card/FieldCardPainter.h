#pragma once
// Drawing a fitted field card: its lines of fixed-pitch text at the card's type size, thin
// rules under the headings and every fifth row, and, on a sheet of several cards, cut marks
// at the cards' corners. The same drawing serves the window's preview, the printer and the
// PDF, SVG and PNG files, which are drawn into memory and handed over as bytes.

#include <QByteArray>
#include <QPageLayout>
#include <QRectF>
#include <QSizeF>
#include <functional>

#include "reports/card/FieldCardLayout.h"

class QPainter;

namespace vorlan {

// A picture beside the card's table, drawn into the room the card keeps for it
// (FittedCard::pictureWidth), a rectangle in points with the painter in points.
using CardPicture = std::function<void(QPainter& painter, const QRectF& room, double typeSize)>;

// Draws the card into `card`, a rectangle of the card's proportions in the painter's units.
void paintFieldCard(QPainter& painter, const FittedCard& fitted, const QRectF& card,
                    const CardPicture* picture = nullptr);

// Draws the sheet's cards and cut marks into `sheet`, a rectangle of the sheet's proportions.
void paintCardSheet(QPainter& painter, const FittedCard& fitted, const SheetPlan& plan, const QRectF& sheet,
                    const CardPicture* picture = nullptr);

// The card alone or the sheet of cards, as `sheet` says, into `page` (the whole paper).
void paintCardPage(QPainter& painter, const FittedCard& fitted, const SheetPlan* sheet, const QRectF& page,
                   const CardPicture* picture = nullptr);
// The paper that holds it: the card's own size (turned when landscape), or the sheet's.
QSizeF cardPagePoints(const FittedCard& fitted, const SheetPlan* sheet);
// The page a printer or a PDF prints it on: that paper, upright or landscape, without margins.
QPageLayout cardPageLayout(const FittedCard& fitted, const SheetPlan* sheet);

// The card as a file's bytes: a PDF page of the card's size (or the sheet's), an SVG drawing
// in points, or a PNG picture at kCardPngDpi. Empty when it could not be drawn.
inline constexpr int kCardPngDpi = 300;
QByteArray cardFileBytes(const FittedCard& fitted, const SheetPlan* sheet, CardFileFormat format,
                         const CardPicture* picture = nullptr);

}  // namespace vorlan
