#pragma once
// Drawing a sight picture: the scope's circle, the reticle from its geometry, and the aiming
// points, each labelled with its range (the wind dots coloured by their wind); a hold beyond
// the reticle's reach is drawn at the edge with an arrow and its value. The same drawing
// serves the window, the printer (one square page) and the PDF, SVG and PNG files.

#include <QByteArray>
#include <QPageLayout>
#include <QRectF>
#include <vector>

#include "reports/card/FieldCardLayout.h"
#include "reports/card/FieldCardPainter.h"
#include "reports/sight/SightPicture.h"

class QPainter;

namespace vorlan {

// Draws into the largest square centred in `area`.
void paintSightPicture(QPainter& painter, const SightPicture& picture, const QRectF& area);

// The ladder alone beside a field card's table: the part of the reticle the points fall on,
// within `room` (points), its texts at about `typeSize`.
void paintSightLadder(QPainter& painter, const SightPicture& picture, const QRectF& room, double typeSize);

// The ladder as the picture beside a field card's table.
CardPicture sightLadderPicture(SightPicture picture);

// Where a point's label goes: `right` (its ground to the right of the point at x `pointX`) if
// it lies within `bounds` clear of every rectangle `taken` (the dots and the labels placed
// before), else the same to the left of the point, else a line lower or higher, stepping
// further out; `right` when nothing near is clear.
QRectF placeLabel(const QRectF& right, double pointX, const std::vector<QRectF>& taken, const QRectF& bounds);

// The printed page: a square of this many points (6 in), without margins.
inline constexpr double kSightPagePoints = 432.0;
QPageLayout sightPageLayout();
// The picture as a file's bytes (PDF, SVG, or PNG at 200 dpi); empty when it could not be drawn.
QByteArray sightFileBytes(const SightPicture& picture, CardFileFormat format);

}  // namespace vorlan
