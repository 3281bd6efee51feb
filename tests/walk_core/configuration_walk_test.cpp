// The configuration walk on the core alone: what each step offers per variant and model, full
// configurations with their ordering lists, and the answers the steps turn down.
#include "configurator/configuration_walk.h"

#include <gtest/gtest.h>

#include <QString>
#include <cmath>
#include <vector>

#include "common/variants.h"
#include "configurator/ordering_list.h"
#include "data/parts_loader.h"
#include "data/program_directory.h"

namespace {

constexpr VariantId kVariants[] = {
    VariantId::EnglishEuropean, VariantId::French,     VariantId::UsMetric, VariantId::UsImperial,
    VariantId::Spanish,         VariantId::Portuguese, VariantId::Italian,  VariantId::German};

QString text(const char* s) {
  return QString::fromUtf8(s);
}

// Lengths as typed: metres, or in US Imperial the feet value of the whole metre that the
// control-length box takes without asking (1 m = 3.3 ft, 3 m = 9.8 ft and so on).
QString typedLength(VariantId v, int metres) {
  static const char* const kFeet[] = {"", "3.3", "6.6", "9.8", "13.1", "16.4"};
  return v == VariantId::UsImperial ? text(kFeet[metres]) : QString::number(metres);
}

// Walks to the trolley step with a 2 m lift height and the given control length.
ConfigurationWalk toTrolleys(VariantId v, bool lubeFree, const QString& model, int control) {
  ConfigurationWalk w(v);
  w.lubeFree(lubeFree);
  EXPECT_TRUE(w.model(model)) << model.toStdString();
  if (w.step() == WalkStep::StainlessChain) w.stainlessChain(false);
  EXPECT_TRUE(w.liftHeight(typedLength(v, 2)));
  EXPECT_TRUE(w.controlLength(typedLength(v, control)));
  EXPECT_EQ(w.step(), WalkStep::Trolley) << model.toStdString() << " " << control;
  return w;
}

// An English European walk answered as far as the answers go (a 2 m lift height by default).
ConfigurationWalk walkTo(const char* model, const char* control = nullptr,
                         std::optional<Trolley> trolley = std::nullopt, const char* lift = "2") {
  ConfigurationWalk w(VariantId::EnglishEuropean);
  EXPECT_TRUE(w.model(text(model)));
  if (w.step() == WalkStep::StainlessChain) w.stainlessChain(false);
  EXPECT_TRUE(w.liftHeight(text(lift)));
  const bool controlTaken = !control || w.controlLength(text(control));
  EXPECT_TRUE(controlTaken && (!trolley || w.trolley(trolley)));
  return w;
}

// The model groups of the trolley step: the beam-width ranges of the narrow and wide trolleys,
// metric and in inches, and whether the manual and narrow trolleys are offered.
struct TrolleyGroup {
  const char* classes[4];
  const char* narrowMm;
  const char* wideMm;
  const char* narrowIn;
  const char* wideIn;
  bool manualAndNarrow;
  bool heavy;  // the trolley control is the user's choice with a motor trolley
};
const TrolleyGroup kTrolleyGroups[] = {
    {{"250", "500", "980", "1000"},
     "50-160 mm",
     "161-280 mm",
     "2-6.3 in",
     "6.3-11 in",
     true,
     false},
    {{"2500", "3000"}, "74-180 mm", "181-300 mm", "2.9-7.1 in", "7.1-11.8 in", true, true},
    {{"5000"}, "", "181-300 mm", "", "7.1-11.8 in", false, true},
};

const TrolleyGroup& groupOf(const QString& model) {
  for (const TrolleyGroup& g : kTrolleyGroups)
    for (const char* c : g.classes)
      if (c && (model.startsWith(text("PXH ") + text(c) + text(" ")) ||
                model.startsWith(text("PXH ") + text(c) + text("L "))))
        return g;
  ADD_FAILURE() << "no group for " << model.toStdString();
  return kTrolleyGroups[0];
}

}  // namespace

TEST(ConfigurationWalk, ModelListsTrolleysAndHoistControlsByVariantAndModel) {
  for (VariantId v : kVariants) {
    const bool imperial = v == VariantId::UsImperial;
    for (bool lubeFree : {false, true}) {
      ConfigurationWalk start(v);
      start.lubeFree(lubeFree);
      ASSERT_EQ(start.step(), WalkStep::Model);
      // The six capacity classes, and 3000 in the US variants; "L" before " EX" when lube-free.
      QStringList expected;
      for (const char* c : {"250", "500", "980", "1000", "2500", "3000", "5000"})
        if (isUsVariant(v) || QLatin1String(c) != QLatin1String("3000"))
          expected << text("PXH ") + text(c) + (lubeFree ? text("L") : QString()) + text(" EX");
      ASSERT_EQ(start.offer().models, expected) << int(v) << lubeFree;

      for (const QString& model : expected) {
        SCOPED_TRACE(model.toStdString() + " variant " + std::to_string(int(v)));
        const TrolleyGroup& g = groupOf(model);
        for (int control : {1, 3, 4, 5}) {
          const ConfigurationWalk atTrolleys = toTrolleys(v, lubeFree, model, control);
          const auto& t = atTrolleys.offer().trolleys;
          const QString narrow = text(" ") + text(imperial ? g.narrowIn : g.narrowMm);
          const QString wide = text(" ") + text(imperial ? g.wideIn : g.wideMm);
          const std::optional<Text> captions[] = {std::nullopt, Text::ManualNarrow,
                                                  Text::ManualWide, Text::MotorNarrow,
                                                  Text::MotorWide};
          const QString suffixes[] = {{}, narrow, wide, narrow, wide};
          for (int e = 0; e < 5; ++e) {
            EXPECT_EQ(t[e].caption, captions[e]) << e;
            EXPECT_EQ(t[e].suffix, suffixes[e]) << e;
            EXPECT_EQ(t[e].offered, e == 0 || e == 4 || g.manualAndNarrow) << e;
          }

          for (int e = 0; e < 5; ++e) {
            if (!t[e].offered) continue;
            const Trolley trolley = static_cast<Trolley>(e);
            const bool motor = e >= 3;
            ConfigurationWalk atControls = atTrolleys;
            ASSERT_TRUE(atControls.trolley(trolley));
            ASSERT_EQ(atControls.step(), WalkStep::HoistControl);
            // Pull chain, 2-button and twist rod always; the 4-button control with a motor
            // trolley only; the hook-mounted control never.
            const std::array<bool, 5> offered{true, true, true, motor, false};
            EXPECT_EQ(atControls.offer().hoistControls, offered) << "trolley " << e;
            EXPECT_EQ(atControls.offer().hoistControl, HoistControl::PullChain);

            for (int h = 0; h < 5; ++h) {
              SCOPED_TRACE("trolley " + std::to_string(e) + " control " + std::to_string(h) +
                           " length " + std::to_string(control));
              const HoistControl choice = static_cast<HoistControl>(h);
              ConfigurationWalk w = atControls;
              const bool taken = w.hoistControl(choice);
              if (!offered[h]) {
                EXPECT_FALSE(taken);
                ASSERT_TRUE(w.problem());
                EXPECT_TRUE(
                    w.problem()->what.endsWith(text(": not offered for the ") + model +
                                               text(" with the answers of the steps before.")));
                continue;
              }
              if (choice == HoistControl::TwistRod && control >= 5) {
                EXPECT_FALSE(taken);
                EXPECT_EQ(w.problem()->text, Text::TwistRodUpTo4m);
                EXPECT_EQ(w.step(), WalkStep::HoistControl);
                continue;
              }
              ASSERT_TRUE(taken);
              if (choice == HoistControl::TwistRod && control >= 3) {
                EXPECT_EQ(w.step(), WalkStep::Articulation);
                continue;
              }
              // A motor trolley needs a trolley control unless the 4-button control steers it:
              // the heavy models let the user choose, the light ones take the 2-button one.
              const bool trolleyControl = motor && choice != HoistControl::FourButton;
              if (trolleyControl && g.heavy) {
                EXPECT_EQ(w.step(), WalkStep::TrolleyControl);
                EXPECT_EQ(w.offer().trolleyControls, (std::array<bool, 2>{true, true}));
                EXPECT_EQ(w.offer().trolleyControl, TrolleyControl::TwoButton);
              } else {
                EXPECT_EQ(w.step(), WalkStep::Accessory);
                EXPECT_EQ(w.hoist().trolleyControl,
                          trolleyControl ? std::optional(TrolleyControl::TwoButton) : std::nullopt);
              }
            }
          }
        }
      }
    }
  }
}

namespace {

struct ExpectedPart {
  const char* orderingNumber;
  int quantity;
  double amount;  // price × quantity
};

// Ticks each accessory the step asks for, which must come in the given order.
void tickAccessories(ConfigurationWalk& w, std::initializer_list<Accessory> order) {
  for (Accessory a : order) {
    ASSERT_EQ(w.offer().accessory, a);
    EXPECT_FALSE(w.offer().accessoryTicked);
    ASSERT_TRUE(w.accessory(true));
  }
  EXPECT_EQ(w.step(), WalkStep::Discount);
}

// The ordering list of the walk's hoist on the shipped database, against the expected parts;
// the total is their sum, the net amount what the discount leaves of it.
void expectList(const ConfigurationWalk& w, const std::vector<ExpectedPart>& parts, int discount) {
  ASSERT_EQ(w.step(), WalkStep::Done);
  PartsData data;
  loadPartsDatabase(ProgramDirectory(QStringLiteral(TELMARIS_PROGRAM_DIR)).database(),
                    variantOf(w.variantId()).languageKey, data);
  const OrderingList list = BuildOrderingList(data, w.hoist());
  const std::vector<const OrderingLine*> lines = list.parts();
  ASSERT_EQ(lines.size(), parts.size());
  double total = 0;
  for (std::size_t i = 0; i < parts.size(); ++i) {
    SCOPED_TRACE("line " + std::to_string(i));
    EXPECT_EQ(lines[i]->orderingNumber, text(parts[i].orderingNumber));
    EXPECT_EQ(lines[i]->quantity, parts[i].quantity);
    EXPECT_NEAR(lines[i]->amount, parts[i].amount, 0.005);
    total += parts[i].amount;
  }
  EXPECT_NEAR(list.total, total, 0.01);
  EXPECT_NEAR(list.net(), total * (100 - discount) / 100, 0.01);
}

}  // namespace

TEST(ConfigurationWalk, OneFullConfigurationPerModelGroupGivesItsOrderingList) {
  {
    SCOPED_TRACE("light, stainless chain, twist rod with articulation, every accessory");
    ConfigurationWalk w(VariantId::EnglishEuropean);
    ASSERT_TRUE(w.model(text("PXH 500 EX")));
    ASSERT_EQ(w.step(), WalkStep::StainlessChain);
    ASSERT_TRUE(w.stainlessChain(true));
    ASSERT_TRUE(w.liftHeight(text("4")));  // 4 + 0.5 m: a 5 m chain
    ASSERT_TRUE(w.controlLength(text("3")));
    ASSERT_TRUE(w.trolley(Trolley::ManualWide));
    ASSERT_TRUE(w.hoistControl(HoistControl::TwistRod));
    ASSERT_EQ(w.step(), WalkStep::Articulation);
    ASSERT_TRUE(w.articulation(true));
    tickAccessories(w, {Accessory::OverloadDevice, Accessory::ChainCollector, Accessory::ChainStop,
                        Accessory::SafetyHook, Accessory::Assembled});
    ASSERT_TRUE(w.discount(10));
    EXPECT_EQ(w.hoist().trolleyDesignation, text("PXK 1000"));
    expectList(w,
               {{"8420 0500 00", 1, 2760.0},     // PXH 500 EX
                {"7302 4410 09", 5, 5 * 118.4},  // stainless-steel load chain, per m
                {"7302 4530 01", 1, 248.0},      // twist rod
                {"7302 4530 11", 1, 92.0},       // twist rod extension
                {"7302 4530 21", 1, 68.0},       // articulation
                {"7310 1000 02", 1, 725.0},      // PXK 1000 manual trolley, wide beam
                {"7302 4710 05", 1, 438.0},      // overload protection device, PXH 500
                {"7302 4610 07", 1, 112.0},      // chain collector up to 7 m
                {"7302 4730 07", 1, 26.5},       // chain stop 7 mm
                {"7302 4720 05", 1, 72.0},       // safety hook, PXH 500
                {"7302 4790 01", 1, 85.0}},      // mounting of accessories,
               10);
  }
  {
    SCOPED_TRACE("PXH 980: no overload device, chain too long for the collector");
    ConfigurationWalk w(VariantId::French);
    ASSERT_TRUE(w.model(text("PXH 980 EX")));
    ASSERT_EQ(w.step(), WalkStep::LiftHeight);
    ASSERT_TRUE(w.liftHeight(text("12,3")));  // 2 × 12.3 + 0.5 m: a 26 m chain
    ASSERT_EQ(w.notes().size(), 1u);
    EXPECT_EQ(w.notes()[0].text, Text::NoCollectorAbove25m);
    ASSERT_TRUE(w.controlLength(text("2")));
    ASSERT_TRUE(w.trolley(Trolley::None));
    ASSERT_TRUE(w.hoistControl(HoistControl::TwoButton));
    EXPECT_EQ(w.offer().overload, OverloadOffer::NotAvailable);
    tickAccessories(w, {Accessory::ChainStop, Accessory::SafetyHook, Accessory::Assembled});
    ASSERT_TRUE(w.askDiscount(false));
    EXPECT_TRUE(w.hoist().trolleyDesignation.isEmpty());
    expectList(w,
               {{"8420 0980 00", 1, 3350.0},      // PXH 980 EX (hoist column 37)
                {"7302 4410 02", 26, 26 * 36.9},  // load chain 7 mm, per m
                {"7302 4510 21", 1, 298.0},       // 2-button pendant
                {"7302 4520 26", 2, 2 * 12.8},    // control hose, per m
                {"7302 4730 07", 1, 26.5},        // chain stop 7 mm
                {"7302 4720 10", 1, 104.0},       // safety hook, PXH 980/1000
                {"7302 4790 01", 1, 85.0}},       // mounting of accessories,
               0);
  }
  {
    SCOPED_TRACE("heavy, motor trolley over 10 m: the trolley control starts on the pull chain");
    ConfigurationWalk w(VariantId::EnglishEuropean);
    ASSERT_TRUE(w.askDiscount(true));
    ASSERT_TRUE(w.model(text("PXH 2500 EX")));
    ASSERT_TRUE(w.liftHeight(text("3")));  // 3 + 0.6 m: a 4 m chain
    ASSERT_TRUE(w.controlLength(text("11")));
    ASSERT_TRUE(w.trolley(Trolley::MotorWide));
    ASSERT_TRUE(w.hoistControl(HoistControl::PullChain));
    ASSERT_EQ(w.step(), WalkStep::TrolleyControl);
    EXPECT_EQ(w.offer().trolleyControl, TrolleyControl::PullChain);
    ASSERT_TRUE(w.trolleyControl(TrolleyControl::PullChain));
    // Included as standard (and not listed for this model), no safety hook.
    EXPECT_EQ(w.offer().overload, OverloadOffer::IncludedAsStandard);
    EXPECT_TRUE(w.hoist().ticked(Accessory::OverloadDevice));
    tickAccessories(w, {Accessory::ChainCollector, Accessory::ChainStop, Accessory::Assembled});
    EXPECT_TRUE(w.offer().discountAsked);
    ASSERT_TRUE(w.discount(5));
    EXPECT_EQ(w.hoist().trolleyDesignation, text("PXK 2500M"));
    expectList(w,
               {{"8420 2500 00", 1, 6480.0},      // PXH 2500 EX
                {"7302 4420 02", 4, 4 * 73.5},    // load chain 10 mm, per m
                {"7302 4430 06", 22, 22 * 11.4},  // hoist pull chain, 2 × 11 m
                {"7310 2501 02", 1, 4430.0},      // PXK 2500M motor trolley, wide beam
                {"7302 4430 06", 23, 23 * 11.4},  // trolley pull chain, 2 × 11 + 1 m
                {"7302 4620 07", 1, 198.0},       // chain collector 10 mm up to 7 m
                {"7302 4730 10", 1, 44.0},        // chain stop 10 mm
                {"7302 4790 02", 1, 140.0}},      // mounting of accessories, PXH 1250-5000,
               5);
  }
  {
    SCOPED_TRACE("US Imperial PXH 3000L: feet, the feet prompt, the optional overload device");
    ConfigurationWalk w(VariantId::UsImperial);
    ASSERT_TRUE(w.lubeFree(true));
    ASSERT_TRUE(w.model(text("PXH 3000L EX")));
    ASSERT_TRUE(w.liftHeight(text("20")));  // 6.096 m + 0.6 m: a 7 m chain
    ASSERT_TRUE(w.controlLength(text("10")));
    ASSERT_EQ(w.step(), WalkStep::FeetValue);
    EXPECT_EQ(w.offer().feetValues, (std::array<QString, 2>{text("9.8"), text("13.1")}));
    ASSERT_TRUE(w.feetValue(text("13.1")));  // 4 m
    ASSERT_TRUE(w.trolley(Trolley::ManualNarrow));
    ASSERT_TRUE(w.hoistControl(HoistControl::TwoButton));
    EXPECT_EQ(w.offer().overload, OverloadOffer::Optional);
    tickAccessories(w, {Accessory::OverloadDevice, Accessory::ChainCollector, Accessory::ChainStop,
                        Accessory::Assembled});
    ASSERT_TRUE(w.askDiscount(false));
    EXPECT_EQ(w.hoist().trolleyDesignation, text("WXK 3000"));
    expectList(w,
               {{"8420 3000 10", 1, 8010.0},    // PXH 3000L EX (hoist column 35)
                {"7302 4420 02", 7, 7 * 73.5},  // load chain 10 mm, per m
                {"7302 4510 22", 1, 342.0},     // 2-button pendant, PXH 1250-5000
                {"7302 4520 26", 4, 4 * 12.8},  // control hose, per m
                {"7310 3000 01", 1, 1265.0},    // WXK 3000 manual trolley
                {"7302 4710 30", 1, 842.0},     // overload protection device, PXH 3000
                {"7302 4620 07", 1, 198.0},     // chain collector 10 mm up to 7 m
                {"7302 4730 10", 1, 44.0},      // chain stop 10 mm
                {"7302 4790 02", 1, 140.0}},    // mounting of accessories,
               0);
  }
  {
    SCOPED_TRACE("PXH 5000L: the wide motor trolley only, the 4-button control");
    ConfigurationWalk w(VariantId::German);
    ASSERT_TRUE(w.lubeFree(true));
    ASSERT_TRUE(w.model(text("PXH 5000L EX")));
    ASSERT_TRUE(w.liftHeight(text("10")));  // 2 × 10 + 0.9 m: a 21 m chain
    ASSERT_EQ(w.notes().size(), 1u);
    EXPECT_EQ(w.notes()[0].text, Text::NoCollectorAbove18m);
    ASSERT_TRUE(w.controlLength(text("2")));
    ASSERT_TRUE(w.trolley(Trolley::MotorWide));
    ASSERT_TRUE(w.hoistControl(HoistControl::FourButton));
    tickAccessories(w, {Accessory::ChainStop, Accessory::Assembled});
    ASSERT_TRUE(w.askDiscount(false));
    EXPECT_FALSE(w.hoist().trolleyControl);
    expectList(w,
               {{"8420 5000 10", 1, 11470.0},     // PXH 5000L EX (hoist column 34)
                {"7302 4420 02", 21, 21 * 73.5},  // load chain 10 mm, per m
                {"7302 4510 42", 1, 512.0},       // 4-button pendant
                {"7302 4520 46", 2, 2 * 19.6},    // control hose 4 x 6 mm, per m
                {"7310 5001 02", 1, 7680.0},      // PXK 5000M motor trolley, wide beam
                {"7302 4730 10", 1, 44.0},        // chain stop 10 mm
                {"7302 4790 02", 1, 140.0}},      // mounting of accessories,
               0);
  }
}

// The chain length, from falls x lift height + allowance up to the next whole metre, and the note
// of a chain too long for the collector (26 m and more, 19 m and more for the heavy models).
TEST(ConfigurationWalk, ChainLengthsTrolleyDesignationsAndAccessoriesByModel) {
  const struct {
    VariantId variant;
    const char* model;
    const char* lift;
    int chain;
    std::optional<Text> note;
  } chains[] = {
      {VariantId::EnglishEuropean, "PXH 250 EX", "4.505", 5, {}},  // 5.005: within a centimetre
      {VariantId::EnglishEuropean, "PXH 250 EX", "4.52", 6, {}},   // 5.01
      {VariantId::EnglishEuropean, "PXH 2500 EX", "17.4", 18, {}},
      {VariantId::EnglishEuropean, "PXH 2500 EX", "18", 19, Text::NoCollectorAbove18m},
      {VariantId::EnglishEuropean, "PXH 2500 EX", "18.", 19, Text::NoCollectorAbove18m},
      {VariantId::EnglishEuropean, "PXH 5000 EX", "12", 25, Text::NoCollectorAbove18m},
      {VariantId::UsImperial, "PXH 1000 EX", "20", 13, {}},  // 6.096 m, 2 falls
      {VariantId::UsImperial, "PXH 250 EX", "81", 26, Text::NoCollectorAbove25m},  // 24.689 m
  };
  for (const auto& c : chains) {
    SCOPED_TRACE(std::string(c.model) + " " + c.lift);
    ConfigurationWalk w(c.variant);
    ASSERT_TRUE(w.model(text(c.model)));
    if (w.step() == WalkStep::StainlessChain) w.stainlessChain(false);
    ASSERT_TRUE(w.liftHeight(text(c.lift)));
    EXPECT_EQ(w.hoist().chainLength, c.chain);
    EXPECT_EQ(w.hoist().chainCollectorFlag, c.note ? 1 : 0);
    const std::vector<WalkNote> notes =
        c.note ? std::vector<WalkNote>{{{}, c.note, {}}} : std::vector<WalkNote>{};
    EXPECT_EQ(w.notes(), notes);
    EXPECT_EQ(w.step(), WalkStep::ControlLength);
  }

  // The trolley designations the walk tables do not reach; a trolley answered again as none
  // drops its designation.
  ConfigurationWalk us = toTrolleys(VariantId::UsMetric, true, text("PXH 3000L EX"), 3);
  ASSERT_TRUE(us.trolley(Trolley::MotorWide));
  EXPECT_EQ(us.hoist().trolleyDesignation, text("PXK 3000M"));
  ConfigurationWalk light = walkTo("PXH 1000 EX", "3", Trolley::MotorNarrow);
  EXPECT_EQ(light.hoist().trolleyDesignation, text("PXK 1000M"));
  ASSERT_TRUE(light.trolley(Trolley::None));
  EXPECT_TRUE(light.hoist().trolleyDesignation.isEmpty());

  // The accessories asked in turn: overload protection where it is an option, chain collector
  // (not for a chain too long for it), chain stop, safety hook (models below 5 and 10 to 13),
  // assembly. Digits are Accessory values.
  const struct {
    VariantId variant;
    const char *model, *lift;
    OverloadOffer overload;
    const char* asked;
  } accessories[] = {
      {VariantId::EnglishEuropean, "PXH 250 EX", "4", OverloadOffer::Optional, "01235"},
      {VariantId::EnglishEuropean, "PXH 250 EX", "25", OverloadOffer::Optional, "0235"},
      {VariantId::EnglishEuropean, "PXH 980 EX", "5", OverloadOffer::NotAvailable, "1235"},
      {VariantId::EnglishEuropean, "PXH 1000 U EX", "5", OverloadOffer::Optional, "01235"},
      {VariantId::EnglishEuropean, "PXH 1000 EX", "13", OverloadOffer::IncludedAsStandard, "235"},
      {VariantId::UsMetric, "PXH 1000 EX", "4", OverloadOffer::IncludedAsStandard, "1235"},
      {VariantId::UsMetric, "PXH 3000 EX", "18", OverloadOffer::Optional, "025"},
  };
  for (const auto& c : accessories) {
    SCOPED_TRACE(std::string(c.model) + " " + c.lift + " variant " +
                 std::to_string(int(c.variant)));
    ConfigurationWalk w(c.variant);
    ASSERT_TRUE(w.model(text(c.model)));
    if (w.step() == WalkStep::StainlessChain) w.stainlessChain(false);
    ASSERT_TRUE(w.liftHeight(text(c.lift)) && w.controlLength(text("3")) &&
                w.trolley(Trolley::None) && w.hoistControl(HoistControl::PullChain));
    EXPECT_EQ(w.offer().overload, c.overload);
    QString asked;
    for (int i = 0; i < 6 && w.step() == WalkStep::Accessory; ++i) {
      asked += QString::number(static_cast<int>(*w.offer().accessory));
      w.accessory(false);
    }
    EXPECT_EQ(asked, text(c.asked));
  }
}

namespace {

const QString kNotOffered =
    QStringLiteral(": not offered for the %1 with the answers of the steps before.");

void expectProblem(const std::optional<Problem>& p, std::optional<Text> t, const QString& what) {
  ASSERT_TRUE(p);
  EXPECT_EQ(p->kind, Problem::Kind::Refused);
  EXPECT_TRUE(p->where.isEmpty());
  EXPECT_EQ(p->text, t);
  EXPECT_EQ(p->what, what);
}

}  // namespace

TEST(ConfigurationWalk, RefusedAndMissingAnswersStopAtTheirStep) {
  {
    SCOPED_TRACE("models: unknown names, the variant's own names, the phased-out ones");
    ConfigurationWalk w(VariantId::EnglishEuropean);
    for (const char* name : {"PXH 200L EX", "PXH 3000 EX", ""}) {
      EXPECT_FALSE(w.model(text(name)));
      expectProblem(w.problem(), std::nullopt,
                    text("The model \"") + text(name) +
                        text("\" is not in the program's range.\nPlease choose a model from the "
                             "list."));
      EXPECT_EQ(w.step(), WalkStep::Model);
    }
    ConfigurationWalk us(VariantId::UsMetric);
    EXPECT_FALSE(us.model(text("PXH 200 EX")));
    ASSERT_TRUE(us.model(text("PXH 1000 U EX")));
    ASSERT_EQ(us.notes().size(), 1u);
    EXPECT_EQ(us.notes()[0], (WalkNote{text("PXH 1000 U EX: "), Text::PhasedOut, {}}));
    EXPECT_EQ(us.hoist().modelIndex, 13);
    EXPECT_EQ(us.hoist().hoistColumn, 4);
  }
  {
    SCOPED_TRACE("lift height: missing, not positive, above the model's maximum");
    struct Case {
      VariantId variant;
      const char* model;
      const char* lift;
      std::optional<Text> text;
      const char* what;
    } cases[] = {
        {VariantId::EnglishEuropean, "PXH 250 EX", "", Text::EnterLiftHeight, ""},
        {VariantId::EnglishEuropean, "PXH 250 EX", "0", Text::EnterLiftHeight, ""},
        {VariantId::EnglishEuropean, "PXH 250 EX", "abc", Text::EnterLiftHeight, ""},
        {VariantId::EnglishEuropean, "PXH 250 EX", "101", Text::LiftHeightAboveMaximum, ": 100"},
        {VariantId::Italian, "PXH 1000 EX", "50,5", Text::LiftHeightAboveMaximum, ": 50"},
        {VariantId::UsImperial, "PXH 5000 EX", "83", Text::LiftHeightAboveMaximum, ": 82"},
        {VariantId::UsImperial, "PXH 1000 EX", "165", Text::LiftHeightAboveMaximum, ": 164"},
        {VariantId::UsMetric, "PXH 3000 EX", "50.1", Text::LiftHeightAboveMaximum, ": 50"},
        {VariantId::Italian, "PXH 5000L EX", "26", Text::LiftHeightAboveMaximum, ": 25"},
    };
    for (const Case& c : cases) {
      ConfigurationWalk w(c.variant);
      ASSERT_TRUE(w.model(text(c.model)));
      if (w.step() == WalkStep::StainlessChain) w.stainlessChain(false);
      EXPECT_FALSE(w.liftHeight(text(c.lift))) << c.lift;
      expectProblem(w.problem(), c.text, text(c.what));
      EXPECT_EQ(w.step(), WalkStep::LiftHeight);
    }
  }
  {
    SCOPED_TRACE("control length: missing or not positive; whole metres");
    for (const char* length : {"", "0", "-2"}) {
      ConfigurationWalk w = walkTo("PXH 1000 EX");
      EXPECT_FALSE(w.controlLength(text(length)));
      expectProblem(w.problem(), Text::EnterControlLength, {});
    }
    // A length that is not whole is rounded half to even; less than a metre counts as one.
    for (auto [typed, metres] : {std::pair{"3,5", 4}, {"2.5", 2}, {"0.4", 1}, {"12", 12}}) {
      ConfigurationWalk w = walkTo("PXH 1000 EX");
      ASSERT_TRUE(w.controlLength(text(typed)));
      EXPECT_EQ(w.hoist().controlLength, metres) << typed;
    }
  }
  {
    SCOPED_TRACE("options not offered, or turned down by the lengths");
    ConfigurationWalk w = walkTo("PXH 5000 EX", "1");
    EXPECT_FALSE(w.trolley(Trolley::ManualNarrow));
    expectProblem(w.problem(), Text::ManualNarrow,
                  text(" ") + kNotOffered.arg(text("PXH 5000 EX")));
    EXPECT_FALSE(w.trolley(std::nullopt));
    expectProblem(w.problem(), std::nullopt, text("The trolley is not chosen."));

    ConfigurationWalk light = walkTo("PXH 250 EX", "4", Trolley::ManualNarrow);
    EXPECT_FALSE(light.hoistControl(HoistControl::TwoButtonHook));
    expectProblem(light.problem(), Text::HookMountedLabel, kNotOffered.arg(text("PXH 250 EX")));
    EXPECT_FALSE(light.hoistControl(std::nullopt));
    expectProblem(light.problem(), std::nullopt, text("The hoist control is not chosen."));

    ConfigurationWalk buttons = walkTo("PXH 1000 EX", "11", Trolley::None);
    EXPECT_FALSE(buttons.hoistControl(HoistControl::TwoButton));
    expectProblem(buttons.problem(), Text::PushButtonsUpTo10m, {});
    EXPECT_EQ(buttons.step(), WalkStep::HoistControl);
    EXPECT_EQ(buttons.hoist().hoistControl, HoistControl::PullChain);
    // A light model's motor trolley takes the 2-button trolley control only: over 10 m the
    // control length itself must change.
    ConfigurationWalk motor = walkTo("PXH 1000 EX", "11", Trolley::MotorNarrow);
    EXPECT_FALSE(motor.hoistControl(HoistControl::PullChain));
    expectProblem(motor.problem(), Text::PushButtonsUpTo10m, {});
    EXPECT_EQ(motor.step(), WalkStep::ControlLength);

    ConfigurationWalk heavy = walkTo("PXH 2500 EX", "12", Trolley::MotorNarrow);
    heavy.hoistControl(HoistControl::PullChain);
    EXPECT_FALSE(heavy.trolleyControl(TrolleyControl::TwoButton));
    expectProblem(heavy.problem(), Text::PushButtonsUpTo10m, {});
    EXPECT_EQ(heavy.step(), WalkStep::TrolleyControl);
  }
  {
    SCOPED_TRACE("discount above 99 % or below 0");
    ConfigurationWalk w = walkTo("PXH 1000 EX", "1", Trolley::None);
    w.hoistControl(HoistControl::PullChain);
    while (w.step() == WalkStep::Accessory) w.accessory(false);
    for (int percent : {100, -5}) {
      EXPECT_FALSE(w.discount(percent));
      expectProblem(w.problem(), std::nullopt, text("The discount is 0 to 99 %."));
    }
    EXPECT_TRUE(w.discount(99));
    EXPECT_EQ(w.hoist().discount, 99);
  }
  {
    SCOPED_TRACE("an earlier step answered again starts over from it; a later one is no answer");
    ConfigurationWalk w = walkTo("PXH 250 EX", "1");
    EXPECT_FALSE(w.discount(5));
    EXPECT_EQ(w.problem()->kind, Problem::Kind::Usage);
    EXPECT_EQ(w.step(), WalkStep::Trolley);
    ASSERT_TRUE(w.liftHeight(text("25")));  // a 26 m chain
    EXPECT_EQ(w.notes(), (std::vector<WalkNote>{{{}, Text::NoCollectorAbove25m, {}}}));
    EXPECT_EQ(w.step(), WalkStep::ControlLength);
    EXPECT_EQ(w.hoist().chainLength, 26);
    EXPECT_FALSE(w.trolley(Trolley::None));
  }
}
