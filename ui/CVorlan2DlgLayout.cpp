// The controls of the main dialog, by group, each carrying its control number.

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QShortcut>
#include <QTimer>
#include <QVBoxLayout>
#include <functional>
#include <span>

#include "ui/CColorBtn.h"
#include "ui/CVorlan2Dlg.h"

namespace vorlan {

namespace {

struct LabelledEdit {
    int controlId;
    const char* label;
};

constexpr LabelledEdit kProjectileEdits[] = {
    {1000, "Gun / Projectile Name"}, {1001, "Caliber"},
    {1002, "Velocity (f.p.s.)"},     {1003, "Weight (grains)"},
    {1004, "Ballistic Coefficient"}, {1005, "Sight Height (in.)"},
    {1006, "Cant Angle (deg.)"},     {1007, "Sight-In Range (yd.)"},
    {1008, "Range Increment (yd.)"}, {1009, "Number of Increments"},
    {1010, "LOS Angle (deg.)"},      {1042, "Muzzle Angle (moa)"},
};
constexpr LabelledEdit kWindEdits[] = {
    {1011, "Crosswind (m.p.h.)"},
    {1012, "Target Range (yd.)"},
    {1037, "Target Speed (m.p.h.)"},
    {1041, "Target Direction (deg.)"},
};
constexpr LabelledEdit kAtmosphereEdits[] = {
    {1013, "Temperature (deg. F)"},
    {1014, "Relative Humidity (%)"},
    {1015, "Barometric Pressure (in.)"},
    {1018, "Altitude (ft.)"},
};
constexpr LabelledEdit kDensityEdits[] = {
    {1016, "Air Density (lb./ft.^3)"},
    {1017, "% of Sea Level"},
};

// The drag radio buttons in index order (GS before RA4), with their place on screen:
// RA4 is drawn left of GS.
struct DragButton {
    int controlId;
    const char* caption;
    int row, column;
};
constexpr DragButton kDragButtons[] = {
    {1020, "G1", 0, 0}, {1022, "G2", 0, 1}, {1025, "G5", 0, 2}, {1024, "G6", 0, 3}, {1021, "G7", 0, 4},
    {1023, "G8", 1, 0}, {1027, "GL", 1, 1}, {1028, "Gi", 1, 2}, {1044, "GS", 1, 4}, {1045, "RA4", 1, 3},
};

constexpr int kEditWidth = 88;
constexpr int kStatusMilliseconds = 5000;

}  // namespace

QLineEdit* CVorlan2Dlg::addEdit(int controlId) {
    auto* edit = new QLineEdit(this);
    setControlId(edit, controlId);
    edit->setAlignment(Qt::AlignCenter);
    edit->setFixedWidth(controlId == 1000 ? 2 * kEditWidth : kEditWidth);
    edit->installEventFilter(this);
    return edit;
}

CColorBtn* CVorlan2Dlg::addButton(int controlId, const QString& caption, void (CVorlan2Dlg::*slot)()) {
    auto* button = new CColorBtn(caption, this);
    setControlId(button, controlId);
    connect(button, &QPushButton::clicked, this, slot);
    return button;
}

namespace {

QGroupBox* editGroup(const QString& title, std::span<const LabelledEdit> edits,
                     const std::function<QLineEdit*(int)>& makeEdit) {
    auto* group = new QGroupBox(title);
    auto* grid = new QGridLayout(group);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(5);
    int row = 0;
    for (const LabelledEdit& e : edits) {
        grid->addWidget(makeEdit(e.controlId), row, 0, Qt::AlignRight);
        grid->addWidget(new QLabel(QString::fromLatin1(e.label)), row, 1);
        ++row;
    }
    grid->setColumnStretch(1, 1);
    return group;
}

}  // namespace

QWidget* CVorlan2Dlg::buildProjectileGroup() {
    return editGroup(tr("Projectile and Sight"), kProjectileEdits, [this](int id) { return addEdit(id); });
}

QWidget* CVorlan2Dlg::buildWindGroup() {
    return editGroup(tr("Wind and Target"), kWindEdits, [this](int id) { return addEdit(id); });
}

QWidget* CVorlan2Dlg::buildAtmosphereGroup() {
    auto* group = editGroup(tr("Atmosphere"), kAtmosphereEdits, [this](int id) { return addEdit(id); });
    auto* station = new QCheckBox(QStringLiteral("Station B.P."), group);
    setControlId(station, 1019);
    static_cast<QGridLayout*>(group->layout())->addWidget(station, 4, 0, 1, 2, Qt::AlignLeft);
    return group;
}

QWidget* CVorlan2Dlg::buildDensityGroup() {
    auto* group = editGroup(tr("Air Density"), kDensityEdits, [this](int id) {
        QLineEdit* e = addEdit(id);
        e->setReadOnly(true);
        return e;
    });
    return group;
}

QWidget* CVorlan2Dlg::buildDragGroup() {
    auto* group = new QGroupBox;
    auto* grid = new QGridLayout(group);
    grid->addWidget(new QLabel(QStringLiteral("Drag Function:")), 0, 0, 1, 5);
    QList<QRadioButton*> buttons;
    for (const DragButton& b : kDragButtons) {
        auto* radio = new QRadioButton(QString::fromLatin1(b.caption), group);
        setControlId(radio, b.controlId);
        grid->addWidget(radio, b.row + 1, b.column);
        buttons.append(radio);
    }
    registerRadioGroup(1020, buttons);
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
        {1026, "Std. Atmosphere", &D::onStandardAtmosphere},
        {1030, "ICAO Atmosphere", &D::onIcaoAtmosphere},
        {1029, "Air Density", &D::onAirDensity},
        {1031, "Range Table", &D::onRangeTable},
        {1033, "Set Baseline", &D::onSetBaseline},
        {1032, "Shoot", &D::onShoot},
        {1034, "Compute BC", &D::onComputeBC},
        {1036, "OPBZ", &D::onOPBZ},
        {1035, "Maximum Range", &D::onMaximumRange},
    };
    int i = 0;
    for (const auto& c : commands) {
        CColorBtn* button = addButton(c.id, QString::fromLatin1(c.caption), c.slot);
        button->setMinimumSize(112, 34);
        grid->addWidget(button, i / 3, i % 3);
        ++i;
    }
    // Outcomes that need no box, such as Set Baseline, are told here for a few seconds.
    status_ = new QLabel(box);
    status_->setObjectName(QStringLiteral("statusText"));
    status_->setAlignment(Qt::AlignCenter);
    status_->setFixedHeight(status_->fontMetrics().height() + 4);
    grid->addWidget(status_, 3, 0, 1, 3);
    statusTimer_ = new QTimer(this);
    statusTimer_->setSingleShot(true);
    statusTimer_->setInterval(kStatusMilliseconds);
    connect(statusTimer_, &QTimer::timeout, status_, &QLabel::clear);
    return box;
}

void CVorlan2Dlg::buildControls() {
    auto* help = addButton(1047, QStringLiteral("?"), &CVorlan2Dlg::onContextHelpMode);
    help->setBitmap(QStringLiteral(":/bitmaps/bitmap148.png"), 2);
    help->setFixedSize(34, 34);
    help->setToolTip(tr("What's this?"));
    CColorBtn* contents = addButton(32778, QStringLiteral("&Help"), &CVorlan2Dlg::onHelp);
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

    auto* correction = new QCheckBox(QStringLiteral("Muzzle Angle Correction for Zero Range"), this);
    setControlId(correction, 1039);
    connect(correction, &QCheckBox::clicked, this, &CVorlan2Dlg::onMuzzleAngleCheck);
    CColorBtn* calculations = addButton(1038, QStringLiteral("Calculations"), &CVorlan2Dlg::onCalculations);
    calculations->setMinimumSize(112, 34);
    CColorBtn* advanced = addButton(1046, QStringLiteral("Advanced..."), &CVorlan2Dlg::onAdvanced);
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

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 12, 14, 12);
    layout->addLayout(grid);
    // A fixed size, as the dialog was designed: it can be minimised but not maximised.
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void CVorlan2Dlg::setTabOrderByLayout() {
    // The left column top to bottom, the atmosphere column, the drag functions (Qt enters the
    // group at its checked button and the arrows move inside it), the check box, the commands
    // row by row; the read-only density fields are passed over.
    const int order[] = {1000, 1001, 1002, 1003, 1004, 1005, 1006, 1007, 1008, 1009, 1010, 1042, 1011, 1012, 1037,
                         1041, 1013, 1014, 1015, 1018, 1019, 1020, 1022, 1025, 1024, 1021, 1023, 1027, 1028, 1045,
                         1044, 1039, 1026, 1030, 1029, 1031, 1033, 1032, 1034, 1036, 1035, 1046, 1038, 1047, 32778};
    for (std::size_t i = 1; i < std::size(order); ++i) setTabOrder(control(order[i - 1]), control(order[i]));
    for (const int readOnly : {1016, 1017}) control(readOnly)->setFocusPolicy(Qt::ClickFocus);
}

QString CVorlan2Dlg::statusText() const { return status_->text(); }

void CVorlan2Dlg::showStatus(const QString& text) {
    status_->setText(text);
    statusTimer_->start();
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
