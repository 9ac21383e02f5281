// Start-up probe: starts Vorlan exactly as the program does and ends the program as soon as
// the main dialog has been painted once. bench/startup.sh times it over many runs.

#include <QEvent>
#include <QTimer>

#include "app/CVorlan2App.h"
#include "ui/main/CVorlan2Dlg.h"

namespace {

class EndAfterFirstPaint : public QObject {
public:
    explicit EndAfterFirstPaint(QDialog* dialog) : QObject(dialog), dialog_(dialog) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == dialog_ && event->type() == QEvent::Paint && !done_) {
            done_ = true;
            QTimer::singleShot(0, dialog_, [d = dialog_] { d->done(0); });
        }
        return false;
    }

private:
    QDialog* dialog_;
    bool done_ = false;
};

}  // namespace

int main(int argc, char** argv) {
    vorlan::CVorlan2App app(argc, argv);
    app.beforeModalRun = [](vorlan::CVorlan2Dlg& dialog) {
        dialog.installEventFilter(new EndAfterFirstPaint(&dialog));
    };
    return app.run();
}
