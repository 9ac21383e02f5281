#include "reports/table/TrajectoryWindow.h"

#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMenuBar>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QShortcut>
#include <QStatusBar>
#include <utility>

#include "reports/chartview/ReportChartSeries.h"
#include "reports/chartview/TrajectoryChartCommands.h"
#include "reports/chartview/TrajectoryChartView.h"
#include "reports/common/Language.h"
#include "reports/common/ShownUnits.h"
#include "reports/table/RangeTable.h"
#include "reports/table/TableDialogs.h"
#include "reports/table/TableText.h"
#include "reports/table/TableViewCommands.h"
#include "reports/table/TableWindowOwner.h"
#include "reports/table/TrajectoryTable.h"
#include "reports/table/TrajectoryTableScrollView.h"
#include "shot/FileTitle.h"

namespace vorlan {
namespace {

// One printer set-up for all table windows, as long as any of them is open, so Print Setup
// in one window applies to printing from the others.
std::shared_ptr<QPrinter> sharedTablePrinter() {
    static std::weak_ptr<QPrinter> shared;
    std::shared_ptr<QPrinter> printer = shared.lock();
    if (!printer) {
        printer = std::make_shared<QPrinter>(QPrinter::HighResolution);
        shared = printer;
    }
    return printer;
}

}  // namespace

TrajectoryWindow::TrajectoryWindow(std::unique_ptr<TrajectoryTable> table, TableWindowOwner& owner, QWidget* parent)
    : QMainWindow(parent),
      table_(std::move(table)),
      owner_(owner),
      view_(new TrajectoryTableScrollView(*table_, this)) {
    setAttribute(Qt::WA_DeleteOnClose);
    // Closing a table window never ends the program.
    setAttribute(Qt::WA_QuitOnClose, false);
    setWindowTitle(table_->title());
    setCentralWidget(view_);
    setIcons();
    createMenu();
    auto* help = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(help, &QShortcut::activated, this, [this] { owner_.showRangeTableHelp(); });
}

TrajectoryWindow::~TrajectoryWindow() { owner_.tableWindowDestroyed(this); }

QPrintPreviewDialog* TrajectoryWindow::previewDialog() const { return preview_; }

void TrajectoryWindow::createMenu() {
    QMenu* file = menuBar()->addMenu(tr("&File"));
    QAction* saveAs = file->addAction(tr("&Save As ..."), this, &TrajectoryWindow::onFileSaveAs);
    saveAs->setObjectName(QStringLiteral("fileSaveAs"));
    file->addSeparator();
    QAction* print = file->addAction(tr("&Print...\tCtrl+P"), this, &TrajectoryWindow::onFilePrint);
    print->setObjectName(QStringLiteral("filePrint"));
    print->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    QAction* preview = file->addAction(tr("Print Pre&view"), this, &TrajectoryWindow::onFilePrintPreview);
    preview->setObjectName(QStringLiteral("filePrintPreview"));
    QAction* setup = file->addAction(tr("P&rint Setup..."), this, &TrajectoryWindow::onFilePrintSetup);
    setup->setObjectName(QStringLiteral("filePrintSetup"));
    if (!language().empty()) {
        // The printed report keeps its designed English unless the shooter prints as shown.
        QAction* spoken = file->addAction(tr("Print in the Chosen Lan&guage"));
        spoken->setObjectName(QStringLiteral("filePrintInLanguage"));
        spoken->setCheckable(true);
        connect(spoken, &QAction::toggled, this, [this](bool on) { view_->setPrintSpoken(on); });
    }
    file->addSeparator();
    exportCsv_ = file->addAction(tr("E&xport CSV..."), this, [this] {
        if (views_) views_->exportCsv();
    });
    exportCsv_->setObjectName(QStringLiteral("fileExportCsv"));
    exportCsv_->setEnabled(false);
    fieldCard_ = file->addAction(tr("Field C&ard..."), this, [this] {
        if (views_) owner_.openFieldCard(views_->shot(), views_->current().units);
    });
    fieldCard_->setObjectName(QStringLiteral("fileFieldCard"));
    fieldCard_->setEnabled(false);
    hitProbability_ = file->addAction(tr("&Hit Probability..."), this, [this] {
        if (views_) owner_.openHitProbability(views_->shot(), *this);
    });
    hitProbability_->setObjectName(QStringLiteral("fileHitProbability"));
    hitProbability_->setEnabled(false);
    QAction* truing = file->addAction(tr("&Truing..."), this, [this] { owner_.openTruing(*this); });
    truing->setObjectName(QStringLiteral("fileTruing"));
    QAction* library = file->addAction(tr("&Library..."), this, [this] { owner_.openLibrary(); });
    library->setObjectName(QStringLiteral("fileLibrary"));
    file->addSeparator();
    // Ctrl+W as in every window with a File menu; Escape as in the program's other windows.
    QAction* close = file->addAction(tr("&Close\tCtrl+W"), this, &QWidget::close);
    close->setObjectName(QStringLiteral("fileClose"));
    close->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_W), QKeySequence(Qt::Key_Escape)});

    // Copy works on the table view; the chart has Export Chart.
    QMenu* edit = menuBar()->addMenu(tr("&Edit"));
    QAction* copy = edit->addAction(tr("&Copy\tCtrl+C"), this, [this] { view_->copy(); });
    copy->setObjectName(QStringLiteral("editCopy"));
    copy->setShortcut(QKeySequence::Copy);
    QAction* copyText = edit->addAction(tr("Copy as &Text\tCtrl+Shift+C"), this, [this] { view_->copy(true); });
    copyText->setObjectName(QStringLiteral("editCopyText"));
    copyText->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    edit->addSeparator();
    QAction* all = edit->addAction(tr("Select &All\tCtrl+A"), view_, &TrajectoryTableScrollView::selectAll);
    all->setObjectName(QStringLiteral("editSelectAll"));
}

// Icons 131 (small) and 132 (large) come from the program's resources; a window opened
// without them, as in the report library's own tests, keeps the default icon.
void TrajectoryWindow::setIcons() {
    QIcon icon;
    const std::pair<const char*, int> icons[] = {{"icon131", 16}, {"icon132", 32}};
    for (const auto& [name, size] : icons) {
        for (const char* suffix : {".svg", ".png"}) {
            const QString path = QStringLiteral(":/icons/") + QLatin1String(name) + QLatin1String(suffix);
            if (!QFile::exists(path)) continue;
            icon.addFile(path, QSize(size, size));
            break;
        }
    }
    if (!icon.isNull()) setWindowIcon(icon);
}

QString TrajectoryWindow::askSavePath(const QString& initialPath) {
    // A name without a title (".txt", or a folder only) asks again; any other name is saved
    // with the extension, whatever dots it holds (".308 Win").
    static constexpr std::string_view kExtension = ".txt";
    for (;;) {
        const QString path = tableDialogs().askSaveFileName(this, initialPath);
        if (path.isEmpty()) return path;
        const std::string chosen = QFile::encodeName(path).toStdString();
        if (!fileTitle(chosen, kExtension).empty())
            return QFile::decodeName(QByteArray::fromStdString(withExtension(chosen, kExtension)));
    }
}

void TrajectoryWindow::onFileSaveAs() {
    QString& directory = owner_.saveRangeTableDirectory();
    const QString path = askSavePath(directory + QString::fromStdString(suggestedFileName(table_->shotName())));
    if (path.isEmpty()) return;
    // The folder is remembered with its trailing separator, even when the save then fails.
    directory = path.left(path.size() - QFileInfo(path).fileName().size());
    QString error;
    // The view as shown: the designed table, or the holds or metric layout.
    if (saveTableLines(view_->lines(), path, error)) return;
    tableDialogs().showFileError(
        this, QStringLiteral("Vorlan"),
        tr("The range table could not be saved to \"%1\".\n%2").arg(QDir::toNativeSeparators(path), error));
}

void TrajectoryWindow::onFilePrint() {
    if (!printer_) printer_ = sharedTablePrinter();
    QPrintDialog dialog(printer_.get(), this);
    const bool chart = chart_ && chart_->chartShown();
    dialog.setMinMax(1, chart ? 1 : tablePageCount(view_->lines().size()));
    if (dialog.exec() == QDialog::Accepted) printShown(printer_.get());
}

void TrajectoryWindow::printShown(QPrinter* printer) {
    if (chart_ && chart_->chartShown())
        printChart(*chart_->chart(), printer);
    else
        view_->print(printer);
}

void TrajectoryWindow::addChart(ChartSeries own) {
    if (!chart_) chart_ = new TrajectoryChartCommands(*this, std::move(own));
}

void TrajectoryWindow::addViews(ShotParameters shot, std::shared_ptr<const RangeTableReport> report) {
    if (views_) return;
    // One View menu: the chart's, when the window has a chart.
    QMenu* view = nullptr;
    if (auto* menuAction = findChild<QAction*>(QStringLiteral("viewMenu"))) view = menuAction->menu();
    if (!view) {
        view = menuBar()->addMenu(tr("&View"));
        view->menuAction()->setObjectName(QStringLiteral("viewMenu"));
    }
    views_ = new TableViewCommands(*this, *view, std::move(shot), std::move(report), owner_.preferencesPath());
    if (ShownUnits* units = owner_.shownUnits()) views_->followUnits(*units, [this] { owner_.openUnits(); });
    view->addSeparator();
    QAction* sight = view->addAction(tr("Sight &Picture..."), this,
                                     [this] { owner_.openSightPicture(views_->shot(), views_->current().units); });
    sight->setObjectName(QStringLiteral("viewSightPicture"));
    view->addSeparator();
    const QString preferences = owner_.preferencesPath();
    addThemeAndLanguageMenus(
        *view, preferences,
        [this](const QString& title, const QString& text) { tableDialogs().showNotice(this, title, text); },
        [this](const QString& title, const QString& text) { tableDialogs().showFileError(this, title, text); });
    exportCsv_->setEnabled(true);
    fieldCard_->setEnabled(true);
    hitProbability_->setEnabled(true);
}

void TrajectoryWindow::showEndNote(const QString& text) {
    auto* note = findChild<QLabel*>(QStringLiteral("tableEndNote"));
    if (!note && text.isEmpty()) return;
    if (!note) {
        note = new QLabel(this);
        note->setObjectName(QStringLiteral("tableEndNote"));
        statusBar()->addWidget(note);
    }
    note->setText(text);
    note->setVisible(!text.isEmpty());
}

void TrajectoryWindow::shotChanged(const ShotParameters& shot) {
    if (!views_) return;
    auto report = std::make_shared<const RangeTableReport>(shot);
    table_ = std::make_unique<TrajectoryTable>(rangeTableLines(shot, *report), shot.name, table_->title());
    if (chart_) {
        chart_->chart()->setOwn(chartSeries(shot, *report));
        chart_->chart()->countHitsOf(shot);
    }
    views_->setShot(shot, std::move(report));
}

void TrajectoryWindow::onFilePrintPreview() {
    if (preview_) {
        preview_->raise();
        preview_->activateWindow();
        return;
    }
    if (!printer_) printer_ = sharedTablePrinter();
    // The preview shows every page, whatever range the last print asked for.
    printer_->setPrintRange(QPrinter::AllPages);
    // Not modal, so that closing this window can end the preview.
    preview_ = new QPrintPreviewDialog(printer_.get(), this);
    preview_->setWindowTitle(tr("Print Preview - ") + table_->title());
    connect(preview_, &QPrintPreviewDialog::paintRequested, this, &TrajectoryWindow::printShown);
    connect(preview_, &QDialog::finished, preview_, &QObject::deleteLater);
    connect(preview_, &QDialog::finished, this, [this] { preview_.clear(); });
    preview_->show();
}

void TrajectoryWindow::onFilePrintSetup() {
    if (!printer_) printer_ = sharedTablePrinter();
    QPageSetupDialog dialog(printer_.get(), this);
    dialog.exec();
}

void TrajectoryWindow::closeEvent(QCloseEvent* event) {
    if (preview_) {
        preview_->reject();
        event->ignore();
        return;
    }
    QMainWindow::closeEvent(event);
}

TrajectoryWindow* openTrajectoryWindow(TableWindowOwner& owner, std::vector<std::string> lines,
                                       const std::string& shotName, QWidget* parent, std::optional<ChartSeries> chart,
                                       std::vector<std::string> screenLines) {
    // The window's title in the chosen language: "Trajectory Table - " and the shot's name in English.
    const QString title = TrajectoryWindow::tr("Trajectory Table - %1").arg(QString::fromStdString(shotName));
    auto table = std::make_unique<TrajectoryTable>(std::move(lines), shotName, title, std::move(screenLines));
    auto* window = new TrajectoryWindow(std::move(table), owner, parent);
    if (chart) window->addChart(std::move(*chart));
    owner.placeTableWindow(window);  // before it is shown, where window managers honour it
    window->show();
    return window;
}

TrajectoryWindow* openTrajectoryWindow(TableWindowOwner& owner, const ShotParameters& shot,
                                       std::shared_ptr<const RangeTableReport> report, QWidget* parent,
                                       std::optional<ChartSeries> chart) {
    std::vector<std::string> screenLines;
    if (!language().empty()) screenLines = rangeTableLines(shot, *report, kChosenWords);
    TrajectoryWindow* window = openTrajectoryWindow(owner, rangeTableLines(shot, *report), shot.name, parent,
                                                    std::move(chart), std::move(screenLines));
    window->addViews(shot, std::move(report));
    if (TrajectoryChartCommands* commands = window->chartCommands()) commands->chart()->countHitsOf(shot);
    return window;
}

}  // namespace vorlan
