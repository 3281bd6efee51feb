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
#include "configurator/configuration_file.h"
#include "configurator/hmeny.h"
#include "startup/program_state.h"
#include "startup/variants.h"

namespace {

const QStringList kConfigurationFilter{QStringLiteral("Telmaris configurations (*.telmaris)")};

}  // namespace

QString HMeny::openConfiguration(const Configuration& c) {
  // Another variant means a full reload of texts and parts.
  const QString key = variantByIndex(c.variant)->languageKey;
  if (key != state_.LanguageKey) changeVariant(c.variant);
  ComboPXH->hidePopup();
  const std::optional<StepMessage> refusal = engine_.apply(c, state_.LanguageKey);
  render();
  ComboPXH->hidePopup();
  return refusal ? messageText(*refusal) : QString();
}

Configuration HMeny::currentConfiguration() const {
  int variant = 0;
  for (int i = 0; i < kVariantCount; ++i)
    if (variantByIndex(i)->languageKey == state_.LanguageKey) variant = i;
  return engine_.configuration(variant);
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
  openConfiguration(std::get<Configuration>(parsed));
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

bool HMeny::maySetConfigurationAside() { return true; }

void HMeny::openConfigurationFile(const QString&) {}

void HMeny::refreshRecentMenu() {}
