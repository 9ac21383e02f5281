#include "ui/main/CVorlan2Dlg.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QWhatsThis>

#include "shot/AtmosphereCommands.h"
#include "shot/ShotCheck.h"
#include "ui/common/CColorDlg.h"
#include "ui/common/ContextHelp.h"
#include "ui/common/ControlIds.h"
#include "ui/common/DataExchange.h"

namespace vorlan {

using namespace MainDialogIds;

namespace {
// The lowest value a number field takes. A station pressure is lower than a sea-level one:
// with "Station B.P." checked the pressure edit takes from kLowestStationPressure.
double lowestAccepted(const ThemedDialog& dialog, const ShotField& field) {
    if (field.member != FieldMember(&ShotParameters::pressure)) return field.minimum;
    const auto* station = dialog.controlAs<QCheckBox>(kStationPressureCheck);
    return station && station->isChecked() ? kLowestStationPressure : field.minimum;
}
}  // namespace

CVorlan2Dlg::CVorlan2Dlg(AppContext& context, QWidget* parent)
    : ThemedDialog(context, kTemplate, parent), cascade_(*this) {
    setWindowTitle(QStringLiteral("Vorlan"));
    // Icon 131 small (title bar, task bar), icon 132 large.
    QIcon icon;
    icon.addFile(QStringLiteral(":/icons/icon131.png"), QSize(16, 16));
    icon.addFile(QStringLiteral(":/icons/icon132.png"), QSize(32, 32));
    setWindowIcon(icon);
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint | Qt::WindowContextHelpButtonHint);
    setAcceptDrops(true);
    buildControls();
    setTabOrderByLayout();
    addShortcuts();
    attachValidators();
    settleFields();
    followUnits();
}

void CVorlan2Dlg::settleFields() {
    // "Station B.P." decides how low the pressure may be; the correction check whether the
    // muzzle angle is typed or solved; the standard atmospheres overwrite the weather.
    settleFieldsWith(kStationPressureCheck, {kPressureEdit});
    settleFieldsWith(kMuzzleAngleCheck, {kMuzzleAngleEdit});
    settleFieldsWith(kStdAtmosphereButton, {kTemperatureEdit, kHumidityEdit, kPressureEdit, kAltitudeEdit});
    settleFieldsWith(kIcaoAtmosphereButton, {kTemperatureEdit, kHumidityEdit, kPressureEdit});
}

CVorlan2Dlg::~CVorlan2Dlg() {
    // Table windows are children of the dialog and report their end to it: they go first.
    closeTableWindows();
    leaveOpenDialogs();
}

QPoint CVorlan2Dlg::firstOffset(WindowKind kind) {
    constexpr int half = WindowCascade::kStep / 2;
    switch (kind) {
        case WindowKind::Table:
            return {0, 0};
        case WindowKind::Comparison:
            return {half, half};
        case WindowKind::Chart:
            return {WindowCascade::kStep, half};
        case WindowKind::Side:
            return {half, 0};
    }
    return {};
}

void CVorlan2Dlg::placeNewWindow(QWidget* window, WindowKind kind) {
    // Placed at the size it shows with: its title and content decide it.
    giveDistinctTitle(window);
    if (auto* themed = qobject_cast<ThemedDialog*>(window); themed && !themed->isVisible()) themed->prepareToShow();
    cascade_.place(window, firstOffset(kind));
    // A new window comes to the front, never behind one opened before it.
    if (window->isVisible()) {
        window->raise();
        window->activateWindow();
    }
}

QLineEdit* CVorlan2Dlg::edit(int controlId) const { return controlAs<QLineEdit>(controlId); }

void CVorlan2Dlg::attachValidators() {
    for (const ShotField& field : shotFields()) {
        if (!field.keystrokes.enabled) continue;
        QLineEdit* e = edit(field.controlId);
        const KeystrokeRule rule = field.keystrokes;
        // Runs for typing and for every text the program writes.
        connect(e, &QLineEdit::textChanged, this, [this, e, rule] {
            validator_.configure(rule);
            validator_.check(e);
        });
    }
}

void CVorlan2Dlg::exchange(DataExchange& dx) {
    for (const ShotField& field : shotFields()) {
        const int id = field.controlId;
        if (field.quantity) {
            exchangeUnitField(dx, field, lowestAccepted(*this, field));
            continue;
        }
        switch (field.kind) {
            case FieldKind::Number:
                dx.number(id, shot_.*std::get<double ShotParameters::*>(field.member), lowestAccepted(*this, field),
                          field.maximum);
                break;
            case FieldKind::WholeNumber:
                dx.wholeNumber(id, shot_.*std::get<int ShotParameters::*>(field.member),
                               static_cast<int>(field.minimum), static_cast<int>(field.maximum));
                break;
            case FieldKind::Text:
                if (id == kAirDensityEdit && exchangeShownDensity(dx)) break;
                dx.text(id, shot_.*std::get<std::string ShotParameters::*>(field.member), field.maxLength);
                break;
            case FieldKind::Check:
                dx.check(id, shot_.*std::get<bool ShotParameters::*>(field.member));
                break;
            case FieldKind::RadioGroup:
                dx.radioGroup(id, shot_.*std::get<int ShotParameters::*>(field.member));
                break;
        }
    }
    exchangeSideWindows(dx);
}

void CVorlan2Dlg::onInitDialog() {
    updateData(false);
    joinOpenDialogs();
    edit(kNameEdit)->setFocus();  // typing starts in the first field
    shot_.resetForDialogStart();
    edit(kMuzzleAngleEdit)->setReadOnly(true);
    readSettings();
    updateData(false);
    syncMuzzleAngleEdit();
    if (!context().commandLineFile.isEmpty()) openGivenPath(context().commandLineFile.left(3999));
    markShotSaved();
    applyDialogColor();
}

void CVorlan2Dlg::syncMuzzleAngleEdit() {
    QLineEdit* muzzleAngle = edit(kMuzzleAngleEdit);
    muzzleAngle->setReadOnly(shot_.muzzleAngleCorrection);
    // Tab passes over a field that cannot be typed in.
    muzzleAngle->setFocusPolicy(shot_.muzzleAngleCorrection ? Qt::ClickFocus : Qt::StrongFocus);
    applyDialogColor();
}

void CVorlan2Dlg::accept() {}

void CVorlan2Dlg::onAirDensity() {
    if (!updateData()) return;
    airDensityCommand(shot_);
    updateData(false);
}

void CVorlan2Dlg::onStandardAtmosphere() {
    if (!updateDataExcept(fieldsSettledBy(kStdAtmosphereButton))) return;
    standardAtmosphereCommand(shot_);
    updateData(false);
}

void CVorlan2Dlg::onIcaoAtmosphere() {
    if (!updateDataExcept(fieldsSettledBy(kIcaoAtmosphereButton))) return;
    icaoAtmosphereCommand(shot_);
    updateData(false);
}

void CVorlan2Dlg::onMuzzleAngleCheck() {
    updateDataExcept(fieldsSettledBy(kMuzzleAngleCheck));
    syncMuzzleAngleEdit();
}

void CVorlan2Dlg::onLeaveIncrementField() {
    // After a failed check the edits keep what the user typed.
    if (!updateData()) return;
    if (static_cast<long long>(shot_.incrementCount) * shot_.rangeIncrement > kLongestTable && shot_.rangeIncrement > 0)
        shot_.incrementCount = kLongestTable / shot_.rangeIncrement;
    updateData(false);
}

void CVorlan2Dlg::onDialogColor() {
    if (!updateData()) return;
    CColorDlg chooser(context(), this);
    chooser.exec();
}

void CVorlan2Dlg::onAbout() {
    if (context().showAbout) context().showAbout(this);
}

void CVorlan2Dlg::onHelp() {
    if (context().help) context().help->winHelp(129, HelpCommand::Contents);
}

void CVorlan2Dlg::showRangeTableHelp() {
    if (context().help) context().help->winHelp(0, HelpCommand::RangeTablePage);
}

void CVorlan2Dlg::onContextHelpMode() { QWhatsThis::enterWhatsThisMode(); }

bool CVorlan2Dlg::eventFilter(QObject* watched, QEvent* event) {
    auto* e = qobject_cast<QLineEdit*>(watched);
    // A check's own message box comes during the exchange and does not start another.
    if (e && leavesField(event) && !isExchanging()) {
        const int id = controlIdOf(e);
        if (id == kRangeIncrementEdit || id == kIncrementCountEdit)
            onLeaveIncrementField();
        else if (!e->isReadOnly() || id == kMuzzleAngleEdit)
            updateDataExcept(fieldsSettledByFocus());
        // A long name shows its start, not its end, once the caret has gone.
        // (Not when a failed check has given the focus back to it, its text selected.)
        if (focusWidget() != e) e->setCursorPosition(0);
    }
    return ThemedDialog::eventFilter(watched, event);
}

void CVorlan2Dlg::keyPressEvent(QKeyEvent* event) {
    // Escape would end the program: only a close request (title bar, Alt+F4) does that.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    ThemedDialog::keyPressEvent(event);
}

void CVorlan2Dlg::closeEvent(QCloseEvent* event) {
    // A field that fails its check keeps the program open.
    if (!updateData()) {
        event->ignore();
        return;
    }
    ThemedDialog::closeEvent(event);
}

void CVorlan2Dlg::done(int result) {
    if (!runExitSequence()) return;
    ThemedDialog::done(result);
}

bool CVorlan2Dlg::runExitSequence() {
    // The fields are taken before anything closes: a bad one keeps every window open.
    if (!updateData()) return false;
    closeTableWindows();
    context().openDialogs.closeAllExcept(this);
    if (!updateData()) {
        // The dialog stays open, so it stays among the windows that follow the colour.
        joinOpenDialogs();
        return false;
    }
    writeSettings();
    if (context().help) context().help->winHelp(0, HelpCommand::Quit);
    return true;
}

}  // namespace vorlan
