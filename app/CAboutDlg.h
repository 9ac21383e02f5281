#pragma once
// "About Vorlan": the program's name, version and maker. It takes the dialog colour once,
// when it opens, and keeps it.

#include "ui/common/ThemedDialog.h"

namespace vorlan {

class CAboutDlg : public ThemedDialog {
    Q_OBJECT
public:
    explicit CAboutDlg(AppContext& context, QWidget* parent = nullptr);

protected:
    QColor paintColor() const override { return color_; }
    void onInitDialog() override;

private:
    QColor color_;
};

}  // namespace vorlan
