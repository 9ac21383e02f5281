// The chart of a range table window, through the real window on the offscreen platform: the
// View menu, the series and markers, the readout against the table's own rows, zoom and pan,
// overlays, export and printing.

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QWheelEvent>
#include <numbers>
#include <sstream>

#include "chart/ChartExport.h"
#include "chart/ChartGeometry.h"
#include "chart/ChartPainter.h"
#include "reports/chartview/ChartDialogs.h"
#include "reports/chartview/ReportChartSeries.h"
#include "reports/chartview/TrajectoryChartCommands.h"
#include "reports/chartview/TrajectoryChartView.h"
#include "reports/table/RangeTable.h"
#include "reports/table/TableText.h"
#include "reports/table/TableWindowOwner.h"
#include "reports/table/TrajectoryTable.h"
#include "reports/table/TrajectoryTableScrollView.h"
#include "reports/table/TrajectoryWindow.h"
#include "tests/gui/table/TableOwnerStub.h"

using namespace vorlan;

namespace {

class Owner : public TableOwnerStub {
public:
    // Opens a window as the Range Table command does.
    TrajectoryWindow* open(const ShotParameters& shot) {
        const RangeTableReport report(shot);
        windows.push_back(
            openTrajectoryWindow(*this, rangeTableLines(shot, report), shot.name, nullptr, chartSeries(shot, report)));
        windows.back()->resize(1000, 650);
        return windows.back();
    }
};

ShotParameters rifle(const char* name = "308 Win 175 gr", double velocity = 2700) {
    ShotParameters shot;
    shot.name = name;
    shot.velocity = velocity;
    shot.weight = 175;
    shot.ballisticCoefficient = 0.243;
    shot.dragFunction = 4;  // G7
    shot.sightInRange = 200;
    shot.targetRange = 600;
    shot.rangeIncrement = 50;
    shot.incrementCount = 30;
    shot.crosswind = 10;
    return shot;
}

TrajectoryChartView* shownChart(TrajectoryWindow* window) {
    window->show();
    window->chartCommands()->showChart();
    TrajectoryChartView* chart = window->chartCommands()->chart();
    [[maybe_unused]] const bool exposed = QTest::qWaitForWindowExposed(window);
    return chart;
}

// Pixels of `color` (within a small tolerance) in a column band of an image.
int pixelsNear(const QImage& image, const QColor& color, int x0, int x1, int y0, int y1) {
    int count = 0;
    for (int x = std::max(0, x0); x <= std::min(image.width() - 1, x1); ++x)
        for (int y = std::max(0, y0); y <= std::min(image.height() - 1, y1); ++y) {
            const QColor c = image.pixelColor(x, y);
            if (std::abs(c.red() - color.red()) + std::abs(c.green() - color.green()) +
                    std::abs(c.blue() - color.blue()) <
                60)
                ++count;
        }
    return count;
}

}  // namespace

class TestTrajectoryChart : public QObject {
    Q_OBJECT
private slots:
    void viewMenuSwitchesAndKeepsDesignedFileItems();
    void seriesAndMarkersOnTheChart();
    void readoutEqualsTheTableRowAndArrowKeysMoveIt();
    void zoomPanRubberBandAndReset();
    void overlaysFromOtherWindowsAndTheirRemoval();
    void exportedPicturesAreReadableAndShowTheTrajectory();
    void printWhileChartShownPrintsOnePage();
    void labelsNeverOverlap_data();
    void labelsNeverOverlap();
    void hitCurveAgainstTheClosedForm();
    void readoutFollowsZoomAndLeavesWithThePointer();
};

void TestTrajectoryChart::viewMenuSwitchesAndKeepsDesignedFileItems() {
    Owner owner;
    TrajectoryWindow* window = owner.open(rifle());
    QVERIFY(QTest::qWaitForWindowExposed(window));
    const QList<QAction*> menus = window->menuBar()->actions();
    QCOMPARE(menus.size(), 3);
    QCOMPARE(menus[0]->text(), QStringLiteral("&File"));
    QCOMPARE(menus[2]->text(), QStringLiteral("&View"));
    QStringList file;
    for (QAction* action : menus[0]->menu()->actions()) file << (action->isSeparator() ? "-" : action->text());
    QCOMPARE(file, QStringList({"&Save As ...", "-", "&Print...\tCtrl+P", "Print Pre&view", "P&rint Setup...", "-",
                                "E&xport CSV...", "Field C&ard...", "&Hit Probability...", "&Truing...", "&Library...",
                                "-", "&Export Chart...", "-", "&Close\tCtrl+W"}));
    QStringList view;
    for (QAction* action : menus[2]->menu()->actions())
        if (!action->isSeparator()) view << action->text() + "|" + action->shortcut().toString();
    QCOMPARE(view.mid(0, 2), QStringList({"&Table|Ctrl+1", "&Chart|Ctrl+2"}));
    auto* toolbar = window->findChild<QToolBar*>("viewToolBar");
    QVERIFY(toolbar && toolbar->actions().contains(window->findChild<QAction*>("viewChart")));

    TrajectoryChartCommands* commands = window->chartCommands();
    QVERIFY(!commands->chartShown());
    QTest::keyClick(window, Qt::Key_2, Qt::ControlModifier);
    QVERIFY(commands->chartShown());
    QVERIFY(commands->chart()->isVisible());
    QTest::keyClick(window, Qt::Key_1, Qt::ControlModifier);
    QVERIFY(!commands->chartShown());
    QVERIFY(window->view()->isVisible());
}

void TestTrajectoryChart::seriesAndMarkersOnTheChart() {
    Owner owner;
    const ShotParameters shot = rifle();
    TrajectoryChartView* chart = shownChart(owner.open(shot));
    const ChartSeries& series = chart->scene().series.front();
    // Every recorded yard, not only the printed rows.
    QCOMPARE(static_cast<int>(series.rows.size()), RangeTableReport(shot).tableTrajectory().lastRowIndex + 1);
    QCOMPARE(series.rows.size(), 1501u);

    const QImage image = chart->grab().toImage();
    image.save(QCoreApplication::applicationDirPath() + "/chart-window.png");
    const ChartGeometry g = chart->chartGeometry();
    const int top = static_cast<int>(g.plot.top()) + 60, bottom = static_cast<int>(g.plot.bottom()) - 40;
    // The dashed sight-in (green) and target (red) markers stand at their ranges, and nowhere
    // else in between.
    const int sightIn = static_cast<int>(g.xAt(200)), target = static_cast<int>(g.xAt(600));
    QVERIFY(pixelsNear(image, QColor(0, 130, 0), sightIn - 1, sightIn + 1, top, bottom) > 40);
    QVERIFY(pixelsNear(image, QColor(200, 0, 0), target - 1, target + 1, top, bottom) > 40);
    QCOMPARE(pixelsNear(image, QColor(0, 130, 0), sightIn + 20, target - 20, top, bottom), 0);
    // The line of sight crosses the whole plot at 0 in.
    const int los = static_cast<int>(g.yAtInches(0.0));
    QVERIFY(pixelsNear(image, QColor(90, 90, 90), static_cast<int>(g.plot.left()), static_cast<int>(g.plot.right()),
                       los - 1, los + 1) > g.plot.width() * 0.8);
}

void TestTrajectoryChart::readoutEqualsTheTableRowAndArrowKeysMoveIt() {
    Owner owner;
    TrajectoryWindow* window = owner.open(rifle());
    TrajectoryChartView* chart = shownChart(window);
    const ChartGeometry g = chart->chartGeometry();
    QTest::mouseMove(chart, QPoint(static_cast<int>(g.xAt(300.2)), static_cast<int>(g.plot.center().y())));
    QCOMPARE(chart->scene().cursorRange.value_or(-1), 300.0);

    // The table window's own row at 300 yd, column by column.
    std::string line;
    for (const std::string& l : window->document().lines())
        if (l.starts_with("  300 ")) line = l;
    QVERIFY(!line.empty());
    std::istringstream columns(line);
    for (const auto& [name, value] : chartReadout(chart->scene().series.front().rows[300])) {
        std::string column;
        columns >> column;
        QCOMPARE(QString::fromStdString(value), QString::fromStdString(column));
    }

    QTest::keyClick(chart, Qt::Key_Right);
    QCOMPARE(*chart->scene().cursorRange, 301.0);
    QTest::keyClick(chart, Qt::Key_Right, Qt::ShiftModifier);
    QCOMPARE(*chart->scene().cursorRange, 311.0);
    QTest::keyClick(chart, Qt::Key_Left);
    QCOMPARE(*chart->scene().cursorRange, 310.0);
    QTest::keyClick(chart, Qt::Key_Left, Qt::ShiftModifier);
    QTest::keyClick(chart, Qt::Key_Left, Qt::ShiftModifier);
    QCOMPARE(*chart->scene().cursorRange, 290.0);
}

void TestTrajectoryChart::zoomPanRubberBandAndReset() {
    Owner owner;
    TrajectoryChartView* chart = shownChart(owner.open(rifle()));
    const QRectF full(0, 0, 1, 1);
    const ChartGeometry before = chart->chartGeometry();
    const QPoint at(static_cast<int>(before.xAt(600)), static_cast<int>(before.yAtInches(-100)));
    const QPointF fractionAt = before.fractionAt(at);

    QWheelEvent wheel(at, chart->mapToGlobal(at), {}, {0, 240}, Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(chart, &wheel);
    // Two notches closer, and the point under the pointer stays where it was.
    QCOMPARE(chart->scene().view.width(), 1 / (1.25 * 1.25));
    const QPointF stays = chart->chartGeometry().fractionAt(at);
    QVERIFY(std::abs(stays.x() - fractionAt.x()) < 1e-9 && std::abs(stays.y() - fractionAt.y()) < 1e-9);

    // A drag to the left shows what lies further downrange.
    const double lowBefore = chart->chartGeometry().range.low;
    QTest::mousePress(chart, Qt::LeftButton, {}, at);
    QTest::mouseMove(chart, at - QPoint(100, 0));
    QTest::mouseRelease(chart, Qt::LeftButton, {}, at - QPoint(100, 0));
    QVERIFY(chart->chartGeometry().range.low > lowBefore + 10);

    QTest::keyClick(chart, Qt::Key_Home);
    QCOMPARE(chart->scene().view, full);

    // Shift+drag: the rubber band's rectangle fills the plot.
    const ChartGeometry g = chart->chartGeometry();
    const QPoint from(static_cast<int>(g.xAt(100)), static_cast<int>(g.yAtInches(0)));
    const QPoint to(static_cast<int>(g.xAt(400)), static_cast<int>(g.yAtInches(-60)));
    QTest::mousePress(chart, Qt::LeftButton, Qt::ShiftModifier, from);
    QTest::mouseMove(chart, to);
    QTest::mouseRelease(chart, Qt::LeftButton, Qt::ShiftModifier, to);
    const ChartGeometry zoomed = chart->chartGeometry();
    QVERIFY(std::abs(zoomed.range.low - g.yardsAt(from.x())) < 0.01);
    QVERIFY(std::abs(zoomed.range.high - g.yardsAt(to.x())) < 0.01);
    QVERIFY(zoomed.inches.span() < g.inches.span() / 4);

    QTest::mouseDClick(chart, Qt::LeftButton, {}, from);
    QCOMPARE(chart->scene().view, full);
}

void TestTrajectoryChart::overlaysFromOtherWindowsAndTheirRemoval() {
    Owner owner;
    TrajectoryWindow* own = owner.open(rifle("Own load"));
    owner.open(rifle("Hot load", 2900));
    owner.open(rifle("Mild load", 2500));
    QStringList offered;
    const ChartDialogs saved = chartDialogs();
    chartDialogs().chooseOverlays = [&](QWidget*, const QStringList& names) {
        offered = names;
        return QList<int>{0, 1};
    };
    own->findChild<QAction*>("viewAddToChart")->trigger();
    chartDialogs() = saved;
    QCOMPARE(offered, QStringList({"Hot load", "Mild load"}));
    TrajectoryChartView* chart = own->chartCommands()->chart();
    QVERIFY(own->chartCommands()->chartShown());
    QCOMPARE(chart->scene().series.size(), 3u);
    QCOMPARE(chart->scene().series[1].name, std::string("Hot load"));
    QCOMPARE(chart->chartGeometry().legendRows.size(), 3u);
    // The overlay keeps every yard of the other window's trajectory.
    QCOMPARE(chart->scene().series[1].rows.size(),
             owner.windows[1]->chartCommands()->chart()->scene().series[0].rows.size());

    // The legend's context menu removes "Hot load"; the window's own shot has no such menu.
    bool ownHadMenu = false;
    QTimer::singleShot(0, this, [&] { ownHadMenu = QApplication::activePopupWidget() != nullptr; });
    const QPoint ownRow = chart->chartGeometry().legendRows[0].center().toPoint();
    QContextMenuEvent onOwn(QContextMenuEvent::Mouse, ownRow, chart->mapToGlobal(ownRow));
    QApplication::sendEvent(chart, &onOwn);
    QTest::qWait(10);
    QVERIFY(!ownHadMenu);
    QTimer::singleShot(0, this, [] {
        if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
            menu->findChild<QAction*>("removeOverlay")->trigger();
            menu->close();
        }
    });
    const QPoint hotRow = chart->chartGeometry().legendRows[1].center().toPoint();
    QContextMenuEvent onHot(QContextMenuEvent::Mouse, hotRow, chart->mapToGlobal(hotRow));
    QApplication::sendEvent(chart, &onHot);
    QCOMPARE(chart->scene().series.size(), 2u);
    QCOMPARE(chart->scene().series[1].name, std::string("Mild load"));
}

void TestTrajectoryChart::exportedPicturesAreReadableAndShowTheTrajectory() {
    Owner owner;
    TrajectoryWindow* window = owner.open(rifle());
    TrajectoryChartView* chart = shownChart(window);
    QTemporaryDir dir;
    const ChartDialogs saved = chartDialogs();
    for (const char* name : {"chart.png", "CHART.SVG"}) {
        chartDialogs().askExportFileName = [&](QWidget*, const QString&) { return dir.filePath(name); };
        window->findChild<QAction*>("fileExportChart")->trigger();
    }
    chartDialogs() = saved;
    // Each under the chosen name: an extension in either case is taken as it is.
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files, QDir::Name), QStringList({"CHART.SVG", "chart.png"}));
    const QImage png(dir.filePath("chart.png"));
    QCOMPARE(png.size(), chart->size());
    QSvgRenderer svg(dir.filePath("CHART.SVG"));
    QVERIFY(svg.isValid());
    QCOMPARE(svg.viewBox(), QRect(QPoint(0, 0), chart->size()));

    // The drop curve (the own shot's colour) crosses the line of sight at the sight-in range:
    // near 200 yd its pixels lie on the line of sight, well away from it they do not.
    ChartScene scene = chart->scene();
    scene.title = "308 Win 175 gr";
    scene.cursorRange.reset();
    const ChartGeometry g(scene, QRectF(QPointF(0, 0), png.size()), 1.0);
    const int los = static_cast<int>(std::lround(g.yAtInches(0.0)));
    const QColor drop(31, 119, 180);
    const int sightIn = static_cast<int>(g.xAt(200));
    QVERIFY(pixelsNear(png, drop, sightIn - 2, sightIn + 2, los - 2, los + 2) > 0);
    const int far = static_cast<int>(g.xAt(900));
    QCOMPARE(pixelsNear(png, drop, far - 2, far + 2, los - 2, los + 2), 0);
}

void TestTrajectoryChart::printWhileChartShownPrintsOnePage() {
    Owner owner;
    ShotParameters shot = rifle();
    shot.rangeIncrement = 1;  // 1501 rows: 22 pages of table
    TrajectoryWindow* window = owner.open(shot);
    TrajectoryChartView* chart = shownChart(window);
    int maxPage = -1;
    QTimer::singleShot(0, this, [&] {
        if (auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget())) {
            maxPage = dialog->maxPage();
            dialog->reject();
        }
    });
    window->onFilePrint();
    QCOMPARE(maxPage, 1);
    // The preview shows what the window shows: the chart on one page, or the table's pages.
    const auto previewPages = [window] {
        window->onFilePrintPreview();
        auto* preview = window->previewDialog()->findChild<QPrintPreviewWidget*>();
        preview->updatePreview();
        const int pages = preview->pageCount();
        window->previewDialog()->reject();
        QCoreApplication::processEvents();
        return pages;
    };
    QCOMPARE(previewPages(), 1);
    window->chartCommands()->showTable();
    QCOMPARE(previewPages(), tablePageCount(window->document().lines().size()));

    QTemporaryDir dir;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath("chart.pdf"));
    printChart(*chart, &printer);
    QFile file(dir.filePath("chart.pdf"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromLatin1(file.readAll()).count(QRegularExpression(QStringLiteral("/Type\\s*/Page[^s]"))), 1);
}

void TestTrajectoryChart::labelsNeverOverlap_data() {
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("loads");
    QTest::addColumn<bool>("hit");  // the first load with spreads: its P(hit) curve and ethical range
    for (const QSize size : {QSize(260, 180), QSize(420, 280), QSize(800, 500), QSize(1400, 900)})
        for (const auto& [loads, hit] : {std::pair{1, false}, std::pair{3, false}, std::pair{1, true}})
            QTest::addRow("%dx%d, %d load%s%s", size.width(), size.height(), loads, loads > 1 ? "s" : "",
                          hit ? ", P(hit)" : "")
                << size << loads << hit;
}

// The words of the chart at any size: no two labels, no label and dot, and no two numbers of an
// axis cover each other; three loads of close velocities crowd the Mach points together.
void TestTrajectoryChart::labelsNeverOverlap() {
    QFETCH(QSize, size);
    QFETCH(int, loads);
    QFETCH(bool, hit);
    ChartScene scene;
    for (int i = 0; i < loads; ++i) {
        ShotParameters shot = rifle(i == 0 ? "308 Win 175 gr" : "308 Win 168 gr", 2700 - 60 * i);
        if (hit) shot.hit.spreads = {.rangeSd = 10, .precisionMoa = 1};
        scene.series.push_back(chartSeries(shot, RangeTableReport(shot)));
        QCOMPARE(countHits(scene.series.back(), shot), hit);
    }
    QImage image(size, QImage::Format_ARGB32);
    QPainter painter(&image);
    const ChartMarks marks = paintChart(painter, scene, QRectF(QPointF(0, 0), QSizeF(size)));
    painter.end();
    const auto apart = [](const std::vector<QRectF>& boxes, const std::vector<QRectF>& others, bool same) {
        for (std::size_t i = 0; i < boxes.size(); ++i)
            for (std::size_t j = same ? i + 1 : 0; j < others.size(); ++j)
                if (boxes[i].intersects(others[j])) return false;
        return true;
    };
    QVERIFY(apart(marks.labels, marks.labels, true));
    QVERIFY(apart(marks.labels, marks.markers, false));
    QCOMPARE(marks.axisNumbers.size(), 3u);
    for (const std::vector<QRectF>& axis : marks.axisNumbers) {
        QVERIFY(axis.size() >= 2);
        QVERIFY(apart(axis, axis, true));
    }
    // The line of sight and the sight-in range are named whenever the chart has room for words,
    // and so are the ethical range and the P(hit) scale.
    if (size.width() >= 800) QVERIFY(marks.labels.size() >= (hit ? 7u : 3u));
}

// With only the precision in force a circle of radius R is hit with probability
// 1 - exp(-R^2 / 2 sigma^2); the ethical range is the last range where that stays at the level.
void TestTrajectoryChart::hitCurveAgainstTheClosedForm() {
    ShotParameters shot = rifle();
    shot.hit.spreads.precisionMoa = 1;
    shot.hit.target = {HitTarget::Shape::Circle, 10, 0};
    ChartSeries series = chartSeries(shot, RangeTableReport(shot));
    QVERIFY(countHits(series, shot));
    QCOMPARE(series.hitCurve.size(), 30u);  // every increment, the target range among them
    std::optional<double> ethical;
    for (const ChartHitPoint& point : series.hitCurve) {
        const double sigma = point.range * 36.0 * std::numbers::pi / 10800.0;
        const double expected = 1.0 - std::exp(-25.0 / (2.0 * sigma * sigma));
        QVERIFY2(std::fabs(point.probability - expected) <= 4.0 * std::sqrt(expected * (1.0 - expected) / 10000.0),
                 qPrintable(QString("%1 yd: %2 against %3").arg(point.range).arg(point.probability).arg(expected)));
        if (expected >= 0.9 && (!ethical || *ethical == point.range - 50)) ethical = point.range;
    }
    QCOMPARE(series.ethicalRange, ethical);
    QCOMPARE(series.hitLevel, 0.9);

    // The readout between two counted ranges (250 and 300 yd) reads the curve in proportion
    // to the range.
    for (const double cursor : {260.0, 275.0, 290.0}) {
        ChartScene scene;
        scene.series.push_back(series);
        scene.cursorRange = cursor;
        QTemporaryDir dir;
        QString error;
        QVERIFY(exportChart(scene, dir.filePath("hit.svg").toStdString(), QSize(1000, 600), error));
        QFile svg(dir.filePath("hit.svg"));
        QVERIFY(svg.open(QIODevice::ReadOnly));
        const QByteArray drawing = svg.readAll();
        const double share = (cursor - 250.0) / 50.0;
        const double p = series.hitCurve[4].probability * (1.0 - share) + series.hitCurve[5].probability * share;
        QVERIFY(drawing.contains(">P(hit)<"));
        const QString reading = QStringLiteral(">%1 %<").arg(p * 100.0, 0, 'f', 1);
        QVERIFY2(drawing.contains(reading.toUtf8()), qPrintable(reading));
    }
}

void TestTrajectoryChart::readoutFollowsZoomAndLeavesWithThePointer() {
    Owner owner;
    TrajectoryChartView* chart = shownChart(owner.open(rifle()));
    const ChartGeometry g = chart->chartGeometry();
    const QPoint at(static_cast<int>(g.xAt(350)), static_cast<int>(g.plot.center().y()) + 7);
    QMouseEvent move(QEvent::MouseMove, QPointF(at), chart->mapToGlobal(QPointF(at)), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(chart, &move);
    QVERIFY(chart->scene().cursorRange);
    const double yard = *chart->scene().cursorRange;
    chart->zoomAbout(g.plot.center(), 2.0);
    // The readout stays beside its row, now elsewhere on the range axis.
    QCOMPARE(chart->scene().readoutAnchor->x(), chart->chartGeometry().xAt(yard));
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(chart, &leave);
    QVERIFY(!chart->scene().cursorRange && !chart->scene().readoutAnchor);
}

QTEST_MAIN(TestTrajectoryChart)
#include "TrajectoryChartTest.moc"
