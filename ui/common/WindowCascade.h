#pragma once
// Where the windows opened from the main dialog appear. All of them (tables, comparisons,
// charts, side calculations, help) cascade together: each new one sits a step down and away
// from the main dialog from the last one of any kind still open; the first sits beside the
// main dialog when the screen has room there, a little apart by kind, and every window stays
// on the screen; when the next step would leave the screen the cascade goes on from the room
// beside the dialog that no open window uses (the other side, on a large screen), and only
// without such room starts again over the windows already open.

#include <QList>
#include <QPoint>
#include <QPointer>
#include <QWidget>
#include <optional>

namespace vorlan {

class WindowCascade {
public:
    // `anchor`: the main dialog.
    explicit WindowCascade(QWidget& anchor) : anchor_(anchor) {}

    // Moves `window` (shown or not yet shown) to its place and makes it the last one. With no
    // other window open it starts beside the anchor, moved by `firstOffset` (away from it).
    void place(QWidget* window, QPoint firstOffset);

    static constexpr int kStep = 28;  // pixels down and right from one window to the next

private:
    QPoint firstPosition(QSize size, const QRect& screen, QPoint offset) const;
    // Right, then left of the anchor, where a window of `size` lies whole on the screen and
    // over no open window; nothing when neither side is free.
    std::optional<QPoint> freeBeside(QSize size, const QRect& screen, QPoint offset) const;
    // Whether an open window of the cascade lies over `place`.
    bool used(const QRect& place) const;
    struct Placed {
        QPointer<QWidget> window;
        QPoint at;  // where the cascade moved it
    };
    const Placed* lastOpen() const;
    bool takenPlace(QPoint position) const;

    QWidget& anchor_;
    QList<Placed> placed_;  // oldest first
};

// Gives `window` the first of its title, "title (2)", "title (3)"... that no other open
// window bears, so that two windows of the same shot can be told apart.
void giveDistinctTitle(QWidget* window);

}  // namespace vorlan
