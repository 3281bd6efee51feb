// Where a configuration walk stands, as JSON: the step that is next, what it offers, the notes
// and the refusal, in the words of the saved configuration's keys, for a web page that walks the
// steps as the main window does.
#pragma once

#include <QString>
#include <string>
#include <vector>

#include "common/json_writer.h"
#include "common/problem.h"
#include "configurator/configuration_walk.h"
#include "configurator/ordering_list.h"
#include "data/text_catalogue.h"

// The step by the key of the configuration that answers it ("liftHeight", "trolley"...), and
// "feetValue", "accessory", "discount" and "done".
QString walkStepKey(WalkStep step);

// {"done", "list", "notes", "offer", "problem", "step", "variant"}: the offer of the step the
// walk is at, the notes of the answers taken, the refusal of the answer that was not, with the
// texts of the catalogue in the variant's language, and at the end the list when one is given.
std::string walkJson(const ConfigurationWalk& walk, const std::vector<WalkNote>& notes,
                     const TextCatalogueArray& texts, const OrderingList* list,
                     JsonWriter::Format format);

// A refusal: {"step", "text", "textNumber"}, the number of the catalogue's text or null for a
// message of the program's own, and "where" when the problem names a place (a position).
void writeRefusalJson(JsonWriter& json, const Problem& problem, WalkStep step,
                      const TextCatalogueArray& texts);
std::string refusalJson(const Problem& problem, WalkStep step, const TextCatalogueArray& texts,
                        JsonWriter::Format format);
