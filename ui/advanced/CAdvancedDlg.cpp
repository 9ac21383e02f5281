#include "ui/advanced/CAdvancedDlg.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <cmath>

#include "engine/Catalogue.h"
#include "reports/common/ShownUnits.h"
#include "shot/AdvancedShotKeys.h"
#include "shot/CLocaleNumbers.h"
#include "shot/CaliberDiameter.h"
#include "shot/ShotSetup.h"
#include "ui/advanced/CAdvancedDlgFields.h"
#include "ui/common/DataExchange.h"

namespace vorlan {

using namespace AdvancedIds;

namespace {

constexpr int kDegreesUnit = 0;
constexpr int kClockUnit = 1;

// The clock hour a direction in degrees shows: 0 degrees is 12 o'clock.
double degreesToClock(double degrees) {
    const double hours = degrees / 30.0;
    return hours < 0.5 / 60.0 ? 12.0 : hours;
}

}  // namespace

CAdvancedDlg::CAdvancedDlg(SideWindowOwner& owner) : SideWindow(owner, kTemplate, tr("Advanced")) {
    buildControls();
    followTyping();
    connect(&context().units, &ShownUnits::aboutToChange, this, &CAdvancedDlg::keepReadings);
}

std::span<const SideNumberField> CAdvancedDlg::numberFields() const { return advancedfields::kNumberFields; }

void CAdvancedDlg::onInitDialog() {
    effects_ = owner()->shot().advanced;
    SideWindow::onInitDialog();
    edit(kWindSpeed)->setFocus();
    edit(kWindSpeed)->selectAll();  // typing replaces the speed
}

void CAdvancedDlg::exchange(DataExchange& dx) {
    using namespace advancedfields;
    AdvancedEffects& e = effects_;
    exchangeNumber(dx, kWindSpeedField, e.windSpeed);
    exchangeDirection(dx);
    exchangeNumber(dx, kTwistField, e.twistRate);
    dx.check(kLeftTwist, e.leftTwist);
    exchangeNumber(dx, kLengthField, e.bulletLength);
    exchangeNumber(dx, kDiameterField, e.bulletDiameter);
    dx.check(kAerodynamicJump, e.aerodynamicJump);
    dx.check(kCoriolis, e.coriolis);
    exchangeNumber(dx, kLatitudeField, e.latitude);
    exchangeNumber(dx, kAzimuthField, e.azimuth);
    exchangeNumber(dx, kSensitivityField, e.powderSensitivity);
    exchangeNumber(dx, kPowderTemperatureField, e.powderTemperature);
    exchangeNumber(dx, kReferenceTemperatureField, e.powderReferenceTemperature);
    exchangeDrag(dx);
    exchangeZones(dx);
    dx.check(kZeroConditions, e.zeroConditions);
    exchangeNumber(dx, kZeroTemperatureField, e.zeroTemperature);
    exchangeNumber(dx, kZeroPressureField, e.zeroPressure);
    exchangeNumber(dx, kZeroHumidityField, e.zeroHumidity);
    exchangeNumber(dx, kZeroPowderField, e.zeroPowderTemperature);
    if (!dx.saving()) {
        showResults();
        return;
    }
    if (dx.failed()) return;
    // What no single field shows: a drag table from a shot file that is not a usable one.
    const std::string problem = advancedInputProblem(e);
    if (problem.empty()) return;
    context().showMessage(this, QString::fromStdString(problem) + u'.');
    dx.markFailed();
}

void CAdvancedDlg::exchangeDirection(DataExchange& dx) {
    dx.radioGroup(kDegrees, directionUnit_);
    if (directionUnit_ != kClockUnit) {
        exchangeNumber(dx, advancedfields::kDirectionField, effects_.windDirection);
        return;
    }
    double hours = degreesToClock(effects_.windDirection);
    exchangeNumber(dx, advancedfields::kClockField, hours);
    if (dx.saving() && !dx.failed()) effects_.windDirection = clockToDegrees(hours);
}

void CAdvancedDlg::onDirectionUnit() {
    const int unit = controlAs<QRadioButton>(kClock)->isChecked() ? kClockUnit : kDegreesUnit;
    if (unit == directionUnit_) return;
    // The direction typed so far keeps its meaning in the other unit.
    double shown = 0.0;
    if (cScanDouble(edit(kWindDirection)->text().toStdString(), shown)) {
        const double degrees = directionUnit_ == kClockUnit ? clockToDegrees(shown) : shown;
        const double converted = unit == kClockUnit ? degreesToClock(degrees) : degrees;
        edit(kWindDirection)->setText(shownNumber("%g", std::round(converted * 100.0) / 100.0));
    }
    directionUnit_ = unit;
}

void CAdvancedDlg::exchangeDrag(DataExchange& dx) {
    if (!dx.saving() && effects_.customDragOn()) dragTable_ = effects_.customDrag;
    bool custom = !effects_.customDrag.empty();
    dx.check(kCustomDrag, custom);
    if (dx.saving() && !dx.failed()) effects_.customDrag = custom ? dragTable_ : std::vector<MachCd>{};
    if (!dx.saving()) showDragTable({});
    exchangeBands(dx);
}

void CAdvancedDlg::exchangeBands(DataExchange& dx) {
    using advancedfields::bandFields;
    if (!dx.saving()) {
        for (int row = 0; row < kMaxBcBands; ++row) {
            if (row < static_cast<int>(effects_.bcBands.size())) {
                BcBand band = effects_.bcBands[static_cast<std::size_t>(row)];
                exchangeNumber(dx, bandFields(row).velocity, band.velocity);
                exchangeNumber(dx, bandFields(row).coefficient, band.coefficient);
            } else {
                edit(kBandVelocity + row)->clear();
                edit(kBandCoefficient + row)->clear();
            }
        }
        return;
    }
    // A row left blank is no band; a row with either number needs both.
    std::vector<BcBand> bands;
    for (int row = 0; row < kMaxBcBands && !dx.failed(); ++row) {
        if (edit(kBandVelocity + row)->text().isEmpty() && edit(kBandCoefficient + row)->text().isEmpty()) continue;
        if (dx.skips(kBandVelocity + row)) continue;  // the row being filled in is no band yet
        const QString name = tr("BC band %1").arg(row + 1);
        BcBand band{};
        exchangeRowCell(dx, name, bandFields(row).velocity, QT_TRANSLATE_NOOP("SideWindow", "velocity"), band.velocity);
        exchangeRowCell(dx, name, bandFields(row).coefficient, QT_TRANSLATE_NOOP("SideWindow", "BC"), band.coefficient);
        bands.push_back(band);
    }
    if (!dx.failed()) effects_.bcBands = bands;
}

void CAdvancedDlg::exchangeRowCell(DataExchange& dx, const QString& row, const SideNumberField& cell, const char* name,
                                   double& value) {
    if (dx.failed()) return;
    if (!edit(cell.controlId)->text().isEmpty()) return exchangeNumber(dx, cell, value);
    const QString caption = captionOf({cell.controlId, name, cell.unit, cell.quantity});
    dx.fail(cell.controlId, tr("%1 needs its %2: please enter a number, or clear the row.").arg(row, caption));
}

void CAdvancedDlg::exchangeZones(DataExchange& dx) {
    using advancedfields::zoneFields;
    if (!dx.saving()) {
        for (int row = 0; row < kMaxWindZones; ++row) {
            const advancedfields::ZoneFields f = zoneFields(row);
            if (row < static_cast<int>(effects_.windZones.size())) {
                WindZone zone = effects_.windZones[static_cast<std::size_t>(row)];
                exchangeNumber(dx, f.until, zone.until);
                exchangeNumber(dx, f.speed, zone.speed);
                exchangeNumber(dx, f.direction, zone.direction);
            } else {
                for (const int id : {f.until.controlId, f.speed.controlId, f.direction.controlId}) edit(id)->clear();
            }
        }
        return;
    }
    // A row left blank is no zone; a row with any number needs all three.
    std::vector<WindZone> zones;
    for (int row = 0; row < kMaxWindZones && !dx.failed(); ++row) {
        const advancedfields::ZoneFields f = zoneFields(row);
        if (edit(f.until.controlId)->text().isEmpty() && edit(f.speed.controlId)->text().isEmpty() &&
            edit(f.direction.controlId)->text().isEmpty())
            continue;
        if (dx.skips(f.until.controlId)) continue;  // the row being filled in is no zone yet
        const QString name = tr("Wind zone %1").arg(row + 1);
        WindZone zone{};
        exchangeRowCell(dx, name, f.until, QT_TRANSLATE_NOOP("SideWindow", "range"), zone.until);
        exchangeRowCell(dx, name, f.speed, QT_TRANSLATE_NOOP("SideWindow", "speed"), zone.speed);
        exchangeRowCell(dx, name, f.direction, QT_TRANSLATE_NOOP("SideWindow", "direction"), zone.direction);
        zones.push_back(zone);
    }
    if (!dx.failed()) effects_.windZones = zones;
}

void CAdvancedDlg::onCustomDrag(bool checked) {
    // Checked without a table to fly, it asks for one; none loaded, it stays clear.
    if (!checked || dragTable_.size() >= 2) return;
    onLoadCsv();
    if (dragTable_.size() < 2) controlAs<QCheckBox>(kCustomDrag)->setChecked(false);
}

void CAdvancedDlg::showDragTable(const QString& status) {
    const bool held = dragTable_.size() >= 2;
    QString text = status;
    if (text.isEmpty()) text = held ? tr("Table of %1 points").arg(dragTable_.size()) : tr("No table loaded");
    controlAs<QLabel>(kDragStatus)->setText(text);
}

void CAdvancedDlg::onLoadCsv() {
    FileRequest request;
    request.title = tr("Load Drag Table");
    request.filters = {tr("CSV Files (*.csv)"), tr("All Files (*)")};
    const QString chosen = context().chooseFile(this, request);
    if (chosen.isEmpty()) return;
    const DragTableCsv table = loadDragTableCsv(QFile::encodeName(chosen).toStdString());
    const QString name = chosen.section(u'/', -1);
    if (!table.error.empty()) {
        // The table held before stays; the label tells what is wrong with this file.
        showDragTable(tr("%1: %2").arg(name, QString::fromStdString(table.error)));
        return;
    }
    dragTable_ = table.points;
    showDragTable(tr("%1: table of %2 points").arg(name).arg(dragTable_.size()));
    controlAs<QCheckBox>(kCustomDrag)->setChecked(true);
}

void CAdvancedDlg::onSensitivityFromReadings() {
    using namespace advancedfields;
    double v1 = 0.0, t1 = 0.0, v2 = 0.0, t2 = 0.0;
    DataExchange dx(*this, DataExchange::Direction::Save);
    exchangeNumber(dx, kReadingFields[0], v1);
    exchangeNumber(dx, kReadingFields[1], t1);
    exchangeNumber(dx, kReadingFields[2], v2);
    exchangeNumber(dx, kReadingFields[3], t2);
    if (dx.failed()) return;
    if (t1 == t2) {
        context().showMessage(this, tr("Please enter two different powder temperatures."));
        return;
    }
    edit(kSensitivity)->setText(shownNumber("%.2f", powderSensitivityFrom(v1, t1, v2, t2)));
}

double CAdvancedDlg::typedNumber(const SideNumberField& field, double otherwise) const {
    double value = 0.0;
    if (!cScanDouble(DataExchange::numberText(edit(field.controlId)->text()), value)) return otherwise;
    return field.quantity ? toDesigned(value, *field.quantity, context().units.of(*field.quantity)) : value;
}

QString CAdvancedDlg::shownIn(Quantity quantity, double designed, const char* format,
                              const QString& designedUnit) const {
    const Unit unit = context().units.of(quantity);
    const QString label =
        context().units.designed(quantity) ? designedUnit : QString::fromUtf8(translated(unitOf(quantity, unit).label));
    return shownNumber(format, toShown(designed, quantity, unit)) + u' ' + label;
}

void CAdvancedDlg::showResults() {
    SideWindowOwner* main = owner();
    if (!main) return;
    ShotParameters shot = main->shot();
    AdvancedEffects& e = shot.advanced;
    using namespace advancedfields;
    e.twistRate = typedNumber(kTwistField, 0.0);
    e.bulletLength = typedNumber(kLengthField, 0.0);
    e.bulletDiameter = typedNumber(kDiameterField, 0.0);
    e.powderSensitivity = typedNumber(kSensitivityField, 0.0);
    e.powderTemperature = typedNumber(kPowderTemperatureField, 59.0);
    e.powderReferenceTemperature = typedNumber(kReferenceTemperatureField, 59.0);
    const BulletDiameter diameter = bulletDiameter(e.bulletDiameter, shot.caliber);
    controlAs<QLabel>(kDiameterInUse)
        ->setText(diameter.source == DiameterSource::None
                      ? tr("The caliber names no diameter: enter Bullet Diameter.")
                      : tr("Diameter in use: %1 (%2)")
                            .arg(shownIn(Quantity::Length, diameter.inches, "%.3f", tr("in.")),
                                 QString::fromUtf8(diameterSourceName(diameter.source).data())));
    const double sg = shotStability(shot);
    const std::string_view advice = stabilityAdvice(sg);
    edit(kStability)->setText(sg > 0.0 ? shownNumber("%.2f", sg) : QString());
    QString adviceText = QString::fromUtf8(advice.data(), static_cast<qsizetype>(advice.size()));
    adviceText[0] = adviceText[0].toUpper();  // a sentence of its own here
    controlAs<QLabel>(kAdvice)->setText(sg > 0.0 ? adviceText : QString());
    const Unit velocity = context().units.of(Quantity::Velocity);
    edit(kAdjustedVelocity)
        ->setText(shownNumber("%.1f", toShown(powderAdjustedVelocity(e, shot.velocity), Quantity::Velocity, velocity)));
}

bool CAdvancedDlg::takeWithOwner() {
    if (!updateData()) return false;
    if (SideWindowOwner* main = owner()) writeBack(*main);
    showResults();
    return true;
}

void CAdvancedDlg::showWithOwner() {
    if (SideWindowOwner* main = owner()) effects_ = main->shot().advanced;
    updateData(false);
}

void CAdvancedDlg::unitsChanged() {
    SideWindow::unitsChanged();
    showReadings();
    showResults();
}

void CAdvancedDlg::keepReadings() {
    for (std::size_t i = 0; i < readings_.size(); ++i)
        readings_[i] = typedNumber(advancedfields::kReadingFields[i], std::nan(""));
}

void CAdvancedDlg::showReadings() {
    DataExchange dx(*this, DataExchange::Direction::Load);
    for (std::size_t i = 0; i < readings_.size(); ++i)
        if (!std::isnan(readings_[i])) exchangeNumber(dx, advancedfields::kReadingFields[i], readings_[i]);
}

void CAdvancedDlg::writeBack(SideWindowOwner& owner) {
    // The drag scale is the Truing window's: whatever it applied since this window opened stays.
    effects_.dragScale = owner.shot().advanced.dragScale;
    owner.shot().advanced = effects_;
}

void CAdvancedDlg::onTruing() {
    if (SideWindowOwner* main = owner()) main->openTruing();
}

}  // namespace vorlan
