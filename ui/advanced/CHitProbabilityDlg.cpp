#include "ui/advanced/CHitProbabilityDlg.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <algorithm>
#include <cmath>

#include "chart/ChartColours.h"
#include "shot/CLocaleNumbers.h"
#include "shot/HitShotKeys.h"
#include "shot/ShotCheck.h"
#include "shot/ShotSetup.h"
#include "shot/TextNumbers.h"
#include "ui/chronograph/ChronographDialog.h"
#include "ui/common/ControlIds.h"

namespace vorlan {

using namespace HitProbabilityIds;

namespace {

constexpr int kLeastRuns = 100;
constexpr int kMostRuns = 1000000;

QString number(double value) { return QString::fromStdString(cFormat("%g", value)); }

QString percent(double probability) { return QString::fromStdString(cFormat("%.1f", probability * 100.0)); }

// " ± 1.2 %": none where the samples all hit (or all missed), as they leave no error to tell.
QString plusOrMinus(const HitRangeFigure& figure) {
    return figure.standardError > 0.0 ? CHitProbabilityDlg::tr(" ± %1 %").arg(percent(figure.standardError))
                                      : QString();
}

// The text of a field as a number; an empty field reads as `empty`.
std::optional<double> fieldNumber(const QLineEdit* edit, double empty, std::string& problem, const QString& name) {
    const QString text = edit->text().trimmed();
    if (text.isEmpty()) return empty;
    if (const std::optional<double> value = wholeNumber(text.toStdString())) return value;
    if (problem.empty()) problem = CHitProbabilityDlg::tr("%1: \"%2\" is not a number.").arg(name, text).toStdString();
    return std::nullopt;
}

}  // namespace

CHitProbabilityDlg::CHitProbabilityDlg(AppContext& context, ShotParameters shot,
                                       std::function<void(const HitInputs&)> keep, QWidget* parent)
    : ThemedDialog(context, kTemplate, parent), run_(new HitProbabilityRun(std::move(shot), std::move(keep), this)) {
    setWindowTitle(tr("Hit Probability - %1").arg(QString::fromStdString(run_->shot().name)));
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    targetWasSet_ = run_->shot().hit.target.isSet();
    connect(run_, &HitProbabilityRun::figuresReady, this, &CHitProbabilityDlg::showResult);
    connect(run_, &HitProbabilityRun::missesReady, this, &CHitProbabilityDlg::showMisses);
    buildControls();
    showInputs();
    onInputChanged();
}

// The SD of the shots kept sets the velocity spread, which starts a run; the mean sets the
// shot's muzzle velocity too when the user asks and the opener keeps it.
void CHitProbabilityDlg::onFromChronograph() {
    const std::optional<ChronographChoice> choice = chooseFromChronograph(context(), this, bool(keepVelocity_));
    if (!choice) return;
    if (choice->setVelocity) {
        run_->setVelocity(choice->stats.mean);
        keepVelocity_(choice->stats.mean);
    }
    velocitySd_->setText(number(choice->stats.sd));
    onInputChanged();  // the velocity may have changed while the SD text did not
}

CHitProbabilityDlg::~CHitProbabilityDlg() {
    run_->stop();
    leaveOpenDialogs();
}

void CHitProbabilityDlg::showInputs() {
    HitInputs hit = run_->shot().hit;
    if (!hitSpreadsSet(run_->shot())) {
        // Without a spread every shot hits to the table's end: start from typical ones instead.
        hit.spreads = kTypicalHitSpreads;
        assumed_->setText(
            tr("No spread is set: assumed are the typical spreads of a practised rifleman (velocity "
               "10 ft/s, coefficient 2 %, range 3 %, wind call 2 mph, precision 0.5 MOA). OK keeps "
               "them with the shot."));
    }
    const HitSpreads& s = hit.spreads;
    const std::pair<QLineEdit*, double> numbers[] = {
        {velocitySd_, s.velocitySd},
        {coefficientSd_, s.coefficientSdPercent},
        {rangeSd_, s.rangeSd},
        {windSd_, s.windSd},
        {windDirectionSd_, s.windDirectionSd},
        {precision_, s.groupShots > 0 ? s.groupMoa : s.precisionMoa},
        {cantSd_, s.cantSd},
        {level_, hit.level * 100.0},
    };
    for (const auto& [e, value] : numbers) e->setText(number(value));
    rangeSdUnit_->setCurrentIndex(s.rangeSdPercent ? 1 : 0);
    precisionKind_->setCurrentIndex(s.groupShots > 0 ? 1 : 0);
    groupShots_->setText(QString::number(s.groupShots > 0 ? s.groupShots : 5));
    const HitTarget target = shotHitTarget(run_->shot());
    targetShape_->setCurrentIndex(target.shape == HitTarget::Shape::Rectangle ? 1 : 0);
    targetWidth_->setText(number(target.width));
    targetHeight_->setText(target.shape == HitTarget::Shape::Rectangle ? number(target.height) : QString());
    runs_->setText(QString::number(kDefaultHitRuns));
}

std::optional<HitInputs> CHitProbabilityDlg::inputs() {
    std::string problem;
    HitInputs hit;
    HitSpreads& s = hit.spreads;
    const std::pair<QLineEdit*, std::pair<double*, QString>> spreads[] = {
        {velocitySd_, {&s.velocitySd, tr("Muzzle velocity SD")}},
        {coefficientSd_, {&s.coefficientSdPercent, tr("BC SD")}},
        {rangeSd_, {&s.rangeSd, tr("Range estimate SD")}},
        {windSd_, {&s.windSd, tr("Wind call SD")}},
        {windDirectionSd_, {&s.windDirectionSd, tr("Wind direction SD")}},
        {cantSd_, {&s.cantSd, tr("Cant SD")}},
    };
    for (const auto& [e, to] : spreads)
        if (const auto value = fieldNumber(e, 0.0, problem, to.second)) *to.first = *value;
    s.rangeSdPercent = rangeSdUnit_->currentIndex() == 1;

    const bool group = precisionKind_->currentIndex() == 1;
    groupShots_->setEnabled(group);
    conversion_->clear();
    const std::optional<double> precision = fieldNumber(precision_, 0.0, problem, tr("Precision"));
    if (precision && !group) s.precisionMoa = *precision;
    if (precision && group) {
        const std::optional<double> count = fieldNumber(groupShots_, 0.0, problem, tr("Shots in the group"));
        const int n =
            count && *count == std::floor(*count) && *count >= 2 && *count <= 10 ? static_cast<int>(*count) : 0;
        if (count && n == 0 && problem.empty())
            problem = tr("Shots in the group: a group of 2 to 10 shots.").toStdString();
        if (n > 0) {
            s.precisionMoa = precisionFromGroup(*precision, n);
            s.groupMoa = *precision;
            s.groupShots = n;
            conversion_->setText(
                tr("Groups of %1 shots measuring %2 MOA from centre to centre, on average, are a spread of %3 MOA "
                   "per axis: the mean extreme spread of %1 shots is %4 standard deviations.")
                    .arg(n)
                    .arg(number(*precision))
                    .arg(QString::fromStdString(cFormat("%.3f", s.precisionMoa)))
                    .arg(QString::fromStdString(cFormat("%.3f", 1.0 / precisionFromGroup(1.0, n)))));
        }
    }

    const bool rectangle = targetShape_->currentIndex() == 1;
    targetHeight_->setEnabled(rectangle);
    const std::optional<double> width = fieldNumber(targetWidth_, std::nan(""), problem, tr("Target width"));
    const std::optional<double> height =
        rectangle ? fieldNumber(targetHeight_, std::nan(""), problem, tr("Target height")) : std::optional<double>(0.0);
    if (width && height) {
        hit.target = {rectangle ? HitTarget::Shape::Rectangle : HitTarget::Shape::Circle, *width, *height};
        // The vital zone as it is stays the vital zone, and follows it.
        if (!targetWasSet_ && !rectangle && *width == run_->shot().targetDiameter) hit.target = HitTarget{};
    }
    if (const auto level = fieldNumber(level_, kDefaultHitLevel * 100.0, problem, tr("Ethical P(hit)"))) {
        hit.level = *level / 100.0;
        if (!(*level >= 0.0 && *level <= 100.0) && problem.empty())
            problem = tr("Ethical P(hit): a percentage from 0 to 100.").toStdString();
    }
    const std::optional<double> runs = fieldNumber(runs_, kDefaultHitRuns, problem, tr("Samples"));
    if (runs && !(*runs >= kLeastRuns && *runs <= kMostRuns && *runs == std::floor(*runs)) && problem.empty())
        problem = tr("Samples: a whole number from %1 to %2.").arg(kLeastRuns).arg(kMostRuns).toStdString();
    if (runs && problem.empty()) runCount_ = static_cast<int>(*runs);

    if (problem.empty() && !(width && *width > 0.0 && height && (!rectangle || *height > 0.0)))
        problem = tr("Target: give its size in inches.").toStdString();
    if (problem.empty()) problem = hitInputProblem(hit);
    ShotParameters flown = run_->shot();
    flown.hit = hit;
    if (problem.empty()) problem = shotProblem(flown);
    message_->setText(QString::fromStdString(problem));
    if (!problem.empty()) return std::nullopt;
    return hit;
}

QString CHitProbabilityDlg::message() const { return message_->text(); }

void CHitProbabilityDlg::onInputChanged() {
    const std::optional<HitInputs> hit = inputs();
    const bool assumed = !assumed_->text().isEmpty();
    if (!hit) {
        run_->stop();
        progress_->clear();
        return;
    }
    if (!run_->start(*hit, runCount_, !assumed)) {
        progress_->setText(tr("The table has no range to count hits at."));
        return;
    }
    progress_->setText(tr("Counting..."));
    misses_->clear();
}

void CHitProbabilityDlg::showResult(const HitProbabilityResult& result, int sampledRanges, double milliseconds) {
    const ShotParameters& shot = run_->shot();
    const int targetRange = static_cast<int>(std::lround(shot.targetRange));
    const auto atTarget = std::find_if(result.figures.begin(), result.figures.end(),
                                       [targetRange](const HitRangeFigure& f) { return f.range == targetRange; });
    if (atTarget != result.figures.end())
        targetFigure_->setText(tr("P(hit) at %1 yd: %2 %").arg(targetRange).arg(percent(atTarget->probability)) +
                               plusOrMinus(*atTarget));
    else
        targetFigure_->setText(tr("P(hit) at %1 yd: beyond the table").arg(targetRange));
    const std::optional<int> ethical = ethicalRange(result.figures, shot.hit.level);
    const QString level = number(shot.hit.level * 100.0);
    ethical_->setText(
        ethical ? tr("Farthest ethical range: %1 yd (P(hit) stays at or above %2 % up to it).").arg(*ethical).arg(level)
                : tr("Farthest ethical range: none (P(hit) is below %1 % at %2 yd already).")
                      .arg(level)
                      .arg(result.figures.empty() ? 0 : result.figures.front().range));
    table_->setRowCount(static_cast<int>(result.figures.size()));
    for (std::size_t i = 0; i < result.figures.size(); ++i) {
        const HitRangeFigure& f = result.figures[i];
        // A range the error budget left to the samples says so beside its error.
        const QString error = f.standardError > 0.0 ? percent(f.standardError) : QString();
        const QString cells[] = {QString::number(f.range), percent(f.probability),
                                 f.sampled && sampledRanges > 0 ? tr("%1 sampled").arg(error) : error};
        for (int c = 0; c < 3; ++c) {
            auto* item = new QTableWidgetItem(cells[c]);
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            QFont font = item->font();
            font.setBold(f.range == targetRange);
            item->setFont(font);
            if (!ethical || f.range > *ethical) item->setForeground(chartColoursFor(palette()).beyondReachText);
            table_->setItem(static_cast<int>(i), c, item);
        }
    }
    scatter_->setImpacts(shotHitTarget(shot), result.impacts, atTarget != result.figures.end() ? targetRange : 0,
                         runCount_);
    const QString timing = QString::fromStdString(cFormat("%.0f", milliseconds));
    progress_->setText(sampledRanges == 0
                           ? tr("Error budget, in %1 ms.").arg(timing)
                           : tr("Error budget, in %1 ms; %2 of %3 ranges sampled (%4 samples, seed %5), the impact "
                                "being far from linear there.")
                                 .arg(timing)
                                 .arg(sampledRanges)
                                 .arg(result.figures.size())
                                 .arg(result.runs)
                                 .arg(HitProbabilityRun::kSeed));
}

void CHitProbabilityDlg::showMisses(const QString& text) {
    misses_->setText(text.isEmpty() ? tr("No input alone makes a miss.") : text);
}

}  // namespace vorlan
