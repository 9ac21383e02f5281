#include "ui/common/SideWindow.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

#include "engine/DragFunction.h"
#include "shot/CLocaleNumbers.h"
#include "ui/common/CColorBtn.h"
#include "ui/common/DataExchange.h"

namespace vorlan {

SideWindow::SideWindow(SideWindowOwner& owner, int templateId, const QString& title)
    // A window of its own, owned by the main dialog: the dialog's modal run would block a
    // window without that tie, and one left open ends with the dialog it reads and writes.
    : ThemedDialog(owner.ownerContext(), templateId, owner.ownerWindow()),
      owner_(&owner),
      ownerWindow_(owner.ownerWindow()) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(title);
    setWindowFlag(Qt::WindowContextHelpButtonHint, true);
    followUnits();
}

QLineEdit* SideWindow::edit(int controlId) const { return controlAs<QLineEdit>(controlId); }

QLineEdit* SideWindow::addNumberEdit(int controlId, const KeystrokeRule& rule) {
    auto* e = new QLineEdit(this);
    setControlId(e, controlId);
    e->setAlignment(Qt::AlignCenter);
    e->setFixedWidth(88);
    e->installEventFilter(this);
    filterKeystrokes(e, rule);
    return e;
}

QLineEdit* SideWindow::addResultEdit(int controlId) {
    auto* e = new QLineEdit(this);
    setControlId(e, controlId);
    e->setAlignment(Qt::AlignCenter);
    e->setFixedWidth(88);
    e->setReadOnly(true);
    return e;
}

QLabel* SideWindow::addLabel(int controlId, const QString& text) {
    auto* label = new QLabel(text, this);
    setControlId(label, controlId);
    return label;
}

QLabel* SideWindow::addNoteLabel(int controlId) {
    QLabel* label = addLabel(controlId, {});
    label->setWordWrap(true);
    label->setVisible(false);
    return label;
}

void SideWindow::showNote(int controlId, const std::string& text) {
    auto* label = controlAs<QLabel>(controlId);
    QString shown = QString::fromStdString(text);
    shown.replace(u'\t', u' ');
    label->setText(shown);
    label->setVisible(!shown.isEmpty());
}

CColorBtn* SideWindow::addButton(int controlId, const QString& caption) {
    auto* button = new CColorBtn(caption, this);
    setControlId(button, controlId);
    button->setMinimumSize(112, 34);
    return button;
}

QGridLayout* SideWindow::editGrid(std::span<const SideLabelledEdit> edits) {
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(5);
    int row = 0;
    for (const SideLabelledEdit& e : edits) {
        grid->addWidget(edit(e.controlId), row, 0, Qt::AlignRight);
        grid->addWidget(captionLabel(e), row, 1);
        ++row;
    }
    grid->setColumnStretch(1, 1);
    return grid;
}

QLabel* SideWindow::captionLabel(const SideLabelledEdit& caption) {
    auto* label = new QLabel(captionOf(caption), this);
    if (caption.quantity) unitLabels_.push_back({label, caption});
    return label;
}

void SideWindow::setReadOnly(int controlId, bool readOnly) {
    if (QLineEdit* e = edit(controlId)) e->setReadOnly(readOnly);
    applyDialogColor();
}

void SideWindow::filterKeystrokes(QLineEdit* e, const KeystrokeRule& rule) {
    // Runs for typing and for every text the program writes.
    connect(e, &QLineEdit::textChanged, this, [this, e, rule] {
        validator_.configure(rule);
        validator_.check(e);
        // The filter always lets a whole number begin with a minus sign; these fields take none.
        if (!rule.fractional && !rule.allowMinus && e->text().startsWith(u'-')) e->clear();
    });
}

void SideWindow::closeEvent(QCloseEvent* event) {
    if (SideWindowOwner* main = owner()) {
        // A field that fails its check keeps the window open.
        if (!updateData()) {
            event->ignore();
            return;
        }
        writeBack(*main);
    }
    leaveOpenDialogs();
    // Not the dialog's own close handling: that would reject, and rejecting closes again.
    event->accept();
}

void SideWindow::accept() {
    if (enterCloses()) close();
}

void SideWindow::reject() { close(); }

void SideWindow::keyPressEvent(QKeyEvent* event) {
    // Enter is the window's OK command, whatever has the focus.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        accept();
        event->accept();
        return;
    }
    ThemedDialog::keyPressEvent(event);
}

bool SideWindow::eventFilter(QObject* watched, QEvent* event) {
    auto* e = qobject_cast<QLineEdit*>(watched);
    // A check's own message box comes during the exchange and does not start another.
    if (e && leavesField(event) && !isExchanging() && !e->isReadOnly()) updateDataExcept(fieldsSettledByFocus());
    return ThemedDialog::eventFilter(watched, event);
}

void SideWindow::exchangeNumber(DataExchange& dx, const SideNumberField& field, double& value) {
    if (field.quantity)
        dx.number(field.controlId, value, field.minimum, field.maximum, field.fieldUnit());
    else
        dx.number(field.controlId, value, field.minimum, field.maximum);
}

QString SideWindow::captionOf(const SideLabelledEdit& edit) const {
    // The windows' own texts: "SideWindow" is their context in the translations.
    const QByteArray label =
        *edit.label ? QCoreApplication::translate("SideWindow", edit.label).toUtf8() : QByteArray();
    const QByteArray unit = *edit.unit ? QCoreApplication::translate("SideWindow", edit.unit).toUtf8() : QByteArray();
    const Unit shown = edit.quantity ? context().units.of(*edit.quantity) : Unit{};
    return QString::fromStdString(translatedCaption(label.toStdString(), unit.toStdString(), edit.quantity, shown));
}

void SideWindow::unitsChanged() {
    for (const auto& [label, edit] : unitLabels_) label->setText(captionOf(edit));
    updateData(false);
}

QString shownNumber(const char* format, double value) { return QString::fromStdString(cFormat(format, value)); }

QString withDragName(const char* format, int dragFunction) {
    const std::string name(dragFunctionName(dragFunction));
    return QString::fromStdString(cFormat(format, name.c_str()));
}

}  // namespace vorlan
