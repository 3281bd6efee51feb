// What the program sets on the application, for its windows and for the tests that show them:
// the font the windows are designed for, and the language of Qt's own dialogs and of the
// program's own texts, which follows the variant.
#pragma once

#include <QString>
#include <optional>
#include <utility>

// The windows are designed for 8-point Arial (Liberation Sans stands in for it).
void useProgramFont();

// Where the program's translations lie: the folder "translations" of the program directory.
inline const QString kTranslationsFolder = QStringLiteral("translations");

// The two-letter language of a variant ("de" for Deutsch, "en" for the three English ones).
QString languageOfVariant(const QString& languageKey);

// Puts Qt's own texts (buttons of message boxes, the file and print dialogs) and the program's
// texts into the language of the variant: Qt's translation from the system's translations,
// the program's from `programDirectory`/translations. English needs neither. Returns false when
// a translation the language needs could not be loaded; the texts then stay English.
bool useLanguageOf(const QString& languageKey, const QString& programDirectory);

// Keeps the language of Qt's and the program's texts while a window of another variant is made
// for a while (the hidden main window that walks a quote's position in the quote's language):
// what useLanguageOf set before comes back when it ends. Without a language set before, the
// last one set stays.
class LanguageKept {
 public:
  LanguageKept();
  ~LanguageKept();
  LanguageKept(const LanguageKept&) = delete;
  LanguageKept& operator=(const LanguageKept&) = delete;

 private:
  std::optional<std::pair<QString, QString>> kept_;  // the variant's key, the program directory
};
