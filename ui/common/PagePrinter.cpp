#include "ui/common/PagePrinter.h"

#include <QPageSetupDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

namespace vorlan {

PagePrinter::PagePrinter(QWidget* owner, Layout layout, Painting paint)
    : owner_(owner), layout_(std::move(layout)), paint_(std::move(paint)) {}

PagePrinter::~PagePrinter() = default;

QPrinter& PagePrinter::printer() {
    if (!printer_) printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *printer_;
}

void PagePrinter::printOn(QPrinter* printer) {
    printer->setFullPage(true);
    printer->setPageLayout(layout_());
    QPainter painter(printer);
    if (!painter.isActive()) return;
    paint_(painter, QRectF(QPointF(0, 0), printer->paperRect(QPrinter::DevicePixel).size()));
}

void PagePrinter::print() {
    QPrintDialog dialog(&printer(), owner_);
    if (dialog.exec() == QDialog::Accepted) printOn(&printer());
}

void PagePrinter::preview() {
    auto* preview = new QPrintPreviewDialog(&printer(), owner_);
    preview->setAttribute(Qt::WA_DeleteOnClose);
    preview->setWindowTitle(QPrintPreviewDialog::tr("Print Preview - %1").arg(owner_->windowTitle()));
    QObject::connect(preview, &QPrintPreviewDialog::paintRequested, preview,
                     [this](QPrinter* printer) { printOn(printer); });
    preview->show();
}

void PagePrinter::setup() {
    QPageSetupDialog dialog(&printer(), owner_);
    dialog.exec();
}

}  // namespace vorlan
