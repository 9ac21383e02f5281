#include "ui/common/CColorBtn.h"

#include <QBitmap>
#include <QPainter>
#include <QStyleOptionButton>

namespace vorlan {

CColorBtn::CColorBtn(const QString& caption, QWidget* parent) : QPushButton(caption, parent) {
    // Enter in a Vorlan dialog never presses a button by itself.
    setAutoDefault(false);
    setDefault(false);
}

void CColorBtn::setFillColor(const QColor& color) {
    fill_ = color;
    update();
}

void CColorBtn::setBitmap(const QString& resourcePath, int margin) {
    margin_ = margin;
    bitmap_ = QPixmap();
    if (!resourcePath.isEmpty()) {
        QPixmap picture(resourcePath);
        if (!picture.isNull()) {
            picture.setMask(picture.createMaskFromColor(Qt::white));
            bitmap_ = picture;
        }
    }
    update();
}

QSize CColorBtn::sizeHint() const {
    const QSize hint = QPushButton::sizeHint();
    return {qMax(hint.width(), 96), qMax(hint.height(), 30)};
}

void CColorBtn::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const bool pressed = isDown() || isChecked();
    QStyleOptionButton frame;
    initStyleOption(&frame);
    frame.state = (frame.state & ~(QStyle::State_Sunken | QStyle::State_Raised)) |
                  (pressed ? QStyle::State_Sunken : QStyle::State_Raised);
    style()->drawControl(QStyle::CE_PushButtonBevel, &frame, &painter, this);

    QRect inside = rect().adjusted(2, 2, -2, -2);
    painter.fillRect(inside, isEnabled() ? fill_ : fill_.lighter(110));
    if (!bitmap_.isNull()) {
        painter.drawPixmap(inside.adjusted(margin_, margin_, -margin_, -margin_), bitmap_);
    } else {
        // The caption moves by a pixel while the button is held down.
        if (pressed) inside.adjust(0, 0, 2, 2);
        painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
        style()->drawItemText(&painter, inside, Qt::AlignCenter | Qt::TextShowMnemonic, palette(), isEnabled(), text());
    }
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = rect().adjusted(4, 4, -4, -4);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}

}  // namespace vorlan
