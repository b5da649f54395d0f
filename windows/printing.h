// File > Print: the printer dialog, then the report window on one page.
#pragma once

#include <QRectF>
#include <QSizeF>

class QWidget;

namespace starloom {

class UserDialogs;

// Shows the printer dialog and, on OK, prints the window's own rendering on one page, as
// large as the printable area allows and centred on it. Cancel prints nothing and shows
// nothing; a printer that cannot be opened gives an error message.
void PrintWindowImage(QWidget &window, UserDialogs &dialogs, QWidget *parent);

// The largest rectangle of the image's proportions that fits in `page`, centred on it.
// An empty image or page gives an empty rectangle.
QRectF FitCentred(const QSizeF &image, const QRectF &page);

} // namespace starloom
