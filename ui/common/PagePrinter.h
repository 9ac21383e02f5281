#pragma once
// Print, Print Preview and Print Setup for a window that prints one drawing on a page of its
// own size, full page, without margins (the field card, the sight picture). The printer is
// made when first asked for and kept, so a setup chosen holds for the next print.

#include <QPageLayout>
#include <QRectF>
#include <functional>
#include <memory>

class QPainter;
class QPrinter;
class QWidget;

namespace vorlan {

class PagePrinter {
public:
    using Layout = std::function<QPageLayout()>;
    using Painting = std::function<void(QPainter& painter, const QRectF& page)>;
    PagePrinter(QWidget* owner, Layout layout, Painting paint);
    ~PagePrinter();

    void print();    // the print dialog, then the page
    void preview();  // a print preview window, titled after the owner, deleted when closed
    void setup();    // the page setup dialog

private:
    QPrinter& printer();
    void printOn(QPrinter* printer);

    QWidget* owner_;
    Layout layout_;
    Painting paint_;
    std::unique_ptr<QPrinter> printer_;
};

}  // namespace vorlan
