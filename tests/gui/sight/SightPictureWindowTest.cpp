// The Sight Picture window: opened from a table window's View menu in the table's units and
// from the Field Card and Hit Probability windows; following its inputs, refusing what it
// cannot read, and taking a shooter's own reticle file.

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QWhatsThis>
#include <cmath>

#include "app/CHiddenWindow.h"
#include "reports/sight/SightPainter.h"
#include "reports/table/TableDialogs.h"
#include "reports/table/TableViewCommands.h"
#include "reports/table/TrajectoryWindow.h"
#include "shot/SafeFile.h"
#include "tests/gui/GuiHarness.h"
#include "tests/support/CalcTestLoads.h"
#include "ui/advanced/CHitProbabilityDlg.h"
#include "ui/card/CFieldCardDlg.h"
#include "ui/common/ContextHelp.h"
#include "ui/common/ControlIds.h"
#include "ui/sight/CSightPictureDlg.h"

using namespace vorlan;
using namespace vorlan::SightPictureIds;

class SightPictureWindowTest : public QObject {
    Q_OBJECT

private slots:
    // The hunter's case: the mil grid at 10x on a scope true at 12x, 300 to 500 m, 2.8 m/s.
    void fromATableWindowInItsUnits() {
        testing::Harness harness;
        auto dialog = harness.openMainDialog();
        dialog->shot() = testing::load308();
        dialog->shot().targetRange = 400;
        dialog->updateData(false);
        dialog->onRangeTable();
        auto* table = qobject_cast<TrajectoryWindow*>(dialog->openTableWindows.last().data());
        QVERIFY(table);
        TableView metric = table->viewCommands()->current();
        metric.units = UnitSystem::Metric;
        table->viewCommands()->setView(metric);
        table->findChild<QAction*>("viewSightPicture")->trigger();
        auto* window = testing::newestShown<CSightPictureDlg>();
        QVERIFY(window);
        auto* reticle = window->controlAs<QComboBox>(kReticle);
        reticle->setCurrentIndex(reticle->findText("Mil grid"));
        testing::retype(window->controlAs<QLineEdit>(kTrueAt), "12");
        testing::retype(window->controlAs<QLineEdit>(kRanges), "300, 400, 500");
        testing::retype(window->controlAs<QLineEdit>(kWinds), "2.8");
        QVERIFY2(window->picture().has_value(), qPrintable(window->message()));
        const SightPicture& picture = *window->picture();
        QCOMPARE(picture.scale, 1.2);
        QCOMPARE(picture.points.size(), std::size_t{4});
        QCOMPARE(picture.rangeUnit, std::string("m"));
        QCOMPARE(picture.points.front().label, std::string("365.8"));  // the shot's 400 yd, as the words say it
        const QString words = window->controlAs<QPlainTextEdit>(kWords)->toPlainText();
        QVERIFY2(words.contains("\n400 m, 2.8 m/s wind: hold "), qPrintable(words));

        // Every reticle, for people to look at.
        for (int i = 0; i < reticle->count(); ++i) {
            reticle->setCurrentIndex(i);
            QVERIFY(window->picture().has_value());
            QApplication::processEvents();
            window->grab().save(testing::artefactPath(QString("sight-picture-%1.png").arg(i)));
        }

        testing::retype(window->controlAs<QLineEdit>(kMagnification), "0.5");
        QVERIFY(!window->picture());
        QCOMPARE(window->message(), QString("A magnification must be from 1 to 100."));
        QVERIFY(!window->controlAs<QPushButton>(kExport)->isEnabled());
        window->close();
    }

    // With km/h the speed unit, the winds are typed and told in it: the holds are those of the
    // same winds typed in m/s (10 km/h is 10/3.6 m/s), and a change of the unit re-shows them.
    void windsInTheChosenUnitOfSpeed() {
        testing::Harness harness;
        ShotParameters shot = testing::load308();
        shot.targetRange = 400;
        const auto holds = [&](const char* winds) {
            CSightPictureDlg window(harness.context, shot, UnitSystem::Metric);
            testing::retype(window.controlAs<QLineEdit>(kRanges), "300, 500");
            testing::retype(window.controlAs<QLineEdit>(kWinds), winds);
            std::vector<std::pair<double, double>> points;
            if (window.picture())
                for (const AimPoint& p : window.picture()->points) points.emplace_back(p.up, p.right);
            return points;
        };
        const std::vector<std::pair<double, double>> inMetresPerSecond = holds("2.7777777777777777");
        UnitChoice kmh;
        QVERIFY(kmh.set(Quantity::Speed, Unit::Kmh));
        harness.context.units.setChoice(kmh);
        CSightPictureDlg window(harness.context, shot, UnitSystem::Metric);
        testing::retype(window.controlAs<QLineEdit>(kRanges), "300, 500");
        testing::retype(window.controlAs<QLineEdit>(kWinds), "10");
        QVERIFY2(window.picture().has_value(), qPrintable(window.message()));
        const SightPicture& picture = *window.picture();
        QCOMPARE(picture.windUnit, std::string("km/h"));
        QCOMPARE(picture.points.size(), inMetresPerSecond.size());
        for (std::size_t i = 0; i < picture.points.size(); ++i) {
            QVERIFY(std::fabs(picture.points[i].up - inMetresPerSecond[i].first) < 1e-9);
            QVERIFY(std::fabs(picture.points[i].right - inMetresPerSecond[i].second) < 1e-9);
            if (i > 0) QCOMPARE(picture.points[i].wind, std::optional<double>(10.0));
        }
        const QString words = window.controlAs<QPlainTextEdit>(kWords)->toPlainText();
        QVERIFY2(words.contains("\n500 m, 10 km/h wind: hold "), qPrintable(words));
        QStringList labels;
        for (const QLabel* label : window.findChildren<QLabel*>()) labels << label->text();
        QVERIFY(labels.contains("&Winds (km/h)"));
        QCOMPARE(window.controlAs<QLineEdit>(kWinds)->placeholderText(), QString("e.g. 10, 20 (km/h)"));

        harness.context.units.setChoice(UnitChoice());
        QCOMPARE(window.controlAs<QLineEdit>(kWinds)->text(), QString("2.77778"));
        labels.clear();
        for (const QLabel* label : window.findChildren<QLabel*>()) labels << label->text();
        QVERIFY(labels.contains("&Winds (m/s)"));
        QCOMPARE(window.controlAs<QLineEdit>(kWinds)->placeholderText(), QString("e.g. 2, 4 (m/s)"));
    }

    void fromTheCardAndHitWindows() {
        testing::Harness harness;
        auto dialog = harness.openMainDialog();
        dialog->shot() = testing::load308();
        dialog->updateData(false);
        for (const auto& [button, sight] :
             {std::pair(MainDialogIds::kFieldCardButton, FieldCardIds::kSightPicture),
              std::pair(MainDialogIds::kHitProbabilityButton, HitProbabilityIds::kSightPicture)}) {
            QTest::mouseClick(qobject_cast<QPushButton*>(dialog->control(button)), Qt::LeftButton);
            QWidget* opened = QApplication::activeModalWidget();
            for (QWidget* w : QApplication::topLevelWidgets())
                if (w->isVisible() && (qobject_cast<CFieldCardDlg*>(w) || qobject_cast<CHitProbabilityDlg*>(w)))
                    opened = w;
            QVERIFY(opened);
            static_cast<ThemedDialog*>(opened)->controlAs<QPushButton>(sight)->click();
            auto* window = testing::newestShown<CSightPictureDlg>();
            QVERIFY(window);
            QVERIFY2(window->picture().has_value(), qPrintable(window->message()));
            window->close();
            opened->close();
        }
    }

    // F1 shows the text of the control under the pointer, the window's own on its background.
    void f1NamesTheControlUnderThePointer() {
        testing::Harness harness;
        CHiddenWindow hidden;
        harness.context.help = &hidden;
        CSightPictureDlg window(harness.context, testing::load308(), UnitSystem::Imperial);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        for (const int id : {kReticle, kReticleFile, kMagnification, kTrueAt, kHoldMode, kRanges, kWinds, kPreview,
                             kWords, kPrint, kPrintPreview, kExport, kClose}) {
            QWidget* control = window.control(id);
            QVERIFY(control);
            QCursor::setPos(control->mapToGlobal(control->rect().center()));
            QTest::keyClick(&window, Qt::Key_F1);
            QCOMPARE(hidden.lastPopupHelpId(), controlHelpId(kTemplate, id));
            QVERIFY2(hasPopupHelpText(hidden.lastPopupHelpId()), qPrintable(QString::number(id)));
            QWhatsThis::hideText();
        }
        QCursor::setPos(window.mapToGlobal(QPoint(2, window.height() - 2)));
        QTest::keyClick(&window, Qt::Key_F1);
        QCOMPARE(hidden.lastPopupHelpId(), dialogHelpId(kTemplate));
        QVERIFY(hasPopupHelpText(dialogHelpId(kTemplate)));
        harness.context.help = nullptr;
    }

    // A label goes right of its point, else left of it, else a line lower, then higher: never
    // over a dot or a label placed before (points close together at a low hold), nor out of
    // the picture.
    void labelsKeepClearOfEachOther() {
        const QRectF right(110, 90, 30, 12), left(60, 90, 30, 12);  // the point at x 100
        const QRectF dot(96, 92, 8, 8);
        const struct {
            std::vector<QRectF> taken;
            QRectF placed;
        } cases[] = {
            {{dot}, right},
            {{dot, right}, left},
            {{dot, right, left, QRectF(50, 102, 100, 12)}, right.translated(0, -12)},
            {{dot, QRectF(50, 60, 100, 72)}, right.translated(0, 48)},
            {{dot, right, left}, right.translated(0, 12)},
        };
        for (const auto& c : cases) {
            QCOMPARE(placeLabel(right, 100, c.taken, QRectF(0, 0, 200, 200)), c.placed);
            for (const QRectF& t : c.taken) QVERIFY(!t.intersects(c.placed));
        }
        // Nothing goes out of the picture: a label that would run off its right goes left.
        QCOMPARE(placeLabel(right, 100, {dot}, QRectF(0, 0, 130, 200)), left);
    }

    // The picture in pixels against its closed form: the scope's circle 0.4 of the side about
    // the centre, each point where its x and y say at (radius / field) pixels a unit, a wind's
    // dots filled with one colour a wind, the shot's ring hollow, the hold mode said at the foot.
    void thePixelsAreWhereTheNumbersSay() {
        ShotParameters shot = testing::load308();
        shot.targetRange = 450;
        shot.crosswind = 7;
        SightRequest request;
        request.reticle = *reticleNamed("mil-dot").reticle;
        request.ranges = {300, 500};
        request.winds = {5, 10};
        request.mode = HoldMode::HoldAll;
        const SightPicture picture = sightPicture(shot, request);
        QImage image(800, 800, QImage::Format_RGB32);
        image.fill(Qt::white);
        {
            QPainter painter(&image);
            paintSightPicture(painter, picture, QRectF(0, 0, 800, 800));
        }
        const auto pixel = [&](double x, double y) { return image.pixelColor(qRound(x), qRound(y)); };
        const auto grey = [](const QColor& c) {
            return std::max({c.red(), c.green(), c.blue()}) - std::min({c.red(), c.green(), c.blue()}) < 20;
        };
        const double radius = 320, perUnit = radius / picture.reticle.field, diagonal = radius / std::sqrt(2.0);
        for (const auto& [dx, dy] : {std::pair(1, -1), std::pair(-1, -1), std::pair(1, 1), std::pair(-1, 1)}) {
            const QColor ring = pixel(400 + dx * diagonal, 400 + dy * diagonal);
            QVERIFY2(grey(ring) && ring.value() < 110, qPrintable(ring.name()));
            QCOMPARE(pixel(400 + dx * (diagonal - 12), 400 + dy * (diagonal - 12)), QColor(Qt::white));
        }
        std::map<double, QColor> windColours;
        QCOMPARE(picture.points.size(), std::size_t{5});
        for (const AimPoint& p : picture.points) {
            const QColor at = pixel(400 + p.x * perUnit, 400 - p.y * perUnit);
            if (!p.wind) {
                QVERIFY2(at.red() < 150 || at.green() > 100, qPrintable(at.name()));  // hollow
                continue;
            }
            QVERIFY2(!grey(at), qPrintable(at.name()));
            const auto [known, added] = windColours.emplace(*p.wind, at);
            QCOMPARE(known->second, at);
        }
        QCOMPARE(windColours.size(), std::size_t{2});
        QVERIFY(windColours[5] != windColours[10]);
        // Each range's label in its point's colour, within a few of its letters of the point.
        const auto near = [](const QColor& a, const QColor& b) {
            return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) + std::abs(a.blue() - b.blue()) < 60;
        };
        for (const AimPoint& p : picture.points) {
            if (p.wind && *p.wind != 5) continue;
            const QPointF at(400 + p.x * perUnit, 400 - p.y * perUnit);
            const QColor colour = p.wind ? windColours[5] : pixel(at.x() + 1.6 * 6.4, at.y());
            int inked = 0;
            for (int y = -50; y <= 50; ++y)
                for (int x = -80; x <= 80; ++x) {
                    bool onDot = false;
                    for (const AimPoint& q : picture.points)
                        onDot |= std::hypot(at.x() + x - 400 - q.x * perUnit, at.y() + y - 400 + q.y * perUnit) < 12;
                    inked += !onDot && near(pixel(at.x() + x, at.y() + y), colour);
                }
            QVERIFY2(inked > 20, qPrintable(QString::fromStdString(p.label) + ": " + QString::number(inked)));
        }
        int dark = 0;  // "Hold everything" at the foot's left
        for (int y = 730; y < 762; ++y)
            for (int x = 16; x < 400; ++x) dark += image.pixelColor(x, y).value() < 100;
        QVERIFY2(dark > 50, qPrintable(QString::number(dark)));
    }

    void printsOneSquarePage() {
        testing::Harness harness;
        CSightPictureDlg window(harness.context, testing::load308(), UnitSystem::Imperial);
        window.show();
        window.onPrintPreview();
        auto* preview = window.findChild<QPrintPreviewDialog*>();
        QVERIFY(preview);
        QTRY_COMPARE(preview->printer()->pageLayout().pageSize().size(QPageSize::Point).toSize(), QSize(432, 432));
        preview->close();
    }

    // The ladder beside a pocket card's table, on screen and in its file.
    void theCardTakesTheLadder() {
        testing::Harness harness;
        CFieldCardDlg window(harness.context, testing::load308(), UnitSystem::Metric, "");
        window.show();
        QVERIFY(!window.picture());
        auto* ladder = window.controlAs<QComboBox>(FieldCardIds::kSightLadder);
        ladder->setCurrentIndex(ladder->findText("Mil grid"));
        window.controlAs<QLineEdit>(FieldCardIds::kRanges)->setText("300:500:100");
        QVERIFY2(window.card().has_value(), qPrintable(window.message()));
        QVERIFY(window.picture());
        QVERIFY(window.card()->pictureWidth > 0);
        QApplication::processEvents();
        window.grab().save(testing::artefactPath("field-card-sight-ladder.png"));
        const QString file = testing::artefactPath("field-card-sight-ladder-export.png");
        tableDialogs().askCardFileName = [&](QWidget*, const QString&) { return file; };
        window.onExport();
        std::string bytes;
        QVERIFY(readRegularFile(file.toStdString(), bytes));
        QCOMPARE(bytes.substr(1, 3), std::string("PNG"));
        ladder->setCurrentIndex(0);
        QVERIFY(window.card().has_value() && !window.picture() && window.card()->pictureWidth == 0);
    }

    void aReticleFileIsReadOrRefusedWithItsLine() {
        testing::Harness harness;
        CSightPictureDlg window(harness.context, testing::load308(), UnitSystem::Imperial);
        QTemporaryDir dir;
        const QString good = dir.filePath("own.vrt"), bad = dir.filePath("bad.vrt");
        QVERIFY(writeFileAtomically(good.toStdString(), "name Own\nunit moa\nplane first\nline -4 0 4 0\n"));
        QVERIFY(writeFileAtomically(bad.toStdString(), "name Bad\nunit moa\nplane first\nline -4 0 4\n"));
        QVERIFY(!window.addReticleFile(bad));
        QVERIFY2(window.message().endsWith("bad.vrt', line 4: 'line' takes 4 numbers and an optional size"),
                 qPrintable(window.message()));
        QVERIFY(window.addReticleFile(good));
        QCOMPARE(window.controlAs<QComboBox>(kReticle)->currentText(), QString("Own"));
        QVERIFY(window.picture().has_value());
        QCOMPARE(window.picture()->reticle.unit, AngleUnit::Moa);

        // Export: a name without a picture's extension becomes a PDF.
        harness.fileAnswers << dir.filePath("picture");
        window.onExport();
        std::string bytes;
        QVERIFY(readRegularFile(dir.filePath("picture.pdf").toStdString(), bytes));
        QCOMPARE(bytes.substr(0, 5), std::string("%PDF-"));
    }
};

QTEST_MAIN(SightPictureWindowTest)
#include "SightPictureWindowTest.moc"
