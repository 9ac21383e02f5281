#pragma once
// Where the windows opened from the main dialog appear. Windows of one kind (tables,
// comparisons, side calculations) cascade: each new one sits a step down and right of the
// last one still open, beside the main dialog when the screen has room there, and always on
// the screen; when the next step would leave the screen the cascade starts again.

#include <QPoint>
#include <QPointer>
#include <QWidget>

namespace vorlan {

class WindowCascade {
public:
    // `anchor`: the main dialog; `offset`: where this kind starts relative to the others, so
    // that two kinds never open exactly on top of each other.
    WindowCascade(QWidget& anchor, QPoint offset) : anchor_(anchor), offset_(offset) {}

    // Moves `window` (shown or not yet shown) to its place and makes it the last of its kind.
    void place(QWidget* window);

    static constexpr int kStep = 28;  // pixels down and right from one window to the next

private:
    QPoint firstPosition(QSize size, const QRect& screen) const;

    QWidget& anchor_;
    QPoint offset_;
    QPointer<QWidget> last_;
};

}  // namespace vorlan
