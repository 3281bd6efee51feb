// The output commands: the ordering list on the screen and on paper.
#include <QCheckBox>
#include <QGroupBox>
#include <QRadioButton>

#include "configurator/hmeny.h"
#include "startup/program_state.h"

namespace {

template <std::size_t N>
int selected(const std::array<QRadioButton*, N>& options) {
  for (std::size_t i = 0; i < N; ++i)
    if (options[i]->isChecked()) return static_cast<int>(i);
  return -1;
}

}  // namespace

OrderingChoices HMeny::orderingChoices() const {
  OrderingChoices c;
  c.hoistControl = selected(Opt3DHoistControl);
  c.trolley = selected(Opt3DTrolley);
  c.trolleyControl = selected(Opt3DTrolleyControls);
  c.articulation = Check3D1[4]->isChecked();
  for (int i = 0; i < 6; ++i) c.accessories[i] = Check3D1[i]->isChecked();
  c.chainTypeVisible = fraTypeOfChain->isVisible();
  c.chainType = optTypeOfChain[0]->isChecked() ? 0 : 1;
  c.stainless = chkStainless->isChecked();
  return c;
}

void HMeny::Cmd_Skärmutskrift_Click() {}

void HMeny::Printerutskrift_Click() {}
