// Where a configuration walk stands, as JSON: the step that is next, what it offers, the notes
// and the refusal, in the words of the saved configuration's keys, for a web page that walks the
// steps as the main window does.
#pragma once

#include <QJsonObject>
#include <QString>
#include <vector>

#include "common/problem.h"
#include "configurator/configuration_walk.h"
#include "data/text_catalogue.h"

// The step by the key of the configuration that answers it ("liftHeight", "trolley"...), and
// "feetValue", "accessory", "discount" and "done".
QString walkStepKey(WalkStep step);

// {"step", "offer", "notes", "problem", "done"}: the offer of the step the walk is at, the notes
// of the answers taken, and the refusal of the answer that was not, with the texts of the
// catalogue in the variant's language.
QJsonObject walkAsJson(const ConfigurationWalk& walk, const std::vector<WalkNote>& notes,
                       const TextCatalogueArray& texts);

// A refusal: {"step", "textNumber", "text"}, the number of the catalogue's text or null for a
// message of the program's own, and "where" when the problem names a place (a position).
QJsonObject refusalAsJson(const Problem& problem, WalkStep step, const TextCatalogueArray& texts);
