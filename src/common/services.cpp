// The desktop implementation of the program's services.
#include "common/services.h"

#include <QApplication>
#include <QMessageBox>
#include <cstdio>
#include <cstdlib>

QString contactAuthorMessage() {
  return QStringLiteral(
      "The program has met a situation it cannot handle and will close now.\n"
      "Please contact the program's author and describe what you did.");
}

MsgAnswer DesktopServices::message(QWidget* parent, const QString& text, const QString& title,
                                   MsgIcon icon, MsgButtons buttons) {
  QMessageBox box(parent);
  box.setWindowTitle(title);
  box.setText(text);
  switch (icon) {
    case MsgIcon::None: box.setIcon(QMessageBox::NoIcon); break;
    case MsgIcon::Information: box.setIcon(QMessageBox::Information); break;
    case MsgIcon::Warning: box.setIcon(QMessageBox::Warning); break;
    case MsgIcon::Critical: box.setIcon(QMessageBox::Critical); break;
    case MsgIcon::Question: box.setIcon(QMessageBox::Question); break;
  }
  if (buttons == MsgButtons::OkCancel) {
    box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
  } else {
    box.setStandardButtons(QMessageBox::Ok);
  }
  box.setDefaultButton(QMessageBox::Ok);
  // A message must be readable even while a busy cursor is up.
  const bool busy = QApplication::overrideCursor() != nullptr;
  if (busy) QApplication::setOverrideCursor(Qt::ArrowCursor);
  const int answer = box.exec();
  if (busy) QApplication::restoreOverrideCursor();
  return answer == QMessageBox::Ok ? MsgAnswer::Ok : MsgAnswer::Cancel;
}

void DesktopServices::endProgram(int status) {
  std::fflush(stdout);
  std::fflush(stderr);
  std::exit(status);
}
