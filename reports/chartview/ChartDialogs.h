#pragma once
// The modal boxes of the chart, behind a seam so tests can answer them without a modal loop.
// The defaults show a real file dialog and a list of the open table windows.

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

class QWidget;

namespace vorlan {

struct ChartDialogs {
    // Asks for the PNG or SVG file to export the chart to; empty when cancelled.
    std::function<QString(QWidget* parent, const QString& initialPath)> askExportFileName;
    // Lets the user pick shots to lay over the chart; the indexes chosen in `names`.
    std::function<QList<int>(QWidget* parent, const QStringList& names)> chooseOverlays;
};

ChartDialogs standardChartDialogs();

// The boxes in use, one set for the process; tests replace members and restore them.
ChartDialogs& chartDialogs();

}  // namespace vorlan
