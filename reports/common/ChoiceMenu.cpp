#include "reports/common/ChoiceMenu.h"

#include <QActionGroup>
#include <QMenu>

namespace vorlan {

QMenu* addChoiceMenu(QMenu& parent, const QString& title, const QString& objectName, const QList<MenuChoice>& choices,
                     std::function<QVariant()> current, std::function<void(const QVariant& value)> choose) {
    QMenu* menu = parent.addMenu(title);
    menu->menuAction()->setObjectName(objectName);
    auto* group = new QActionGroup(menu);
    for (const MenuChoice& choice : choices) {
        QAction* action = menu->addAction(choice.caption);
        action->setObjectName(choice.objectName);
        action->setCheckable(true);
        action->setData(choice.value);
        group->addAction(action);
        QObject::connect(action, &QAction::triggered, menu, [choose, value = choice.value] { choose(value); });
    }
    const auto mark = [group, current] {
        const QVariant now = current();
        for (QAction* action : group->actions()) action->setChecked(action->data() == now);
    };
    mark();
    QObject::connect(menu, &QMenu::aboutToShow, menu, mark);
    return menu;
}

}  // namespace vorlan
