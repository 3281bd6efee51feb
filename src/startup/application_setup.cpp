// The application's font and languages.
#include "startup/application_setup.h"

#include <QApplication>
#include <QFont>

void useProgramFont() { QApplication::setFont(QFont(QStringLiteral("Arial"), 8)); }
