// The model list: filling it, and its handlers that move the user on to the lift height.
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "common/services.h"
#include "common/twips.h"
#include "configurator/hmeny.h"
#include "configurator/model_catalogue.h"
#include "configurator/model_rules.h"
#include "startup/program_state.h"
#include "startup/variants.h"

void HMeny::LaddaComboPXH() {
  ComboPXH->clear();
  const std::optional<QStringList> names =
      modelListNames(state_.LanguageKey, chkLubeFree->isChecked());
  if (!names) {
    services_.message(this, contactAuthorMessage());
    services_.endProgram(1);
    return;
  }
  Label1[1]->move(Label1[1]->x(), twipsToPixels(controlLengthLabelTop(state_.LanguageKey)));
  ComboPXH->addItems(*names);
}

void HMeny::ComboPXH_Click() {
  if (state_.ComboKeyFlag == 0) {
    if (state_.MinimizedFlag == 0) ResetFromStep(0);
    // The model of the list's text is taken over when the list loses the focus, right after
    // this; the stainless-steel step follows the model confirmed before.
    if (offersStainlessChain(state_.ModelIndex)) {
      fraStainlessSteelChain->show();
      chkStainless->setFocus();
    } else {
      fraStainlessSteelChain->hide();
      chkStainless->setChecked(false);
      Label1[0]->show();
      LiftHeightB->show();
      LiftHeightB->setFocus();
    }
  }
  state_.ComboKeyFlag = 0;
  state_.MinimizedFlag = 0;
}

void HMeny::ComboPXH_DropDown() { QCoreApplication::processEvents(); }

void HMeny::ComboPXH_GotFocus() { state_.MinimizedFlag = 0; }

void HMeny::ComboPXH_KeyDown(int keyCode) {
  if (keyCode == 68 || keyCode == 100) state_.ComboKeyDownFlag = -1;
  if (keyCode >= 37 && keyCode <= 40) state_.ComboKeyFlag = 1;
}

void HMeny::ComboPXH_KeyPress(int& key) {
  if (key == 9) {
    ComboPXH_Click();
  } else if (key == 13) {
    if (state_.MinimizedFlag == 0) ResetFromStep(0);
    Label1[0]->show();
    LiftHeightB->show();
    LiftHeightB->setFocus();
    state_.MinimizedFlag = 0;
  } else {
    state_.MinimizedFlag = 0;
  }
}

void HMeny::ComboPXH_LostFocus() {
  const QString text = ComboPXH->currentText();
  if (text.isEmpty()) {
    QCoreApplication::processEvents();
    return;
  }
  state_.CurrentModel = text;
  if (text == QLatin1String("PXH 1000 U EX") || text == QLatin1String("PXH 1000L U EX"))
    showMessage(text + QStringLiteral(": ") + state_.TextCatalogue[129], false);
  if (const std::optional<ModelColumns> columns = modelColumns(text, state_.LanguageKey)) {
    state_.ModelIndex = static_cast<std::int16_t>(columns->modelIndex);
    state_.HoistColumn = static_cast<std::int16_t>(columns->hoistColumn);
  }
  if (offersStainlessChain(state_.ModelIndex)) {
    fraStainlessSteelChain->show();
  } else {
    fraStainlessSteelChain->hide();
    chkStainless->setChecked(false);
  }
}

void HMeny::Command1_KeyPress(int& key) {
  if (key != 9) return;
  Check3D1[5]->show();
  Check3D1[5]->setFocus();
}
