#pragma once
// What the side-calculation windows of the main dialog share. Each press of a main-dialog
// button opens a new one: a top-level window without a parent that deletes itself when it
// closes, joins openDialogs while it lives, filters keystrokes in its number edits with an
// own CValidator, and takes its fields whenever the user leaves an edit.
//
//   open:   main dialog's shot -> window members -> controls
//   close:  controls -> members (checks; a failing field keeps the window open)
//           -> writeBack into the main dialog's shot -> window deleted
//
// Enter and Escape end the window through the same close, so nothing is lost or left
// hidden; windows that consume Enter say so with enterCloses().

#include <QPointer>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "shot/ShotParameters.h"
#include "ui/common/CValidator.h"
#include "ui/common/SideWindowOwner.h"
#include "ui/common/ThemedDialog.h"

class QGridLayout;
class QLabel;
class QLineEdit;

namespace vorlan {

class CColorBtn;

// An edit and the label beside it: "Label (unit)", or the label alone without a unit. A label
// of a quantity names the unit it is shown in, and follows a change of the units. The label,
// the unit and a field's help are the window's texts, marked QT_TRANSLATE_NOOP("SideWindow", ...).
struct SideLabelledEdit {
    int controlId;
    const char* label;
    const char* unit = "";
    std::optional<Quantity> quantity{};

    std::string caption() const { return fieldCaption(label, unit); }
};

// A number edit of a side window: its keystroke rule and the bounds its exchange checks
// (infinite for a value that has none), with the caption beside it and its pop-up help. A
// field of a quantity is shown and typed in the application's unit of it (`unit` names the
// designed one), its bounds checked and told in that unit (DataExchange::number).
struct SideNumberField {
    int controlId;
    KeystrokeRule keystrokes;
    double minimum;
    double maximum;
    const char* label = "";      // without its unit
    const char* unit = "";       // shown in brackets after the label; "" for none
    const char* help = nullptr;  // nullptr: the control's help lies elsewhere (a shared edit)
    std::optional<Quantity> quantity{};

    std::string caption() const { return fieldCaption(label, unit); }
    constexpr SideLabelledEdit labelled() const { return {controlId, label, unit, quantity}; }
    // The unit of its exchange: its quantity, the digits after the point and the label.
    FieldUnit fieldUnit() const {
        return {*quantity, keystrokes.fractional ? keystrokes.decimals : 0, label, {}, "SideWindow"};
    }
};

class SideWindow : public ThemedDialog {
    Q_OBJECT
public:
    SideWindow(SideWindowOwner& owner, int templateId, const QString& title);

    QLineEdit* edit(int controlId) const;
    // The owner while its window lives; nullptr once it has gone.
    SideWindowOwner* owner() const { return ownerWindow_ ? owner_ : nullptr; }
    // The window's number edits in the order its exchange takes them.
    virtual std::span<const SideNumberField> numberFields() const { return {}; }

    // A window whose fields are part of the owner's shot: it hands them over whenever the owner
    // takes its fields (false when one fails its check) and shows the shot whenever the owner does.
    virtual bool takeWithOwner() { return true; }
    virtual void showWithOwner() {}

    void accept() override;
    void reject() override;

protected:
    // An editable number edit whose text passes `rule` after every change. In these windows
    // a rule without allowMinus refuses a minus sign in whole numbers as well.
    QLineEdit* addNumberEdit(int controlId, const KeystrokeRule& rule);
    QLineEdit* addNumberEdit(const SideNumberField& field) { return addNumberEdit(field.controlId, field.keystrokes); }
    // Exchanges `value` with the edit of `field`, within the field's bounds.
    static void exchangeNumber(DataExchange& dx, const SideNumberField& field, double& value);
    // A read-only edit for a result or a name, centred, in the dialog colour.
    QLineEdit* addResultEdit(int controlId);
    QLabel* addLabel(int controlId, const QString& text);
    // A wrapped line naming what a calculation flies beyond the designed flight (the range
    // table's "Effects:" line) or a note about its result; hidden while it has no text.
    QLabel* addNoteLabel(int controlId);
    void showNote(int controlId, const std::string& text);
    CColorBtn* addButton(int controlId, const QString& caption);
    // Edits (already made) on the left and their labels beside them, one row each; the label
    // of a quantity names the unit shown and follows a change of the units.
    QGridLayout* editGrid(std::span<const SideLabelledEdit> edits);
    // A label captioned as captionOf(caption) does, following a change of the units: a column
    // heading or a unit between edits (a caption without a label is its unit alone).
    QLabel* captionLabel(const SideLabelledEdit& caption);
    // After a change of the units (View > Units): the labels of editGrid re-captioned and the
    // fields shown again, in the new units. The fields were taken in the old units just before.
    void unitsChanged() override;
    // The caption of an edit, translated, with the unit its quantity is shown in.
    QString captionOf(const SideLabelledEdit& edit) const;
    // Read-only or editable, recoloured at once.
    void setReadOnly(int controlId, bool readOnly);
    CValidator& validator() { return validator_; }

    // Copies the window's values into the main dialog's shot after a successful close.
    virtual void writeBack(SideWindowOwner&) {}
    // False: Enter is consumed and does nothing.
    virtual bool enterCloses() const { return true; }

    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void filterKeystrokes(QLineEdit* edit, const KeystrokeRule& rule);

    SideWindowOwner* owner_;
    QPointer<QWidget> ownerWindow_;  // tells when the owner has gone
    CValidator validator_;
    std::vector<std::pair<QLabel*, SideLabelledEdit>> unitLabels_;
};

// Text of a result as the C library prints it.
QString shownNumber(const char* format, double value);
// `format` with its "%s" filled by the name of the drag function stored as `dragFunction`.
QString withDragName(const char* format, int dragFunction);

}  // namespace vorlan
