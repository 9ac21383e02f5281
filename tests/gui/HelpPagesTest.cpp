// The user's guide bundled with the program: every page is reachable from the contents page,
// every link and picture resolves, and the pop-up texts read as sentences.

#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <QTextBrowser>

#include "ui/ContextHelp.h"
#include "ui/HelpBrowser.h"

using namespace vorlan;

namespace {

QString page(const QString& name) {
    QFile file(QStringLiteral(":/help/") + name);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

}  // namespace

class TestHelpPages : public QObject {
    Q_OBJECT
private slots:
    void everyPageReachableAndEveryLinkResolves();
    void theBrowserShowsEveryPageWithItsPictures();
    void popupTextsAreSentences();
};

void TestHelpPages::everyPageReachableAndEveryLinkResolves() {
    static const QRegularExpression link(QStringLiteral("(href|src)=\"([^\"]*)\""));
    QSet<QString> reached{QStringLiteral("index.html")};
    QStringList queue{QStringLiteral("index.html")};
    while (!queue.isEmpty()) {
        const QString name = queue.takeFirst();
        const QString text = page(name);
        QVERIFY2(!text.isEmpty(), qPrintable(name));
        for (const QRegularExpressionMatch& m : link.globalMatch(text)) {
            const QString target = m.captured(2);
            const QString file = target.section(u'#', 0, 0);
            const QString anchor = target.section(u'#', 1);
            const QString where = name + QStringLiteral(" -> ") + target;
            QVERIFY2(!target.contains(QStringLiteral("://")), qPrintable(where));  // nothing outside the guide
            QVERIFY2(QFile::exists(QStringLiteral(":/help/") + file), qPrintable(where));
            if (!anchor.isEmpty())
                QVERIFY2(page(file).contains(QStringLiteral("name=\"%1\"").arg(anchor)), qPrintable(where));
            if (file.endsWith(QLatin1String(".html")) && !reached.contains(file)) {
                reached.insert(file);
                queue << file;
            }
        }
    }
    QDirIterator pages(QStringLiteral(":/help"), {QStringLiteral("*.html")});
    int count = 0;
    while (pages.hasNext()) {
        const QString name = QFileInfo(pages.next()).fileName();
        QVERIFY2(reached.contains(name), qPrintable(name + QStringLiteral(" is not reachable from the contents")));
        ++count;
    }
    QVERIFY(count >= 10);
}

void TestHelpPages::theBrowserShowsEveryPageWithItsPictures() {
    HelpBrowser help;
    auto* browser = help.findChild<QTextBrowser*>();
    QVERIFY(browser);
    QDirIterator pages(QStringLiteral(":/help"), {QStringLiteral("*.html")});
    while (pages.hasNext()) {
        const QString name = QFileInfo(pages.next()).fileName();
        help.showPage(name);
        QCOMPARE(help.currentPage(), name);
        QVERIFY2(!browser->document()->isEmpty(), qPrintable(name));
        static const QRegularExpression image(QStringLiteral("<img src=\"([^\"]*)\""));
        for (const QRegularExpressionMatch& m : image.globalMatch(page(name))) {
            const QVariant picture = browser->document()->resource(QTextDocument::ImageResource, QUrl(m.captured(1)));
            QVERIFY2(picture.isValid(), qPrintable(name + u' ' + m.captured(1)));
        }
    }
}

void TestHelpPages::popupTextsAreSentences() {
    // A shooter's sentence: capital first, full stop last, and the number fields say their unit.
    const struct {
        int templateId, controlId;
        const char* unit;
    } fields[] = {{102, 1002, "feet per second"},
                  {102, 1003, "grains"},
                  {102, 1005, "inches"},
                  {102, 1006, "degrees"},
                  {102, 1007, "yards"},
                  {102, 1008, "yards"},
                  {102, 1011, "miles per hour"},
                  {102, 1012, "yards"},
                  {102, 1013, "Fahrenheit"},
                  {102, 1014, "percent"},
                  {102, 1015, "inches of mercury"},
                  {102, 1018, "feet"},
                  {102, 1037, "miles per hour"},
                  {102, 1041, "degrees"},
                  {102, 1042, "minutes of angle"},
                  {137, 1000, "feet per second"},
                  {137, 1002, "feet"},
                  {139, 1013, "inches"},
                  {157, 1074, "ounces"},
                  {157, 1081, "grains"}};
    for (const auto& f : fields) {
        const QString text = popupHelpText(controlHelpId(f.templateId, f.controlId));
        QVERIFY2(text.contains(QLatin1String(f.unit)), qPrintable(text));
        QVERIFY2(text.contains(QLatin1String(" to ")), qPrintable(text + QStringLiteral(" (no range)")));
    }
    for (int t : {101, 102, 137, 138, 139, 140, 157, 158})
        for (int id = 0; id < 33000; ++id) {
            const quint32 helpId = id ? controlHelpId(t, id) : dialogHelpId(t);
            if (!hasPopupHelpText(helpId)) continue;
            const QString text = popupHelpText(helpId);
            QVERIFY2(text.front().isUpper() && text.endsWith(u'.'), qPrintable(text));
        }
}

QTEST_MAIN(TestHelpPages)
#include "HelpPagesTest.moc"
