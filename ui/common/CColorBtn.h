#pragma once
// The push button of every Vorlan dialog: a raised (or, while pressed, sunken) frame filled
// with the dialog colour, showing either its caption centred or a bitmap whose white parts
// let the dialog colour through.

#include <QColor>
#include <QPixmap>
#include <QPushButton>

namespace vorlan {

class CColorBtn : public QPushButton {
    Q_OBJECT
public:
    explicit CColorBtn(const QString& caption, QWidget* parent = nullptr);

    void setFillColor(const QColor& color);
    QColor fillColor() const { return fill_; }
    // Shows the bitmap at `resourcePath` (white transparent) inset by `margin` pixels
    // instead of the caption; an empty path goes back to the caption.
    void setBitmap(const QString& resourcePath, int margin);
    bool hasBitmap() const { return !bitmap_.isNull(); }
    int margin() const { return margin_; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor fill_{195, 190, 228};
    QPixmap bitmap_;
    int margin_ = 0;
};

}  // namespace vorlan
