// The user's guide bundled with the program: every page is reachable from the contents page,
// every link and picture resolves, and the pop-up texts read as sentences.

#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <QTextBrowser>

#include "ui/common/ContextHelp.h"
#include "ui/common/ControlIds.h"
#include "ui/help/HelpBrowser.h"

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
    } fields[] = {{MainDialogIds::kTemplate, MainDialogIds::kVelocityEdit, "feet per second"},
                  {MainDialogIds::kTemplate, MainDialogIds::kWeightEdit, "grains"},
                  {MainDialogIds::kTemplate, MainDialogIds::kSightHeightEdit, "inches"},
                  {MainDialogIds::kTemplate, MainDialogIds::kCantAngleEdit, "degrees"},
                  {MainDialogIds::kTemplate, MainDialogIds::kSightInRangeEdit, "yards"},
                  {MainDialogIds::kTemplate, MainDialogIds::kRangeIncrementEdit, "yards"},
                  {MainDialogIds::kTemplate, MainDialogIds::kCrosswindEdit, "miles per hour"},
                  {MainDialogIds::kTemplate, MainDialogIds::kTargetRangeEdit, "yards"},
                  {MainDialogIds::kTemplate, MainDialogIds::kTemperatureEdit, "Fahrenheit"},
                  {MainDialogIds::kTemplate, MainDialogIds::kHumidityEdit, "percent"},
                  {MainDialogIds::kTemplate, MainDialogIds::kPressureEdit, "inches of mercury"},
                  {MainDialogIds::kTemplate, MainDialogIds::kAltitudeEdit, "feet"},
                  {MainDialogIds::kTemplate, MainDialogIds::kTargetSpeedEdit, "miles per hour"},
                  {MainDialogIds::kTemplate, MainDialogIds::kTargetDirectionEdit, "degrees"},
                  {MainDialogIds::kTemplate, MainDialogIds::kMuzzleAngleEdit, "minutes of angle"},
                  {ComputeBcIds::kTemplate, ComputeBcIds::kNearSpeedEdit, "feet per second"},
                  {ComputeBcIds::kTemplate, ComputeBcIds::kDistanceEdit, "feet"},
                  {OpbzIds::kTemplate, OpbzIds::kDiameterEdit, "inches"},
                  {EvwIds::kTemplate, EvwIds::kGunWeightEdit, "ounces"},
                  {EvwIds::kTemplate, EvwIds::kPowderWeightEdit, "grains"}};
    for (const auto& f : fields) {
        const QString text = popupHelpText(controlHelpId(f.templateId, f.controlId));
        QVERIFY2(text.contains(QLatin1String(f.unit)), qPrintable(text));
        QVERIFY2(text.contains(QLatin1String(" to ")), qPrintable(text + QStringLiteral(" (no range)")));
    }
    for (int t :
         {ColorChooserIds::kTemplate, MainDialogIds::kTemplate, ComputeBcIds::kTemplate, MaximumRangeIds::kTemplate,
          OpbzIds::kTemplate, ComparisonIds::kTemplate, EvwIds::kTemplate, AdvancedIds::kTemplate,
          FieldCardIds::kTemplate, HitProbabilityIds::kTemplate, SightPictureIds::kTemplate})
        for (int id = 0; id < 33000; ++id) {
            const quint32 helpId = id ? controlHelpId(t, id) : dialogHelpId(t);
            if (!hasPopupHelpText(helpId)) continue;
            const QString text = popupHelpText(helpId);
            QVERIFY2(text.front().isUpper() && text.endsWith(u'.'), qPrintable(text));
        }
}

QTEST_MAIN(TestHelpPages)
#include "HelpPagesTest.moc"
