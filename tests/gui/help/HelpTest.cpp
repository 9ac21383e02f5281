// Help ids, the hidden window's pop-up help and the help contents.

#include <QAbstractButton>
#include <QCursor>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include "app/CAboutDlg.h"
#include "app/CHiddenWindow.h"
#include "tests/gui/GuiHarness.h"
#include "ui/common/ContextHelp.h"
#include "ui/common/ControlIds.h"
#include "ui/common/SideWindow.h"
#include "ui/help/HelpBrowser.h"

using namespace vorlan;
using namespace vorlan::testing;

class TestHelp : public QObject {
    Q_OBJECT
private slots:
    void helpIdRules();
    void lookupUnderPointer();
    void f1ShowsControlPopup();
    void aboutBoxHasNoHelp();
    void hiddenWindowRefusesClose();
    void everyMainControlHasAText();
    void sideFieldsShowTheirCaptionAndHelp();
    void contentsAndTopics();
};

void TestHelp::helpIdRules() {
    QCOMPARE(controlHelpId(MainDialogIds::kTemplate, MainDialogIds::kNameEdit), 2154169320u);
    QCOMPARE(controlHelpId(ComparisonIds::kTemplate, ComparisonIds::kTargetRangeEdit),
             2154169332u);  // borrows the main dialog's target range
    QCOMPARE(controlHelpId(ComparisonIds::kTemplate, ComparisonIds::kRelativeDropEdit),
             2147483648u + 65536u * 140u + 1019u);
    QCOMPARE(dialogHelpId(MainDialogIds::kTemplate), 131174u);
    for (int t : {MainDialogIds::kTemplate, ComputeBcIds::kTemplate, MaximumRangeIds::kTemplate, OpbzIds::kTemplate,
                  ComparisonIds::kTemplate, EvwIds::kTemplate, AdvancedIds::kTemplate, FieldCardIds::kTemplate,
                  TruingIds::kTemplate, HitProbabilityIds::kTemplate, SightPictureIds::kTemplate})
        QVERIFY2(isDialogWithPopupHelp(dialogHelpId(t)) && hasPopupHelpText(dialogHelpId(t)),
                 qPrintable(QString::number(t)));
    QVERIFY(!isDialogWithPopupHelp(dialogHelpId(AboutIds::kTemplate)));
    QVERIFY(!isDialogWithPopupHelp(dialogHelpId(ColorChooserIds::kTemplate)));
}

void TestHelp::lookupUnderPointer() {
    Harness h;
    auto dlg = h.openMainDialog();
    QLineEdit* velocity = dlg->edit(MainDialogIds::kVelocityEdit);
    const QPoint overEdit = velocity->mapToGlobal(velocity->rect().center());
    QCOMPARE(helpIdInWindow(dlg.get(), overEdit, 131174),
             std::optional<quint32>(controlHelpId(MainDialogIds::kTemplate, MainDialogIds::kVelocityEdit)));
    const QPoint background = dlg->mapToGlobal(QPoint(3, 3));
    QCOMPARE(helpIdInWindow(dlg.get(), background, 131174), std::optional<quint32>(131174u));
    QCOMPARE(helpIdInWindow(dlg.get(), overEdit, dialogHelpId(AboutIds::kTemplate)), std::nullopt);
}

void TestHelp::f1ShowsControlPopup() {
    Harness h;
    CHiddenWindow hidden;
    h.context.help = &hidden;
    auto dlg = h.openMainDialog();
    QLineEdit* caliber = dlg->edit(MainDialogIds::kCaliberEdit);
    QCursor::setPos(caliber->mapToGlobal(caliber->rect().center()));
    QTest::keyClick(caliber, Qt::Key_F1);
    QCOMPARE(hidden.lastPopupHelpId(), controlHelpId(MainDialogIds::kTemplate, MainDialogIds::kCaliberEdit));
    h.context.help = nullptr;
}

void TestHelp::aboutBoxHasNoHelp() {
    Harness h;
    CHiddenWindow hidden;
    h.context.help = &hidden;
    CAboutDlg about(h.context);
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    QCursor::setPos(about.mapToGlobal(about.rect().center()));
    QTest::keyClick(&about, Qt::Key_F1);
    QCOMPARE(hidden.lastPopupHelpId(), 0u);
    h.context.help = nullptr;
}

void TestHelp::hiddenWindowRefusesClose() {
    CHiddenWindow hidden;
    QVERIFY(!hidden.close());
    QVERIFY(!hidden.isVisible());
    QCOMPARE(hidden.windowTitle(), QString("Vorlan"));
}

void TestHelp::everyMainControlHasAText() {
    Harness h;
    auto dlg = h.openMainDialog();
    for (QWidget* w : dlg->findChildren<QWidget*>()) {
        const int id = ThemedDialog::controlIdOf(w);
        if (id < 0) continue;
        QVERIFY2(hasPopupHelpText(controlHelpId(MainDialogIds::kTemplate, id)), qPrintable(QString::number(id)));
    }
    QVERIFY(hasPopupHelpText(dialogHelpId(MainDialogIds::kTemplate)));
}

// Each side window's number fields: the caption of the field table beside the edit, its help
// behind the edit's help id.
void TestHelp::sideFieldsShowTheirCaptionAndHelp() {
    Harness h;
    auto dlg = h.openMainDialog();
    using namespace MainDialogIds;
    for (int button : {kComputeBcButton, kOpbzButton, kCalculationsButton, kAdvancedButton}) {
        dlg->controlAs<QAbstractButton>(button)->click();
        auto* window = qobject_cast<SideWindow*>(h.context.openDialogs.oldestToNewest().last());
        QVERIFY2(window, qPrintable(QString::number(button)));
        QStringList captions;
        for (const QLabel* label : window->findChildren<QLabel*>()) captions << label->text();
        int described = 0;
        for (const SideNumberField& f : window->numberFields()) {
            const QString caption = QString::fromStdString(f.caption());
            if (!caption.isEmpty()) QVERIFY2(captions.contains(caption), qPrintable(caption));
            if (!f.help) continue;
            QCOMPARE(popupHelpText(controlHelpId(window->templateId(), f.controlId)), QString::fromUtf8(f.help));
            ++described;
        }
        QVERIFY(described > 0);
        window->close();
    }
}

void TestHelp::contentsAndTopics() {
    Harness h;
    CHiddenWindow hidden;
    h.context.help = &hidden;
    auto dlg = h.openMainDialog();
    dlg->onHelp();
    QVERIFY(hidden.helpBrowser());
    QCOMPARE(hidden.helpBrowser()->currentPage(), QString("index.html"));
    QFile contents(":/help/index.html");
    QVERIFY(contents.open(QIODevice::ReadOnly));
    const QByteArray index = contents.readAll();
    for (const char* topic : {"main-dialog.html", "dialog-color.html", "compute-bc.html", "maximum-range.html",
                              "opbz.html", "shot-comparison.html", "calculations.html"}) {
        QVERIFY2(index.contains(topic), topic);
        QVERIFY2(QFile::exists(QString(":/help/") + topic), topic);
    }
    hidden.winHelp(0, HelpCommand::Quit);
    QTRY_VERIFY(!hidden.helpBrowser());
    h.context.help = nullptr;
}

QTEST_MAIN(TestHelp)
#include "HelpTest.moc"
