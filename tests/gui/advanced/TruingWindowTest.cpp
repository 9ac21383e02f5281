// The Truing window through the main dialog, as a shooter uses it: holds typed row by row,
// Fit, Apply and Clear Truing in the main dialog's fields; the two ways in; the rows
// checked when they are left; OK and Cancel; the observation CSV both ways; and the chart.

#include <sys/stat.h>

#include <QAction>
#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>

#include "engine/Holds.h"
#include "reports/chartview/TrajectoryChartView.h"
#include "reports/table/RangeTable.h"
#include "reports/table/TrajectoryTable.h"
#include "reports/table/TrajectoryTableScrollView.h"
#include "reports/table/TrajectoryWindow.h"
#include "shot/Observations.h"
#include "shot/ShotSetup.h"
#include "tests/gui/GuiHarness.h"
#include "tests/support/CalcTestLoads.h"
#include "tests/support/ObservedHolds.h"
#include "ui/advanced/CAdvancedDlg.h"
#include "ui/advanced/CTruingDlg.h"
#include "ui/advanced/TruingView.h"
#include "ui/common/ControlIds.h"

using namespace vorlan;
using namespace vorlan::testing;
using namespace TruingIds;

namespace {

constexpr int kRanges[] = {300, 500, 700, 850, 1000};

// The true-MOA hold at `range` worked out from a flight's drop, atan(drop / range).
double holdMoa(const TrajectorySolver& flight, int range) {
    const double dropInches = flight.rows.at(static_cast<std::size_t>(range)).drop * 12.0;
    return -std::atan(dropInches / (range * 36.0)) * 180.0 / 3.14159265358979323846 * 60.0;
}

TrajectorySolver flown(const ShotParameters& shot) {
    TrajectorySolver t;
    setUpTrajectory(t, shot, kTableCantDivisor);
    t.lastRange = 1001;
    t.computeTrajectory();
    return t;
}

// The holds as a shooter writes them down: to a hundredth of a minute.
QStringList observedHolds() {
    const TrajectorySolver truth = flown(realRifle());
    QStringList holds;
    for (int range : kRanges) holds << QString::number(holdMoa(truth, range), 'f', 2);
    return holds;
}

template <class T>
T* newest(CVorlan2Dlg* dlg) {
    T* found = nullptr;
    for (QWidget* w : dlg->context().openDialogs.oldestToNewest())
        if (auto* window = qobject_cast<T*>(w)) found = window;
    return found;
}

void press(ThemedDialog* window, int controlId) { window->controlAs<QPushButton>(controlId)->click(); }

// The main dialog holding the box's load, with a Truing window opened on it.
std::pair<std::unique_ptr<CVorlan2Dlg>, CTruingDlg*> openTruing(Harness& h) {
    auto dlg = h.openMainDialog();
    dlg->shot() = load308();
    dlg->updateData(false);
    dlg->openTruing();
    auto* window = newest<CTruingDlg>(dlg.get());
    if (window) QApplication::setActiveWindow(window);
    return {std::move(dlg), window};
}

// Each hold typed in its row, Tab between the cells as a shooter would.
void typeHolds(CTruingDlg* window, const QStringList& holds) {
    for (int row = 0; row < holds.size(); ++row) {
        retype(window->edit(cell(row, 0)), QString::number(kRanges[row]));
        QTest::keyClick(window->edit(cell(row, 0)), Qt::Key_Tab);
        retype(window->edit(cell(row, 1)), holds[row]);
    }
}

class TestTruingWindow : public QObject {
    Q_OBJECT
private slots:
    void fiveHoldsFitApplyAndTheTableMatches();
    void opensFromTheAdvancedAndTableWindows_data();
    void opensFromTheAdvancedAndTableWindows();
    void rowsAreCheckedWhenLeftAndKeptWithOk_data();
    void rowsAreCheckedWhenLeftAndKeptWithOk();
    void observationsUndecidedSayWhyAndApplyNothing();
    void observationsTravelAsCsv();
    void chartShowsTheHoldsOnTheTruedCurve();
    void theTableItWasOpenedFromFollows();
    void metricObservationsInMetresAndCentimetres();
};

// A day at the range: five holds, Fit, Apply into the main dialog's fields, and Clear Truing
// puts the box's velocity back (what the applied truing does to the table: TruingSessionTest).
void TestTruingWindow::fiveHoldsFitApplyAndTheTableMatches() {
    Harness h;
    auto [dlg, window] = openTruing(h);
    QVERIFY(window);
    const QStringList holds = observedHolds();
    typeHolds(window, holds);
    press(window, kFit);
    QVERIFY2(h.messages.isEmpty(), qPrintable(h.messages.join('|')));
    QVERIFY2(window->control(kApply)->isEnabled(), qPrintable(window->controlAs<QLabel>(kFitted)->text()));
    QVERIFY(window->controlAs<QLabel>(kFitted)->text().contains(QStringLiteral("Velocity: ")));
    QCOMPARE(window->result()->residuals.size(), std::size_t{5});
    QCOMPARE(window->windowTitle(), QStringLiteral("Truing - 308 Win 175 SMK"));
    // The holds come from a G1 bullet: the fit says it chose G1 for the box's G7, and Apply writes it.
    QVERIFY(window->controlAs<QLabel>(kFitted)->text().contains(QStringLiteral("Drag function: G1 0.4")));
    press(window, kApply);
    QCOMPARE(dlg->shot().dragFunction, 0);
    QVERIFY(window->controlAs<QLabel>(kStatus)->text().startsWith(QStringLiteral("Applied: ")));
    QVERIFY(window->controlAs<QLabel>(kStatus)->text().contains(QStringLiteral(", drag function G1 0.4")));
    QCOMPARE(dlg->edit(MainDialogIds::kVelocityEdit)->text().toDouble(), dlg->shot().velocity);
    QVERIFY(std::fabs(dlg->shot().velocity - 2700.0) > 10.0);
    QVERIFY(dlg->shot().advanced.dragScaleOn());

    press(window, kClearTruing);
    QCOMPARE(dlg->shot().velocity, 2700.0);
    QVERIFY(!dlg->shot().advanced.dragScaleOn());
    QCOMPARE(dlg->edit(MainDialogIds::kVelocityEdit)->text(), QStringLiteral("2700"));
    // A fit is never applied to a shot other than the one it was made on.
    dlg->edit(MainDialogIds::kBallisticCoefficientEdit)->setText(QStringLiteral("0.25"));
    press(window, kApply);
    QCOMPARE(dlg->shot().velocity, 2700.0);
    QVERIFY(window->controlAs<QLabel>(kStatus)->text().contains(QStringLiteral("press Fit again")));
    dlg->edit(MainDialogIds::kBallisticCoefficientEdit)->setText(QStringLiteral("0.243"));
    press(window, kApply);
    QVERIFY(dlg->shot().advanced.dragScaleOn());
    // The status line follows the last action: a new fit is not the one applied.
    press(window, kFit);
    QVERIFY(window->controlAs<QLabel>(kStatus)->text().startsWith(QStringLiteral("Fitted: ")));
    // Closed with OK, the shot keeps the velocity as entered: a new window's Clear Truing puts
    // the chronograph's 2700 back.
    QPointer<CTruingDlg> alive(window);
    press(window, kOk);
    QTRY_VERIFY(!alive);
    dlg->openTruing();
    auto* later = newest<CTruingDlg>(dlg.get());
    QVERIFY(later);
    press(later, kClearTruing);
    QCOMPARE(dlg->shot().velocity, 2700.0);
    QCOMPARE(dlg->edit(MainDialogIds::kVelocityEdit)->text(), QStringLiteral("2700"));
    QVERIFY(!dlg->shot().advanced.dragScaleOn());
}

void TestTruingWindow::opensFromTheAdvancedAndTableWindows_data() {
    QTest::addColumn<bool>("fromTable");
    QTest::newRow("Advanced window button") << false;
    QTest::newRow("table window's File menu") << true;
}

void TestTruingWindow::opensFromTheAdvancedAndTableWindows() {
    QFETCH(bool, fromTable);
    Harness h;
    auto dlg = h.openMainDialog();
    if (fromTable) {
        dlg->controlAs<QPushButton>(MainDialogIds::kRangeTableButton)->click();
        auto* table = dlg->findChildren<TrajectoryWindow*>().value(0);
        QVERIFY(table);
        auto* entry = table->findChild<QAction*>(QStringLiteral("fileTruing"));
        QVERIFY(entry);
        entry->trigger();
    } else {
        dlg->controlAs<QPushButton>(MainDialogIds::kAdvancedButton)->click();
        auto* advanced = newest<CAdvancedDlg>(dlg.get());
        QVERIFY(advanced);
        press(advanced, AdvancedIds::kTruing);
    }
    auto* window = newest<CTruingDlg>(dlg.get());
    QVERIFY(window);
    QVERIFY(window->isVisible());
    QCOMPARE(window->windowTitle(), QStringLiteral("Truing"));
}

void TestTruingWindow::rowsAreCheckedWhenLeftAndKeptWithOk_data() {
    QTest::addColumn<int>("closer");
    QTest::addColumn<int>("kept");  // observations in the shot afterwards
    QTest::newRow("OK") << int{kOk} << 1;
    QTest::newRow("Cancel") << int{kCancel} << 0;
    QTest::newRow("Ctrl+Enter in a cell") << 0 << 1;
}

void TestTruingWindow::rowsAreCheckedWhenLeftAndKeptWithOk() {
    QFETCH(int, closer);
    QFETCH(int, kept);
    Harness h;
    auto [dlg, window] = openTruing(h);
    QVERIFY(window);
    // Tab between the cells of a half-filled row asks nothing.
    retype(window->edit(cell(0, 0)), QStringLiteral("300"));
    QTest::keyClick(window->edit(cell(0, 0)), Qt::Key_Tab);
    QCOMPARE(ThemedDialog::controlIdOf(QApplication::focusWidget()), cell(0, 1));
    QVERIFY2(h.messages.isEmpty(), qPrintable(h.messages.join('|')));
    retype(window->edit(cell(0, 1)), QStringLiteral("4.75"));
    // Enter in a cell moves on, as Tab does, and leaves the window open.
    QTest::keyClick(window->edit(cell(0, 1)), Qt::Key_Return);
    QCOMPARE(ThemedDialog::controlIdOf(QApplication::focusWidget()), cell(0, 2));
    QVERIFY(window->isVisible());
    // A row with a range alone is told when it is left.
    retype(window->edit(cell(1, 0)), QStringLiteral("600"));
    window->edit(cell(2, 0))->setFocus();
    // A hold out of its bounds is named by its column, and its cell takes the focus.
    retype(window->edit(cell(1, 1)), QStringLiteral("700"));
    window->edit(cell(2, 0))->setFocus();
    QCOMPARE(h.messages,
             QStringList({QStringLiteral("The observation at 600 yd needs a hold, a drop, a velocity or a time."),
                          QStringLiteral("Up (MOA) at 600 yd must be from -600 to 600 MOA.")}));
    QCOMPARE(ThemedDialog::controlIdOf(QApplication::focusWidget()), cell(1, 1));
    // A hold in clicks is held to the same angle, in the shot's click value.
    window->edit(cell(1, 1))->clear();
    retype(window->edit(cell(1, 3)), QStringLiteral("3000"));
    window->edit(cell(2, 0))->setFocus();
    QCOMPARE(h.messages.value(2), QStringLiteral("Up (clicks) at 600 yd is 750 MOA in clicks of 1/4 MOA; a hold must "
                                                 "be from -600 to 600 MOA."));
    QCOMPARE(ThemedDialog::controlIdOf(QApplication::focusWidget()), cell(1, 3));
    window->edit(cell(1, 3))->clear();
    // Emptied, it is no row.
    window->edit(cell(1, 0))->clear();
    window->edit(cell(1, 1))->clear();
    h.messages.clear();
    QPointer<CTruingDlg> alive(window);
    if (closer)
        press(window, closer);
    else
        QTest::keyClick(window->edit(cell(0, 2)), Qt::Key_Return, Qt::ControlModifier);
    QVERIFY(h.messages.isEmpty());
    QTRY_VERIFY(!alive);
    QCOMPARE(static_cast<int>(dlg->shot().observations.size()), kept);
    if (kept) QCOMPARE(dlg->shot().observations[0].upMoa, 4.75);
}

// One range cannot decide a drag: the window says so in words and applies nothing.
void TestTruingWindow::observationsUndecidedSayWhyAndApplyNothing() {
    Harness h;
    auto [dlg, window] = openTruing(h);
    QVERIFY(window);
    typeHolds(window, {QStringLiteral("4.75")});
    window->findChild<QComboBox*>()->setCurrentIndex(2);  // velocity and one drag factor
    press(window, kFit);
    QVERIFY(window->controlAs<QLabel>(kFitted)->text().contains(QStringLiteral("cannot decide the drag")));
    QVERIFY(!window->control(kApply)->isEnabled());
    press(window, kApply);
    QCOMPARE(dlg->shot().velocity, 2700.0);
    // A message names a column as the window does, not by its CSV name.
    for (int column : {0, 1}) window->edit(cell(0, column))->clear();
    retype(window->edit(cell(0, 0)), QStringLiteral("600"));
    retype(window->edit(cell(0, 6)), QStringLiteral("0.3"));
    window->findChild<QComboBox*>()->setCurrentIndex(0);
    press(window, kFit);
    const QString said = window->controlAs<QLabel>(kFitted)->text();
    QVERIFY2(said.contains(QStringLiteral("Row 1: a Time (s) of 0.3 s at 600 yd")), qPrintable(said));
    QVERIFY(window->controlAs<QLabel>(kStatus)->text().startsWith(QStringLiteral("Not fitted")));
    // A fit the velocity field cannot hold is not applied: 4900 f.p.s. at 300 yd.
    window->edit(cell(0, 6))->clear();
    retype(window->edit(cell(0, 0)), QStringLiteral("300"));
    retype(window->edit(cell(0, 5)), QStringLiteral("4900"));
    press(window, kFit);
    QVERIFY(window->controlAs<QLabel>(kFitted)->text().contains(QStringLiteral("cannot be written into the shot")));
    QVERIFY(!window->control(kApply)->isEnabled());
    press(window, kApply);
    QCOMPARE(dlg->shot().velocity, 2700.0);
}

// Save CSV writes what Load CSV reads back, through the observation CSV's own reader.
void TestTruingWindow::observationsTravelAsCsv() {
    Harness h;
    auto [dlg, window] = openTruing(h);
    QVERIFY(window);
    const QStringList holds = observedHolds();
    typeHolds(window, holds);
    retype(window->edit(cell(0, 5)), QStringLiteral("2144"));
    h.fileAnswers << h.path(QStringLiteral("day.csv"));
    press(window, kSaveCsv);
    // The name offered follows the shot's, as Save and Export Chart offer theirs.
    QVERIFY(h.fileRequests.last().initialPath.endsWith(QStringLiteral("308 Win 175 SMK observations.csv")));
    const ObservationTable saved = loadObservationsCsv(h.path(QStringLiteral("day.csv")).toStdString());
    QVERIFY2(saved.error.empty(), saved.error.c_str());
    QCOMPARE(saved.observations.size(), std::size_t{5});
    QCOMPARE(saved.observations[0].velocity, 2144.0);
    QCOMPARE(saved.observations[4].upMoa, holds[4].toDouble());

    dlg->openTruing();
    auto* second = newest<CTruingDlg>(dlg.get());
    QVERIFY(second && second != window);
    h.fileAnswers << h.path(QStringLiteral("day.csv"));
    press(second, kLoadCsv);
    QCOMPARE(second->edit(cell(4, 1))->text(), holds[4]);
    QCOMPARE(second->edit(cell(0, 5))->text(), QStringLiteral("2144"));
    QVERIFY(second->edit(cell(5, 0))->text().isEmpty());

    // A FIFO is no file to save to: the failure is told and the FIFO stays as it was.
    QStringList failures;
    h.context.showFailure = [&](QWidget*, const QString&, const QString& message) { failures << message; };
    const QString fifo = h.path(QStringLiteral("pipe.csv"));
    QVERIFY(::mkfifo(QFile::encodeName(fifo).constData(), 0600) == 0);
    h.fileAnswers << fifo;
    press(second, kSaveCsv);
    QCOMPARE(failures.size(), 1);
    QVERIFY2(failures[0].contains(QStringLiteral("could not be saved")), qPrintable(failures[0]));
    QVERIFY(QFileInfo(fifo).isFile() == false && QFileInfo(fifo).exists());
    QVERIFY(second->controlAs<QLabel>(kStatus)->text().startsWith(QStringLiteral("Observations not saved")));
}

// The chart's rings are the holds as inches at their ranges: after the fit each lies on the
// trued curve within its bar, and the farthest misses the curve as entered by more than that.
void TestTruingWindow::chartShowsTheHoldsOnTheTruedCurve() {
    Harness h;
    auto [dlg, window] = openTruing(h);
    QVERIFY(window);
    typeHolds(window, observedHolds());
    press(window, kFit);
    QVERIFY(window->chart());
    const ChartScene& scene = window->chart()->scene();
    QCOMPARE(scene.series.size(), std::size_t{2});
    QCOMPARE(scene.observations.size(), std::size_t{5});
    for (const ChartObservation& o : scene.observations) {
        const auto at = static_cast<std::size_t>(o.range);
        // 0.1 MOA at the range, in inches.
        QVERIFY(std::fabs(o.spread - std::tan(0.1 / 60.0 * 3.14159265358979 / 180.0) * o.range * 36.0) < 1e-9);
        QVERIFY2(std::fabs(scene.series[1].rows.at(at).drop * 12.0 - o.value) < o.spread,
                 qPrintable(QString::number(o.range)));
    }
    const ChartObservation& farthest = scene.observations.back();
    QVERIFY(std::fabs(scene.series[0].rows.at(1000).drop * 12.0 - farthest.value) > 3.0 * farthest.spread);

    // One range seen every way: 10 MOA up is 2.9089 mil and 40 quarter-minute clicks, each
    // 21600 tan(1/6 degree) = 62.83 in. below the line; the click's bar is half a click.
    Observation all;
    all.range = 600;
    all.upMoa = 10;
    all.upMil = 2.908882;
    all.upClicks = 40;
    all.dropInches = -62.83;
    all.velocity = 1700;
    all.time = 0.9;
    const double tenMoa = 21600.0 * std::tan(3.14159265358979 / 1080.0), tenth = tenMoa / 100.0;
    const struct {
        double value, spread;
        bool velocity;
    } expected[] = {{-tenMoa, tenth, false},
                    {-tenMoa, tenth, false},
                    {-tenMoa, 1.25 * tenth, false},
                    {-62.83, tenth, false},
                    {1700.0, 5.0, true}};
    const std::vector<ChartObservation> points = observedPoints({all}, ClickValue{0.25, AngleUnit::Moa});
    QCOMPARE(points.size(), std::size(expected));
    for (std::size_t i = 0; i < points.size(); ++i) {
        QVERIFY2(std::fabs(points[i].value - expected[i].value) < 1e-3, qPrintable(QString::number(i)));
        QVERIFY2(std::fabs(points[i].spread - expected[i].spread) < 1e-3, qPrintable(QString::number(i)));
        QCOMPARE(points[i].velocity, expected[i].velocity);
        QCOMPARE(points[i].range, 600.0);
    }
}

}  // namespace

// A Truing window opened from a table window trues that table on Apply, and Clear Truing
// takes it back there too.
void TestTruingWindow::theTableItWasOpenedFromFollows() {
    Harness h;
    auto dlg = h.openMainDialog();
    dlg->shot() = load308();
    dlg->updateData(false);
    dlg->controlAs<QPushButton>(MainDialogIds::kRangeTableButton)->click();
    auto* table = dlg->findChildren<TrajectoryWindow*>().value(0);
    QVERIFY(table);
    const auto trued = [table] {
        const std::vector<std::string>& lines = table->document().lines();
        return std::any_of(lines.begin(), lines.end(), [](const std::string& l) { return l.starts_with("Trued: "); });
    };
    QVERIFY(!trued());
    table->findChild<QAction*>(QStringLiteral("fileTruing"))->trigger();
    auto* window = newest<CTruingDlg>(dlg.get());
    QVERIFY(window);
    typeHolds(window, observedHolds());
    press(window, kFit);
    press(window, kApply);
    QVERIFY(dlg->shot().advanced.dragScaleOn());
    QVERIFY(trued());
    QCOMPARE(table->view()->lines(), table->document().lines());
    press(window, kClearTruing);
    QVERIFY(!trued());
}

// In metric units the range is typed in metres, the drop in centimetres and the velocities in
// m/s; each reaches the observations by the exact definitions, the bounds are told in them, and
// a row's message names its range as typed.
void TestTruingWindow::metricObservationsInMetresAndCentimetres() {
    Harness h;
    h.context.units.setChoice(UnitChoice::preset(UnitSystem::Metric));
    auto [dlg, window] = openTruing(h);
    QVERIFY(window);
    QStringList headings;
    for (const QLabel* label : window->findChildren<QLabel*>()) headings << label->text();
    for (const char* heading : {"Range\nm", "Drop\ncm", "Velocity\nm/s", "Up\nMOA"})
        QVERIFY2(headings.contains(heading), heading);
    const QString typed[][3] = {{"300", "-50", ""}, {"500", "", "600"}};  // range, drop, velocity
    for (int row = 0; row < 2; ++row)
        for (const auto& [column, text] : {std::pair{0, typed[row][0]}, {4, typed[row][1]}, {5, typed[row][2]}})
            if (!text.isEmpty()) retype(window->edit(cell(row, column)), text);
    window->edit(cell(2, 0))->setFocus();
    // The range's top end, 5000 yd, is 4572 m; a metre more is refused in metres.
    retype(window->edit(cell(2, 0)), "4573");
    retype(window->edit(cell(2, 1)), "5");
    window->edit(cell(3, 0))->setFocus();
    QCOMPARE(h.messages.size(), 1);
    QVERIFY2(h.messages[0].contains("between 0.9144 and 4572 m"), qPrintable(h.messages[0]));
    // A hold out of its bounds names the row's range in metres.
    retype(window->edit(cell(2, 0)), "4572");
    retype(window->edit(cell(2, 1)), "700");
    window->edit(cell(3, 0))->setFocus();
    QCOMPARE(h.messages.value(1), QStringLiteral("Up (MOA) at 4572 m must be from -600 to 600 MOA."));
    window->edit(cell(2, 0))->clear();
    window->edit(cell(2, 1))->clear();
    h.messages.clear();
    QPointer<CTruingDlg> alive(window);
    press(window, kOk);
    QTRY_VERIFY(!alive);
    QVERIFY2(h.messages.isEmpty(), qPrintable(h.messages.join('|')));
    const std::vector<Observation>& kept = dlg->shot().observations;
    QCOMPARE(kept.size(), std::size_t{2});
    const std::pair<double, double> expected[] = {{kept[0].range, 300 / 0.9144},
                                                  {kept[0].dropInches, -50 / 2.54},
                                                  {kept[1].range, 500 / 0.9144},
                                                  {kept[1].velocity, 600 / 0.3048}};
    for (const auto& [held, exact] : expected) QVERIFY(std::fabs(held - exact) <= 1e-9 * std::fabs(exact));
}

QTEST_MAIN(TestTruingWindow)
#include "TruingWindowTest.moc"
