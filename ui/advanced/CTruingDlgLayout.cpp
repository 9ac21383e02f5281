// The Truing window's controls: the observation cells, the fit, the chart and residuals, and
// the buttons.

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QVBoxLayout>
#include <tuple>

#include "engine/Catalogue.h"
#include "ui/advanced/CTruingDlg.h"
#include "ui/advanced/TruingView.h"
#include "ui/common/CColorBtn.h"
#include "ui/common/HeadingColumns.h"

namespace vorlan {

using namespace TruingIds;

namespace {

// The observation table's columns in the order of kObservationColumns: heading (its unit on
// the second line), and whether the reading may be negative (a hold down, a drop above the line).
struct CellColumn {
    const char* heading;
    bool signedValue;
};
constexpr CellColumn kCellColumns[kColumns] = {
    {QT_TRANSLATE_NOOP("vorlan::CTruingDlg", "Range\nyd."), false},
    {QT_TRANSLATE_NOOP("vorlan::CTruingDlg", "Up\nMOA"), true},
    {QT_TRANSLATE_NOOP("vorlan::CTruingDlg", "Up\nmil"), true},
    {QT_TRANSLATE_NOOP("vorlan::CTruingDlg", "Up\nclicks"), true},
    {QT_TRANSLATE_NOOP("vorlan::CTruingDlg", "Drop\nin."), true},
    {QT_TRANSLATE_NOOP("vorlan::CTruingDlg", "Velocity\nf.p.s."), false},
    {QT_TRANSLATE_NOOP("vorlan::CTruingDlg", "Time\ns"), false},
    {QT_TRANSLATE_NOOP("vorlan::CTruingDlg", "\u00b1 Hold\nMOA"), false},
    {QT_TRANSLATE_NOOP("vorlan::CTruingDlg", "\u00b1 Vel.\nf.p.s."), false},
};

}  // namespace

QGroupBox* CTruingDlg::buildObservationsGroup() {
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(3);
    for (int column = 0; column < kColumns; ++column) {
        headings_[static_cast<std::size_t>(column)] = new QLabel(this);
        headings_[static_cast<std::size_t>(column)]->setAlignment(Qt::AlignCenter);
        grid->addWidget(headings_[static_cast<std::size_t>(column)], 0, column);
    }
    for (int row = 0; row < rowCount_; ++row) {
        QList<int> cells;
        for (int column = 0; column < kColumns; ++column) {
            KeystrokeRule rule{
                .enabled = true, .fractional = true, .allowMinus = kCellColumns[column].signedValue, .decimals = 4};
            rule.allowPlus = true;  // "+4.75" reads as 4.75
            QLineEdit* e = addNumberEdit(cell(row, column), rule);
            e->setFixedWidth(64);
            grid->addWidget(e, row + 1, column);
            cells << cell(row, column);
        }
        // A row is checked when it is left: moving between its cells checks none of them.
        for (const int id : cells) settleFieldsWith(id, cells);
    }
    auto* files = new QHBoxLayout;
    CColorBtn* load = addButton(kLoadCsv, tr("&Load CSV..."));
    connect(load, &QPushButton::clicked, this, &CTruingDlg::onLoadCsv);
    CColorBtn* save = addButton(kSaveCsv, tr("&Save CSV..."));
    connect(save, &QPushButton::clicked, this, &CTruingDlg::onSaveCsv);
    files->addWidget(load);
    files->addWidget(save);
    files->addStretch();
    auto* layout = new QVBoxLayout;
    layout->addLayout(grid);
    layout->addLayout(files);
    auto* group = new QGroupBox(tr("Observations"), this);
    group->setLayout(layout);
    return group;
}

QGroupBox* CTruingDlg::buildFitGroup() {
    fitChoice_ = new QComboBox(this);
    setControlId(fitChoice_, kFitChoice);
    fitChoice_->addItems({tr("Chosen by the number of ranges"), tr("Velocity only"), tr("Velocity and one drag factor"),
                          tr("Velocity and drag scale by Mach")});
    CColorBtn* fit = addButton(kFit, tr("&Fit"));
    connect(fit, &QPushButton::clicked, this, &CTruingDlg::onFit);
    auto* choice = new QHBoxLayout;
    choice->addWidget(new QLabel(tr("Fit:"), this));
    choice->addWidget(fitChoice_, 1);
    choice->addWidget(fit);
    QLabel* fitted = addLabel(kFitted, tr("Enter what you observed at real ranges, then press Fit."));
    fitted->setWordWrap(true);
    fitted->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    fitted->setMinimumHeight(4 * fitted->fontMetrics().lineSpacing() + 4);
    fitted->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* layout = new QVBoxLayout;
    layout->addLayout(choice);
    layout->addWidget(fitted);
    auto* group = new QGroupBox(tr("Fit"), this);
    group->setLayout(layout);
    return group;
}

void CTruingDlg::buildControls() {
    auto* left = new QVBoxLayout;
    left->addWidget(buildObservationsGroup());
    left->addWidget(buildFitGroup());
    left->addStretch();

    chartHolder_ = new QWidget(this);
    auto* holder = new QVBoxLayout(chartHolder_);
    holder->setContentsMargins(0, 0, 0, 0);
    chartHolder_->setMinimumSize(560, 330);
    residuals_ = new QTableWidget(0, 6, this);
    setControlId(residuals_, kResiduals);
    residuals_->verticalHeader()->setVisible(false);
    residuals_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    residuals_->setSelectionMode(QAbstractItemView::NoSelection);
    residuals_->setWordWrap(false);
    residuals_->setMinimumHeight(170);
    auto* right = new QVBoxLayout;
    right->addWidget(new QLabel(tr("Observed points over the predicted drop, before and after the fit:"), this));
    right->addWidget(chartHolder_, 3);
    right->addWidget(new QLabel(tr("Residuals, observed minus predicted:"), this));
    right->addWidget(residuals_, 2);

    auto* top = new QHBoxLayout;
    top->addLayout(left);
    top->addLayout(right, 1);

    QLabel* status = addLabel(kStatus, {});
    status->setWordWrap(true);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(status, 1);
    const std::tuple<int, const char*, void (CTruingDlg::*)()> commands[] = {
        {kApply, QT_TR_NOOP("&Apply"), &CTruingDlg::onApply},
        {kClearTruing, QT_TR_NOOP("&Clear Truing"), &CTruingDlg::onClearTruing},
        {kOk, QT_TR_NOOP("OK"), &CTruingDlg::onOk},
        {kCancel, QT_TR_NOOP("Cancel"), &CTruingDlg::reject}};
    for (const auto& [id, caption, command] : commands) {
        CColorBtn* button = addButton(id, tr(caption));
        connect(button, &QPushButton::clicked, this, command);
        buttons->addWidget(button);
    }
    control(kApply)->setEnabled(false);  // until a fit is made
    showHeadings();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 12, 14, 12);
    layout->addLayout(top);
    layout->addLayout(buttons);
}

void CTruingDlg::showHeadings() {
    for (int column = 0; column < kColumns; ++column) {
        const std::optional<Quantity> quantity = observationQuantity(column);
        const bool designed = !quantity || context().units.designed(*quantity);
        headings_[static_cast<std::size_t>(column)]->setText(
            designed ? tr(kCellColumns[column].heading)
                     : QStringLiteral("%1\n%2").arg(QString::fromUtf8(translated(observationLabel(column))),
                                                    unitLabel(*quantity, context().units.choice())));
    }
    const QString range = context().units.designed(Quantity::Distance)
                              ? tr("Range (yd.)")
                              : tr("Range (%1)").arg(unitLabel(Quantity::Distance, context().units.choice()));
    residuals_->setHorizontalHeaderLabels(
        {range, tr("Reading"), tr("Observed"), QStringLiteral("\u00b1"), tr("Before"), tr("After")});
    fitColumnsToHeadings(*residuals_, 0);
}

}  // namespace vorlan
