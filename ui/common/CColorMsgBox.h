#pragma once
// "Invalid Entry": the coloured box in which the field checks report. Its width follows the
// message (6 pixels a character plus 28, but never narrower than its title needs), its OK
// button is centred, and it sits centred
// over its owner. It is not one of the open windows that a colour change repaints.

#include "ui/common/ThemedDialog.h"

class QLabel;

namespace vorlan {

class CColorBtn;

class CColorMsgBox : public ThemedDialog {
    Q_OBJECT
public:
    CColorMsgBox(AppContext& context, const QString& message, QWidget* owner = nullptr);

    QString message() const;
    CColorBtn* okButton() const { return ok_; }

    static int widthFor(const QString& message) { return 6 * static_cast<int>(message.size()) + 28; }

protected:
    void onInitDialog() override;

private:
    void placeControls();

    QLabel* text_;
    QWidget* icon_;
    CColorBtn* ok_;
};

}  // namespace vorlan
