// The desktop program as a shooter meets it: Escape, Enter, saving under calibre names, a
// failed check stopping its command, help during the modal run, where new windows appear,
// the tab order and the small notes that replace silence.

#include <QAbstractButton>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTextBrowser>
#include <QTimer>

#include "app/CAboutDlg.h"
#include "app/CHiddenWindow.h"
#include "reports/TableDialogs.h"
#include "reports/TrajectoryWindow.h"
#include "tests/gui/GuiHarness.h"
#include "ui/CAdvancedDlg.h"
#include "ui/CColorMsgBox.h"
#include "ui/CComputeBC.h"
#include "ui/CShoot.h"
#include "ui/ContextHelp.h"
#include "ui/HelpBrowser.h"
#include "ui/SideWindow.h"

using namespace vorlan;
using namespace vorlan::testing;

namespace {

constexpr int kVelocity = 1002;
constexpr int kTemperature = 1013;

// The visible windows of type T that the main dialog owns, oldest first.
template <class T>
QList<QWidget*> windowsOf(CVorlan2Dlg* dlg) {
    QList<QWidget*> found;
    for (T* w : dlg->findChildren<T*>())
        if (w->isWindow() && w->isVisible()) found << w;
    return found;
}

void click(CVorlan2Dlg* dlg, int controlId) { dlg->controlAs<QAbstractButton>(controlId)->click(); }

// Runs `body` inside a modal run of a dialog, then ends the run.
template <class Body>
void runModal(QDialog& dialog, Body body) {
    QTimer::singleShot(0, &dialog, [&] {
        body();
        dialog.done(QDialog::Accepted);
    });
    dialog.exec();
}

// The result of a modal run in which `key` is pressed; 99 when the key did not end it.
int resultAfterKey(QDialog& dialog, int key) {
    QTimer::singleShot(0, &dialog, [&] { QTest::keyClick(&dialog, Qt::Key(key)); });
    QTimer::singleShot(300, &dialog, [&] { dialog.done(99); });
    return dialog.exec();
}

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}  // namespace

class TestDesktopTour : public QObject {
    Q_OBJECT
private slots:
    void escapeNeverEndsTheProgram();
    void saveUnderAnyName_data();
    void saveUnderAnyName();
    void enterPressesOk();
    void failedCheckStopsTheCommand_data();
    void failedCheckStopsTheCommand();
    void helpWindowDuringModalRun();
    void newWindowsCascadeWithIcons();
    void tabOrderFollowsTheLayout();
    void silentOutcomesGetAWord();
    void unusableCoefficientSaysWhy_data();
    void unusableCoefficientSaysWhy();
};

void TestDesktopTour::escapeNeverEndsTheProgram() {
    Harness h;
    auto dlg = h.openMainDialog();
    click(dlg.get(), 1031);
    click(dlg.get(), 1034);
    QPointer<QWidget> table = dlg->openTableWindows.last();
    QPointer<QWidget> side = windowsOf<CComputeBC>(dlg.get()).value(0);
    QTest::keyClick(dlg->edit(1001), Qt::Key_Escape);
    QVERIFY(dlg->isVisible() && table && side);
    // A close refused for a bad field leaves every window open and tells it once.
    dlg->edit(kVelocity)->setText("0");
    QVERIFY(!dlg->close());
    QVERIFY(dlg->isVisible() && table && table->isVisible() && side && side->isVisible());
    QCOMPARE(h.messages.size(), 1);
    dlg->edit(kVelocity)->setText("2700");
    QVERIFY(dlg->close());
    QVERIFY(!table);
}

void TestDesktopTour::saveUnderAnyName_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shotFile");
    QTest::addColumn<QString>("tableFile");
    QTest::newRow("calibre") << ".308 Win"
                             << ".308 Win.vxf"
                             << ".308 Win.txt";
    QTest::newRow("calibre only") << ".22"
                                  << ".22.vxf"
                                  << ".22.txt";
    QTest::newRow("dots") << "a.b.c"
                          << "a.b.c.vxf"
                          << "a.b.c.txt";
    QTest::newRow("plain") << "x"
                           << "x.vxf"
                           << "x.txt";
    QTest::newRow("trailing dot") << "x."
                                  << "x.vxf"
                                  << "x.txt";
    QTest::newRow("own extension") << "y.vxf"
                                   << "y.vxf"
                                   << "y.vxf.txt";
}

void TestDesktopTour::saveUnderAnyName() {
    QFETCH(QString, typed);
    QFETCH(QString, shotFile);
    QFETCH(QString, tableFile);
    Harness h;
    auto dlg = h.openMainDialog();
    dlg->edit(1000)->setText(typed);
    // A name without a title is asked for again; the next answer is kept.
    h.fileAnswers = {h.path(".vxf"), h.path(typed)};
    dlg->onSave();
    QCOMPARE(h.fileRequests.size(), 2);
    QVERIFY2(readAll(h.path(shotFile)).startsWith("Name:" + typed.toUtf8()), qPrintable(shotFile));
    QCOMPARE(QString::fromStdString(dlg->saveFileName), shotFile);

    TableDialogs saved = tableDialogs();
    QStringList answers = {h.path(".txt"), h.path(typed)};
    tableDialogs().askSaveFileName = [&answers](QWidget*, const QString&) { return answers.takeFirst(); };
    click(dlg.get(), 1031);
    auto* table = qobject_cast<TrajectoryWindow*>(dlg->openTableWindows.last());
    table->onFileSaveAs();
    tableDialogs() = saved;
    QVERIFY(answers.isEmpty());
    QVERIFY2(readAll(h.path(tableFile)).startsWith("Name: " + typed.toUtf8()), qPrintable(tableFile));
    QCOMPARE(table->windowTitle(), "Trajectory Table - " + typed);
}

void TestDesktopTour::enterPressesOk() {
    Harness h;
    for (const int key : {Qt::Key_Return, Qt::Key_Enter}) {
        CColorMsgBox message(h.context, QStringLiteral("Please enter a number."));
        QCOMPARE(resultAfterKey(message, key), int(QDialog::Accepted));
        CAboutDlg about(h.context);
        QCOMPARE(resultAfterKey(about, key), int(QDialog::Accepted));
    }
}

void TestDesktopTour::failedCheckStopsTheCommand_data() {
    QTest::addColumn<int>("button");
    QTest::newRow("Range Table") << 1031;
    QTest::newRow("Set Baseline") << 1033;
    QTest::newRow("Shoot with a baseline") << 1032;
    QTest::newRow("Air Density") << 1029;
    QTest::newRow("Std. Atmosphere") << 1026;
    QTest::newRow("Maximum Range") << 1035;
}

void TestDesktopTour::failedCheckStopsTheCommand() {
    QFETCH(int, button);
    Harness h;
    auto dlg = h.openMainDialog();
    click(dlg.get(), 1033);  // a baseline to shoot against
    const std::string baselineName = dlg->baseline()->name;
    dlg->edit(1000)->setText("New load");
    dlg->edit(kVelocity)->setText("0");  // out of range
    dlg->edit(kTemperature)->setText("20");
    click(dlg.get(), button);
    QCOMPARE(h.messages.size(), 1);
    QVERIFY(dlg->openTableWindows.isEmpty());
    QVERIFY(windowsOf<CShoot>(dlg.get()).isEmpty());
    QCOMPARE(dlg->baseline()->name, baselineName);
    QVERIFY(dlg->edit(1016)->text().isEmpty());
    for (QWidget* side : windowsOf<SideWindow>(dlg.get()))  // opened, but nothing computed
        QVERIFY(static_cast<SideWindow*>(side)->edit(1006)->text().isEmpty());
    // What the user typed after the failing field is still there.
    QCOMPARE(dlg->edit(kTemperature)->text(), QString("20"));
    QCOMPARE(dlg->edit(kVelocity)->text(), QString("0"));
}

void TestDesktopTour::helpWindowDuringModalRun() {
    Harness h;
    CHiddenWindow hidden;
    h.context.help = &hidden;
    CVorlan2Dlg dlg(h.context);
    hidden.mainDialog = &dlg;
    BlockWatcher watcher;
    qApp->installEventFilter(&watcher);
    QPointer<HelpBrowser> help;
    bool blocked = true, single = false, linked = false, back = false, closed = false, reopened = false;
    runModal(dlg, [&] {
        click(&dlg, 32778);
        help = hidden.helpBrowser();
        QVERIFY(QTest::qWaitForWindowExposed(help));
        blocked = watcher.isBlocked(help);
        click(&dlg, 32778);  // the open one comes forward
        single = windowsOf<HelpBrowser>(&dlg).size() == 1 && hidden.helpBrowser() == help;
        // Follow the first link with the keyboard, then go back.
        QTextBrowser* browser = help->browser();
        browser->setFocus();
        QTest::keyClick(browser, Qt::Key_Tab);
        QTest::keyClick(browser, Qt::Key_Return);
        linked = help->currentPage() != "index.html";
        help->findChild<QAbstractButton*>("back")->click();
        back = help->currentPage() == "index.html";
        QApplication::setActiveWindow(help);
        QTest::keyClick(browser, Qt::Key_Escape);
        closed = QTest::qWaitFor([&] { return help.isNull(); });
        // F1 in a table window opens the contents again.
        click(&dlg, 1031);
        QWidget* table = dlg.openTableWindows.last();
        QApplication::setActiveWindow(table);
        QTest::keyClick(table, Qt::Key_F1);
        reopened = hidden.helpBrowser() != nullptr;
    });
    qApp->removeEventFilter(&watcher);
    h.context.help = nullptr;
    QVERIFY(!blocked);
    QVERIFY(single);
    QVERIFY(linked);
    QVERIFY(back);
    QVERIFY(closed);
    QVERIFY(reopened);
}

void TestDesktopTour::newWindowsCascadeWithIcons() {
    Harness h;
    auto dlg = h.openMainDialog();
    const QRect screen = dlg->screen()->availableGeometry();
    for (const int button : {1032, 1031, 1034, 1046}) {
        click(dlg.get(), button);
        click(dlg.get(), button);
    }
    const QList<QList<QWidget*>> kinds = {windowsOf<CShoot>(dlg.get()), windowsOf<TrajectoryWindow>(dlg.get()),
                                          windowsOf<CComputeBC>(dlg.get()), windowsOf<CAdvancedDlg>(dlg.get())};
    for (const QList<QWidget*>& windows : kinds) {
        QCOMPARE(windows.size(), 2);
        QVERIFY(windows[0]->pos() != windows[1]->pos());
        for (QWidget* w : windows) QVERIFY(screen.contains(w->pos()));
    }
    const QIcon icon = kinds[1][0]->windowIcon();
    QVERIFY(icon.availableSizes().contains(QSize(16, 16)) && icon.availableSizes().contains(QSize(32, 32)));
    QVERIFY(!kinds[0][0]->windowIcon().isNull());
}

void TestDesktopTour::tabOrderFollowsTheLayout() {
    Harness h;
    auto dlg = h.openMainDialog();
    QCOMPARE(dlg->minimumSize(), dlg->maximumSize());  // a fixed size
    dlg->edit(1000)->setFocus();
    QList<int> visited;
    for (int i = 0; i < 37; ++i) {
        visited << ThemedDialog::controlIdOf(QApplication::focusWidget());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    const QList<int> expected = {1000, 1001, 1002, 1003, 1004, 1005, 1006, 1007, 1008,  1009, 1010, 1011, 1012,
                                 1037, 1041, 1013, 1014, 1015, 1018, 1019, 1020, 1039,  1026, 1030, 1029, 1031,
                                 1033, 1032, 1034, 1036, 1035, 1046, 1038, 1047, 32778, 1000, 1001};
    QCOMPARE(visited, expected);
}

void TestDesktopTour::silentOutcomesGetAWord() {
    Harness h;
    auto dlg = h.openMainDialog();
    dlg->edit(1000)->setText(".22 LR");
    click(dlg.get(), 1033);
    QCOMPARE(dlg->statusText(), QString("Baseline set: .22 LR"));
    QVERIFY(dlg->control(1032)->toolTip().contains(".22 LR"));
    // The main dialog's Target Range has its own pop-up text, which the comparison window shares.
    QVERIFY(popupHelpText(controlHelpId(102, 1012)).startsWith("Range of the target"));
    // Load empties the density of the shot that was on screen before.
    click(dlg.get(), 1029);
    QVERIFY(!dlg->edit(1016)->text().isEmpty());
    h.fileAnswers = {h.path("a.vxf")};
    dlg->onSave();
    h.fileAnswers = {h.path("a.vxf")};
    dlg->onLoad();
    QVERIFY(dlg->edit(1016)->text().isEmpty() && dlg->edit(1017)->text().isEmpty());
}

void TestDesktopTour::unusableCoefficientSaysWhy_data() {
    QTest::addColumn<QString>("nearFps");
    QTest::addColumn<QString>("farFps");
    QTest::addColumn<QString>("reason");
    QTest::newRow("equal") << "2700"
                           << "2700"
                           << "velocities are equal";
    QTest::newRow("far above near") << "2600"
                                    << "2700"
                                    << "far velocity is above";
    QTest::newRow("loss too small") << "2700"
                                    << "2699.9"
                                    << "loss is too small";
    QTest::newRow("usable") << "2700"
                            << "2600"
                            << "";
}

void TestDesktopTour::unusableCoefficientSaysWhy() {
    QFETCH(QString, nearFps);
    QFETCH(QString, farFps);
    QFETCH(QString, reason);
    Harness h;
    auto dlg = h.openMainDialog();
    click(dlg.get(), 1034);
    auto* window = qobject_cast<CComputeBC*>(windowsOf<CComputeBC>(dlg.get()).value(0));
    QVERIFY(window);
    window->edit(1000)->setText(nearFps);
    window->edit(1001)->setText(farFps);
    window->edit(1002)->setText("300");
    window->onCompute();
    QVERIFY2(window->reason().contains(reason), qPrintable(window->reason()));
    QCOMPARE(window->reason().isEmpty(), reason.isEmpty());
    QCOMPARE(window->edit(1003)->text().isEmpty(), !reason.isEmpty());
}

QTEST_MAIN(TestDesktopTour)
#include "DesktopTourTest.moc"
