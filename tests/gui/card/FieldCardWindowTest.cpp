// The Field Card window: opened from the main dialog and from a table window's File menu,
// following its inputs, refusing a card too small for its rows, exporting through the safe
// writer, and printing through the print path (its preview pages are drawn).

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

#include "reports/card/FieldCard.h"
#include "reports/table/RangeTable.h"
#include "reports/table/TableDialogs.h"
#include "reports/table/TableViewCommands.h"
#include "reports/table/TrajectoryWindow.h"
#include "tests/gui/GuiHarness.h"
#include "tests/support/CalcTestLoads.h"
#include "ui/card/CFieldCardDlg.h"
#include "ui/common/ControlIds.h"

using namespace vorlan;
using namespace vorlan::FieldCardIds;

namespace {

QString cardText(CFieldCardDlg* window) {
    return window->card() ? QString::fromStdString(fieldCardText(*window->card())) : QString();
}

// The main dialog holding the .308 load, and the field card its button opens.
CFieldCardDlg* openCard(CVorlan2Dlg& dialog) {
    dialog.shot() = testing::load308();
    dialog.updateData(false);
    QTest::mouseClick(qobject_cast<QPushButton*>(dialog.control(MainDialogIds::kFieldCardButton)), Qt::LeftButton);
    return testing::newestShown<CFieldCardDlg>();
}

}  // namespace

class FieldCardWindowTest : public QObject {
    Q_OBJECT

private slots:
    // A shooter who reads distances in metres gets a metric card from the main dialog's button.
    void metricUnitsMakeAMetricCard() {
        testing::Harness harness;
        harness.context.units.setChoice(UnitChoice::preset(UnitSystem::Metric));
        auto dialog = harness.openMainDialog();
        CFieldCardDlg* window = openCard(*dialog);
        QVERIFY(window);
        QCOMPARE(qobject_cast<QComboBox*>(window->control(kUnits))->currentIndex(), 1);
        QCOMPARE(qobject_cast<QLineEdit*>(window->control(kWinds))->text(), QString("2, 4, 6"));  // m/s
        QVERIFY2(window->card().has_value(), qPrintable(window->message()));
        QCOMPARE(window->card()->units, UnitSystem::Metric);
        // Winds in km/h once they are chosen, the same winds; the card heads them so.
        UnitChoice kmh = UnitChoice::preset(UnitSystem::Metric);
        QVERIFY(kmh.set(Quantity::Speed, Unit::Kmh));
        auto* winds = qobject_cast<QLineEdit*>(window->control(kWinds));
        testing::retype(winds, "5");
        harness.context.units.setChoice(kmh);
        QCOMPARE(winds->text(), QString("18"));  // 5 m/s is 18 km/h
        QVERIFY2(window->card().has_value(), qPrintable(window->message()));
        QVERIFY(cardText(window).contains(QRegularExpression("Wind\\s+in\\s+km/h")));
        // An imperial card keeps the shooter's km/h.
        qobject_cast<QComboBox*>(window->control(kUnits))->setCurrentIndex(0);
        QCOMPARE(winds->text(), QString("18"));
        QVERIFY(cardText(window).contains(QRegularExpression("Wind\\s+in\\s+km/h")));
        window->close();
    }

    void fromTheMainDialogItFollowsItsInputs() {
        testing::Harness harness;
        auto dialog = harness.openMainDialog();
        CFieldCardDlg* window = openCard(*dialog);
        QVERIFY(window);
        QCOMPARE(window->templateId(), kTemplate);
        QVERIFY2(window->card().has_value(), qPrintable(window->message()));
        QVERIFY(cardText(window).contains(QRegularExpression("\n 100 +0\\.0 ")));
        QVERIFY(cardText(window).contains(QRegularExpression("\n1000\\*? ")));
        QApplication::processEvents();
        window->grab().save(testing::artefactPath("field-card-pocket.png"));

        // Named targets join the rows by range.
        window->findChild<QPlainTextEdit*>()->setPlainText("Gong 1 = 327\nRidge = 612");
        QVERIFY(cardText(window).contains(QRegularExpression("\n 327 +Gong 1 ")));
        QVERIFY(cardText(window).contains(QRegularExpression("\n 612 +Ridge ")));

        // Too many rows and columns for a strip: the card says so and nothing can be printed.
        testing::retype(qobject_cast<QLineEdit*>(window->control(kRanges)), "100:1000:25");
        testing::retype(qobject_cast<QLineEdit*>(window->control(kTemperatures)), "20, 59, 90");
        qobject_cast<QComboBox*>(window->control(kLayout))->setCurrentIndex(static_cast<int>(CardLayout::Strip));
        QVERIFY(!window->card().has_value());
        QVERIFY2(window->message().startsWith("The strip card (1.5 x 4 in) holds"), qPrintable(window->message()));
        for (const int id : {kPrint, kPrintPreview, kExport}) QVERIFY(!window->control(id)->isEnabled());
        testing::retype(qobject_cast<QLineEdit*>(window->control(kRanges)), "x");
        QVERIFY(!window->card().has_value());
        QVERIFY(window->message().contains("is not a range list"));

        // A full page holds them; four pocket cards go on a letter sheet.
        testing::retype(qobject_cast<QLineEdit*>(window->control(kRanges)), "100:1000:25");
        qobject_cast<QComboBox*>(window->control(kLayout))->setCurrentIndex(static_cast<int>(CardLayout::Page));
        QVERIFY2(window->card().has_value(), qPrintable(window->message()));
        QVERIFY(window->control(kExport)->isEnabled());
        window->control(kTemperatures)->setProperty("text", QString());
        testing::retype(qobject_cast<QLineEdit*>(window->control(kRanges)), "100:1000:100");
        qobject_cast<QComboBox*>(window->control(kLayout))->setCurrentIndex(static_cast<int>(CardLayout::Pocket));
        qobject_cast<QComboBox*>(window->control(kSheet))->setCurrentIndex(1);
        QVERIFY(window->card().has_value());
        QCOMPARE(window->sheet()->count(), 4);
        window->resize(700, 640);
        QApplication::processEvents();
        window->grab().save(testing::artefactPath("field-card-sheet.png"));

        // Metric: metres, m/s winds (the defaults follow the units) and A-sizes.
        qobject_cast<QComboBox*>(window->control(kUnits))->setCurrentIndex(1);
        QCOMPARE(qobject_cast<QLineEdit*>(window->control(kWinds))->text(), QString("2, 4, 6"));
        QVERIFY(qobject_cast<QComboBox*>(window->control(kLayout))->itemText(2).contains("A4"));
        QVERIFY(cardText(window).contains(QRegularExpression("Wind\\s+in\\s+m/s")));
        QVERIFY(cardText(window).contains(QRegularExpression("\n +m +MOA U")));

        // More columns than a pocket card holds at 7 pt: the last are left out, and the window says which.
        testing::retype(qobject_cast<QLineEdit*>(window->control(kWinds)), "1, 2, 3, 4, 5, 6");
        testing::retype(qobject_cast<QLineEdit*>(window->control(kRanges)), "100:1000:50");
        qobject_cast<QCheckBox*>(window->control(kEnergy))->setChecked(true);
        QVERIFY2(window->card().has_value(), qPrintable(window->message()));
        QVERIFY2(window->message().contains("Left out to keep the type at 7 pt or more: Energy"),
                 qPrintable(window->message()));
        window->close();
    }

    // A shot that keeps a profile's distances (100 m and 200 m) starts from those rows alone,
    // named by their metres, in its units and in the other units once they are chosen.
    void startsFromTheShotsKeptRanges() {
        testing::Harness harness;
        ShotParameters shot = testing::load308();
        shot.cardRanges = {100 / 0.9144, 200 / 0.9144};
        const struct {
            UnitSystem units;
            const char* targets;
            const char* firstRow;
        } cases[] = {
            {UnitSystem::Imperial, "100 m = 109.36133\n200 m = 218.72266", "\n109\\.361 +100 m "},
            {UnitSystem::Metric, "100 m = 100\n200 m = 200", "\n +100 +100 m "},
        };
        for (int i = 0; i < 2; ++i) {
            CFieldCardDlg window(harness.context, shot, cases[i].units, "");
            auto* targets = window.findChild<QPlainTextEdit*>();
            QCOMPARE(targets->toPlainText(), QString(cases[i].targets));
            QCOMPARE(qobject_cast<QLineEdit*>(window.control(kRanges))->text(), QString());
            QVERIFY2(cardText(&window).contains(QRegularExpression(cases[i].firstRow)), qPrintable(cardText(&window)));
            QCOMPARE(cardText(&window).count(QRegularExpression("\n *[0-9.]+ +[0-9]+ m ")), 2);
            qobject_cast<QComboBox*>(window.control(kUnits))->setCurrentIndex(1 - i);
            QCOMPARE(targets->toPlainText(), QString(cases[1 - i].targets));
            QVERIFY2(cardText(&window).contains(QRegularExpression(cases[1 - i].firstRow)),
                     qPrintable(cardText(&window)));
        }
    }

    void exportsThroughTheSafeWriter() {
        testing::Harness harness;
        ShotParameters shot = testing::load308();
        shot.name = ".308 Win 175/SMK";  // offered as the table's Save As offers it: never a hidden file
        CFieldCardDlg window(harness.context, shot, UnitSystem::Imperial, "308.vxf");
        window.show();
        QStringList errors;
        QString answer;
        QStringList offered;
        const TableDialogs saved = tableDialogs();
        tableDialogs().askCardFileName = [&](QWidget*, const QString& initial) {
            offered << initial;
            return answer;
        };
        tableDialogs().showFileError = [&](QWidget*, const QString&, const QString& message) { errors << message; };
        const auto isPdf = [](const QString& path) {
            QFile file(path);
            return file.open(QIODevice::ReadOnly) && file.readAll().startsWith("%PDF");
        };
        answer = harness.path("card.pdf");
        window.onExport();
        QVERIFY(isPdf(harness.path("card.pdf")));
        QVERIFY(QFile::remove(harness.path("card.pdf")));
        answer = harness.path("card");  // no extension: a PDF
        window.onExport();
        QVERIFY(isPdf(harness.path("card.pdf")));
        answer = harness.path("card.svg");
        window.onExport();
        answer = harness.path("missing/card.png");
        window.onExport();
        tableDialogs() = saved;
        QFile svg(harness.path("card.svg"));
        QVERIFY(svg.open(QIODevice::ReadOnly));
        const QByteArray drawing = svg.readAll();
        QVERIFY(drawing.contains("viewBox=\"0 0 216 360\""));
        QVERIFY(drawing.contains("308.vxf"));
        QCOMPARE(errors.size(), 1);
        QVERIFY(errors[0].contains("missing/card.png"));
        QCOMPARE(offered.value(0), QString("308 Win 175-SMK.pdf"));
    }

    void previewDrawsThroughThePrintPath() {
        testing::Harness harness;
        CFieldCardDlg window(harness.context, testing::load308(), UnitSystem::Imperial, "");
        window.show();
        window.onPrintPreview();
        auto* preview = window.findChild<QPrintPreviewDialog*>();
        QVERIFY(preview);
        QTRY_VERIFY(preview->isVisible());
        QTRY_COMPARE(preview->printer()->pageLayout().pageSize().size(QPageSize::Point).toSize(), QSize(216, 360));
        preview->grab().save(testing::artefactPath("field-card-print-preview.png"));
        preview->close();
    }

    void fromATableWindowInItsUnits() {
        testing::Harness harness;
        auto dialog = harness.openMainDialog();
        dialog->shot() = testing::load308();
        dialog->shot().rangeIncrement = 100;
        dialog->shot().incrementCount = 10;
        dialog->updateData(false);
        dialog->onRangeTable();
        auto* table = qobject_cast<TrajectoryWindow*>(dialog->openTableWindows.last().data());
        QVERIFY(table);
        TableView metric = table->viewCommands()->current();
        metric.units = UnitSystem::Metric;
        table->viewCommands()->setView(metric);
        table->findChild<QAction*>("fileFieldCard")->trigger();
        CFieldCardDlg* window = testing::newestShown<CFieldCardDlg>();
        QVERIFY(window);
        QCOMPARE(qobject_cast<QComboBox*>(window->control(kUnits))->currentIndex(), 1);
        QVERIFY(cardText(window).contains(QRegularExpression("Wind\\s+in\\s+m/s")));
        window->close();
    }
};

QTEST_MAIN(FieldCardWindowTest)
#include "FieldCardWindowTest.moc"
