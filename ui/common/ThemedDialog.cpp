#include "ui/common/ThemedDialog.h"

#include <QApplication>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QHelpEvent>
#include <QLineEdit>
#include <QRadioButton>
#include <QShortcut>

#include "reports/common/ShownUnits.h"
#include "reports/common/Theme.h"
#include "ui/common/CColorBtn.h"
#include "ui/common/ContextHelp.h"
#include "ui/common/DataExchange.h"

namespace vorlan {

namespace {
const char* const kControlIdProperty = "controlId";
}

ThemedDialog::ThemedDialog(AppContext& context, int templateId, QWidget* parent, bool listed)
    : QDialog(parent), context_(context), templateId_(templateId), listed_(listed) {
    setProperty("templateId", templateId);
    setWindowIcon(QIcon(QStringLiteral(":/icons/icon132.png")));
    setAutoFillBackground(true);
    auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(f1, &QShortcut::activated, this, &ThemedDialog::requestContextHelp);
}

quint32 ThemedDialog::helpId() const { return dialogHelpId(templateId_); }

QWidget* ThemedDialog::control(int controlId) const {
    const auto children = findChildren<QWidget*>();
    // Windows opened from this one (table and comparison windows) are children too; their
    // controls reuse numbers of this dialog and are not this dialog's.
    for (QWidget* child : children)
        if (controlIdOf(child) == controlId && child->window() == this) return child;
    return nullptr;
}

void ThemedDialog::setControlId(QWidget* widget, int controlId) { widget->setProperty(kControlIdProperty, controlId); }

int ThemedDialog::controlIdOf(const QWidget* widget) {
    const QVariant id = widget->property(kControlIdProperty);
    return id.isValid() ? id.toInt() : -1;
}

void ThemedDialog::initDialog() {
    if (initialised_) return;
    initialised_ = true;
    onInitDialog();
}

void ThemedDialog::prepareToShow() {
    initDialog();
    ensurePolished();
    if (!testAttribute(Qt::WA_Resized)) adjustSize();
    widenForTitle();
}

void ThemedDialog::onInitDialog() {
    updateData(false);
    joinOpenDialogs();
    applyDialogColor();
}

bool ThemedDialog::updateData(bool saveAndValidate) {
    return saveAndValidate ? updateDataExcept({}) : runExchange(DataExchange::Direction::Load, {});
}

bool ThemedDialog::updateDataExcept(const QList<int>& skipped) {
    return runExchange(DataExchange::Direction::Save, skipped);
}

bool ThemedDialog::runExchange(DataExchange::Direction direction, const QList<int>& skipped) {
    // A message box or a focus change during an exchange must not start a second one.
    if (exchanging_) return false;
    exchanging_ = true;
    DataExchange dx(*this, direction);
    dx.skip(skipped);
    exchange(dx);
    exchanging_ = false;
    return !dx.failed();
}

void ThemedDialog::settleFieldsWith(int controlId, const QList<int>& fields) { settledFields_[controlId] = fields; }

QList<int> ThemedDialog::fieldsSettledBy(int controlId) const {
    const auto it = settledFields_.find(controlId);
    return it == settledFields_.end() ? QList<int>{} : it->second;
}

QList<int> ThemedDialog::fieldsSettledByFocus() const {
    // While the focus moves, the application already names the widget that receives it.
    const QWidget* next = QApplication::focusWidget();
    return next && next->window() == this ? fieldsSettledBy(controlIdOf(next)) : QList<int>{};
}

void ThemedDialog::applyDialogColor() {
    // A dark theme shows a deep shade of the colour, under its light text.
    const QColor color = shownDialogColor(paintColor(), QApplication::palette());
    QPalette own = palette();
    own.setColor(QPalette::Window, color);
    setPalette(own);
    const QColor systemBase = QApplication::palette().color(QPalette::Base);
    for (QLineEdit* edit : findChildren<QLineEdit*>()) {
        if (edit->window() != this) continue;
        QPalette p = edit->palette();
        p.setColor(QPalette::Base, edit->isReadOnly() ? color : systemBase);
        edit->setPalette(p);
    }
    for (CColorBtn* button : findChildren<CColorBtn*>()) button->setFillColor(color);
    update();
}

QList<QRadioButton*> ThemedDialog::radioGroup(int firstId) const {
    const auto it = radioGroups_.find(firstId);
    return it == radioGroups_.end() ? QList<QRadioButton*>{} : it->second;
}

void ThemedDialog::registerRadioGroup(int firstId, const QList<QRadioButton*>& buttons) {
    radioGroups_[firstId] = buttons;
}

void ThemedDialog::joinOpenDialogs() {
    if (listed_ && !context_.openDialogs.contains(this)) context_.openDialogs.add(this);
}

void ThemedDialog::leaveOpenDialogs() { context_.openDialogs.remove(this); }

bool ThemedDialog::leavesField(const QEvent* event) {
    return event->type() == QEvent::FocusOut &&
           static_cast<const QFocusEvent*>(event)->reason() != Qt::PopupFocusReason;
}

void ThemedDialog::requestContextHelp() {
    if (context_.help) context_.help->winHelp(helpId(), HelpCommand::Context);
}

void ThemedDialog::showEvent(QShowEvent* event) {
    initDialog();
    widenForTitle();
    QDialog::showEvent(event);
}

int ThemedDialog::widthForTitle() const {
    // Room for the caption and the frame's buttons, so that a narrow window's title is not cut.
    // Window managers draw the caption in a bold face, often a little larger (openbox: the icon
    // and three buttons take about 120 pixels beside it).
    constexpr int kFrameButtons = 130;
    QFont caption = font();
    caption.setBold(true);
    return QFontMetrics(caption).horizontalAdvance(windowTitle()) * 11 / 10 + kFrameButtons;
}

void ThemedDialog::widenForTitle() {
    const int needed = widthForTitle();
    if (width() < needed && maximumWidth() >= needed) resize(needed, height());
}

bool ThemedDialog::event(QEvent* event) {
    // A "What's this" click that no control answered reaches the dialog: the help route then
    // looks up the control under the pointer, as F1 does.
    if (event->type() == QEvent::WhatsThis) {
        requestContextHelp();
        event->accept();
        return true;
    }
    if (event->type() == QEvent::ApplicationPaletteChange) {
        // A new theme: the window's own colours are set again over the new palette.
        const bool handled = QDialog::event(event);
        applyDialogColor();
        return handled;
    }
    return QDialog::event(event);
}

void ThemedDialog::followUnits() {
    connect(&context().units, &ShownUnits::aboutToChange, this, [this] {
        if (isVisible()) updateData();
    });
    connect(&context().units, &ShownUnits::changed, this, [this] { unitsChanged(); });
}

}  // namespace vorlan
