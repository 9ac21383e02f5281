// The main dialog and the Library window: Library... opens the window (one at a time); the
// window opens a load into the dialog as Load does, asking first when the shot on screen has
// changes that are not saved, and saves the dialog's shot.

#include <QFile>

#include "shot/FileTitle.h"
#include "shot/ShotFile.h"
#include "ui/library/CLibraryDlg.h"
#include "ui/main/CVorlan2Dlg.h"

namespace vorlan {

namespace {

// The shot as its file would hold it, without what the commands work out themselves (the
// zeroed muzzle angle): two shots with the same text need no saving.
std::string savedForm(ShotParameters shot) {
    if (shot.muzzleAngleCorrection) shot.muzzleAngle = 0.0;
    return shotFileText(shot) + extensionShotFileText(shot);
}

}  // namespace

void CVorlan2Dlg::markShotSaved() { savedShot_ = savedForm(shot_); }

void CVorlan2Dlg::onLibrary() {
    for (QWidget* window : context().openDialogs.oldestToNewest()) {
        // A window closed but not yet deleted is passed over.
        if (auto* library = qobject_cast<CLibraryDlg*>(window); library && library->isVisible()) {
            library->raise();
            library->activateWindow();
            return;
        }
    }
    // A child of the dialog only so that the dialog's modal run does not block it.
    auto* window = new CLibraryDlg(context(), this, this);  // deletes itself when closed
    placeNewWindow(window, WindowKind::Side);
    window->show();
    window->raise();
    window->activateWindow();
}

std::optional<ShotParameters> CVorlan2Dlg::libraryShot() {
    if (!takeShot()) return std::nullopt;
    return shot_;
}

bool CVorlan2Dlg::openLibraryLoad(const QString& path) {
    updateData();  // as Load: a field that fails is told, and the load is offered all the same
    if (savedForm(shot_) != savedShot_ &&
        !context().ask(this, tr("Open Load"),
                       tr("The shot on screen has changes that are not saved. Open \"%1\" in its place?")
                           .arg(path.section(u'/', -1))))
        return false;
    const std::string file = QFile::encodeName(path).toStdString();
    const PathParts parts = splitAtLastSeparator(file);
    saveDirectory = parts.directory;
    saveFileName = parts.fileName;
    if (!readShotTelling(file, ShotReadMode::Load, true)) return false;
    showReadShot(file);
    return true;
}

void CVorlan2Dlg::savedToLibrary(const QString& path, const ShotParameters& saved) {
    shot_.rifle = saved.rifle;
    shot_.name = saved.name;
    updateData(false);
    const PathParts parts = splitAtLastSeparator(QFile::encodeName(path).toStdString());
    saveDirectory = parts.directory;
    saveFileName = parts.fileName;
    markShotSaved();
}

}  // namespace vorlan
