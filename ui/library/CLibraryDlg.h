#pragma once
// "Library": every rifle and load kept together. The loads of the library folder as a tree,
// rifle over its loads, with a filter over every text shown and columns that sort. Open
// (double click, Enter) loads a shot into the main dialog; Save Current Shot... stores the
// main dialog's shot under a rifle and name; Duplicate, Rename..., Move to Rifle..., Delete
// (to the trash), Export... (a shot file or a .a7p profile) and From Chronograph... (its
// velocity and "MV SD:") work on the selected load; Import... brings in a shot file or a
// .a7p profile. The window lays out and
// forwards; the listing and the changes are LibraryModel's.
//
//   LibraryModel::items() -> QSortFilterProxyModel (filter, sort) -> tree
//   command -> LibraryModel (a change) -> told in the status line or a box

#include <QPointer>
#include <functional>
#include <optional>

#include "ui/common/ThemedDialog.h"
#include "ui/library/LibraryModel.h"
#include "ui/library/LoadNamingDlg.h"

class QLabel;
class QLineEdit;
class QSortFilterProxyModel;
class QTreeView;

namespace vorlan {

class CColorBtn;
class LibraryWindowOwner;

class CLibraryDlg : public ThemedDialog {
    Q_OBJECT
public:
    // `owner`: the main dialog, or none (then Open and Save Current Shot are not offered).
    CLibraryDlg(AppContext& context, LibraryWindowOwner* owner, QWidget* parent = nullptr);

    LibraryModel& model() { return *model_; }
    QTreeView* tree() const { return tree_; }
    QSortFilterProxyModel* shown() const { return proxy_; }
    // The seam in front of the naming box, so that tests answer it.
    std::function<std::optional<LoadNaming>(QWidget*, const LoadNaming&)> askNaming = askLoadNaming;

    // The selected load; nullptr when a rifle or nothing is selected.
    const LibraryLoad* selectedLoad() const;
    // A copy of it, which a re-listing (while a box is open) leaves as it is.
    std::optional<LibraryLoad> selectedCopy() const;
    // Selects the load of file `file`, when it is shown.
    void selectFile(const QString& file);
    QString statusText() const;
    // The files of the folder that could not be read, with their reasons; empty when none.
    QString unreadableText() const;

    void onOpen();
    void onSaveCurrentShot();
    void onDuplicate();
    void onRename();
    void onMoveToRifle();
    void onDelete();
    void onImport();
    void onExport();
    void onFromChronograph();
    void onChooseFolder();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void buildControls();
    QWidget* buildCommands();
    void showListing();
    void enableCommands();
    // Tells the outcome of a change: a failure in a box, a success in the status line.
    void tell(const QString& failure, const QString& done);

    LibraryWindowOwner* owner_;
    LibraryModel* model_;
    QSortFilterProxyModel* proxy_ = nullptr;
    QTreeView* tree_ = nullptr;
    QLineEdit* filter_ = nullptr;
    QLabel* folder_ = nullptr;
    QLabel* status_ = nullptr;
    QLabel* unreadable_ = nullptr;
    QString selectedFile_;  // kept across a re-listing
    // The load last opened into the main dialog from here, as it was then: saving over it
    // compares the file with this.
    QString openedFile_;
    std::optional<FileStamp> openedStamp_;
};

// The folder the preferences file at `preferencesPath` keeps for the library (the default
// folder when it keeps none).
QString libraryFolderIn(const QString& preferencesPath);

}  // namespace vorlan
