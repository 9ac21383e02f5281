// The main dialog when files fail, a drag function without a button, the ICAO atmosphere and
// a zero that cannot be found: nothing is lost or hidden, and every command stays usable.

#include <sys/stat.h>

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QFileDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <optional>

#include "reports/common/FileDialog.h"
#include "shot/ShotFile.h"
#include "tests/gui/GuiHarness.h"
#include "ui/common/ControlIds.h"

using namespace vorlan;
using namespace vorlan::testing;
using namespace vorlan::MainDialogIds;

namespace {

// The coloured failure boxes a harness showed: "title|message".
struct Failures {
    QStringList shown;
    explicit Failures(Harness& h) {
        h.context.showFailure = [this](QWidget*, const QString& title, const QString& message) {
            shown << title + u'|' + message;
        };
    }
};

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void click(CVorlan2Dlg& dlg, int id) { QTest::mouseClick(dlg.controlAs<QPushButton>(id), Qt::LeftButton); }

}  // namespace

class TestFileFaults : public QObject {
    Q_OBJECT
private slots:
    void failuresAreTold_data();
    void failuresAreTold();
    void settingsThatCannotBeWrittenAreToldOnceAtExit();
    void settingsThatCannotBeReadAreToldAndKept();
    void settingsOutOfBoundsAreToldAtStart();
    void everyCommandChecksTheWholeShot();
    void g1mSurvivesEveryExchange();
    void icaoLeavesAUsableShot_data();
    void icaoLeavesAUsableShot();
    void pressureBoundsFollowTheStationBox();
    void aFailedZeroIsToldAndNotWrittenBack();
    void theFileDialogAsksForWhatIsRequested();
};

void TestFileFaults::failuresAreTold_data() {
    QTest::addColumn<bool>("save");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("expected");
    QTest::newRow("save read-only") << true << "readonly.vxf"
                                    << "Save Failed|The shot could not be saved";
    QTest::newRow("save into missing folder") << true << "none/x.vxf"
                                              << "Save Failed|The shot could not be saved";
    QTest::newRow("load missing") << false << "missing.vxf"
                                  << "Load Failed|The shot file";
    QTest::newRow("load folder") << false << "folder.vxf"
                                 << "Load Failed|The shot file";
    QTest::newRow("load fifo") << false << "fifo.vxf"
                               << "Load Failed|The shot file";
}

void TestFileFaults::failuresAreTold() {
    QFETCH(bool, save);
    QFETCH(QString, file);
    QFETCH(QString, expected);
    Harness h;
    Failures failures(h);
    QFile readOnly(h.path("readonly.vxf"));
    QVERIFY(readOnly.open(QIODevice::WriteOnly));
    readOnly.write("Name:kept\n");
    readOnly.close();
    ::chmod(QFile::encodeName(h.path("readonly.vxf")).constData(), 0444);
    QDir(h.folder.path()).mkdir("folder.vxf");
    ::mkfifo(QFile::encodeName(h.path("fifo.vxf")).constData(), 0644);

    auto dlg = h.openMainDialog();
    h.fileAnswers << h.path(file);
    if (save)
        dlg->onSave();
    else
        dlg->onLoad();  // a FIFO is refused at once, never waited on
    QCOMPARE(failures.shown.size(), 1);
    QVERIFY2(failures.shown[0].startsWith(expected), qPrintable(failures.shown[0]));
    QVERIFY(failures.shown[0].contains(h.path(file)));        // names the file and the reason
    QVERIFY(failures.shown[0].section(u'\n', 1).size() > 3);  // the system's reason follows
    QCOMPARE(readAll(h.path("readonly.vxf")), QByteArray("Name:kept\n"));
    QVERIFY(h.messages.isEmpty());
}

void TestFileFaults::settingsThatCannotBeWrittenAreToldOnceAtExit() {
    Harness h;
    Failures failures(h);
    h.context.settingsPath = h.path("gone/Vorlan2.ini").toStdString();
    auto dlg = h.openMainDialog();
    QVERIFY(dlg->close());  // the program still ends
    QCOMPARE(failures.shown.size(), 1);
    QVERIFY(failures.shown[0].startsWith("Settings Not Saved|"));
    QVERIFY(failures.shown[0].contains("No such file or directory"));
}

void TestFileFaults::settingsThatCannotBeReadAreToldAndKept() {
    Harness h;
    Failures failures(h);
    const QByteArray settings = QFile::encodeName(h.path("Vorlan2.ini"));
    const QByteArray extras = QFile::encodeName(h.path("Vorlan2 Extras.vxf"));
    QVERIFY(::mkfifo(settings.constData(), 0644) == 0);
    QFile unreadable(h.path("Vorlan2 Extras.vxf"));
    QVERIFY(unreadable.open(QIODevice::WriteOnly));
    unreadable.write("Latitude:45\r\r\n");
    unreadable.close();
    // Unreadable to an ordinary user; the superuser reads it, so only the settings file fails then.
    ::chmod(extras.constData(), 0200);
    const bool superuser = ::geteuid() == 0;
    {
        auto dlg = h.openMainDialog();
        QCOMPARE(failures.shown.size(), superuser ? 1 : 2);
        QVERIFY2(failures.shown[0].startsWith("Settings Not Read|") &&
                     failures.shown[0].contains(h.path("Vorlan2.ini")) &&
                     failures.shown[0].contains("Not a regular file"),
                 qPrintable(failures.shown[0]));
        if (!superuser) QVERIFY(failures.shown[1].contains("Permission denied"));
        QVERIFY(dlg->close());
    }
    QCOMPARE(failures.shown.size(), superuser ? 1 : 2);  // nothing tried at exit
    struct stat info {};
    QVERIFY(::stat(settings.constData(), &info) == 0 && S_ISFIFO(info.st_mode));
    ::chmod(extras.constData(), 0600);
    // Read by the superuser, it is saved again as usual; unread, it is left as it was.
    QCOMPARE(readAll(h.path("Vorlan2 Extras.vxf")),
             QByteArray(superuser ? "Latitude:45.00\r\r\n" : "Latitude:45\r\r\n"));
}

void TestFileFaults::settingsOutOfBoundsAreToldAtStart() {
    Harness h;
    Failures failures(h);
    QFile file(h.path("Vorlan2.ini"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("Weight:nan\r\r\nRange Increment:0\r\r\nDialog Color:1,2,3\r\r\n");
    file.close();
    auto dlg = h.openMainDialog();
    QCOMPARE(failures.shown.size(), 1);
    QVERIFY2(failures.shown[0].startsWith("Settings Out of Bounds|") &&
                 failures.shown[0].contains("\nWeight: nan is not a number between 0.0001 and 1000") &&
                 failures.shown[0].contains("\nRange Increment: 0 is not a whole number between 1 and 5000"),
             qPrintable(failures.shown[0]));
    QVERIFY(!dlg->close());  // the designed exit still refuses them
}

// The fields pass their own checks; what they do not show (an advanced input, a list that did
// not read) is told before any command computes.
void TestFileFaults::everyCommandChecksTheWholeShot() {
    Harness h;
    Failures failures(h);
    QFile file(h.path("effects.vxf"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QByteArray::fromStdString(shotFileText(ShotParameters{})) +
               "Latitude:95\r\r\nCustom Drag:0.5 0.2;x y\r\r\n");
    file.close();
    auto dlg = h.openMainDialog();
    h.fileAnswers << h.path("effects.vxf");
    dlg->onLoad();
    // What did not read, then what read but lies outside its bounds.
    QCOMPARE(failures.shown.size(), 2);
    QVERIFY2(
        failures.shown[0].startsWith("Load|") && failures.shown[0].contains("Custom Drag: item 2 is not two numbers"),
        qPrintable(failures.shown[0]));
    QVERIFY2(failures.shown[1].startsWith("Values Out of Bounds|") &&
                 failures.shown[1].endsWith("\nLatitude must be a number from -90 to 90"),
             qPrintable(failures.shown[1]));
    QVERIFY(dlg->shot().advanced.customDrag.empty());  // the whole list is left out
    for (const int button : {kRangeTableButton, kSetBaselineButton, kMaximumRangeButton}) {
        h.messages.clear();
        click(*dlg, button);
        QCOMPARE(h.messages, QStringList{"Latitude must be a number from -90 to 90"});
    }
    QVERIFY(dlg->openTableWindows.isEmpty());
    QVERIFY(!dlg->baseline());
}

void TestFileFaults::g1mSurvivesEveryExchange() {
    Harness h;
    Failures failures(h);
    QFile file(h.path("g1m.vxf"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(
        QByteArray::fromStdString(shotFileText(ShotParameters{})).replace("Drag Function:0", "Drag Function:10"));
    file.close();
    {
        auto dlg = h.openMainDialog();
        dlg->openGivenPath(h.path("g1m.vxf"));
        for (QRadioButton* button : dlg->radioGroup(kG1Radio)) QVERIFY(!button->isChecked());
        click(*dlg, kAirDensityButton);  // Air Density: an exchange both ways
        QVERIFY(dlg->updateData());
        QCOMPARE(dlg->shot().dragFunction, 10);
        h.fileAnswers << h.path("saved.vxf");
        dlg->onSave();
        QVERIFY(readAll(h.path("saved.vxf")).contains("Drag Function:10\r\r\n"));
        QVERIFY(dlg->close());
    }
    QVERIFY(readAll(h.path("Vorlan2.ini")).contains("Drag Function:10\r\r\n"));
    auto again = h.openMainDialog();
    QCOMPARE(again->shot().dragFunction, 10);
    QTest::mouseClick(again->radioGroup(kG1Radio)[1], Qt::LeftButton);  // the user picks a button
    QVERIFY(again->updateData());
    QCOMPARE(again->shot().dragFunction, 1);
    QVERIFY(failures.shown.isEmpty());
}

void TestFileFaults::icaoLeavesAUsableShot_data() {
    QTest::addColumn<QString>("altitude");
    QTest::addColumn<QString>("density");
    QTest::newRow("5000 ft") << "5000"
                             << "0.0659";
    QTest::newRow("20000 ft") << "20000"
                              << "0.0407";
}

void TestFileFaults::icaoLeavesAUsableShot() {
    QFETCH(QString, altitude);
    QFETCH(QString, density);
    Harness h;
    auto dlg = h.openMainDialog();
    dlg->edit(kAltitudeEdit)->setText(altitude);
    click(*dlg, kIcaoAtmosphereButton);  // ICAO Atmosphere
    QVERIFY(dlg->controlAs<QCheckBox>(kStationPressureCheck)->isChecked());
    QCOMPARE(dlg->edit(kAirDensityEdit)->text(), density);
    const QString percent = dlg->edit(kSeaLevelPercentEdit)->text();
    click(*dlg, kAirDensityButton);  // Air Density of the same air: no second reduction
    QCOMPARE(dlg->edit(kAirDensityEdit)->text(), density);
    QVERIFY(qAbs(dlg->edit(kSeaLevelPercentEdit)->text().toDouble() - percent.toDouble()) <
            0.1 + 1e-9);  // shown rounding
    QVERIFY(h.messages.isEmpty());
    QVERIFY(dlg->close());
}

void TestFileFaults::pressureBoundsFollowTheStationBox() {
    Harness h;
    auto dlg = h.openMainDialog();
    dlg->edit(kPressureEdit)->setText("13.75");
    QVERIFY(!dlg->updateData());
    QCOMPARE(h.messages.last(), QString("Please enter a number between 26 and 35."));
    dlg->controlAs<QCheckBox>(kStationPressureCheck)->setChecked(true);
    QVERIFY(dlg->updateData());
    QCOMPARE(dlg->shot().pressure, 13.75);
    dlg->edit(kPressureEdit)->setText("9");
    QVERIFY(!dlg->updateData());
    QCOMPARE(h.messages.last(), QString("Please enter a number between 10 and 35."));
}

void TestFileFaults::aFailedZeroIsToldAndNotWrittenBack() {
    Harness h;
    Failures failures(h);
    auto dlg = h.openMainDialog();
    dlg->edit(kVelocityEdit)->setText("326");
    dlg->edit(kSightInRangeEdit)->setText("2989");
    const QString angle = dlg->edit(kMuzzleAngleEdit)->text();
    click(*dlg, kRangeTableButton);  // Range Table: the table still opens
    QCOMPARE(dlg->openTableWindows.size(), 1);
    QCOMPARE(failures.shown.size(), 1);
    QVERIFY2(failures.shown[0].startsWith("Zero Not Found|") && failures.shown[0].contains("2989 yd"),
             qPrintable(failures.shown[0]));
    QCOMPARE(dlg->edit(kMuzzleAngleEdit)->text(), angle);
    click(*dlg, kAirDensityButton);  // the next command is not refused
    QVERIFY(h.messages.isEmpty());
}

// The desktop's own file dialog opens for a file to read, a file to write or a folder, as asked
// (each answered by Cancel, which chooses nothing).
void TestFileFaults::theFileDialogAsksForWhatIsRequested() {
    const struct {
        FileRequest::Kind kind;
        QFileDialog::AcceptMode accept;
        QFileDialog::FileMode mode;
    } cases[] = {{FileRequest::Kind::Open, QFileDialog::AcceptOpen, QFileDialog::AnyFile},
                 {FileRequest::Kind::Save, QFileDialog::AcceptSave, QFileDialog::AnyFile},
                 {FileRequest::Kind::Folder, QFileDialog::AcceptOpen, QFileDialog::Directory}};
    for (const auto& c : cases) {
        FileRequest request;
        request.kind = c.kind;
        std::optional<std::pair<QFileDialog::AcceptMode, QFileDialog::FileMode>> seen;
        QTimer poll;
        connect(&poll, &QTimer::timeout, [&] {
            if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
                seen.emplace(dialog->acceptMode(), dialog->fileMode());
                dialog->reject();
            }
        });
        poll.start(10);
        QCOMPARE(runFileDialog(nullptr, request), QString());
        QVERIFY(seen);
        QCOMPARE(seen->first, c.accept);
        QCOMPARE(seen->second, c.mode);
    }
}

QTEST_MAIN(TestFileFaults)
#include "FileFaultsTest.moc"
