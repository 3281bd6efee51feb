// The sheet window: the sketch of hoist and trolley with the dimension figures written on it.
#pragma once

#include <QWidget>

class Form3 : public QWidget {
  Q_OBJECT

 public:
  explicit Form3(QWidget* parent = nullptr);
};
