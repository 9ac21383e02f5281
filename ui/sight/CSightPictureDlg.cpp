#include "ui/sight/CSightPictureDlg.h"

#include <QComboBox>
#include <QFile>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "engine/Catalogue.h"
#include "reports/card/FieldCard.h"
#include "reports/card/PageFile.h"
#include "reports/common/FileDialog.h"
#include "reports/sight/SightPainter.h"
#include "shot/CLocaleNumbers.h"
#include "shot/FileTitle.h"
#include "shot/SafeFile.h"
#include "shot/ShotCheck.h"
#include "shot/TextNumbers.h"
#include "ui/common/PagePrinter.h"
#include "ui/common/TypingPause.h"

namespace vorlan {

using namespace SightPictureIds;

namespace {

std::optional<double> typedNumber(const QLineEdit* edit) { return wholeNumber(edit->text().toStdString()); }

}  // namespace

// The picture, as large as the window allows.
class SightPreview : public QWidget {
public:
    explicit SightPreview(QWidget* parent) : QWidget(parent) { setMinimumSize(360, 360); }
    void setPicture(const SightPicture* picture) {
        picture_ = picture;
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), QColor(96, 96, 96));
        if (picture_) paintSightPicture(painter, *picture_, QRectF(rect()).adjusted(8, 8, -8, -8));
    }

private:
    const SightPicture* picture_ = nullptr;
};

CSightPictureDlg::CSightPictureDlg(AppContext& context, ShotParameters shot, UnitSystem units, QWidget* parent)
    : ThemedDialog(context, kTemplate, parent), shot_(std::move(shot)), units_(units), windUnit_(chosenWindUnit()) {
    setWindowTitle(tr("Sight Picture - %1").arg(QString::fromStdString(shot_.name)));
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    buildControls();
    rebuild();
    connect(&context.units, &ShownUnits::changed, this, &CSightPictureDlg::onUnitsChanged);
}

CSightPictureDlg::~CSightPictureDlg() { leaveOpenDialogs(); }

CSightPictureDlg* CSightPictureDlg::open(AppContext& context, const ShotParameters& shot, UnitSystem units,
                                         QWidget* parent) {
    auto* window = new CSightPictureDlg(context, shot, units, parent);
    window->show();
    return window;
}

void CSightPictureDlg::buildControls() {
    const auto withId = [](auto* widget, int id) {
        setControlId(widget, id);
        return widget;
    };
    const bool metric = units_ == UnitSystem::Metric;
    reticle_ = withId(new QComboBox(this), kReticle);
    // A hash reticle in the turret's unit first.
    const std::string usual = shot_.scope.turretUnits == AngleUnit::Mil ? "mil-hash" : "moa-hash";
    for (const std::string& name : builtInReticleNames()) {
        reticles_.push_back(*reticleNamed(name).reticle);
        reticle_->addItem(QString::fromStdString(reticles_.back().name));
        if (name == usual) reticle_->setCurrentIndex(reticle_->count() - 1);
    }
    auto* file = withId(new QPushButton(tr("Reticle &File..."), this), kReticleFile);
    file->setAutoDefault(false);
    magnification_ = withId(new QLineEdit(QStringLiteral("10"), this), kMagnification);
    trueAt_ = withId(new QLineEdit(this), kTrueAt);
    trueAt_->setPlaceholderText(tr("as the reticle is made"));
    trueAt_->setToolTip(tr("A magnification here makes the reticle second focal plane, true at it"));
    holdMode_ = withId(new QComboBox(this), kHoldMode);
    holdMode_->addItems({tr("Dial the elevation, hold the wind"), tr("Hold everything"),
                         tr("Dial the zero at a range, hold the rest")});
    zeroRange_ = withId(new QLineEdit(QStringLiteral("100"), this), kZeroRange);
    ranges_ = withId(new QLineEdit(this), kRanges);
    ranges_->setPlaceholderText(tr("e.g. 300, 400, 500"));
    winds_ = withId(new QLineEdit(this), kWinds);
    winds_->setToolTip(tr("Full value from the right"));
    windsLabel_ = new QLabel(this);
    windsLabel_->setBuddy(winds_);
    showWindUnit();
    message_ = withId(new QLabel(this), kMessage);
    message_->setWordWrap(true);
    message_->setStyleSheet(QStringLiteral("color: #a00000"));
    words_ = withId(new QPlainTextEdit(this), kWords);
    words_->setReadOnly(true);
    preview_ = withId(new SightPreview(this), kPreview);

    auto* reticleRow = new QHBoxLayout;
    reticleRow->addWidget(reticle_, 1);
    reticleRow->addWidget(file);
    auto* form = new QFormLayout;
    // Each row's label takes the focus to its field with an access key of its own.
    auto* reticleLabel = new QLabel(tr("&Reticle"), this);
    reticleLabel->setBuddy(reticle_);
    form->addRow(reticleLabel, reticleRow);
    form->addRow(tr("&Magnification"), magnification_);
    form->addRow(tr("Second plane, &true at"), trueAt_);
    form->addRow(tr("&Holds"), holdMode_);
    form->addRow(metric ? tr("&Zero dialled at (m)") : tr("&Zero dialled at (yd)"), zeroRange_);
    form->addRow(metric ? tr("Ra&nges (m)") : tr("Ra&nges (yd)"), ranges_);
    form->addRow(windsLabel_, winds_);
    auto* left = new QVBoxLayout;
    left->addLayout(form);
    left->addWidget(message_);
    left->addWidget(words_, 1);
    auto* top = new QHBoxLayout;
    top->addLayout(left);
    top->addWidget(preview_, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addLayout(buildButtons());
    resize(1000, 620);

    typing_ = new TypingPause(this, [this] { rebuild(); });
    for (QLineEdit* edit : {magnification_, trueAt_, zeroRange_, ranges_, winds_})
        connect(edit, &QLineEdit::textChanged, this, &CSightPictureDlg::scheduleRebuild);
    for (QComboBox* box : {reticle_, holdMode_})
        connect(box, &QComboBox::currentIndexChanged, this, &CSightPictureDlg::rebuild);
    // One square page, the picture filling it.
    printing_ = std::make_unique<PagePrinter>(
        this, [] { return sightPageLayout(); },
        [this](QPainter& painter, const QRectF& page) {
            if (picture()) paintSightPicture(painter, *picture_, page);
        });
    connect(file, &QPushButton::clicked, this, [this] {
        FileRequest question;
        question.title = tr("Open Reticle");
        question.filters = QStringList{tr("Reticle Files (*.vrt)"), tr("All Files (*)")};
        const QString path = context().chooseFile(this, question);
        if (!path.isEmpty()) addReticleFile(path);
    });
}

QLayout* CSightPictureDlg::buildButtons() {
    const std::pair<int, QString> commands[] = {{kPrint, tr("&Print...")},
                                                {kPrintPreview, tr("Print Pre&view")},
                                                {kExport, tr("&Export...")},
                                                {kClose, tr("Close")}};
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (const auto& [id, caption] : commands) {
        auto* button = new QPushButton(caption, this);
        setControlId(button, id);
        button->setAutoDefault(false);
        buttons->addWidget(button);
        if (id != kClose) pictureCommands_ << button;
    }
    connect(controlAs<QPushButton>(kPrint), &QPushButton::clicked, this, &CSightPictureDlg::onPrint);
    connect(controlAs<QPushButton>(kPrintPreview), &QPushButton::clicked, this, &CSightPictureDlg::onPrintPreview);
    connect(controlAs<QPushButton>(kExport), &QPushButton::clicked, this, &CSightPictureDlg::onExport);
    connect(controlAs<QPushButton>(kClose), &QPushButton::clicked, this, &QDialog::close);
    return buttons;
}

bool CSightPictureDlg::addReticleFile(const QString& path) {
    const ReticleRead read = readReticleFile(QFile::encodeName(path).toStdString());
    if (!read.reticle) {
        message_->setText(QString::fromStdString(read.problem));
        return false;
    }
    reticles_.push_back(*read.reticle);
    reticle_->addItem(QString::fromStdString(read.reticle->name));
    reticle_->setCurrentIndex(reticle_->count() - 1);
    return true;
}

void CSightPictureDlg::scheduleRebuild() { typing_->typed(); }

const std::optional<SightPicture>& CSightPictureDlg::picture() {
    typing_->ask();
    return picture_;
}

QString CSightPictureDlg::message() const { return message_->text(); }

// The winds are typed in the unit of speed chosen; with the designed one, in the picture's units'
// own (mph, or m/s with metric units) as before there was a choice.
Unit CSightPictureDlg::chosenWindUnit() const { return typedWindUnit(context().units.choice(), units_); }

void CSightPictureDlg::showWindUnit() {
    const QString unit = QString::fromUtf8(translated(unitOf(Quantity::Speed, windUnit_).label));
    windsLabel_->setText(tr("&Winds (%1)").arg(unit));
    const double example = defaultCardWinds(windUnit_).front();
    winds_->setPlaceholderText(tr("e.g. %1, %2 (%3)").arg(example).arg(2.0 * example).arg(unit));
}

// A new unit of speed: the winds typed are shown in it, the same winds.
void CSightPictureDlg::onUnitsChanged() {
    const Unit unit = chosenWindUnit();
    if (unit == windUnit_) return;
    {
        const QSignalBlocker quiet(winds_);
        winds_->setText(QString::fromStdString(cardWindsTextIn(winds_->text().toStdString(), windUnit_, unit)));
    }
    windUnit_ = unit;
    showWindUnit();
    rebuild();
}

std::optional<SightRequest> CSightPictureDlg::request(std::string& problem) {
    SightRequest request;
    request.units = units_;
    request.reticle = reticles_.at(static_cast<std::size_t>(std::max(reticle_->currentIndex(), 0)));
    request.mode = static_cast<HoldMode>(std::max(holdMode_->currentIndex(), 0));
    const std::optional<double> magnification = typedNumber(magnification_);
    const std::optional<double> zero = typedNumber(zeroRange_);
    if (!magnification)
        problem = tr("The magnification is not a number.").toStdString();
    else if (!trueAt_->text().trimmed().isEmpty() && !typedNumber(trueAt_))
        problem = tr("The magnification the reticle is true at is not a number.").toStdString();
    else if (request.mode == HoldMode::DialZero && !zero)
        problem = tr("The range of the zero is not a number.").toStdString();
    if (!problem.empty()) return std::nullopt;
    request.magnification = *magnification;
    request.trueMagnification = typedNumber(trueAt_);
    request.zeroRange = zero.value_or(request.zeroRange);
    for (auto [edit, list] : {std::pair(ranges_, &request.ranges), std::pair(winds_, &request.winds)}) {
        list->clear();
        if (edit->text().trimmed().isEmpty()) continue;
        const auto numbers = parseCardNumbers(edit->text().toStdString(), problem);
        if (!numbers) return std::nullopt;
        *list = *numbers;
    }
    request.windUnit = windUnit_;
    problem = sightRequestProblem(request);
    if (problem.empty()) problem = shotProblem(shot_);
    if (!problem.empty()) return std::nullopt;
    return request;
}

void CSightPictureDlg::rebuild() {
    typing_->made();
    picture_.reset();
    zeroRange_->setEnabled(holdMode_->currentIndex() == static_cast<int>(HoldMode::DialZero));
    std::string problem;
    if (const std::optional<SightRequest> asked = request(problem)) picture_ = sightPicture(shot_, *asked);
    if (picture_ && !picture_->flightEnd.empty()) problem = picture_->flightEnd;
    message_->setText(QString::fromStdString(problem));
    words_->setPlainText(picture_ ? QString::fromStdString(sightText(*picture_)) : QString());
    for (QPushButton* button : pictureCommands_) button->setEnabled(picture_.has_value());
    preview_->setPicture(picture_ ? &*picture_ : nullptr);
}

void CSightPictureDlg::onPrint() {
    if (picture()) printing_->print();
}

void CSightPictureDlg::onPrintPreview() {
    if (picture()) printing_->preview();
}

void CSightPictureDlg::onExport() {
    if (!picture()) return;
    FileRequest question;
    question.kind = FileRequest::Kind::Save;
    question.title = tr("Export Sight Picture");
    const std::string title = suggestedFileName(shot_.name);
    question.initialPath = QString::fromStdString(title.empty() ? std::string("sight") : title) + ".pdf";
    question.filters = QStringList{tr("PDF Files (*.pdf)"), tr("SVG Files (*.svg)"), tr("PNG Files (*.png)")};
    question.confirmOverwrite = true;
    const QString chosen = context().chooseFile(this, question);
    if (chosen.isEmpty()) return;
    std::string path = QFile::encodeName(chosen).toStdString();
    const FileOutcome outcome =
        writePageFile(path, [this](CardFileFormat format) { return sightFileBytes(*picture_, format); });
    if (!outcome)
        message_->setText(tr("The sight picture could not be saved to \"%1\".\n%2")
                              .arg(QFile::decodeName(path.c_str()), QString::fromStdString(outcome.reason())));
}

}  // namespace vorlan
