// Menu captions used as window titles and file names.
#pragma once

#include <QString>

// The caption without its access-key marks: "&Change prices" gives "Change prices", and "&&"
// stands for one "&".
inline QString withoutAccessKeys(const QString& caption) {
  QString plain;
  for (qsizetype i = 0; i < caption.size(); ++i) {
    if (caption[i] == u'&') {
      if (++i == caption.size()) break;
    }
    plain += caption[i];
  }
  return plain;
}
