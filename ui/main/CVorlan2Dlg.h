#pragma once
// The main window. It holds the one shot record and shows every input as an edit, check box
// or radio button; every command first copies the controls into the record (the exchange,
// built from the record's field table), then runs on the record and writes results back.
//
//   start:  defaults -> settings file -> shot file from the command line -> controls
//   typing: edit change -> CValidator cut-back;  leaving an edit -> exchange with checks
//   end:    exchange -> close table and side windows -> exchange -> settings file

#include <QList>
#include <QPointer>
#include <QUrl>
#include <functional>
#include <optional>
#include <span>
#include <string>

#include "reports/comparison/ShotComparison.h"
#include "reports/table/TableWindowOwner.h"
#include "shot/SettingsFile.h"
#include "shot/ShotFile.h"
#include "shot/ShotParameters.h"
#include "ui/common/CValidator.h"
#include "ui/common/SideWindowOwner.h"
#include "ui/common/ThemedDialog.h"
#include "ui/common/WindowCascade.h"
#include "ui/library/LibraryWindowOwner.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QCheckBox;
class QTimer;

namespace vorlan {

class CColorBtn;

class CVorlan2Dlg : public ThemedDialog, public TableWindowOwner, public SideWindowOwner, public LibraryWindowOwner {
    Q_OBJECT
public:
    explicit CVorlan2Dlg(AppContext& context, QWidget* parent = nullptr);
    ~CVorlan2Dlg() override;

    ShotParameters& shot() override { return shot_; }
    const ShotParameters& shot() const { return shot_; }

    // What a side window asks of the main dialog.
    QWidget* ownerWindow() override { return this; }
    AppContext& ownerContext() override { return context(); }
    bool takeFields() override { return takeShot(); }
    void showFields() override { updateData(false); }

    // Folder (ending in "/") and name of the shot file last loaded, saved, dropped or given.
    std::string saveDirectory;
    std::string saveFileName;
    // Folder the last range table was saved to, with its trailing "/"; kept in the settings.
    QString& saveRangeTableDirectory() override { return saveRangeTableDirectory_; }
    // Range-table windows still open, in the order they were opened; closed newest first
    // when the dialog ends. A window leaves the list when it is destroyed.
    QList<QPointer<QWidget>> openTableWindows;
    void tableWindowDestroyed(TrajectoryWindow* window) override;
    void showRangeTableHelp() override;
    void placeTableWindow(QWidget* window) override { placeNewWindow(window, WindowKind::Table); }
    // View > Units (the dialog's right-click menu, a table window's View menu): the Units
    // dialog, whose choice every open window follows.
    void openUnits() override;
    ShownUnits* shownUnits() override { return &context().units; }
    // A Field Card window of a shot (the dialog's, or a table window's) in the given units.
    void openFieldCard(const ShotParameters& shot, UnitSystem units) override;
    void openSightPicture(const ShotParameters& shot, UnitSystem units) override;
    // A Hit Probability window flying a table window's shot with the dialog's hit inputs, which
    // it keeps up to date as they are typed, the table's P(hit) following them.
    void openHitProbability(const ShotParameters& shot, TrajectoryWindow& table) override;
    // A Truing window of the dialog's shot (from the Advanced window or a table window, which
    // then follows its Apply and Clear Truing).
    void openTruing() override;
    void openTruing(TrajectoryWindow& table) override;
    void shotChanged(QWidget* window) override;
    // "Vorlan Preferences.ini" beside the settings file: the table windows' last view, the
    // library's folder.
    QString preferencesPath() override;
    // The Library window (File > Library... of a table window too), and what it asks of the dialog.
    void openLibrary() override { onLibrary(); }
    std::optional<ShotParameters> libraryShot() override;
    bool openLibraryLoad(const QString& path) override;
    void savedToLibrary(const QString& path, const ShotParameters& saved) override;
    // The shot kept by Set Baseline for Shoot; none until the first Set Baseline.
    const std::optional<ShotBaseline>& baseline() const { return baseline_; }

    // Windows opened from the dialog cascade from the last one open, out of the way of its
    // fields; with none open, each kind starts a little apart (firstOffset). A window whose
    // title an open window already bears gets " (2)", " (3)"...
    enum class WindowKind { Table, Comparison, Chart, Side };
    static QPoint firstOffset(WindowKind kind);
    void placeNewWindow(QWidget* window, WindowKind kind);
    // The short-lived note under the command buttons ("Baseline set: ...").
    QString statusText() const;

    QLineEdit* edit(int controlId) const;
    // Opens a shot file handed over by the shell. One that is not opened (not named ".vxf",
    // missing, a folder, not a shot file) is told in the note under the command buttons.
    void openGivenPath(const QString& path);
    // Files dropped on the dialog: the first one is opened as a given path.
    void openDroppedFiles(const QList<QUrl>& urls);

    // Commands (public so that menus, shortcuts and tests reach the same code).
    void onAirDensity();
    void onStandardAtmosphere();
    void onIcaoAtmosphere();
    void onLoad();
    void onSave();
    void onDialogColor();
    void onAbout();
    void onHelp();
    void onContextHelpMode();
    void onMuzzleAngleCheck();
    void onLeaveIncrementField();
    // The report commands and the side windows.
    void onRangeTable();
    void onSetBaseline();
    void onShoot();
    void onComputeBC();
    void onMaximumRange();
    void onOPBZ();
    void onCalculations();
    void onAdvanced();
    void onFieldCard();
    void onHitProbability();
    void onLibrary();

    void accept() override;  // Enter never closes the dialog
    void done(int result) override;

protected:
    void onInitDialog() override;
    void exchange(DataExchange& dx) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    // The dialog's fixed size, or less with scroll bars on a screen too small for it.
    void fitToScreen();
    QWidget* buildProjectileGroup();
    QWidget* buildWindGroup();
    QWidget* buildAtmosphereGroup();
    QWidget* buildDensityGroup();
    QWidget* buildDragGroup();
    QWidget* buildCommandGroup();
    QLineEdit* addEdit(int controlId);
    // The caption of a field, in the units shown; one of a quantity follows a change of them.
    QLabel* addCaption(int controlId);
    // A titled group of `edits`, each made by `makeEdit`, with its caption beside it.
    QGroupBox* editGroup(const QString& title, std::span<const int> edits,
                         const std::function<QLineEdit*(int)>& makeEdit);
    // A number field of a quantity, in the unit shown; a figure typed in metric units is kept.
    void exchangeUnitField(DataExchange& dx, const ShotField& field, double minimum);
    // The air density in kg/m^3 with metric units, shown only: the field is read-only and the
    // shot keeps the designed figure. False in the designed units, exchanged as any text.
    bool exchangeShownDensity(DataExchange& dx);
    void showDensityCaption();
    // The captions of quantities in the new units, and the fields shown in them.
    void unitsChanged() override;
    CColorBtn* addButton(int controlId, const QString& caption, void (CVorlan2Dlg::*slot)());
    void addShortcuts();
    void setTabOrderByLayout();
    // A note under the command buttons for a few seconds (0: the usual time).
    void showStatus(const QString& text, int milliseconds = 0);
    void attachValidators();
    void settleFields();
    void syncMuzzleAngleEdit();
    // Reads the fields and checks the whole shot before a command computes from it: a value
    // out of its bounds (an advanced input, a list) is told in the "Invalid Entry" box.
    bool takeShot();
    // Reads a shot file into the dialog, telling a failure and the lines that did not read.
    bool readShotTelling(const std::string& path, ShotReadMode mode, bool tellFailure);
    // Shows the shot just read from `path`, then tells the values outside their bounds.
    void showReadShot(const std::string& path);
    // The shot's values outside their bounds, each with its field and bounds, under `intro`
    // in a box titled `title`; nothing when all fit.
    void tellShotProblems(const QString& title, const QString& intro);
    // The shot on screen is the one last started with, loaded or saved: no changes to lose.
    void markShotSaved();
    AppSettings currentSettings() const;
    void readSettings();
    void writeSettings();
    bool runExitSequence();
    void closeTableWindows();
    // The side windows of this dialog that hold part of its shot take or show it with its fields.
    void exchangeSideWindows(DataExchange& dx);
    QString chooseShotFile(FileRequest::Kind kind, const std::string& initialName);
    void openHitProbabilityWindow(const ShotParameters& shot, TrajectoryWindow* table);

    ShotParameters shot_;
    CValidator validator_;
    QString saveRangeTableDirectory_;
    // A settings or extras file that exists but could not be read at start is not replaced.
    bool keepSettingsFile_ = false;
    bool keepExtrasFile_ = false;
    std::optional<ShotBaseline> baseline_;
    std::string savedShot_;  // the shot as last started with, loaded or saved (its file text)
    WindowCascade cascade_;
    QLabel* status_ = nullptr;
    QTimer* statusTimer_ = nullptr;
    // The side windows opened from a table window, with the table: it follows what they change.
    std::vector<std::pair<QPointer<QWidget>, QPointer<TrajectoryWindow>>> openedFromTables_;
    std::vector<std::pair<QLabel*, const ShotField*>> unitLabels_;
    QLabel* densityLabel_ = nullptr;
};

}  // namespace vorlan
