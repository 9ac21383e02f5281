// The Library window's commands: each asks what it needs, hands the change to the model and
// tells its outcome.

#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QTreeView>

#include "reports/common/FileDialog.h"
#include "reports/common/FileNames.h"
#include "shot/CLocaleNumbers.h"
#include "shot/PreferencesFile.h"
#include "shot/ShotCheck.h"
#include "shot/library/LibraryListing.h"
#include "ui/chronograph/ChronographDialog.h"
#include "ui/library/CLibraryDlg.h"
#include "ui/library/LibraryWindowOwner.h"

namespace vorlan {

namespace {

QString fromText(const std::string& text) { return QString::fromStdString(text); }

QStringList shotFilter() { return {CLibraryDlg::tr("VXF Files (*.vxf)")}; }
QStringList profileFilter() { return {CLibraryDlg::tr("A7P Profiles (*.a7p)")}; }
QString feetPerSecond(double value) { return fromText(cFormat("%.1f", value)); }

}  // namespace

void CLibraryDlg::onOpen() {
    const std::optional<LibraryLoad> load = selectedCopy();
    if (!load || !owner_) return;
    const QString file = fromFileName(load->file);
    const FileStamp stamp = load->stamp;
    if (!owner_->openLibraryLoad(model_->pathOf(*load))) return;
    openedFile_ = file;
    openedStamp_ = stamp;
    status_->setText(tr("Opened \"%1\" in the main window.").arg(file));
}

void CLibraryDlg::onSaveCurrentShot() {
    if (!owner_) return;
    std::optional<ShotParameters> shot = owner_->libraryShot();
    if (!shot) return;
    const LoadNaming offered{LoadNaming::Ask::RifleAndName, tr("Save Current Shot"), fromText(shot->rifle),
                             fromText(shot->name), model_->rifles()};
    const std::optional<LoadNaming> naming = askNaming(this, offered);
    if (!naming) return;
    shot->rifle = naming->rifle.toStdString();
    shot->name = naming->name.toStdString();
    if (const std::string problem = shotProblem(*shot); !problem.empty())
        return tell(tr("Not saved: %1").arg(fromText(problem)), {});
    std::optional<LibraryLoad> existing;
    if (const LibraryLoad* named = model_->loadNamed(naming->rifle, naming->name)) existing = *named;
    std::optional<FileStamp> read;
    if (existing) {
        const QString rifle = existing->rifle.empty() ? tr("(no rifle)") : fromText(existing->rifle);
        if (!context().ask(this, tr("Save Current Shot"),
                           tr("\"%1\" of %2 is in the library already. Replace it with the shot on screen?")
                               .arg(naming->name, rifle)))
            return;
        if (openedFile_ == fromFileName(existing->file)) read = openedStamp_;
    }
    const QString failure = model_->save(*shot, existing ? &*existing : nullptr, read);
    tell(failure, tr("Saved \"%1\".").arg(model_->lastFile()));
    if (!failure.isEmpty()) return;
    openedFile_ = model_->lastFile();
    if (const LibraryLoad* saved = model_->loadOfFile(openedFile_)) openedStamp_ = saved->stamp;
    owner_->savedToLibrary(model_->folder() + u'/' + openedFile_, *shot);
}

void CLibraryDlg::onDuplicate() {
    if (const std::optional<LibraryLoad> load = selectedCopy()) {
        const QString failure = model_->duplicate(*load);
        tell(failure, tr("Duplicated as \"%1\".").arg(model_->lastFile()));
    }
}

void CLibraryDlg::onRename() {
    const std::optional<LibraryLoad> load = selectedCopy();
    if (!load) return;
    const LoadNaming offered{LoadNaming::Ask::Name, tr("Rename"), {}, fromText(load->name), {}};
    const std::optional<LoadNaming> naming = askNaming(this, offered);
    if (!naming || naming->name == fromText(load->name)) return;
    if (naming->name.isEmpty()) return tell(tr("Not renamed: a load needs a name."), {});
    ShotParameters check;
    check.name = naming->name.toStdString();
    if (const std::string problem = shotProblem(check); !problem.empty())
        return tell(tr("Not renamed: %1").arg(fromText(problem)), {});
    const QString failure = model_->rename(*load, naming->name);
    tell(failure, tr("Renamed to \"%1\".").arg(naming->name));
}

void CLibraryDlg::onMoveToRifle() {
    const std::optional<LibraryLoad> load = selectedCopy();
    if (!load) return;
    const LoadNaming offered{LoadNaming::Ask::Rifle, tr("Move to Rifle"), fromText(load->rifle), {}, model_->rifles()};
    const std::optional<LoadNaming> naming = askNaming(this, offered);
    if (!naming || naming->rifle == fromText(load->rifle)) return;
    ShotParameters check;
    check.rifle = naming->rifle.toStdString();
    if (const std::string problem = shotProblem(check); !problem.empty())
        return tell(tr("Not moved: %1").arg(fromText(problem)), {});
    const QString failure = model_->moveToRifle(*load, naming->rifle);
    tell(failure, naming->rifle.isEmpty() ? tr("Moved to (no rifle).") : tr("Moved to %1.").arg(naming->rifle));
}

void CLibraryDlg::onDelete() {
    const std::optional<LibraryLoad> load = selectedCopy();
    if (!load) return;
    const QString file = fromFileName(load->file);
    const QString failure = model_->moveToTrash(*load);
    tell(failure, tr("\"%1\" moved to the trash.").arg(file));
}

// A shot file is copied in; a .a7p profile is mapped onto a new load, and the fields it
// brings that have no place in a shot (kept for its export) are told.
void CLibraryDlg::onImport() {
    FileRequest request;
    request.title = tr("Import");
    request.filters = QStringList{tr("Shot Files and Profiles (*.vxf *.a7p)")} + shotFilter() + profileFilter();
    const QString chosen = context().chooseFile(this, request);
    if (chosen.isEmpty()) return;
    QStringList unmapped;
    const QString failure = model_->importFile(chosen, &unmapped);
    const QString done = tr("Imported \"%1\" as \"%2\".").arg(QFileInfo(chosen).fileName(), model_->lastFile());
    tell(failure, done);
    if (failure.isEmpty() && !unmapped.isEmpty())
        context().showFailure(this, tr("Import"),
                              tr("These fields of the profile have no place in a shot; the load keeps them for its "
                                 "export:\n%1")
                                  .arg(unmapped.join(u'\n')));
}

void CLibraryDlg::onExport() {
    const std::optional<LibraryLoad> load = selectedCopy();
    if (!load) return;
    FileRequest request;
    request.kind = FileRequest::Kind::Save;
    request.title = tr("Export");
    request.filters = shotFilter() + profileFilter();
    request.confirmOverwrite = true;
    // Without its extension, the name takes the one of the filter chosen.
    request.initialPath = QFileInfo(fromFileName(load->file)).completeBaseName();
    const QString chosen = context().chooseFile(this, request);
    if (chosen.isEmpty()) return;
    const QString failure = model_->exportLoad(*load, chosen);
    tell(failure, tr("Exported to \"%1\".").arg(chosen));
}

// The load takes the SD of the shots kept as its "MV SD:" and, when the box stays checked, the
// mean as its muzzle velocity; it is saved over the file as it was listed.
void CLibraryDlg::onFromChronograph() {
    const std::optional<LibraryLoad> load = selectedCopy();
    if (!load) return;
    const std::optional<ChronographChoice> choice = chooseFromChronograph(context(), this, true, true);
    if (!choice) return;
    const QString failure = model_->takeChronograph(*load, choice->stats, choice->setVelocity);
    const QString name = fromText(load->name);
    const QString sd = feetPerSecond(choice->stats.sd);
    tell(failure, choice->setVelocity ? tr("\"%1\" takes a muzzle velocity of %2 ft/s and an MV SD of %3 ft/s.")
                                            .arg(name, feetPerSecond(choice->stats.mean), sd)
                                      : tr("\"%1\" takes an MV SD of %2 ft/s.").arg(name, sd));
}

void CLibraryDlg::onChooseFolder() {
    FileRequest request;
    request.kind = FileRequest::Kind::Folder;
    request.title = tr("Library Folder");
    request.filters.clear();
    request.initialPath = model_->folder();
    const QString chosen = context().chooseFile(this, request);
    if (chosen.isEmpty()) return;
    model_->setFolder(chosen);
    const QString preferences = owner_ ? owner_->preferencesPath() : QString();
    if (preferences.isEmpty()) return;
    const FileOutcome saved = writePreferences(QFile::encodeName(preferences).toStdString(),
                                               {{kLibraryFolderKey, QFile::encodeName(chosen).toStdString()}});
    if (!saved)
        context().showFailure(
            this, tr("Library"),
            tr("The folder could not be remembered in \"%1\": %2").arg(preferences, fromText(saved.reason())));
}

}  // namespace vorlan
