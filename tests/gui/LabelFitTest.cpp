// Every window in every language the program carries: each label, check box, radio button,
// push button, group box title and tab text must fit the width its window gives it at its
// default size. A failure names the language, the window, the widget and the text.

#include <QAbstractButton>
#include <QCheckBox>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMap>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>
#include <QTabWidget>
#include <QTest>
#include <QTextDocument>

#include "app/CAboutDlg.h"
#include "app/CHiddenWindow.h"
#include "reports/common/Language.h"
#include "reports/table/CsvExportDialog.h"
#include "reports/table/TrajectoryWindow.h"
#include "tests/gui/GuiHarness.h"
#include "ui/advanced/CHitProbabilityDlg.h"
#include "ui/chronograph/ChronographDialog.h"
#include "ui/common/CColorDlg.h"
#include "ui/common/ControlIds.h"
#include "ui/library/LoadNamingDlg.h"

using namespace vorlan;
using namespace vorlan::testing;
using namespace vorlan::MainDialogIds;

namespace {

// What a widget shows, as one line per line of text, its mnemonic marks taken out.
QStringList shownLines(QString text) {
    if (Qt::mightBeRichText(text)) {
        QTextDocument document;
        document.setHtml(text);
        text = document.toPlainText();
    }
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01")).remove(u'&').replace(u'\x01', u'&');
    return text.split(u'\n');
}

int widest(const QFontMetrics& metrics, const QStringList& lines) {
    int width = 0;
    for (const QString& line : lines) width = std::max(width, metrics.horizontalAdvance(line));
    return width;
}

// The room a label's text has, and whether the text takes more.
bool labelCut(const QLabel& label) {
    if (label.text().isEmpty()) return false;
    const int room = label.contentsRect().width() - 2 * label.margin() - std::max(label.indent(), 0);
    if (!label.wordWrap()) return widest(label.fontMetrics(), shownLines(label.text())) > room;
    // A wrapped label breaks between words: no word may be wider than a line, and the lines
    // must fit its height.
    for (const QString& line : shownLines(label.text()))
        for (const QString& word : line.split(u' ', Qt::SkipEmptyParts))
            if (label.fontMetrics().horizontalAdvance(word) > room) return true;
    return label.heightForWidth(label.width()) > label.height();
}

// The room of a button's text: the contents rectangle its style gives, less its icon.
bool buttonCut(const QAbstractButton& button) {
    if (button.text().isEmpty()) return false;
    QStyleOptionButton option;
    option.initFrom(&button);
    option.text = button.text();
    QStyle::SubElement contents = QStyle::SE_PushButtonContents;
    if (qobject_cast<const QCheckBox*>(&button)) contents = QStyle::SE_CheckBoxContents;
    if (qobject_cast<const QRadioButton*>(&button)) contents = QStyle::SE_RadioButtonContents;
    int room = button.style()->subElementRect(contents, &option, &button).width();
    if (!button.icon().isNull()) room -= button.iconSize().width() + 4;
    return widest(button.fontMetrics(), shownLines(button.text())) > room;
}

bool groupTitleCut(const QGroupBox& box) {
    if (box.title().isEmpty()) return false;
    QStyleOptionGroupBox option;
    option.initFrom(&box);
    option.text = box.title();
    option.subControls = QStyle::SC_GroupBoxLabel | (box.isCheckable() ? QStyle::SC_GroupBoxCheckBox : QStyle::SC_None);
    const QRect label = box.style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, &box);
    return label.right() >= box.width() ||
           label.width() < box.fontMetrics().horizontalAdvance(shownLines(box.title())[0]);
}

class FitCheck {
public:
    explicit FitCheck(QString language) : language_(std::move(language)) {}

    // Checks every shown widget of `window`, each page of each tab widget in turn.
    void check(QWidget* window) {
        checkShown(window);
        checkKeys(window);
        for (QTabWidget* tabs : window->findChildren<QTabWidget*>()) {
            if (!tabs->isVisible()) continue;
            const int current = tabs->currentIndex();
            for (int i = 0; i < tabs->count(); ++i) {
                tabs->setCurrentIndex(i);
                QCoreApplication::processEvents();
                checkShown(window);
                checkKeys(window);
                checkTab(window, *tabs, i);
            }
            tabs->setCurrentIndex(current);
        }
    }
    const QStringList& cuts() const { return cuts_; }
    const QStringList& keys() const { return keys_; }

private:
    void checkShown(QWidget* window) {
        for (QWidget* w : window->findChildren<QWidget*>()) {
            if (!w->isVisible() || w->window() != window) continue;
            if (auto* label = qobject_cast<QLabel*>(w); label && labelCut(*label)) tell(window, w, label->text());
            if (auto* button = qobject_cast<QAbstractButton*>(w);
                button &&
                (qobject_cast<QPushButton*>(w) || qobject_cast<QCheckBox*>(w) || qobject_cast<QRadioButton*>(w)) &&
                buttonCut(*button))
                tell(window, w, button->text());
            if (auto* box = qobject_cast<QGroupBox*>(w); box && groupTitleCut(*box)) tell(window, w, box->title());
            if (auto* header = qobject_cast<QHeaderView*>(w); header && header->orientation() == Qt::Horizontal)
                checkHeader(window, *header);
        }
    }
    // A column's heading takes its text and the style's margins on either side.
    void checkHeader(QWidget* window, QHeaderView& header) {
        const int margins = 2 * header.style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, &header);
        for (int i = 0; i < header.count(); ++i) {
            const QString text = header.model()->headerData(i, Qt::Horizontal).toString();
            if (!header.isSectionHidden(i) &&
                header.sectionSize(i) < header.fontMetrics().horizontalAdvance(text) + margins)
                tell(window, &header, text);
        }
    }
    // An access key (Alt and a letter) is one control's in a window: a key two controls share
    // only moves the focus between them. Labels count for the field they name.
    void checkKeys(QWidget* window) {
        QMap<QKeySequence, QString> taken;
        for (QWidget* w : window->findChildren<QWidget*>()) {
            if (!w->isVisible() || w->window() != window) continue;
            QString text;
            if (auto* label = qobject_cast<QLabel*>(w); label && label->buddy()) text = label->text();
            if (auto* button = qobject_cast<QAbstractButton*>(w)) text = button->text();
            if (auto* box = qobject_cast<QGroupBox*>(w); box && box->isCheckable()) text = box->title();
            const QKeySequence key = QKeySequence::mnemonic(text);
            if (key.isEmpty()) continue;
            if (taken.contains(key))
                keys_ << QStringLiteral("%1: window \"%2\": \"%3\" and \"%4\"")
                             .arg(language_, window->windowTitle(), taken.value(key), text);
            taken.insert(key, text);
        }
    }
    void checkTab(QWidget* window, const QTabWidget& tabs, int i) {
        const QTabBar& bar = *tabs.tabBar();
        const QRect rect = bar.tabRect(i);
        // A tab takes its text and the style's padding; one past the bar's end is scrolled away.
        const int needed = bar.fontMetrics().horizontalAdvance(shownLines(tabs.tabText(i))[0]) +
                           bar.style()->pixelMetric(QStyle::PM_TabBarTabHSpace, nullptr, &bar);
        if (rect.right() >= bar.width() || rect.width() < needed)
            tell(window, const_cast<QTabWidget*>(&tabs), tabs.tabText(i));
    }
    void tell(QWidget* window, QWidget* widget, const QString& text) {
        const QString name = widget->objectName().isEmpty() ? QString() : u' ' + widget->objectName();
        const QString line = QStringLiteral("%1: window \"%2\" (%3), %4%5 %6x%7: \"%8\"")
                                 .arg(language_, window->windowTitle(), window->metaObject()->className(),
                                      widget->metaObject()->className(), name)
                                 .arg(widget->width())
                                 .arg(widget->height())
                                 .arg(text);
        if (!cuts_.contains(line)) cuts_ << line;
    }

    QString language_;
    QStringList cuts_;
    QStringList keys_;
};

void click(CVorlan2Dlg& dlg, int controlId) { dlg.controlAs<QAbstractButton>(controlId)->click(); }

// Every window the main dialog opens, with the modal boxes built and shown without their run.
void openEveryWindow(Harness& h, CVorlan2Dlg& dlg, std::vector<std::unique_ptr<QWidget>>& boxes) {
    click(dlg, kSetBaselineButton);
    for (const int button :
         {kShootButton, kRangeTableButton, kComputeBcButton, kMaximumRangeButton, kOpbzButton, kCalculationsButton,
          kAdvancedButton, kHitProbabilityButton, kFieldCardButton, kLibraryButton})
        click(dlg, button);
    dlg.openTruing();
    dlg.openSightPicture(dlg.shot(), UnitSystem::Imperial);
    boxes.push_back(std::make_unique<CAboutDlg>(h.context));
    boxes.push_back(std::make_unique<CColorDlg>(h.context));
    boxes.push_back(std::make_unique<LoadNamingDlg>(LoadNaming{}));
    boxes.push_back(std::make_unique<CsvExportDialog>(CsvOptions{}));
    boxes.push_back(std::make_unique<ChronographDialog>(parseChronoSession("2810\n2795\n2803\n"), true));
    for (auto& box : boxes) box->show();
    // The hit probability's count ends with words of its own: they are checked as they end.
    for (QWidget* window : QApplication::topLevelWidgets())
        if (auto* hit = qobject_cast<CHitProbabilityDlg*>(window)) QTRY_VERIFY_WITH_TIMEOUT(hit->finished(), 60000);
    QCoreApplication::processEvents();
}

}  // namespace

class LabelFitTest : public QObject {
    Q_OBJECT

private slots:
    void everyTextFitsItsWidget() {
        QStringList cuts, keys;
        for (const LanguageName& language : offeredLanguages()) {
            const QString code = QString::fromLatin1(language.code.data());
            if (code != QStringLiteral("en") && !QFile::exists(QStringLiteral(":/i18n/vorlan_%1.qm").arg(code)))
                continue;
            applyLanguage(code);
            Harness h;
            CHiddenWindow hidden;
            h.context.help = &hidden;
            auto dlg = h.openMainDialog();
            hidden.mainDialog = dlg.get();
            std::vector<std::unique_ptr<QWidget>> boxes;
            openEveryWindow(h, *dlg, boxes);
            hidden.winHelp(0, HelpCommand::Contents);
            QCoreApplication::processEvents();
            FitCheck check(code);
            for (QWidget* window : QApplication::topLevelWidgets())
                if (window->isVisible()) check.check(window);
            cuts << check.cuts();
            keys << check.keys();
            for (QWidget* window : QApplication::topLevelWidgets())
                if (window->isVisible() && window != dlg.get()) window->close();
        }
        applyLanguage(QStringLiteral("en"));
        QVERIFY2(cuts.isEmpty(), qPrintable(QStringLiteral("\n") + cuts.join(u'\n')));
        keys.removeDuplicates();
        QVERIFY2(keys.isEmpty(), qPrintable(QStringLiteral("\n") + keys.join(u'\n')));
    }
};

QTEST_MAIN(LabelFitTest)
#include "LabelFitTest.moc"
