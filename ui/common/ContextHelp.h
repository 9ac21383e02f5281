#pragma once
// Help ids and the help route. A dialog's help id is 131072 plus its template number; a
// control's is 2147483648 + 65536 x template + control number (one control borrows the main
// dialog's id, see controlHelpId). Dialogs ask the help handler (the hidden main window) for
// help; it shows the pop-up text of the control under the pointer or the help contents.

#include <QPoint>
#include <QString>
#include <optional>

class QWidget;

namespace vorlan {

enum class HelpCommand {
    Context,         // pop-up help for the control under the pointer
    Contents,        // the help contents page
    RangeTablePage,  // the page on the range table window
    Quit,            // close every help window
};

class HelpHandler {
public:
    virtual ~HelpHandler() = default;
    virtual void winHelp(quint32 data, HelpCommand command) = 0;
    // Shows the pop-up text of `helpId` at a point of the screen.
    virtual void showPopup(quint32 helpId, QPoint globalPos) = 0;
};

quint32 dialogHelpId(int templateId);
quint32 controlHelpId(int templateId, int controlId);
// The dialogs whose help requests show pop-up help.
bool isDialogWithPopupHelp(quint32 helpId);

// The help id to show for a help request `contextId` with the pointer at `globalPos`: the
// id of the control there, or `contextId` itself over the dialog's background. Nothing when
// no window lies there or the request is not from one of those dialogs.
std::optional<quint32> helpIdAt(QPoint globalPos, quint32 contextId);
// The same, given the top-level window under the pointer.
std::optional<quint32> helpIdInWindow(QWidget* window, QPoint globalPos, quint32 contextId);
// The help id of the control of `window` at `globalPos`, or `fallback` when none is there.
quint32 controlHelpIdAt(QWidget* window, QPoint globalPos, quint32 fallback);

// The pop-up text of a help id; a plain notice for ids without a text.
QString popupHelpText(quint32 helpId);
bool hasPopupHelpText(quint32 helpId);

}  // namespace vorlan
