#pragma once
// "Dialog Color": three sliders that change the dialog colour of every open window while
// they move. Save keeps the colour shown; Revert and closing (however the chooser ends) go
// back to the colour kept last. The settings file receives the colour when the program ends.

#include <QColor>

#include "ui/common/ThemedDialog.h"

class QLabel;
class QSlider;

namespace vorlan {

class CColorBtn;

class CColorDlg : public ThemedDialog {
    Q_OBJECT
public:
    explicit CColorDlg(AppContext& context, QWidget* parent = nullptr);

    QSlider* slider(int component) const { return sliders_[component]; }  // 0 red, 1 green, 2 blue
    QLabel* valueText(int component) const { return values_[component]; }
    QColor savedColor() const { return saved_; }

    void onSave();
    void onRevert();
    void done(int result) override;

protected:
    void onInitDialog() override;
    void requestContextHelp() override;

private:
    void buildControls();
    void showColor(const QColor& color);
    void onSliderMoved();

    QSlider* sliders_[3];
    QLabel* values_[3];
    CColorBtn* save_;
    CColorBtn* revert_;
    QColor saved_;
};

}  // namespace vorlan
