// Title and About text built from the version.
#include "common/version.h"

QString versionText(const ProgramVersion& v) {
  return QStringLiteral("%1.%2.%3").arg(v.major).arg(v.minor).arg(v.revision);
}

QString mainWindowTitle(const QString& text65, const ProgramVersion& v) {
  return text65 + QStringLiteral("   (") + versionText(v) + QStringLiteral(")");
}

QString aboutText(const QString& programDate, const ProgramVersion& v) {
  // The line after the "developed by" line ends with LF, CR, LF, as the About box always had it.
  return QStringLiteral("Velmora Telmaris program.\n") + QStringLiteral("Version: ") +
         versionText(v) + QStringLiteral("\n") + QStringLiteral("Date: ") + programDate +
         QStringLiteral("\n") + QStringLiteral("\n") +
         QStringLiteral("This product is developed by:\n\r\n") +
         QStringLiteral("Norrvik Programvara AB\n") + QStringLiteral("Att. Elin Strandberg\n") +
         QStringLiteral("Kvarngatan 12\n") + QStringLiteral("SE-723 41 Norrvik, Sweden\n") +
         QStringLiteral("\n") + QStringLiteral("E-mail: telmaris@norrvik.example\n") +
         QStringLiteral("Phone: +46 21 555 01 30");
}
