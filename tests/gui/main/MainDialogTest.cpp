// The main dialog: its controls, commands, start and exit, settings and shot files.

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QMap>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QUrl>

#include "shot/SettingsFile.h"
#include "shot/ShotFile.h"
#include "tests/gui/GuiHarness.h"
#include "ui/common/ControlIds.h"

using namespace vorlan;
using namespace vorlan::testing;
using namespace vorlan::MainDialogIds;

namespace {

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeText(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

void drop(CVorlan2Dlg* target, const QStringList& paths) {
    QList<QUrl> urls;
    for (const QString& p : paths) urls << QUrl::fromLocalFile(p);
    target->openDroppedFiles(urls);
}

}  // namespace

class TestMainDialog : public QObject {
    Q_OBJECT
private slots:
    void controlsAndGrab();
    void dragGroupOrder();
    void incrementRule_data();
    void incrementRule();
    void refusedCloseThenSettingsWritten();
    void muzzleAngleCheckBox();
    void atmosphereCommand();
    void settingsRoundTrip();
    void settingsColorLine();
    void saveAndLoad();
    void loadTakesCalculatorKeysGivenPathDoesNot();
    void dropAndCommandLine();
    void exitClosesOtherWindows();
    void accessKeysAreDistinct();
    void outOfBoundsFileIsTold_data();
    void outOfBoundsFileIsTold();
};

void TestMainDialog::controlsAndGrab() {
    Harness h;
    auto dlg = h.openMainDialog();
    QCOMPARE(dlg->windowTitle(), QString("Vorlan"));
    // clang-format off
    const QList<int> ids = {kNameEdit, kCaliberEdit, kVelocityEdit, kWeightEdit, kBallisticCoefficientEdit,
                            kSightHeightEdit, kCantAngleEdit, kSightInRangeEdit, kRangeIncrementEdit,
                            kIncrementCountEdit, kLosAngleEdit, kCrosswindEdit, kTargetRangeEdit, kTemperatureEdit,
                            kHumidityEdit, kPressureEdit, kAirDensityEdit, kSeaLevelPercentEdit, kAltitudeEdit,
                            kStationPressureCheck, kStdAtmosphereButton, kAirDensityButton, kIcaoAtmosphereButton,
                            kRangeTableButton, kShootButton, kSetBaselineButton, kComputeBcButton,
                            kMaximumRangeButton, kOpbzButton, kTargetSpeedEdit, kCalculationsButton,
                            kMuzzleAngleCheck, kTargetDirectionEdit, kMuzzleAngleEdit, kContextHelpButton,
                            kHelpButton};
    // clang-format on
    for (int id : ids) QVERIFY2(dlg->control(id), qPrintable(QString::number(id)));
    QCOMPARE(dlg->controlAs<QPushButton>(kRangeTableButton)->text(), QString("Range Table"));
    QCOMPARE(dlg->controlAs<QCheckBox>(kMuzzleAngleCheck)->text(), QString("Muzzle Angle Correction for Zero Range"));
    QVERIFY(dlg->edit(kAirDensityEdit)->isReadOnly() && dlg->edit(kSeaLevelPercentEdit)->isReadOnly() &&
            dlg->edit(kMuzzleAngleEdit)->isReadOnly());
    QCOMPARE(dlg->edit(kVelocityEdit)->text(), QString("800"));
    QCOMPARE(dlg->edit(kPressureEdit)->text(), QString("29.92"));
    QVERIFY(h.context.openDialogs.contains(dlg.get()));
    const QString picture = artefactPath("main-dialog.png");
    QVERIFY(dlg->grab().save(picture));
}

void TestMainDialog::dragGroupOrder() {
    Harness h;
    auto dlg = h.openMainDialog();
    const QList<QRadioButton*> group = dlg->radioGroup(kG1Radio);
    QCOMPARE(group.size(), 10);
    QCOMPARE(group[8]->text(), QString("GS"));
    QCOMPARE(group[9]->text(), QString("RA4"));
    QTest::mouseClick(group[9], Qt::LeftButton);
    QVERIFY(dlg->updateData());
    QCOMPARE(dlg->shot().dragFunction, 9);
    dlg->shot().dragFunction = 10;  // G1M has no button: none is checked, the index is kept
    dlg->updateData(false);
    QVERIFY(dlg->updateData());
    QCOMPARE(dlg->shot().dragFunction, 10);
}

void TestMainDialog::incrementRule_data() {
    QTest::addColumn<QString>("increment");
    QTest::addColumn<QString>("count");
    QTest::addColumn<int>("leave");
    QTest::addColumn<QString>("result");
    QTest::newRow("100 x 60 leaving count") << "100"
                                            << "60" << kIncrementCountEdit << "50";
    QTest::newRow("100 x 60 leaving increment") << "100"
                                                << "60" << kRangeIncrementEdit << "50";
    QTest::newRow("7 x 800") << "7"
                             << "800" << kIncrementCountEdit << "714";
    QTest::newRow("within") << "10"
                            << "500" << kIncrementCountEdit << "500";
}

void TestMainDialog::incrementRule() {
    QFETCH(QString, increment);
    QFETCH(QString, count);
    QFETCH(int, leave);
    QFETCH(QString, result);
    Harness h;
    auto dlg = h.openMainDialog();
    dlg->edit(kRangeIncrementEdit)->setText(increment);
    dlg->edit(kIncrementCountEdit)->setText(count);
    dlg->edit(leave)->setFocus();
    dlg->edit(kVelocityEdit)->setFocus();  // leaves the field as a user would
    QCOMPARE(dlg->edit(kIncrementCountEdit)->text(), result);
    QCOMPARE(dlg->shot().incrementCount, result.toInt());
}

void TestMainDialog::refusedCloseThenSettingsWritten() {
    Harness h;
    auto dlg = h.openMainDialog();
    dlg->edit(kCaliberEdit)->setText(".3085");
    QVERIFY(!dlg->close());
    QVERIFY(dlg->isVisible());
    QVERIFY(h.messages.contains("Please enter no more than 4 characters."));
    QVERIFY(!QFile::exists(h.path("Vorlan2.ini")));
    dlg->edit(kCaliberEdit)->setText(".308");
    QVERIFY(dlg->close());
    QVERIFY(!dlg->isVisible());
    QVERIFY(readAll(h.path("Vorlan2.ini")).contains("Caliber:.308\r\r\n"));
}

void TestMainDialog::muzzleAngleCheckBox() {
    Harness h;
    auto dlg = h.openMainDialog();
    auto* check = dlg->controlAs<QCheckBox>(kMuzzleAngleCheck);
    QVERIFY(check->isChecked());
    QTest::mouseClick(check, Qt::LeftButton, {}, QPoint(8, check->height() / 2));
    QVERIFY(!dlg->shot().muzzleAngleCorrection);
    QVERIFY(!dlg->edit(kMuzzleAngleEdit)->isReadOnly());
    retype(dlg->edit(kMuzzleAngleEdit), "4.5");
    QCOMPARE(dlg->edit(kMuzzleAngleEdit)->text(), QString("4.5"));
    // The read-only look follows: editable edits keep the system background.
    QCOMPARE(dlg->edit(kMuzzleAngleEdit)->palette().color(QPalette::Base),
             QApplication::palette().color(QPalette::Base));
    QTest::mouseClick(check, Qt::LeftButton, {}, QPoint(8, check->height() / 2));
    QVERIFY(dlg->edit(kMuzzleAngleEdit)->isReadOnly());
    QCOMPARE(dlg->edit(kMuzzleAngleEdit)->palette().color(QPalette::Base), h.context.dialogColor);
}

void TestMainDialog::atmosphereCommand() {
    Harness h;
    auto dlg = h.openMainDialog();
    dlg->edit(kTemperatureEdit)->setText("95");
    QTest::mouseClick(dlg->controlAs<QPushButton>(kStdAtmosphereButton),
                      Qt::LeftButton);  // Std. Atmosphere
    QCOMPARE(dlg->edit(kTemperatureEdit)->text(), QString("59"));
    QCOMPARE(dlg->edit(kAirDensityEdit)->text(), QString("0.0765"));
    QCOMPARE(dlg->edit(kSeaLevelPercentEdit)->text(), QString("100.0"));
}

void TestMainDialog::settingsRoundTrip() {
    Harness h;
    {
        auto dlg = h.openMainDialog();
        QCOMPARE(h.context.dialogColor, QColor(195, 190, 228));  // no settings file yet
        dlg->edit(kNameEdit)->setText("Test rifle");
        dlg->edit(kVelocityEdit)->setText("2650");
        dlg->saveRangeTableDirectory() = QStringLiteral("/tables/");
        QVERIFY(dlg->close());
    }
    const QByteArray bytes = readAll(h.path("Vorlan2.ini"));
    QCOMPARE(bytes.count("\r\r\n"), 39);
    QVERIFY(
        bytes.contains("Dialog Color:195,190,228\r\r\nSave Directory:\r\r\nSave File:\r\r\n"
                       "Save Range Table Directory:/tables/\r\r\n"));
    Harness second;
    second.context.settingsPath = h.context.settingsPath;
    auto again = second.openMainDialog();
    QCOMPARE(again->edit(kNameEdit)->text(), QString("Test rifle"));
    QCOMPARE(again->shot().velocity, 2650.0);
    QCOMPARE(again->saveRangeTableDirectory(), QString("/tables/"));
}

void TestMainDialog::settingsColorLine() {
    Harness h;
    writeText(h.path("Vorlan2.ini"), "Dialog Color:300,20\r\r\nLOS Check:false\r\r\nMuzzle Angle:3\r\n");
    auto dlg = h.openMainDialog();
    QCOMPARE(h.context.dialogColor, QColor(44, 20, 228));
    QCOMPARE(dlg->palette().color(QPalette::Window), QColor(44, 20, 228));
    QVERIFY(!dlg->edit(kMuzzleAngleEdit)->isReadOnly());
    QCOMPARE(dlg->edit(kMuzzleAngleEdit)->text(), QString("3"));
}

void TestMainDialog::saveAndLoad() {
    Harness h;
    auto dlg = h.openMainDialog();
    dlg->saveDirectory = QString(h.folder.path() + "/").toStdString();
    dlg->edit(kNameEdit)->setText("Pellet");
    h.fileAnswers << h.path(".vxf") << h.path("pellet.vxf");  // an empty title is asked again
    dlg->onSave();
    QCOMPARE(h.fileRequests.size(), 2);
    QCOMPARE(h.fileRequests[0].initialPath, h.path("Pellet"));
    QCOMPARE(h.fileRequests[0].kind, FileRequest::Kind::Save);
    QCOMPARE(readAll(h.path("pellet.vxf")), QByteArray::fromStdString(shotFileText(dlg->shot())));
    QCOMPARE(dlg->saveFileName, std::string("pellet.vxf"));

    dlg->edit(kVelocityEdit)->setText("999");
    h.fileAnswers << h.path("pellet.vxf");
    dlg->onLoad();
    QCOMPARE(h.fileRequests.last().initialPath, h.path("pellet.vxf"));
    QCOMPARE(dlg->edit(kVelocityEdit)->text(), QString("800"));
    h.fileRequests.clear();
    dlg->onLoad();  // cancelled: nothing changes
    QCOMPARE(h.fileRequests.size(), 1);
    QCOMPARE(dlg->edit(kVelocityEdit)->text(), QString("800"));
}

void TestMainDialog::loadTakesCalculatorKeysGivenPathDoesNot() {
    Harness h;
    writeText(h.path("calc.vxf"), "Power Factor:180\nCalculation Mode:2\nvelocity:1100\n");
    auto dlg = h.openMainDialog();
    dlg->openGivenPath(h.path("calc.vxf"));
    QCOMPARE(dlg->shot().powerFactor, 0.0);
    QCOMPARE(dlg->shot().calcMode, 0);
    QCOMPARE(dlg->edit(kVelocityEdit)->text(), QString("1100"));
    h.fileAnswers << h.path("calc.vxf");
    dlg->onLoad();
    QCOMPARE(dlg->shot().powerFactor, 180.0);
    QCOMPARE(dlg->shot().calcMode, 2);
}

void TestMainDialog::dropAndCommandLine() {
    Harness h;
    writeText(h.path("a.vxf"), "Name:first\n");
    writeText(h.path("b.vxf"), "Name:second\n");
    writeText(h.path("c.txt"), "Name:text\n");
    h.context.commandLineFile = h.path("b.vxf");
    auto dlg = h.openMainDialog();
    QVERIFY(dlg->acceptDrops());
    QCOMPARE(dlg->edit(kNameEdit)->text(), QString("second"));
    QCOMPARE(dlg->saveDirectory, QString(h.folder.path() + "/").toStdString());
    drop(dlg.get(), {h.path("c.txt")});
    QCOMPARE(dlg->edit(kNameEdit)->text(), QString("second"));
    drop(dlg.get(), {h.path("a.vxf"), h.path("b.vxf"), h.path("c.txt")});
    QCOMPARE(dlg->edit(kNameEdit)->text(), QString("first"));
    QCOMPARE(dlg->saveFileName, std::string("a.vxf"));
    dlg->openGivenPath("bare.vxf");  // no such file: only the location is taken
    QCOMPARE(dlg->saveFileName, std::string("bare.vxf"));
    QCOMPARE(dlg->saveDirectory, std::string());
}

void TestMainDialog::exitClosesOtherWindows() {
    Harness h;
    auto dlg = h.openMainDialog();
    QPointer<ThemedDialog> side = new ThemedDialog(h.context, ComputeBcIds::kTemplate);
    side->setAttribute(Qt::WA_DeleteOnClose);
    side->show();
    QVERIFY(h.context.openDialogs.contains(side));
    QStringList closed;
    for (const char* name : {"first", "second"}) {
        auto* table = new QWidget;
        table->setObjectName(name);
        connect(table, &QObject::destroyed, this, [&closed, name] { closed << name; });
        dlg->openTableWindows << table;
    }
    QVERIFY(dlg->close());
    QCOMPARE(closed, (QStringList{"second", "first"}));
    QTRY_VERIFY(side.isNull());
    QCOMPARE(h.context.openDialogs.size(), 0);
}

QTEST_MAIN(TestMainDialog)
#include "MainDialogTest.moc"

// The newer windows' buttons have access keys, and no two controls share one.
void TestMainDialog::accessKeysAreDistinct() {
    Harness h;
    auto dlg = h.openMainDialog();
    QMap<QString, QString> taken;  // key -> caption
    for (QWidget* w : dlg->findChildren<QWidget*>()) {
        const auto* button = qobject_cast<QAbstractButton*>(w);
        const auto* label = qobject_cast<QLabel*>(w);
        const QString text = button ? button->text() : label ? label->text() : QString();
        const QString key = QKeySequence::mnemonic(text).toString();
        if (key.isEmpty()) continue;
        QVERIFY2(!taken.contains(key), qPrintable(text + " and " + taken.value(key) + " share " + key));
        taken.insert(key, text);
    }
    for (const int id : {kFieldCardButton, kHitProbabilityButton, kAdvancedButton}) {
        const QString caption = dlg->controlAs<QAbstractButton>(id)->text();
        QVERIFY2(!QKeySequence::mnemonic(caption).isEmpty(), qPrintable(caption));
    }
}

void TestMainDialog::outOfBoundsFileIsTold_data() {
    QTest::addColumn<QString>("how");  // "command line", "open" or "drop"
    QTest::addColumn<QByteArray>("velocity");
    QTest::addColumn<QString>("told");  // empty: nothing
    const QString fast =
        "\"fast.vxf\" holds values outside their bounds; correct them before computing:\n"
        "Velocity: 99999 is not a number between 1 and 5000";
    for (const char* how : {"command line", "open", "drop"}) {
        QTest::addRow("%s, 99999", how) << how << QByteArray("99999") << fast;
        QTest::addRow("%s, 2700", how) << how << QByteArray("2700") << QString();
    }
}

void TestMainDialog::outOfBoundsFileIsTold() {
    QFETCH(QString, how);
    QFETCH(QByteArray, velocity);
    QFETCH(QString, told);
    Harness h;
    QStringList failures;
    h.context.showFailure = [&](QWidget*, const QString& title, const QString& message) {
        failures << title + ": " + message;
    };
    const QString path = h.path("fast.vxf");
    writeText(path, "Name:Fast\r\r\nVelocity:" + velocity + "\r\r\n");
    if (how == "command line") h.context.commandLineFile = path;
    auto dlg = h.openMainDialog();
    if (how == "open") {
        h.fileAnswers << path;
        dlg->onLoad();
    } else if (how == "drop") {
        dlg->openDroppedFiles({QUrl::fromLocalFile(path)});
    }
    // The fields show what the file holds, and the box what the check found.
    QCOMPARE(dlg->edit(kVelocityEdit)->text(), QString::fromLatin1(velocity));
    QCOMPARE(failures, told.isEmpty() ? QStringList() : QStringList{"Values Out of Bounds: " + told});
}
