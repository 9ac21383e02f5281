#include "ui/card/CFieldCardDlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QFile>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "engine/Catalogue.h"
#include "reports/card/FieldCard.h"
#include "reports/card/FieldCardPainter.h"
#include "reports/card/PageFile.h"
#include "reports/common/ShownUnits.h"
#include "reports/sight/SightPainter.h"
#include "reports/table/TableDialogs.h"
#include "shot/CLocaleNumbers.h"
#include "shot/FileTitle.h"
#include "shot/SafeFile.h"
#include "shot/ScopeProfile.h"
#include "shot/ShotCheck.h"
#include "ui/common/ControlIds.h"
#include "ui/common/PagePrinter.h"
#include "ui/common/TypingPause.h"
#include "ui/sight/CSightPictureDlg.h"

namespace vorlan {

using namespace FieldCardIds;

namespace {

// What a card that could not hold every column at a readable type leaves out.
QString leftOutNote(const FittedCard& card) {
    QStringList titles;
    for (const std::string& title : card.leftOut) titles << QString::fromStdString(title);
    return CFieldCardDlg::tr("Left out to keep the type at %1 pt or more: %2. Choose fewer columns or a larger card.")
        .arg(cardSmallestType(card.layout))
        .arg(titles.join(QStringLiteral(", ")));
}

}  // namespace

// The card, or the sheet of cards, on a grey desk, as large as the window allows.
class FieldCardPreview : public QWidget {
public:
    explicit FieldCardPreview(QWidget* parent) : QWidget(parent) { setMinimumSize(260, 360); }
    void setCard(const FittedCard* card, std::optional<SheetPlan> sheet, const CardPicture* picture) {
        card_ = card;
        sheet_ = sheet;
        picture_ = picture;
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), QColor(96, 96, 96));
        if (!card_ || !card_->fits()) return;
        const SheetPlan* sheet = sheet_ ? &*sheet_ : nullptr;
        const QSizeF points = cardPagePoints(*card_, sheet);
        const double scale = std::min((width() - 20.0) / points.width(), (height() - 20.0) / points.height());
        const QSizeF shown = points * scale;
        const QRectF page(QPointF((width() - shown.width()) / 2.0, (height() - shown.height()) / 2.0), shown);
        painter.fillRect(page.translated(3, 3), QColor(40, 40, 40));
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::TextAntialiasing);
        paintCardPage(painter, *card_, sheet, page, picture_);
    }

private:
    const FittedCard* card_ = nullptr;
    const CardPicture* picture_ = nullptr;
    std::optional<SheetPlan> sheet_;
};

CFieldCardDlg::CFieldCardDlg(AppContext& context, ShotParameters shot, UnitSystem units, std::string fileName,
                             QWidget* parent)
    : ThemedDialog(context, kTemplate, parent), shot_(std::move(shot)), fileName_(std::move(fileName)) {
    setWindowTitle(tr("Field Card - %1").arg(QString::fromStdString(shot_.name)));
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    buildControls();
    // A shooter who reads distances in metres gets a metric card from any window.
    if (context.units.choice().system() == UnitSystem::Metric) units = UnitSystem::Metric;
    {
        const QSignalBlocker quiet(units_);
        units_->setCurrentIndex(units == UnitSystem::Metric ? 1 : 0);
    }
    // A shot that keeps its card's ranges (a profile's distances) starts from them alone.
    if (!shot_.cardRanges.empty()) {
        ranges_->clear();
        targets_->setPlainText(keptRangesText(units));
    }
    windUnit_ = typedWindUnit(context.units.choice(), units);
    winds_->setText(QString::fromStdString(cardNumbersText(defaultCardWinds(windUnit_))));
    onUnitsChanged(units_->currentIndex());
    connect(&context.units, &ShownUnits::changed, this, [this] { onUnitsChanged(units_->currentIndex()); });
}

QString CFieldCardDlg::keptRangesText(UnitSystem units) const {
    return QString::fromStdString(cardTargetsText(keptCardRanges(shot_, units)));
}

CFieldCardDlg::~CFieldCardDlg() { leaveOpenDialogs(); }

void CFieldCardDlg::buildControls() {
    const auto withId = [](auto* widget, int id) {
        setControlId(widget, id);
        return widget;
    };
    ranges_ = withId(new QLineEdit(QStringLiteral("100:1000:100"), this), kRanges);
    ranges_->setPlaceholderText(tr("from:to:step"));
    targets_ = withId(new QPlainTextEdit(this), kTargets);
    targets_->setPlaceholderText(tr("Gong 1 = 327\nRidge = 612"));
    targets_->setFixedHeight(72);
    targets_->setTabChangesFocus(true);
    winds_ = withId(new QLineEdit(this), kWinds);
    temperatures_ = withId(new QLineEdit(this), kTemperatures);
    temperatures_->setPlaceholderText(tr("none"));
    angle_ = withId(new QComboBox(this), kAngle);
    angle_->addItems(
        {tr("MOA"), tr("mil"), tr("Clicks of %1").arg(QString::fromStdString(clickValueLabel(shot_.scope.click)))});
    angle_->setCurrentIndex(shot_.scope.turretUnits == AngleUnit::Mil ? 1 : 0);
    layout_ = withId(new QComboBox(this), kLayout);
    units_ = withId(new QComboBox(this), kUnits);
    units_->addItems({tr("Imperial"), tr("Metric")});
    velocity_ = withId(new QCheckBox(tr("Velocity"), this), kVelocity);
    time_ = withId(new QCheckBox(tr("Time of flight"), this), kTime);
    energy_ = withId(new QCheckBox(tr("Energy"), this), kEnergy);
    sheet_ = withId(new QComboBox(this), kSheet);
    sheet_->addItems({tr("One card"), tr("Several on letter"), tr("Several on A4")});
    ladder_ = withId(new QComboBox(this), kSightLadder);
    ladder_->addItem(tr("None"));
    for (const std::string& name : builtInReticleNames())
        ladder_->addItem(QString::fromStdString(reticleNamed(name).reticle->name));
    ladder_->setToolTip(
        tr("The holds of the card's rows and winds drawn on a reticle, beside the table "
           "(pocket and half cards)"));
    message_ = withId(new QLabel(this), kMessage);
    message_->setWordWrap(true);
    message_->setStyleSheet(QStringLiteral("color: #a00000"));
    preview_ = withId(new FieldCardPreview(this), kPreview);

    auto* form = new QFormLayout;
    form->addRow(tr("Ranges (from:to:step)"), ranges_);
    form->addRow(tr("Targets (name = range)"), targets_);
    form->addRow(tr("Winds"), winds_);
    form->addRow(tr("Temperatures"), temperatures_);
    form->addRow(tr("Elevation and wind in"), angle_);
    form->addRow(tr("Units"), units_);
    auto* extras = new QHBoxLayout;
    for (QCheckBox* box : {velocity_, time_, energy_}) extras->addWidget(box);
    form->addRow(tr("Also"), extras);
    form->addRow(tr("Card"), layout_);
    form->addRow(tr("Sheet"), sheet_);
    form->addRow(tr("Sight picture"), ladder_);

    const std::pair<int, QString> commands[] = {{kPrint, tr("&Print...")},
                                                {kPrintPreview, tr("Print Pre&view")},
                                                {kPrintSetup, tr("P&rint Setup...")},
                                                {kExport, tr("&Export...")},
                                                {kClose, tr("Close")}};
    auto* buttons = new QHBoxLayout;
    for (const auto& [id, caption] : commands) {
        auto* button = withId(new QPushButton(caption, this), id);
        button->setAutoDefault(false);
        buttons->addWidget(button);
        if (id != kPrintSetup && id != kClose) cardCommands_ << button;
    }
    connect(qobject_cast<QPushButton*>(control(kPrint)), &QPushButton::clicked, this, &CFieldCardDlg::onPrint);
    connect(qobject_cast<QPushButton*>(control(kPrintPreview)), &QPushButton::clicked, this,
            &CFieldCardDlg::onPrintPreview);
    connect(qobject_cast<QPushButton*>(control(kPrintSetup)), &QPushButton::clicked, this,
            &CFieldCardDlg::onPrintSetup);
    connect(qobject_cast<QPushButton*>(control(kExport)), &QPushButton::clicked, this, &CFieldCardDlg::onExport);
    connect(qobject_cast<QPushButton*>(control(kClose)), &QPushButton::clicked, this, &QDialog::close);
    auto* sight = withId(new QPushButton(tr("&Sight Picture..."), this), kSightPicture);
    sight->setAutoDefault(false);
    buttons->insertWidget(buttons->count() - 1, sight);
    connect(sight, &QPushButton::clicked, this, [this] {
        CSightPictureDlg::open(context(), shot_,
                               units_->currentIndex() == 1 ? UnitSystem::Metric : UnitSystem::Imperial, this);
    });

    auto* left = new QVBoxLayout;
    left->addLayout(form);
    left->addWidget(message_);
    left->addStretch();
    auto* top = new QHBoxLayout;
    top->addLayout(left);
    top->addWidget(preview_, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addLayout(buttons);

    typing_ = new TypingPause(this, [this] { rebuild(); });
    for (QLineEdit* edit : {ranges_, winds_, temperatures_})
        connect(edit, &QLineEdit::textChanged, this, &CFieldCardDlg::scheduleRebuild);
    connect(targets_, &QPlainTextEdit::textChanged, this, &CFieldCardDlg::scheduleRebuild);
    for (QComboBox* box : {angle_, layout_, sheet_, ladder_})
        connect(box, &QComboBox::currentIndexChanged, this, &CFieldCardDlg::rebuild);
    for (QCheckBox* box : {velocity_, time_, energy_}) connect(box, &QCheckBox::toggled, this, &CFieldCardDlg::rebuild);
    connect(units_, &QComboBox::currentIndexChanged, this, &CFieldCardDlg::onUnitsChanged);
    // The page is the card itself, or the sheet the cards are cut from.
    printing_ = std::make_unique<PagePrinter>(
        this,
        [this] {
            if (!card()) return QPageLayout();
            const std::optional<SheetPlan> plan = sheet();
            return cardPageLayout(*card_, plan ? &*plan : nullptr);
        },
        [this](QPainter& painter, const QRectF& page) {
            if (!card()) return;
            const std::optional<SheetPlan> plan = sheet();
            paintCardPage(painter, *card_, plan ? &*plan : nullptr, page, picture());
        });
}

// Other units: the sizes of the cards, and the winds in the unit of speed they now take.
void CFieldCardDlg::onUnitsChanged(int index) {
    const UnitSystem units = index == 1 ? UnitSystem::Metric : UnitSystem::Imperial;
    const UnitSystem other = index == 1 ? UnitSystem::Imperial : UnitSystem::Metric;
    const int chosen = std::max(layout_->currentIndex(), 0);
    {
        const QSignalBlocker quiet(layout_);
        layout_->clear();
        const QString names[] = {tr("Pocket"), tr("Half page"), tr("Full page"),
                                 tr("Strip")};  // in the order of CardLayout
        for (std::size_t i = 0; i < std::size(names); ++i)
            layout_->addItem(
                tr("%1 (%2)").arg(names[i], QLatin1String(cardPaper(static_cast<CardLayout>(i), units).label)));
        layout_->setCurrentIndex(chosen);
    }
    const Unit windUnit = typedWindUnit(context().units.choice(), units);
    winds_->setText(QString::fromStdString(cardWindsTextIn(winds_->text().toStdString(), windUnit_, windUnit)));
    windUnit_ = windUnit;
    if (!shot_.cardRanges.empty() && targets_->toPlainText() == keptRangesText(other))
        targets_->setPlainText(keptRangesText(units));
    const bool metric = units == UnitSystem::Metric;
    winds_->setToolTip(tr("%1, full value from the right")
                           .arg(QString::fromUtf8(translated(unitOf(Quantity::Speed, windUnit_).label))));
    temperatures_->setToolTip(metric ? tr("Up to three, deg. C") : tr("Up to three, deg. F"));
    rebuild();
}

void CFieldCardDlg::scheduleRebuild() { typing_->typed(); }

const std::optional<FittedCard>& CFieldCardDlg::card() {
    typing_->ask();
    return card_;
}

QString CFieldCardDlg::message() const { return message_->text(); }

std::optional<SheetPlan> CFieldCardDlg::sheet() const {
    if (!card_ || sheet_->currentIndex() <= 0) return std::nullopt;
    return sheetPlan(card_->layout, card_->units, sheet_->currentIndex() == 2 ? CardSheet::A4 : CardSheet::Letter);
}

void CFieldCardDlg::rebuild() {
    typing_->made();
    card_.reset();
    FieldCardRequest request;
    request.units = units_->currentIndex() == 1 ? UnitSystem::Metric : UnitSystem::Imperial;
    std::string problem;
    const std::string ranges = ranges_->text().trimmed().toStdString();
    if (ranges.empty())
        request.step = 0.0;
    else if (auto parsed = parseCardRanges(ranges, request, problem))
        request = *parsed;
    if (problem.empty()) {
        if (auto targets = parseCardTargets(targets_->toPlainText().toStdString(), problem)) request.targets = *targets;
    }
    if (problem.empty()) {
        if (auto winds = parseCardNumbers(winds_->text().toStdString(), problem)) request.winds = *winds;
        request.windUnit = windUnit_;
    }
    if (problem.empty()) {
        if (auto t = parseCardNumbers(temperatures_->text().toStdString(), problem)) request.temperatures = *t;
    }
    request.angle = static_cast<CardAngle>(std::max(angle_->currentIndex(), 0));
    request.layout = static_cast<CardLayout>(std::max(layout_->currentIndex(), 0));
    request.velocity = velocity_->isChecked();
    request.time = time_->isChecked();
    request.energy = energy_->isChecked();
    request.fileName = fileName_;
    request.date = QDate::currentDate().toString(Qt::ISODate).toStdString();
    const int ladder = ladder_->currentIndex();
    if (ladder > 0) request.pictureShare = kCardLadderShare;
    picture_.reset();
    if (problem.empty()) problem = shotProblem(shot_);
    if (problem.empty()) problem = cardRequestProblem(request);
    if (problem.empty()) {
        const FieldCard made = fieldCard(shot_, request);
        std::optional<SightPicture> sight;
        if (ladder > 0) {
            const std::string name = builtInReticleNames().at(static_cast<std::size_t>(ladder - 1));
            sight = cardLadder(shot_, made, *reticleNamed(name).reticle, problem);
        }
        FittedCard fitted = fitFieldCard(made);
        if (problem.empty()) problem = fitted.refusal;
        if (problem.empty()) card_ = std::move(fitted);
        if (card_ && sight) picture_ = sightLadderPicture(std::move(*sight));
    }
    message_->setText(card_ && !card_->leftOut.empty() ? leftOutNote(*card_) : QString::fromStdString(problem));
    for (QPushButton* button : cardCommands_) button->setEnabled(card_.has_value());
    preview_->setCard(card_ ? &*card_ : nullptr, sheet(), picture());
}

void CFieldCardDlg::onPrint() {
    if (card()) printing_->print();
}

void CFieldCardDlg::onPrintPreview() {
    if (card()) printing_->preview();
}

void CFieldCardDlg::onPrintSetup() { printing_->setup(); }

void CFieldCardDlg::onExport() {
    if (!card()) return;
    const std::string title = suggestedFileName(shot_.name);
    const QString initial = QString::fromStdString(title.empty() ? std::string("card") : title) + ".pdf";
    QString path = tableDialogs().askCardFileName(this, initial);
    if (path.isEmpty()) return;
    std::string name = QFile::encodeName(path).toStdString();
    const std::optional<SheetPlan> plan = sheet();
    const FileOutcome outcome = writePageFile(
        name, [&](CardFileFormat format) { return cardFileBytes(*card_, plan ? &*plan : nullptr, format, picture()); });
    path = QFile::decodeName(name.c_str());
    if (outcome) return;
    tableDialogs().showFileError(
        this, QStringLiteral("Vorlan"),
        tr("The field card could not be saved to \"%1\".\n%2").arg(path, QString::fromStdString(outcome.reason())));
}

}  // namespace vorlan
