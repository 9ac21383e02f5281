#pragma once
// A small plot of a chronograph string: each shot's velocity by its number, the shots left out
// drawn hollow, and the mean of those kept as a line.

#include <QWidget>
#include <vector>

namespace vorlan {

class ChronoPlot : public QWidget {
    Q_OBJECT
public:
    explicit ChronoPlot(QWidget* parent = nullptr);

    // The velocities (ft/s) in shot order, whether each is kept, and the mean of those kept.
    void setShots(std::vector<double> velocities, std::vector<bool> kept, double mean);

    QSize sizeHint() const override { return {360, 140}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<double> velocities_;
    std::vector<bool> kept_;
    double mean_ = 0.0;
};

}  // namespace vorlan
