#include "ui/library/CLibraryDlg.h"

#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <QTreeView>
#include <QVBoxLayout>
#include <algorithm>

#include "reports/common/FileNames.h"
#include "shot/PreferencesFile.h"
#include "shot/ShotCheck.h"
#include "ui/common/CColorBtn.h"
#include "ui/common/ControlIds.h"
#include "ui/library/LibraryWindowOwner.h"

namespace vorlan {

using namespace LibraryIds;

namespace {

constexpr int kLeastNameWidth = 220;  // pixels: a load's name and its rifle's stay readable

}  // namespace

QString libraryFolderIn(const QString& preferencesPath) {
    std::string text;
    if (!preferencesPath.isEmpty()) readRegularFile(toFileName(preferencesPath), text);
    return QFile::decodeName(QByteArray::fromStdString(libraryFolder(text)));
}

CLibraryDlg::CLibraryDlg(AppContext& context, LibraryWindowOwner* owner, QWidget* parent)
    : ThemedDialog(context, kTemplate, parent),
      owner_(owner),
      model_(new LibraryModel(libraryFolderIn(owner ? owner->preferencesPath() : QString()), this)) {
    setWindowTitle(tr("Library"));
    setWindowFlag(Qt::Window);
    setAttribute(Qt::WA_DeleteOnClose);
    buildControls();
    connect(model_, &LibraryModel::changed, this, &CLibraryDlg::showListing);
    showListing();
    resize(1080, 540);
}

void CLibraryDlg::buildControls() {
    folder_ = new QLabel(this);
    setControlId(folder_, kFolder);
    folder_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* chooseFolder = new CColorBtn(tr("&Folder..."), this);
    setControlId(chooseFolder, kChooseFolder);
    chooseFolder->setAutoDefault(false);
    connect(chooseFolder, &QPushButton::clicked, this, &CLibraryDlg::onChooseFolder);
    filter_ = new QLineEdit(this);
    setControlId(filter_, kFilter);
    filter_->setPlaceholderText(tr("Filter: any text shown"));
    filter_->setClearButtonEnabled(true);
    auto* filterLabel = new QLabel(tr("Fil&ter:"), this);
    filterLabel->setBuddy(filter_);
    auto* top = new QHBoxLayout;
    top->addWidget(filterLabel);
    top->addWidget(filter_, 1);
    top->addWidget(folder_);
    top->addWidget(chooseFolder);

    proxy_ = new QSortFilterProxyModel(this);
    proxy_->setSourceModel(model_->items());
    proxy_->setSortRole(LibraryModel::kSortRole);
    proxy_->setFilterKeyColumn(-1);
    proxy_->setFilterCaseSensitivity(Qt::CaseInsensitive);
    proxy_->setRecursiveFilteringEnabled(true);  // a load that matches keeps its rifle shown
    proxy_->setAutoAcceptChildRows(true);        // a rifle that matches shows all its loads
    connect(filter_, &QLineEdit::textChanged, proxy_, &QSortFilterProxyModel::setFilterFixedString);
    connect(filter_, &QLineEdit::textChanged, this, [this] { tree_->expandAll(); });

    tree_ = new QTreeView(this);
    setControlId(tree_, kTree);
    tree_->setModel(proxy_);
    tree_->setSortingEnabled(true);
    tree_->sortByColumn(LibraryModel::Name, Qt::AscendingOrder);
    tree_->setSelectionMode(QAbstractItemView::SingleSelection);
    tree_->setUniformRowHeights(true);
    connect(tree_, &QTreeView::activated, this, [this] {
        if (selectedLoad()) onOpen();
    });
    connect(tree_->selectionModel(), &QItemSelectionModel::currentChanged, this, [this](const QModelIndex& index) {
        const QString file = index.siblingAtColumn(0).data(LibraryModel::kFileRole).toString();
        if (!file.isEmpty() || index.isValid()) selectedFile_ = file;
        enableCommands();
    });

    status_ = new QLabel(this);
    setControlId(status_, kStatus);
    status_->setWordWrap(true);
    unreadable_ = new QLabel(this);
    unreadable_->setObjectName(QStringLiteral("unreadable"));
    unreadable_->setWordWrap(true);
    auto* left = new QVBoxLayout;
    left->addLayout(top);
    left->addWidget(tree_, 1);
    left->addWidget(unreadable_);
    left->addWidget(status_);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addWidget(buildCommands());
}

QWidget* CLibraryDlg::buildCommands() {
    auto* box = new QWidget(this);
    auto* column = new QVBoxLayout(box);
    column->setContentsMargins(0, 0, 0, 0);
    using D = CLibraryDlg;
    const struct {
        int id;
        QString caption;
        void (D::*slot)();
    } commands[] = {
        {kOpen, tr("&Open"), &D::onOpen},
        {kSaveCurrent, tr("&Save Current Shot..."), &D::onSaveCurrentShot},
        {kDuplicate, tr("&Duplicate"), &D::onDuplicate},
        {kRename, tr("&Rename..."), &D::onRename},
        {kMoveToRifle, tr("&Move to Rifle..."), &D::onMoveToRifle},
        {kDelete, tr("De&lete"), &D::onDelete},
        {kImport, tr("&Import..."), &D::onImport},
        {kExport, tr("&Export..."), &D::onExport},
        {kFromChronograph, tr("From C&hronograph..."), &D::onFromChronograph},
        {kClose, tr("&Close"), nullptr},
    };
    for (const auto& c : commands) {
        auto* button = new CColorBtn(c.caption, box);
        setControlId(button, c.id);
        button->setAutoDefault(false);  // Enter opens the selected load
        button->setMinimumSize(150, 30);
        if (c.slot)
            connect(button, &QPushButton::clicked, this, [this, slot = c.slot] { (this->*slot)(); });
        else
            connect(button, &QPushButton::clicked, this, &QWidget::close);
        if (c.id == kClose) column->addStretch();
        column->addWidget(button);
    }
    return box;
}

void CLibraryDlg::showListing() {
    folder_->setText(model_->folder());
    folder_->setToolTip(model_->folder());
    tree_->expandAll();
    for (int column = 0; column < LibraryModel::ColumnCount; ++column) tree_->resizeColumnToContents(column);
    tree_->setColumnWidth(LibraryModel::Name, std::max(tree_->columnWidth(LibraryModel::Name), kLeastNameWidth));
    if (!selectedFile_.isEmpty()) selectFile(selectedFile_);
    const QStringList unreadable = model_->unreadableLines();
    unreadable_->setText(unreadable.isEmpty() ? QString()
                                              : tr("%n file(s) could not be read: %1", nullptr, int(unreadable.size()))
                                                    .arg(unreadable.join(QStringLiteral("; "))));
    unreadable_->setVisible(!unreadable.isEmpty());
    enableCommands();
}

void CLibraryDlg::enableCommands() {
    const bool load = selectedLoad() != nullptr;
    for (const int id : {kDuplicate, kRename, kMoveToRifle, kDelete, kExport, kFromChronograph})
        control(id)->setEnabled(load);
    control(kOpen)->setEnabled(load && owner_);
    control(kSaveCurrent)->setEnabled(owner_ != nullptr);
}

const LibraryLoad* CLibraryDlg::selectedLoad() const { return model_->loadAt(tree_->currentIndex()); }

std::optional<LibraryLoad> CLibraryDlg::selectedCopy() const {
    const LibraryLoad* load = selectedLoad();
    return load ? std::optional<LibraryLoad>(*load) : std::nullopt;
}

void CLibraryDlg::selectFile(const QString& file) {
    const QModelIndexList found =
        proxy_->match(proxy_->index(0, 0), LibraryModel::kFileRole, file, 1, Qt::MatchExactly | Qt::MatchRecursive);
    if (found.isEmpty()) return;
    tree_->setCurrentIndex(found.front());
    tree_->scrollTo(found.front());
}

QString CLibraryDlg::statusText() const { return status_->text(); }

QString CLibraryDlg::unreadableText() const { return unreadable_->text(); }

void CLibraryDlg::tell(const QString& failure, const QString& done) {
    if (failure.isEmpty()) {
        status_->setText(done);
        selectedFile_ = model_->lastFile().isEmpty() ? selectedFile_ : model_->lastFile();
        selectFile(selectedFile_);
        return;
    }
    status_->setText(failure);
    context().showFailure(this, tr("Library"), failure);
}

void CLibraryDlg::keyPressEvent(QKeyEvent* event) {
    // Enter never closes the window: in the tree it opens the load (the tree's activated), and
    // the tree passes the key on as well.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) return;
    ThemedDialog::keyPressEvent(event);
}

}  // namespace vorlan
