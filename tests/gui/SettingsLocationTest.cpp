// Where the settings file lives: beside a program run from its build or a portable folder,
// in the user's configuration folder once installed or when the program's folder is read-only.
// Run as root, CTest starts this test as user "nobody" so that a read-only folder is read-only.

#include <unistd.h>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include "app/CVorlan2App.h"

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

private:
    QTemporaryDir scratch_;
};

QTEST_GUILESS_MAIN(TestSettingsLocation)
#include "SettingsLocationTest.moc"
