#include "CVorlan2Dlg.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFocusEvent>
#include <QLineEdit>
#include <QWhatsThis>

#include "AtmosphereCommands.h"
#include "CColorDlg.h"
#include "ContextHelp.h"
#include "DataExchange.h"

namespace vorlan {

namespace {
constexpr int kMuzzleAngleEdit = 1042;
constexpr int kRangeIncrementEdit = 1008;
constexpr int kIncrementCountEdit = 1009;
constexpr int kLongestTable = 5000;  // yards: increment x count
constexpr int kStationPressureCheck = 1019;

// The lowest value a number field takes. A station pressure is lower than a sea-level one:
// with "Station B.P." checked the pressure edit takes from kLowestStationPressure.
double lowestAccepted(const ColorDialog& dialog, const ShotField& field) {
    if (field.member != FieldMember(&ShotParameters::pressure)) return field.minimum;
    const auto* station = dialog.controlAs<QCheckBox>(kStationPressureCheck);
    return station && station->isChecked() ? kLowestStationPressure : field.minimum;
}
}  // namespace

CVorlan2Dlg::CVorlan2Dlg(AppContext& context, QWidget* parent) : ColorDialog(context, kMainDialogTemplate, parent) {
    setWindowTitle(QStringLiteral("Vorlan"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint | Qt::WindowContextHelpButtonHint);
    setAcceptDrops(true);
    buildControls();
    addShortcuts();
    attachValidators();
}

CVorlan2Dlg::~CVorlan2Dlg() {
    // Table windows are children of the dialog and report their end to it: they go first.
    closeTableWindows();
    leaveOpenDialogs();
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
}

void CVorlan2Dlg::onInitDialog() {
    updateData(false);
    joinOpenDialogs();
    edit(1000)->setFocus();  // typing starts in the first field
    shot_.resetForDialogStart();
    edit(kMuzzleAngleEdit)->setReadOnly(true);
    readSettings();
    updateData(false);
    syncMuzzleAngleEdit();
    if (!context().commandLineFile.isEmpty()) openGivenPath(context().commandLineFile.left(3999));
    applyDialogColor();
}

void CVorlan2Dlg::syncMuzzleAngleEdit() {
    edit(kMuzzleAngleEdit)->setReadOnly(shot_.muzzleAngleCorrection);
    applyDialogColor();
}

void CVorlan2Dlg::accept() {}

void CVorlan2Dlg::onAirDensity() {
    updateData();
    airDensityCommand(shot_);
    updateData(false);
}

void CVorlan2Dlg::onStandardAtmosphere() {
    updateData();
    standardAtmosphereCommand(shot_);
    updateData(false);
}

void CVorlan2Dlg::onIcaoAtmosphere() {
    updateData();
    icaoAtmosphereCommand(shot_);
    updateData(false);
}

void CVorlan2Dlg::onMuzzleAngleCheck() {
    updateData();
    syncMuzzleAngleEdit();
}

void CVorlan2Dlg::onLeaveIncrementField() {
    updateData();
    if (static_cast<long long>(shot_.incrementCount) * shot_.rangeIncrement > kLongestTable && shot_.rangeIncrement > 0)
        shot_.incrementCount = kLongestTable / shot_.rangeIncrement;
    // Also puts the last accepted values back after a failed read.
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

void CVorlan2Dlg::onContextHelpMode() { QWhatsThis::enterWhatsThisMode(); }

bool CVorlan2Dlg::eventFilter(QObject* watched, QEvent* event) {
    auto* e = qobject_cast<QLineEdit*>(watched);
    if (e && event->type() == QEvent::FocusOut && !isExchanging()) {
        // Focus lost to another window (a message box, a menu) is not the user leaving the field.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
            const int id = controlIdOf(e);
            if (id == kRangeIncrementEdit || id == kIncrementCountEdit)
                onLeaveIncrementField();
            else if (!e->isReadOnly() || id == kMuzzleAngleEdit)
                updateData();
        }
    }
    return ColorDialog::eventFilter(watched, event);
}

void CVorlan2Dlg::closeEvent(QCloseEvent* event) {
    // A field that fails its check keeps the program open.
    if (!updateData()) {
        event->ignore();
        return;
    }
    ColorDialog::closeEvent(event);
}

void CVorlan2Dlg::done(int result) {
    if (!runExitSequence()) return;
    ColorDialog::done(result);
}

bool CVorlan2Dlg::runExitSequence() {
    updateData();
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
