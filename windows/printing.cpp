#include "windows/printing.h"

#include "shell/user_dialogs.h"
#include "windows/image_saving.h"

#include <QCoreApplication>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QWidget>

namespace starloom {

// The window is printed as the picture it shows on screen, the same picture Save As JPEG
// writes, so a printout and a saved image always agree.
void PrintWindowImage(QWidget &window, UserDialogs &dialogs, QWidget *parent) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(kProgramTitle);
    // The window is wider than it is high.
    printer.setPageOrientation(QPageLayout::Landscape);
    if (!dialogs.choosePrinter(parent, printer))
        return;

    const QImage image = CaptureFormImage(window).toImage();
    QPainter painter;
    if (!painter.begin(&printer)) {
        dialogs.showMessage(
            parent, kProgramTitle,
            QCoreApplication::translate("starloom::ChartWindow",
                                        "The chart could not be sent to the printer."),
            MessageIcon::Error);
        return;
    }
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    // The painter's origin is the top-left corner of the printable area.
    const QRectF page(0, 0, printer.width(), printer.height());
    painter.drawImage(FitCentred(QSizeF(image.size()), page), image);
    painter.end();
}

QRectF FitCentred(const QSizeF &image, const QRectF &page) {
    if (image.isEmpty() || page.isEmpty())
        return {};
    const QSizeF size = image.scaled(page.size(), Qt::KeepAspectRatio);
    QRectF placed(QPointF(), size);
    placed.moveCenter(page.center());
    return placed;
}

} // namespace starloom
