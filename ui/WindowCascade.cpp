#include "ui/WindowCascade.h"

#include <QScreen>
#include <algorithm>

namespace vorlan {
namespace {

constexpr int kGap = 8;              // between the main dialog and the first window beside it
constexpr int kTitleAllowance = 32;  // the frame a window manager adds above a new window

QSize frameSize(const QWidget* window) {
    if (window->isVisible()) return window->frameGeometry().size();
    const QSize size = window->size().expandedTo(window->sizeHint());
    return {size.width(), size.height() + kTitleAllowance};
}

// Whether a window at `position` stays on the screen: all of it, or, when it is larger than
// half the screen, that half.
bool fitsOn(const QRect& area, QPoint position, QSize size) {
    const int width = std::min(size.width(), area.width() / 2);
    const int height = std::min(size.height(), area.height() / 2);
    return area.contains(QRect(position, QSize(width, height)));
}

// The position moved as little as needed to bring the window onto the screen; a window larger
// than the screen keeps its top left corner on it.
QPoint onScreen(const QRect& area, QPoint position, QSize size) {
    return {std::clamp(position.x(), area.left(), std::max(area.left(), area.right() + 1 - size.width())),
            std::clamp(position.y(), area.top(), std::max(area.top(), area.bottom() + 1 - size.height()))};
}

}  // namespace

void WindowCascade::place(QWidget* window) {
    const QScreen* screen = anchor_.screen();
    const QRect area = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    const QSize size = frameSize(window);
    const bool follows = last_ && last_->isVisible();
    QPoint position = follows ? last_->pos() + QPoint(kStep, kStep) : firstPosition(size, area);
    // Past the screen's edge the cascade starts again, never exactly on the last window.
    if (!fitsOn(area, position, size)) position = onScreen(area, firstPosition(size, area), size);
    if (follows && position == last_->pos()) position = onScreen(area, position + QPoint(0, kStep), size);
    window->move(position);
    last_ = window;
}

// Beside the main dialog, right or else left, where its fields stay in view; without room on
// either side, against the screen's edge on the roomier side.
QPoint WindowCascade::firstPosition(QSize size, const QRect& screen) const {
    const QRect dialog = anchor_.frameGeometry();
    const int top = dialog.top() + offset_.y();
    const int right = dialog.right() + kGap + offset_.x();
    const int left = dialog.left() - kGap - size.width() - offset_.x();
    if (right + size.width() <= screen.right()) return {right, top};
    if (left >= screen.left()) return {left, top};
    const bool roomierRight = screen.right() - dialog.right() >= dialog.left() - screen.left();
    return {roomierRight ? screen.right() + 1 - size.width() - offset_.x() : screen.left() + offset_.x(), top};
}

}  // namespace vorlan
