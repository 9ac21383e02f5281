// The Advanced window's controls, one group box per effect.

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include "ui/advanced/CAdvancedDlg.h"
#include "ui/advanced/CAdvancedDlgFields.h"
#include "ui/common/CColorBtn.h"

namespace vorlan {

using namespace AdvancedIds;

namespace {

constexpr int kAdviceWidth = 240;

QCheckBox* makeCheck(CAdvancedDlg* window, int controlId, const QString& caption) {
    auto* box = new QCheckBox(caption, window);
    ThemedDialog::setControlId(box, controlId);
    return box;
}

QGroupBox* groupAround(CAdvancedDlg* window, const QString& title, QLayout* content) {
    auto* group = new QGroupBox(title, window);
    group->setLayout(content);
    return group;
}

}  // namespace

QGroupBox* CAdvancedDlg::buildWindGroup() {
    using namespace advancedfields;
    addNumberEdit(kWindSpeedField);
    addNumberEdit(kDirectionField);
    const SideLabelledEdit edits[] = {kWindSpeedField.labelled(), kDirectionField.labelled()};
    QGridLayout* grid = editGrid(edits);
    auto* degrees = new QRadioButton(tr("Degrees"), this);
    auto* clock = new QRadioButton(tr("Clock"), this);
    setControlId(degrees, kDegrees);
    setControlId(clock, kClock);
    registerRadioGroup(kDegrees, {degrees, clock});
    connect(clock, &QRadioButton::toggled, this, &CAdvancedDlg::onDirectionUnit);
    // The unit decides the direction's bounds (up to 360 degrees, 1 to 12 o'clock).
    for (const int unit : {kDegrees, kClock}) settleFieldsWith(unit, {kWindDirection});
    auto* units = new QHBoxLayout;
    units->addWidget(degrees);
    units->addWidget(clock);
    units->addStretch();
    grid->addLayout(units, 2, 0, 1, 2);
    return groupAround(this, tr("Wind"), grid);
}

QGroupBox* CAdvancedDlg::buildSpinGroup() {
    using namespace advancedfields;
    for (const SideNumberField& f : {kTwistField, kLengthField, kDiameterField}) addNumberEdit(f);
    const SideLabelledEdit edits[] = {kTwistField.labelled(), kLengthField.labelled(), kDiameterField.labelled()};
    QGridLayout* grid = editGrid(edits);
    grid->addWidget(makeCheck(this, kLeftTwist, tr("Left-Hand Twist")), 3, 0);
    grid->addWidget(makeCheck(this, kAerodynamicJump, tr("Aerodynamic Jump")), 3, 1);
    // "Diameter in use: 0.264 in. (calibre table)" wraps: two lines kept for it as for the advice.
    QLabel* inUse = addLabel(kDiameterInUse, {});
    inUse->setWordWrap(true);
    inUse->setFixedSize(kAdviceWidth, 2 * inUse->fontMetrics().lineSpacing() + 4);
    inUse->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    grid->addWidget(inUse, 6, 0, 1, 2);
    grid->addWidget(addResultEdit(kStability), 4, 0, Qt::AlignRight);
    grid->addWidget(new QLabel(tr("Stability Factor (Sg)"), this), 4, 1);
    // The advice runs to a sentence: two lines kept free for it, so the window keeps its size.
    QLabel* advice = addLabel(kAdvice, {});
    advice->setWordWrap(true);
    advice->setFixedSize(kAdviceWidth, 2 * advice->fontMetrics().lineSpacing() + 4);
    advice->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    grid->addWidget(advice, 5, 0, 1, 2);
    return groupAround(this, tr("Spin"), grid);
}

QGroupBox* CAdvancedDlg::buildCoriolisGroup() {
    using namespace advancedfields;
    addNumberEdit(kLatitudeField);
    addNumberEdit(kAzimuthField);
    const SideLabelledEdit edits[] = {kLatitudeField.labelled(), kAzimuthField.labelled()};
    QGridLayout* grid = editGrid(edits);
    grid->addWidget(makeCheck(this, kCoriolis, tr("Earth's Rotation (Coriolis)")), 2, 0, 1, 2);
    return groupAround(this, tr("Coriolis"), grid);
}

QGroupBox* CAdvancedDlg::buildPowderGroup() {
    using namespace advancedfields;
    for (const SideNumberField& f : {kSensitivityField, kPowderTemperatureField, kReferenceTemperatureField})
        addNumberEdit(f);
    addResultEdit(kAdjustedVelocity);
    const SideLabelledEdit edits[] = {kSensitivityField.labelled(),
                                      kPowderTemperatureField.labelled(),
                                      kReferenceTemperatureField.labelled(),
                                      {kAdjustedVelocity, QT_TRANSLATE_NOOP("SideWindow", "Adjusted Velocity"),
                                       QT_TRANSLATE_NOOP("SideWindow", "f.p.s."), Quantity::Velocity}};
    QGridLayout* grid = editGrid(edits);
    // The helper: two chronograph velocities at two powder temperatures.
    auto* readings = new QGridLayout;
    for (int row = 0; row < 2; ++row) {
        readings->addWidget(addNumberEdit(kReadingFields[2 * row]), row, 0);
        readings->addWidget(captionLabel({0, "", kReadingFields[2 * row].unit, Quantity::Velocity}), row, 1);
        readings->addWidget(new QLabel(tr("at"), this), row, 2);
        readings->addWidget(addNumberEdit(kReadingFields[2 * row + 1]), row, 3);
        readings->addWidget(captionLabel({0, "", kReadingFields[2 * row + 1].unit, Quantity::Temperature}), row, 4);
    }
    CColorBtn* compute = addButton(kFromReadings, tr("Compute"));
    connect(compute, &QPushButton::clicked, this, &CAdvancedDlg::onSensitivityFromReadings);
    readings->addWidget(compute, 2, 0, 1, 5, Qt::AlignHCenter);
    grid->addWidget(groupAround(this, tr("From Two Chronograph Readings"), readings), 4, 0, 1, 2);
    return groupAround(this, tr("Powder"), grid);
}

QGroupBox* CAdvancedDlg::buildDragGroup() {
    auto* grid = new QGridLayout;
    QCheckBox* custom = makeCheck(this, kCustomDrag, tr("Custom"));
    connect(custom, &QCheckBox::clicked, this, &CAdvancedDlg::onCustomDrag);
    grid->addWidget(custom, 0, 0);
    CColorBtn* load = addButton(kLoadCsv, tr("Load CSV..."));
    connect(load, &QPushButton::clicked, this, &CAdvancedDlg::onLoadCsv);
    grid->addWidget(load, 0, 1);
    QLabel* status = addLabel(kDragStatus, {});
    status->setWordWrap(true);
    grid->addWidget(status, 1, 0, 1, 2);
    grid->addWidget(captionLabel({0, QT_TRANSLATE_NOOP("SideWindow", "BC Bands: from"),
                                  QT_TRANSLATE_NOOP("SideWindow", "f.p.s."), Quantity::Velocity}),
                    2, 0);
    grid->addWidget(new QLabel(tr("BC"), this), 2, 1);
    for (int row = 0; row < kMaxBcBands; ++row) {
        const advancedfields::BandFields band = advancedfields::bandFields(row);
        grid->addWidget(addNumberEdit(band.velocity), row + 3, 0);
        grid->addWidget(addNumberEdit(band.coefficient), row + 3, 1);
        // A row is checked when it is left: moving between its two cells checks neither.
        for (const int cell : {band.velocity.controlId, band.coefficient.controlId})
            settleFieldsWith(cell, {band.velocity.controlId, band.coefficient.controlId});
    }
    return groupAround(this, tr("Drag"), grid);
}

QGroupBox* CAdvancedDlg::buildZonesGroup() {
    auto* grid = new QGridLayout;
    const advancedfields::ZoneFields first = advancedfields::zoneFields(0);
    grid->addWidget(captionLabel({0, QT_TRANSLATE_NOOP("SideWindow", "To"), first.until.unit, Quantity::Distance}), 0,
                    0);
    grid->addWidget(captionLabel({0, "", first.speed.unit, Quantity::Speed}), 0, 1);
    grid->addWidget(new QLabel(tr("From (deg.)"), this), 0, 2);
    for (int row = 0; row < kMaxWindZones; ++row) {
        const advancedfields::ZoneFields zone = advancedfields::zoneFields(row);
        grid->addWidget(addNumberEdit(zone.until), row + 1, 0);
        grid->addWidget(addNumberEdit(zone.speed), row + 1, 1);
        grid->addWidget(addNumberEdit(zone.direction), row + 1, 2);
        // As with the bands, a zone is checked when its row is left.
        const QList<int> cells{zone.until.controlId, zone.speed.controlId, zone.direction.controlId};
        for (const int cell : cells) settleFieldsWith(cell, cells);
    }
    return groupAround(this, tr("Wind Zones"), grid);
}

QGroupBox* CAdvancedDlg::buildZeroGroup() {
    using namespace advancedfields;
    for (const SideNumberField& f : {kZeroTemperatureField, kZeroPressureField, kZeroHumidityField, kZeroPowderField})
        addNumberEdit(f);
    const SideLabelledEdit edits[] = {kZeroTemperatureField.labelled(), kZeroPressureField.labelled(),
                                      kZeroHumidityField.labelled(), kZeroPowderField.labelled()};
    QGridLayout* grid = editGrid(edits);
    grid->addWidget(makeCheck(this, kZeroConditions, tr("Zero in These Conditions")), 4, 0, 1, 2);
    return groupAround(this, tr("Zero Conditions"), grid);
}

QGroupBox* CAdvancedDlg::buildTruingGroup() {
    auto* layout = new QVBoxLayout;
    auto* note = new QLabel(tr("Fit the velocity and the drag to the holds observed at real ranges."), this);
    note->setWordWrap(true);
    layout->addWidget(note);
    CColorBtn* truing = addButton(kTruing, tr("&Truing..."));
    connect(truing, &QPushButton::clicked, this, &CAdvancedDlg::onTruing);
    layout->addWidget(truing, 0, Qt::AlignHCenter);
    return groupAround(this, tr("Truing"), layout);
}

void CAdvancedDlg::buildControls() {
    auto* left = new QVBoxLayout;
    left->addWidget(buildWindGroup());
    left->addWidget(buildSpinGroup());
    left->addWidget(buildCoriolisGroup());
    left->addStretch();
    auto* right = new QVBoxLayout;
    right->addWidget(buildPowderGroup());
    right->addWidget(buildDragGroup());
    right->addStretch();
    auto* third = new QVBoxLayout;
    third->addWidget(buildZonesGroup());
    third->addWidget(buildZeroGroup());
    third->addWidget(buildTruingGroup());
    third->addStretch();
    auto* columns = new QHBoxLayout;
    columns->setSpacing(12);
    columns->addLayout(left);
    columns->addLayout(right);
    columns->addLayout(third);
    // Closing keeps the fields in the shot, as Enter and Escape do.
    CColorBtn* close = addButton(kClose, tr("&Close"));
    close->setAutoDefault(false);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 12, 14, 12);
    layout->setSpacing(12);
    layout->addLayout(columns);
    layout->addLayout(buttons);
}

void CAdvancedDlg::followTyping() {
    // The results follow every keystroke that changes them, without checks or messages.
    for (const int id : {kTwist, kLength, kDiameter, kSensitivity, kPowderTemperature, kReferenceTemperature})

        connect(edit(id), &QLineEdit::textChanged, this, &CAdvancedDlg::showResults);
}

}  // namespace vorlan
