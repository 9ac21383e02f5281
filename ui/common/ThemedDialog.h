#pragma once
// What every Vorlan dialog shares: it joins the open-window list when it initialises and
// leaves it when it goes, paints itself in the dialog colour (editable edits keep the system
// background), carries the large icon, finds its controls by number, copies its fields with
// exchange() in either direction, and hands F1 and "What's this" clicks to the help route.

#include <QDialog>
#include <QList>
#include <map>

#include "ui/common/AppContext.h"
#include "ui/common/DataExchange.h"

class QRadioButton;

namespace vorlan {

class ThemedDialog : public QDialog {
    Q_OBJECT
public:
    // `listed`: whether the window joins openDialogs (the message and About boxes do not).
    ThemedDialog(AppContext& context, int templateId, QWidget* parent = nullptr, bool listed = true);

    AppContext& context() const { return context_; }
    int templateId() const { return templateId_; }
    // Help context of the dialog itself: 131072 plus the template number.
    quint32 helpId() const;

    // The control carrying `controlId`, or nullptr.
    QWidget* control(int controlId) const;
    template <class T>
    T* controlAs(int controlId) const {
        return qobject_cast<T*>(control(controlId));
    }
    static void setControlId(QWidget* widget, int controlId);
    static int controlIdOf(const QWidget* widget);  // -1 without one

    // Runs the start-up of the dialog once; showing the dialog runs it too.
    void initDialog();
    // The start-up and the size the window will show with (its content, its title), so that
    // it can be placed before it is shown.
    void prepareToShow();
    // Controls into the record with checks (true), or record into the controls (false).
    // False when a field failed; its message has then been shown.
    bool updateData(bool saveAndValidate = true);
    // Controls into the record with checks, passing over `skipped` (they keep their values).
    bool updateDataExcept(const QList<int>& skipped);

    // A control whose click settles other fields: a check box or radio button that decides
    // their bounds or whether they are read, or a command that overwrites them. Neither going
    // to the control nor its own command checks those fields first, so the click that would
    // make them valid is never refused by their check.
    void settleFieldsWith(int controlId, const QList<int>& fields);
    QList<int> fieldsSettledBy(int controlId) const;
    // The fields settled by the control that is taking the keyboard focus (none for others).
    QList<int> fieldsSettledByFocus() const;
    bool isExchanging() const { return exchanging_; }

    // Re-applies the colour to the window and its controls.
    virtual void applyDialogColor();
    // Buttons of a radio group in index order, by the number of the first one.
    QList<QRadioButton*> radioGroup(int firstId) const;

protected:
    virtual void onInitDialog();
    virtual void exchange(DataExchange&) {}
    virtual QColor paintColor() const { return context_.dialogColor; }
    void registerRadioGroup(int firstId, const QList<QRadioButton*>& buttons);
    void joinOpenDialogs();
    void leaveOpenDialogs();
    // Whether `event` takes the keyboard focus from a field in a way that takes the fields:
    // to another control or another window, but not to a menu.
    static bool leavesField(const QEvent* event);
    // F1 and "What's this": hands the dialog's help id to the help route.
    virtual void requestContextHelp();
    // A change of the units (View > Units): the visible fields are taken in the units they were
    // typed in just before, then unitsChanged() shows the window in the new ones.
    void followUnits();
    virtual void unitsChanged() {}

    void showEvent(QShowEvent* event) override;
    void widenForTitle();
    int widthForTitle() const;
    bool event(QEvent* event) override;

private:
    bool runExchange(DataExchange::Direction direction, const QList<int>& skipped);

    AppContext& context_;
    int templateId_;
    bool listed_;
    bool initialised_ = false;
    bool exchanging_ = false;
    std::map<int, QList<QRadioButton*>> radioGroups_;
    std::map<int, QList<int>> settledFields_;
};

}  // namespace vorlan
