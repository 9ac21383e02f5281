#include "HelpBrowser.h"

#include <QTextBrowser>
#include <QVBoxLayout>

namespace vorlan {

HelpBrowser::HelpBrowser(QWidget* parent) : QWidget(parent, Qt::Window), browser_(new QTextBrowser(this)) {
    setWindowTitle(QStringLiteral("Vorlan Help"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/icon132.png")));
    browser_->setSearchPaths({QStringLiteral(":/help")});
    browser_->setOpenExternalLinks(false);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    resize(640, 560);
}

void HelpBrowser::showPage(const QString& page) { browser_->setSource(QUrl(QStringLiteral("qrc:/help/") + page)); }

QString HelpBrowser::currentPage() const { return browser_->source().fileName(); }

}  // namespace vorlan
