// The accessories one check box at a time, the stainless-steel chain, the chain type, the
// lube-free choice, the pictures that hand the focus on, and the output buttons' focus rules.
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "configurator/hmeny.h"
#include "configurator/model_rules.h"
#include "configurator/numeric_inputs.h"
#include "startup/program_state.h"

void HMeny::Check3D1_KeyPress(int index, int& key) {
  if (key != 13 && key != 9) return;
  auto offer = [this](int element, QLabel* picture) {
    if (picture) picture->show();
    Check3D1[element]->show();
    Check3D1[element]->setFocus();
  };
  switch (index) {
    case 0:
      // The chain may have changed since the step was opened: apply the collector rule again.
      state_.ChainCollectorFlag =
          chainCollectorBlocked(state_.ModelIndex, state_.ChainLength) ? 1 : 0;
      if (state_.ChainCollectorFlag == 1)
        offer(2, Picture[10]);
      else
        offer(1, Picture[11]);
      break;
    case 1:
      offer(2, Picture[10]);
      break;
    case 2:
      if (offersSafetyHook(state_.ModelIndex))
        offer(3, Picture[9]);
      else
        offer(5, nullptr);
      break;
    case 3:
      offer(5, nullptr);
      break;
    case 4: {
      int tab = 9;
      Opt3DHoistControl_KeyPress(2, tab);
      break;
    }
    case 5:
      if (state_.ComboKeyDownFlag != 0) {
        Label1[2]->show();
        RabattB->show();
        RabattB->setFocus();
      } else {
        Cmd_Skärmutskrift->show();
        Printerutskrift->show();
        Cmd_Skärmutskrift->setFocus();
      }
      break;
  }
  key = 0;
}

void HMeny::Check3D1_LostFocus(int index) { state_.LastCheckIndex = static_cast<std::int16_t>(index); }

void HMeny::chkStainless_Click() {
  Label1[0]->show();
  LiftHeightB->show();
  LiftHeightB->setFocus();
}

void HMeny::chkStainless_LostFocus() { chkStainless_Click(); }

void HMeny::chkLubeFree_Click() { lubeFreeChanged(); }

void HMeny::optLubeFree_Click(int) { lubeFreeChanged(); }

void HMeny::lubeFreeChanged() {
  if (state_.MinimizedFlag == 0) ResetFromStep(0);
  state_.ComboKeyFlag = 0;
  state_.MinimizedFlag = 0;
  QCoreApplication::processEvents();
  LaddaComboPXH();
  ComboPXH->showPopup();
}

void HMeny::optTypeOfChain_GotFocus(int) { SetTabStops(false); }

void HMeny::optTypeOfChain_KeyPress(int, int& key) {
  if (key != 13 && key != 9) return;
  Label1[1]->show();
  ControlLengthB->show();
  ControlLengthB->setFocus();
  key = 0;
}

void HMeny::Picture_GotFocus(int number) {
  if (number == 12) {
    if (state_.LastCheckIndex >= 0 && state_.LastCheckIndex <= 5)
      Check3D1[state_.LastCheckIndex]->setFocus();
    else
      Printerutskrift->setFocus();
    return;
  }
  if (number <= 11 || number == 13) ComboPXH->setFocus();
}

void HMeny::Printerutskrift_GotFocus() { SetTabStops(false); }

void HMeny::Printerutskrift_LostFocus() { state_.LastCheckIndex = -1; }

void HMeny::Printerutskrift_KeyDown(int keyCode, int shift) {
  if (keyCode == 16 && shift == 1) Cmd_Skärmutskrift->setFocus();
}

void HMeny::Cmd_Skärmutskrift_GotFocus() { SetTabStops(true); }
