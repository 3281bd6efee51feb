// Control characters made visible.
#include "common/shown_text.h"

QString withControlsEscaped(const QString& text, bool keepLineBreaks) {
  QString shown;
  shown.reserve(text.size());
  for (const QChar c : text) {
    const char16_t u = c.unicode();
    const bool kept = u == u'\t' || (keepLineBreaks && u == u'\n');
    const bool control = !kept && (u < 0x20 || u == 0x7F || (u >= 0x80 && u < 0xA0));
    if (control)
      shown += QStringLiteral("\\x%1").arg(static_cast<unsigned>(u), 2, 16, QLatin1Char('0'));
    else
      shown += c;
  }
  return shown;
}
