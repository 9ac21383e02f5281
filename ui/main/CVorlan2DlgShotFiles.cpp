// The main dialog's files: the settings file at start and exit, Load and Save with the file
// dialogs, and shot files handed over by the shell (command line, drops).

#include <QContextMenuEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QMimeData>
#include <cerrno>

#include "reports/common/FileNames.h"
#include "reports/common/Language.h"
#include "shot/ExtrasFile.h"
#include "shot/FileTitle.h"
#include "shot/SafeFile.h"
#include "shot/SettingsFile.h"
#include "shot/ShotCheck.h"
#include "shot/ShotFile.h"
#include "ui/main/CVorlan2Dlg.h"

namespace vorlan {

namespace {

constexpr std::string_view kShotExtension = ".vxf";

// Tells the user that a file could not be read or written, naming it and the system's reason.
void tellFileFailure(AppContext& context, QWidget* owner, const QString& title, const QString& what,
                     const std::string& path, const FileOutcome& outcome) {
    if (outcome) return;
    const QString message = what.arg(fromFileName(path)) + u'\n' + QString::fromStdString(outcome.reason());
    context.showFailure(owner, title, message);
}

// Whether any line of `bytes` is a line of a shot file.
bool holdsShotLines(std::string_view bytes) {
    ShotParameters scratch;
    bool found = false;
    forEachShotLine(bytes, [&](std::string_view line) {
        if (!found) found = applyShotLine(line, scratch, ShotReadMode::Load);
    });
    return found;
}

constexpr int kProblemNoteMilliseconds = 20000;  // long enough to be read after a start

}  // namespace

// The colour, folders and file name as the program holds them now.
AppSettings CVorlan2Dlg::currentSettings() const {
    const QColor color = context().dialogColor;
    AppSettings settings;
    settings.red = static_cast<std::uint8_t>(color.red());
    settings.green = static_cast<std::uint8_t>(color.green());
    settings.blue = static_cast<std::uint8_t>(color.blue());
    settings.saveDirectory = saveDirectory;
    settings.saveFileName = saveFileName;
    settings.saveRangeTableDirectory = toFileName(saveRangeTableDirectory_);
    return settings;
}

void CVorlan2Dlg::readSettings() {
    const std::string& path = context().settingsPath;
    AppSettings settings = currentSettings();  // what the file does not hold stays as it is
    if (path.empty()) return;
    // The extras file may stand alone: a missing settings file does not drop the inputs it holds.
    const FileOutcome read = readSettingsFile(path, shot_, settings);
    const std::string extras = extrasFilePath(path);
    const FileOutcome extrasRead = readExtrasFile(extras, shot_);
    // A file that is there but cannot be read is told now and left alone at exit: writing the
    // defaults over it would lose the user's settings.
    keepSettingsFile_ = !read && read.error != ENOENT;
    keepExtrasFile_ = !extrasRead && extrasRead.error != ENOENT;
    const QString notSaved = tr("\nIt is left as it is: the settings will not be saved over it at exit.");
    if (keepSettingsFile_)
        tellFileFailure(context(), this, tr("Settings Not Read"),
                        tr("The settings could not be read from \"%1\".") + notSaved, path, read);
    if (keepExtrasFile_)
        tellFileFailure(context(), this, tr("Settings Not Read"),
                        tr("The extra shot inputs could not be read from \"%1\".") + notSaved, extras, extrasRead);
    // Values out of their bounds are told now, not first when the program refuses to close.
    tellShotProblems(tr("Settings Out of Bounds"),
                     tr("The settings hold values outside their bounds; correct them before closing:"));
    if (!read) return;
    context().dialogColor = QColor(settings.red, settings.green, settings.blue);
    saveDirectory = settings.saveDirectory;
    saveFileName = settings.saveFileName;
    saveRangeTableDirectory_ = fromFileName(settings.saveRangeTableDirectory);
}

void CVorlan2Dlg::writeSettings() {
    const std::string& path = context().settingsPath;
    if (path.empty()) return;
    if (!keepSettingsFile_) {
        const FileOutcome settings = writeSettingsFile(path, shot_, currentSettings());
        tellFileFailure(context(), this, tr("Settings Not Saved"), tr("The settings could not be saved to \"%1\"."),
                        path, settings);
        if (!settings) return;  // one message for a folder that takes no files
    }
    if (keepExtrasFile_) return;
    const std::string extras = extrasFilePath(path);
    tellFileFailure(context(), this, tr("Settings Not Saved"),
                    tr("The extra shot inputs could not be saved to \"%1\"."), extras, writeExtrasFile(extras, shot_));
}

QString CVorlan2Dlg::chooseShotFile(FileRequest::Kind kind, const std::string& initialName) {
    FileRequest request;
    request.kind = kind;
    request.initialPath = fromFileName(saveDirectory + initialName);
    for (;;) {
        const QString chosen = context().chooseFile(this, request);
        if (chosen.isEmpty()) return {};
        // A name without a file title ("/dir/.vxf") is asked for again; a saved shot always
        // gets the extension, whatever dots its name holds (".308 Win").
        const std::string path = toFileName(chosen);
        if (!fileTitle(path, kShotExtension).empty())
            return kind == FileRequest::Kind::Save ? fromFileName(withExtension(path, kShotExtension)) : chosen;
        request.initialPath = chosen;
    }
}

void CVorlan2Dlg::onSave() {
    if (!updateData()) return;  // the file holds what the fields show, or nothing
    const QString chosen = chooseShotFile(FileRequest::Kind::Save, suggestedFileName(shot_.name));
    if (chosen.isEmpty()) return;
    const std::string path = toFileName(chosen);
    const PathParts parts = splitAtLastSeparator(path);
    saveDirectory = parts.directory;
    saveFileName = parts.fileName;
    const FileOutcome saved = writeShotFile(path, shot_);
    tellFileFailure(context(), this, tr("Save Failed"), tr("The shot could not be saved to \"%1\"."), path, saved);
    if (saved) markShotSaved();
}

void CVorlan2Dlg::onLoad() {
    updateData();
    const QString chosen = chooseShotFile(FileRequest::Kind::Open, saveFileName);
    if (chosen.isEmpty()) return;
    const std::string path = toFileName(chosen);
    const PathParts parts = splitAtLastSeparator(path);
    saveDirectory = parts.directory;
    saveFileName = parts.fileName;
    if (readShotTelling(path, ShotReadMode::Load, true)) showReadShot(path);
}

bool CVorlan2Dlg::readShotTelling(const std::string& path, ShotReadMode mode, bool tellFailure) {
    std::vector<std::string> problems;
    const FileOutcome outcome = readShotFile(path, shot_, mode, &problems);
    if (tellFailure)
        tellFileFailure(context(), this, tr("Load Failed"), tr("The shot file \"%1\" could not be read."), path,
                        outcome);
    if (!problems.empty()) {
        QString list;
        for (const std::string& problem : problems) list += u'\n' + QString::fromStdString(problem);
        context().showFailure(this, tr("Load"), tr("Part of \"%1\" could not be read:").arg(fromFileName(path)) + list);
    }
    return static_cast<bool>(outcome);
}

void CVorlan2Dlg::openGivenPath(const QString& given) {
    const std::string path = toFileName(given);
    // Told, not asked: a start or a drop goes on without a box to dismiss.
    const auto tell = [this, &given](const QString& why) {
        showStatus(tr("\"%1\" not opened: %2").arg(given.section(u'/', -1), why), kProblemNoteMilliseconds);
    };
    if (!hasShotExtension(path)) return tell(tr("not a shot file (.vxf)"));
    // Its folder and name are what the next Load and Save offer, whether or not it opens.
    const PathParts parts = splitAtLastSeparator(path);
    saveDirectory = parts.directory;
    saveFileName = parts.fileName;
    std::string bytes;
    if (const FileOutcome outcome = readRegularFile(path, bytes); !outcome)
        return tell(QString::fromStdString(outcome.reason()).toLower());
    if (!holdsShotLines(bytes)) return tell(tr("not a shot file"));
    if (readShotTelling(path, ShotReadMode::GivenPath, false)) showReadShot(path);
}

void CVorlan2Dlg::showReadShot(const std::string& path) {
    // The density shown was worked out for the shot that was on screen before.
    shot_.airDensityText.clear();
    shot_.seaLevelPercentText.clear();
    updateData(false);
    syncMuzzleAngleEdit();
    markShotSaved();
    // The fields show what the file holds; the check vorlan-cli makes says what cannot be flown.
    tellShotProblems(tr("Values Out of Bounds"),
                     tr("\"%1\" holds values outside their bounds; correct them before computing:")
                         .arg(fromFileName(path).section(u'/', -1)));
}

void CVorlan2Dlg::tellShotProblems(const QString& title, const QString& intro) {
    const std::vector<std::string> problems = shotProblems(shot_);
    if (problems.empty()) return;
    QString list;
    for (const std::string& problem : problems) list += u'\n' + QString::fromStdString(problem);
    context().showFailure(this, title, intro + list);
}

void CVorlan2Dlg::contextMenuEvent(QContextMenuEvent* event) {
    QMenu menu(this);
    menu.addAction(tr("Load"), this, &CVorlan2Dlg::onLoad);
    menu.addAction(tr("Save"), this, &CVorlan2Dlg::onSave);
    menu.addSeparator();
    const QString preferences = preferencesPath();
    addThemeAndLanguageMenus(
        menu, preferences,
        [this](const QString& title, const QString& text) { context().showNotice(this, title, text); },
        [this](const QString& title, const QString& text) { context().showFailure(this, title, text); });
    menu.addAction(tr("&Units..."), this, &CVorlan2Dlg::openUnits)->setObjectName(QStringLiteral("viewUnits"));
    menu.addSeparator();
    menu.addAction(tr("About Vorlan"), this, &CVorlan2Dlg::onAbout);
    menu.exec(event->globalPos());
}

void CVorlan2Dlg::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void CVorlan2Dlg::dropEvent(QDropEvent* event) {
    openDroppedFiles(event->mimeData()->urls());
    event->acceptProposedAction();
}

void CVorlan2Dlg::openDroppedFiles(const QList<QUrl>& urls) {
    if (urls.isEmpty()) return;
    // Only the first file of a drop is opened.
    const QString path = urls.constFirst().toLocalFile().left(3999);
    if (!path.isEmpty()) openGivenPath(path);
}

}  // namespace vorlan
