// The sheet window: the sketch of hoist and trolley with the dimension figures and the technical
// data written on it.
#pragma once

#include <QImage>
#include <QWidget>
#include <functional>

class TextDevice;

class Form3 : public QWidget {
  Q_OBJECT

 public:
  explicit Form3(QWidget* parent = nullptr);

  // Takes away what was written; the sketch stays. The sketch is read from the program
  // directory the first time.
  // The sketch alone again; the sketch's file is read the first time.
  void clearDrawing(const QString& sketchFile);

  // Lets `write` put texts on the window through a device measured in millimetres from the
  // window's top left corner, in the window's smaller type.
  void draw(const std::function<void(TextDevice&)>& write);

  const QImage& writing() const { return writing_; }
  const QImage& sketch() const { return sketch_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QImage sketch_;
  QImage writing_;
  bool sketchRead_ = false;
};
