// The sheet window at its design size.
#include "output/form3.h"

Form3::Form3(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName(QStringLiteral("Form3"));
  setWindowTitle(QStringLiteral("Technical data"));
  // The sketch behind the figures is 660 x 350 pixels; the window is made to fit it.
  setFixedSize(660, 350);
  setAutoFillBackground(true);
  QPalette p = palette();
  p.setColor(QPalette::Window, Qt::white);
  setPalette(p);
}
