#pragma once
// The help window: the bundled HTML help pages, opened at the contents page, with Back and
// Forward; Escape closes it like its title-bar button.

#include <QWidget>

class QTextBrowser;
class QToolButton;

namespace vorlan {

class HelpBrowser : public QWidget {
    Q_OBJECT
public:
    // `owner`: the main dialog, whose modal run would otherwise leave this window dead.
    explicit HelpBrowser(QWidget* owner = nullptr);
    void showPage(const QString& page);  // a page name such as "index.html"
    QString currentPage() const;
    QTextBrowser* browser() const { return browser_; }

private:
    QToolButton* addButton(const QString& text, const QString& name);

    QTextBrowser* browser_;
};

}  // namespace vorlan
