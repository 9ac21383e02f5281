#include "ui/advanced/TruingView.h"

#include <QCoreApplication>
#include <QStringList>
#include <QTableWidget>
#include <algorithm>
#include <cmath>

#include "engine/Catalogue.h"
#include "engine/DragFunction.h"
#include "engine/Holds.h"
#include "reports/chartview/ReportChartSeries.h"
#include "reports/chartview/TrajectoryChartView.h"
#include "reports/table/RangeTable.h"
#include "shot/CLocaleNumbers.h"
#include "shot/ShotCheck.h"
#include "ui/advanced/CTruingDlg.h"
#include "ui/common/SideWindow.h"

namespace vorlan {

namespace {

// Each column of the observations, in the order of kObservationColumns: its name in messages
// and the residual table, the decimals a reading of it is shown with, and for a reading the
// shooter reads in units of their choice its quantity and its name without the unit.
struct ColumnShown {
    const char* name;
    const char* format;
    std::optional<Quantity> quantity = std::nullopt;
    const char* label = nullptr;  // for the catalogue, as the exchange's bounds messages name it
};
constexpr ColumnShown kColumnsShown[] = {
    {QT_TRANSLATE_NOOP("vorlan::CTruingDlg", "Range (yd.)"), "%g", Quantity::Distance, N_("Range")},
    {QT_TRANSLATE_NOOP("vorlan::CTruingDlg", "Up (MOA)"), "%.2f"},
    {QT_TRANSLATE_NOOP("vorlan::CTruingDlg", "Up (mil)"), "%.3f"},
    {QT_TRANSLATE_NOOP("vorlan::CTruingDlg", "Up (clicks)"), "%.1f"},
    {QT_TRANSLATE_NOOP("vorlan::CTruingDlg", "Drop (in.)"), "%.2f", Quantity::Offset, N_("Drop")},
    {QT_TRANSLATE_NOOP("vorlan::CTruingDlg", "Velocity (f.p.s.)"), "%.1f", Quantity::Velocity, N_("Velocity")},
    {QT_TRANSLATE_NOOP("vorlan::CTruingDlg", "Time (s)"), "%.4f"},
    {QT_TRANSLATE_NOOP("vorlan::CTruingDlg", "\u00b1 Hold (MOA)"), "%.2f"},
    {QT_TRANSLATE_NOOP("vorlan::CTruingDlg", "\u00b1 Vel. (f.p.s.)"), "%.1f", Quantity::Velocity, N_("\u00b1 Vel.")},
};
static_assert(std::size(kColumnsShown) == std::size(kObservationColumns));

bool designedUnit(Quantity quantity, const UnitChoice& units) {
    return units.of(quantity) == UnitChoice().of(quantity);
}

// A column's name as the residual table shows it, with the unit its readings are shown in.
QString shownName(const ColumnShown& column, const UnitChoice& units) {
    if (!column.quantity || designedUnit(*column.quantity, units)) return CTruingDlg::tr(column.name);
    return CTruingDlg::tr("%1 (%2)").arg(QString::fromUtf8(translated(column.label)),
                                         unitLabel(*column.quantity, units));
}

// A reading of a column in the unit shown. Residuals and uncertainties are differences, which
// the factor alone converts; the quantities here have no offset, so the same call serves both.
double shownValue(const ColumnShown& column, double value, const UnitChoice& units) {
    return column.quantity ? toShown(value, *column.quantity, units.of(*column.quantity)) : value;
}

// The legend's velocity: "2650 ft/s", "808 m/s".
QString chartVelocity(double velocity, const UnitChoice& units) {
    return QStringLiteral("%1 %2").arg(
        shownNumber("%.0f", toShown(velocity, Quantity::Velocity, units.of(Quantity::Velocity))),
        unitLabel(Quantity::Velocity, units));
}

const ColumnShown& shownColumn(std::string_view key) {
    for (std::size_t i = 0; i < std::size(kObservationColumns); ++i)
        if (kObservationColumns[i].name == key) return kColumnsShown[i];
    return kColumnsShown[1];
}

// The shot as a chart flies it: its table long enough to pass the farthest observation.
ShotParameters chartedShot(ShotParameters shot, const std::vector<Observation>& observations) {
    double farthest = 0.0;
    for (const Observation& o : observations) farthest = std::max(farthest, o.range);
    if (farthest > 0.0 && shot.rangeIncrement > 0) {
        const double last = std::min(farthest * 1.1, static_cast<double>(kLongestTable));
        shot.incrementCount = static_cast<int>(std::ceil(last / shot.rangeIncrement));
    }
    return shot;
}

ChartSeries seriesOf(const ShotParameters& shot, const std::string& name) {
    ChartSeries series = chartSeries(shot, RangeTableReport(shot));
    series.name = name;
    return series;
}

QString dragScaleLine(const TruingResult& r) {
    if (r.dragScale.empty()) return CTruingDlg::tr("Drag scale: not fitted.");
    if (r.dragScale.size() == 1)
        return CTruingDlg::tr("Drag scale: %1 \u00b1 %2 over the whole flight.")
            .arg(shownNumber("%.3f", r.dragScale[0].factor), shownNumber("%.3f", r.dragScaleErrors[0]));
    QStringList factors;
    for (std::size_t i = 0; i < r.dragScale.size(); ++i)
        factors << CTruingDlg::tr("%1 \u00b1 %2 at Mach %3")
                       .arg(shownNumber("%.3f", r.dragScale[i].factor), shownNumber("%.3f", r.dragScaleErrors[i]),
                            shownNumber("%.2f", r.dragScale[i].mach));
    return CTruingDlg::tr("Drag scale: %1.").arg(factors.join(QStringLiteral("; ")));
}

}  // namespace

std::vector<ChartObservation> observedPoints(const std::vector<Observation>& observations, ClickValue click) {
    const double clickMoa = radiansToTrueMoa(clickRadians(click));
    const double milMoa = radiansToTrueMoa(1.0 / kMilsPerRadian);
    std::vector<ChartObservation> points;
    for (const TruingReading& r : truingReadings(observations, click)) {
        const std::string_view quantity = r.quantity;
        // A hold up, in true MOA, as inches above the line of sight at the range.
        const auto inches = [&](double moa) { return -std::tan(moa / kTrueMoaPerRadian) * r.range * 36.0; };
        const double moaPer = quantity == "up_moa" ? 1.0 : quantity == "up_mil" ? milMoa : clickMoa;
        if (quantity == "drop_in")
            points.push_back({r.range, r.observed, r.sigma});
        else if (quantity == "velocity_fps")
            points.push_back({r.range, r.observed, r.sigma, true});
        else if (quantity != "time_s")
            points.push_back({r.range, inches(r.observed * moaPer), -inches(r.sigma * moaPer)});
    }
    return points;
}

TrajectoryChartView* truingChart(const ShotParameters& shot, const std::vector<Observation>& observations,
                                 const TruingResult* result, const UnitChoice& units, QWidget* parent) {
    const ShotParameters before = chartedShot(shot, observations);
    const QString entered = CTruingDlg::tr("As entered: %1").arg(chartVelocity(before.velocity, units));
    auto* view = new TrajectoryChartView(seriesOf(before, entered.toStdString()), parent);
    if (result && !result->residuals.empty()) {
        ShotParameters after = before;
        applyTruing(after, *result);
        const QString trued = CTruingDlg::tr("Trued: %1, drag scale %2")
                                  .arg(chartVelocity(after.velocity, units),
                                       QString::fromStdString(dragScaleSpan(after.advanced.dragScale)));
        view->addOverlay(seriesOf(after, trued.toStdString()));
    }
    view->setObservations(observedPoints(observations, shot.scope.click));
    view->setLegendLowerLeft(true);
    view->setUnits(units.system());
    return view;
}

std::string withColumnNames(std::string message) {
    for (std::size_t i = 0; i < std::size(kObservationColumns); ++i) {
        const std::string key(kObservationColumns[i].name);
        for (std::size_t at = message.find(key); at != std::string::npos; at = message.find(key, at))
            message.replace(at, key.size(), CTruingDlg::tr(kColumnsShown[i].name).toStdString());
    }
    return message;
}

int messageColumn(const std::string& message) {
    for (std::size_t i = 0; i < std::size(kObservationColumns); ++i)
        if (message.starts_with(std::string(kObservationColumns[i].name) + ' ')) return static_cast<int>(i);
    return 0;
}

QString sentence(std::string text) {
    if (!text.empty()) text[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(text[0])));
    return QString::fromStdString(text) + u'.';
}

QString truingResultText(const TruingResult& r, const UnitChoice& units) {
    QStringList lines;
    if (!r.residuals.empty()) {
        lines << CTruingDlg::tr("Velocity: %1 \u00b1 %2")
                     .arg(shownNumber("%.1f", toShown(r.velocity, Quantity::Velocity, units.of(Quantity::Velocity))),
                          velocityText(r.velocityError, units));
        lines << dragScaleLine(r);
        const double readings = static_cast<double>(r.residuals.size());
        lines << CTruingDlg::tr("Residuals in uncertainties (r.m.s.): %1 before, %2 after.")
                     .arg(shownNumber("%.2f", std::sqrt(r.chiSquareBefore / readings)),
                          shownNumber("%.2f", std::sqrt(r.chiSquareAfter / readings)));
    }
    if (r.dragFunctionChosen)
        lines << CTruingDlg::tr("Drag function: %1 %2, as its fit leaves the smaller weighted residual.")
                     .arg(QString::fromUtf8(dragFunctionName(r.dragFunction).data()),
                          shownNumber("%.4g", r.ballisticCoefficient));
    if (!r.note.empty()) lines << sentence(r.note);
    if (r.outcome != TruingResult::Outcome::Fitted) lines << sentence(withColumnNames(r.message));
    return lines.join(u'\n');
}

void showResidualRows(QTableWidget& table, const std::vector<TruingResidual>& residuals, const UnitChoice& units) {
    table.setRowCount(static_cast<int>(residuals.size()));
    for (int row = 0; row < static_cast<int>(residuals.size()); ++row) {
        const TruingResidual& r = residuals[static_cast<std::size_t>(row)];
        const ColumnShown& q = shownColumn(r.quantity);
        const auto shown = [&](double value) { return shownNumber(q.format, shownValue(q, value, units)); };
        const QString cells[] = {shownNumber("%g", shownValue(kColumnsShown[0], r.range, units)),
                                 shownName(q, units),
                                 shown(r.observed),
                                 shown(r.sigma),
                                 shown(r.before),
                                 shown(r.after)};
        for (int column = 0; column < 6; ++column) {
            auto* item = new QTableWidgetItem(cells[column]);
            item->setTextAlignment(column == 1 ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignRight | Qt::AlignVCenter);
            table.setItem(row, column, item);
        }
    }
}

std::optional<Quantity> observationQuantity(int column) {
    return kColumnsShown[static_cast<std::size_t>(column)].quantity;
}

const char* observationLabel(int column) { return kColumnsShown[static_cast<std::size_t>(column)].label; }

QString unitLabel(Quantity quantity, const UnitChoice& units) {
    return QString::fromUtf8(translated(unitOf(quantity, units.of(quantity)).label));
}

QString velocityText(double velocity, const UnitChoice& units, const char* format) {
    if (designedUnit(Quantity::Velocity, units)) return CTruingDlg::tr("%1 f.p.s.").arg(shownNumber(format, velocity));
    return QStringLiteral("%1 %2").arg(
        shownNumber(format, toShown(velocity, Quantity::Velocity, units.of(Quantity::Velocity))),
        unitLabel(Quantity::Velocity, units));
}

}  // namespace vorlan
