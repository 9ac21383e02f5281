#pragma once
// The windows that share the dialog colour: the main dialog, the colour chooser and every
// side window. A window joins when it initialises and leaves when it is destroyed, whatever
// way it ends; the list never owns a window.

#include <QObject>
#include <QPointer>
#include <QWidget>
#include <list>

namespace vorlan {

class OpenDialogs : public QObject {
    Q_OBJECT
public:
    // Appends `window` as the newest entry; it leaves on its own when destroyed.
    void add(QWidget* window);
    // Removes the first entry that refers to `window`.
    void remove(QWidget* window);
    bool contains(const QWidget* window) const;
    int size() const { return static_cast<int>(nodes_.size()); }
    // The living windows, oldest first.
    QList<QWidget*> oldestToNewest() const;
    // Unlinks `self` and asks every other window to close, oldest first. A window that
    // refuses to close is unlinked all the same, so the walk always ends.
    void closeAllExcept(QWidget* self);

private:
    struct Node {
        QWidget* window;  // compared by address even after the object is gone
        QPointer<QWidget> alive;
    };
    std::list<Node> nodes_;
};

}  // namespace vorlan
