// A configured hoist as the outputs read it: the model data and the values and choices the
// steps ended with. The ordering list, the sheets and the printed page take nothing else from
// the configurator.
#pragma once

#include <QString>
#include <array>
#include <optional>

#include "common/variants.h"
#include "configurator/configuration.h"

struct ConfiguredHoist {
  // The variant; US Imperial lists and measures in feet and inches.
  VariantId variant = VariantId::EnglishEuropean;
  QString model;               // CurrentModel
  int modelIndex = 0;          // part-matrix column of every row but the hoist
  int hoistColumn = 0;         // part-matrix column whose row 1 is the hoist
  QString trolleyDesignation;  // CurrentTrolley, empty for none
  int chainLength = 0;         // whole metres
  int chainCollectorFlag = 0;  // 1 when the chain is too long for the collector
  int controlLength = 0;       // whole metres
  int discount = 0;            // percent

  // The selected options; none where nothing is selected.
  std::optional<HoistControl> hoistControl;
  std::optional<Trolley> trolley;
  std::optional<TrolleyControl> trolleyControl;
  bool articulation = false;
  std::array<bool, 6> accessories{};  // the ticks of Check3D1(0) to (5)
  bool ticked(Accessory a) const { return accessories[static_cast<std::size_t>(a)]; }
  bool chainTypeVisible = false;  // fraTypeOfChain is shown
  int chainType = 1;              // optTypeOfChain element
  bool stainless = false;

  bool imperial() const { return isImperialVariant(variant); }
};
