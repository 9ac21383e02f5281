// The range table window through its File menu: saved bytes, printed pages, the Save As
// repeat and failure, the preview and two windows side by side.

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>
#include <algorithm>

#include "reports/table/RangeTable.h"
#include "reports/table/TableDialogs.h"
#include "reports/table/TableText.h"
#include "reports/table/TableWindowOwner.h"
#include "reports/table/TrajectoryTable.h"
#include "reports/table/TrajectoryTableScrollView.h"
#include "reports/table/TrajectoryWindow.h"
#include "tests/gui/table/TableOwnerStub.h"

using namespace vorlan;

namespace {

using Owner = TableOwnerStub;

QAction* command(TrajectoryWindow* window, const char* name) { return window->findChild<QAction*>(name); }

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

int pdfPageCount(const QString& path) {
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page[^s]"));
    return static_cast<int>(QString::fromLatin1(readFile(path)).count(page));
}

}  // namespace

class TestTrajectoryWindow : public QObject {
    Q_OBJECT
private slots:
    // No real modal box may open: an unexpected question is cancelled, an error fails.
    void init() {
        tableDialogs().askSaveFileName = [](QWidget*, const QString&) { return QString(); };
        tableDialogs().showFileError = [](QWidget*, const QString&, const QString& message) {
            QFAIL(qPrintable(message));
        };
    }

    void titleAndOwnerList();
    void savedFileBytes();
    void saveAsRepeatsOnEmptyTitleAndCancelChangesNothing();
    void saveFailureIsReportedAndWindowStays();
    void printedPageCount_data();
    void printedPageCount();
    void printedPageRange();
    void ctrlPOpensPrintDialogWithPageRange();
    void scrollSizesAndPaging();
    void closeDuringPreviewEndsPreviewOnly();
    void twoWindowsAreIndependent();
    void keysAndMenuClose_data();
    void keysAndMenuClose();
};

void TestTrajectoryWindow::titleAndOwnerList() {
    Owner owner;
    TrajectoryWindow* window = owner.open(shotWithRows(45));
    QCOMPARE(window->windowTitle(), QStringLiteral("Trajectory Table - Test Pellet"));
    QVERIFY(window->isVisible());
    QVERIFY(!window->previewActive());
    // The designed File menu comes first, as designed; Edit and View follow it.
    const QList<QAction*> menus = window->menuBar()->actions();
    QCOMPARE(menus[0]->text(), QStringLiteral("&File"));
    QStringList texts;
    for (QAction* action : menus[0]->menu()->actions()) texts << action->text();
    // The designed items, then the program's own after a separator.
    QCOMPARE(texts.mid(0, 5),
             QStringList({"&Save As ...", "", "&Print...\tCtrl+P", "Print Pre&view", "P&rint Setup..."}));
    QCOMPARE(texts.mid(5), QStringList({"", "E&xport CSV...", "Field C&ard...", "&Hit Probability...", "&Truing...",
                                        "&Library...", "", "&Close\tCtrl+W"}));
}

void TestTrajectoryWindow::savedFileBytes() {
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir("tables"));
    Owner owner;
    owner.directory = dir.path() + "/";
    const ShotParameters shot = shotWithRows(45);
    TrajectoryWindow* window = owner.open(shot);
    QStringList offered;
    tableDialogs().askSaveFileName = [&](QWidget*, const QString& initial) {
        offered << initial;
        return dir.filePath("tables/table.txt");
    };
    command(window, "fileSaveAs")->trigger();

    const QByteArray bytes = readFile(dir.filePath("tables/table.txt"));
    QCOMPARE(bytes, QByteArray::fromStdString(savedTableText(window->document().lines())));
    QVERIFY(bytes.startsWith("Name: Test Pellet\r\n\r\nBC:             0.0200 (G1)     Temperature:"));
    QVERIFY(!bytes.contains('\t'));
    QCOMPARE(bytes.count("\r\n"), bytes.count('\n'));
    QCOMPARE(bytes.count("\r\n"), static_cast<qsizetype>(window->document().lines().size() + 1));
    QVERIFY(bytes.endsWith("\r\n\r\n"));
    // The folder is remembered with its separator and offered with the shot name next time.
    QCOMPARE(owner.directory, dir.path() + "/tables/");
    command(window, "fileSaveAs")->trigger();
    QCOMPARE(offered, QStringList({dir.path() + "/Test Pellet", dir.path() + "/tables/Test Pellet"}));
}

void TestTrajectoryWindow::saveAsRepeatsOnEmptyTitleAndCancelChangesNothing() {
    QTemporaryDir dir;
    Owner owner;
    owner.directory = "/start/";
    TrajectoryWindow* window = owner.open(shotWithRows(10));
    QStringList answers = {dir.filePath(".txt"), dir.path() + "/", dir.filePath("second.txt")};
    int asked = 0;
    tableDialogs().askSaveFileName = [&](QWidget*, const QString&) { return answers.value(asked++); };
    command(window, "fileSaveAs")->trigger();
    QCOMPARE(asked, 3);
    QVERIFY(QFile::exists(dir.filePath("second.txt")));
    QVERIFY(!QFile::exists(dir.filePath(".txt")));

    owner.directory = "/start/";
    tableDialogs().askSaveFileName = [&](QWidget*, const QString&) { return QString(); };
    command(window, "fileSaveAs")->trigger();
    QCOMPARE(owner.directory, QStringLiteral("/start/"));
}

void TestTrajectoryWindow::saveFailureIsReportedAndWindowStays() {
    QTemporaryDir dir;
    Owner owner;
    TrajectoryWindow* window = owner.open(shotWithRows(10));
    const QString path = dir.filePath("missing/table.txt");
    tableDialogs().askSaveFileName = [&](QWidget*, const QString&) { return path; };
    QStringList messages;
    tableDialogs().showFileError = [&](QWidget* parent, const QString&, const QString& message) {
        QCOMPARE(parent, window);
        messages << message;
    };
    command(window, "fileSaveAs")->trigger();
    QCOMPARE(messages.size(), 1);
    QVERIFY2(messages[0].contains(path), qPrintable(messages[0]));
    // The reason follows the file name on a line of its own.
    QVERIFY2(messages[0].section('\n', 1).trimmed().size() > 0, qPrintable(messages[0]));
    QVERIFY(window->isVisible());
    QCOMPARE(owner.windows.size(), std::size_t{1});
    QCOMPARE(owner.directory, dir.filePath("missing/"));
}

void TestTrajectoryWindow::printedPageCount_data() {
    QTest::addColumn<int>("incrementCount");
    QTest::addColumn<int>("lines");
    QTest::addColumn<int>("pages");
    // A report has 15 lines besides its rows; the last line is empty.
    QTest::newRow("61 lines") << 45 << 61 << 1;
    QTest::newRow("71 lines, last empty line alone") << 55 << 71 << 1;
    QTest::newRow("72 lines") << 56 << 72 << 2;
    QTest::newRow("141 lines") << 125 << 141 << 2;
    QTest::newRow("142 lines") << 126 << 142 << 3;
}

void TestTrajectoryWindow::printedPageCount() {
    QFETCH(int, incrementCount);
    QFETCH(int, lines);
    QFETCH(int, pages);
    QTemporaryDir dir;
    Owner owner;
    TrajectoryWindow* window = owner.open(shotWithRows(incrementCount));
    QCOMPARE(static_cast<int>(window->document().lines().size()), lines);
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath("table.pdf"));
    window->view()->print(&printer);
    QCOMPARE(pdfPageCount(dir.filePath("table.pdf")), pages);
    // Every page carries the column headings: the first in its lines, the others above them.
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {dir.filePath("table.pdf"), QStringLiteral("-")});
    if (!text.waitForFinished(10000) || text.exitCode() != 0) QSKIP("pdftotext is not installed");
    QCOMPARE(QString::fromUtf8(text.readAllStandardOutput()).count(QStringLiteral("(Yards)")), pages);
}

void TestTrajectoryWindow::printedPageRange() {
    QTemporaryDir dir;
    Owner owner;
    TrajectoryWindow* window = owner.open(shotWithRows(126));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath("range.pdf"));
    printer.setPrintRange(QPrinter::PageRange);
    printer.setFromTo(2, 9);
    window->view()->print(&printer);
    QCOMPARE(pdfPageCount(dir.filePath("range.pdf")), 2);
}

void TestTrajectoryWindow::ctrlPOpensPrintDialogWithPageRange() {
    Owner owner;
    TrajectoryWindow* window = owner.open(shotWithRows(125));
    QVERIFY(QTest::qWaitForWindowExposed(window));
    window->activateWindow();
    int minPage = -1;
    int maxPage = -1;
    QTimer::singleShot(0, this, [&] {
        auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
        if (!dialog) return;
        minPage = dialog->minPage();
        maxPage = dialog->maxPage();
        dialog->reject();
    });
    QTest::keyClick(window, Qt::Key_P, Qt::ControlModifier);
    QCOMPARE(minPage, 1);
    QCOMPARE(maxPage, 2);
}

void TestTrajectoryWindow::scrollSizesAndPaging() {
    ShotParameters shot = shotWithRows(2000);
    shot.velocity = 5000;  // flies past 2000 yd
    shot.weight = 750;
    shot.ballisticCoefficient = 2.0;
    shot.sightInRange = 1000;
    Owner owner;
    TrajectoryWindow* window = owner.open(shot);
    TrajectoryTableScrollView* view = window->view();
    const int n = static_cast<int>(window->document().lines().size());
    QVERIFY(n > 2000);
    QCOMPARE(view->totalSize().height(), (n + 1) * view->lineHeight());
    QScrollBar* bar = view->verticalScrollBar();
    QScrollBar* across = view->horizontalScrollBar();
    window->resize(500, 400);  // narrower than a line, so it scrolls both ways
    QCOMPARE(bar->maximum(), view->totalSize().height() - view->viewport()->height());
    // Keys and wheel move as in every text view: a line, a page in view, the ends.
    const int line = view->lineHeight();
    const int page = view->viewport()->height();
    const struct {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        int value;
    } steps[] = {
        {Qt::Key_Down, {}, line},
        {Qt::Key_Down, {}, 2 * line},
        {Qt::Key_PageDown, {}, 2 * line + page},
        {Qt::Key_PageUp, {}, 2 * line},
        {Qt::Key_Up, {}, line},
        {Qt::Key_End, Qt::ControlModifier, bar->maximum()},
        {Qt::Key_PageDown, {}, bar->maximum()},
        {Qt::Key_Home, Qt::ControlModifier, 0},
    };
    for (const auto& step : steps) {
        QTest::keyClick(view, step.key, step.modifiers);
        QCOMPARE(bar->value(), step.value);
    }
    QTest::keyClick(view, Qt::Key_End);
    QCOMPARE(across->value(), across->maximum());
    QVERIFY(across->maximum() > 0);
    QCOMPARE(bar->value(), 0);
    QTest::keyClick(view, Qt::Key_Home);
    QCOMPARE(across->value(), 0);
    QWheelEvent notch(QPointF(50, 50), view->viewport()->mapToGlobal(QPointF(50, 50)), QPoint(), QPoint(0, -120),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(view->viewport(), &notch);
    QCOMPARE(bar->value(), QApplication::wheelScrollLines() * line);
}

void TestTrajectoryWindow::closeDuringPreviewEndsPreviewOnly() {
    Owner owner;
    QPointer<TrajectoryWindow> window = owner.open(shotWithRows(45));
    command(window, "filePrintPreview")->trigger();
    QVERIFY(window->previewActive());
    QPointer<QPrintPreviewDialog> preview = window->previewDialog();
    QVERIFY(preview && preview->isVisible());

    QVERIFY(!window->close());
    QTRY_VERIFY(preview.isNull());
    QVERIFY(!window->previewActive());
    QVERIFY(window->isVisible());
    QCOMPARE(owner.windows.size(), std::size_t{1});

    QVERIFY(window->close());
    QTRY_VERIFY(window.isNull());
    QVERIFY(owner.windows.empty());
}

void TestTrajectoryWindow::twoWindowsAreIndependent() {
    Owner owner;
    QPointer<TrajectoryWindow> first = owner.open(shotWithRows(45));
    QPointer<TrajectoryWindow> second = owner.open(shotWithRows(45));
    QCOMPARE(owner.windows.size(), std::size_t{2});
    first->close();
    QTRY_VERIFY(first.isNull());
    QCOMPARE(owner.windows, std::vector<TrajectoryWindow*>{second.data()});
    QVERIFY(second->isVisible());

    QTemporaryDir dir;
    tableDialogs().askSaveFileName = [&](QWidget*, const QString&) { return dir.filePath("second.txt"); };
    command(second, "fileSaveAs")->trigger();
    QVERIFY(QFile::exists(dir.filePath("second.txt")));

    // Closing the last table window does not end the program's event loop.
    QGuiApplication::setQuitOnLastWindowClosed(true);
    bool survived = false;
    QTimer::singleShot(0, second, [&] { second->close(); });
    QTimer::singleShot(200, qApp, [&] {
        survived = true;
        QCoreApplication::exit(0);
    });
    QCoreApplication::exec();
    QVERIFY(survived);
    QTRY_VERIFY(second.isNull());
    QVERIFY(owner.windows.empty());
}

QTEST_MAIN(TestTrajectoryWindow)
#include "TrajectoryWindowTest.moc"

void TestTrajectoryWindow::keysAndMenuClose_data() {
    QTest::addColumn<QKeyCombination>("key");  // Qt::Key_unknown: File > Close
    QTest::addColumn<bool>("selected");        // lines selected before the key
    QTest::addColumn<bool>("closes");
    QTest::newRow("Ctrl+W") << QKeyCombination(Qt::CTRL, Qt::Key_W) << false << true;
    QTest::newRow("Escape") << QKeyCombination(Qt::Key_Escape) << false << true;
    QTest::newRow("Escape clears a selection first") << QKeyCombination(Qt::Key_Escape) << true << false;
    QTest::newRow("File Close") << QKeyCombination(Qt::Key_unknown) << false << true;
}

void TestTrajectoryWindow::keysAndMenuClose() {
    QFETCH(QKeyCombination, key);
    QFETCH(bool, selected);
    QFETCH(bool, closes);
    Owner owner;
    QPointer<TrajectoryWindow> window = owner.open(shotWithRows(10));
    QApplication::setActiveWindow(window);
    QVERIFY(QTest::qWaitForWindowActive(window));
    window->view()->setFocus();
    if (selected) window->view()->selectAll();
    if (key.key() == Qt::Key_unknown)
        command(window, "fileClose")->trigger();
    else
        QTest::keyClick(window->view(), key.key(), key.keyboardModifiers());
    QTRY_COMPARE(window.isNull(), closes);
    if (!closes) QVERIFY(window->view()->selection().empty());
}
