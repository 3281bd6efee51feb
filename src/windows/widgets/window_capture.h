// The image of a window as shown.
#pragma once

#include <QImage>

class QWidget;

// The whole window at its pixel size, as it is on the screen.
QImage CaptureForm(QWidget& window);
