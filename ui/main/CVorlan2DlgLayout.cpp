// The controls of the main dialog, by group, each carrying its control number.

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QShortcut>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <functional>
#include <span>

#include "shot/ShotParameters.h"
#include "ui/common/CColorBtn.h"
#include "ui/common/ControlIds.h"
#include "ui/main/CVorlan2Dlg.h"

namespace vorlan {

using namespace MainDialogIds;

namespace {

// The edits of each group, top to bottom; their captions come from the shot's field table.
constexpr int kProjectileEdits[] = {
    kNameEdit,        kCaliberEdit,    kVelocityEdit,     kWeightEdit,         kBallisticCoefficientEdit,
    kSightHeightEdit, kCantAngleEdit,  kSightInRangeEdit, kRangeIncrementEdit, kIncrementCountEdit,
    kLosAngleEdit,    kMuzzleAngleEdit};
constexpr int kWindEdits[] = {kCrosswindEdit, kTargetRangeEdit, kTargetSpeedEdit, kTargetDirectionEdit};
constexpr int kAtmosphereEdits[] = {kTemperatureEdit, kHumidityEdit, kPressureEdit, kAltitudeEdit};
constexpr int kDensityEdits[] = {kAirDensityEdit, kSeaLevelPercentEdit};

QString captionOf(int controlId) { return QString::fromStdString(shotFieldOf(controlId)->caption()); }

// The drag radio buttons in index order (GS before RA4), with their place on screen:
// RA4 is drawn left of GS.
struct DragButton {
    int controlId;
    const char* caption;
    int row, column;
};
constexpr DragButton kDragButtons[] = {
    {kG1Radio, "G1", 0, 0}, {kG2Radio, "G2", 0, 1},   {kG5Radio, "G5", 0, 2}, {kG6Radio, "G6", 0, 3},
    {kG7Radio, "G7", 0, 4}, {kG8Radio, "G8", 1, 0},   {kGlRadio, "GL", 1, 1}, {kGiRadio, "Gi", 1, 2},
    {kGsRadio, "GS", 1, 4}, {kRa4Radio, "RA4", 1, 3},
};

constexpr int kEditWidth = 88;
constexpr int kStatusMilliseconds = 5000;

}  // namespace

QLineEdit* CVorlan2Dlg::addEdit(int controlId) {
    auto* edit = new QLineEdit(this);
    setControlId(edit, controlId);
    edit->setAlignment(Qt::AlignCenter);
    edit->setFixedWidth(controlId == kNameEdit ? 2 * kEditWidth : kEditWidth);
    edit->installEventFilter(this);
    return edit;
}

CColorBtn* CVorlan2Dlg::addButton(int controlId, const QString& caption, void (CVorlan2Dlg::*slot)()) {
    auto* button = new CColorBtn(caption, this);
    setControlId(button, controlId);
    connect(button, &QPushButton::clicked, this, slot);
    return button;
}

QGroupBox* CVorlan2Dlg::editGroup(const QString& title, std::span<const int> edits,
                                  const std::function<QLineEdit*(int)>& makeEdit) {
    auto* group = new QGroupBox(title);
    auto* grid = new QGridLayout(group);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(5);
    int row = 0;
    for (const int id : edits) {
        grid->addWidget(makeEdit(id), row, 0, Qt::AlignRight);
        grid->addWidget(addCaption(id), row, 1);
        ++row;
    }
    grid->setColumnStretch(1, 1);
    return group;
}

QWidget* CVorlan2Dlg::buildProjectileGroup() {
    return editGroup(tr("Projectile and Sight"), kProjectileEdits, [this](int id) { return addEdit(id); });
}

QWidget* CVorlan2Dlg::buildWindGroup() {
    return editGroup(tr("Wind and Target"), kWindEdits, [this](int id) { return addEdit(id); });
}

QWidget* CVorlan2Dlg::buildAtmosphereGroup() {
    auto* group = editGroup(tr("Atmosphere"), kAtmosphereEdits, [this](int id) { return addEdit(id); });
    auto* station = new QCheckBox(captionOf(kStationPressureCheck), group);
    setControlId(station, kStationPressureCheck);
    static_cast<QGridLayout*>(group->layout())->addWidget(station, 4, 0, 1, 2, Qt::AlignLeft);
    return group;
}

QWidget* CVorlan2Dlg::buildDensityGroup() {
    return editGroup(tr("Air Density"), kDensityEdits, [this](int id) {
        QLineEdit* e = addEdit(id);
        e->setReadOnly(true);
        return e;
    });
}

QWidget* CVorlan2Dlg::buildDragGroup() {
    auto* group = new QGroupBox;
    auto* grid = new QGridLayout(group);
    grid->addWidget(new QLabel(captionOf(kDragGroup) + u':'), 0, 0, 1, 5);
    QList<QRadioButton*> buttons;
    for (const DragButton& b : kDragButtons) {
        auto* radio = new QRadioButton(QString::fromLatin1(b.caption), group);
        setControlId(radio, b.controlId);
        grid->addWidget(radio, b.row + 1, b.column);
        buttons.append(radio);
    }
    registerRadioGroup(kDragGroup, buttons);
    return group;
}

QWidget* CVorlan2Dlg::buildCommandGroup() {
    auto* box = new QWidget;
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(6);
    using D = CVorlan2Dlg;
    const struct {
        int id;
        const char* caption;
        void (D::*slot)();
    } commands[] = {
        {kStdAtmosphereButton, QT_TRANSLATE_NOOP("vorlan::CVorlan2Dlg", "Std. Atmosphere"), &D::onStandardAtmosphere},
        {kIcaoAtmosphereButton, QT_TRANSLATE_NOOP("vorlan::CVorlan2Dlg", "ICAO Atmosphere"), &D::onIcaoAtmosphere},
        {kAirDensityButton, QT_TRANSLATE_NOOP("vorlan::CVorlan2Dlg", "Air Density"), &D::onAirDensity},
        {kRangeTableButton, QT_TRANSLATE_NOOP("vorlan::CVorlan2Dlg", "Range Table"), &D::onRangeTable},
        {kSetBaselineButton, QT_TRANSLATE_NOOP("vorlan::CVorlan2Dlg", "Set Baseline"), &D::onSetBaseline},
        {kShootButton, QT_TRANSLATE_NOOP("vorlan::CVorlan2Dlg", "Shoot"), &D::onShoot},
        {kComputeBcButton, QT_TRANSLATE_NOOP("vorlan::CVorlan2Dlg", "Compute BC"), &D::onComputeBC},
        {kOpbzButton, QT_TRANSLATE_NOOP("vorlan::CVorlan2Dlg", "OPBZ"), &D::onOPBZ},
        {kMaximumRangeButton, QT_TRANSLATE_NOOP("vorlan::CVorlan2Dlg", "Maximum Range"), &D::onMaximumRange},
        {kFieldCardButton, QT_TRANSLATE_NOOP("vorlan::CVorlan2Dlg", "&Field Card..."), &D::onFieldCard},
        {kHitProbabilityButton, QT_TRANSLATE_NOOP("vorlan::CVorlan2Dlg", "Hit &Probability..."), &D::onHitProbability},
        {kLibraryButton, QT_TRANSLATE_NOOP("vorlan::CVorlan2Dlg", "&Library..."), &D::onLibrary},
    };
    int i = 0;
    for (const auto& c : commands) {
        CColorBtn* button = addButton(c.id, tr(c.caption), c.slot);
        button->setMinimumSize(112, 34);
        grid->addWidget(button, i / 3, i % 3);
        ++i;
    }
    // Outcomes that need no box, such as Set Baseline, are told here for a few seconds.
    status_ = new QLabel(box);
    status_->setObjectName(QStringLiteral("statusText"));
    setControlId(status_, kStatusText);
    status_->setAlignment(Qt::AlignCenter);
    status_->setFixedHeight(status_->fontMetrics().height() + 4);
    grid->addWidget(status_, (i + 2) / 3, 0, 1, 3);  // under the last row of buttons
    statusTimer_ = new QTimer(this);
    statusTimer_->setSingleShot(true);
    statusTimer_->setInterval(kStatusMilliseconds);
    connect(statusTimer_, &QTimer::timeout, status_, [this] {
        status_->clear();
        status_->setToolTip({});
    });
    return box;
}

void CVorlan2Dlg::buildControls() {
    auto* help = addButton(kContextHelpButton, QStringLiteral("?"), &CVorlan2Dlg::onContextHelpMode);
    help->setBitmap(QStringLiteral(":/bitmaps/bitmap148.png"), 2);
    help->setFixedSize(34, 34);
    help->setToolTip(tr("What's this?"));
    CColorBtn* contents = addButton(kHelpButton, tr("&Help"), &CVorlan2Dlg::onHelp);
    contents->setFixedHeight(34);
    auto* topRight = new QHBoxLayout;
    topRight->addStretch();
    topRight->addWidget(help);
    topRight->addWidget(contents);

    auto* middle = new QVBoxLayout;
    middle->addWidget(buildAtmosphereGroup());
    middle->addWidget(buildDensityGroup());
    middle->addStretch();
    auto* right = new QVBoxLayout;
    right->addLayout(topRight);
    right->addWidget(buildDragGroup());
    right->addStretch();

    auto* correction = new QCheckBox(captionOf(kMuzzleAngleCheck), this);
    setControlId(correction, kMuzzleAngleCheck);
    connect(correction, &QCheckBox::clicked, this, &CVorlan2Dlg::onMuzzleAngleCheck);
    CColorBtn* calculations = addButton(kCalculationsButton, tr("Calculations"), &CVorlan2Dlg::onCalculations);
    calculations->setMinimumSize(112, 34);
    CColorBtn* advanced = addButton(kAdvancedButton, tr("&Advanced..."), &CVorlan2Dlg::onAdvanced);
    advanced->setMinimumSize(112, 34);
    auto* sideCommands = new QHBoxLayout;
    sideCommands->setSpacing(6);
    sideCommands->addWidget(advanced);
    sideCommands->addWidget(calculations);

    // Projectile and wind on the left; atmosphere, drag model and the commands beside them.
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(12);
    grid->setVerticalSpacing(10);
    grid->addWidget(buildProjectileGroup(), 0, 0);
    grid->addLayout(middle, 0, 1);
    grid->addLayout(right, 0, 2);
    grid->addWidget(buildWindGroup(), 1, 0);
    grid->addWidget(buildCommandGroup(), 1, 1, 1, 2, Qt::AlignBottom);
    grid->addWidget(correction, 2, 0, 1, 2);
    grid->addLayout(sideCommands, 2, 2, Qt::AlignRight);

    // The controls sit in a scroll area without a frame: it shows them whole where the screen
    // has room and scrolls them on a screen smaller than the dialog.
    auto* content = new QWidget;
    auto* contentLayout = new QVBoxLayout(content);
    contentLayout->setContentsMargins(14, 12, 14, 12);
    contentLayout->addLayout(grid);
    auto* scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("dialogArea"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setFocusPolicy(Qt::NoFocus);  // Tab goes from control to control, never to the area
    scroll->setWidget(content);
    scroll->viewport()->setAutoFillBackground(false);
    content->setAutoFillBackground(false);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(scroll);
    // A fixed size, as the dialog was designed: it can be minimised but not maximised.
    layout->setSizeConstraint(QLayout::SetFixedSize);
    fitToScreen();
}

void CVorlan2Dlg::fitToScreen() {
    auto* scroll = findChild<QScrollArea*>(QStringLiteral("dialogArea"));
    QWidget* content = scroll->widget();
    content->adjustSize();
    QSize size = content->size();
    if (const QScreen* shown = screen()) {
        // Room for the frame a window manager adds around the dialog.
        constexpr int kFrameWidth = 16, kFrameHeight = 48;
        const QSize room = shown->availableGeometry().size() - QSize(kFrameWidth, kFrameHeight);
        if (!room.isEmpty() && (size.width() > room.width() || size.height() > room.height())) {
            // The bars take room of their own where they appear.
            const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
            size = QSize(std::min(size.width() + (size.height() > room.height() ? bar : 0), room.width()),
                         std::min(size.height() + (size.width() > room.width() ? bar : 0), room.height()));
        }
    }
    scroll->setFixedSize(size);
}

void CVorlan2Dlg::setTabOrderByLayout() {
    // The left column top to bottom, the atmosphere column, the drag functions (Qt enters the
    // group at its checked button and the arrows move inside it), the check box, the commands
    // row by row; the read-only density fields are passed over.
    // clang-format off
    const int order[] = {kNameEdit, kCaliberEdit, kVelocityEdit, kWeightEdit, kBallisticCoefficientEdit,
                         kSightHeightEdit, kCantAngleEdit, kSightInRangeEdit, kRangeIncrementEdit,
                         kIncrementCountEdit, kLosAngleEdit, kMuzzleAngleEdit, kCrosswindEdit, kTargetRangeEdit,
                         kTargetSpeedEdit, kTargetDirectionEdit, kTemperatureEdit, kHumidityEdit, kPressureEdit,
                         kAltitudeEdit, kStationPressureCheck, kG1Radio, kG2Radio, kG5Radio, kG6Radio, kG7Radio,
                         kG8Radio, kGlRadio, kGiRadio, kRa4Radio, kGsRadio, kMuzzleAngleCheck, kStdAtmosphereButton,
                         kIcaoAtmosphereButton, kAirDensityButton, kRangeTableButton, kSetBaselineButton,
                         kShootButton, kComputeBcButton, kOpbzButton, kMaximumRangeButton, kFieldCardButton, kHitProbabilityButton, kLibraryButton, kAdvancedButton,
                         kCalculationsButton, kContextHelpButton, kHelpButton};
    // clang-format on
    for (std::size_t i = 1; i < std::size(order); ++i) setTabOrder(control(order[i - 1]), control(order[i]));
    for (const int readOnly : {kAirDensityEdit, kSeaLevelPercentEdit})
        control(readOnly)->setFocusPolicy(Qt::ClickFocus);
}

QString CVorlan2Dlg::statusText() const { return status_->text(); }

void CVorlan2Dlg::showStatus(const QString& text, int milliseconds) {
    status_->setText(text);
    status_->setToolTip(text);  // the whole note, should the line cut it
    statusTimer_->start(milliseconds > 0 ? milliseconds : kStatusMilliseconds);
}

void CVorlan2Dlg::addShortcuts() {
    const struct {
        QKeySequence keys;
        void (CVorlan2Dlg::*slot)();
    } shortcuts[] = {
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C), &CVorlan2Dlg::onDialogColor},
        {QKeySequence(Qt::SHIFT | Qt::Key_F1), &CVorlan2Dlg::onContextHelpMode},
        {QKeySequence(Qt::CTRL | Qt::Key_O), &CVorlan2Dlg::onLoad},
    };
    for (const auto& s : shortcuts) {
        auto* shortcut = new QShortcut(s.keys, this);
        connect(shortcut, &QShortcut::activated, this, s.slot);
    }
}

}  // namespace vorlan
