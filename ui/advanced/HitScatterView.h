#pragma once
// The sampled impacts at one range drawn on the target, centred on the aim.

#include <QRectF>
#include <QSize>
#include <QWidget>
#include <vector>

#include "engine/HitProbability.h"

namespace vorlan {

// Where the scatter draws in a widget of `size`: the title at the top and the grid note under
// the square, each across the widget and a line high (two for a text wider than the widget),
// and the square between them, centred, as large as fits but no smaller than 40 pixels.
struct ScatterFrame {
    QRectF title;
    QRectF square;
    QRectF note;
};
ScatterFrame scatterFrame(QSize size, int line, int titleWidth, int noteWidth);

class HitScatterView : public QWidget {
    Q_OBJECT

public:
    explicit HitScatterView(QWidget* parent);
    // The impacts kept of a run of `runs` samples at `range`, as the window names it ("500 yd";
    // empty: none at the target range).
    void setImpacts(const HitTarget& target, std::vector<HitImpact> impacts, const QString& range, int runs);
    // The unit of the grid: so many of it to an inch, and its label ("cm").
    void setGridUnit(double perInch, const QString& label);

    // "Impacts at 500 yd: 1650 of 2000 hit (2000 of 10000 samples shown)".
    QString title() const;

protected:
    void paintEvent(QPaintEvent*) override;

private:
    int hits() const;
    HitTarget target_;
    std::vector<HitImpact> impacts_;
    QString range_;
    int runs_ = 0;
    double perInch_ = 1.0;
    QString unit_ = QStringLiteral("in");
};

}  // namespace vorlan
