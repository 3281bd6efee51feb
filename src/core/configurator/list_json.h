// A configuration's ordering list as JSON, amounts rounded to the cent: what --json prints
// (indented), and the quote service answers (compact).
#pragma once

#include <string>

#include "common/json_writer.h"
#include "configurator/ordering_list.h"

// An amount as the lists' JSON gives it: to the cent, without the noise of single precision.
double jsonAmount(double value);

// The member "lines" of the object being written: each part line with its amount, description,
// in US Imperial its feet, ordering number, quantity and unit ("m" for parts sold by length).
void writeListLines(JsonWriter& json, const OrderingList& list);
// {"discount", "lines", "net", "total"}.
void writeListJson(JsonWriter& json, const OrderingList& list);
std::string listJson(const OrderingList& list, JsonWriter::Format format);
