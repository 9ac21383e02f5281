#pragma once
// A window's result made again once the typing pauses, or at once when it is asked for before
// the pause ends: the field card and the sight picture follow the keys without redrawing at
// every one.

#include <QObject>
#include <functional>

class QTimer;

namespace vorlan {

class TypingPause : public QObject {
public:
    static constexpr int kPauseMs = 250;  // after the last keystroke
    TypingPause(QObject* parent, std::function<void()> rebuild);
    // The result is stale: made again when the typing pauses.
    void typed();
    // The result is needed now: made at once if stale.
    void ask();
    // The result was just made: the pause ends.
    void made();

private:
    QTimer* timer_;
    std::function<void()> rebuild_;
    bool stale_ = true;
};

}  // namespace vorlan
