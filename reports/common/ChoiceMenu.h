#pragma once
// A submenu of exclusive choices, such as the theme or the language: one checkable action per
// choice in one group. The mark follows the current choice each time the menu opens, since
// another window may have changed it since the menu was made.

#include <QList>
#include <QString>
#include <QVariant>
#include <functional>

class QMenu;

namespace vorlan {

struct MenuChoice {
    QString caption;
    QString objectName;
    QVariant value;
};

QMenu* addChoiceMenu(QMenu& parent, const QString& title, const QString& objectName, const QList<MenuChoice>& choices,
                     std::function<QVariant()> current, std::function<void(const QVariant& value)> choose);

}  // namespace vorlan
