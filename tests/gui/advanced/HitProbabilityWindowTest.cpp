// The Hit Probability window: opened from the main dialog and from a table window's File menu,
// its inputs read from the fields and kept with the dialog's shot (the run itself is tested in
// HitProbabilityRunTest).

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>
#include <set>

#include "reports/chartview/TrajectoryChartCommands.h"
#include "reports/chartview/TrajectoryChartView.h"
#include "reports/table/TrajectoryWindow.h"
#include "shot/ShotFile.h"
#include "tests/gui/GuiHarness.h"
#include "tests/support/CalcTestLoads.h"
#include "ui/advanced/CHitProbabilityDlg.h"
#include "ui/advanced/HitScatterView.h"
#include "ui/common/ContextHelp.h"
#include "ui/common/ControlIds.h"

using namespace vorlan;
using namespace vorlan::HitProbabilityIds;

namespace {

QLineEdit* field(CHitProbabilityDlg* window, int id) { return qobject_cast<QLineEdit*>(window->control(id)); }

// vorlan-cli hit of the window's shot, spreads, samples and seed gives the window's figures.
void compareWithTheCommandLine(const CHitProbabilityDlg& window) {
    QTemporaryDir dir;
    const std::string path = dir.filePath("shot.vxf").toStdString();
    QVERIFY(writeShotFile(path, window.shot()));
    QProcess cli;
    const HitProbabilityResult& shown = window.shownResult();
    cli.start(VORLAN_CLI, {"hit", QString::fromStdString(path), "--csv", "--runs", "2000", "--sweep", "100:1000:100"});
    QVERIFY(cli.waitForFinished(60000));
    const QStringList rows = QString::fromUtf8(cli.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
    QCOMPARE(rows.size(), 11);
    QCOMPARE(shown.figures.size(), std::size_t{10});
    for (std::size_t i = 0; i < shown.figures.size(); ++i) {
        const QStringList cells = rows[static_cast<qsizetype>(i) + 1].split(',');
        QCOMPARE(cells[0].toInt(), shown.figures[i].range);
        QCOMPARE(cells[1].toDouble(), shown.figures[i].probability);
    }
}

CHitProbabilityDlg* openFromDialog(CVorlan2Dlg* dialog) {
    QTest::mouseClick(qobject_cast<QPushButton*>(dialog->control(MainDialogIds::kHitProbabilityButton)),
                      Qt::LeftButton);
    return testing::newestShown<CHitProbabilityDlg>();
}

}  // namespace

class HitProbabilityWindowTest : public QObject {
    Q_OBJECT

private slots:
    // The scatter's title, square and grid note share the widget without overlapping or leaving
    // it: a text wider than the widget takes two lines (one exactly as wide takes one), and the
    // square is as large as fits, centred.
    void scatterFrameSharesTheWidget() {
        const struct {
            QSize size;
            int titleWidth, noteWidth;
            int titleLines, noteLines;
        } cases[] = {
            {{300, 400}, 200, 250, 1, 1}, {{200, 400}, 300, 250, 2, 2}, {{300, 200}, 100, 300, 1, 1},
            {{300, 300}, 301, 100, 2, 1}, {{400, 240}, 100, 401, 1, 2},
        };
        constexpr int kLine = 14;
        for (const auto& c : cases) {
            const ScatterFrame f = scatterFrame(c.size, kLine, c.titleWidth, c.noteWidth);
            const QString where = QStringLiteral("%1x%2").arg(c.size.width()).arg(c.size.height());
            QVERIFY2(f.title.height() == c.titleLines * kLine && f.note.height() == c.noteLines * kLine,
                     qPrintable(where));
            // The texts run across the widget, the title from the top and the note below the square.
            for (const QRectF& text : {f.title, f.note})
                QVERIFY2(text.left() == 0 && text.width() == c.size.width(), qPrintable(where));
            const QRectF& sq = f.square;
            QVERIFY2(sq.width() == sq.height() && sq.left() >= 0 && sq.right() <= c.size.width(), qPrintable(where));
            QVERIFY2(std::fabs(sq.left() - (c.size.width() - sq.right())) < 1e-9, qPrintable(where));  // centred
            QVERIFY2(f.title.top() >= 0 && sq.top() >= f.title.bottom() && f.note.top() >= sq.bottom() &&
                         f.note.bottom() <= c.size.height(),
                     qPrintable(where));
            // As large as fits: six pixels from the sides, or from the title and the note.
            QVERIFY2(sq.width() == c.size.width() - 12 || sq.bottom() + 6 + f.note.height() == c.size.height(),
                     qPrintable(where));
        }
    }

    // Typed inputs: the figures follow the last of them, the dialog's shot keeps them, and a
    // group size is turned into the deviation it stands for.
    void fromTheMainDialogItFollowsItsInputs() {
        testing::Harness harness;
        auto dialog = harness.openMainDialog();
        dialog->shot() = testing::load308ShortTable();
        dialog->shot().hit.spreads.precisionMoa = 2;
        dialog->updateData(false);
        CHitProbabilityDlg* window = openFromDialog(dialog.get());
        QVERIFY(window);
        QCOMPARE(window->control(kAssumed)->property("text").toString(), QString());
        QCOMPARE(window->templateId(), kTemplate);
        // The vital zone of the shot is the target until another is typed.
        QCOMPARE(field(window, kTargetWidth)->text(), QString("8"));

        // Three inputs in quick succession: each cancels the run before it.
        for (const char* precision : {"3", "0.5", "1"}) testing::retype(field(window, kPrecision), precision);
        QTRY_VERIFY_WITH_TIMEOUT(window->finished(), 30000);
        QCOMPARE(window->control(kProgress)->property("text").toString().section(',', 0, 0), QString("Error budget"));
        QVERIFY(window->control(kTargetFigure)->property("text").toString().startsWith("P(hit) at 500 yd: "));
        QCOMPARE(window->shownResult().impacts.size(), std::size_t{2000});
        QCOMPARE(dialog->shot().hit.spreads.precisionMoa, 1.0);
        QVERIFY(!dialog->shot().hit.target.isSet());  // still the vital zone
        QVERIFY(window->control(kMisses)->property("text").toString().startsWith("The precision decides"));

        // A group of five shots averaging 3.066 MOA is one MOA per axis; a rectangle is kept.
        qobject_cast<QComboBox*>(window->control(kPrecisionKind))->setCurrentIndex(1);
        testing::retype(field(window, kPrecision), "3.066");
        qobject_cast<QComboBox*>(window->control(kTargetShape))->setCurrentIndex(1);
        testing::retype(field(window, kTargetHeight), "20");
        testing::retype(field(window, kTargetWidth), "10");
        QVERIFY(std::fabs(dialog->shot().hit.spreads.precisionMoa - 1.0) < 1e-3);
        QVERIFY(window->control(kConversion)
                    ->property("text")
                    .toString()
                    .endsWith("a spread of 1.000 MOA per axis: the mean extreme spread of 5 shots is 3.066 standard "
                              "deviations."));
        QCOMPARE(dialog->shot().hit.spreads.groupMoa, 3.066);
        QCOMPARE(dialog->shot().hit.spreads.groupShots, 5);
        QCOMPARE(dialog->shot().hit.target, (HitTarget{HitTarget::Shape::Rectangle, 10, 20}));
        testing::retype(field(window, kRuns), "2e3");
        QTRY_VERIFY_WITH_TIMEOUT(window->finished(), 30000);
        window->grab().save(testing::artefactPath("hit-probability.png"));
        compareWithTheCommandLine(*window);

        // A field that cannot be read says so and keeps the last good inputs in the shot.
        testing::retype(field(window, kWindSd), "x");
        QVERIFY(window->message().contains("Wind call SD"));
        QCOMPARE(dialog->shot().hit.spreads.windSd, 0.0);
        window->close();

        // The group comes back as the group it was typed as; a group of 2 to 10 shots only.
        window = openFromDialog(dialog.get());
        QCOMPARE(qobject_cast<QComboBox*>(window->control(kPrecisionKind))->currentIndex(), 1);
        QCOMPARE(field(window, kPrecision)->text(), QString("3.066"));
        QCOMPARE(field(window, kGroupShots)->text(), QString("5"));
        for (const char* shots : {"11", "1"}) {  // typed key by key: each step is refused
            testing::retype(field(window, kGroupShots), shots);
            QVERIFY2(window->message().contains("a group of 2 to 10 shots"), shots);
            QCOMPARE(dialog->shot().hit.spreads.groupShots, 5);
        }
        testing::retype(field(window, kGroupShots), "5");
        QTRY_VERIFY_WITH_TIMEOUT(window->finished(), 30000);
        window->close();
    }

    // No spread at all would hit every shot to the table's end: the window starts from typical
    // spreads, says they are assumed, and keeps them with the shot only on OK.
    void withoutSpreadsItAssumesTypicalOnes() {
        testing::Harness harness;
        auto dialog = harness.openMainDialog();
        dialog->shot() = testing::load308ShortTable();
        dialog->updateData(false);
        for (const int button : {kClose, kOk}) {
            CHitProbabilityDlg* window = openFromDialog(dialog.get());
            QVERIFY(window);
            QVERIFY(window->control(kAssumed)->property("text").toString().contains("assumed"));
            const std::pair<int, const char*> shown[] = {{kVelocitySd, "10"}, {kCoefficientSd, "2"}, {kRangeSd, "3"},
                                                         {kWindSd, "2"},      {kPrecision, "0.5"},   {kCantSd, "0"}};
            for (const auto& [id, text] : shown) QCOMPARE(field(window, id)->text(), QString(text));
            QCOMPARE(qobject_cast<QComboBox*>(window->control(kRangeSdUnit))->currentIndex(), 1);
            QTRY_VERIFY_WITH_TIMEOUT(window->finished(), 30000);
            QCOMPARE(window->shot().hit.spreads, kTypicalHitSpreads);
            QVERIFY(window->shownResult().figures.back().probability < 0.9);  // 8 in at 1000 yd
            QCOMPARE(dialog->shot().hit.spreads, HitSpreads{});
            QTest::mouseClick(qobject_cast<QPushButton*>(window->control(button)), Qt::LeftButton);
            QTRY_VERIFY(!testing::newestShown<CHitProbabilityDlg>());
        }
        QCOMPARE(dialog->shot().hit.spreads, kTypicalHitSpreads);
    }

    // F1 names the control under the pointer; each row's label has an access key of its own
    // that takes the focus to the row; no error is shown where every sample hit; the picture
    // says how many of the samples it shows.
    void helpKeysErrorsAndPicture() {
        testing::Harness harness;
        auto dialog = harness.openMainDialog();
        dialog->shot() = testing::load308ShortTable();
        dialog->shot().hit.spreads.precisionMoa = 0.5;
        dialog->shot().hit.spreads.windSd = 2.0;
        dialog->updateData(false);
        CHitProbabilityDlg* window = openFromDialog(dialog.get());
        QVERIFY(isDialogWithPopupHelp(dialogHelpId(kTemplate)));
        QWidget* precision = window->control(kPrecision);
        QCOMPARE(helpIdInWindow(window, precision->mapToGlobal(precision->rect().center()), dialogHelpId(kTemplate)),
                 controlHelpId(kTemplate, kPrecision));
        std::set<QChar> keys;
        for (QLabel* label : window->findChildren<QLabel*>()) {
            const qsizetype amp = label->text().indexOf('&');
            if (amp < 0 || label->text().startsWith("P(hit)")) continue;
            QVERIFY2(label->buddy(), qPrintable(label->text()));
            QVERIFY2(keys.insert(label->text().at(amp + 1).toLower()).second, qPrintable(label->text()));
        }
        QCOMPARE(keys.size(), std::size_t{10});
        QTRY_VERIFY_WITH_TIMEOUT(window->finished(), 30000);
        const auto* table = qobject_cast<QTableWidget*>(window->control(kTable));
        QCOMPARE(table->item(0, 1)->text(), QString("100.0"));  // 0.5 in per axis against 4 in
        // The budget's figures are exact: no error beside them.
        QCOMPARE(table->item(0, 2)->text(), QString());
        QCOMPARE(table->item(table->rowCount() - 1, 2)->text(), QString());
        // A coefficient spread this wide is far from linear: the ranges left to the samples say so.
        testing::retype(field(window, kCoefficientSd), "20");
        QTRY_VERIFY_WITH_TIMEOUT(window->finished(), 30000);
        int sampled = 0;
        for (int row = 0; row < table->rowCount(); ++row) {
            const bool bySamples = window->shownResult().figures[static_cast<std::size_t>(row)].sampled;
            QCOMPARE(table->item(row, 2)->text().endsWith(" sampled"), bySamples);
            sampled += bySamples;
        }
        QVERIFY(sampled > 0 && sampled < table->rowCount());
        // The figure at the target range tells the samples' error beside it, however small.
        const QString atTarget = window->control(kTargetFigure)->property("text").toString();
        for (const HitRangeFigure& figure : window->shownResult().figures)
            if (atTarget.startsWith(QStringLiteral("P(hit) at %1 yd: ").arg(figure.range)))
                QCOMPARE(atTarget.contains(QStringLiteral(" ± ")), figure.standardError > 0.0);
        QVERIFY2(atTarget.contains(QStringLiteral(" ± ")), qPrintable(atTarget));
        QVERIFY(window->control(kProgress)->property("text").toString().contains(" ranges sampled"));
        QCOMPARE(static_cast<HitScatterView*>(window->control(kScatter))->title().section(" hit ", 1),
                 QString("(2000 of 10000 samples shown)"));
        window->close();
    }

    // With other units the spreads and the target are typed in them and reach the shot by the
    // exact definitions; a bound's end is accepted, a figure beyond it told in the unit shown;
    // a change of the units shows the same inputs in the new ones.
    void inputsInOtherUnits() {
        testing::Harness harness;
        UnitChoice metric = UnitChoice::preset(UnitSystem::Metric);
        QVERIFY(metric.set(Quantity::Speed, Unit::Kmh));
        harness.context.units.setChoice(metric);
        auto dialog = harness.openMainDialog();
        dialog->shot() = testing::load308ShortTable();
        dialog->shot().hit.spreads.precisionMoa = 0.5;
        dialog->shot().hit.spreads.windSd = 2.0;
        dialog->updateData(false);
        CHitProbabilityDlg* window = openFromDialog(dialog.get());
        QVERIFY(window);
        auto* rangeUnit = qobject_cast<QComboBox*>(window->control(kRangeSdUnit));
        QCOMPARE(rangeUnit->itemText(0), QString("m"));
        QStringList labels;
        for (const QLabel* label : window->findChildren<QLabel*>()) labels << label->text();
        for (const char* unit : {"m/s", "km/h", "cm"}) QVERIFY2(labels.contains(unit), unit);
        QCOMPARE(field(window, kTargetWidth)->text(), QString("20.32"));  // the 8 in vital zone
        // A converted figure shows to its field's digits, and stands for the value whole while
        // it is left as shown: 2 mph is 3.218688 km/h.
        QCOMPARE(field(window, kWindSd)->text(), QString("3.2"));
        testing::retype(field(window, kCantSd), "1");
        QCOMPARE(window->message(), QString());
        QCOMPARE(dialog->shot().hit.spreads.windSd, 2.0);
        QCOMPARE(dialog->shot().hit.spreads.cantSd, 1.0);

        rangeUnit->setCurrentIndex(0);
        const std::pair<int, const char*> typed[] = {{kVelocitySd, "3"}, {kWindSd, "5"}, {kRangeSd, "2"}};
        for (const auto& [id, text] : typed) testing::retype(field(window, id), text);
        QCOMPARE(window->message(), QString());
        const HitSpreads& s = dialog->shot().hit.spreads;
        const std::pair<double, double> expected[] = {
            {s.velocitySd, 3 / 0.3048}, {s.windSd, 5 / 1.609344}, {s.rangeSd, 2 / 0.9144}};
        for (const auto& [held, exact] : expected) QVERIFY(std::fabs(held - exact) <= 1e-9 * exact);
        QVERIFY(!dialog->shot().hit.target.isSet());  // still the vital zone
        testing::retype(field(window, kTargetWidth), "30");
        QVERIFY(std::fabs(dialog->shot().hit.target.width - 30 / 2.54) <= 1e-9);

        // 500 ft/s, the top of the velocity spread, is 152.4 m/s.
        testing::retype(field(window, kVelocitySd), "152.4");
        QCOMPARE(window->message(), QString());
        QVERIFY(std::fabs(dialog->shot().hit.spreads.velocitySd - 500) <= 1e-9);
        testing::retype(field(window, kVelocitySd), "152.5");
        QVERIFY2(window->message().contains("between 0 and 152.4 m/s"), qPrintable(window->message()));
        testing::retype(field(window, kVelocitySd), "3");
        QTRY_VERIFY_WITH_TIMEOUT(window->finished(), 30000);
        auto* table = qobject_cast<QTableWidget*>(window->control(kTable));
        QCOMPARE(table->horizontalHeaderItem(0)->text(), QString("Range (m)"));
        // At the window's least size, beside its scroll bar, the table keeps its headings whole and
        // room for the error's notes.
        const QSize size = window->size();
        table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        window->resize(window->minimumSizeHint());
        QApplication::processEvents();
        QVERIFY(!table->horizontalScrollBar()->isVisible());
        QVERIFY2(table->horizontalHeader()->sectionSize(2) >= 90,
                 qPrintable(QString::number(table->horizontalHeader()->sectionSize(2))));
        table->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        window->resize(size);
        // Counted at whole metres: the target's 500 yd is 457.2 m, counted at 457 m.
        QVERIFY(window->control(kTargetFigure)->property("text").toString().startsWith("P(hit) at 457 m: "));
        QVERIFY(!table->findItems("457", Qt::MatchExactly).isEmpty());
        QCOMPARE(window->shownResult().figures.back().range, 914);  // the 1000 yd row
        window->grab().save(testing::artefactPath("hit-probability-metric.png"));

        harness.context.units.setChoice(UnitChoice());
        const std::pair<int, const char*> designed[] = {
            {kVelocitySd, "9.84252"}, {kWindSd, "3.10686"}, {kRangeSd, "2.18723"}, {kTargetWidth, "11.811"}};
        for (const auto& [id, text] : designed) QCOMPARE(field(window, id)->text(), QString(text));
        QCOMPARE(rangeUnit->itemText(0), QString("yd"));
        QTRY_VERIFY_WITH_TIMEOUT(window->finished(), 30000);
        window->close();
    }

    void fromATableWindowsFileMenu() {
        testing::Harness harness;
        auto dialog = harness.openMainDialog();
        dialog->shot() = testing::load308ShortTable();
        dialog->shot().hit.spreads.velocitySd = 12;
        dialog->updateData(false);
        dialog->onRangeTable();
        auto* table = qobject_cast<TrajectoryWindow*>(dialog->openTableWindows.last().data());
        QVERIFY(table);
        // Its chart draws P(hit) once the hits are counted, in the background.
        QTRY_VERIFY_WITH_TIMEOUT(!table->chartCommands()->chart()->scene().series.front().hitCurve.empty(), 30000);
        auto* action = table->findChild<QAction*>(QStringLiteral("fileHitProbability"));
        QVERIFY(action && action->isEnabled());
        action->trigger();
        CHitProbabilityDlg* window = testing::newestShown<CHitProbabilityDlg>();
        QVERIFY(window);
        QCOMPARE(field(window, kVelocitySd)->text(), QString("12"));
        QTRY_VERIFY_WITH_TIMEOUT(window->finished(), 30000);

        // A wider velocity spread typed there redraws the table's P(hit) curve, with the
        // window's own figures: the same ranges, samples and seed.
        const auto curve = [table] { return table->chartCommands()->chart()->scene().series.front().hitCurve; };
        const double before = curve().back().probability;
        testing::retype(field(window, kVelocitySd), "30");
        QTRY_VERIFY_WITH_TIMEOUT(window->finished() && curve().back().probability < before, 30000);
        const std::vector<HitRangeFigure>& figures = window->shownResult().figures;
        QCOMPARE(curve().size(), figures.size());
        for (std::size_t i = 0; i < figures.size(); ++i) {
            QCOMPARE(curve()[i].range, double(figures[i].range));
            QCOMPARE(curve()[i].probability, figures[i].probability);
        }
        window->close();
    }
};

QTEST_MAIN(HitProbabilityWindowTest)
#include "HitProbabilityWindowTest.moc"
