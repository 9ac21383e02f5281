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
#include "ui/ControlIds.h"
#include "ui/HelpBrowser.h"
#include "ui/SideWindow.h"

using namespace vorlan;
using namespace vorlan::testing;
using namespace vorlan::MainDialogIds;

namespace {

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
    click(dlg.get(), kRangeTableButton);
    click(dlg.get(), kComputeBcButton);
    QPointer<QWidget> table = dlg->openTableWindows.last();
    QPointer<QWidget> side = windowsOf<CComputeBC>(dlg.get()).value(0);
    QTest::keyClick(dlg->edit(kCaliberEdit), Qt::Key_Escape);
    QVERIFY(dlg->isVisible() && table && side);
    // A close refused for a bad field leaves every window open and tells it once.
    dlg->edit(kVelocityEdit)->setText("0");
    QVERIFY(!dlg->close());
    QVERIFY(dlg->isVisible() && table && table->isVisible() && side && side->isVisible());
    QCOMPARE(h.messages.size(), 1);
    dlg->edit(kVelocityEdit)->setText("2700");
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
    QTest::newRow("own extension in capitals") << "SHOT.VXF"
                                               << "SHOT.VXF"
                                               << "SHOT.VXF.txt";
    QTest::newRow("table extension in capitals") << "TABLE.TXT"
                                                 << "TABLE.TXT.vxf"
                                                 << "TABLE.TXT";
}

void TestDesktopTour::saveUnderAnyName() {
    QFETCH(QString, typed);
    QFETCH(QString, shotFile);
    QFETCH(QString, tableFile);
    Harness h;
    auto dlg = h.openMainDialog();
    dlg->edit(kNameEdit)->setText(typed);
    // A name without a title is asked for again; the next answer is kept.
    h.fileAnswers = {h.path(".vxf"), h.path(typed)};
    dlg->onSave();
    QCOMPARE(h.fileRequests.size(), 2);
    QVERIFY2(readAll(h.path(shotFile)).startsWith("Name:" + typed.toUtf8()), qPrintable(shotFile));
    QCOMPARE(QString::fromStdString(dlg->saveFileName), shotFile);

    TableDialogs saved = tableDialogs();
    QStringList answers = {h.path(".txt"), h.path(typed)};
    tableDialogs().askSaveFileName = [&answers](QWidget*, const QString&) { return answers.takeFirst(); };
    click(dlg.get(), kRangeTableButton);
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
    QTest::newRow("Range Table") << kRangeTableButton;
    QTest::newRow("Set Baseline") << kSetBaselineButton;
    QTest::newRow("Shoot with a baseline") << kShootButton;
    QTest::newRow("Air Density") << kAirDensityButton;
    QTest::newRow("Std. Atmosphere") << kStdAtmosphereButton;
    QTest::newRow("Maximum Range") << kMaximumRangeButton;
}

void TestDesktopTour::failedCheckStopsTheCommand() {
    QFETCH(int, button);
    Harness h;
    auto dlg = h.openMainDialog();
    click(dlg.get(), kSetBaselineButton);  // a baseline to shoot against
    const std::string baselineName = dlg->baseline()->name;
    dlg->edit(kNameEdit)->setText("New load");
    dlg->edit(kVelocityEdit)->setText("0");  // out of range
    dlg->edit(kTemperatureEdit)->setText("20");
    click(dlg.get(), button);
    QCOMPARE(h.messages.size(), 1);
    QVERIFY(dlg->openTableWindows.isEmpty());
    QVERIFY(windowsOf<CShoot>(dlg.get()).isEmpty());
    QCOMPARE(dlg->baseline()->name, baselineName);
    QVERIFY(dlg->edit(kAirDensityEdit)->text().isEmpty());
    for (QWidget* side : windowsOf<SideWindow>(dlg.get()))  // opened, but nothing computed
        QVERIFY(static_cast<SideWindow*>(side)->edit(MaximumRangeIds::kRangeEdit)->text().isEmpty());
    // What the user typed after the failing field is still there.
    QCOMPARE(dlg->edit(kTemperatureEdit)->text(), QString("20"));
    QCOMPARE(dlg->edit(kVelocityEdit)->text(), QString("0"));
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
        click(&dlg, kHelpButton);
        help = hidden.helpBrowser();
        QVERIFY(QTest::qWaitForWindowExposed(help));
        blocked = watcher.isBlocked(help);
        click(&dlg, kHelpButton);  // the open one comes forward
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
        click(&dlg, kRangeTableButton);
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
    for (const int button : {kShootButton, kRangeTableButton, kComputeBcButton, kAdvancedButton}) {
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
    dlg->edit(kNameEdit)->setFocus();
    QList<int> visited;
    for (int i = 0; i < 37; ++i) {
        visited << ThemedDialog::controlIdOf(QApplication::focusWidget());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    // clang-format off
    const QList<int> expected = {kNameEdit, kCaliberEdit, kVelocityEdit, kWeightEdit, kBallisticCoefficientEdit,
                                 kSightHeightEdit, kCantAngleEdit, kSightInRangeEdit, kRangeIncrementEdit,
                                 kIncrementCountEdit, kLosAngleEdit, kCrosswindEdit, kTargetRangeEdit,
                                 kTargetSpeedEdit, kTargetDirectionEdit, kTemperatureEdit, kHumidityEdit,
                                 kPressureEdit, kAltitudeEdit, kStationPressureCheck, kG1Radio, kMuzzleAngleCheck,
                                 kStdAtmosphereButton, kIcaoAtmosphereButton, kAirDensityButton, kRangeTableButton,
                                 kSetBaselineButton, kShootButton, kComputeBcButton, kOpbzButton, kMaximumRangeButton,
                                 kAdvancedButton, kCalculationsButton, kContextHelpButton, kHelpButton, kNameEdit, kCaliberEdit};
    // clang-format on
    QCOMPARE(visited, expected);
}

void TestDesktopTour::silentOutcomesGetAWord() {
    Harness h;
    auto dlg = h.openMainDialog();
    dlg->edit(kNameEdit)->setText(".22 LR");
    click(dlg.get(), kSetBaselineButton);
    QCOMPARE(dlg->statusText(), QString("Baseline set: .22 LR"));
    QVERIFY(dlg->control(kShootButton)->toolTip().contains(".22 LR"));
    // The main dialog's Target Range has its own pop-up text, which the comparison window shares.
    QVERIFY(popupHelpText(controlHelpId(kTemplate, kTargetRangeEdit)).startsWith("Range of the target"));
    // Load empties the density of the shot that was on screen before.
    click(dlg.get(), kAirDensityButton);
    QVERIFY(!dlg->edit(kAirDensityEdit)->text().isEmpty());
    h.fileAnswers = {h.path("a.vxf")};
    dlg->onSave();
    h.fileAnswers = {h.path("a.vxf")};
    dlg->onLoad();
    QVERIFY(dlg->edit(kAirDensityEdit)->text().isEmpty() && dlg->edit(kSeaLevelPercentEdit)->text().isEmpty());
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
    click(dlg.get(), kComputeBcButton);
    auto* window = qobject_cast<CComputeBC*>(windowsOf<CComputeBC>(dlg.get()).value(0));
    QVERIFY(window);
    window->edit(ComputeBcIds::kNearSpeedEdit)->setText(nearFps);
    window->edit(ComputeBcIds::kFarSpeedEdit)->setText(farFps);
    window->edit(ComputeBcIds::kDistanceEdit)->setText("300");
    window->onCompute();
    QVERIFY2(window->reason().contains(reason), qPrintable(window->reason()));
    QCOMPARE(window->reason().isEmpty(), reason.isEmpty());
    QCOMPARE(window->edit(ComputeBcIds::kNewBcEdit)->text().isEmpty(), !reason.isEmpty());
}

QTEST_MAIN(TestDesktopTour)
#include "DesktopTourTest.moc"
