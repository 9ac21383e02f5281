// The range table window beyond its designed menu: selecting and copying rows, the holds and
// metric views, Export CSV and the remembered view.

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMimeData>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "reports/table/RangeTable.h"
#include "reports/table/RangeTableCsv.h"
#include "reports/table/RangeTableView.h"
#include "reports/table/TableDialogs.h"
#include "reports/table/TableText.h"
#include "reports/table/TableViewCommands.h"
#include "reports/table/TrajectoryTable.h"
#include "reports/table/TrajectoryTableScrollView.h"
#include "reports/table/TrajectoryWindow.h"
#include "tests/gui/table/TableOwnerStub.h"

using namespace vorlan;

namespace {

using Owner = TableOwnerStub;

QByteArray savedAs(TrajectoryWindow* window, const QString& path) {
    tableDialogs().askSaveFileName = [&](QWidget*, const QString&) { return path; };
    window->findChild<QAction*>("fileSaveAs")->trigger();
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray bytesOf(const std::vector<std::string>& lines) { return QByteArray::fromStdString(savedTableText(lines)); }

// The first shown line of the table's rows: the name line shows as two lines, then the header.
constexpr int kFirstRowLine = 15;

QPoint pointOfLine(const TrajectoryTableScrollView* view, int line) {
    return {40, TrajectoryTableScrollView::kScreenMargin + line * view->lineHeight() + view->lineHeight() / 2 -
                    view->verticalScrollBar()->value()};
}

void drag(TrajectoryTableScrollView* view, int fromLine, int toLine) {
    QWidget* port = view->viewport();
    QTest::mousePress(port, Qt::LeftButton, {}, pointOfLine(view, fromLine));
    QMouseEvent move(QEvent::MouseMove, pointOfLine(view, toLine), port->mapToGlobal(pointOfLine(view, toLine)),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(port, &move);
    QTest::mouseRelease(port, Qt::LeftButton, {}, pointOfLine(view, toLine));
}

QStringList clipboardLines(const QString& format) {
    const QMimeData* data = QApplication::clipboard()->mimeData();
    return QString::fromUtf8(data->data(format)).split(u'\n', Qt::SkipEmptyParts);
}

}  // namespace

class TestTableViews : public QObject {
    Q_OBJECT
private slots:
    void selectionByDragAndKeysCopiesRowsInBothForms();
    void copyWithoutSelectionTakesTheWholeTable();
    void viewsSwitchThroughTheMenuAndDesignedOutputStaysByteIdentical();
    void viewIsRememberedAndTheShotsScopeWins();
    void exportWritesTheChosenRowsAndReportsFailure();

    void init() {
        tableDialogs() = standardTableDialogs();
        tableDialogs().showFileError = [](QWidget*, const QString&, const QString& message) {
            QFAIL(qPrintable(message));
        };
    }
};

void TestTableViews::selectionByDragAndKeysCopiesRowsInBothForms() {
    Owner owner;
    TrajectoryWindow* window = owner.open(shotWithRows(45));
    QVERIFY(QTest::qWaitForWindowExposed(window));
    window->activateWindow();
    TrajectoryTableScrollView* view = window->view();
    const std::vector<std::string> shown = displayedTableLines(window->document().lines());

    drag(view, kFirstRowLine + 3, kFirstRowLine + 1);
    QCOMPARE(view->selection().first, kFirstRowLine + 1);
    QCOMPARE(view->selection().last, kFirstRowLine + 3);
    QTest::keyClick(view, Qt::Key_Down, Qt::ShiftModifier);  // the moving end was the upper one
    QTest::keyClick(view, Qt::Key_C, Qt::ControlModifier);
    // Rows 2 and 3 (2 and 3 yd), cell by cell, in both formats.
    for (const QString& format : {QStringLiteral("text/plain"), QStringLiteral("text/tab-separated-values")}) {
        const QStringList lines = clipboardLines(format);
        QCOMPARE(lines.size(), 2);
        for (int i = 0; i < 2; ++i) {
            const QStringList cells = lines[i].split(u'\t');
            QCOMPARE(cells.size(), 9);
            QCOMPARE(cells.join(u' '), QString::fromStdString(shown[kFirstRowLine + 2 + i]).simplified());
            QCOMPARE(cells[0].toInt(), 2 + i);
        }
    }
    window->findChild<QAction*>("editCopyText")->trigger();
    QCOMPARE(QApplication::clipboard()->text(),
             QString::fromStdString(shown[kFirstRowLine + 2] + "\n" + shown[kFirstRowLine + 3] + "\n"));

    // Shift+PageDown moves the end by the lines in view; Escape ends the selection.
    const int page = view->viewport()->height() / view->lineHeight();
    QTest::keyClick(view, Qt::Key_PageDown, Qt::ShiftModifier);
    QCOMPARE(view->selection().last, kFirstRowLine + 2 + page);  // the moving end, from row 2
    QTest::keyClick(view, Qt::Key_Escape);
    QVERIFY(view->selection().empty());
}

void TestTableViews::copyWithoutSelectionTakesTheWholeTable() {
    Owner owner;
    TrajectoryWindow* window = owner.open(shotWithRows(45));
    const std::vector<std::string> shown = displayedTableLines(window->document().lines());
    window->findChild<QAction*>("editCopy")->trigger();
    const QStringList all = clipboardLines(QStringLiteral("text/tab-separated-values"));
    QCOMPARE(all.first(), QStringLiteral("Name: Test Pellet"));
    QVERIFY(all.contains(QStringLiteral("Range\tDrop\tVelocity\tEnergy\tMomentum\tWindage\tLead\tTime\tElevation")));
    QVERIFY(all.last().startsWith(QStringLiteral("45\t")));
    // Ctrl+A, then copy as shown: every shown line, as on screen.
    QTest::keyClick(window->view(), Qt::Key_A, Qt::ControlModifier);
    window->findChild<QAction*>("editCopyText")->trigger();
    QCOMPARE(QApplication::clipboard()->text().count(u'\n'), static_cast<qsizetype>(shown.size()));
    QVERIFY(QApplication::clipboard()->text().startsWith(QString::fromStdString(shown[0] + "\n\n" + shown[2])));
}

void TestTableViews::viewsSwitchThroughTheMenuAndDesignedOutputStaysByteIdentical() {
    QTemporaryDir dir;
    Owner owner;
    owner.preferences = dir.filePath("Vorlan Preferences.ini");
    const ShotParameters shot = shotWithRows(45);
    TrajectoryWindow* window = owner.openWithViews(shot);
    const QByteArray designed = bytesOf(rangeTableLines(shot, *owner.report));
    QCOMPARE(savedAs(window, dir.filePath("before.txt")), designed);

    const auto action = [&](const char* name) { return window->findChild<QAction*>(name); };
    const int designedWidth = window->view()->totalSize().width();
    TableView holds;
    holds.holds = true;
    action("viewHolds")->trigger();
    QCOMPARE(window->view()->lines(), rangeTableViewLines(shot, *owner.report, holds));
    QVERIFY(window->view()->totalSize().width() > designedWidth);  // its wider lines scroll into view
    QCOMPARE(savedAs(window, dir.filePath("holds.txt")), bytesOf(window->view()->lines()));
    TableView metricHolds = holds;
    metricHolds.units = UnitSystem::Metric;
    metricHolds.click = {0.1, AngleUnit::Mil};
    action("viewMetric")->trigger();
    action("viewClick 0.1mil")->trigger();
    QCOMPARE(window->viewCommands()->current(), metricHolds);
    QCOMPARE(window->view()->lines(), rangeTableViewLines(shot, *owner.report, metricHolds));
    QVERIFY(window->view()->lines() != rangeTableViewLines(shot, *owner.report, holds));

    action("viewHolds")->trigger();
    action("viewImperial")->trigger();
    QVERIFY(window->viewCommands()->current().isDesigned());
    QCOMPARE(&window->view()->lines(), &window->document().lines());
    QCOMPARE(window->view()->totalSize().width(), designedWidth);
    QCOMPARE(savedAs(window, dir.filePath("after.txt")), designed);
}

void TestTableViews::viewIsRememberedAndTheShotsScopeWins() {
    QTemporaryDir dir;
    Owner owner;
    owner.preferences = dir.filePath("Vorlan Preferences.ini");
    ShotParameters shot = shotWithRows(45);
    TrajectoryWindow* first = owner.openWithViews(shot);
    QVERIFY(first->viewCommands()->current().isDesigned());
    first->findChild<QAction*>("viewHolds")->trigger();
    first->findChild<QAction*>("viewMetric")->trigger();
    first->findChild<QAction*>("viewClick 0.125moa")->trigger();

    const TableView remembered = owner.openWithViews(shot)->viewCommands()->current();
    QVERIFY(remembered.holds);
    QCOMPARE(remembered.units, UnitSystem::Metric);
    QCOMPARE(remembered.click, (ClickValue{0.125, AngleUnit::Moa}));
    QVERIFY(owner.windows.back()->findChild<QAction*>("viewHolds")->isChecked());

    shot.scope.click = {0.05, AngleUnit::Mil};
    QCOMPARE(owner.openWithViews(shot)->viewCommands()->current().click, shot.scope.click);
    // A click no menu lists is added for the shot that uses it.
    shot.scope.click = {0.2, AngleUnit::Moa};
    QVERIFY(owner.openWithViews(shot)->findChild<QAction*>("viewClick 0.2moa"));
}

void TestTableViews::exportWritesTheChosenRowsAndReportsFailure() {
    QTemporaryDir dir;
    Owner owner;
    const ShotParameters shot = shotWithRows(45);
    TrajectoryWindow* window = owner.openWithViews(shot);
    CsvOptions offered;
    CsvOptions chosen;
    tableDialogs().askCsvOptions = [&](QWidget*, CsvOptions& options) {
        offered = options;
        options.everyYard = false;
        options.holds = true;
        chosen = options;
        return true;
    };
    QString offeredName;
    tableDialogs().askCsvFileName = [&](QWidget*, const QString& initial) {
        offeredName = QFileInfo(initial).fileName();
        return dir.filePath("TABLE.CSV");
    };
    window->findChild<QAction*>("fileExportCsv")->trigger();
    QVERIFY(offered.everyYard);  // every recorded yard unless asked otherwise
    QCOMPARE(offeredName, QStringLiteral("Test Pellet.csv"));
    // The chosen name as it is: its extension, in capitals, is not added again.
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"TABLE.CSV"});
    QFile file(dir.filePath("TABLE.CSV"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray csv = file.readAll();
    QCOMPARE(csv, QByteArray::fromStdString(rangeTableCsv(*owner.report, chosen)));
    // One line per printed row after the header, at the printed ranges.
    const QList<QByteArray> rows = csv.trimmed().split('\n');
    const std::vector<TrajectoryPoint> printed = owner.report->printedRows();
    QCOMPARE(rows.size(), static_cast<qsizetype>(printed.size() + 1));
    for (std::size_t i = 0; i < printed.size(); ++i)
        QCOMPARE(rows[static_cast<qsizetype>(i + 1)].split(',').first().toDouble(), printed[i].range);

    QStringList messages;
    tableDialogs().askCsvFileName = [&](QWidget*, const QString&) { return dir.filePath("missing/table.csv"); };
    tableDialogs().showFileError = [&](QWidget*, const QString&, const QString& message) { messages << message; };
    window->findChild<QAction*>("fileExportCsv")->trigger();
    QCOMPARE(messages.size(), 1);
    QVERIFY2(messages[0].contains("missing/table.csv"), qPrintable(messages[0]));
}

QTEST_MAIN(TestTableViews)
#include "TableViewsTest.moc"
