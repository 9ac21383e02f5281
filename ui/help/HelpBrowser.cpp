#include "ui/help/HelpBrowser.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QShortcut>
#include <QTextBrowser>
#include <QToolButton>
#include <QVBoxLayout>

#include "chart/ChartColours.h"
#include "engine/Catalogue.h"

namespace vorlan {

namespace {

// The pages in either theme: under a dark palette their headings' navy, which would vanish into
// the background, takes a light blue; a change of theme shows the page again.
class HelpTextBrowser : public QTextBrowser {
public:
    using QTextBrowser::QTextBrowser;
    QVariant loadResource(int type, const QUrl& name) override {
        QVariant resource = QTextBrowser::loadResource(type, name);
        if (type != QTextDocument::StyleSheetResource || !isDarkPalette(palette())) return resource;
        return QVariant(resource.toString() + QStringLiteral("\nh1, h2 { color: #9db4ff; }\n"));
    }

protected:
    void changeEvent(QEvent* event) override {
        QTextBrowser::changeEvent(event);
        if (event->type() == QEvent::PaletteChange && !source().isEmpty()) reload();
    }
};

}  // namespace

HelpBrowser::HelpBrowser(QWidget* owner) : QWidget(owner, Qt::Window), browser_(new HelpTextBrowser(this)) {
    setWindowTitle(tr("Vorlan Help"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/icon132.png")));
    browser_->setSearchPaths({QStringLiteral(":/help")});
    browser_->setOpenExternalLinks(false);

    QToolButton* back = addButton(tr("< &Back"), QStringLiteral("back"));
    QToolButton* forward = addButton(tr("&Forward >"), QStringLiteral("forward"));
    QToolButton* contents = addButton(tr("&Contents"), QStringLiteral("contents"));
    back->setEnabled(false);
    forward->setEnabled(false);
    connect(back, &QToolButton::clicked, browser_, &QTextBrowser::backward);
    connect(forward, &QToolButton::clicked, browser_, &QTextBrowser::forward);
    connect(contents, &QToolButton::clicked, this, [this] { showPage(QStringLiteral("index.html")); });
    connect(browser_, &QTextBrowser::backwardAvailable, back, &QToolButton::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward, &QToolButton::setEnabled);
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(back);
    buttons->addWidget(forward);
    buttons->addWidget(contents);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addLayout(buttons);
    // The pages are written in English only: a shooter who chose another language is told once.
    if (!language().empty() && language() != "en") {
        auto* note = new QLabel(tr("The help pages are in English."), this);
        note->setObjectName(QStringLiteral("helpInEnglish"));
        note->setWordWrap(true);
        layout->addWidget(note);
    }
    layout->addWidget(browser_);
    resize(640, 560);
}

QToolButton* HelpBrowser::addButton(const QString& text, const QString& name) {
    auto* button = new QToolButton(this);
    button->setText(text);
    button->setObjectName(name);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    return button;
}

void HelpBrowser::showPage(const QString& page) { browser_->setSource(QUrl(QStringLiteral("qrc:/help/") + page)); }

QString HelpBrowser::currentPage() const { return browser_->source().fileName(); }

}  // namespace vorlan
