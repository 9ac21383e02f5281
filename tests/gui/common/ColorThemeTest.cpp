// The dialog colour: the chooser recolouring open windows, Save and Revert, the coloured
// button, the message box and the About box.

#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>
#include <QTest>
#include <QTimer>

#include "app/CAboutDlg.h"
#include "tests/gui/GuiHarness.h"
#include "ui/common/CColorBtn.h"
#include "ui/common/CColorDlg.h"
#include "ui/common/CColorMsgBox.h"
#include "ui/common/ControlIds.h"

using namespace vorlan;
using namespace vorlan::testing;
using namespace vorlan::MainDialogIds;

class TestColorTheme : public QObject {
    Q_OBJECT
private slots:
    void chooserStartsFromCurrentColour();
    void slidingRecoloursOpenWindows();
    void closingRevertsUnlessSaved();
    void bitmapWhiteShowsDialogColour();
    void messageBoxGeometry_data();
    void messageBoxGeometry();
    void exchangeShowsRealMessageBox();
    void aboutKeepsColourOfItsOpening();
};

void TestColorTheme::chooserStartsFromCurrentColour() {
    Harness h;
    CColorDlg chooser(h.context);
    chooser.show();
    QCOMPARE(chooser.windowTitle(), QString("Dialog Color"));
    QCOMPARE(chooser.valueText(0)->text(), QString("195"));
    QCOMPARE(chooser.valueText(1)->text(), QString("190"));
    QCOMPARE(chooser.valueText(2)->text(), QString("228"));
    QVERIFY(h.context.openDialogs.contains(&chooser));
    chooser.close();
    QVERIFY(!h.context.openDialogs.contains(&chooser));
}

void TestColorTheme::slidingRecoloursOpenWindows() {
    Harness h;
    auto dlg = h.openMainDialog();
    ThemedDialog side(h.context, MaximumRangeIds::kTemplate);
    side.show();
    CColorDlg chooser(h.context, dlg.get());
    chooser.show();
    chooser.slider(0)->setValue(5);
    const QColor expected(5, 190, 228);
    QCOMPARE(h.context.dialogColor, expected);
    QCOMPARE(chooser.valueText(0)->text(), QString("  5"));
    QCOMPARE(dlg->palette().color(QPalette::Window), expected);
    QCOMPARE(side.palette().color(QPalette::Window), expected);
    QCOMPARE(dlg->edit(kAirDensityEdit)->palette().color(QPalette::Base), expected);  // read-only result
    QCOMPARE(dlg->edit(kVelocityEdit)->palette().color(QPalette::Base), QApplication::palette().color(QPalette::Base));
    QCOMPARE(dlg->controlAs<CColorBtn>(kRangeTableButton)->fillColor(), expected);
}

void TestColorTheme::closingRevertsUnlessSaved() {
    Harness h;
    auto dlg = h.openMainDialog();
    {
        CColorDlg chooser(h.context, dlg.get());
        chooser.show();
        chooser.slider(2)->setValue(10);
        chooser.close();
    }
    QCOMPARE(h.context.dialogColor, QColor(195, 190, 228));
    QCOMPARE(dlg->palette().color(QPalette::Window), QColor(195, 190, 228));
    {
        CColorDlg chooser(h.context, dlg.get());
        chooser.show();
        chooser.slider(0)->setValue(5);
        chooser.onSave();
        chooser.slider(1)->setValue(6);
        chooser.onRevert();
        QCOMPARE(chooser.valueText(1)->text(), QString("190"));
        QTest::keyClick(&chooser, Qt::Key_Escape);
    }
    QCOMPARE(h.context.dialogColor, QColor(5, 190, 228));
    QVERIFY(dlg->close());
    QFile settings(h.path("Vorlan2.ini"));
    QVERIFY(settings.open(QIODevice::ReadOnly));
    QVERIFY(settings.readAll().contains("Dialog Color:005,190,228\r\r\n"));
}

void TestColorTheme::bitmapWhiteShowsDialogColour() {
    Harness h;
    h.context.dialogColor = QColor(10, 120, 30);
    auto dlg = h.openMainDialog();
    auto* help = dlg->controlAs<CColorBtn>(kContextHelpButton);
    QVERIFY(help->hasBitmap());
    QCOMPARE(help->margin(), 2);
    const QImage picture = help->grab().toImage();
    picture.save(artefactPath("help-button.png"));
    // Frame 2, margin 2: the bitmap's white top-left corner lies at (5, 5).
    QCOMPARE(picture.pixelColor(5, 5), QColor(10, 120, 30));
    QVERIFY(dlg->grab().save(artefactPath("main-dialog-green.png")));
}

void TestColorTheme::messageBoxGeometry_data() {
    QTest::addColumn<int>("length");
    QTest::newRow("40 characters") << 40;
    QTest::newRow("22 characters") << 22;
}

void TestColorTheme::messageBoxGeometry() {
    QFETCH(int, length);
    Harness h;
    QWidget owner;
    owner.setGeometry(200, 150, 600, 400);
    owner.show();
    const QString message(length, u'x');
    CColorMsgBox box(h.context, message, &owner);
    // 6 pixels a character and 28, unless the title would then be cut: the frame's buttons
    // take about 100 pixels beside the caption.
    const int titleRoom = box.fontMetrics().horizontalAdvance(box.windowTitle()) + 100;
    if (6 * length + 28 >= titleRoom + 20)
        QCOMPARE(box.width(), 6 * length + 28);
    else
        QVERIFY2(box.width() >= titleRoom, qPrintable(QString::number(box.width())));
    const int okWidth = box.okButton()->width();
    QCOMPARE(box.okButton()->x(), box.width() / 2 - okWidth / 2);
    QCOMPARE(box.windowTitle(), QString("Invalid Entry"));
    QVERIFY(!h.context.openDialogs.contains(&box));
    const QPoint centre = box.geometry().center();
    QVERIFY(qAbs(centre.x() - owner.geometry().center().x()) <= 1);
}

void TestColorTheme::exchangeShowsRealMessageBox() {
    AppContext context;  // the real message box
    CVorlan2Dlg dlg(context);
    dlg.show();
    dlg.edit(kVelocityEdit)->setText("");
    QString seen;
    int width = 0;
    QTimer::singleShot(0, this, [&] {
        auto* box = qobject_cast<CColorMsgBox*>(QApplication::activeModalWidget());
        if (!box) return;
        seen = box->message();
        width = box->width();
        box->grab().save(artefactPath("message-box.png"));
        QTest::mouseClick(box->okButton(), Qt::LeftButton);
    });
    QVERIFY(!dlg.updateData());
    QCOMPARE(seen, QString("Please enter a number."));
    // Wider than 6 x 22 + 28 pixels: the title "Invalid Entry" is not cut.
    QVERIFY2(width >= QFontMetrics(QApplication::font()).horizontalAdvance("Invalid Entry") + 100,
             qPrintable(QString::number(width)));
    context.settingsPath.clear();
    dlg.edit(kVelocityEdit)->setText("800");
}

void TestColorTheme::aboutKeepsColourOfItsOpening() {
    Harness h;
    h.context.dialogColor = QColor(90, 100, 110);
    CAboutDlg about(h.context);
    about.show();
    QCOMPARE(about.palette().color(QPalette::Window), QColor(90, 100, 110));
    QVERIFY(!h.context.openDialogs.contains(&about));
    h.context.dialogColor = QColor(1, 2, 3);
    h.context.refreshAllWindows();
    QCOMPARE(about.palette().color(QPalette::Window), QColor(90, 100, 110));
    QVERIFY(about.grab().save(artefactPath("about.png")));
}

QTEST_MAIN(TestColorTheme)
#include "ColorThemeTest.moc"
