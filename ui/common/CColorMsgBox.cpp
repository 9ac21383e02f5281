#include "ui/common/CColorMsgBox.h"

#include <QBitmap>
#include <QLabel>
#include <QPainter>

#include "ui/common/CColorBtn.h"
#include "ui/common/ContextHelp.h"
#include "ui/common/ControlIds.h"

namespace vorlan {

namespace {

constexpr int kOkWidth = 75;
constexpr int kOkHeight = 26;
constexpr int kIconSize = 32;
constexpr int kMargin = 12;
constexpr int kDesignedHeight = 118;

// Bitmap 155 drawn stretched over the control, its white letting the dialog colour through.
class MessageIcon : public QWidget {
public:
    explicit MessageIcon(QWidget* parent) : QWidget(parent) {
        picture_ = QPixmap(QStringLiteral(":/bitmaps/bitmap155.png"));
        if (!picture_.isNull()) picture_.setMask(picture_.createMaskFromColor(Qt::white));
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawPixmap(rect(), picture_);
    }

private:
    QPixmap picture_;
};

}  // namespace

CColorMsgBox::CColorMsgBox(AppContext& context, const QString& message, QWidget* owner)
    : ThemedDialog(context, MessageBoxIds::kTemplate, owner, false),
      text_(new QLabel(message, this)),
      icon_(new MessageIcon(this)),
      ok_(new CColorBtn(tr("OK"), this)) {
    setWindowTitle(tr("Invalid Entry"));
    setControlId(text_, MessageBoxIds::kText);
    setControlId(icon_, MessageBoxIds::kIcon);
    setControlId(ok_, 1);
    text_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    text_->setWordWrap(true);
    text_->setTextFormat(Qt::PlainText);
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    ok_->setDefault(true);  // Enter presses OK, as Space and Escape end the box
    initDialog();
}

QString CColorMsgBox::message() const { return text_->text(); }

void CColorMsgBox::onInitDialog() {
    applyDialogColor();
    placeControls();
    ok_->setFocus();
}

void CColorMsgBox::placeControls() {
    // A short message would cut the title ("Inv... try"): the box is then as wide as its title.
    const int width = qMax(widthFor(text_->text()), widthForTitle());
    const int textLeft = kMargin + kIconSize + kMargin;
    const int textWidth = qMax(width - textLeft - 8, 40);
    const int textHeight = qMax(text_->heightForWidth(textWidth), kIconSize);
    const int height = qMax(kDesignedHeight, kMargin + textHeight + 2 * kMargin + kOkHeight);
    setFixedSize(width, height);
    icon_->setGeometry(kMargin, kMargin + (textHeight - kIconSize) / 2, kIconSize, kIconSize);
    text_->setGeometry(textLeft, kMargin, textWidth, textHeight);
    // The button keeps its width and is centred: both halves rounded toward zero.
    ok_->setGeometry(width / 2 - kOkWidth / 2, height - kMargin - kOkHeight, kOkWidth, kOkHeight);
    if (QWidget* owner = parentWidget()) {
        const QPoint centre = owner->mapToGlobal(owner->rect().center());
        move(centre.x() - width / 2, centre.y() - height / 2);
    }
}

}  // namespace vorlan
