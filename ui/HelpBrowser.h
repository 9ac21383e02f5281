#pragma once
// The help window: the bundled HTML help pages, opened at the contents page.

#include <QWidget>

class QTextBrowser;

namespace vorlan {

class HelpBrowser : public QWidget {
    Q_OBJECT
public:
    explicit HelpBrowser(QWidget* parent = nullptr);
    void showPage(const QString& page);  // a page name such as "index.html"
    QString currentPage() const;

private:
    QTextBrowser* browser_;
};

}  // namespace vorlan
