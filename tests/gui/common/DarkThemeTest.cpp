// The themes: every word and line of the windows and pictures against its background in Dark
// by the WCAG contrast ratio, the dialog colour as designed in Light, the choice kept in the
// preferences file and restored, and the exported chart the same picture in either theme.

#include <QAction>
#include <QFile>
#include <QRegularExpression>
#include <QStyle>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <cmath>

#include "chart/ChartColours.h"
#include "chart/ChartExport.h"
#include "reports/chartview/ReportChartSeries.h"
#include "reports/chartview/TrajectoryChartView.h"
#include "reports/common/Theme.h"
#include "tests/gui/GuiHarness.h"
#include "tests/gui/table/TableOwnerStub.h"
#include "tests/support/CalcTestLoads.h"
#include "ui/common/CColorBtn.h"
#include "ui/common/ControlIds.h"
#include "ui/help/HelpBrowser.h"

using namespace vorlan;

namespace {

// WCAG 2 relative luminance of an sRGB colour, and the contrast ratio of two colours.
double luminance(const QColor& c) {
    const auto linear = [](int channel) {
        const double v = channel / 255.0;
        return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(c.red()) + 0.7152 * linear(c.green()) + 0.0722 * linear(c.blue());
}
double contrast(const QColor& a, const QColor& b) {
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}
// A translucent colour as it shows over `under`.
QColor over(const QColor& colour, const QColor& under) {
    const double a = colour.alphaF();
    const auto mix = [a](int top, int bottom) { return static_cast<int>(std::lround(a * top + (1 - a) * bottom)); };
    return QColor(mix(colour.red(), under.red()), mix(colour.green(), under.green()), mix(colour.blue(), under.blue()));
}

struct Pair {
    QString what;
    QColor foreground, background;
};

// What a dark window writes and draws, each on what it stands on.
std::vector<Pair> darkPairs() {
    const ChartColours& c = darkChartColours();
    std::vector<Pair> pairs;
    const QColor legend = over(c.legendFill, c.background), readout = over(c.readoutFill, c.background),
                 target = over(c.targetFill, c.background);
    for (const auto& [name, colour] : {std::pair{"text", c.text},
                                       {"grid", c.grid},
                                       {"frame", c.frame},
                                       {"line of sight", c.lineOfSight},
                                       {"sight-in", c.sightIn},
                                       {"target", c.target},
                                       {"P(hit)", c.hitCurve},
                                       {"cursor", c.cursor},
                                       {"legend frame", c.legendFrame},
                                       {"hit dot", over(c.hitDot, c.background)},
                                       {"miss dot", over(c.missDot, c.background)}})
        pairs.push_back({QStringLiteral("chart %1").arg(name), colour, c.background});
    pairs.push_back({"legend text", c.text, legend});
    pairs.push_back({"readout text", c.text, readout});
    pairs.push_back({"readout P(hit)", c.labelColor(c.hitCurve), readout});
    pairs.push_back({"target outline", c.text, target});
    pairs.push_back({"hit dot on target", over(c.hitDot, target), target});
    pairs.push_back({"miss dot on target", over(c.missDot, target), target});
    for (std::size_t i = 0; i < c.series.size(); ++i) {
        const QString n = QString::number(i);
        pairs.push_back({"series " + n, c.seriesColor(i), c.background});
        pairs.push_back({"series label " + n, c.labelColor(c.seriesColor(i)), c.background});
        pairs.push_back({"legend series " + n, c.seriesColor(i), legend});
        pairs.push_back({"readout series " + n, c.labelColor(c.seriesColor(i)), readout});
    }
    const QPalette p = darkPalette();
    using R = QPalette;
    for (const R::ColorGroup group : {R::Active, R::Inactive})
        for (const auto& [text, under] : {std::pair{R::WindowText, R::Window},
                                          {R::Text, R::Base},
                                          {R::Text, R::AlternateBase},
                                          {R::ButtonText, R::Button},
                                          {R::HighlightedText, R::Highlight},
                                          {R::ToolTipText, R::ToolTipBase},
                                          {R::PlaceholderText, R::Base},
                                          {R::Link, R::Base},
                                          {R::LinkVisited, R::Base},
                                          {R::BrightText, R::Window}})
            pairs.push_back(
                {QStringLiteral("palette %1 on %2").arg(text).arg(under), p.color(group, text), p.color(group, under)});
    pairs.push_back({"beyond the ethical range", c.beyondReachText, p.color(R::Base)});
    // The dialog colour's shade: the designed colour, the extremes and the brightest hues.
    for (const QColor chosen : {QColor(195, 190, 228), QColor(Qt::white), QColor(Qt::black), QColor(Qt::yellow),
                                QColor(Qt::cyan), QColor(Qt::green), QColor(Qt::blue), QColor(128, 128, 128)}) {
        const QColor shown = shownDialogColor(chosen, p);
        pairs.push_back({"label on " + chosen.name(), p.color(R::WindowText), shown});
        pairs.push_back({"button on " + chosen.name(), p.color(R::ButtonText), shown});
    }
    return pairs;
}

// Sets the theme and lets the windows take the new palette.
void choose(Theme theme) {
    applyTheme(theme);
    QCoreApplication::processEvents();
}

// The foreground of the first words of the page shown (its heading).
QColor headingColour(const HelpBrowser& help) {
    const QTextBlock heading = help.browser()->document()->begin();
    return heading.begin().fragment().charFormat().foreground().color();
}

}  // namespace

class TestDarkTheme : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { choose(Theme::System); }
    void darkWordsAndLinesStandOut();
    void helpHeadingsStandOut();
    void dialogColourShadedInDarkAndDesignedInLight();
    void themeKeptInPreferences_data();
    void themeKeptInPreferences();
    void viewMenuChoosesAndRestoresTheTheme();
    void exportedChartSameInDark();
    void exportKeepsTheDesignedColours();
};

void TestDarkTheme::darkWordsAndLinesStandOut() {
    for (const Pair& pair : darkPairs()) {
        const double ratio = contrast(pair.foreground, pair.background);
        QVERIFY2(ratio >= 4.5, qPrintable(QStringLiteral("%1: %2 on %3 is %4:1")
                                              .arg(pair.what, pair.foreground.name(), pair.background.name())
                                              .arg(ratio, 0, 'f', 2)));
    }
}

void TestDarkTheme::helpHeadingsStandOut() {
    HelpBrowser help;
    help.showPage(QStringLiteral("index.html"));
    const QColor navy = headingColour(help);
    QVERIFY(contrast(navy, help.browser()->palette().color(QPalette::Base)) >= 4.5);
    choose(Theme::Dark);  // the page is shown again in the new palette
    const QColor base = help.browser()->palette().color(QPalette::Base);
    QVERIFY(isDarkPalette(help.browser()->palette()));
    QVERIFY2(contrast(headingColour(help), base) >= 4.5, qPrintable(headingColour(help).name()));
    choose(Theme::Light);
    QCOMPARE(headingColour(help), navy);
}

void TestDarkTheme::dialogColourShadedInDarkAndDesignedInLight() {
    testing::Harness h;
    auto dialog = h.openMainDialog();
    const QColor designed(195, 190, 228);
    QLineEdit* density = dialog->edit(MainDialogIds::kAirDensityEdit);
    QLineEdit* velocity = dialog->edit(MainDialogIds::kVelocityEdit);
    auto* button = dialog->findChild<CColorBtn*>();
    QVERIFY(density->isReadOnly() && !velocity->isReadOnly() && button);
    choose(Theme::Dark);
    const QColor shade = shownDialogColor(designed, darkPalette());
    QVERIFY(isDarkPalette(QApplication::palette()));
    QCOMPARE(QApplication::style()->name().toLower(), QString("fusion"));
    QCOMPARE(dialog->palette().color(QPalette::Window), shade);
    QVERIFY(shade.lightness() < 80 && shade.hue() == designed.hue());
    QCOMPARE(density->palette().color(QPalette::Base), shade);
    QCOMPARE(velocity->palette().color(QPalette::Base), darkPalette().color(QPalette::Base));
    QCOMPARE(button->fillColor(), shade);
    choose(Theme::Light);
    QCOMPARE(dialog->palette().color(QPalette::Window), designed);
    QCOMPARE(density->palette().color(QPalette::Base), designed);
    QCOMPARE(button->fillColor(), designed);
    QVERIFY(contrast(dialog->palette().color(QPalette::WindowText), designed) >= 4.5);
}

void TestDarkTheme::themeKeptInPreferences_data() {
    QTest::addColumn<QByteArray>("before");  // "-": no file
    QTest::addColumn<int>("chosen");
    QTest::addColumn<QByteArray>("after");
    const QByteArray table = "[Table]\nHolds=true\n";
    QTest::newRow("System writes no file") << QByteArray("-") << int(Theme::System) << QByteArray("-");
    QTest::newRow("System keeps the bytes") << table << int(Theme::System) << table;
    QTest::newRow("Dark is added") << table << int(Theme::Dark) << table + "[View]\nTheme=Dark\n";
    QTest::newRow("Light starts a file") << QByteArray("-") << int(Theme::Light) << QByteArray("[View]\nTheme=Light\n");
    QTest::newRow("System replaces Dark") << table + "[View]\nTheme=Dark\n"
                                          << int(Theme::System) << table + "[View]\nTheme=System\n";
}

void TestDarkTheme::themeKeptInPreferences() {
    QFETCH(QByteArray, before);
    QFETCH(int, chosen);
    QFETCH(QByteArray, after);
    QTemporaryDir dir;
    const QString path = dir.filePath("Vorlan Preferences.ini");
    QFile file(path);
    if (before != "-") QVERIFY(file.open(QIODevice::WriteOnly) && file.write(before) == before.size());
    file.close();
    QVERIFY(saveTheme(path, Theme(chosen)));
    QCOMPARE(QFile::exists(path), after != "-");
    if (after == "-") return;
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), after);
    QCOMPARE(loadTheme(path), Theme(chosen));
}

void TestDarkTheme::viewMenuChoosesAndRestoresTheTheme() {
    QTemporaryDir dir;
    TableOwnerStub owner;
    owner.preferences = dir.filePath("Vorlan Preferences.ini");
    TrajectoryWindow* window = owner.openWithViews(testing::load308());
    auto* dark = window->findChild<QAction*>("themeDark");
    QVERIFY(dark && window->findChild<QAction*>("themeSystem")->isChecked());
    dark->trigger();
    QVERIFY(dark->isChecked() && isDarkPalette(QApplication::palette()));
    QCOMPARE(loadTheme(owner.preferences), Theme::Dark);
    // The next start: the desktop's look, then the kept theme.
    choose(Theme::System);
    QVERIFY(!isDarkPalette(QApplication::palette()));
    applyTheme(loadTheme(owner.preferences));
    QVERIFY(isDarkPalette(QApplication::palette()));
    window->findChild<QAction*>("themeLight")->trigger();
    QCOMPARE(loadTheme(owner.preferences), Theme::Light);
    QVERIFY(!isDarkPalette(QApplication::palette()));
    // A preferences file holding something else is read as System.
    QFile file(owner.preferences);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write("[View]\nTheme=Purple\n") > 0);
    file.close();
    QCOMPARE(loadTheme(owner.preferences), Theme::System);
}

void TestDarkTheme::exportedChartSameInDark() {
    QTemporaryDir dir;
    ShotParameters shot = testing::load308();
    shot.targetRange = 600;
    TrajectoryChartView chart(chartSeries(shot, RangeTableReport(shot)));
    chart.resize(900, 560);
    chart.setCursorRange(400);
    const auto exported = [&](const QString& name) {
        QString error;
        const std::string path = QFile::encodeName(dir.filePath(name)).toStdString();
        if (!exportChart(chart.scene(), path, QSize(900, 560), error)) return QByteArray();
        QFile file(dir.filePath(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    const QByteArray png = exported("light.png"), svg = exported("light.svg");
    QVERIFY(!png.isEmpty() && !svg.isEmpty());
    QCOMPARE(chart.grab().toImage().pixelColor(2, 2), paperChartColours().background);
    choose(Theme::Dark);
    QCOMPARE(chart.grab().toImage().pixelColor(2, 2), darkChartColours().background);
    QCOMPARE(exported("dark.png"), png);
    QCOMPARE(exported("dark.svg"), svg);
    QCOMPARE(QImage::fromData(png).pixelColor(2, 2), QColor(Qt::white));
}

// Every part of the chart in an exported drawing, in Dark: the colours of the designed picture.
void TestDarkTheme::exportKeepsTheDesignedColours() {
    ShotParameters shot = testing::load308();
    shot.targetRange = 600;
    ChartScene scene;
    scene.series.assign(6, chartSeries(shot, RangeTableReport(shot)));  // the own shot and five overlays
    scene.series[0].hitCurve = {{100, 1.0, 0.0}, {400, 0.8, 0.0}, {700, 0.3, 0.0}};
    scene.series[0].hitLevel = 0.9;
    scene.series[0].ethicalRange = 300;
    scene.observations = {{500, -50, 5}, {600, 1800, 20, true}};
    scene.cursorRange = 450;
    choose(Theme::Dark);
    QTemporaryDir dir;
    QString error;
    QVERIFY(exportChart(scene, QFile::encodeName(dir.filePath("c.svg")).toStdString(), QSize(900, 560), error));
    QFile file(dir.filePath("c.svg"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString svg = QString::fromUtf8(file.readAll());
    QSet<QString> used;
    static const QRegularExpression colour(R"re((?:stroke|fill)="(#[0-9a-f]{6})")re");
    for (auto it = colour.globalMatch(svg); it.hasNext();) used << it.next().captured(1);
    // White paper, black words and frame, the grey grid, line of sight, cursor, legend and
    // readout, the green sight-in, the red target, the orange P(hit), the six series, and the
    // readout's and labels' words a shade darker than their trace.
    QSet<QString> designed{"#ffffff", "#000000", "#e1e1e1", "#5a5a5a", "#008200", "#c80000",
                           "#c86e00", "#3c3c3c", "#a0a0a0", "#787878", "#ffffe1", "#c8c8c8"};
    for (const char* trace : {"#1f77b4", "#d62728", "#2ca02c", "#9467bd", "#ff7f0e", "#8c564b", "#c86e00"})
        designed << trace << QColor(trace).darker(130).name();
    QCOMPARE(used, designed);
    // The legend and the readout veil what lies under them: white at 235 of 255, cream at 240.
    QSet<QString> veils;
    static const QRegularExpression veil(R"re(fill="(#[0-9a-f]{6})" fill-opacity="(0\.[0-9]+)")re");
    for (auto it = veil.globalMatch(svg); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        veils << m.captured(1) + QString::number(m.captured(2).toDouble() * 255, 'f', 0);
    }
    QCOMPARE(veils, (QSet<QString>{"#ffffff235", "#ffffe1240"}));
    // The readout's P(hit) at 450 yd, a sixth of the way from 80 % at 400 yd to 30 % at 700 yd.
    QVERIFY(svg.contains(">71.7 %<"));
}

QTEST_MAIN(TestDarkTheme)
#include "DarkThemeTest.moc"
