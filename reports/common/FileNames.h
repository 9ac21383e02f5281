#pragma once
// Paths between Qt's strings and the bytes the file system and the Qt-free layers take, in
// the locale's file-name encoding both ways.

#include <QByteArray>
#include <QFile>
#include <QString>
#include <string>

namespace vorlan {

inline std::string toFileName(const QString& path) { return QFile::encodeName(path).toStdString(); }
inline QString fromFileName(const std::string& path) { return QFile::decodeName(QByteArray::fromStdString(path)); }

}  // namespace vorlan
