// The Hit Probability window's controls: the inputs with their units, the figures, the table,
// the scatter and the buttons.

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "ui/advanced/CHitProbabilityDlg.h"
#include "ui/common/ControlIds.h"
#include "ui/common/HeadingColumns.h"
#include "ui/sight/CSightPictureDlg.h"

namespace vorlan {

using namespace HitProbabilityIds;

void CHitProbabilityDlg::buildControls() {
    const auto withId = [](auto* widget, int id) {
        setControlId(widget, id);
        return widget;
    };
    const auto edit = [&](int id, const QString& tip) {
        auto* e = withId(new QLineEdit(this), id);
        e->setToolTip(tip);
        e->setMaximumWidth(90);
        return e;
    };
    velocitySd_ = edit(kVelocitySd, tr("Standard deviation of the muzzle velocity from shot to shot"));
    coefficientSd_ = edit(kCoefficientSd, tr("How well the ballistic coefficient is known, in percent of it"));
    rangeSd_ = edit(kRangeSd, tr("Standard deviation of the range estimate"));
    windSd_ = edit(kWindSd, tr("Standard deviation of the wind call's speed"));
    windDirectionSd_ = edit(kWindDirectionSd, tr("Standard deviation of the wind call's direction"));
    precision_ = edit(kPrecision, tr("The rifle and shooter's spread of shots at the same aim"));
    groupShots_ = edit(kGroupShots, tr("Shots in each group measured (2 to 10)"));
    groupShots_->setMaximumWidth(40);
    cantSd_ = edit(kCantSd, tr("Standard deviation of the rifle's cant at the shot"));
    targetWidth_ = edit(kTargetWidth, tr("The diameter of the circle (the OPBZ vital zone unless set), or the width"));
    targetHeight_ = edit(kTargetHeight, tr("The height of the rectangle"));
    level_ = edit(kLevel, tr("The P(hit) an ethical shot must reach"));
    runs_ =
        edit(kRuns, tr("Sampled shots where the error budget falls back to samples: more shrink the error as one over "
                       "their square root"));
    rangeSdUnit_ = withId(new QComboBox(this), kRangeSdUnit);
    rangeSdUnit_->addItems({QString(), tr("% of range")});  // the first the unit of distance
    precisionKind_ = withId(new QComboBox(this), kPrecisionKind);
    precisionKind_->addItems({tr("MOA, SD per axis"), tr("MOA group of")});
    targetShape_ = withId(new QComboBox(this), kTargetShape);
    targetShape_->addItems({tr("Circle"), tr("Rectangle")});

    const auto row = [this](std::initializer_list<QWidget*> widgets, const QString& unit = {}) {
        auto* box = new QHBoxLayout;
        for (QWidget* w : widgets) box->addWidget(w);
        if (!unit.isEmpty()) box->addWidget(new QLabel(unit, this));
        box->addStretch();
        return box;
    };
    auto* shots = new QLabel(tr("shots"), this);
    // The labels of the units shown (showUnitLabels).
    velocityUnit_ = new QLabel(this);
    windUnit_ = new QLabel(this);
    targetUnit_ = new QLabel(this);
    auto* by = new QLabel(tr("x"), this);
    auto* form = new QFormLayout;
    assumed_ = withId(new QLabel(this), kAssumed);
    assumed_->setWordWrap(true);
    // Each label's access key takes the focus to the first control of its row.
    const auto addRow = [this, form](const QString& text, QWidget* first, QHBoxLayout* fields) {
        auto* label = new QLabel(text, this);
        label->setBuddy(first);
        form->addRow(label, fields);
    };
    auto* chronograph = new QPushButton(tr("From C&hronograph..."), this);
    connect(chronograph, &QPushButton::clicked, this, &CHitProbabilityDlg::onFromChronograph);
    addRow(tr("Muzzle &velocity SD"), velocitySd_, row({velocitySd_, velocityUnit_, chronograph}));
    addRow(tr("&BC SD"), coefficientSd_, row({coefficientSd_}, QStringLiteral("%")));
    addRow(tr("&Range estimate SD"), rangeSd_, row({rangeSd_, rangeSdUnit_}));
    addRow(tr("&Wind call SD"), windSd_, row({windSd_, windUnit_}));
    addRow(tr("Wind &direction SD"), windDirectionSd_, row({windDirectionSd_}, tr("deg.")));
    addRow(tr("&Precision"), precision_, row({precision_, precisionKind_, groupShots_, shots}));
    addRow(tr("&Cant SD"), cantSd_, row({cantSd_}, tr("deg.")));
    addRow(tr("&Target"), targetShape_, row({targetShape_, targetWidth_, by, targetHeight_, targetUnit_}));
    addRow(tr("&Ethical P(hit)"), level_, row({level_}, QStringLiteral("%")));
    addRow(tr("&Samples"), runs_, row({runs_}));

    conversion_ = withId(new QLabel(this), kConversion);
    conversion_->setWordWrap(true);
    message_ = withId(new QLabel(this), kMessage);
    message_->setWordWrap(true);
    message_->setStyleSheet(QStringLiteral("color: #a00000"));
    targetFigure_ = withId(new QLabel(this), kTargetFigure);
    QFont bold = targetFigure_->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.2);
    targetFigure_->setFont(bold);
    ethical_ = withId(new QLabel(this), kEthicalRange);
    ethical_->setWordWrap(true);
    misses_ = withId(new QLabel(this), kMisses);
    misses_->setWordWrap(true);
    progress_ = withId(new QLabel(this), kProgress);
    progress_->setWordWrap(true);
    table_ = withId(new QTableWidget(0, 3, this), kTable);
    table_->verticalHeader()->hide();
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    scatter_ = new HitScatterView(this);
    setControlId(scatter_, kScatter);

    auto* left = new QVBoxLayout;
    left->addWidget(assumed_);
    left->addLayout(form);
    left->addWidget(conversion_);
    left->addWidget(message_);
    left->addWidget(targetFigure_);
    left->addWidget(ethical_);
    left->addWidget(misses_);
    left->addWidget(progress_);
    left->addStretch();
    auto* top = new QHBoxLayout;
    top->addLayout(left);
    top->addWidget(table_);
    top->addWidget(scatter_, 1);
    // OK keeps the inputs with the shot (assumed spreads only so); Close leaves assumed ones out.
    auto* ok = withId(new QPushButton(tr("OK"), this), kOk);
    ok->setDefault(true);  // Enter
    connect(ok, &QPushButton::clicked, this, [this] {
        if (inputs()) run_->keep();
        close();
    });
    auto* close = withId(new QPushButton(tr("Close"), this), kClose);
    close->setAutoDefault(false);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    auto* sight = new QPushButton(tr("Si&ght Picture..."), this);
    setControlId(sight, kSightPicture);
    sight->setAutoDefault(false);
    connect(sight, &QPushButton::clicked, this,
            [this] { CSightPictureDlg::open(context(), shot(), shot().scope.unitSystem, this); });
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(sight);
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addLayout(buttons);
    resize(1040, 560);

    QWidget* const order[] = {velocitySd_,   coefficientSd_, rangeSd_,    rangeSdUnit_, windSd_,      windDirectionSd_,
                              precision_,    precisionKind_, groupShots_, cantSd_,      targetShape_, targetWidth_,
                              targetHeight_, level_,         runs_,       table_,       ok,           close};
    for (std::size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);
    for (QLineEdit* e : {velocitySd_, coefficientSd_, rangeSd_, windSd_, windDirectionSd_, precision_, groupShots_,
                         cantSd_, targetWidth_, targetHeight_, level_, runs_})
        connect(e, &QLineEdit::textChanged, this, &CHitProbabilityDlg::onInputChanged);
    for (QComboBox* box : {rangeSdUnit_, precisionKind_, targetShape_})
        connect(box, &QComboBox::currentIndexChanged, this, &CHitProbabilityDlg::onInputChanged);
}

void CHitProbabilityDlg::showUnitLabels() {
    velocityUnit_->setText(unitLabel(Quantity::Velocity));
    windUnit_->setText(unitLabel(Quantity::Speed));
    targetUnit_->setText(unitLabel(Quantity::Length));
    scatter_->setGridUnit(toShown(1.0, Quantity::Length, context().units.of(Quantity::Length)),
                          unitLabel(Quantity::Length));
    rangeSdUnit_->setItemText(0, unitLabel(Quantity::Distance));
    const QString range = run_->rangeUnit() == UnitSystem::Metric ? tr("Range (m)") : tr("Range (yd)");
    table_->setHorizontalHeaderLabels({range, tr("P(hit) %"), tr("± %")});
    fitColumnsToHeadings(*table_, 90);
}

}  // namespace vorlan
