// The language: the desktop's choice read as gettext reads it, the choice kept in the
// preferences file (System keeps a file's bytes), and a choice installing the translations,
// the locale and the catalogue's language.

#include <QAction>
#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QLibraryInfo>
#include <QMap>
#include <QMenu>
#include <QMenuBar>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <map>

#include "engine/Catalogue.h"
#include "reports/common/Language.h"
#include "reports/table/TableDialogs.h"
#include "reports/table/TableViewCommands.h"
#include "reports/table/TrajectoryTable.h"
#include "reports/table/TrajectoryTableScrollView.h"
#include "tests/gui/table/TableOwnerStub.h"
#include "tests/support/CalcTestLoads.h"
#include "ui/help/HelpBrowser.h"

using namespace vorlan;

namespace {

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(none)");
}

}  // namespace

class LanguageTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { applyLanguage(QStringLiteral("en")); }

    void systemLanguageReadsTheEnvironmentAsGettextDoes() {
        struct Case {
            std::map<std::string, std::string> env;
            std::string_view expected;
        };
        const Case cases[] = {
            {{}, "en"},
            {{{"LANG", "de_DE.UTF-8"}}, "de"},
            {{{"LANG", "fr_CA"}, {"LC_MESSAGES", "es_ES.UTF-8"}}, "es"},
            {{{"LANG", "fr_FR"}, {"LC_MESSAGES", "es_ES"}, {"LC_ALL", "ru_RU.UTF-8@cyrillic"}}, "ru"},
            {{{"LANG", "de_DE"}, {"LANGUAGE", "pt_BR:fr:de"}}, "fr"},  // first offered of the list
            {{{"LANG", "de_DE"}, {"LANGUAGE", "en_GB:de"}}, "en"},
            {{{"LANG", "C"}, {"LANGUAGE", "de"}}, "en"},  // the C locale ignores LANGUAGE
            {{{"LANG", "de_DE"}, {"LANGUAGE", ""}}, "de"},
            {{{"LANG", "ja_JP.UTF-8"}}, "en"},
            {{{"LANG", "ru"}, {"LC_ALL", ""}}, "ru"},  // an empty variable does not count
        };
        for (const Case& c : cases) {
            const auto env = [&c](const char* name) -> const char* {
                const auto found = c.env.find(name);
                return found == c.env.end() ? nullptr : found->second.c_str();
            };
            QCOMPARE(QString::fromLatin1(systemLanguage(env).data()), QString::fromLatin1(c.expected.data()));
        }
    }

    void theChoiceIsKeptAndSystemKeepsTheFile() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("prefs.ini"));
        QVERIFY(saveLanguage(path, {}));
        QVERIFY(!QFile::exists(path));  // System on a file never written writes nothing
        QFile seed(path);
        QVERIFY(seed.open(QIODevice::WriteOnly));
        seed.write("[View]\r\nTheme=Dark\r\n");
        seed.close();
        QVERIFY(saveLanguage(path, {}));
        QCOMPARE(contents(path), QByteArray("[View]\r\nTheme=Dark\r\n"));
        QVERIFY(saveLanguage(path, QStringLiteral("ru")));
        QCOMPARE(loadLanguage(path), QStringLiteral("ru"));
        QVERIFY(contents(path).contains("Theme=Dark"));
        QVERIFY(saveLanguage(path, {}));  // back to System once a language was kept
        QCOMPARE(loadLanguage(path), QString());
        QVERIFY(saveLanguage(path, QStringLiteral("de_AT")));  // not an offered code: read as System
        QCOMPARE(loadLanguage(path), QString());
        QCOMPARE(loadLanguage(dir.filePath(QStringLiteral("missing.ini"))), QString());
    }

    void choosingInstallsTheTranslationsLocaleAndCatalogue() {
        for (const LanguageName& language : offeredLanguages())
            if (language.code != "en")
                QVERIFY(QFile::exists(QStringLiteral(":/i18n/vorlan_%1.qm").arg(language.code.data())));
        QCOMPARE(applyLanguage(QStringLiteral("de")), std::string_view("de"));
        QCOMPARE(QLocale().language(), QLocale::German);
        QCOMPARE(language(), std::string_view("de"));
        // Qt's own buttons follow where the system has Qt's translations.
        if (QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_de.qm")))
            QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Abbrechen"));
        QCOMPARE(applyLanguage(QStringLiteral("en")), std::string_view("en"));
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancel"));
        // English takes its plural forms from its own translation.
        for (const auto& [count, said] :
             {std::pair{1, "1 file could not be read: %1"}, {3, "3 files could not be read: %1"}})
            QCOMPARE(
                QCoreApplication::translate("vorlan::CLibraryDlg", "%n file(s) could not be read: %1", nullptr, count),
                QString::fromLatin1(said));
        QCOMPARE(QLocale().language(), QLocale::English);
        applyLanguage({});  // System keeps the desktop's own locale, region and all
        QCOMPARE(QLocale(), QLocale::system());
    }

    void theHelpSaysItIsInEnglishOnlyInAnotherLanguage() {
        for (const QString code : {QStringLiteral("en"), QStringLiteral("ru")}) {
            applyLanguage(code);
            HelpBrowser help;
            QCOMPARE(help.findChild<QLabel*>(QStringLiteral("helpInEnglish")) != nullptr, code != u"en");
        }
    }

    // Through the table window's View menu, as the shooter chooses.
    void theMenuAppliesKeepsAndTells() {
        QTemporaryDir dir;
        TableOwnerStub owner;
        owner.preferences = dir.filePath(QStringLiteral("prefs.ini"));
        QStringList notices, failures;
        const TableDialogs saved = tableDialogs();
        tableDialogs().showNotice = [&](QWidget*, const QString&, const QString& text) { notices << text; };
        tableDialogs().showFileError = [&](QWidget*, const QString&, const QString& text) { failures << text; };
        TrajectoryWindow* window = owner.openWithViews(testing::load308());
        auto* french = window->findChild<QAction*>(QStringLiteral("languagefr"));
        auto* system = window->findChild<QAction*>(QStringLiteral("languageSystem"));
        QVERIFY(french && system);
        QCOMPARE(window->findChildren<QAction*>(QRegularExpression(QStringLiteral("^language"))).size(), 6);
        french->trigger();
        QCOMPARE(language(), std::string_view("fr"));
        QCOMPARE(loadLanguage(owner.preferences), QStringLiteral("fr"));
        QCOMPARE(notices.size(), 1);
        // A choice made in another window shows when the menu opens.
        applyLanguage(QStringLiteral("de"));
        emit window->findChild<QAction*>(QStringLiteral("viewLanguage"))->menu()->aboutToShow();
        QVERIFY(window->findChild<QAction*>(QStringLiteral("languagede"))->isChecked() && !french->isChecked());
        system->trigger();
        QVERIFY(contents(owner.preferences).contains("Language=System"));
        QCOMPARE(currentLanguageChoice(), QString());
        QVERIFY(failures.isEmpty());
        // A preferences file that cannot be written is told.
        owner.preferences = dir.filePath(QStringLiteral("no/such/folder/prefs.ini"));
        owner.openWithViews(testing::load308())->findChild<QAction*>(QStringLiteral("languagees"))->trigger();
        QCOMPARE(failures.size(), 1);
        tableDialogs() = saved;
    }

    // In every language each menu of the table window, and its menu bar, takes an access key
    // once: a key two items share only moves between them.
    void theTableWindowsMenusTakeEachKeyOnce() {
        QStringList clashes;
        for (const char* code : {"en", "de", "fr", "es", "ru"}) {
            applyLanguage(QString::fromLatin1(code));
            TableOwnerStub owner;
            TrajectoryWindow* window = owner.openWithViews(testing::load308());
            QList<QList<QAction*>> menus{window->menuBar()->actions()};
            for (const QMenu* menu : window->findChildren<QMenu*>()) menus << menu->actions();
            for (const QList<QAction*>& actions : menus) {
                QMap<QKeySequence, QString> taken;
                for (const QAction* action : actions) {
                    const QKeySequence key = QKeySequence::mnemonic(action->text());
                    if (!key.isEmpty() && taken.contains(key))
                        clashes << QStringLiteral("%1: \"%2\" and \"%3\"")
                                       .arg(QLatin1String(code), taken.value(key), action->text());
                    taken.insert(key, action->text());
                }
            }
            window->close();
        }
        QVERIFY2(clashes.isEmpty(), qPrintable(clashes.join(u'\n')));
    }

    // The table's words on screen in the chosen language, in every view; what is printed,
    // saved and copied as data stays the designed English.
    void theTableSpeaksOnScreenAndPrintsInEnglish() {
        applyLanguage(QStringLiteral("de"));
        TableOwnerStub owner;
        ShotParameters shot = testing::load308();
        shot.rangeIncrement = 25;
        shot.incrementCount = 400;  // 10,000 yd, beyond where the flight ends (the end note): two pages
        TrajectoryWindow* window = owner.openWithViews(shot);
        const auto shownText = [&] {
            window->view()->copy(true);
            return QGuiApplication::clipboard()->text();
        };
        const auto printedText = [&] {
            std::string text;
            for (const std::string& line : window->view()->lines()) text += line + '\n';
            return QString::fromStdString(text);
        };
        QVERIFY2(shownText().contains(QStringLiteral("Fallhöhe")), qPrintable(shownText()));
        QVERIFY(printedText().contains(QStringLiteral(" Range     Drop")) && !printedText().contains("Fallhöhe"));
        const auto* note = window->findChild<QLabel*>(QStringLiteral("tableEndNote"));
        QVERIFY(note && note->text().startsWith(QStringLiteral("Die Tafel endet bei")));
        window->viewCommands()->setView({true, UnitSystem::Metric, {}});
        QVERIFY2(shownText().contains(QStringLiteral("Korrekturen, metrische Einheiten")), qPrintable(shownText()));
        QVERIFY(printedText().contains(QStringLiteral("Holds, metric units")));
        QTemporaryDir dir;
        QString error;
        QVERIFY(saveTableLines(window->view()->lines(), dir.filePath(QStringLiteral("t.txt")), error));
        QVERIFY(contents(dir.filePath(QStringLiteral("t.txt"))).contains("Elev."));
        // Printed in English unless asked for the chosen language; every page carries its headings.
        const auto printedPdf = [&] {
            QPrinter printer(QPrinter::HighResolution);
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(dir.filePath(QStringLiteral("t.pdf")));
            window->view()->print(&printer);
            QProcess text;
            text.start(QStringLiteral("pdftotext"), {dir.filePath(QStringLiteral("t.pdf")), QStringLiteral("-")});
            return text.waitForFinished(10000) && text.exitCode() == 0 ? QString::fromUtf8(text.readAllStandardOutput())
                                                                       : QString();
        };
        if (printedPdf().isEmpty()) QSKIP("pdftotext is not installed");
        QVERIFY(printedPdf().contains(QStringLiteral("Holds, metric units")));
        auto* inLanguage = window->findChild<QAction*>(QStringLiteral("filePrintInLanguage"));
        QVERIFY(inLanguage && !inLanguage->isChecked());
        inLanguage->setChecked(true);
        const QString german = printedPdf();
        QVERIFY2(german.contains(QStringLiteral("Korrekturen, metrische Einheiten")), qPrintable(german));
        QVERIFY(german.count(QStringLiteral("Fallhöhe")) >= 2);  // the headings repeated on the next page
    }
};

QTEST_MAIN(LanguageTest)
#include "LanguageTest.moc"
