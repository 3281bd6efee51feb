// The fixed names of the help and reference documents, resolved against the program directory.
#include "help/help_files.h"

#include <QCoreApplication>
#include <QDir>
#include <optional>

#include "common/variants.h"

QString pdfHintText() {
  // The hint names programs that make PDF files, in the words it always had; its last paragraph,
  // in the variant's language, says that the program makes one of the ordering page itself.
  return QStringLiteral(
             "If you want to create printer outputs in form of files in PDF-format, you can for "
             "example buy the Adobe Acrobat program. Or you can download a Freeware PDF program, "
             "for example PDF ReDirect. Press Ok to get a link to download PDF ReDirect.") +
         QStringLiteral("\n\n") +
         QCoreApplication::translate(
             "PdfHint",
             "On this computer, File ▸ Export as PDF... writes the ordering page to a PDF "
             "file.");
}

QUrl pdfDownloadAddress() {
  return QUrl(QStringLiteral("https://www.exp-systems.com/PDFreDirect/"));
}

QString helpLanguage(const QString& languageKey) {
  // The language of the variant's sorting rules ("fr_FR") is the language of its texts.
  const std::optional<Variant> variant = variantByKey(languageKey);
  return variant ? variant->locale.section(QLatin1Char('_'), 0, 0) : QStringLiteral("en");
}

QString helpFolderPath(const ProgramDirectory& directory, const QString& languageKey) {
  const QString language = helpLanguage(languageKey);
  const QString folder =
      language == QLatin1String("en") ? kHelpFolder : kHelpFolder + QLatin1Char('/') + language;
  return directory.file(folder);
}

QUrl lubeFreeDocumentUrl(const ProgramDirectory& directory) {
  return QUrl::fromLocalFile(directory.file(kLubeFreeDocument));
}
