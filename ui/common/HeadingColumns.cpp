#include "ui/common/HeadingColumns.h"

#include <QHeaderView>
#include <QScrollBar>
#include <QTableWidget>
#include <algorithm>

namespace vorlan {

void fitColumnsToHeadings(QTableWidget& table, int lastColumnWidth) {
    QHeaderView& header = *table.horizontalHeader();
    const int last = table.columnCount() - 1;
    if (last < 0) return;
    header.setSectionResizeMode(QHeaderView::ResizeToContents);
    // The last one's long cells are cut short rather than widening the table past its place.
    header.setSectionResizeMode(last, QHeaderView::Stretch);
    int wanted = 2 * table.frameWidth() + table.verticalScrollBar()->sizeHint().width();
    for (int column = 0; column < last; ++column) wanted += header.sectionSizeHint(column);
    table.setMinimumWidth(wanted + std::max(lastColumnWidth, header.sectionSizeHint(last)));
}

}  // namespace vorlan
