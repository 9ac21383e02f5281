#include "ui/library/LibraryModel.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QFont>
#include <QStandardItemModel>
#include <QTimer>

#include "reports/common/FileNames.h"
#include "shot/CLocaleNumbers.h"
#include "shot/ShotCheck.h"
#include "shot/profiles/A7pFile.h"

namespace vorlan {

namespace {

QString fromText(const std::string& text) { return QString::fromStdString(text); }

constexpr int kSettleMilliseconds = 150;

QString rifleCaption(const std::string& rifle) {
    return rifle.empty() ? LibraryModel::tr("(no rifle)") : fromText(rifle);
}

QVariant sortKey(const LibraryLoad& load, int column) {
    switch (column) {
        case LibraryModel::Weight:
            return load.weight;
        case LibraryModel::Coefficient:
            return load.customDrag ? 0.0 : load.ballisticCoefficient;
        case LibraryModel::Velocity:
            return load.velocity;
        case LibraryModel::SightIn:
            return load.sightInRange;
        case LibraryModel::Changed:
            return qlonglong(load.stamp.modifiedNs);
        default:
            return libraryColumnText(load, column).toLower();
    }
}

QList<QStandardItem*> loadRow(const LibraryLoad& load) {
    QList<QStandardItem*> row;
    for (int column = 0; column < LibraryModel::ColumnCount; ++column) {
        auto* item = new QStandardItem(libraryColumnText(load, column));
        item->setData(sortKey(load, column), LibraryModel::kSortRole);
        item->setData(fromFileName(load.file), LibraryModel::kFileRole);
        item->setEditable(false);
        if (column != LibraryModel::Name) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        row << item;
    }
    row.front()->setToolTip(fromFileName(load.file));
    return row;
}

// A rifle's row: its name, bold, in the first column; it keeps its place by rifle, whatever
// column the loads are sorted by.
QList<QStandardItem*> rifleRow(const std::string& rifle) {
    QList<QStandardItem*> row;
    const QString key = rifle.empty() ? QStringLiteral("\uffff") : fromText(rifle).toLower();
    for (int column = 0; column < LibraryModel::ColumnCount; ++column) {
        auto* item = new QStandardItem(column == 0 ? rifleCaption(rifle) : QString());
        item->setData(key, LibraryModel::kSortRole);
        item->setEditable(false);
        row << item;
    }
    QFont bold = row.front()->font();
    bold.setBold(true);
    row.front()->setFont(bold);
    return row;
}

}  // namespace

QString libraryColumnText(const LibraryLoad& load, int column) {
    switch (column) {
        case LibraryModel::Name:
            return fromText(load.name);
        case LibraryModel::Caliber:
            return fromText(load.caliber);
        case LibraryModel::Weight:
            return fromText(cFormat("%.1f", load.weight));
        case LibraryModel::Coefficient:
            if (load.customDrag) return LibraryModel::tr("custom drag");
            return fromText(coefficientText(load)) + (load.bcBands ? LibraryModel::tr(" (bands)") : QString());
        case LibraryModel::Velocity:
            return fromText(cFormat("%.1f", load.velocity));
        case LibraryModel::SightIn:
            return fromText(cFormat("%.0f", load.sightInRange));
        case LibraryModel::Changed:
            return QDateTime::fromMSecsSinceEpoch(load.stamp.modifiedNs / 1000000)
                .toString(QStringLiteral("yyyy-MM-dd HH:mm"));
        default:
            return {};
    }
}

LibraryModel::LibraryModel(const QString& folder, QObject* parent)
    : QObject(parent),
      library_(toFileName(folder)),
      items_(new QStandardItemModel(this)),
      watcher_(new QFileSystemWatcher(this)),
      settle_(new QTimer(this)) {
    items_->setHorizontalHeaderLabels({tr("Name"), tr("Caliber"), tr("Weight (gr)"), tr("BC and Drag"),
                                       tr("Velocity (ft/s)"), tr("Sight-In (yd)"), tr("Last Changed")});
    settle_->setSingleShot(true);
    settle_->setInterval(kSettleMilliseconds);
    connect(watcher_, &QFileSystemWatcher::directoryChanged, settle_, qOverload<>(&QTimer::start));
    connect(watcher_, &QFileSystemWatcher::fileChanged, settle_, qOverload<>(&QTimer::start));
    connect(settle_, &QTimer::timeout, this, &LibraryModel::refresh);
    refresh();
}

LibraryModel::~LibraryModel() = default;

QString LibraryModel::folder() const { return fromFileName(library_.folder()); }

void LibraryModel::setFolder(const QString& folder) {
    if (!watcher_->directories().isEmpty()) watcher_->removePaths(watcher_->directories());
    if (!watcher_->files().isEmpty()) watcher_->removePaths(watcher_->files());
    library_ = ShotLibrary(toFileName(folder));
    refresh();
}

void LibraryModel::refresh() {
    listing_ = library_.list();
    rebuild();
    watch();
    emit changed();
}

void LibraryModel::watch() {
    // The folder is watched once it is there (the first save or import makes it) for files
    // that come and go, and each load for a change written in place.
    if (watcher_->directories().isEmpty() && QFileInfo(folder()).isDir()) watcher_->addPath(folder());
    QStringList files;
    for (const LibraryLoad& load : listing_.loads) files << pathOf(load);
    for (const UnreadableFile& file : listing_.unreadable) files << fromFileName(library_.pathOf(file.file));
    QStringList watched = watcher_->files();
    files.sort();
    watched.sort();
    if (watched == files) return;
    if (!watched.isEmpty()) watcher_->removePaths(watched);
    if (!files.isEmpty()) watcher_->addPaths(files);
}

void LibraryModel::rebuild() {
    items_->removeRows(0, items_->rowCount());
    QStandardItem* rifle = nullptr;
    const std::string* rifleName = nullptr;
    for (const LibraryLoad& load : listing_.loads) {
        // The listing is sorted by rifle without regard to case: one row a rifle, spelt as first seen.
        if (!rifleName || !equalsNoCase(*rifleName, load.rifle)) {
            rifleName = &load.rifle;
            const QList<QStandardItem*> row = rifleRow(load.rifle);
            items_->appendRow(row);
            rifle = row.front();
        }
        rifle->appendRow(loadRow(load));
    }
}

const LibraryLoad* LibraryModel::loadAt(const QModelIndex& index) const {
    return loadOfFile(index.siblingAtColumn(0).data(kFileRole).toString());
}

const LibraryLoad* LibraryModel::loadOfFile(const QString& file) const {
    if (file.isEmpty()) return nullptr;
    const std::string name = toFileName(file);
    for (const LibraryLoad& load : listing_.loads)
        if (load.file == name) return &load;
    return nullptr;
}

const LibraryLoad* LibraryModel::loadNamed(const QString& rifle, const QString& name) const {
    for (const LibraryLoad& load : listing_.loads)
        if (equalsNoCase(load.rifle, rifle.toStdString()) && equalsNoCase(load.name, name.toStdString())) return &load;
    return nullptr;
}

QString LibraryModel::pathOf(const LibraryLoad& load) const { return fromFileName(library_.pathOf(load.file)); }

QStringList LibraryModel::rifles() const {
    QStringList rifles;
    for (const LibraryLoad& load : listing_.loads)
        if (!load.rifle.empty() && !rifles.contains(fromText(load.rifle), Qt::CaseInsensitive))
            rifles << fromText(load.rifle);
    return rifles;
}

QStringList LibraryModel::unreadableLines() const {
    QStringList lines;
    for (const UnreadableFile& file : listing_.unreadable) {
        const QString reason = file.why == UnreadableFile::Why::NoShotLine ? tr("it holds no shot-file line")
                                                                           : fromText(unreadableReason(file));
        lines << tr("%1: %2").arg(fromFileName(file.file), reason);
    }
    return lines;
}

QString LibraryModel::told(const ShotLibrary::Outcome& outcome, const QString& what) {
    using Result = ShotLibrary::Outcome::Result;
    lastFile_ = fromFileName(outcome.fileName);
    refresh();
    switch (outcome.result) {
        case Result::Done:
            return {};
        case Result::ChangedSinceRead:
            return tr("%1: \"%2\" has changed since it was read (by another window or program). Nothing was "
                      "written; look at it again and repeat.")
                .arg(what, lastFile_);
        case Result::NotAShotFile:
            return tr("%1: the file is not a shot file (it holds no shot-file line).").arg(what);
        case Result::UnreadableLine:
            return tr("%1: %2").arg(what, fromText(outcome.problem));
        case Result::NotTrashed:
            return tr("%1: \"%2\" could not be moved to the trash (%3).")
                .arg(what, lastFile_, fromText(outcome.problem));
        case Result::FileFailed:
            break;
    }
    return tr("%1: %2").arg(what, fromText(outcome.file.reason()));
}

QString LibraryModel::save(const ShotParameters& shot, const LibraryLoad* replace,
                           const std::optional<FileStamp>& read) {
    const std::string file = replace ? replace->file : library_.freeFileName(shot.name);
    const std::optional<FileStamp> stamp = replace ? (read ? read : replace->stamp) : std::nullopt;
    return told(library_.save(file, shot, stamp), tr("Not saved"));
}

QString LibraryModel::duplicate(const LibraryLoad& load) {
    const LibraryLoad copy = load;  // the listing is read again before the outcome is told
    return told(library_.duplicate(copy), tr("Not duplicated"));
}

QString LibraryModel::rename(const LibraryLoad& load, const QString& name) {
    const LibraryLoad copy = load;
    return told(library_.rename(copy, name.toStdString()), tr("Not renamed"));
}

QString LibraryModel::moveToRifle(const LibraryLoad& load, const QString& rifle) {
    const LibraryLoad copy = load;
    return told(library_.moveToRifle(copy, rifle.toStdString()), tr("Not moved"));
}

QString LibraryModel::moveToTrash(const LibraryLoad& load) {
    const LibraryLoad copy = load;
    const auto desktopTrash = [](const std::string& path) {
        return QFile::moveToTrash(fromFileName(path)) ? std::string()
                                                      : tr("the desktop's trash did not take it").toStdString();
    };
    const QString told = this->told(library_.moveToTrash(copy, desktopTrash), tr("Not deleted"));
    lastFile_.clear();
    return told;
}

bool isProfilePath(const QString& path) { return path.endsWith(QStringLiteral(".a7p"), Qt::CaseInsensitive); }

QString LibraryModel::refused(const QString& what, const std::string& reason) {
    lastFile_.clear();
    return tr("%1: %2").arg(what, fromText(reason));
}

QString LibraryModel::importFile(const QString& path, QStringList* unmapped) {
    if (isProfilePath(path)) return importProfile(path, unmapped);
    return told(library_.importFile(toFileName(path)), tr("\"%1\" not imported").arg(QFileInfo(path).fileName()));
}

QString LibraryModel::importProfile(const QString& path, QStringList* unmapped) {
    const QString what = tr("\"%1\" not imported").arg(QFileInfo(path).fileName());
    const ProfileImport profile = importA7pFile(toFileName(path));
    if (!profile.error.empty()) return refused(what, profile.error);
    if (unmapped)
        for (const std::string& field : profile.unmapped) *unmapped << fromText(field);
    return told(library_.save(library_.freeFileName(profile.shot.name), profile.shot, std::nullopt), what);
}

QString LibraryModel::exportLoad(const LibraryLoad& load, const QString& path) {
    const LibraryLoad copy = load;
    if (isProfilePath(path)) return exportProfile(copy, path);
    return told(library_.exportLoad(copy, toFileName(path)), tr("Not exported"));
}

QString LibraryModel::exportProfile(const LibraryLoad& load, const QString& path) {
    ShotParameters shot;
    if (const ShotLibrary::Outcome read = library_.readLoad(load, shot); !read) return told(read, tr("Not exported"));
    if (const std::string error = exportA7pFile(shot, toFileName(path)); !error.empty())
        return refused(tr("Not exported"), error);
    lastFile_ = fromFileName(load.file);
    return {};
}

QString LibraryModel::takeChronograph(const LibraryLoad& load, const ChronoStats& stats, bool setVelocity) {
    const LibraryLoad copy = load;
    const QString what = tr("Not changed");
    ShotParameters shot;
    if (const ShotLibrary::Outcome read = library_.readLoad(copy, shot); !read) return told(read, what);
    const double velocity = shot.velocity;
    applyChronoStats(stats, shot);
    if (!setVelocity) shot.velocity = velocity;
    if (const std::string problem = shotProblem(shot); !problem.empty()) return refused(what, problem);
    return told(library_.save(copy.file, shot, copy.stamp), what);
}

}  // namespace vorlan
