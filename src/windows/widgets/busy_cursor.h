// The busy mouse pointer for as long as the object lives, restored on every way out.
#pragma once

#include <QApplication>

class BusyCursor {
 public:
  explicit BusyCursor(Qt::CursorShape shape = Qt::WaitCursor) {
    QApplication::setOverrideCursor(shape);
  }
  ~BusyCursor() { QApplication::restoreOverrideCursor(); }
  BusyCursor(const BusyCursor&) = delete;
  BusyCursor& operator=(const BusyCursor&) = delete;
};
