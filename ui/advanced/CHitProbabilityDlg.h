#pragma once
// "Hit Probability": how likely the first shot hits a target aimed at its centre, when the
// load, the range estimate, the wind call, the rifle and shooter and the cant each spread the
// shot by a standard deviation the user gives. The window flies a snapshot of the shot and
// keeps its own inputs with the dialog's shot, whose keys save them.
//
// Every change of an input starts a new run in a worker thread and cancels the one before:
// a first answer from a few hundred samples comes at once, the full run refines it, and a
// last pass puts the misses down to one input. The dialog never waits for a run.
//
//   inputs -> HitInputs (checked) -> worker: quick run -> full run -> miss causes
//                                    -> figures, table, ethical range, scatter, sentence

#include <QWidget>
#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <thread>

#include "engine/HitProbability.h"
#include "shot/ShotParameters.h"
#include "ui/common/ThemedDialog.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QTableWidget;

namespace vorlan {

// The sampled impacts at one range drawn on the target, centred on the aim.
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
    // Whether the last run has ended (the full run and the miss causes); the figures shown
    // are then those of the inputs now in the fields.
    bool finished() const { return finished_; }
    // The last figures shown, and the ranges they are counted at.
    const HitProbabilityResult& shownResult() const { return shown_; }
    // The shot the window flies, with the inputs last read.
    const ShotParameters& shot() const { return shot_; }

private:
    void buildControls();
    void showInputs();
    void onInputChanged();
    void startRun();
    void stopRun();
    // Results from the worker, on the dialog's thread; `generation` tells a stale one.
    void showResult(int generation, const HitProbabilityResult& result, bool quick, double milliseconds);
    void showMisses(int generation, const std::string& text);

    ShotParameters shot_;
    std::function<void(const HitInputs&)> keep_;
    std::vector<int> ranges_;
    QLineEdit *velocitySd_, *coefficientSd_, *rangeSd_, *windSd_, *windDirectionSd_, *precision_, *groupShots_,
        *cantSd_, *targetWidth_, *targetHeight_, *level_, *runs_;
    QComboBox *rangeSdUnit_, *precisionKind_, *targetShape_;
    QLabel *conversion_, *targetFigure_, *ethical_, *misses_, *progress_, *message_;
    QTableWidget* table_;
    HitScatterView* scatter_;
    HitProbabilityResult shown_;
    bool finished_ = false;
    bool targetWasSet_ = false;
    int runCount_ = kDefaultHitRuns;  // the samples of the next run
    int generation_ = 0;
    std::thread worker_;
    std::shared_ptr<std::atomic<bool>> cancel_;
};

}  // namespace vorlan
