// The hoist models the program knows and the names the model list offers per variant.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

#include "common/variants.h"

// The names the model list offers, in order: the six capacity classes, and "3000" as well in the
// US variants; with lube-free execution each name carries an "L" after the class.
QStringList modelListNames(VariantId variant, bool lubeFree);

// The part-matrix columns of a confirmed model: ModelIndex for every part row but the hoist,
// HoistColumn for row 1, the hoist itself.
struct ModelColumns {
  int modelIndex;
  int hoistColumn;
};

// The columns of a model name in the variant; none for a name the variant does not recognise.
// Names the list never offers ("PXH 200 EX", the U models) are recognised all the same.
std::optional<ModelColumns> modelColumns(const QString& name, VariantId variant);

// Every model name the program recognises in the variant, offered in the list or not.
QStringList recognisedModelNames(VariantId variant);

// The message for a model name typed into the list that the program has no data for.
QString unknownModelMessage(const QString& name);

struct DefaultModel {
  QString name;
  int modelIndex;
};
// The model the program state holds after a load, before the user confirms one.
DefaultModel defaultModel(VariantId variant);
