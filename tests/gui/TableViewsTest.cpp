// The range table window beyond its File menu: selecting and copying rows.

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTest>

#include "reports/RangeTable.h"
#include "reports/TableText.h"
#include "reports/TrajectoryTable.h"
#include "reports/TrajectoryTableScrollView.h"
#include "reports/TrajectoryWindow.h"
#include "tests/gui/TableOwnerStub.h"

using namespace vorlan;

namespace {

class Owner : public TableOwnerStub {
public:
    TrajectoryWindow* open(const ShotParameters& shot) {
        windows.push_back(openTrajectoryWindow(*this, rangeTableLines(shot, RangeTableReport(shot)), shot.name));
        return windows.back();
    }
};

ShotParameters shotWithRows(int incrementCount) {
    ShotParameters shot;
    shot.name = "Test Pellet";
    shot.incrementCount = incrementCount;
    return shot;
}

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

QTEST_MAIN(TestTableViews)
#include "TableViewsTest.moc"
