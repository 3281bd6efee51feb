// The application's font and languages.
#include "startup/application_setup.h"

#include <QApplication>
#include <QDir>
#include <QFont>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <memory>

#include "common/variants.h"

namespace {

// The translators installed now; replaced at every change of variant.
std::unique_ptr<QTranslator>& qtTranslator() {
  static std::unique_ptr<QTranslator> t;
  return t;
}
std::unique_ptr<QTranslator>& programTranslator() {
  static std::unique_ptr<QTranslator> t;
  return t;
}
// What useLanguageOf was last asked for: the variant's key and the program directory.
std::optional<std::pair<QString, QString>>& languageInUse() {
  static std::optional<std::pair<QString, QString>> used;
  return used;
}

// Loads the first of the files "<base>_<name>.qm" in the folder that exists.
std::unique_ptr<QTranslator> loaded(const QString& base, const QStringList& names,
                                    const QString& folder) {
  auto translator = std::make_unique<QTranslator>();
  for (const QString& name : names)
    if (translator->load(base + QLatin1Char('_') + name, folder)) return translator;
  return nullptr;
}

void replace(std::unique_ptr<QTranslator>& slot, std::unique_ptr<QTranslator> next) {
  if (slot) QCoreApplication::removeTranslator(slot.get());
  slot = std::move(next);
  if (slot) QCoreApplication::installTranslator(slot.get());
}

}  // namespace

void useProgramFont() {
  QApplication::setFont(QFont(QStringLiteral("Arial"), 8));
}

QString languageOfVariant(const QString& languageKey) {
  const std::optional<Variant> v = variantByKey(languageKey);
  return v ? v->locale.left(2) : QStringLiteral("en");
}

bool useLanguageOf(const QString& languageKey, const QString& programDirectory) {
  languageInUse() = std::make_pair(languageKey, programDirectory);
  const QString language = languageOfVariant(languageKey);
  if (language == QLatin1String("en")) {
    replace(qtTranslator(), nullptr);
    replace(programTranslator(), nullptr);
    return true;
  }
  const std::optional<Variant> v = variantByKey(languageKey);
  // Qt has Portuguese as spoken in Brazil only; it serves Portugal too.
  QStringList names{v->locale, language};
  if (language == QLatin1String("pt")) names << QStringLiteral("pt_BR");
  auto qt =
      loaded(QStringLiteral("qtbase"), names, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
  auto own = loaded(QStringLiteral("telmaris"), {language},
                    QDir(programDirectory).filePath(kTranslationsFolder));
  const bool complete = qt && own;
  replace(qtTranslator(), std::move(qt));
  replace(programTranslator(), std::move(own));
  return complete;
}

LanguageKept::LanguageKept() : kept_(languageInUse()) {}

LanguageKept::~LanguageKept() {
  if (kept_ && languageInUse() != kept_) useLanguageOf(kept_->first, kept_->second);
}
