// The option groups: trolley, hoist controls, trolley controls and suspension yoke, with the
// limits each enforces and the step each opens.
#include <QCheckBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "configurator/hmeny.h"
#include "configurator/model_rules.h"
#include "startup/program_state.h"

namespace {

bool isStep(int key) { return key == 13 || key == 9; }

}  // namespace

// ---- Trolley

void HMeny::Opt3DTrolley_GotFocus(int) {
  SetTabStops(false);
  ResetFromStep(1);
}

void HMeny::Opt3DTrolley_KeyPress(int, int& key) {
  if (!isStep(key)) return;
  key = 0;
  ShowHoistControlChoices();
}

void HMeny::Opt3DTrolley_LostFocus(int) {
  auto hideTrolleyControls = [this] {
    Frame3DTrolleyControls->hide();
    Picture[14]->hide();
    Picture[15]->hide();
    Label4[1]->hide();
    Opt3DHoistControl[3]->hide();
  };
  if (Opt3DTrolley[0]->isChecked()) {
    state_.CurrentTrolley.clear();
    Frame3DSuspensionYoke->hide();
    Picture[2]->hide();
    hideTrolleyControls();
  } else if (Opt3DTrolley[1]->isChecked() || Opt3DTrolley[2]->isChecked()) {
    if (const std::optional<QString> t = trolleyDesignation(state_.CurrentModel, false))
      state_.CurrentTrolley = *t;
    hideTrolleyControls();
  } else if (Opt3DTrolley[3]->isChecked() || Opt3DTrolley[4]->isChecked()) {
    if (const std::optional<QString> t = trolleyDesignation(state_.CurrentModel, true))
      state_.CurrentTrolley = *t;
  }
}

// ---- Hoist controls

void HMeny::Opt3DHoistControl_GotFocus(int) {
  QCoreApplication::processEvents();
  SetTabStops(false);
  ResetFromStep(2);
}

void HMeny::Opt3DHoistControl_Click(int index) {
  auto fallBack = [this] {
    Opt3DHoistControl[0]->setChecked(true);  // runs these checks again for "Pull chain"
    Opt3DHoistControl[0]->setFocus();
  };
  if (index == 4 && state_.LiftHeight > 3) {
    showMessage(state_.TextCatalogue[53]);
    return fallBack();
  }
  if (index == 2 && state_.ControlLength >= 5) {
    showMessage(state_.TextCatalogue[54]);
    return fallBack();
  }
  if (index == 2 && (state_.ControlLength == 3 || state_.ControlLength == 4)) {
    Check3D1[4]->show();
    Check3D1[4]->setFocus();
  } else {
    Check3D1[4]->hide();
  }
  if ((index == 1 || index == 3) && state_.ControlLength > 10) {
    showMessage(state_.TextCatalogue[27]);
    return fallBack();
  }
}

void HMeny::Opt3DHoistControl_KeyPress(int, int& key) {
  QCoreApplication::processEvents();
  if (!isStep(key)) return;
  key = 0;
  const bool motorTrolley = Opt3DTrolley[3]->isChecked() || Opt3DTrolley[4]->isChecked();
  if (!motorTrolley || Opt3DHoistControl[3]->isChecked()) {
    Label4[1]->hide();
    Frame3DTrolleyControls->hide();
    Picture[14]->hide();
    Picture[15]->hide();
    clearOptions(Frame3DTrolleyControls);
    ShowAccessoryChoices();
    return;
  }
  Label4[1]->show();
  Frame3DTrolleyControls->show();
  Frame3DTrolleyControls->setEnabled(true);
  Opt3DTrolleyControls[0]->show();
  Opt3DTrolleyControls[1]->show();
  Opt3DTrolleyControls[1]->setEnabled(true);
  Picture[14]->show();
  Picture[15]->show();
  if (isHeavyGroup(state_.ModelIndex)) {
    Opt3DTrolleyControls[state_.ControlLength > 10 ? 0 : 1]->setFocus();
    return;
  }
  // The light models take the 2-button trolley control only.
  Opt3DTrolleyControls[0]->hide();
  Picture[14]->hide();
  Opt3DTrolleyControls[1]->setChecked(true);
  Frame3DTrolleyControls->setEnabled(false);
  if (state_.ControlLength > 10) {
    showMessage(state_.TextCatalogue[27]);
    ControlLengthB->setFocus();
  } else {
    ShowAccessoryChoices();
  }
}

void HMeny::Opt3DHoistControl_LostFocus(int) {
  QCoreApplication::processEvents();
  SetTabStops(false);
}

// ---- Trolley controls

void HMeny::Opt3DTrolleyControls_GotFocus(int) { SetTabStops(false); }

void HMeny::Opt3DTrolleyControls_Click(int index) {
  if (isHeavyGroup(state_.ModelIndex) && index == 1 && state_.ControlLength > 10) {
    showMessage(state_.TextCatalogue[27]);
    Opt3DTrolleyControls[0]->show();
    Picture[14]->show();
    Opt3DTrolleyControls[0]->setChecked(true);
    Opt3DTrolleyControls[0]->setFocus();
  }
}

void HMeny::Opt3DTrolleyControls_KeyPress(int, int& key) {
  if (!isStep(key)) return;
  key = 0;
  ShowAccessoryChoices();
}

// ---- Suspension yoke

void HMeny::Opt3DSuspensionYoke_GotFocus(int) { SetTabStops(false); }

void HMeny::Opt3DSuspensionYoke_KeyPress(int, int& key) {
  if (!isStep(key)) return;
  key = 0;
  ShowHoistControlChoices();
}
