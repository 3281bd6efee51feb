// Showing and hiding the steps of the main window: a reset from a step hides and clears every
// later step, and the tab stops are switched off while the user walks through the steps.
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "configurator/hmeny.h"
#include "startup/program_state.h"

void HMeny::ResetFromStep(std::int16_t step) {
  if (step == 0) {
    SetTabStops(true);
    for (QWidget* w : {static_cast<QWidget*>(Label1[0]), static_cast<QWidget*>(Label1[1]),
                       static_cast<QWidget*>(Picture[3]), static_cast<QWidget*>(Frame3DTrolley),
                       static_cast<QWidget*>(LiftHeightB), static_cast<QWidget*>(ControlLengthB)})
      w->hide();
    ControlLengthB->clear();
    state_.ControlLength = 0;
    LiftHeightB->clear();
    state_.LiftHeight = 0;
    fraChoose->hide();
    lblMeterLengthsOnly->hide();
    fraTypeOfChain->hide();
  }
  if (step == 3) {
    Label1[1]->hide();
    ControlLengthB->clear();
    ControlLengthB->hide();
    Frame3DTrolley->hide();
    Picture[3]->hide();
  }
  if (step == 0 || step == 1 || step == 3) {
    Label4[0]->hide();
    Frame3DHoistControls->hide();
    for (int i : {4, 5, 6, 7, 8}) Picture[i]->hide();
    Check3D1[4]->hide();
    Frame3DSuspensionYoke->hide();
    Picture[2]->hide();
    Label3->hide();
  }
  Label1[2]->hide();
  Label4[1]->hide();
  for (int i : {9, 10, 11, 12, 14, 15}) Picture[i]->hide();
  Frame3DTrolleyControls->hide();
  RabattB->hide();
  Check3D1[0]->hide();
  Label3->hide();
  for (int i : {1, 2, 3, 5}) Check3D1[i]->hide();
  Cmd_Skärmutskrift->hide();
  Printerutskrift->hide();
  RabattB->clear();
  state_.Discount = 0;
  for (QCheckBox* box : Check3D1) box->setChecked(false);
  if (step == 0) ComboPXH->setFocus();
}

void HMeny::SetTabStops(bool on) {
  // With the tab stops off, Tab is not used to move the focus but reaches the focused control's
  // own key handling, which takes it like Enter and opens the next step.
  tabStopsOn_ = on;
  const Qt::FocusPolicy policy = on ? Qt::StrongFocus : Qt::ClickFocus;
  std::vector<QWidget*> controls{ComboPXH,       Printerutskrift, Cmd_Skärmutskrift,
                                 LiftHeightB,    ControlLengthB,  RabattB,
                                 chkStainless};
  for (QCheckBox* c : Check3D1) controls.push_back(c);
  for (QRadioButton* o : Opt3DHoistControl) controls.push_back(o);
  for (QRadioButton* o : Opt3DTrolleyControls) controls.push_back(o);
  for (QRadioButton* o : Opt3DTrolley) controls.push_back(o);
  for (int i = 0; i < 2; ++i) {
    controls.push_back(Opt3DSuspensionYoke[i]);
    controls.push_back(optTypeOfChain[i]);
    controls.push_back(optLubeFree[i]);
    controls.push_back(optChoose[i]);
  }
  for (QWidget* w : controls) w->setFocusPolicy(policy);
}
