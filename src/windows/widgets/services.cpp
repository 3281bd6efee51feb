// The desktop implementation of the program's services.
#include "widgets/services.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGridLayout>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QSpacerItem>
#include <QVBoxLayout>
#include <cstdio>
#include <cstdlib>
#include <new>

#include "configurator/recent_files.h"

QString contactAuthorMessage() {
  return QCoreApplication::translate(
      "Services",
      "The program has met a situation it cannot handle and will close now.\n"
      "Please contact the program's author and describe what you did.");
}

std::unique_ptr<QMessageBox> makeMessageBox(QWidget* parent, const QString& text,
                                            const QString& title, MsgIcon icon,
                                            MsgButtons buttons) {
  auto made = std::make_unique<QMessageBox>(parent);
  QMessageBox& box = *made;
  box.setWindowTitle(title);
  box.setText(text);
  switch (icon) {
    case MsgIcon::None:
      box.setIcon(QMessageBox::NoIcon);
      break;
    case MsgIcon::Information:
      box.setIcon(QMessageBox::Information);
      break;
    case MsgIcon::Warning:
      box.setIcon(QMessageBox::Warning);
      break;
    case MsgIcon::Critical:
      box.setIcon(QMessageBox::Critical);
      break;
    case MsgIcon::Question:
      box.setIcon(QMessageBox::Question);
      break;
  }
  // Qt's own buttons, so that Qt's translations label them.
  if (buttons == MsgButtons::SaveDiscardCancel) {
    box.setStandardButtons(QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
    box.setDefaultButton(QMessageBox::Save);
    box.setEscapeButton(QMessageBox::Cancel);
  } else if (buttons == MsgButtons::OkCancel) {
    box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
    box.setDefaultButton(QMessageBox::Ok);
  } else {
    box.setStandardButtons(QMessageBox::Ok);
    box.setDefaultButton(QMessageBox::Ok);
  }
  // The box is at least as wide as its title, with room for the window manager's icon and
  // buttons beside it, so that the title bar shows the whole title.
  if (auto* grid = qobject_cast<QGridLayout*>(box.layout())) {
    const int width = box.fontMetrics().horizontalAdvance(title) * 5 / 4 + kTitleBarRoom;
    grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
                  grid->rowCount(), 0, 1, grid->columnCount());
  }
  return made;
}

MsgAnswer DesktopServices::message(QWidget* parent, const QString& text, const QString& title,
                                   MsgIcon icon, MsgButtons buttons) {
  const std::unique_ptr<QMessageBox> made = makeMessageBox(parent, text, title, icon, buttons);
  QMessageBox& box = *made;
  // A message must be readable even while a busy cursor is up.
  const bool busy = QApplication::overrideCursor() != nullptr;
  if (busy) QApplication::setOverrideCursor(Qt::ArrowCursor);
  const int answer = box.exec();
  if (busy) QApplication::restoreOverrideCursor();
  switch (answer) {
    case QMessageBox::Ok:
      return MsgAnswer::Ok;
    case QMessageBox::Save:
      return MsgAnswer::Save;
    case QMessageBox::Discard:
      return MsgAnswer::Discard;
    default:
      return MsgAnswer::Cancel;
  }
}

MsgAnswer DesktopServices::report(QWidget* parent, const QString& title, const QString& text,
                                  MsgButtons buttons) {
  QDialog dialog(parent);
  dialog.setWindowTitle(title);
  auto* view = new QPlainTextEdit(text, &dialog);
  view->setReadOnly(true);
  view->setLineWrapMode(QPlainTextEdit::NoWrap);
  view->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  auto* box = new QDialogButtonBox(buttons == MsgButtons::OkCancel
                                       ? QDialogButtonBox::Ok | QDialogButtonBox::Cancel
                                       : QDialogButtonBox::Ok,
                                   &dialog);
  QObject::connect(box, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(box, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  auto* layout = new QVBoxLayout(&dialog);
  layout->addWidget(view);
  layout->addWidget(box);
  // Wide enough for the columns, and never larger than the screen.
  const QFontMetrics metrics(view->font());
  QSize size(metrics.horizontalAdvance(QString(80, u'0')) + 60, metrics.lineSpacing() * 24 + 80);
  if (const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen())
    size = size.boundedTo(screen->availableGeometry().size() * 9 / 10);
  dialog.resize(size);
  box->button(QDialogButtonBox::Ok)->setFocus();
  const bool busy = QApplication::overrideCursor() != nullptr;
  if (busy) QApplication::setOverrideCursor(Qt::ArrowCursor);
  const int answer = dialog.exec();
  if (busy) QApplication::restoreOverrideCursor();
  return answer == QDialog::Accepted ? MsgAnswer::Ok : MsgAnswer::Cancel;
}

QString DesktopServices::askOpenFileName(QWidget* parent, const QString& title,
                                         const QStringList& filters, const QString& startFolder) {
  QFileDialog dialog(parent, title, startFolder);
  dialog.setFileMode(QFileDialog::ExistingFile);
  dialog.setNameFilters(filters);
  // Price files come from many systems: *.DAT must find prices.dat as well, which only the
  // dialog of Qt's own promises.
  dialog.setOption(QFileDialog::DontUseNativeDialog, true);
  dialog.setFilter(dialog.filter() & ~QDir::CaseSensitive);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().first();
}

QString DesktopServices::askSaveFileName(QWidget* parent, const QString& title,
                                         const QStringList& filters, const QString& suggested) {
  // The dialog opens in the suggested file's folder, with its name filled in.
  const QFileInfo file(suggested);
  QFileDialog dialog(parent, title, file.absolutePath());
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setNameFilters(filters);
  dialog.selectFile(file.fileName());
  // The suffix of the first filter, as in "Telmaris configurations (*.telmaris)".
  static const QRegularExpression suffix(QStringLiteral("\\(\\*\\.(\\w+)"));
  if (const QRegularExpressionMatch m = suffix.match(filters.value(0)); m.hasMatch())
    dialog.setDefaultSuffix(m.captured(1));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().first();
}

bool DesktopServices::openWithDesktop(const QUrl& url) {
  return QDesktopServices::openUrl(url);
}

namespace {

// A printer whose printing to a file suggests the given file.
void suggestFile(QPrinter& printer, const QString& file) {
  if (file.isEmpty()) return;
  printer.setDocName(QFileInfo(file).completeBaseName());
  printer.setOutputFileName(file);
  // Printing goes to the system's printer unless the user picks the file.
  printer.setOutputFormat(QPrinter::NativeFormat);
}

}  // namespace

void DesktopServices::showPrintPreview(QWidget* parent, const QString& suggestedFile,
                                       const std::function<void(QPrinter&)>& paint) {
  QPrinter printer(QPrinter::HighResolution);
  suggestFile(printer, suggestedFile);
  QPrintPreviewDialog preview(&printer, parent);
  QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                   [&paint](QPrinter* p) { paint(*p); });
  if (const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen())
    preview.resize(screen->availableGeometry().size() * 4 / 5);
  const bool busy = QApplication::overrideCursor() != nullptr;
  if (busy) QApplication::setOverrideCursor(Qt::ArrowCursor);
  preview.exec();
  if (busy) QApplication::restoreOverrideCursor();
}

std::optional<PrintRequest> DesktopServices::askPrint(QWidget* parent,
                                                      const QString& suggestedFile) {
  auto printer = std::make_shared<QPrinter>(QPrinter::HighResolution);
  suggestFile(*printer, suggestedFile);
  QPrintDialog dialog(printer.get(), parent);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  // The copies are printed one document each, so the printer itself makes one of each.
  const int copies = printer->copyCount();
  printer->setCopyCount(1);
  return PrintRequest{printer, copies, {}};
}

QString DesktopServices::settingsFile() {
  return userSettingsFile();
}

void DesktopServices::endProgram(int status) {
  std::fflush(stdout);
  std::fflush(stderr);
  std::exit(status);
}

MsgAnswer HeadlessServices::message(QWidget*, const QString& text, const QString&, MsgIcon,
                                    MsgButtons buttons) {
  messages << text;
  return buttons == MsgButtons::SaveDiscardCancel ? MsgAnswer::Cancel : MsgAnswer::Ok;
}

Problem unforeseenProblem(const std::exception& e, const QString& where, Problem::Kind kind) {
  const QString what =
      dynamic_cast<const std::bad_alloc*>(&e)
          ? QCoreApplication::translate("Problems", "There is not enough memory to finish this.")
          : QString::fromLocal8Bit(e.what());
  return Problem{kind, QDir::toNativeSeparators(where), what, std::nullopt};
}

void showProblem(Services& services, QWidget* parent, const Problem& problem,
                 const TextCatalogueArray& texts, const QString& lead, const QString& title,
                 MsgIcon icon) {
  services.message(parent, problemMessage(problem, texts, lead), title, icon);
}
