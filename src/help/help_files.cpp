// The fixed names of the help and reference documents, resolved against the program directory.
#include "help/help_files.h"

#include <QDir>

QString pdfHintText() {
  return QStringLiteral(
      "If you want to create printer outputs in form of files in PDF-format, you can for example "
      "buy the Adobe Acrobat program. Or you can download a Freeware PDF program, for example "
      "PDF ReDirect. Press Ok to get a link to download PDF ReDirect.");
}

QUrl pdfDownloadAddress() {
  return QUrl(QStringLiteral("https://www.exp-systems.com/PDFreDirect/"));
}

QString helpFolderPath() {
  return QDir::current().absoluteFilePath(kHelpFolder);
}

QUrl lubeFreeDocumentUrl() {
  return QUrl::fromLocalFile(QDir::current().absoluteFilePath(kLubeFreeDocument));
}
