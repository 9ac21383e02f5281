#include "reports/chartview/TrajectoryChartCommands.h"

#include <QAction>
#include <QActionGroup>
#include <QDate>
#include <QFile>
#include <QMainWindow>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>
#include <QStackedWidget>
#include <QToolBar>

#include "chart/ChartExport.h"
#include "chart/ChartPainter.h"
#include "reports/chartview/ChartDialogs.h"
#include "reports/chartview/TrajectoryChartView.h"
#include "shot/FileTitle.h"

namespace vorlan {
namespace {

constexpr QSize kExportSizeWhenHidden{1000, 600};

QString shotNames(const ChartScene& scene) {
    QStringList names;
    for (const ChartSeries& series : scene.series) names << QString::fromStdString(series.name);
    return names.join(QStringLiteral(" / "));
}

// The charts of the open table windows, in the order the windows were opened.
std::vector<QPointer<TrajectoryChartView>>& tableCharts() {
    static std::vector<QPointer<TrajectoryChartView>> charts;
    std::erase_if(charts, [](const QPointer<TrajectoryChartView>& chart) { return chart.isNull(); });
    return charts;
}

}  // namespace

TrajectoryChartCommands::TrajectoryChartCommands(QMainWindow& window, ChartSeries own)
    : QObject(&window), window_(window), stack_(new QStackedWidget), chart_(new TrajectoryChartView(std::move(own))) {
    QWidget* table = window.takeCentralWidget();
    stack_->addWidget(table);
    stack_->addWidget(chart_);
    window.setCentralWidget(stack_);
    tableCharts().emplace_back(chart_);

    QMenu* file = window.menuBar()->actions().isEmpty() ? nullptr : window.menuBar()->actions().first()->menu();
    if (file) {
        // Above Close and its separator, which end the menu.
        const QList<QAction*> items = file->actions();
        const qsizetype close = items.indexOf(window.findChild<QAction*>(QStringLiteral("fileClose")));
        QAction* before = close > 0 ? items[close - 1] : nullptr;
        file->insertSeparator(before);
        auto* exportChart = new QAction(tr("&Export Chart..."), file);
        connect(exportChart, &QAction::triggered, this, [this] { exportChartCommand(*chart_, &window_); });
        exportChart->setObjectName(QStringLiteral("fileExportChart"));
        file->insertAction(before, exportChart);
    }
    createActions(window.menuBar()->addMenu(tr("&View")));
}

void TrajectoryChartCommands::createActions(QMenu* view) {
    view->menuAction()->setObjectName(QStringLiteral("viewMenu"));
    auto* group = new QActionGroup(this);
    tableAction_ = view->addAction(tr("&Table"), this, &TrajectoryChartCommands::showTable);
    tableAction_->setObjectName(QStringLiteral("viewTable"));
    tableAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_1));
    chartAction_ = view->addAction(tr("&Chart"), this, &TrajectoryChartCommands::showChart);
    chartAction_->setObjectName(QStringLiteral("viewChart"));
    chartAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_2));
    for (QAction* action : {tableAction_, chartAction_}) {
        action->setCheckable(true);
        group->addAction(action);
    }
    tableAction_->setChecked(true);
    view->addSeparator();
    QAction* add = view->addAction(tr("&Add to Chart..."), this, &TrajectoryChartCommands::onAddToChart);
    add->setObjectName(QStringLiteral("viewAddToChart"));
    QAction* reset = view->addAction(tr("&Reset Zoom"), chart_, &TrajectoryChartView::resetView);
    reset->setObjectName(QStringLiteral("viewResetZoom"));

    QToolBar* toolbar = window_.addToolBar(tr("View"));
    toolbar->setObjectName(QStringLiteral("viewToolBar"));
    toolbar->setMovable(false);
    toolbar->addActions({tableAction_, chartAction_, add, reset});
}

bool TrajectoryChartCommands::chartShown() const { return stack_->currentWidget() == chart_; }

void TrajectoryChartCommands::showTable() {
    stack_->setCurrentIndex(0);
    tableAction_->setChecked(true);
    stack_->currentWidget()->setFocus();
}

void TrajectoryChartCommands::showChart() {
    stack_->setCurrentWidget(chart_);
    chartAction_->setChecked(true);
    chart_->setFocus();
}

void TrajectoryChartCommands::onAddToChart() {
    std::vector<TrajectoryChartView*> others;
    for (TrajectoryChartView* chart : tableCharts())
        if (chart != chart_) others.push_back(chart);
    QStringList names;
    for (const TrajectoryChartView* other : others) names << QString::fromStdString(other->scene().series.front().name);
    if (names.isEmpty()) {
        QMessageBox::information(&window_, tr("Add to Chart"), tr("Open the range table of another shot first."));
        return;
    }
    const QList<int> chosen = chartDialogs().chooseOverlays(&window_, names);
    for (int index : chosen)
        if (index >= 0 && index < static_cast<int>(others.size()))
            chart_->addOverlay(others[static_cast<std::size_t>(index)]->scene().series.front());
    if (!chosen.isEmpty()) showChart();
}

void exportChartCommand(TrajectoryChartView& chart, QWidget* parent) {
    static QString folder;  // the folder of the last export, offered again
    const QString initial =
        folder + QString::fromStdString(suggestedFileName(chart.scene().series.front().name)) + QStringLiteral(".png");
    const QString path = chartDialogs().askExportFileName(parent, initial);
    if (path.isEmpty()) return;
    folder = path.left(path.lastIndexOf(u'/') + 1);
    ChartScene scene = chart.scene();
    scene.cursorRange.reset();
    scene.title = shotNames(scene);
    const QSize size = chart.isVisible() && chart.width() >= 100 ? chart.size() : kExportSizeWhenHidden;
    QString error;
    const std::string fileName = QFile::encodeName(path).toStdString();
    if (chartFileFormat(fileName) == ChartFileFormat::Unknown)
        error = TrajectoryChartCommands::tr("Choose a file name ending in .png or .svg.");
    else if (exportChart(scene, fileName, size, error))
        return;
    QMessageBox::warning(
        parent, QStringLiteral("Vorlan"),
        TrajectoryChartCommands::tr("The chart could not be exported to \"%1\".\n%2").arg(path, error));
}

void printChart(const TrajectoryChartView& chart, QPrinter* printer) {
    ChartScene scene = chart.scene();
    scene.cursorRange.reset();
    scene.title = TrajectoryChartCommands::tr("Trajectory Chart - ") + shotNames(scene);
    scene.subtitle = QDate::currentDate().toString(Qt::ISODate);
    printer->setFullPage(false);
    QPainter painter;
    if (!painter.begin(printer)) return;
    QRectF page(QPointF(0, 0), printer->pageLayout().paintRectPixels(printer->resolution()).size());
    // On a portrait page the chart keeps the proportions of its window (16 by 10), at the top.
    constexpr double kTallest = 10.0 / 16.0;
    if (page.height() > page.width() * kTallest) page.setHeight(page.width() * kTallest);
    paintChart(painter, scene, page, printer->resolution() / 96.0);
}

QMainWindow* openChartWindow(std::vector<ChartSeries> series, QWidget* parent,
                             const std::function<void(QWidget*)>& place) {
    auto* window = new QMainWindow(parent);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setAttribute(Qt::WA_QuitOnClose, false);
    auto* chart = new TrajectoryChartView(std::move(series.front()), window);
    for (std::size_t i = 1; i < series.size(); ++i) chart->addOverlay(std::move(series[i]));
    window->setCentralWidget(chart);
    window->setWindowTitle(TrajectoryChartCommands::tr("Trajectory Chart - ") + shotNames(chart->scene()));
    QMenu* file = window->menuBar()->addMenu(TrajectoryChartCommands::tr("&File"));
    file->addAction(TrajectoryChartCommands::tr("&Export Chart..."), window,
                    [chart, window] { exportChartCommand(*chart, window); })
        ->setObjectName(QStringLiteral("fileExportChart"));
    auto* printer = new QPrinter(QPrinter::HighResolution);
    QObject::connect(window, &QObject::destroyed, [printer] { delete printer; });
    QAction* print =
        file->addAction(TrajectoryChartCommands::tr("&Print...\tCtrl+P"), window, [chart, window, printer] {
            QPrintDialog dialog(printer, window);
            dialog.setMinMax(1, 1);
            if (dialog.exec() == QDialog::Accepted) printChart(*chart, printer);
        });
    print->setObjectName(QStringLiteral("filePrint"));
    print->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    window->resize(900, 560);
    if (place) place(window);
    window->show();
    return window;
}

}  // namespace vorlan
