#include "TrajectoryTable.h"

#include <QSaveFile>
#include <utility>

#include "TableText.h"

namespace vorlan {

TrajectoryTable::TrajectoryTable(std::vector<std::string> lines, std::string shotName, QString title)
    : lines_(std::move(lines)), shotName_(std::move(shotName)), title_(std::move(title)) {}

bool TrajectoryTable::save(const QString& path, QString& error) const {
    const std::string text = savedTableText(lines_);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        error = file.errorString();
        return false;
    }
    file.write(text.data(), static_cast<qint64>(text.size()));
    if (!file.commit()) {
        error = file.errorString();
        return false;
    }
    return true;
}

}  // namespace vorlan
