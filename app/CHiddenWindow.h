#pragma once
// The application's invisible main window. It is never shown and refuses every close
// request; it ends only when the application destroys it. Help requests of the dialogs come
// here: pop-up help for the control under the pointer, the help contents, or closing help.

#include <QPointer>
#include <QWidget>

#include "ui/common/ContextHelp.h"
#include "ui/help/HelpBrowser.h"

namespace vorlan {

class CVorlan2Dlg;

class CHiddenWindow : public QWidget, public HelpHandler {
    Q_OBJECT
public:
    CHiddenWindow();
    ~CHiddenWindow() override;

    CVorlan2Dlg* mainDialog = nullptr;  // set by the application once the dialog exists

    void winHelp(quint32 data, HelpCommand command) override;
    void showPopup(quint32 helpId, QPoint globalPos) override;

    // What the last pop-up showed, for anyone who needs to know (tests among them).
    quint32 lastPopupHelpId() const { return lastPopupHelpId_; }
    HelpBrowser* helpBrowser() const { return browser_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void showContents(const QString& page = QStringLiteral("index.html"));

    QPointer<HelpBrowser> browser_;
    quint32 lastPopupHelpId_ = 0;
};

}  // namespace vorlan
