// Where the settings file lives: beside a program run from its build or a portable folder,
// in the user's configuration folder once installed or when the program's folder is read-only.
// Run as root, CTest starts this test as user "nobody" so that a read-only folder is read-only.
// Also whether the start finds a display before Qt would abort for want of one.

#include <unistd.h>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>
#include <map>
#include <string>
#include <vector>

#include "app/CVorlan2App.h"
#include "app/DisplayCheck.h"

using vorlan::CVorlan2App;

class TestSettingsLocation : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        QVERIFY(scratch_.isValid());
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(scratch_.filePath(QStringLiteral("config"))));
        QCoreApplication::setApplicationName(QStringLiteral("Vorlan2"));
    }

    void location_data() {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<bool>("writable");
        QTest::addColumn<bool>("installedHere");
        QTest::addColumn<bool>("iniPresent");
        QTest::addColumn<bool>("besideProgram");
        QTest::newRow("build folder") << "build" << true << false << false << true;
        QTest::newRow("installed, writable (root)") << "usr/bin" << true << true << false << false;
        QTest::newRow("read-only folder") << "ro" << false << false << false << false;
        QTest::newRow("installed and read-only") << "ro-usr/bin" << false << true << false << false;
        QTest::newRow("installed with its own file") << "opt/bin" << true << true << true << true;
    }

    void location() {
        QFETCH(QString, folder);
        QFETCH(bool, writable);
        QFETCH(bool, installedHere);
        QFETCH(bool, iniPresent);
        QFETCH(bool, besideProgram);
        if (!writable && geteuid() == 0) QSKIP("root writes into read-only folders");
        const QString program = scratch_.filePath(folder);
        QVERIFY(QDir().mkpath(program));
        if (iniPresent) {
            QFile ini(QDir(program).filePath(QStringLiteral("Vorlan2.ini")));
            QVERIFY(ini.open(QIODevice::WriteOnly));
        }
        if (installedHere) {
            const QString entry = QDir(program).filePath(QStringLiteral("../share/applications/vorlan.desktop"));
            QVERIFY(QDir().mkpath(QFileInfo(entry).path()));
            QFile desktop(entry);
            QVERIFY(desktop.open(QIODevice::WriteOnly));
        }
        if (!writable) QVERIFY(QFile::setPermissions(program, QFile::ReadOwner | QFile::ExeOwner));
        QCOMPARE(CVorlan2App::isInstalledTree(program), installedHere);

        const QString path = QFile::decodeName(CVorlan2App::settingsFilePath(program).c_str());
        const QString expected = besideProgram ? QDir(program).filePath(QStringLiteral("Vorlan2.ini"))
                                               : scratch_.filePath(QStringLiteral("config/Vorlan2/Vorlan2.ini"));
        QCOMPARE(path, expected);
        QVERIFY(QFileInfo(path).dir().exists());  // the configuration folder is made for the file
        QFile::setPermissions(program, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    void display_data() {
        QTest::addColumn<QString>("environment");  // NAME=value pairs separated by blanks
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("available");
        QTest::newRow("nothing") << "" << QStringList{} << false;
        QTest::newRow("X display") << "DISPLAY=:0" << QStringList{} << true;
        QTest::newRow("Wayland display") << "WAYLAND_DISPLAY=wayland-0" << QStringList{} << true;
        QTest::newRow("empty DISPLAY") << "DISPLAY=" << QStringList{} << false;
        QTest::newRow("xcb asked for, Wayland there")
            << "QT_QPA_PLATFORM=xcb WAYLAND_DISPLAY=w" << QStringList{} << false;
        QTest::newRow("offscreen") << "QT_QPA_PLATFORM=offscreen" << QStringList{} << true;
        QTest::newRow("offscreen with options") << "QT_QPA_PLATFORM=offscreen:size=800x600" << QStringList{} << true;
        QTest::newRow("list, second found") << "QT_QPA_PLATFORM=wayland;xcb DISPLAY=:1" << QStringList{} << true;
        QTest::newRow("list, none found") << "QT_QPA_PLATFORM=wayland-egl;xcb" << QStringList{} << false;
        QTest::newRow("-platform wins") << "QT_QPA_PLATFORM=xcb" << QStringList{"-platform", "offscreen"} << true;
        QTest::newRow("-platform xcb, -display") << "" << QStringList{"-platform", "xcb", "-display", ":2"} << true;
        QTest::newRow("shot file only") << "" << QStringList{"shot.vxf"} << false;
    }

    void display() {
        QFETCH(QString, environment);
        QFETCH(QStringList, arguments);
        QFETCH(bool, available);
        std::map<std::string, std::string> env;
        for (const QString& pair : environment.split(u' ', Qt::SkipEmptyParts))
            env[pair.section(u'=', 0, 0).toStdString()] = pair.section(u'=', 1).toStdString();
        std::vector<std::string> args{"vorlan"};
        for (const QString& a : arguments) args.push_back(a.toStdString());
        std::vector<const char*> argv;
        for (const std::string& a : args) argv.push_back(a.c_str());
        const auto lookup = [&env](const char* name) -> const char* {
            const auto it = env.find(name);
            return it == env.end() ? nullptr : it->second.c_str();
        };
        QCOMPARE(vorlan::graphicalDisplayAvailable(static_cast<int>(argv.size()), argv.data(), lookup), available);
    }

private:
    QTemporaryDir scratch_;
};

QTEST_GUILESS_MAIN(TestSettingsLocation)
#include "SettingsLocationTest.moc"
