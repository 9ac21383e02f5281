#include "ui/common/OpenDialogs.h"

#include <algorithm>

namespace vorlan {

void OpenDialogs::add(QWidget* window) {
    if (!window) return;
    nodes_.push_back({window, window});
    connect(window, &QObject::destroyed, this, [this, window] { remove(window); });
}

void OpenDialogs::remove(QWidget* window) {
    const auto it = std::find_if(nodes_.begin(), nodes_.end(), [window](const Node& n) { return n.window == window; });
    if (it != nodes_.end()) nodes_.erase(it);
}

bool OpenDialogs::contains(const QWidget* window) const {
    return std::any_of(nodes_.begin(), nodes_.end(), [window](const Node& n) { return n.window == window; });
}

QList<QWidget*> OpenDialogs::oldestToNewest() const {
    QList<QWidget*> windows;
    for (const Node& node : nodes_)
        if (node.alive) windows.append(node.alive);
    return windows;
}

void OpenDialogs::closeAllExcept(QWidget* self) {
    while (!nodes_.empty()) {
        const Node node = nodes_.front();
        if (node.window == self || !node.alive) {
            nodes_.pop_front();
            continue;
        }
        node.alive->close();
        // A window that stayed open (or closed without being destroyed) must not hold the walk.
        remove(node.window);
    }
}

}  // namespace vorlan
