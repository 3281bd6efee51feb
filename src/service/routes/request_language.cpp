// Translating the program's own texts by the language of the request.
#include "routes/request_language.h"

#include "quotes/quote.h"

namespace {

// The language code the thread is answering in; empty: the program's own English.
thread_local QString threadLanguage;

}  // namespace

RequestLanguage::RequestLanguage(const ProgramDirectory& directory) {
  for (int i = 0; i < kVariantCount; ++i) {
    const QString code = languageCode(static_cast<VariantId>(i));
    if (code == QLatin1String("en") || translators_.count(code)) continue;
    auto translator = std::make_unique<QTranslator>();
    if (translator->load(QStringLiteral("telmaris_") + code,
                         directory.file(QStringLiteral("translations"))))
      translators_[code] = std::move(translator);
  }
}

QString RequestLanguage::translate(const char* context, const char* sourceText,
                                   const char* disambiguation, int n) const {
  const auto found = translators_.find(threadLanguage);
  if (found == translators_.end()) return {};
  return found->second->translate(context, sourceText, disambiguation, n);
}

RequestLanguage::Scope::Scope(VariantId variant)
    : previous_(std::exchange(threadLanguage, languageCode(variant))) {}

RequestLanguage::Scope::~Scope() {
  threadLanguage = previous_;
}
