#pragma once
// The sampled impacts at one range drawn on the target, centred on the aim.

#include <QWidget>
#include <vector>

#include "engine/HitProbability.h"

namespace vorlan {

class HitScatterView : public QWidget {
public:
    explicit HitScatterView(QWidget* parent);
    void setImpacts(const HitTarget& target, std::vector<HitImpact> impacts, int range);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    HitTarget target_;
    std::vector<HitImpact> impacts_;
    int range_ = 0;
};

}  // namespace vorlan
