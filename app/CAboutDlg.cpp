#include "app/CAboutDlg.h"

#include <QGridLayout>
#include <QLabel>

#include "ui/common/CColorBtn.h"
#include "ui/common/ContextHelp.h"
#include "ui/common/ControlIds.h"

namespace vorlan {

CAboutDlg::CAboutDlg(AppContext& context, QWidget* parent)
    : ThemedDialog(context, AboutIds::kTemplate, parent, false), color_(context.dialogColor) {
    setWindowTitle(tr("About Vorlan"));
    auto* icon = new QLabel(this);
    icon->setPixmap(QPixmap(QStringLiteral(":/icons/icon132.png")));
    icon->setFixedSize(32, 32);
    auto* version = new QLabel(tr("Vorlan Version %1").arg(QStringLiteral(VORLAN_VERSION)), this);
    QFont bold = version->font();
    bold.setBold(true);
    version->setFont(bold);
    auto* description = new QLabel(tr("Exterior ballistics and range tables for small arms and airguns"), this);
    auto* maker = new QLabel(tr("Copyright (C) 2026 the Vorlan developers"), this);
    auto* ok = new CColorBtn(tr("OK"), this);
    setControlId(ok, 1);
    ok->setFixedSize(75, 28);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    ok->setDefault(true);  // Enter presses OK

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(22, 18, 18, 18);
    grid->setHorizontalSpacing(18);
    grid->setVerticalSpacing(8);
    grid->addWidget(icon, 0, 0, 3, 1, Qt::AlignTop);
    grid->addWidget(version, 0, 1);
    grid->addWidget(ok, 0, 2, Qt::AlignTop | Qt::AlignRight);
    grid->addWidget(description, 1, 1, 1, 2, Qt::AlignVCenter);
    grid->addWidget(maker, 2, 1, 1, 2);
    setSizeGripEnabled(false);
    ok->setFocus();
}

void CAboutDlg::onInitDialog() { applyDialogColor(); }

}  // namespace vorlan
