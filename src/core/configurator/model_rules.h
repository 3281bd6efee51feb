// Which options each model offers: the model groups by part-matrix column, and the rules the
// guided steps and the ordering list share. They read the table of hoist models (hoist_model.h).
#pragma once

#include <QString>
#include <optional>

// The light models (small chain) and the heavy models (large chain), by ModelIndex.
bool isLightGroup(int modelIndex);
bool isHeavyGroup(int modelIndex);

// Models whose hoist has the overload protection device built in, unless named otherwise.
bool isStandardOverloadGroup(int modelIndex);

// The 250 and 500 classes, which can have a stainless-steel chain.
bool offersStainlessChain(int modelIndex);

// Models that take a safety hook.
bool offersSafetyHook(int modelIndex);

// The overload device is a part of its own on the ordering list (not built into the hoist).
bool overloadIsOrderedSeparately(int modelIndex, const QString& model);

// How the overload protection step offers the device.
enum class OverloadOffer { Optional, NotAvailable, IncludedAsStandard };
OverloadOffer overloadOffer(int modelIndex, const QString& model);

// Designation of the trolley of a model, manual or motor driven; none where the model has no
// such trolley. Also answers for names no variant recognises (the P2/P4 and "US" hoists, the 6000
// class), which no model of the catalogue reaches.
std::optional<QString> trolleyDesignation(const QString& model, bool motorDriven);

// The last two characters "P2" / "P4": models ordered without the control device itself. No
// model of the catalogue has such a name; the rules stay for configurations that name one.
bool isP2Model(const QString& model);
bool isP4Model(const QString& model);
