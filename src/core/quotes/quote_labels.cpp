// The quote's labels, looked up in the quote's language.
#include "quotes/quote_labels.h"

#include <QCoreApplication>

namespace {

// In the order of QuoteLabel. The context is the translation files' own.
constexpr const char* kContext = "QuoteDocument";
const char* const kSources[] = {
    QT_TRANSLATE_NOOP("QuoteDocument", "Quote"),
    QT_TRANSLATE_NOOP("QuoteDocument", "Quote no."),
    QT_TRANSLATE_NOOP("QuoteDocument", "Date"),
    QT_TRANSLATE_NOOP("QuoteDocument", "Customer"),
    QT_TRANSLATE_NOOP("QuoteDocument", "Contact"),
    QT_TRANSLATE_NOOP("QuoteDocument", "Your reference"),
    QT_TRANSLATE_NOOP("QuoteDocument", "Our reference"),
    QT_TRANSLATE_NOOP("QuoteDocument", "Valid until"),
    QT_TRANSLATE_NOOP("QuoteDocument", "Note"),
    QT_TRANSLATE_NOOP("QuoteDocument", "Pos."),
    QT_TRANSLATE_NOOP("QuoteDocument", "Quantity"),
    QT_TRANSLATE_NOOP("QuoteDocument", "Model"),
    QT_TRANSLATE_NOOP("QuoteDocument", "Unit price"),
    QT_TRANSLATE_NOOP("QuoteDocument", "Amount"),
    QT_TRANSLATE_NOOP("QuoteDocument", "Total"),
    QT_TRANSLATE_NOOP("QuoteDocument", "Discounts"),
    QT_TRANSLATE_NOOP("QuoteDocument", "Net total"),
    QT_TRANSLATE_NOOP("QuoteDocument", "Position %1"),
    QT_TRANSLATE_NOOP("QuoteDocument", "%1 / %2"),
    QT_TRANSLATE_NOOP("QuoteDocument", "Positions"),
    QT_TRANSLATE_NOOP("QuoteDocument", "Language"),
    QT_TRANSLATE_NOOP("QuoteDocument", "1 day"),
    QT_TRANSLATE_NOOP("QuoteDocument", "%1 days"),
};
static_assert(std::size(kSources) == static_cast<std::size_t>(QuoteLabel::Days) + 1);

}  // namespace

QuoteLabels::QuoteLabels(const ProgramDirectory& directory, VariantId variant) {
  const QString language = variantOf(variant).locale.left(2);
  if (language == QLatin1String("en")) return;
  auto translator = std::make_shared<QTranslator>();
  if (translator->load(QStringLiteral("telmaris_") + language,
                       directory.file(QStringLiteral("translations"))))
    translator_ = std::move(translator);
}

QString QuoteLabels::operator[](QuoteLabel label) const {
  const char* source = kSources[static_cast<std::size_t>(label)];
  if (translator_) {
    const QString translated = translator_->translate(kContext, source);
    if (!translated.isEmpty()) return translated;
  }
  return QString::fromUtf8(source);
}
