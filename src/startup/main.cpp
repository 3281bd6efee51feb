// Telmaris: the hoist configurator of Velmora's sales staff and dealers.
#include <QApplication>
#include <QFont>
#include <QStringList>

#include "common/services.h"
#include "startup/frm_vinjett.h"
#include "startup/program_state.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Telmaris"));
  // The windows are designed for 8-point Arial (Liberation Sans stands in for it).
  QApplication::setFont(QFont(QStringLiteral("Arial"), 8));

  // The program directory is the whole command line when there is one.
  const QString commandLine = QApplication::arguments().mid(1).join(QLatin1Char(' '));

  ProgramState state;
  DesktopServices services;
  frmVinjett start(state, services);
  start.Form_Load(commandLine, QApplication::applicationDirPath());
  return QApplication::exec();
}
