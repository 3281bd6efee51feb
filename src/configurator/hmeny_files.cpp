// Saved configurations: File > Open walks the steps again with the saved answers, File > Save
// keeps the answers of the steps reached so far.
#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSaveFile>

#include "common/services.h"
#include "configurator/hmeny.h"
#include "startup/program_state.h"
#include "startup/variants.h"

namespace {

const QStringList kConfigurationFilter{QStringLiteral("Telmaris configurations (*.telmaris)")};

// Lets the focus handlers, and what they post in turn, run to the end.
void settle() {
  for (int i = 0; i < 8; ++i) QCoreApplication::processEvents();
}

}  // namespace

QString HMeny::openConfiguration(const SavedConfiguration& c) {
  // Focus is what moves the steps on: the window must hold it while the answers are given.
  if (QApplication::activeWindow() != this) {
    activateWindow();
    QApplication::setActiveWindow(this);
  }
  lastRefusal_.clear();
  auto refused = [this] { return !lastRefusal_.isEmpty(); };
  auto press = [&](auto handler, auto... index) {
    int enter = 13;
    (this->*handler)(index..., enter);
    settle();
    return !refused();
  };

  // Another variant means a full reload; in the same one a fresh start is enough.
  if (variantByIndex(c.variant)->languageKey != state_.LanguageKey) {
    mnuSpråk_Click(c.variant);
  } else {
    ResetFromStep(0);
    state_.ComboKeyDownFlag = 0;
  }
  ComboPXH->hidePopup();
  if (chkLubeFree->isChecked() != c.lubeFree) {
    chkLubeFree->setChecked(c.lubeFree);
    lubeFreeChanged();
    ComboPXH->hidePopup();
  }
  settle();
  // A discount was asked for with the D key in the model list.
  if (c.discount > 0) state_.ComboKeyDownFlag = -1;

  ComboPXH->setFocus();
  settle();
  const int listed = ComboPXH->findText(c.model);
  if (listed >= 0) ComboPXH->setCurrentIndex(listed);
  ComboPXH->setEditText(c.model);
  if (!press(&HMeny::ComboPXH_KeyPress)) return lastRefusal_;
  if (fraStainlessSteelChain->isVisible() && c.stainlessChain) {
    chkStainless->setChecked(true);
    chkStainless_Click();
    settle();
  }

  if (c.liftHeight.isEmpty()) return {};
  LiftHeightB->setFocus();
  settle();
  LiftHeightB->setText(c.liftHeight);
  if (!press(&HMeny::LiftHeightB_KeyPress)) return lastRefusal_;

  if (c.controlLength.isEmpty() || !ControlLengthB->isVisible()) return {};
  ControlLengthB->setText(c.controlLength);
  if (!press(&HMeny::ControlLengthB_KeyPress)) return lastRefusal_;
  if (fraChoose->isVisible()) return lblMeterLengthsOnly->text();  // the feet prompt waits

  if (c.trolley < 0 || !Frame3DTrolley->isVisible()) return {};
  QRadioButton* trolley = Opt3DTrolley[c.trolley];
  if (!trolley->isEnabled()) return trolley->text().trimmed();  // not offered for this model
  trolley->setFocus();
  settle();
  if (!press(&HMeny::Opt3DTrolley_KeyPress, c.trolley)) return lastRefusal_;

  // Models ordered without their control device complete the hoist controls by themselves.
  if (c.hoistControl >= 0 && Frame3DHoistControls->isVisible() && !Check3D1[0]->isVisible()) {
    QRadioButton* control = Opt3DHoistControl[c.hoistControl];
    if (!control->isVisibleTo(Frame3DHoistControls)) return control->text();
    control->setFocus();
    settle();
    if (refused()) return lastRefusal_;
    if (Check3D1[4]->isVisible()) Check3D1[4]->setChecked(c.articulation);
    if (!press(&HMeny::Opt3DHoistControl_KeyPress, c.hoistControl)) return lastRefusal_;
  }

  if (Frame3DTrolleyControls->isVisible() && Frame3DTrolleyControls->isEnabled() &&
      c.trolleyControl >= 0) {
    Opt3DTrolleyControls[c.trolleyControl]->setFocus();
    settle();
    if (refused()) return lastRefusal_;
    if (!press(&HMeny::Opt3DTrolleyControls_KeyPress, c.trolleyControl)) return lastRefusal_;
  }

  // The accessories one box at a time, each ticked as saved and confirmed with Enter.
  for (int step = 0; step < 6; ++step) {
    int element = -1;
    for (int e : kAccessoryElements)
      if (focusWidget() == Check3D1[e]) element = e;
    if (element < 0) break;
    const int saved = static_cast<int>(
        std::find(kAccessoryElements.begin(), kAccessoryElements.end(), element) -
        kAccessoryElements.begin());
    if (Check3D1[element]->isEnabled()) Check3D1[element]->setChecked(c.accessories[saved]);
    if (!press(&HMeny::Check3D1_KeyPress, element)) return lastRefusal_;
  }

  if (RabattB->isVisible()) {
    RabattB->setText(QString::number(c.discount));
    if (!press(&HMeny::RabattB_KeyPress)) return lastRefusal_;
  }
  return {};
}

SavedConfiguration HMeny::currentConfiguration() const {
  SavedConfiguration c;
  for (int i = 0; i < kVariantCount; ++i)
    if (variantByIndex(i)->languageKey == state_.LanguageKey) c.variant = i;
  c.lubeFree = chkLubeFree->isChecked();
  c.model = ComboPXH->currentText();
  c.stainlessChain = chkStainless->isChecked();
  c.liftHeight = LiftHeightB->isVisibleTo(client) ? LiftHeightB->text() : QString();
  c.controlLength = ControlLengthB->isVisibleTo(client) ? ControlLengthB->text() : QString();
  const OrderingChoices choices = orderingChoices();
  c.trolley = Frame3DTrolley->isVisibleTo(client) ? choices.trolley : -1;
  c.hoistControl = Frame3DHoistControls->isVisibleTo(client) ? choices.hoistControl : -1;
  c.articulation = choices.articulation;
  c.trolleyControl = Frame3DTrolleyControls->isVisibleTo(client) ? choices.trolleyControl : -1;
  for (std::size_t i = 0; i < kAccessoryElements.size(); ++i)
    c.accessories[i] = choices.accessories[kAccessoryElements[i]];
  c.discount = RabattB->isVisibleTo(client) ? state_.Discount : 0;
  return c;
}

void HMeny::OpenFile_Click() {
  const QString file = services_.askOpenFileName(this, QStringLiteral("Open configuration"),
                                                 kConfigurationFilter, QDir::homePath());
  if (file.isEmpty()) return;
  QFile in(file);
  if (!in.open(QIODevice::ReadOnly)) {
    showMessage(QStringLiteral("The file %1 cannot be read:\n%2")
                    .arg(QDir::toNativeSeparators(file), in.errorString()));
    return;
  }
  const auto parsed = parseConfiguration(in.readAll());
  if (const QString* error = std::get_if<QString>(&parsed)) {
    showMessage(QStringLiteral("%1\n\n%2").arg(QDir::toNativeSeparators(file), *error));
    return;
  }
  configurationFile_ = file;
  openConfiguration(std::get<SavedConfiguration>(parsed));
}

void HMeny::SaveFile_Click() {
  if (configurationFile_.isEmpty()) return SaveFileAs_Click();
  QSaveFile out(configurationFile_);
  if (!out.open(QIODevice::WriteOnly) || out.write(writeConfiguration(currentConfiguration())) < 0 ||
      !out.commit()) {
    showMessage(QStringLiteral("The configuration could not be saved to %1:\n%2")
                    .arg(QDir::toNativeSeparators(configurationFile_), out.errorString()));
  }
}

void HMeny::SaveFileAs_Click() {
  const QString suggested =
      configurationFile_.isEmpty()
          ? QDir::home().filePath(ComboPXH->currentText() + QStringLiteral(".telmaris"))
          : configurationFile_;
  const QString file = services_.askSaveFileName(this, QStringLiteral("Save configuration"),
                                                 kConfigurationFilter, suggested);
  if (file.isEmpty()) return;
  configurationFile_ = file;
  SaveFile_Click();
}
