// Window capture.
#include "widgets/window_capture.h"

#include <QPixmap>
#include <QWidget>

QImage CaptureForm(QWidget& window) {
  return window.grab().toImage();
}
