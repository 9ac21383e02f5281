#pragma once
// The modal boxes of a range table window, behind a seam so tests can answer them without a
// modal loop. The defaults show the real QFileDialog and QMessageBox.

#include <QString>
#include <functional>

#include "reports/table/RangeTableCsv.h"

class QWidget;

namespace vorlan {

struct TableDialogs {
    // Asks for the file to save a table to, starting at `initialPath`; empty when cancelled.
    std::function<QString(QWidget* parent, const QString& initialPath)> askSaveFileName;
    // Export CSV: the rows, holds and units (false when cancelled), then the file to write.
    std::function<bool(QWidget* parent, CsvOptions& options)> askCsvOptions;
    std::function<QString(QWidget* parent, const QString& initialPath)> askCsvFileName;
    // Export of a field card: the file to write (.pdf, .svg or .png); empty when cancelled.
    std::function<QString(QWidget* parent, const QString& initialPath)> askCardFileName;
    // Tells the user that a file could not be written.
    std::function<void(QWidget* parent, const QString& title, const QString& message)> showFileError;
    // Tells the user something worth knowing that went right.
    std::function<void(QWidget* parent, const QString& title, const QString& message)> showNotice;
};

// The boxes the real program shows.
TableDialogs standardTableDialogs();

// The boxes in use, one set for the process; tests replace members and restore them.
TableDialogs& tableDialogs();

}  // namespace vorlan
