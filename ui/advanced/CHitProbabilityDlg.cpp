#include "ui/advanced/CHitProbabilityDlg.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

#include "chart/ChartColours.h"
#include "engine/Catalogue.h"
#include "shot/CLocaleNumbers.h"
#include "shot/HitShotKeys.h"
#include "shot/ShotCheck.h"
#include "shot/ShotSetup.h"
#include "shot/TextNumbers.h"
#include "ui/chronograph/ChronographDialog.h"
#include "ui/common/ControlIds.h"
#include "ui/common/DataExchange.h"

namespace vorlan {

using namespace HitProbabilityIds;

namespace {

constexpr int kLeastRuns = 100;
constexpr int kMostRuns = 1000000;
// The digits after the point of a spread and of the target's size in a unit other than the designed.
constexpr int kSpreadDecimals = 1;
constexpr int kTargetDecimals = 2;

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
    // With distances in metres the hits are counted at whole metres.
    run_->setRangeUnit(context.units.choice().system());
    connect(run_, &HitProbabilityRun::figuresReady, this, &CHitProbabilityDlg::showResult);
    connect(run_, &HitProbabilityRun::missesReady, this, &CHitProbabilityDlg::showMisses);
    buildControls();
    showUnitLabels();
    showInputs();
    onInputChanged();
    connect(&context.units, &ShownUnits::aboutToChange, this, &CHitProbabilityDlg::onUnitsChanging);
    connect(&context.units, &ShownUnits::changed, this, &CHitProbabilityDlg::onUnitsChanged);
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
    showIn(velocitySd_, choice->stats.sd, Quantity::Velocity, kSpreadDecimals);
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
        assumedSpreads_ = true;
    }
    hit.target = shotHitTarget(run_->shot());
    showHit(hit);
    runs_->setText(QString::number(kDefaultHitRuns));
}

void CHitProbabilityDlg::showHit(const HitInputs& hit) {
    if (assumedSpreads_)
        assumed_->setText(tr("No spread is set: assumed are the typical spreads of a practised rifleman (velocity "
                             "%1 %2, coefficient 2 %, range 3 %, wind call %3 %4, precision 0.5 MOA). OK keeps "
                             "them with the shot.")
                              .arg(shown(kTypicalHitSpreads.velocitySd, Quantity::Velocity, kSpreadDecimals),
                                   unitLabel(Quantity::Velocity),
                                   shown(kTypicalHitSpreads.windSd, Quantity::Speed, kSpreadDecimals),
                                   unitLabel(Quantity::Speed)));
    // Shown whole before they are read: a field read beside others still in the old units would
    // start a run of neither.
    std::vector<std::unique_ptr<QSignalBlocker>> quiet;
    for (QObject* input : findChildren<QLineEdit*>()) quiet.push_back(std::make_unique<QSignalBlocker>(input));
    for (QObject* input : findChildren<QComboBox*>()) quiet.push_back(std::make_unique<QSignalBlocker>(input));
    const HitSpreads& s = hit.spreads;
    showIn(velocitySd_, s.velocitySd, Quantity::Velocity, kSpreadDecimals);
    showIn(rangeSd_, s.rangeSd, Quantity::Distance, kSpreadDecimals);
    if (s.rangeSdPercent) {
        rangeSd_->setText(number(s.rangeSd));
        forgetShownFigure(*rangeSd_);
    }
    showIn(windSd_, s.windSd, Quantity::Speed, kSpreadDecimals);
    const std::pair<QLineEdit*, QString> numbers[] = {
        {coefficientSd_, number(s.coefficientSdPercent)},
        {windDirectionSd_, number(s.windDirectionSd)},
        {precision_, number(s.groupShots > 0 ? s.groupMoa : s.precisionMoa)},
        {cantSd_, number(s.cantSd)},
        {level_, number(hit.level * 100.0)},
    };
    for (const auto& [e, text] : numbers) e->setText(text);
    rangeSdUnit_->setCurrentIndex(s.rangeSdPercent ? 1 : 0);
    precisionKind_->setCurrentIndex(s.groupShots > 0 ? 1 : 0);
    groupShots_->setText(QString::number(s.groupShots > 0 ? s.groupShots : 5));
    const HitTarget& target = hit.target.isSet() ? hit.target : shotHitTarget(run_->shot());
    targetShape_->setCurrentIndex(target.shape == HitTarget::Shape::Rectangle ? 1 : 0);
    showIn(targetWidth_, target.width, Quantity::Length, kTargetDecimals);
    showIn(targetHeight_, target.height, Quantity::Length, kTargetDecimals);
    if (target.shape != HitTarget::Shape::Rectangle) {
        targetHeight_->clear();
        forgetShownFigure(*targetHeight_);
    }
}

QString CHitProbabilityDlg::shown(double designed, Quantity quantity, int decimals) const {
    if (context().units.designed(quantity)) return number(designed);
    return DataExchange::shownText(designed, FieldUnit{quantity, decimals}, context().units.of(quantity));
}

void CHitProbabilityDlg::showIn(QLineEdit* edit, double designed, Quantity quantity, int decimals) {
    edit->setText(shown(designed, quantity, decimals));
    rememberShownFigure(*edit, designed);
}

QString CHitProbabilityDlg::unitLabel(Quantity quantity) const {
    return QString::fromUtf8(translated(unitOf(quantity, context().units.of(quantity)).label));
}

// A figure typed in the unit shown, in the designed unit. In the designed unit it is taken as
// it is (the shot's check names its bounds); in another its bounds are checked and told in it.
std::optional<double> CHitProbabilityDlg::designed(std::optional<double> typed, const UnitBounds& field,
                                                   std::string& problem) const {
    const Unit unit = context().units.of(field.quantity);
    if (!typed || std::isnan(*typed) || context().units.designed(field.quantity)) return typed;
    const ShownBounds bounds = shownBounds(0.0, field.most, field.quantity, unit, field.decimals);
    if (bounds.contains(*typed)) return toDesignedWithin(*typed, field.quantity, unit, 0.0, field.most);
    if (problem.empty()) problem = boundsMessage(field.name.toStdString(), bounds, field.quantity, unit);
    return std::nullopt;
}

// The fields are read in the units they show before a change and shown again in the new ones.
void CHitProbabilityDlg::onUnitsChanging() { beforeUnitsChange_ = inputs(); }

void CHitProbabilityDlg::onUnitsChanged() {
    run_->setRangeUnit(context().units.choice().system());
    showUnitLabels();
    if (beforeUnitsChange_) showHit(*beforeUnitsChange_);
    beforeUnitsChange_.reset();
    onInputChanged();
}

std::optional<HitInputs> CHitProbabilityDlg::inputs() {
    std::string problem;
    HitInputs hit;
    readSpreads(hit.spreads, problem);
    readPrecision(hit.spreads, problem);
    readTarget(hit, problem);
    if (const auto level = fieldNumber(level_, kDefaultHitLevel * 100.0, problem, tr("Ethical P(hit)"))) {
        hit.level = *level / 100.0;
        if (!(*level >= 0.0 && *level <= 100.0) && problem.empty())
            problem = tr("Ethical P(hit): a percentage from 0 to 100.").toStdString();
    }
    const std::optional<double> runs = fieldNumber(runs_, kDefaultHitRuns, problem, tr("Samples"));
    if (runs && !(*runs >= kLeastRuns && *runs <= kMostRuns && *runs == std::floor(*runs)) && problem.empty())
        problem = tr("Samples: a whole number from %1 to %2.").arg(kLeastRuns).arg(kMostRuns).toStdString();
    if (runs && problem.empty()) runCount_ = static_cast<int>(*runs);

    if (problem.empty()) problem = hitInputProblem(hit);
    ShotParameters flown = run_->shot();
    flown.hit = hit;
    if (problem.empty()) problem = shotProblem(flown);
    message_->setText(QString::fromStdString(problem));
    if (!problem.empty()) return std::nullopt;
    return hit;
}

void CHitProbabilityDlg::readSpreads(HitSpreads& s, std::string& problem) {
    s.rangeSdPercent = rangeSdUnit_->currentIndex() == 1;
    // The spreads of a unit, and the field each is typed in; the others are percent or degrees.
    const std::pair<QLineEdit*, std::pair<double*, UnitBounds>> spreads[] = {
        {velocitySd_,
         {&s.velocitySd, {Quantity::Velocity, kMostVelocitySd, kSpreadDecimals, tr("Muzzle velocity SD")}}},
        {rangeSd_, {&s.rangeSd, {Quantity::Distance, kMostRangeSdYards, kSpreadDecimals, tr("Range estimate SD")}}},
        {windSd_, {&s.windSd, {Quantity::Speed, kMostWindSd, kSpreadDecimals, tr("Wind call SD")}}},
    };
    for (const auto& [e, to] : spreads) {
        const bool inPercent = e == rangeSd_ && s.rangeSdPercent;
        if (const std::optional<double> kept = inPercent ? std::nullopt : figureLeftAsShown(*e)) {
            *to.first = *kept;
            continue;
        }
        const std::optional<double> typed = fieldNumber(e, 0.0, problem, to.second.name);
        if (const auto value = inPercent ? typed : designed(typed, to.second, problem)) *to.first = *value;
    }
    const std::pair<QLineEdit*, std::pair<double*, QString>> others[] = {
        {coefficientSd_, {&s.coefficientSdPercent, tr("BC SD")}},
        {windDirectionSd_, {&s.windDirectionSd, tr("Wind direction SD")}},
        {cantSd_, {&s.cantSd, tr("Cant SD")}},
    };
    for (const auto& [e, to] : others)
        if (const auto value = fieldNumber(e, 0.0, problem, to.second)) *to.first = *value;
}

void CHitProbabilityDlg::readPrecision(HitSpreads& s, std::string& problem) {
    const bool group = precisionKind_->currentIndex() == 1;
    groupShots_->setEnabled(group);
    conversion_->clear();
    const std::optional<double> precision = fieldNumber(precision_, 0.0, problem, tr("Precision"));
    if (precision && !group) s.precisionMoa = *precision;
    if (!precision || !group) return;
    const std::optional<double> count = fieldNumber(groupShots_, 0.0, problem, tr("Shots in the group"));
    const int n = count && *count == std::floor(*count) && *count >= 2 && *count <= 10 ? static_cast<int>(*count) : 0;
    if (count && n == 0 && problem.empty()) problem = tr("Shots in the group: a group of 2 to 10 shots.").toStdString();
    if (n == 0) return;
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

void CHitProbabilityDlg::readTarget(HitInputs& hit, std::string& problem) {
    const bool rectangle = targetShape_->currentIndex() == 1;
    targetHeight_->setEnabled(rectangle);
    const UnitBounds widthBounds{Quantity::Length, kLargestTarget, kTargetDecimals, tr("Target width")};
    const UnitBounds heightBounds{Quantity::Length, kLargestTarget, kTargetDecimals, tr("Target height")};
    const std::optional<double> typedWidth = fieldNumber(targetWidth_, std::nan(""), problem, widthBounds.name);
    std::optional<double> width = figureLeftAsShown(*targetWidth_);
    if (!width) width = designed(typedWidth, widthBounds, problem);
    std::optional<double> height = rectangle ? figureLeftAsShown(*targetHeight_) : std::optional<double>(0.0);
    if (!height)
        height = designed(fieldNumber(targetHeight_, std::nan(""), problem, heightBounds.name), heightBounds, problem);
    if (width && height) {
        hit.target = {rectangle ? HitTarget::Shape::Rectangle : HitTarget::Shape::Circle, *width, *height};
        // The vital zone as it is stays the vital zone, and follows it: as its figure is shown.
        const bool vitalZone =
            typedWidth ==
            wholeNumber(shown(run_->shot().targetDiameter, Quantity::Length, kTargetDecimals).toStdString());
        if (!targetWasSet_ && !rectangle && vitalZone) hit.target = HitTarget{};
    }
    if (problem.empty() && !(width && *width > 0.0 && height && (!rectangle || *height > 0.0)))
        problem = (context().units.designed(Quantity::Length)
                       ? tr("Target: give its size in inches.")
                       : tr("Target: give its size in %1.").arg(unitLabel(Quantity::Length)))
                      .toStdString();
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
    const int targetRange = run_->targetRange();
    const auto atTarget = std::find_if(result.figures.begin(), result.figures.end(),
                                       [targetRange](const HitRangeFigure& f) { return f.range == targetRange; });
    if (atTarget != result.figures.end())
        targetFigure_->setText(tr("P(hit) at %1: %2 %").arg(rangeText(targetRange), percent(atTarget->probability)) +
                               plusOrMinus(*atTarget));
    else
        targetFigure_->setText(tr("P(hit) at %1: beyond the table").arg(rangeText(targetRange)));
    const std::optional<int> ethical = ethicalRange(result.figures, shot.hit.level);
    const QString level = number(shot.hit.level * 100.0);
    ethical_->setText(
        ethical
            ? tr("Farthest ethical range: %1 (P(hit) stays at or above %2 % up to it).").arg(rangeText(*ethical), level)
            : tr("Farthest ethical range: none (P(hit) is below %1 % at %2 already).")
                  .arg(level, rangeText(result.figures.empty() ? 0 : result.figures.front().range)));
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
    scatter_->setImpacts(shotHitTarget(shot), result.impacts,
                         atTarget != result.figures.end() ? rangeText(targetRange) : QString(), runCount_);
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

// A range counted at, whole yards or whole metres, with its unit: "300 m".
QString CHitProbabilityDlg::rangeText(int range) const {
    return tr("%1 %2").arg(range).arg(run_->rangeUnit() == UnitSystem::Metric ? tr("m") : tr("yd"));
}

void CHitProbabilityDlg::showMisses(const QString& text) {
    misses_->setText(text.isEmpty() ? tr("No input alone makes a miss.") : text);
}

}  // namespace vorlan
