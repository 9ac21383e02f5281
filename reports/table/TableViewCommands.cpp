#include "reports/table/TableViewCommands.h"

#include <QActionGroup>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <algorithm>

#include "reports/chartview/TrajectoryChartCommands.h"
#include "reports/chartview/TrajectoryChartView.h"
#include "reports/common/ShownUnits.h"
#include "reports/table/TableDialogs.h"
#include "reports/table/TrajectoryTable.h"
#include "reports/table/TrajectoryTableScrollView.h"
#include "reports/table/TrajectoryWindow.h"
#include "shot/FileTitle.h"
#include "shot/PreferencesFile.h"
#include "shot/ScopeProfile.h"

namespace vorlan {
namespace {

constexpr std::string_view kHoldsKey = "Table/Holds";
constexpr std::string_view kUnitsKey = "Table/Units";
constexpr std::string_view kClickKey = "Table/Click";

std::string unitsText(UnitSystem units) { return units == UnitSystem::Metric ? "Metric" : "Imperial"; }

}  // namespace

TableView loadTableViewPreferences(const QString& path) {
    TableView view;
    std::string text;
    if (path.isEmpty() || !readRegularFile(QFile::encodeName(path).toStdString(), text)) return view;
    view.holds = preferenceValue(text, kHoldsKey) == "true";
    view.units =
        preferenceValue(text, kUnitsKey) == unitsText(UnitSystem::Metric) ? UnitSystem::Metric : UnitSystem::Imperial;
    view.click = parseClickValue(preferenceValue(text, kClickKey).value_or("")).value_or(view.click);
    return view;
}

FileOutcome saveTableViewPreferences(const QString& path, const TableView& view) {
    if (path.isEmpty()) return {};
    return writePreferences(QFile::encodeName(path).toStdString(), {{kHoldsKey, view.holds ? "true" : "false"},
                                                                    {kUnitsKey, unitsText(view.units)},
                                                                    {kClickKey, clickValueText(view.click)}});
}

TableView openingTableView(const TableView& remembered, const ScopeProfile& scope) {
    TableView view = remembered;
    const ScopeProfile defaults;
    if (scope.click != defaults.click) view.click = scope.click;
    if (scope.unitSystem != defaults.unitSystem) view.units = scope.unitSystem;
    return view;
}

TableViewCommands::TableViewCommands(TrajectoryWindow& window, QMenu& view, ShotParameters shot,
                                     std::shared_ptr<const RangeTableReport> report, QString preferencesPath)
    : QObject(&window),
      window_(window),
      shot_(std::move(shot)),
      report_(std::move(report)),
      preferencesPath_(std::move(preferencesPath)) {
    createActions(view);
    show(openingTableView(loadTableViewPreferences(preferencesPath_), shot_.scope));
}

void TableViewCommands::createActions(QMenu& view) {
    view.addSeparator();
    holds_ = view.addAction(tr("&Holds"), this, [this](bool on) {
        TableView next = current_;
        next.holds = on;
        setView(next);
    });
    holds_->setObjectName(QStringLiteral("viewHolds"));
    holds_->setCheckable(true);
    holds_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_H));

    QMenu* units = unitsMenu_ = view.addMenu(tr("&Units"));
    auto* unitGroup = new QActionGroup(this);
    const auto addUnits = [&](const QString& text, const char* name, UnitSystem system) {
        QAction* action = units->addAction(text, this, [this, system] {
            TableView next = current_;
            next.units = system;
            setView(next);
        });
        action->setObjectName(QLatin1String(name));
        action->setCheckable(true);
        unitGroup->addAction(action);
        return action;
    };
    imperial_ = addUnits(tr("&Imperial"), "viewImperial", UnitSystem::Imperial);
    metric_ = addUnits(tr("&Metric"), "viewMetric", UnitSystem::Metric);

    QMenu* clickMenu = view.addMenu(tr("Click &Value"));
    auto* clickGroup = new QActionGroup(this);
    std::vector<ClickValue> values(standardClickValues().begin(), standardClickValues().end());
    if (std::find(values.begin(), values.end(), shot_.scope.click) == values.end()) values.push_back(shot_.scope.click);
    for (const ClickValue click : values) {
        QAction* action = clickMenu->addAction(QString::fromStdString(clickValueLabel(click)), this, [this, click] {
            TableView next = current_;
            next.click = click;
            setView(next);
        });
        action->setObjectName(QStringLiteral("viewClick ") + QString::fromStdString(clickValueText(click)));
        action->setCheckable(true);
        clickGroup->addAction(action);
        clicks_.emplace_back(action, click);
    }
}

void TableViewCommands::followUnits(ShownUnits& units, std::function<void()> openUnits) {
    unitsMenu_->addSeparator();
    unitsMenu_->addAction(tr("&Units..."), this, std::move(openUnits))
        ->setObjectName(QStringLiteral("viewUnitsChoice"));
    // A shot's own scope profile names the units its tables speak.
    if (shot_.scope.unitSystem != ScopeProfile().unitSystem) return;
    const auto follow = [this, &units] {
        TableView next = current_;
        next.units = units.choice().system();
        if (!(next == current_)) show(next);
    };
    follow();
    connect(&units, &ShownUnits::changed, this, follow);
}

void TableViewCommands::setShot(ShotParameters shot, std::shared_ptr<const RangeTableReport> report) {
    shot_ = std::move(shot);
    report_ = std::move(report);
    show(current_);
}

void TableViewCommands::setView(const TableView& view) {
    show(view);
    const FileOutcome saved = saveTableViewPreferences(preferencesPath_, current_);
    if (!saved)
        tableDialogs().showFileError(&window_, tr("Preferences Not Saved"),
                                     tr("The table's view could not be saved to \"%1\".\n%2")
                                         .arg(preferencesPath_, QString::fromStdString(saved.reason())));
}

void TableViewCommands::show(const TableView& view) {
    current_ = view;
    checkActions();
    if (TrajectoryChartCommands* chart = window_.chartCommands()) chart->chart()->setUnits(view.units);
    window_.showEndNote(QString::fromStdString(tableEndNote(shot_, *report_, kChosenWords, view.units)));
    if (view.isDesigned()) {
        window_.view()->showLines(window_.document().lines(), window_.document().screenLines());
        lines_.clear();
        screenLines_.clear();
        return;
    }
    // The view may point at the old lines; it is given the new ones before anything paints.
    lines_ = rangeTableViewLines(shot_, *report_, view);
    screenLines_ =
        language().empty() ? std::vector<std::string>() : rangeTableViewLines(shot_, *report_, view, kChosenWords);
    window_.view()->showLines(lines_, screenLines_);
}

void TableViewCommands::checkActions() {
    holds_->setChecked(current_.holds);
    (current_.units == UnitSystem::Metric ? metric_ : imperial_)->setChecked(true);
    for (const auto& [action, click] : clicks_) action->setChecked(click == current_.click);
}

void TableViewCommands::exportCsv() {
    static QString folder;  // the folder of the last export, offered again
    CsvOptions options;
    options.holds = current_.holds;
    options.click = current_.click;
    options.units = current_.units;
    TableDialogs& dialogs = tableDialogs();
    if (!dialogs.askCsvOptions(&window_, options)) return;
    const QString path =
        dialogs.askCsvFileName(&window_, folder + QString::fromStdString(suggestedFileName(shot_.name)) + ".csv");
    if (path.isEmpty()) return;
    folder = path.left(path.lastIndexOf(u'/') + 1);
    const FileOutcome outcome = writeRangeTableCsv(QFile::encodeName(path).toStdString(), *report_, options);
    if (outcome) return;
    dialogs.showFileError(&window_, QStringLiteral("Vorlan"),
                          tr("The range table could not be exported to \"%1\".\n%2")
                              .arg(QDir::toNativeSeparators(path), QString::fromStdString(outcome.reason())));
}

}  // namespace vorlan
