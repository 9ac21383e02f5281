#include "ui/common/WindowCascade.h"

#include <QApplication>
#include <QScreen>
#include <QStringList>
#include <algorithm>
#include <optional>

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

void giveDistinctTitle(QWidget* window) {
    QStringList taken;
    for (const QWidget* other : QApplication::topLevelWidgets())
        if (other != window && other->isVisible()) taken << other->windowTitle();
    const QString title = window->windowTitle();
    if (!taken.contains(title)) return;
    for (int n = 2;; ++n) {
        const QString numbered = QStringLiteral("%1 (%2)").arg(title).arg(n);
        if (!taken.contains(numbered)) return window->setWindowTitle(numbered);
    }
}

bool WindowCascade::takenPlace(QPoint position) const {
    return std::any_of(placed_.begin(), placed_.end(),
                       [&](const Placed& p) { return p.window && p.window->isVisible() && p.at == position; });
}

const WindowCascade::Placed* WindowCascade::lastOpen() const {
    for (auto it = placed_.rbegin(); it != placed_.rend(); ++it)
        if (it->window && it->window->isVisible()) return &*it;
    return nullptr;
}

void WindowCascade::place(QWidget* window, QPoint firstOffset) {
    const QScreen* screen = anchor_.screen();
    const QRect area = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    const QSize size = frameSize(window);
    // Where the cascade put the windows, not where a window manager reports them a moment
    // later, frame and all.
    const Placed* last = lastOpen();
    const QRect dialog = anchor_.frameGeometry();
    QPoint position = firstPosition(size, area, firstOffset);
    if (last) {
        // Down, and away from the main dialog: to the right of it, or to the left of one on its left.
        const bool leftOfDialog = last->at.x() + last->window->width() / 2 < dialog.center().x();
        position = last->at + QPoint(leftOfDialog ? -kStep : kStep, kStep);
    }
    // Past the screen's edge: the room beside the dialog that no open window uses, else the
    // cascade starts again, never exactly on a window still open.
    if (!fitsOn(area, position, size)) {
        if (const std::optional<QPoint> free = freeBeside(size, area, firstOffset)) {
            position = *free;
        } else {
            position = onScreen(area, firstPosition(size, area, firstOffset), size);
            for (int tries = 0; tries < 20 && takenPlace(position); ++tries)
                position = onScreen(area, position + QPoint(0, kStep), size);
        }
    }
    window->move(position);
    placed_.removeIf([](const Placed& p) { return p.window.isNull() || !p.window->isVisible(); });
    placed_.append({window, position});
}

std::optional<QPoint> WindowCascade::freeBeside(QSize size, const QRect& screen, QPoint offset) const {
    const QRect dialog = anchor_.frameGeometry();
    const int top = dialog.top() + offset.y();
    for (const QPoint at : {QPoint(dialog.right() + kGap + offset.x(), top),
                            QPoint(dialog.left() - kGap - size.width() - offset.x(), top)}) {
        if (screen.contains(QRect(at, size)) && !used(QRect(at, size))) return at;
    }
    return std::nullopt;
}

bool WindowCascade::used(const QRect& place) const {
    return std::any_of(placed_.begin(), placed_.end(), [&](const Placed& p) {
        return p.window && p.window->isVisible() && QRect(p.at, frameSize(p.window)).intersects(place);
    });
}

// Beside the main dialog, right or else left, where its fields stay in view; without room on
// either side, against the screen's edge on the side no open window uses, else the roomier.
QPoint WindowCascade::firstPosition(QSize size, const QRect& screen, QPoint offset) const {
    const QRect dialog = anchor_.frameGeometry();
    const int top = dialog.top() + offset.y();
    const int right = dialog.right() + kGap + offset.x();
    const int left = dialog.left() - kGap - size.width() - offset.x();
    if (right + size.width() <= screen.right()) return {right, top};
    if (left >= screen.left()) return {left, top};
    const QPoint atRight(screen.right() + 1 - size.width() - offset.x(), top);
    const QPoint atLeft(screen.left() + offset.x(), top);
    const bool rightUsed = used(QRect(atRight, size));
    if (rightUsed != used(QRect(atLeft, size))) return rightUsed ? atLeft : atRight;
    return screen.right() - dialog.right() >= dialog.left() - screen.left() ? atRight : atLeft;
}

}  // namespace vorlan
