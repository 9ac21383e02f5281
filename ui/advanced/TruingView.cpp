#include "ui/advanced/TruingView.h"

#include <QCoreApplication>
#include <QStringList>
#include <QTableWidget>
#include <algorithm>
#include <cmath>

#include "engine/Holds.h"
#include "reports/chartview/ReportChartSeries.h"
#include "reports/chartview/TrajectoryChartView.h"
#include "reports/table/RangeTable.h"
#include "shot/CLocaleNumbers.h"
#include "shot/ShotCheck.h"
#include "ui/common/SideWindow.h"

namespace vorlan {

namespace {

QString tr(const char* text) { return QCoreApplication::translate("CTruingDlg", text); }

// A reading in the residual table: its name and the decimals it is shown with.
struct QuantityShown {
    const char* quantity;  // as TruingResidual names it
    const char* name;
    const char* format;
};
constexpr QuantityShown kQuantities[] = {
    {"up_moa", "Up (MOA)", "%.2f"},
    {"up_mil", "Up (mil)", "%.3f"},
    {"up_clicks", "Up (clicks)", "%.1f"},
    {"drop_in", "Drop (in.)", "%.2f"},
    {"velocity_fps", "Velocity (f.p.s.)", "%.1f"},
    {"time_s", "Time (s)", "%.4f"},
};

const QuantityShown& shownQuantity(const char* quantity) {
    for (const QuantityShown& q : kQuantities)
        if (std::string_view(q.quantity) == quantity) return q;
    return kQuantities[0];
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
    if (r.dragScale.empty()) return tr("Drag scale: not fitted.");
    if (r.dragScale.size() == 1)
        return tr("Drag scale: %1 \u00b1 %2 over the whole flight.")
            .arg(shownNumber("%.3f", r.dragScale[0].factor), shownNumber("%.3f", r.dragScaleErrors[0]));
    QStringList factors;
    for (std::size_t i = 0; i < r.dragScale.size(); ++i)
        factors << tr("%1 \u00b1 %2 at Mach %3")
                       .arg(shownNumber("%.3f", r.dragScale[i].factor), shownNumber("%.3f", r.dragScaleErrors[i]),
                            shownNumber("%.2f", r.dragScale[i].mach));
    return tr("Drag scale: %1.").arg(factors.join(QStringLiteral("; ")));
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
                                 const TruingResult* result, QWidget* parent) {
    const ShotParameters before = chartedShot(shot, observations);
    auto* view = new TrajectoryChartView(seriesOf(before, cFormat("As entered: %.0f ft/s", before.velocity)), parent);
    if (result && !result->residuals.empty()) {
        ShotParameters after = before;
        applyTruing(after, *result);
        view->addOverlay(seriesOf(
            after, cFormat("Trued: %.0f ft/s, drag scale ", after.velocity) + dragScaleSpan(after.advanced.dragScale)));
    }
    view->setObservations(observedPoints(observations, shot.scope.click));
    view->setLegendLowerLeft(true);
    return view;
}

QString sentence(std::string text) {
    if (!text.empty()) text[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(text[0])));
    return QString::fromStdString(text) + u'.';
}

QString truingResultText(const TruingResult& r) {
    QStringList lines;
    if (!r.residuals.empty()) {
        lines << tr("Velocity: %1 \u00b1 %2 f.p.s.")
                     .arg(shownNumber("%.1f", r.velocity), shownNumber("%.1f", r.velocityError));
        lines << dragScaleLine(r);
        const double readings = static_cast<double>(r.residuals.size());
        lines << tr("Residuals in uncertainties (r.m.s.): %1 before, %2 after.")
                     .arg(shownNumber("%.2f", std::sqrt(r.chiSquareBefore / readings)),
                          shownNumber("%.2f", std::sqrt(r.chiSquareAfter / readings)));
    }
    if (r.outcome != TruingResult::Outcome::Fitted) lines << sentence(r.message);
    return lines.join(u'\n');
}

void showResidualRows(QTableWidget& table, const std::vector<TruingResidual>& residuals) {
    table.setRowCount(static_cast<int>(residuals.size()));
    for (int row = 0; row < static_cast<int>(residuals.size()); ++row) {
        const TruingResidual& r = residuals[static_cast<std::size_t>(row)];
        const QuantityShown& q = shownQuantity(r.quantity);
        const QString cells[] = {shownNumber("%g", r.range),        QString::fromUtf8(q.name),
                                 shownNumber(q.format, r.observed), shownNumber(q.format, r.sigma),
                                 shownNumber(q.format, r.before),   shownNumber(q.format, r.after)};
        for (int column = 0; column < 6; ++column) {
            auto* item = new QTableWidgetItem(cells[column]);
            item->setTextAlignment(column == 1 ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignRight | Qt::AlignVCenter);
            table.setItem(row, column, item);
        }
    }
}

}  // namespace vorlan
