#pragma once
// What the window tests share: an application context whose modal boxes are answered by the
// test, a main dialog on screen, and a folder for files and pictures.

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "ui/common/AppContext.h"
#include "ui/main/CVorlan2Dlg.h"

namespace vorlan::testing {

struct Harness {
    AppContext context;
    QStringList messages;     // every message the exchange showed
    QStringList fileAnswers;  // answers to the next file dialogs; none left: cancelled
    QList<FileRequest> fileRequests;
    QTemporaryDir folder;

    Harness() {
        context.showMessage = [this](QWidget*, const QString& message) { messages << message; };
        context.chooseFile = [this](QWidget*, const FileRequest& request) {
            fileRequests << request;
            return fileAnswers.isEmpty() ? QString() : fileAnswers.takeFirst();
        };
        context.settingsPath = path("Vorlan2.ini").toStdString();
    }

    QString path(const QString& name) const { return folder.filePath(name); }

    // A main dialog, initialised and active on the (offscreen) screen.
    std::unique_ptr<CVorlan2Dlg> openMainDialog() {
        auto dialog = std::make_unique<CVorlan2Dlg>(context);
        dialog->show();
        QApplication::setActiveWindow(dialog.get());
        [[maybe_unused]] const bool active = QTest::qWaitForWindowActive(dialog.get());
        return dialog;
    }
};

inline void retype(QLineEdit* edit, const QString& text) {
    edit->setFocus();
    edit->clear();
    QTest::keyClicks(edit, text);
}

// The last shown top-level window of type `Window`, or nullptr.
template <class Window>
Window* newestShown() {
    Window* newest = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* window = qobject_cast<Window*>(w); window && window->isVisible()) newest = window;
    return newest;
}

// Records the windows that a modal window blocks (install on qApp).
class BlockWatcher : public QObject {
public:
    QList<QObject*> blocked;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::WindowBlocked) blocked << watched;
        return false;
    }
    bool isBlocked(QWidget* w) const { return !w || blocked.contains(w) || blocked.contains(w->windowHandle()); }
};

// Where tests leave pictures for people to look at.
inline QString artefactPath(const QString& name) {
    const QString dir = QCoreApplication::applicationDirPath() + QStringLiteral("/artefacts");
    QDir().mkpath(dir);
    return dir + u'/' + name;
}

}  // namespace vorlan::testing
