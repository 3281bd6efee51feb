// The help commands, the lube-free reference document and the PDF hint.
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "common/shown_text.h"
#include "help/help_files.h"
#include "help/help_window.h"
#include "main_window/hmeny.h"
#include "startup/program_state.h"
#include "widgets/services.h"

namespace {

// The help window belongs to the main window, like a help viewer opened for it: it is made on
// first use, kept (with its history) when the reader closes it, and ended by Exit.
HelpWindow* helpWindowOf(HMeny* owner) {
  return owner->findChild<HelpWindow*>(QString(), Qt::FindDirectChildrenOnly);
}

// The help window with the pages in the language of the variant in use: after a change of
// variant the window kept from before shows the pages of the new language. A page missing in
// that language is shown in English.
HelpWindow* helpWindowIn(HMeny* owner, Services& services, const ProgramDirectory& directory,
                         const QString& languageKey) {
  const QString folder = helpFolderPath(directory, languageKey);
  const QString english = helpFolderPath(directory);
  HelpWindow* help = helpWindowOf(owner);
  if (!help) return new HelpWindow(folder, services, owner, english);
  help->setFolders(folder, english);
  return help;
}

void bringUp(HelpWindow* help) {
  help->showNormal();
  help->raise();
  help->activateWindow();
}

}  // namespace

void HMeny::HowToUse_Click() {
  HelpWindow* help = helpWindowIn(this, services_, state_.Directory, state_.LanguageKey);
  help->showContents();
  bringUp(help);
}

void HMeny::UsingHelp_Click() {
  HelpWindow* help = helpWindowIn(this, services_, state_.Directory, state_.LanguageKey);
  help->showUsingHelp();
  bringUp(help);
}

void HMeny::mnuPDF_Click() {
  if (services_.message(this, pdfHintText(), kPdfHintTitle, MsgIcon::None, MsgButtons::OkCancel) !=
      MsgAnswer::Ok)
    return;
  services_.openWithDesktop(pdfDownloadAddress());
  QCoreApplication::processEvents();
}

void HMeny::cmdLubeFree_Click() {
  // The desktop's opener is started without a look at the file and says nothing when it fails:
  // a document missing or unreadable is told here, as is a desktop without a program for it.
  const QUrl document = lubeFreeDocumentUrl(state_.Directory);
  const QString file = document.toLocalFile();
  const QString shown = withControlsEscaped(QDir::toNativeSeparators(file));
  const QFileInfo info(file);
  if (!info.isFile() || !info.isReadable()) {
    services_.message(
        this,
        (info.exists() ? tr("The document %1 cannot be read.") : tr("The document %1 is missing."))
            .arg(shown),
        kDefaultMessageTitle, MsgIcon::Warning);
    return;
  }
  if (!services_.openWithDesktop(document))
    services_.message(this,
                      tr("The document %1 cannot be opened: this computer has no program for "
                         "documents of its kind (a word processor).")
                          .arg(shown),
                      kDefaultMessageTitle, MsgIcon::Warning);
}

void HMeny::closeHelp() {
  delete helpWindowOf(this);
}
