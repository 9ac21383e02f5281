#pragma once
// What the Library window shows and does, without the window: the loads of the library
// folder as a tree, rifle over its loads, and the changes to them, each told in one
// translated sentence. It follows the folder (QFileSystemWatcher), so a load saved by another
// window or program, or a file copied in, appears by itself. Files go through the library's
// own doors (shot/library): the safe reader and writer, the stamp of every file as it was
// read; a load is deleted to the desktop's trash, never unlinked.
//
//   folder -> listLibrary() -> items(): rifle rows -> load rows (columns below)
//   change -> ShotLibrary -> re-listed -> changed()

#include <QObject>
#include <QString>
#include <QStringList>
#include <optional>

#include "shot/chronograph/ChronoStats.h"
#include "shot/library/ShotLibrary.h"

class QFileSystemWatcher;
class QStandardItemModel;
class QTimer;
class QModelIndex;

namespace vorlan {

class LibraryModel : public QObject {
    Q_OBJECT
public:
    enum Column { Name, Caliber, Weight, Coefficient, Velocity, SightIn, Changed, ColumnCount };
    // The role the columns sort by: numbers as numbers, texts without regard to case.
    static constexpr int kSortRole = Qt::UserRole + 1;
    // The role of a load row's file name (a rifle row has none).
    static constexpr int kFileRole = Qt::UserRole + 2;

    explicit LibraryModel(const QString& folder, QObject* parent = nullptr);
    ~LibraryModel() override;

    QString folder() const;
    // Lists another folder and follows it instead.
    void setFolder(const QString& folder);
    // Reads the folder again (the watcher does so on its own after an outside change).
    void refresh();

    QStandardItemModel* items() const { return items_; }
    const LibraryListing& listing() const { return listing_; }
    // The load of a row of items() (any column), or of a file name; nullptr for a rifle row.
    const LibraryLoad* loadAt(const QModelIndex& index) const;
    const LibraryLoad* loadOfFile(const QString& file) const;
    QString pathOf(const LibraryLoad& load) const;
    // The rifles of the listed loads, sorted.
    QStringList rifles() const;
    // The unreadable files, one line each: "notes.vxf: it holds no shot-file line".
    QStringList unreadableLines() const;

    // Each change returns an empty text when done, else what went wrong; the file it made or
    // changed is in lastFile(). `shot` is saved under its rifle and name: over the load of the
    // same rifle and name when `replace` names it (with the stamp it was read with), else as
    // a new file.
    QString save(const ShotParameters& shot, const LibraryLoad* replace, const std::optional<FileStamp>& read);
    QString duplicate(const LibraryLoad& load);
    QString rename(const LibraryLoad& load, const QString& name);
    QString moveToRifle(const LibraryLoad& load, const QString& rifle);
    QString moveToTrash(const LibraryLoad& load);
    // A file ending in .a7p is another tool's profile, mapped onto a new load; the fields it
    // brings that have no place in a shot are kept in the load (for its export) and listed in
    // `unmapped`, one line each. Any other file is a shot file, copied as it is.
    QString importFile(const QString& path, QStringList* unmapped = nullptr);
    // A copy of the load at `path`: as a .a7p profile when the path ends so, else as it is.
    QString exportLoad(const LibraryLoad& load, const QString& path);
    // The load with a chronograph session's statistics: its "MV SD:" the SD and, with
    // `setVelocity`, its muzzle velocity the mean; saved over the load as it was listed.
    QString takeChronograph(const LibraryLoad& load, const ChronoStats& stats, bool setVelocity);
    QString lastFile() const { return lastFile_; }

    // The load of `rifle` and `name` (without regard to case), or nullptr.
    const LibraryLoad* loadNamed(const QString& rifle, const QString& name) const;

signals:
    // The listing was read again: the rows are new.
    void changed();

private:
    void rebuild();
    void watch();
    QString told(const ShotLibrary::Outcome& outcome, const QString& what);
    QString importProfile(const QString& path, QStringList* unmapped);
    QString exportProfile(const LibraryLoad& load, const QString& path);
    // A change refused before any file was touched: what was not done, and why.
    QString refused(const QString& what, const std::string& reason);

    ShotLibrary library_;
    LibraryListing listing_;
    QStandardItemModel* items_;
    QFileSystemWatcher* watcher_;
    QTimer* settle_;  // an outside change is read once its burst of events is over
    QString lastFile_;
};

// Whether a path names a .a7p profile (by its extension, in any case).
bool isProfilePath(const QString& path);

// The texts of a load's columns, as the window and its filter show them.
QString libraryColumnText(const LibraryLoad& load, int column);

}  // namespace vorlan
