#pragma once
// "Hit Probability": how likely the first shot hits a target aimed at its centre, when the
// load, the range estimate, the wind call, the rifle and shooter and the cant each spread the
// shot by a standard deviation the user gives. The window flies a snapshot of the shot and
// keeps its own inputs with the dialog's shot, whose keys save them.
//
// Every change of an input starts a new run (HitProbabilityRun) that cancels the one before;
// the window lays the inputs out, reads them and shows what the run delivers.
//
//   inputs -> HitInputs (checked) -> HitProbabilityRun: error budget (samples where it falls
//             back) -> figures, table, ethical range, scatter, method, sentence

#include <functional>
#include <optional>

#include "shot/Units.h"
#include "ui/advanced/HitProbabilityRun.h"
#include "ui/advanced/HitScatterView.h"
#include "ui/common/ThemedDialog.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QTableWidget;

namespace vorlan {

class CHitProbabilityDlg : public ThemedDialog {
    Q_OBJECT
public:
    // `keep` receives the inputs each time they are read without fault (the dialog's shot).
    CHitProbabilityDlg(AppContext& context, ShotParameters shot, std::function<void(const HitInputs&)> keep,
                       QWidget* parent = nullptr);
    ~CHitProbabilityDlg() override;

    // The inputs as the fields now read; none when one cannot be read (the reason in message()).
    std::optional<HitInputs> inputs();
    QString message() const;
    // Whether the last run has ended (the figures and the miss causes); the figures shown
    // are then those of the inputs now in the fields.
    bool finished() const { return run_->finished(); }
    // The last figures shown, and the ranges they are counted at.
    const HitProbabilityResult& shownResult() const { return run_->result(); }
    // The shot the window flies, with the inputs last read.
    const ShotParameters& shot() const { return run_->shot(); }
    // Receives the muzzle velocity (ft/s) the user sets from the chronograph (the dialog's shot);
    // without it the window offers only the spread.
    void setVelocityKeeper(std::function<void(double)> keep) { keepVelocity_ = std::move(keep); }

private:
    // A field of a unit: its quantity, its designed bounds (from 0), the digits its bounds are
    // told with, and its name in messages.
    struct UnitBounds {
        Quantity quantity;
        double most;
        int decimals;
        QString name;
    };

    void buildControls();
    void showInputs();
    // The inputs in the units shown now, and those units beside their fields.
    void showHit(const HitInputs& hit);
    void showUnitLabels();
    // A figure of a quantity as its field shows it: in another unit than the designed one,
    // rounded to the digits the field takes (2 mph shows as 0.9 m/s, not 0.89408).
    QString shown(double designed, Quantity quantity, int decimals) const;
    // Shows the figure in `edit`, which stands for the value while its text stays as shown
    // (figureLeftAsShown), so that looking at a rounded figure does not change the value.
    void showIn(QLineEdit* edit, double designed, Quantity quantity, int decimals);
    QString unitLabel(Quantity quantity) const;
    QString rangeText(int range) const;
    std::optional<double> designed(std::optional<double> typed, const UnitBounds& field, std::string& problem) const;
    void readSpreads(HitSpreads& spreads, std::string& problem);
    void readPrecision(HitSpreads& spreads, std::string& problem);
    void readTarget(HitInputs& hit, std::string& problem);
    void onUnitsChanging();
    void onUnitsChanged();
    void onInputChanged();
    void showResult(const HitProbabilityResult& result, int sampledRanges, double milliseconds);
    void showMisses(const QString& text);
    void onFromChronograph();

    HitProbabilityRun* run_;
    QLineEdit *velocitySd_, *coefficientSd_, *rangeSd_, *windSd_, *windDirectionSd_, *precision_, *groupShots_,
        *cantSd_, *targetWidth_, *targetHeight_, *level_, *runs_;
    QComboBox *rangeSdUnit_, *precisionKind_, *targetShape_;
    QLabel *assumed_, *conversion_, *targetFigure_, *ethical_, *misses_, *progress_, *message_;
    QLabel *velocityUnit_, *windUnit_, *targetUnit_;
    QTableWidget* table_;
    HitScatterView* scatter_;
    bool targetWasSet_ = false;
    bool assumedSpreads_ = false;                 // the typical spreads shown, none being set
    std::optional<HitInputs> beforeUnitsChange_;  // the inputs as read in the units before a change
    int runCount_ = kDefaultHitRuns;              // the samples of the next run
    std::function<void(double)> keepVelocity_;
};

}  // namespace vorlan
