// Saved configurations: File > Open walks the steps again with the saved answers, File > Save
// keeps the answers of the steps reached so far, File > Recent configurations offers the last
// five files opened or saved, and a configuration with answers the file does not hold is not set
// aside without asking.
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
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <exception>
#include <new>
#include <tuple>

#include "common/file_access.h"
#include "common/variants.h"
#include "configurator/configuration_file.h"
#include "configurator/recent_files.h"
#include "main_window/hmeny.h"
#include "startup/program_state.h"
#include "widgets/services.h"

namespace {

QStringList configurationFilter() {
  return {QCoreApplication::translate("HMeny", "Telmaris configurations (*.telmaris)")};
}

// A lift height or any later answer, or a discount: something a user would miss. A model alone
// is picked again in a moment.
bool hasAnswersBeyondTheModel(const Configuration& c) {
  return !c.liftHeight.isEmpty() || c.discount > 0;
}

}  // namespace

void HMeny::openConfiguration(const Configuration& c) {
  // Another variant means a full reload of texts and parts.
  if (variantOf(c.variant).languageKey != state_.LanguageKey)
    changeVariant(static_cast<int>(c.variant));
  ComboPXH->hidePopup();
  engine_.apply(c, state_.LanguageKey);
  render();
  ComboPXH->hidePopup();
}

Configuration HMeny::currentConfiguration() const {
  const std::optional<Variant> variant = variantByKey(state_.LanguageKey);
  return engine_.configuration(variant ? variant->id : VariantId::EnglishEuropean);
}

void HMeny::OpenFile_Click() {
  const QString file = services_.askOpenFileName(this, tr("Open configuration"),
                                                 configurationFilter(), QDir::homePath());
  if (file.isEmpty()) return;
  openConfigurationFile(file);
}

void HMeny::openConfigurationFile(const QString& file) {
  const auto refused = [&](const Problem& problem) {
    showProblem(services_, this, problem, state_.TextCatalogue,
                tr("The configuration cannot be opened."));
  };
  try {
    // A file that cannot be opened costs nothing: the question about the configuration on the
    // screen comes only when there is another one to take its place.
    const Result<Configuration> read = readConfigurationFile(file);
    if (!read) {
      // A quote file is no configuration: it opens in the quote window.
      if (openAsQuoteFile(file)) return;
      return refused(read.problem());
    }
    if (!maySetConfigurationAside()) return;
    openConfiguration(*read);
    configurationFile_ = QFileInfo(file).absoluteFilePath();
    savedConfiguration_ = currentConfiguration();  // as far as the rules took the answers
    RecentFiles(services_.settingsFile()).add(configurationFile_);
    refreshRecentMenu();
  } catch (const Failure& e) {
    refused(e.problem());
  } catch (const std::exception& e) {
    refused(unforeseenProblem(e, file));
  }
}

bool HMeny::saveConfigurationTo(const QString& file) {
  const auto failed = [&](const Problem& problem) {
    showProblem(services_, this, problem, state_.TextCatalogue,
                tr("The configuration could not be saved."));
    return false;
  };
  try {
    const Configuration configuration = currentConfiguration();
    // Whole or not at all: a save that fails, on a full disk say, leaves the file as it was.
    writeFileWhole(file, writeConfiguration(configuration));
    configurationFile_ = QFileInfo(file).absoluteFilePath();
    savedConfiguration_ = configuration;
    RecentFiles(services_.settingsFile()).add(configurationFile_);
    refreshRecentMenu();
    return true;
  } catch (const Failure& e) {
    return failed(e.problem());
  } catch (const std::exception& e) {
    return failed(unforeseenProblem(e, file));
  }
}

void HMeny::SaveFile_Click() {
  if (configurationFile_.isEmpty()) return SaveFileAs_Click();
  saveConfigurationTo(configurationFile_);
}

void HMeny::SaveFileAs_Click() {
  saveConfigurationAs();
}

bool HMeny::saveConfigurationAs() {
  const QString suggested =
      configurationFile_.isEmpty()
          ? QDir::home().filePath(ComboPXH->currentText() + QStringLiteral(".telmaris"))
          : configurationFile_;
  const QString file =
      services_.askSaveFileName(this, tr("Save configuration"), configurationFilter(), suggested);
  if (file.isEmpty()) return false;
  // A file that could not be written is not attached: Save goes on writing the one before.
  return saveConfigurationTo(file);
}

bool HMeny::maySetConfigurationAside() {
  if (!mayDiscardConfiguration()) return false;
  // Every caller goes on to put another configuration on the screen: the file no longer holds
  // what the window shows, so Save asks for a name again.
  configurationFile_.clear();
  configurationFromQuote_.reset();
  return true;
}

bool HMeny::mayDiscardConfiguration() {
  const Configuration now = currentConfiguration();
  const bool attached = !configurationFile_.isEmpty();
  if (hasAnswersBeyondTheModel(now) && !(attached && now == savedConfiguration_) &&
      !(configurationFromQuote_ && now == *configurationFromQuote_)) {
    const QString text =
        attached ? tr("The configuration %1 has changed since it was opened or saved.\n\n"
                      "Do you want to save the changes?")
                       .arg(QFileInfo(configurationFile_).fileName())
                 : tr("The configuration has not been saved.\n\nDo you want to save it?");
    const MsgAnswer answer = services_.message(this, text, kDefaultMessageTitle, MsgIcon::Question,
                                               MsgButtons::SaveDiscardCancel);
    if (answer == MsgAnswer::Save) {
      // A save that failed, or a name the user did not give, keeps the configuration.
      if (!(attached ? saveConfigurationTo(configurationFile_) : saveConfigurationAs()))
        return false;
    } else if (answer != MsgAnswer::Discard) {
      return false;
    }
  }
  return true;
}

void HMeny::openRecentFile(const QString& chosen) {
  const QString file = chosen;  // the entry's own text changes below
  if (!QFileInfo::exists(file)) {
    RecentFiles(services_.settingsFile()).remove(file);
    refreshRecentMenu();
    showMessage(tr("The configuration %1 no longer exists. It has been removed from the recent "
                   "configurations.")
                    .arg(QDir::toNativeSeparators(file)));
    return;
  }
  openConfigurationFile(file);
}

void HMeny::refreshRecentMenu() {
  static_assert(std::tuple_size_v<decltype(recentEntries_)> == kRecentFilesKept);
  if (!noRecentEntry_) {
    // The entries are made once and only change their text, so that the one being chosen is
    // never deleted under its own signal. The list is read again whenever the menu opens, as
    // another Telmaris may have changed it.
    mnuRecent->setToolTipsVisible(true);
    for (std::size_t i = 0; i < recentEntries_.size(); ++i) {
      QAction* entry = mnuRecent->addAction(QString());
      entry->setObjectName(QStringLiteral("mnuRecent(%1)").arg(i));
      connect(entry, &QAction::triggered, this,
              [this, entry] { openRecentFile(entry->data().toString()); });
      recentEntries_[i] = entry;
    }
    noRecentEntry_ = mnuRecent->addAction(tr("(none)"));
    noRecentEntry_->setObjectName(QStringLiteral("mnuRecentNone"));
    noRecentEntry_->setEnabled(false);
    connect(mnuRecent, &QMenu::aboutToShow, this, &HMeny::refreshRecentMenu);
  }
  const QStringList files = RecentFiles(services_.settingsFile()).files();
  for (std::size_t i = 0; i < recentEntries_.size(); ++i) {
    QAction* entry = recentEntries_[i];
    const int index = static_cast<int>(i);
    const bool used = index < files.size();
    entry->setVisible(used);
    entry->setText(used ? recentFileMenuText(index, files[index]) : QString());
    entry->setToolTip(used ? QDir::toNativeSeparators(files[index]) : QString());
    entry->setData(used ? files[index] : QString());
  }
  noRecentEntry_->setVisible(files.isEmpty());
}
