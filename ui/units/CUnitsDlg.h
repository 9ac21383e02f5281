#pragma once
// "Units": the unit each quantity is shown and typed in, Imperial or Metric at a click and any
// mix by hand. OK hands the choice to the application (AppContext::units), which every open
// window follows, and keeps it in the preferences file.

#include <QList>

#include "shot/Units.h"
#include "ui/common/ThemedDialog.h"

class QComboBox;
class QRadioButton;

namespace vorlan {

class CUnitsDlg : public ThemedDialog {
    Q_OBJECT
public:
    CUnitsDlg(AppContext& context, QWidget* parent = nullptr);

    UnitChoice choice() const;
    // Shows `choice`: its unit in each list, and its preset checked when it is one.
    void showChoice(const UnitChoice& choice);
    QComboBox* unitList(Quantity quantity) const { return lists_[static_cast<int>(quantity)]; }

private:
    void buildControls();
    void markPreset();

    QList<QComboBox*> lists_;
    QRadioButton* imperial_ = nullptr;
    QRadioButton* metric_ = nullptr;
};

// Runs the Units dialog over `owner`; on OK the application takes the choice (every open
// window follows) and keeps it in the preferences file, telling a file that cannot be written.
void chooseUnits(AppContext& context, QWidget* owner, const QString& preferencesPath);

}  // namespace vorlan
