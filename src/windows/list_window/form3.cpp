// The sheet window and its drawing in millimetres.
#include "list_window/form3.h"

#include <QPainter>

#include "page/print_text.h"
#include "pictures/picture_files.h"

namespace {

constexpr QSize kSketchSize(660, 350);
constexpr double kPixelsPerMillimetre = 96.0 / 25.4;

}  // namespace

Form3::Form3(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName(QStringLiteral("Form3"));
  setWindowTitle(QStringLiteral("Technical data"));
  // The window is made to fit the sketch behind the figures.
  setFixedSize(kSketchSize);
  setAutoFillBackground(true);
  QPalette p = palette();
  p.setColor(QPalette::Window, Qt::white);
  setPalette(p);
  writing_ = QImage(kSketchSize, QImage::Format_ARGB32_Premultiplied);
  writing_.fill(Qt::transparent);
}

void Form3::clearDrawing(const QString& sketchFile) {
  if (!sketchRead_) {
    sketch_ = loadPictureFile(sketchFile);
    sketchRead_ = true;
  }
  writing_.fill(Qt::transparent);
  update();
}

void Form3::draw(const std::function<void(TextDevice&)>& write) {
  QPainter painter(&writing_);
  painter.setRenderHint(QPainter::TextAntialiasing);
  painter.scale(kPixelsPerMillimetre, kPixelsPerMillimetre);
  painter.setPen(Qt::black);
  painter.setFont(QFont(QStringLiteral("Arial")));
  PainterTextDevice page(painter);
  SheetWindowTextDevice sheet(page);
  write(sheet);
  update();
}

void Form3::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (!sketch_.isNull()) painter.drawImage(rect(), sketch_);
  painter.drawImage(0, 0, writing_);
}
