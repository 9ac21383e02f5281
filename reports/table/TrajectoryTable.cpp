#include "reports/table/TrajectoryTable.h"

#include <QFile>
#include <utility>

#include "reports/table/TableText.h"
#include "shot/SafeFile.h"

namespace vorlan {

TrajectoryTable::TrajectoryTable(std::vector<std::string> lines, std::string shotName, QString title,
                                 std::vector<std::string> screenLines)
    : lines_(std::move(lines)),
      screenLines_(std::move(screenLines)),
      shotName_(std::move(shotName)),
      title_(std::move(title)) {}

bool TrajectoryTable::save(const QString& path, QString& error) const { return saveTableLines(lines_, path, error); }

bool saveTableLines(const std::vector<std::string>& lines, const QString& path, QString& error) {
    // The program's own safe replace, as for shot files: every write and the rename are
    // checked, and permissions, links and read-only files are kept.
    const FileOutcome outcome = writeFileAtomically(QFile::encodeName(path).toStdString(), savedTableText(lines));
    if (!outcome) error = QString::fromStdString(outcome.reason());
    return static_cast<bool>(outcome);
}

}  // namespace vorlan
