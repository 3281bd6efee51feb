// The hoist models the program knows and the names the model list offers per variant.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// The names the model list offers, in order: the six capacity classes, and "3000" as well in the
// US variants; with lube-free execution each name carries an "L" after the class. None for a
// variant key the program does not know.
std::optional<QStringList> modelListNames(const QString& languageKey, bool lubeFree);

// Top of the control-length label in twips: the longer labels of the continental languages
// need the space of two lines.
int controlLengthLabelTop(const QString& languageKey);

struct DefaultModel {
  QString name;
  int modelIndex;
};
// The model the program state holds after a load, before the user confirms one.
DefaultModel defaultModel(const QString& languageKey);
