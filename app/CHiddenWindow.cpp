#include "app/CHiddenWindow.h"

#include <QCloseEvent>
#include <QCursor>
#include <QWhatsThis>

#include "ui/help/HelpBrowser.h"
#include "ui/main/CVorlan2Dlg.h"

namespace vorlan {

CHiddenWindow::CHiddenWindow() {
    setWindowTitle(QStringLiteral("Vorlan"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/icon132.png")));
    setGeometry(100, 100, 300, 300);
}

CHiddenWindow::~CHiddenWindow() { delete browser_.data(); }

void CHiddenWindow::closeEvent(QCloseEvent* event) { event->ignore(); }

void CHiddenWindow::winHelp(quint32 data, HelpCommand command) {
    switch (command) {
        case HelpCommand::Contents:
            showContents();
            return;
        case HelpCommand::RangeTablePage:
            showContents(QStringLiteral("range-table.html"));
            return;
        case HelpCommand::Quit:
            if (browser_) browser_->close();
            return;
        case HelpCommand::Context:
            break;
    }
    const QPoint pointer = QCursor::pos();
    // Only the dialogs with pop-up help get it; the About box, for one, does not.
    if (const std::optional<quint32> helpId = helpIdAt(pointer, data)) showPopup(*helpId, pointer);
}

void CHiddenWindow::showPopup(quint32 helpId, QPoint globalPos) {
    lastPopupHelpId_ = helpId;
    QWhatsThis::showText(globalPos, popupHelpText(helpId));
}

void CHiddenWindow::showContents(const QString& page) {
    // One help window: a second request brings the open one forward at the page it shows.
    if (!browser_) {
        // Owned by the main dialog so that the dialog's modal run leaves it usable.
        browser_ = new HelpBrowser(mainDialog);
        browser_->setAttribute(Qt::WA_DeleteOnClose);
        browser_->showPage(page);
        if (mainDialog) mainDialog->placeNewWindow(browser_, CVorlan2Dlg::WindowKind::Side);
    } else if (page != QStringLiteral("index.html")) {
        browser_->showPage(page);
    }
    browser_->show();
    browser_->raise();
    browser_->activateWindow();
}

}  // namespace vorlan
