// The fit of a picture to the page.
#include "page/picture_fit.h"

QRectF PrintPictureToFitPage(QSizeF picture, QSizeF printable, double leftPercent,
                             double topPercent, double sizePercent) {
  if (picture.isEmpty() || printable.isEmpty()) return {};
  const double pictureRatio = picture.width() / picture.height();
  const double printerRatio = printable.width() / printable.height();
  QSizeF fitted;
  if (pictureRatio < printerRatio)
    fitted = QSizeF(printable.height() * pictureRatio, printable.height());
  else
    fitted = QSizeF(printable.width(), printable.width() / pictureRatio);
  const double x = printable.width() * leftPercent / 100;
  const double y = printable.height() * topPercent / 100;
  return QRectF(x, y, fitted.width() * sizePercent / 100, fitted.height() * sizePercent / 100);
}
