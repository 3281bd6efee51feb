// Showing and hiding the steps of the main window: a reset from a step hides and clears every
// later step, and the tab stops are switched off while the user walks through the steps.
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <QCoreApplication>

#include "common/twips.h"
#include "configurator/hmeny.h"
#include "configurator/model_rules.h"
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

void HMeny::ShowHoistControlChoices() {
  Label4[0]->show();
  Frame3DHoistControls->show();
  for (int i = 0; i <= 3; ++i) Opt3DHoistControl[i]->show();
  Opt3DHoistControl[0]->setFocus();

  const QRect frame = Frame3DHoistControls->geometry();
  const int frameRight = frame.left() + frame.width() - twipsToPixels(15);
  Picture[4]->move(frameRight, Picture[4]->y());
  for (int i : {4, 5, 6, 7}) Picture[i]->show();

  auto hide = [](std::initializer_list<QWidget*> widgets) {
    for (QWidget* w : widgets) w->hide();
  };
  const QString& model = state_.CurrentModel;
  if (isP2Model(model)) {
    // Ordered without the 2-button control itself: the one choice completes the step at once.
    hide({Opt3DHoistControl[0], Opt3DHoistControl[2], Opt3DHoistControl[3], Opt3DHoistControl[4],
          LabelHookM, Picture[4], Picture[5], Picture[7], Picture[8]});
    Opt3DHoistControl[1]->setFocus();
    pressTabLater(1);
  } else if (isP4Model(model)) {
    QCoreApplication::processEvents();
    Opt3DHoistControl[3]->show();
    Opt3DHoistControl[3]->setChecked(true);
    hide({Opt3DHoistControl[0], Opt3DHoistControl[1], Opt3DHoistControl[2], Opt3DHoistControl[4],
          LabelHookM, Picture[4], Picture[5], Picture[6], Picture[8]});
    QCoreApplication::processEvents();
    pressTabLater(3);
  } else if (Opt3DTrolley[3]->isChecked() || Opt3DTrolley[4]->isChecked()) {
    // The 4-button control steers the motor trolley too; without one it is not offered.
    Opt3DHoistControl[3]->show();
    Picture[7]->show();
  } else {
    Opt3DHoistControl[3]->hide();
    Picture[7]->hide();
  }
  const int shift = Picture[7]->isVisibleTo(client) ? twipsToPixels(700) : 0;
  Picture[6]->move(frameRight + shift, Picture[6]->y());
}

void HMeny::pressTabLater(int element) {
  // As if the user pressed Tab on the one option offered, once its focus has settled.
  QMetaObject::invokeMethod(
      this,
      [this, element] {
        if (!Frame3DHoistControls->isVisible()) return;  // the step was left meanwhile
        Opt3DHoistControl[element]->setFocus();
        int tab = 9;
        Opt3DHoistControl_KeyPress(element, tab);
      },
      Qt::QueuedConnection);
}

void HMeny::ShowAccessoryChoices() {
  Picture[12]->show();
  Check3D1[0]->show();
  switch (overloadOffer(state_.ModelIndex, state_.CurrentModel)) {
    case OverloadOffer::Optional:
      // The tick of a model outside the standard-overload group stays as it was.
      if (isStandardOverloadGroup(state_.ModelIndex)) Check3D1[0]->setChecked(false);
      Check3D1[0]->setEnabled(true);
      Check3D1[0]->setFocus();
      Label3->hide();
      return;
    case OverloadOffer::NotAvailable:
      Check3D1[0]->setChecked(false);
      Check3D1[0]->setEnabled(false);
      Label3->hide();
      break;
    case OverloadOffer::IncludedAsStandard:
      Check3D1[0]->setChecked(true);
      Check3D1[0]->setEnabled(false);
      Label3->show();
      break;
  }
  if (state_.ChainCollectorFlag == 0) {
    Picture[11]->show();
    Check3D1[1]->show();
    Check3D1[1]->setFocus();
  } else {
    Picture[10]->show();
    Check3D1[2]->show();
    Check3D1[2]->setFocus();
  }
}

void HMeny::clearOptions(QWidget* frame) {
  for (QRadioButton* option : frame->findChildren<QRadioButton*>()) {
    option->setAutoExclusive(false);
    option->setChecked(false);
    option->setAutoExclusive(true);
  }
}
