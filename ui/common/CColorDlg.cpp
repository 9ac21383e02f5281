#include "ui/common/CColorDlg.h"

#include <QCursor>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QSlider>

#include "shot/CLocaleNumbers.h"
#include "ui/common/CColorBtn.h"
#include "ui/common/ContextHelp.h"
#include "ui/common/ControlIds.h"

namespace vorlan {

using namespace ColorChooserIds;

namespace {
constexpr int kSliderIds[3] = {kRedSlider, kGreenSlider, kBlueSlider};
constexpr int kValueIds[3] = {kRedValue, kGreenValue, kBlueValue};
constexpr int kLabelIds[3] = {kRedLabel, kGreenLabel, kBlueLabel};
const char* const kLabels[3] = {QT_TRANSLATE_NOOP("vorlan::CColorDlg", "Red"),
                                QT_TRANSLATE_NOOP("vorlan::CColorDlg", "Green"),
                                QT_TRANSLATE_NOOP("vorlan::CColorDlg", "Blue")};
}  // namespace

CColorDlg::CColorDlg(AppContext& context, QWidget* parent) : ThemedDialog(context, kTemplate, parent) {
    setWindowTitle(tr("Dialog Color"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, true);
    buildControls();
}

void CColorDlg::buildControls() {
    auto* grid = new QGridLayout;
    for (int i = 0; i < 3; ++i) {
        auto* label = new QLabel(tr(kLabels[i]), this);
        sliders_[i] = new QSlider(Qt::Horizontal, this);
        sliders_[i]->setRange(0, 255);
        sliders_[i]->setMinimumWidth(200);
        values_[i] = new QLabel(this);
        values_[i]->setMinimumWidth(values_[i]->fontMetrics().horizontalAdvance(QStringLiteral("0000")));
        values_[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        setControlId(label, kLabelIds[i]);
        setControlId(sliders_[i], kSliderIds[i]);
        setControlId(values_[i], kValueIds[i]);
        grid->addWidget(label, i, 0);
        grid->addWidget(sliders_[i], i, 1);
        grid->addWidget(values_[i], i, 2);
        connect(sliders_[i], &QSlider::valueChanged, this, &CColorDlg::onSliderMoved);
    }
    save_ = new CColorBtn(tr("Save"), this);
    revert_ = new CColorBtn(tr("Revert"), this);
    setControlId(save_, kSaveButton);
    setControlId(revert_, kRevertButton);
    connect(save_, &QPushButton::clicked, this, &CColorDlg::onSave);
    connect(revert_, &QPushButton::clicked, this, &CColorDlg::onRevert);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(save_);
    buttons->addWidget(revert_);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 18, 18, 14);
    layout->setSpacing(14);
    layout->addLayout(grid);
    layout->addLayout(buttons);
}

void CColorDlg::onInitDialog() {
    joinOpenDialogs();
    saved_ = context().dialogColor;
    showColor(saved_);
    applyDialogColor();
}

void CColorDlg::showColor(const QColor& color) {
    const int components[3] = {color.red(), color.green(), color.blue()};
    for (int i = 0; i < 3; ++i) {
        const QSignalBlocker quiet(sliders_[i]);
        sliders_[i]->setValue(components[i]);
        values_[i]->setText(QString::fromStdString(cFormat("%3d", components[i])));
    }
}

void CColorDlg::onSliderMoved() {
    const QColor color(sliders_[0]->value(), sliders_[1]->value(), sliders_[2]->value());
    for (int i = 0; i < 3; ++i) values_[i]->setText(QString::fromStdString(cFormat("%3d", sliders_[i]->value())));
    context().dialogColor = color;
    context().refreshAllWindows();
}

void CColorDlg::onSave() {
    saved_ = context().dialogColor;
    context().refreshAllWindows();
}

void CColorDlg::onRevert() {
    context().dialogColor = saved_;
    showColor(saved_);
    context().refreshAllWindows();
}

void CColorDlg::done(int result) {
    // Closing in any way undoes a colour that was not saved.
    onRevert();
    leaveOpenDialogs();
    ThemedDialog::done(result);
}

void CColorDlg::requestContextHelp() {
    // The chooser answers its own help requests with the pop-up of the control under the pointer.
    if (!context().help) return;
    const QPoint pointer = QCursor::pos();
    context().help->showPopup(controlHelpIdAt(this, pointer, helpId()), pointer);
}

}  // namespace vorlan
