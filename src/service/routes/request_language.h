// The program's own texts in the language of the request being answered. The service answers
// every language at once, while Qt looks texts up in the translators installed for the whole
// process; this one translator, installed once, answers in the language its thread is serving.
#pragma once

#include <QString>
#include <QTranslator>
#include <map>
#include <memory>

#include "common/variants.h"
#include "data/program_directory.h"

class RequestLanguage : public QTranslator {
 public:
  // Loads the translations of the program directory; a language without its file stays English.
  explicit RequestLanguage(const ProgramDirectory& directory);

  QString translate(const char* context, const char* sourceText, const char* disambiguation,
                    int n) const override;
  bool isEmpty() const override { return translators_.empty(); }

  // For as long as it lives, the texts of this thread are in the variant's language.
  class Scope {
   public:
    explicit Scope(VariantId variant);
    ~Scope();
    Scope(const Scope&) = delete;
    Scope& operator=(const Scope&) = delete;

   private:
    QString previous_;
  };

 private:
  std::map<QString, std::unique_ptr<QTranslator>> translators_;  // by language code
};
