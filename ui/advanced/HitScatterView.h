#pragma once
// The sampled impacts at one range drawn on the target, centred on the aim.

#include <QWidget>
#include <vector>

#include "engine/HitProbability.h"

namespace vorlan {

class HitScatterView : public QWidget {
public:
    explicit HitScatterView(QWidget* parent);
    // The impacts kept of a run of `runs` samples at `range` yd (0: none at the target range).
    void setImpacts(const HitTarget& target, std::vector<HitImpact> impacts, int range, int runs);

    // "Impacts at 500 yd: 1650 of 2000 hit (2000 of 10000 samples shown)".
    QString title() const;

protected:
    void paintEvent(QPaintEvent*) override;

private:
    int hits() const;
    HitTarget target_;
    std::vector<HitImpact> impacts_;
    int range_ = 0;
    int runs_ = 0;
};

}  // namespace vorlan
