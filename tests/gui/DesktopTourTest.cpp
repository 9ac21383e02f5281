// The desktop program as a shooter meets it: Escape, Enter, saving under calibre names, a
// failed check stopping its command, help during the modal run, where new windows appear,
// the tab order and the small notes that replace silence.

#include <QAbstractButton>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QMainWindow>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollArea>
#include <QSet>
#include <QTextBrowser>
#include <QTimer>
#include <QUrl>
#include "app/CAboutDlg.h"
#include "app/CHiddenWindow.h"
#include "reports/table/TableDialogs.h"
#include "reports/table/TableViewCommands.h"
#include "reports/table/TrajectoryTable.h"
#include "reports/table/TrajectoryWindow.h"
#include "tests/gui/GuiHarness.h"
#include "ui/advanced/CAdvancedDlg.h"
#include "ui/advanced/CAdvancedDlgFields.h"
#include "ui/calculations/CComputeBC.h"
#include "ui/common/CColorMsgBox.h"
#include "ui/common/ContextHelp.h"
#include "ui/common/ControlIds.h"
#include "ui/common/SideWindow.h"
#include "ui/help/HelpBrowser.h"
#include "ui/main/CShoot.h"

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

// Moves the dialog to the middle of its screen, 20 pixels from the top; returns its frame.
QRect centreOnScreen(QWidget& dialog) {
    const QRect screen = dialog.screen()->availableGeometry();
    dialog.move(screen.left() + (screen.width() - dialog.frameGeometry().width()) / 2, screen.top() + 20);
    return dialog.frameGeometry();
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
    void clickThatFixesAFieldIsNotRefused_data();
    void clickThatFixesAFieldIsNotRefused();
    void halfFilledRowIsNoError_data();
    void halfFilledRowIsNoError();
    void eachKindFirstOpensBesideTheDialog_data();
    void eachKindFirstOpensBesideTheDialog();
    void threeTablesThreePlacesThreeTitles();
    void cascadeUsesTheRoomOnBothSides();
    void tooWideForEitherSideTakesTheFreeOne();
    void unopenedFileIsTold_data();
    void unopenedFileIsTold();
    void tableSaysWhyItEndsEarly();
    void comparisonSaysWhichWay();
    void longNameShowsItsStart();
    void mainDialogFitsTheScreen();
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
    QTest::addColumn<QString>("offered");  // the name the dialogs suggest: never a hidden file
    QTest::addColumn<QString>("shotFile");
    QTest::addColumn<QString>("tableFile");
    QTest::newRow("calibre") << ".308 Win 175 gr SMK"
                             << "308 Win 175 gr SMK"
                             << ".308 Win 175 gr SMK.vxf"
                             << ".308 Win 175 gr SMK.txt";
    QTest::newRow("calibre only") << "..22"
                                  << "22"
                                  << "..22.vxf"
                                  << "..22.txt";
    QTest::newRow("dots") << "a.b.c"
                          << "a.b.c"
                          << "a.b.c.vxf"
                          << "a.b.c.txt";
    QTest::newRow("trailing dot") << "x."
                                  << "x."
                                  << "x.vxf"
                                  << "x.txt";
    QTest::newRow("own extension") << "y.vxf"
                                   << "y.vxf"
                                   << "y.vxf"
                                   << "y.vxf.txt";
    QTest::newRow("own extension in capitals") << "SHOT.VXF"
                                               << "SHOT.VXF"
                                               << "SHOT.VXF"
                                               << "SHOT.VXF.txt";
    QTest::newRow("table extension in capitals") << "TABLE.TXT"
                                                 << "TABLE.TXT"
                                                 << "TABLE.TXT.vxf"
                                                 << "TABLE.TXT";
}

void TestDesktopTour::saveUnderAnyName() {
    QFETCH(QString, typed);
    QFETCH(QString, offered);
    QFETCH(QString, shotFile);
    QFETCH(QString, tableFile);
    Harness h;
    auto dlg = h.openMainDialog();
    dlg->edit(kNameEdit)->setText(typed);
    // A name without a title is asked for again; the next answer, as typed, is kept.
    h.fileAnswers = {h.path(".vxf"), h.path(typed)};
    dlg->onSave();
    QCOMPARE(h.fileRequests.size(), 2);
    QCOMPARE(h.fileRequests[0].initialPath.section(u'/', -1), offered);
    QVERIFY2(readAll(h.path(shotFile)).startsWith("Name:" + typed.toUtf8()), qPrintable(shotFile));
    QCOMPARE(QString::fromStdString(dlg->saveFileName), shotFile);

    TableDialogs saved = tableDialogs();
    QStringList answers = {h.path(".txt"), h.path(typed)};
    QStringList offers;
    tableDialogs().askSaveFileName = [&](QWidget*, const QString& initial) {
        offers << initial;
        return answers.takeFirst();
    };
    click(dlg.get(), kRangeTableButton);
    auto* table = qobject_cast<TrajectoryWindow*>(dlg->openTableWindows.last());
    table->onFileSaveAs();
    tableDialogs() = saved;
    QVERIFY(answers.isEmpty());
    QCOMPARE(offers.value(0).section(u'/', -1), offered);
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
        // F1 in a table window opens the help on the range table.
        click(&dlg, kRangeTableButton);
        QWidget* table = dlg.openTableWindows.last();
        QApplication::setActiveWindow(table);
        QTest::keyClick(table, Qt::Key_F1);
        reopened = hidden.helpBrowser() && hidden.helpBrowser()->currentPage() == "range-table.html";
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
    for (int i = 0; i < 39; ++i) {
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
                                 kFieldCardButton, kHitProbabilityButton, kLibraryButton, kAdvancedButton,
                                 kCalculationsButton, kContextHelpButton, kHelpButton, kNameEdit};
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

void TestDesktopTour::clickThatFixesAFieldIsNotRefused_data() {
    QTest::addColumn<int>("cleared");  // a check box cleared first, or 0
    QTest::addColumn<int>("field");
    QTest::addColumn<QString>("text");  // refused while `cleared` is clear
    QTest::addColumn<int>("fixer");     // the control the user then clicks
    QTest::addColumn<bool>("refused");  // whether the click is refused by the field's check
    QTest::addColumn<bool>("thenValid");
    QTest::newRow("Station B.P. lowers the bound")
        << kStationPressureCheck << kPressureEdit << "22.22" << kStationPressureCheck << false << true;
    QTest::newRow("Std. Atmosphere replaces the pressure")
        << kStationPressureCheck << kPressureEdit << "22.22" << kStdAtmosphereButton << false << true;
    QTest::newRow("ICAO Atmosphere replaces the pressure")
        << kStationPressureCheck << kPressureEdit << "22.22" << kIcaoAtmosphereButton << false << true;
    QTest::newRow("Std. Atmosphere replaces the temperature")
        << 0 << kTemperatureEdit << "999" << kStdAtmosphereButton << false << true;
    QTest::newRow("correction makes the angle solved")
        << kMuzzleAngleCheck << kMuzzleAngleEdit << "9999" << kMuzzleAngleCheck << false << false;
    QTest::newRow("Air Density replaces nothing")
        << kStationPressureCheck << kPressureEdit << "22.22" << kAirDensityButton << true << false;
    QTest::newRow("ICAO keeps the altitude") << 0 << kAltitudeEdit << "99999" << kIcaoAtmosphereButton << true << false;
}

void TestDesktopTour::clickThatFixesAFieldIsNotRefused() {
    QFETCH(int, cleared);
    QFETCH(int, field);
    QFETCH(QString, text);
    QFETCH(int, fixer);
    QFETCH(bool, refused);
    QFETCH(bool, thenValid);
    Harness h;
    auto dlg = h.openMainDialog();
    if (auto* box = dlg->controlAs<QAbstractButton>(cleared); box && box->isChecked()) box->click();
    h.messages.clear();
    retype(dlg->edit(field), text);
    auto* button = dlg->controlAs<QAbstractButton>(fixer);
    const bool wasChecked = button->isChecked();
    // The focus leaves the field for the control; a check box is clicked on its box.
    const QPoint where = button->isCheckable() ? QPoint(6, button->height() / 2) : button->rect().center();
    QTest::mouseClick(button, Qt::LeftButton, {}, where);
    QCOMPARE(!h.messages.isEmpty(), refused);
    if (!refused && button->isCheckable()) QVERIFY(button->isChecked() != wasChecked);
    h.messages.clear();
    QCOMPARE(dlg->updateData(), thenValid);
}

void TestDesktopTour::halfFilledRowIsNoError_data() {
    using namespace AdvancedIds;
    using advancedfields::zoneFields;
    QTest::addColumn<QList<int>>("row");  // the cells of the first row
    QTest::addColumn<QStringList>("values");
    QTest::addColumn<int>("nextRow");      // the first cell of the second row
    QTest::addColumn<QString>("rowName");  // the second cell's name in the message
    QTest::newRow("BC bands") << QList<int>{kBandVelocity, kBandCoefficient} << QStringList{"2000", "0.45"}
                              << kBandVelocity + 1 << "BC";
    QTest::newRow("wind zones") << QList<int>{zoneFields(0).until.controlId, zoneFields(0).speed.controlId,
                                              zoneFields(0).direction.controlId}
                                << QStringList{"300", "10", "90"} << zoneFields(1).until.controlId << "speed (m.p.h.)";
}

void TestDesktopTour::halfFilledRowIsNoError() {
    QFETCH(QList<int>, row);
    QFETCH(QStringList, values);
    QFETCH(int, nextRow);
    QFETCH(QString, rowName);
    Harness h;
    auto dlg = h.openMainDialog();
    click(dlg.get(), kAdvancedButton);
    auto* window = qobject_cast<CAdvancedDlg*>(windowsOf<CAdvancedDlg>(dlg.get()).value(0));
    QVERIFY(window);
    QApplication::setActiveWindow(window);
    // Each cell, then Tab to the next: no message before the row can be finished.
    for (int i = 0; i < row.size(); ++i) {
        retype(window->edit(row[i]), values[i]);
        if (i + 1 == row.size()) break;
        QTest::keyClick(window->edit(row[i]), Qt::Key_Tab);
        QCOMPARE(ThemedDialog::controlIdOf(QApplication::focusWidget()), row[i + 1]);
        QVERIFY2(h.messages.isEmpty(), qPrintable(h.messages.join('|')));
    }
    // A row left half filled is checked when it is left.
    retype(window->edit(nextRow), "1500");
    window->edit(AdvancedIds::kWindSpeed)->setFocus();
    QCOMPARE(h.messages.size(), 1);
    QVERIFY2(h.messages[0].endsWith(" 2 needs its " + rowName + ": please enter a number, or clear the row."),
             qPrintable(h.messages[0]));
    window->edit(nextRow)->clear();  // an empty row is no row
    h.messages.clear();
    QVERIFY(window->updateData());
    QVERIFY(dlg->updateData());
    const AdvancedEffects& e = dlg->shot().advanced;
    QCOMPARE(e.bcBands.size() + e.windZones.size(), std::size_t{1});
    QCOMPARE(e.bcBands.empty() ? e.windZones[0].speed : e.bcBands[0].coefficient, values[1].toDouble());
}

void TestDesktopTour::eachKindFirstOpensBesideTheDialog_data() {
    // Where the first window of each kind opens, right of the main dialog's frame (a gap of
    // 8 pixels) and level with its top, moved by its kind's offset: kinds that open together
    // never cover each other exactly.
    QTest::addColumn<int>("button");
    QTest::addColumn<QPoint>("offset");
    QTest::newRow("Range Table") << kRangeTableButton << QPoint(0, 0);
    QTest::newRow("Shoot") << kShootButton << QPoint(14, 14);
    QTest::newRow("Compute BC") << kComputeBcButton << QPoint(14, 0);
    QTest::newRow("Maximum Range") << kMaximumRangeButton << QPoint(14, 0);
    QTest::newRow("OPBZ") << kOpbzButton << QPoint(14, 0);
    QTest::newRow("Calculations") << kCalculationsButton << QPoint(14, 0);
    QTest::newRow("Advanced") << kAdvancedButton << QPoint(14, 0);
    QTest::newRow("Help") << kHelpButton << QPoint(14, 0);
}

void TestDesktopTour::eachKindFirstOpensBesideTheDialog() {
    QFETCH(int, button);
    QFETCH(QPoint, offset);
    Harness h;
    CHiddenWindow hidden;
    h.context.help = &hidden;
    auto dlg = h.openMainDialog();
    hidden.mainDialog = dlg.get();
    const QRect screen = dlg->screen()->availableGeometry();
    dlg->move(screen.topLeft() + QPoint(20, 20));
    const QRect frame = dlg->frameGeometry();
    if (screen.right() - frame.right() < 600) QSKIP("the screen has no room beside the dialog");
    const QWidgetList existing = QApplication::topLevelWidgets();
    const QSet<QWidget*> before(existing.begin(), existing.end());
    click(dlg.get(), button);
    QWidget* opened = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (!before.contains(w) && w->isVisible() && w != dlg.get()) opened = w;
    QVERIFY(opened);
    const QPoint beside = QPoint(frame.right() + 8, frame.top()) + offset;
    if (beside.x() + opened->frameGeometry().width() <= screen.right()) {
        QCOMPARE(opened->pos(), beside);
        QVERIFY(!opened->frameGeometry().intersects(frame));
    } else {  // too wide for the room beside the dialog: moved back, whole on the screen
        QCOMPARE(opened->y(), beside.y());
        QVERIFY(opened->x() < beside.x());
        QVERIFY(screen.contains(opened->frameGeometry()));
    }
    delete opened;
    h.context.help = nullptr;
}

void TestDesktopTour::threeTablesThreePlacesThreeTitles() {
    Harness h;
    auto dlg = h.openMainDialog();
    dlg->edit(kNameEdit)->setText(".308 Win");
    for (int i = 0; i < 3; ++i) click(dlg.get(), kRangeTableButton);
    const QList<QWidget*> tables = windowsOf<TrajectoryWindow>(dlg.get());
    QCOMPARE(tables.size(), 3);
    const QRect screen = dlg->screen()->availableGeometry();
    QSet<QString> titles;
    QSet<std::pair<int, int>> places;
    for (QWidget* t : tables) {
        titles << t->windowTitle();
        places << std::pair{t->x(), t->y()};
        QVERIFY(screen.contains(t->pos()));
    }
    QCOMPARE(titles, (QSet<QString>{"Trajectory Table - .308 Win", "Trajectory Table - .308 Win (2)",
                                    "Trajectory Table - .308 Win (3)"}));
    QCOMPARE(places.size(), 3);
    // The next window of another kind follows the last one, a step down and right.
    click(dlg.get(), kComputeBcButton);
    QWidget* side = windowsOf<CComputeBC>(dlg.get()).value(0);
    QVERIFY(side);
    const QPoint last = dlg->openTableWindows.last()->pos();
    if (screen.contains(QRect(last + QPoint(28, 28), side->frameGeometry().size())))
        QCOMPARE(side->pos(), last + QPoint(28, 28));
}

// With the dialog in the middle of the screen, the windows that no longer fit on its right go
// on from its left, level with its top, before any is stacked over another's place.
void TestDesktopTour::cascadeUsesTheRoomOnBothSides() {
    Harness h;
    auto dlg = h.openMainDialog();
    const QRect screen = dlg->screen()->availableGeometry();
    const QRect dialog = centreOnScreen(*dlg);
    QWidget* left = nullptr;
    for (int i = 0; i < 12 && !left; ++i) {
        click(dlg.get(), kComputeBcButton);
        QWidget* opened = windowsOf<CComputeBC>(dlg.get()).constLast();
        if (dialog.left() - screen.left() < opened->frameGeometry().width() + 8 + 14)
            QSKIP("no room left of the dialog");
        QVERIFY2(!opened->frameGeometry().intersects(dialog), qPrintable(QString::number(i)));
        if (opened->x() < dialog.left()) left = opened;
    }
    QVERIFY(left);
    // Level with the dialog's top and close beside it (8 pixels and the kind's 14, give or take
    // what the window grows by as it shows).
    QCOMPARE(left->y(), dialog.top());
    QVERIFY(left->frameGeometry().right() < dialog.left() - 8);
    QVERIFY(left->frameGeometry().right() > dialog.left() - 8 - 14 - 16);
}

// A window too wide for the room on either side of the dialog goes against the screen's edge
// on the side no other window uses, not over the windows already open.
void TestDesktopTour::tooWideForEitherSideTakesTheFreeOne() {
    Harness h;
    auto dlg = h.openMainDialog();
    const QRect screen = dlg->screen()->availableGeometry();
    const QRect dialog = centreOnScreen(*dlg);
    click(dlg.get(), kComputeBcButton);
    const QWidget* side = windowsOf<CComputeBC>(dlg.get()).value(0);
    QVERIFY(side && side->x() > dialog.right());
    click(dlg.get(), kAdvancedButton);
    const QWidget* advanced = windowsOf<CAdvancedDlg>(dlg.get()).value(0);
    QVERIFY(advanced);
    if (advanced->frameGeometry().width() + 8 + 14 <= screen.right() - dialog.right())
        QSKIP("the window fits beside the dialog");
    QCOMPARE(advanced->pos(), QPoint(screen.left() + 14, dialog.top()));
}

void TestDesktopTour::unopenedFileIsTold_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("content");  // empty: no such file; "/": a folder
    QTest::addColumn<QString>("reason");
    QTest::newRow("missing") << "gone.vxf" << QByteArray() << "no such file or directory";
    QTest::newRow("folder") << "folder.vxf" << QByteArray("/") << "not a regular file";
    QTest::newRow("not a shot") << "notes.vxf" << QByteArray("just some text\n") << "not a shot file";
    QTest::newRow("other extension") << "table.txt" << QByteArray("Name:x\r\r\n") << "not a shot file (.vxf)";
    QTest::newRow("a shot") << "good.vxf" << QByteArray("Name:Good load\r\r\n") << "";
}

void TestDesktopTour::unopenedFileIsTold() {
    QFETCH(QString, name);
    QFETCH(QByteArray, content);
    QFETCH(QString, reason);
    Harness h;
    const QString path = h.path(name);
    if (content == "/") {
        QDir().mkpath(path);
    } else if (!content.isEmpty()) {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(content);
    }
    h.context.commandLineFile = path;
    auto dlg = h.openMainDialog();  // the start goes on, without a box
    QVERIFY(h.messages.isEmpty());
    const QString status = dlg->controlAs<QLabel>(kStatusText)->text();
    if (reason.isEmpty()) {
        QCOMPARE(dlg->edit(kNameEdit)->text(), QString("Good load"));
        QVERIFY(status.isEmpty());
    } else {
        QVERIFY2(status.contains(name) && status.endsWith(reason), qPrintable(status));
    }
    // A dropped file is told the same way.
    dlg->openDroppedFiles({QUrl::fromLocalFile(path)});
    QCOMPARE(dlg->controlAs<QLabel>(kStatusText)->text().isEmpty(), reason.isEmpty());
}

void TestDesktopTour::tableSaysWhyItEndsEarly() {
    Harness h;
    auto dlg = h.openMainDialog();
    // A slow round fired flat falls 2,000 in. below the line of sight long before 5,000 yd.
    dlg->edit(kVelocityEdit)->setText("900");
    dlg->edit(kRangeIncrementEdit)->setText("50");
    dlg->edit(kIncrementCountEdit)->setText("100");
    click(dlg.get(), kRangeTableButton);
    auto* table = qobject_cast<TrajectoryWindow*>(dlg->openTableWindows.last());
    auto* note = table->findChild<QLabel*>("tableEndNote");
    QVERIFY(note);
    QVERIFY2(note->text().contains("fell more than 1,999.9 in. below the line of sight after"),
             qPrintable(note->text()));
    // It ends at the last increment the flight reached: the yard it stopped after, down to 50.
    const QRegularExpressionMatch ends =
        QRegularExpression("^Table ends at ([0-9,]+) yd: .* after ([0-9,]+) yd\\.$").match(note->text());
    QVERIFY2(ends.hasMatch(), qPrintable(note->text()));
    const int lastRow = ends.captured(1).remove(',').toInt(), lastYard = ends.captured(2).remove(',').toInt();
    QCOMPARE(lastRow, lastYard / 50 * 50);
    QVERIFY(std::any_of(table->document().lines().begin(), table->document().lines().end(),
                        [&](const std::string& line) { return QString::fromStdString(line) == note->text(); }));
    // The metric view's note speaks metres, and the designed view's yards again.
    table->viewCommands()->setView({false, UnitSystem::Metric, {}});
    QVERIFY2(QRegularExpression("^Table ends at [0-9,.]+ m: .* after [0-9,.]+ m\\.$").match(note->text()).hasMatch(),
             qPrintable(note->text()));
    table->viewCommands()->setView({false, UnitSystem::Imperial, {}});
    QVERIFY(ends.captured(0) == note->text());
    // A table that reaches its last increment says nothing.
    dlg->edit(kIncrementCountEdit)->setText("4");
    click(dlg.get(), kRangeTableButton);
    QVERIFY(!dlg->openTableWindows.last()->findChild<QLabel*>("tableEndNote"));
}

void TestDesktopTour::comparisonSaysWhichWay() {
    Harness h;
    auto dlg = h.openMainDialog();
    dlg->edit(kTargetRangeEdit)->setText("300");
    click(dlg.get(), kSetBaselineButton);
    // Same name, more wind from the left and a faster load: the current shot strikes right and high.
    dlg->edit(kCrosswindEdit)->setText("10");
    dlg->edit(kVelocityEdit)->setText(QString::number(dlg->shot().velocity + 200));
    click(dlg.get(), kShootButton);
    auto* shoot = qobject_cast<CShoot*>(windowsOf<CShoot>(dlg.get()).value(0));
    QVERIFY(shoot);
    QCOMPARE(shoot->findChild<QLabel*>("dropSide")->text(), QString("high"));
    const double drift = shoot->texts().relativeDrift.empty() ? 0 : std::stod(shoot->texts().relativeDrift);
    QCOMPARE(shoot->findChild<QLabel*>("driftSide")->text(), QString(drift > 0 ? "right" : "left"));
    // The chart's legend tells the two loads apart although they share a name.
    shoot->findChild<QAbstractButton*>("comparisonChart")->click();
    QMainWindow* chart = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->windowTitle().startsWith("Trajectory Chart")) chart = qobject_cast<QMainWindow*>(w);
    QVERIFY(chart);
    QVERIFY2(chart->windowTitle().contains("Current: ") && chart->windowTitle().contains("Baseline: "),
             qPrintable(chart->windowTitle()));
    delete chart;
}

void TestDesktopTour::longNameShowsItsStart() {
    Harness h;
    auto dlg = h.openMainDialog();
    QLineEdit* name = dlg->edit(kNameEdit);
    retype(name, QString(60, u'x') + " the end");
    dlg->edit(kCaliberEdit)->setFocus();
    QCOMPARE(name->cursorPosition(), 0);
}

void TestDesktopTour::mainDialogFitsTheScreen() {
    Harness h;
    auto dlg = h.openMainDialog();
    const QRect screen = dlg->screen()->availableGeometry();
    QVERIFY2(
        dlg->width() <= screen.width() && dlg->height() <= screen.height(),
        qPrintable(
            QString("%1x%2 on %3x%4").arg(dlg->width()).arg(dlg->height()).arg(screen.width()).arg(screen.height())));
    QCOMPARE(dlg->minimumSize(), dlg->maximumSize());
    // Tabbing to the last command brings it into view, scrolled there when the screen is small.
    auto* area = dlg->findChild<QScrollArea*>("dialogArea");
    QVERIFY(area);
    dlg->control(kAdvancedButton)->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QWidget* last = dlg->control(kCalculationsButton);
    QCOMPARE(QApplication::focusWidget(), last);
    const QRect shown(last->mapTo(area->viewport(), QPoint(0, 0)), last->size());
    QVERIFY(area->viewport()->rect().contains(shown));
    dlg->grab().save(artefactPath(QString("main-dialog-%1x%2.png").arg(screen.width()).arg(screen.height())));
}

QTEST_MAIN(TestDesktopTour)
#include "DesktopTourTest.moc"
