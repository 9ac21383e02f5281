// "From Chronograph": the shots with their boxes, the statistics of those kept, and the Hit
// Probability window's velocity spread (and, when asked, the shot's velocity) set from them.

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <fstream>

#include "tests/gui/GuiHarness.h"
#include "ui/advanced/CHitProbabilityDlg.h"
#include "ui/chronograph/ChronographDialog.h"

namespace vorlan::testing {

class ChronographDialogTest : public QObject {
    Q_OBJECT
private slots:
    void leavingShotsOutRecomputes();
    void hitProbabilityTakesTheStatistics();
    void unreadableSessionIsTold();
};

namespace {

const char* const kSession =
    "#,SPEED (FPS),KE (FT-LB)\n1,\"1,369.8\",1\n2,\"1,372.4\",1\n3,\"1,368.1\",1\n"
    "4,\"1,375.0\",1\n5,\"1,370.2\",1\n";

QString written(const Harness& harness, const char* name, const char* text) {
    std::ofstream(harness.path(QString::fromLatin1(name)).toStdString()) << text;
    return harness.path(QString::fromLatin1(name));
}

}  // namespace

// All five: 1371.1, SD sqrt(28.4 / 4) = 2.7, spread 6.9; without shot 4 (1375.0): 1370.125,
// sqrt(9.3875 / 3) = 1.76894, 4.3; under two shots there is no SD and OK is off.
void ChronographDialogTest::leavingShotsOutRecomputes() {
    ChronographDialog dialog(parseChronoSession(kSession), false);
    QCOMPARE(dialog.shotTable()->rowCount(), 5);
    QVERIFY(dialog.statisticsText().contains(QStringLiteral("Mean: 1371.1 ft/s\nSD: 2.7 ft/s\nExtreme spread: 6.9")));
    dialog.setShotKept(3, false);
    QCOMPARE(dialog.stats()->count, 4);
    QVERIFY(std::abs(dialog.stats()->mean - 1370.125) < 1e-9);
    QVERIFY(std::abs(dialog.stats()->sd - 1.768945) < 1e-6);
    QVERIFY(std::abs(dialog.stats()->spread - 4.3) < 1e-9);
    QVERIFY(dialog.statisticsText().contains(QStringLiteral("SD: 1.8 ft/s")));
    for (int row : {0, 1, 2}) dialog.setShotKept(row, false);
    QVERIFY(!dialog.stats());
    QVERIFY(!dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->isEnabled());
    // A mean no shot can fly (6000 ft/s) is told, and OK stays off.
    ChronographDialog fast(parseChronoSession("6000\n6010\n"), true);
    QVERIFY(fast.stats());
    QVERIFY(!fast.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->isEnabled());
}

// The window's button asks for the file, the dialog's OK with its box checked sets the spread
// to 2.7 ft/s and the velocity to 1371.1 ft/s, in the window's shot and its opener's.
void ChronographDialogTest::hitProbabilityTakesTheStatistics() {
    Harness harness;
    harness.fileAnswers << written(harness, "session.csv", kSession);
    ShotParameters shot;
    shot.velocity = 2700;
    shot.ballisticCoefficient = 0.45;
    shot.weight = 150;
    double kept = 0.0;
    CHitProbabilityDlg window(harness.context, shot, [](const HitInputs&) {});
    window.setVelocityKeeper([&](double velocity) { kept = velocity; });
    window.show();
    QTimer::singleShot(0, [] {
        auto* dialog = newestShown<ChronographDialog>();
        QVERIFY(dialog);
        dialog->findChild<QCheckBox*>()->setChecked(true);
        dialog->accept();
    });
    QPushButton* button = nullptr;
    for (QPushButton* b : window.findChildren<QPushButton*>())
        if (b->text().remove(QLatin1Char('&')).contains(QStringLiteral("Chronograph"))) button = b;
    QVERIFY(button);
    button->click();
    QCOMPARE(harness.fileRequests.size(), 1);
    QVERIFY(window.inputs());
    QCOMPARE(window.inputs()->spreads.velocitySd, 2.7);
    QCOMPARE(kept, 1371.1);
    QCOMPARE(window.shot().velocity, 1371.1);
    window.close();
}

// A session without an SD or with a unit not known is told, and nothing is set.
void ChronographDialogTest::unreadableSessionIsTold() {
    Harness harness;
    QStringList failures;
    harness.context.showFailure = [&](QWidget*, const QString&, const QString& message) { failures << message; };
    harness.fileAnswers << written(harness, "one.csv", "2700\n") << written(harness, "kph.csv", "#,SPEED (KPH)\n1,9\n");
    QVERIFY(!chooseFromChronograph(harness.context, nullptr, true));
    QVERIFY(!chooseFromChronograph(harness.context, nullptr, true));
    QCOMPARE(failures.size(), 2);
    QVERIFY(failures[0].contains(QStringLiteral("fewer than two shots")));
    QVERIFY(failures[1].contains(QStringLiteral("\"KPH\" is not known")));
}

}  // namespace vorlan::testing

QTEST_MAIN(vorlan::testing::ChronographDialogTest)
#include "ChronographDialogTest.moc"
