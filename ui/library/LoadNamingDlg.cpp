#include "ui/library/LoadNamingDlg.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>

#include "shot/TextShotKeys.h"

namespace vorlan {

namespace {
// The name's and the rifle's longest text, as the shot check holds them.
constexpr int kMostCharacters = 256;
}  // namespace

LoadNamingDlg::LoadNamingDlg(const LoadNaming& offered, QWidget* parent) : QDialog(parent), offered_(offered) {
    setWindowTitle(offered.title);
    auto* form = new QFormLayout(this);
    if (offered.ask != LoadNaming::Ask::Name) {
        rifle_ = new QComboBox(this);
        rifle_->setObjectName(QStringLiteral("rifle"));
        rifle_->setEditable(true);
        rifle_->addItems(offered.rifles);
        rifle_->setCurrentText(offered.rifle);
        rifle_->lineEdit()->setMaxLength(static_cast<int>(rifleKey().maxCharacters));
        rifle_->lineEdit()->setPlaceholderText(tr("(no rifle)"));
        rifle_->setMinimumWidth(320);
        form->addRow(tr("&Rifle:"), rifle_);
    }
    if (offered.ask != LoadNaming::Ask::Rifle) {
        name_ = new QLineEdit(offered.name, this);
        name_->setObjectName(QStringLiteral("name"));
        name_->setMaxLength(kMostCharacters);
        name_->setMinimumWidth(320);
        form->addRow(tr("&Name:"), name_);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    form->addRow(buttons);
}

LoadNaming LoadNamingDlg::answer() const {
    LoadNaming answer = offered_;
    if (rifle_) answer.rifle = rifle_->currentText().trimmed();
    if (name_) answer.name = name_->text().trimmed();
    return answer;
}

std::optional<LoadNaming> askLoadNaming(QWidget* owner, const LoadNaming& offered) {
    LoadNamingDlg box(offered, owner);
    if (box.exec() != QDialog::Accepted) return std::nullopt;
    return box.answer();
}

}  // namespace vorlan
