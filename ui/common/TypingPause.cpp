#include "ui/common/TypingPause.h"

#include <QTimer>

namespace vorlan {

TypingPause::TypingPause(QObject* parent, std::function<void()> rebuild)
    : QObject(parent), timer_(new QTimer(this)), rebuild_(std::move(rebuild)) {
    timer_->setSingleShot(true);
    timer_->setInterval(kPauseMs);
    connect(timer_, &QTimer::timeout, this, [this] { rebuild_(); });
}

void TypingPause::typed() {
    stale_ = true;
    timer_->start();
}

void TypingPause::ask() {
    if (stale_) rebuild_();
}

void TypingPause::made() {
    timer_->stop();
    stale_ = false;
}

}  // namespace vorlan
