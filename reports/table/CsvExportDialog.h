#pragma once
// The small dialog of Export CSV: which rows (every recorded yard, or the printed rows only),
// whether to add the holds and in which click, and the units.

#include <QDialog>
#include <QString>

#include "reports/table/RangeTableCsv.h"

class QCheckBox;
class QComboBox;

namespace vorlan {

class CsvExportDialog : public QDialog {
    Q_OBJECT
public:
    // Opens on `initial`; the click list holds the common clicks and `initial.click`.
    CsvExportDialog(const CsvOptions& initial, QWidget* parent = nullptr);
    CsvOptions options() const;

private:
    CsvOptions initial_;
    QCheckBox* printedOnly_;
    QCheckBox* holds_;
    QComboBox* click_;
    QComboBox* units_;
};

// Shows the dialog modally; false when the user cancels, else `options` holds the choice.
bool askCsvOptionsWithDialog(QWidget* parent, CsvOptions& options);

}  // namespace vorlan
