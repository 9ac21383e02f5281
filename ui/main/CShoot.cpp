#include "ui/main/CShoot.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QVBoxLayout>
#include <utility>

#include "engine/Catalogue.h"
#include "reports/chartview/TrajectoryChartCommands.h"
#include "reports/common/ShownUnits.h"
#include "shot/Units.h"
#include "ui/common/CColorBtn.h"
#include "ui/common/ControlIds.h"
#include "ui/common/DataExchange.h"
#include "ui/main/CVorlan2Dlg.h"

namespace vorlan {

using namespace ComparisonIds;

namespace {
constexpr int kNumberWidth = 90;  // px: room for "-12345.67"
constexpr int kNameWidth = 260;   // px: a name of the main dialog's length
}  // namespace

CShoot::CShoot(AppContext& context, ComparisonTexts texts, QWidget* parent)
    : ThemedDialog(context, kTemplate, parent), texts_(std::move(texts)) {
    setWindowTitle(tr("Shot Comparison Results"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, true);
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    buildControls();
}

CShoot::~CShoot() { leaveOpenDialogs(); }

QLineEdit* CShoot::addResult(int controlId) {
    auto* edit = new QLineEdit(this);
    edit->setReadOnly(true);
    edit->setAlignment(Qt::AlignCenter);
    setControlId(edit, controlId);
    return edit;
}

void CShoot::buildControls() {
    auto* numbers = new QGridLayout;
    numbers->setHorizontalSpacing(10);
    // The texts come in the units chosen when Shoot was pressed; the captions name them.
    const ShownUnits& units = context().units;
    const auto caption = [&units](Quantity quantity, const char* designed, const char* other) {
        if (units.designed(quantity)) return tr(designed);
        return tr(other).arg(QString::fromUtf8(translated(unitOf(quantity, units.of(quantity)).label)));
    };
    const std::pair<int, QString> rows[] = {
        {kRelativeDropEdit,
         caption(Quantity::Offset, QT_TR_NOOP("Relative Drop (in.)"), QT_TR_NOOP("Relative Drop (%1)"))},
        {kRelativeDriftEdit,
         caption(Quantity::Offset, QT_TR_NOOP("Relative Drift (in.)"), QT_TR_NOOP("Relative Drift (%1)"))},
        {kTargetRangeEdit,
         caption(Quantity::Distance, QT_TR_NOOP("Target Range (yards)"), QT_TR_NOOP("Target Range (%1)"))}};
    int row = 0;
    for (const auto& [id, text] : rows) {
        QLineEdit* edit = addResult(id);
        edit->setFixedWidth(kNumberWidth);
        numbers->addWidget(edit, row, 0);
        numbers->addWidget(new QLabel(text, this), row++, 2);
    }
    // Which way the current shot strikes from the baseline, beside the drop and the drift.
    const QString sideWidest = QStringLiteral("right");
    for (QLabel** side : {&dropSide_, &driftSide_}) {
        *side = new QLabel(this);
        (*side)->setMinimumWidth((*side)->fontMetrics().horizontalAdvance(sideWidest) + 4);
        numbers->addWidget(*side, side == &dropSide_ ? 0 : 1, 1);
    }
    dropSide_->setObjectName(QStringLiteral("dropSide"));
    driftSide_->setObjectName(QStringLiteral("driftSide"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 16, 18, 16);
    layout->setSpacing(8);
    layout->addLayout(numbers);
    for (const auto& [id, caption] :
         {std::pair{kBaselineNameEdit, QT_TRANSLATE_NOOP("vorlan::CShoot", "Baseline Gun/Projectile/Shot Name")},
          std::pair{kCurrentNameEdit, QT_TRANSLATE_NOOP("vorlan::CShoot", "Current Gun/Projectile/Shot Name")}}) {
        layout->addSpacing(4);
        layout->addWidget(new QLabel(tr(caption), this));
        QLineEdit* edit = addResult(id);
        edit->setMinimumWidth(kNameWidth);
        layout->addWidget(edit);
    }
    status_ = new QLabel(this);
    status_->setAlignment(Qt::AlignCenter);
    status_->setMinimumHeight(status_->fontMetrics().height() + 6);
    setControlId(status_, kStatusLabel);
    layout->addSpacing(4);
    layout->addWidget(status_);
    effects_ = new QLabel(this);
    effects_->setWordWrap(true);
    effects_->setMaximumWidth(kNameWidth);
    setControlId(effects_, kEffectsLabel);
    effects_->setVisible(false);
    layout->addWidget(effects_);
    chartButton_ = new CColorBtn(tr("&Chart"), this);
    chartButton_->setObjectName(QStringLiteral("comparisonChart"));
    chartButton_->setEnabled(false);
    connect(chartButton_, &QPushButton::clicked, this, [this] {
        // Owned by the main dialog like the table windows, so it outlives this window, and
        // placed by it, off its fields.
        auto* main = qobject_cast<CVorlan2Dlg*>(parentWidget());
        openChartWindow(chartSeries_, parentWidget() ? parentWidget() : this, [main](QWidget* chart) {
            if (main) main->placeNewWindow(chart, CVorlan2Dlg::WindowKind::Chart);
        });
    });
    layout->addWidget(chartButton_, 0, Qt::AlignHCenter);
    // Holds the keyboard focus, so that no visible field shows a caret or a selection. It is
    // out of sight rather than hidden: Qt gives no focus to a hidden widget.
    focusHolder_ = new QLineEdit(this);
    focusHolder_->setReadOnly(true);
    focusHolder_->setFixedSize(0, 0);
    setControlId(focusHolder_, kFocusHolder);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void CShoot::setChartSeries(std::vector<ChartSeries> series) {
    chartSeries_ = std::move(series);
    chartButton_->setEnabled(!chartSeries_.empty());
}

void CShoot::exchange(DataExchange& dx) {
    dx.text(kRelativeDropEdit, texts_.relativeDrop, 0);
    dx.text(kRelativeDriftEdit, texts_.relativeDrift, 0);
    dx.text(kTargetRangeEdit, texts_.targetRange, 0);
    dx.text(kBaselineNameEdit, texts_.baselineName, 0);
    dx.text(kCurrentNameEdit, texts_.currentName, 0);
    if (dx.saving()) return;
    status_->setText(QString::fromStdString(texts_.status));
    // The effects the current shot flies, as the range table names them.
    effects_->setText(QString::fromStdString(texts_.effects).replace(u'\t', u' '));
    effects_->setVisible(!texts_.effects.empty());
    dropSide_->setText(QString::fromStdString(texts_.dropSide));
    driftSide_->setText(QString::fromStdString(texts_.driftSide));
}

void CShoot::onInitDialog() {
    ThemedDialog::onInitDialog();
    focusHolder_->setFocus(Qt::OtherFocusReason);
}

}  // namespace vorlan
