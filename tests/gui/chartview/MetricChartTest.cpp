// The chart of a range table window in metric, through the real window on the offscreen
// platform: View ▸ Units ▸ Metric turns its axes, labels, readout and exported picture to
// metres, centimetres and m/s on round ticks, and Imperial brings back the same picture.

#include <QAction>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>
#include <sstream>

#include "chart/ChartGeometry.h"
#include "reports/chartview/ChartDialogs.h"
#include "reports/chartview/ReportChartSeries.h"
#include "reports/chartview/TrajectoryChartCommands.h"
#include "reports/chartview/TrajectoryChartView.h"
#include "reports/table/RangeTable.h"
#include "reports/table/TableViewCommands.h"
#include "reports/table/TrajectoryTableScrollView.h"
#include "reports/table/TrajectoryWindow.h"
#include "tests/gui/table/TableOwnerStub.h"
#include "tests/support/CalcTestLoads.h"

using namespace vorlan;

namespace {

// The shared .308 load, zeroed at 200 yd with a target at 600 yd, a row every 50 yd.
ShotParameters rifle() {
    ShotParameters shot = testing::load308();
    shot.sightInRange = 200;
    shot.targetRange = 600;
    shot.rangeIncrement = 50;
    shot.incrementCount = 20;
    return shot;
}

struct SvgText {
    double x, y;
    QString text;
};

// The texts of an exported SVG with their anchor points.
std::vector<SvgText> svgTexts(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    const QString svg = QString::fromUtf8(file.readAll());
    static const QRegularExpression text(R"re(<text[^>]* x="([-\d.]+)" y="([-\d.]+)"[^>]*>([^<]*)</text>)re");
    std::vector<SvgText> texts;
    for (auto it = text.globalMatch(svg); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        texts.push_back({m.captured(1).toDouble(), m.captured(2).toDouble(), m.captured(3)});
    }
    return texts;
}

// True when `ticks` step evenly by 1, 2 or 5 times a power of ten, each a whole number of steps.
bool roundTicks(const std::vector<double>& ticks) {
    if (ticks.size() < 3) return false;
    const double step = ticks[1] - ticks[0];
    const double unit = step / std::pow(10.0, std::floor(std::log10(step)));
    if (std::fabs(unit - 1) > 1e-9 && std::fabs(unit - 2) > 1e-9 && std::fabs(unit - 5) > 1e-9) return false;
    for (std::size_t i = 0; i < ticks.size(); ++i)
        if (std::fabs(ticks[i] - ticks[0] - step * static_cast<double>(i)) > 1e-9 ||
            std::fabs(std::remainder(ticks[i], step)) > 1e-9)
            return false;
    return true;
}

}  // namespace

class TestMetricChart : public QObject {
    Q_OBJECT
private slots:
    void unitsMenuTurnsTheChartMetricAndBack();
    void exportedMetricChartHasMetricTitlesAndRoundTicks();
};

void TestMetricChart::unitsMenuTurnsTheChartMetricAndBack() {
    TableOwnerStub owner;
    const ShotParameters shot = rifle();
    const auto report = std::make_shared<const RangeTableReport>(shot);
    TrajectoryWindow* window = openTrajectoryWindow(owner, shot, report, nullptr, chartSeries(shot, *report));
    owner.windows.push_back(window);
    window->resize(1000, 650);
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QTest::keyClick(window, Qt::Key_2, Qt::ControlModifier);
    TrajectoryChartView* chart = window->chartCommands()->chart();
    QVERIFY(chart->isVisible());
    chart->setCursorRange(300);
    const QImage imperial = chart->grab().toImage();

    window->findChild<QAction*>("viewMetric")->trigger();
    QCOMPARE(chart->scene().units, UnitSystem::Metric);
    QVERIFY(chart->grab().toImage() != imperial);
    // The readout at 300 yd is the metric table's row there, column by column: 300 yd is 274.32 m.
    const ChartReadout readout = chartReadout(chart->scene().series.front().rows[300], UnitSystem::Metric);
    QCOMPARE(readout[0], std::make_pair(std::string("Range (m)"), std::string("274.3")));
    std::string line;
    for (const std::string& l : window->view()->lines())
        if (l.find(" 274.3 ") != std::string::npos && l.find_first_not_of(' ') == l.find("274.3")) line = l;
    QVERIFY(!line.empty());
    std::istringstream columns(line);
    for (const auto& [name, value] : readout) {
        std::string column;
        columns >> column;
        QCOMPARE(QString::fromStdString(value), QString::fromStdString(column));
    }

    window->findChild<QAction*>("viewImperial")->trigger();
    QCOMPARE(chart->scene().units, UnitSystem::Imperial);
    QCOMPARE(chart->grab().toImage(), imperial);
}

void TestMetricChart::exportedMetricChartHasMetricTitlesAndRoundTicks() {
    QTemporaryDir dir;
    TrajectoryChartView chart(chartSeries(rifle(), RangeTableReport(rifle())));
    chart.resize(1000, 600);
    chart.show();
    QVERIFY(QTest::qWaitForWindowExposed(&chart));
    chartDialogs() = standardChartDialogs();
    for (const UnitSystem units : {UnitSystem::Imperial, UnitSystem::Metric}) {
        chart.setUnits(units);
        const QString path = dir.filePath(units == UnitSystem::Metric ? "metric.svg" : "imperial.svg");
        chartDialogs().askExportFileName = [&](QWidget*, const QString&) { return path; };
        exportChartCommand(chart, nullptr);
        const std::vector<SvgText> texts = svgTexts(path);
        ChartScene exported = chart.scene();
        exported.title = QStringLiteral("308 Win 175 gr");
        const ChartGeometry g(exported, QRectF(chart.rect()), 1.0);
        const ChartUnits& u = chartUnits(units);
        QStringList all;
        std::vector<double> along, left, right;  // tick labels under, left of and right of the plot
        // How far each side label's baseline lies below the height of the value it names.
        std::vector<double> leftOffsets, rightOffsets;
        const bool metric = units == UnitSystem::Metric;
        const double cmPerInch = metric ? 2.54 : 1.0, mpsPerFps = metric ? 0.3048 : 1.0;
        for (const SvgText& t : texts) {
            all << t.text;
            bool number = false;
            const double value = t.text.toDouble(&number);
            if (!number) continue;
            if (t.y > g.plot.bottom() + 8) {  // the baselines of the range labels, under the plot's edge
                along.push_back(value);
            } else if (t.x < g.plot.left()) {
                left.push_back(value);
                leftOffsets.push_back(t.y - g.yAtInches(value / cmPerInch));
            } else if (t.x > g.plot.right()) {
                right.push_back(value);
                rightOffsets.push_back(t.y - g.yAtVelocity(value / mpsPerFps));
            }
        }
        // Every label stands at its value: the speeds in m/s are the axis's ft/s times 0.3048,
        // the centimetres its inches times 2.54, so each baseline lies the same small distance
        // below the height of its value.
        for (const std::vector<double>* offsets : {&leftOffsets, &rightOffsets}) {
            QVERIFY(offsets->size() >= 3);
            for (const double offset : *offsets)
                QVERIFY2(std::fabs(offset - offsets->front()) < 1.0 && std::fabs(offset) < 20.0,
                         qPrintable(QStringLiteral("a label %1 px off its value").arg(offset)));
        }
        for (const QString& title :
             {QStringLiteral("Range (%1)").arg(u.range), QStringLiteral("Drop and windage (%1)").arg(u.small),
              QStringLiteral("Velocity (%1)").arg(u.velocity)})
            QVERIFY2(all.contains(title), qPrintable(title));
        // No figure or title is in a unit of the other system.
        const QRegularExpression other(units == UnitSystem::Metric ? R"((\d |\(|··· )(yd|in|ft/s)\b)"
                                                                   : R"((\d |\(|··· )(m|cm|m/s)\b)");
        QVERIFY2(all.filter(other).isEmpty(), qPrintable(all.filter(other).join(u'|')));
        QVERIFY(roundTicks(along) && roundTicks(left) && roundTicks(right));
        // The last range tick lies within the chart's range in the shown unit.
        QVERIFY(along.back() <= g.fullRange.high * u.perYard + 1e-9);
        QVERIFY(along.back() + (along[1] - along[0]) > g.fullRange.high * u.perYard);
    }
}

QTEST_MAIN(TestMetricChart)
#include "MetricChartTest.moc"
