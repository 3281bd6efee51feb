// The help pages, the reference documents and the PDF hint: their fixed names in the program
// directory and the texts and address of the hint.
#pragma once

#include <QString>
#include <QUrl>

// The help pages lie in this folder of the program directory.
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

// The help folder of the program directory, which is the current directory.
QString helpFolderPath();
// The lube-free document in the program directory, as the desktop wants it.
QUrl lubeFreeDocumentUrl();
