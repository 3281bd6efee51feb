// The help pages, the reference documents and the PDF hint: their fixed names in the program
// directory and the texts and address of the hint.
#pragma once

#include <QString>
#include <QUrl>

#include "data/program_directory.h"

// The help pages lie in this folder of the program directory: the English pages in it, those of
// the other languages in a folder of it named by the language ("fr", "es", "pt", "it", "de"),
// which share the style sheet and the pictures of the English pages.
inline const QString kHelpFolder = QStringLiteral("help");
// The contents page of the program's help.
inline const QString kHelpContentsPage = QStringLiteral("index.html");
// The page that explains the help window itself.
inline const QString kUsingHelpPage = QStringLiteral("using-help.html");
// The reference document on lube-free hoists, opened with the desktop's word processor.
inline const QString kLubeFreeDocument = QStringLiteral("Lube free hoists.doc");

inline const QString kPdfHintTitle = QStringLiteral("PDF file");
QString pdfHintText();
// The download page of the free PDF printer that the hint names.
QUrl pdfDownloadAddress();

// The language of the help pages of a variant by its LanguageKey: "en", "fr", "es", "pt", "it"
// or "de"; English for a key the program does not know.
QString helpLanguage(const QString& languageKey);
// The folder of the help pages in the language of the variant, in the program directory, which
// is the current directory. Without a key, or for English, the folder of the English pages,
// which stand in for a page missing in another language.
QString helpFolderPath(const ProgramDirectory& directory, const QString& languageKey = QString());
// The lube-free document in the program directory, as the desktop wants it.
QUrl lubeFreeDocumentUrl(const ProgramDirectory& directory);
