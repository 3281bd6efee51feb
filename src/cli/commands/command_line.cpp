// Commands without a window.
#include "commands/command_line.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>
#include <QTranslator>
#include <cmath>
#include <cstdio>

#include "common/file_access.h"
#include "common/number_format.h"
#include "common/units.h"
#include "common/variants.h"
#include "configurator/configuration_file.h"
#include "configurator/configuration_walk.h"
#include "configurator/list_json.h"
#include "configurator/ordering_list.h"
#include "data/database.h"
#include "data/parts_loader.h"
#include "data/program_directory.h"
#include "prices/excel_export.h"
#include "prices/price_file.h"
#include "prices/price_history.h"
#include "prices/price_import.h"
#include "prices/workbook_reader.h"
#include "quotes/quote.h"
#include "quotes/quote_export.h"
#include "quotes/quote_file.h"
#include "quotes/quote_json.h"
#include "quotes/quote_labels.h"
#include "quotes/quote_pricing.h"
#include "quotes/quote_register.h"

namespace {

Failure usageProblem(const QString& what) {
  return Failure(Problem{Problem::Kind::Usage, QStringLiteral("telmaris"), what, std::nullopt});
}

CommandLine usage(const QString& error) {
  CommandLine c;
  c.kind = CommandLine::Kind::Usage;
  c.error = error;
  return c;
}

// A saved configuration walked through the steps, on the parts data of its variant; or the
// parts data of a quote's print variant.
struct OpenedConfiguration {
  Configuration configuration;
  QString languageKey;
  PartsData data;
  ConfiguredHoist hoist;
  QTranslator translator;  // the program's own texts in the variant's language

  // Reads the parts data of the variant and speaks its language. Throws Failure.
  void load(VariantId id, const ProgramDirectory& directory) {
    const Variant& variant = variantOf(id);
    languageKey = variant.languageKey;
    // The steps' messages of the program's own in the variant's language, as the window says
    // them beside the catalogue's texts; without the file they stay in English.
    const QString language = variant.locale.left(2);
    if (language != QLatin1String("en") &&
        translator.load(QStringLiteral("telmaris_") + language,
                        directory.file(QStringLiteral("translations"))))
      QCoreApplication::installTranslator(&translator);
    loadPartsDatabase(directory.database(), languageKey, data);
  }

  // Throws Failure: a database problem, an answer the steps refused, or a configuration that
  // stops before the output buttons, which the window would not print either.
  // The page of --pdf walks the answers itself, through the window whose image it shows:
  // `walk` false leaves the walk to it.
  void open(const Configuration& c, const ProgramDirectory& directory, bool walk = true) {
    configuration = c;
    load(configuration.variant, directory);
    if (!walk) return;
    // A refused or missing answer: a text of the catalogue with its tail, or a text of its own.
    const Result<ConfiguredHoist> walked = ConfigurationWalk::apply(configuration);
    if (!walked) throw Failure(walked.problem());
    hoist = *walked;
  }
};

// The list's lines start with one blank, as on the screen.
constexpr int kListIndent = 1;

// Reads the price list and imports it, or with a dry run only compares it with the prices;
// prints what changes. Throws Failure.
void importPriceList(const ProgramDirectory& directory, const QString& file, bool dryRun,
                     QTextStream& out) {
  const QString suffix = QFileInfo(file).suffix().toUpper();
  std::vector<PriceEntry> entries;
  try {
    entries = suffix == QLatin1String("XLS") || suffix == QLatin1String("XLSX")
                  ? readPriceWorkbook(file)
                  : readPriceFile(file);
  } catch (const Failure& e) {
    // The readers' texts name the record or row; the file goes in front.
    Problem p = e.problem();
    if (p.where.isEmpty()) p.where = withControlsEscaped(file);
    throw Failure(p);
  }
  const PriceImportSummary summary =
      importPrices(directory.database(), entries, {QFileInfo(file).fileName(), dryRun});
  if (dryRun) out << "Dry run: nothing has been changed.\n";
  out << priceImportReport(summary);
}

// The history with the parts' descriptions of the default variant: the command line has no
// variant of its own.
void printPriceHistory(const ProgramDirectory& directory, QTextStream& out) {
  Database db = Database::open(directory.database(), kConnectString);
  const std::vector<PriceEvent> history = readPriceHistory(db);
  out << priceHistoryReport(history, readPartDescriptions(db, QString()));
}

void undoImport(const ProgramDirectory& directory, QTextStream& out) {
  const std::optional<PriceUndoSummary> undone = undoLastImport(directory.database());
  if (!undone)
    throw Failure(Problem{Problem::Kind::Database, QStringLiteral("telmaris"),
                          QStringLiteral("there is no price import to undo"), std::nullopt});
  out << priceUndoReport(*undone);
}

// Renames a price history the program cannot trust (or its own) aside, so that the next import
// starts a new one.
void setAsideHistory(const ProgramDirectory& directory, QTextStream& out) {
  Database db = Database::open(directory.database(), kConnectString);
  requirePartPrices(db);
  const QString aside = setAsidePriceHistory(db);
  if (aside.isEmpty())
    out << QCoreApplication::translate("Prices",
                                       "There is no price history to set aside; nothing has been "
                                       "changed.\n");
  else
    out << QCoreApplication::translate("Prices",
                                       "The price history %1 is now %2; the next import or price "
                                       "change starts a new, empty history.\n")
               .arg(kPriceHistoryTable, withControlsEscaped(aside));
}

QDate commandDate(const CommandLine& command) {
  return command.date.isEmpty() ? QDate::currentDate()
                                : QDate::fromString(command.date, Qt::ISODate);
}

// A workbook's failure names the workbook.
void writeWorkbook(const QString& output, const std::function<void()>& write) {
  try {
    write();
  } catch (const Failure& e) {
    Problem p = e.problem();
    if (p.where.isEmpty()) p.where = output;
    throw Failure(p);
  }
}

// The configuration's own output, as it has always been: its variant's list, page or workbook.
int runOnConfiguration(const CommandLine& command, const ProgramDirectory& directory,
                       const Quote& quote, const QString& output, QTextStream& out,
                       QTextStream& err, const PageWriter& writePage, OpenedConfiguration& opened) {
  const Configuration& configuration = quote.positions.front().configuration;
  if (command.kind == CommandLine::Kind::Pdf) {
    opened.open(configuration, directory, false);
    // A warning leaves the exit status as it is: the page has been written.
    for (const QString& warning :
         writePage(PageRequest{directory, opened.data, quote, output, commandDate(command), {}}))
      err << "telmaris: " << QCoreApplication::translate("Page", "warning: ") << warning << '\n';
    return kDone;
  }
  opened.open(configuration, directory);
  const OrderingList list = BuildOrderingList(opened.data, opened.hoist);
  switch (command.kind) {
    case CommandLine::Kind::List:
      for (const QString& line : orderingListLines(list, kListIndent)) out << line << '\n';
      return kDone;
    case CommandLine::Kind::Json:
      out << QString::fromStdString(listJson(list, JsonWriter::Format::Indented));
      return kDone;
    case CommandLine::Kind::Xlsx:
      writeWorkbook(output, [&] {
        writeExportWorkbook(output, orderingListSheet(opened.data.TextCatalogue, list));
      });
      return kDone;
    default:
      throw usageProblem(QStringLiteral("no command given"));
  }
}

// The quote of the file, which the reader has checked whole. Throws Failure: a file the quote
// cannot be read from, naming it.
Quote readQuoteForCommand(const QString& file) {
  const Result<Quote> read = readQuoteFile(file);
  if (!read) throw Failure(read.problem());
  return *read;
}

// The quote in the language of --language, when one is given. Throws Failure (a wrong command
// line) for a language the quote's market does not print in, naming those it does.
Quote inLanguage(Quote quote, const QString& language) {
  if (language.isEmpty()) return quote;
  const QuoteMarket market = quote.market();
  const std::optional<VariantId> variant = quoteVariantOf(market, language);
  if (!variant) {
    throw usageProblem(QStringLiteral("--language %1: the hoists of this quote print in %2 only")
                           .arg(language, allowedLanguageCodes(market)));
  }
  quote.language = *variant;
  return quote;
}

// A text of the file shown on a terminal: one line, its control characters escaped.
QString shown(const QString& text) {
  return withControlsEscaped(text.simplified());
}

// The header, each position's list under a line that names it, and the totals.
void printQuoteList(const PricedQuote& priced, const QuoteLabels& labels, const QDate& today,
                    QTextStream& out) {
  const QuoteHeader& h = priced.quote.header;
  const QString number = shown(h.number);
  out << labels[QuoteLabel::QuoteTitle] << (number.isEmpty() ? QString() : u' ' + number) << '\n';
  auto field = [&](QuoteLabel label, const QString& value) {
    if (!value.trimmed().isEmpty()) out << labels[label] << ": " << value << '\n';
  };
  if (h.date.isValid()) field(QuoteLabel::Date, h.date.toString(Qt::ISODate));
  field(QuoteLabel::ValidUntil,
        h.validUntil(h.date.isValid() ? h.date : today).toString(Qt::ISODate));
  field(QuoteLabel::Customer, shown(h.company));
  field(QuoteLabel::Contact, shown(h.contact));
  for (const QString& line : h.address)
    if (!line.trimmed().isEmpty()) out << "  " << shown(line) << '\n';
  field(QuoteLabel::YourReference, shown(h.customerReference));
  field(QuoteLabel::OurReference, shown(h.ourReference));
  field(QuoteLabel::Language, languageCode(priced.variant));
  if (!h.note.trimmed().isEmpty()) {
    out << labels[QuoteLabel::Note] << ":\n";
    for (const QString& line : h.note.split(u'\n')) out << "  " << shown(line) << '\n';
  }
  for (const PricedPosition& p : priced.positions) {
    out << '\n'
        << labels[QuoteLabel::Position].arg(p.number) << ": " << p.position.quantity << " × "
        << shown(p.position.configuration.model) << '\n';
    for (const QString& line : orderingListLines(p.list, kListIndent)) out << line << '\n';
    if (!p.position.note.trimmed().isEmpty()) {
      out << '\n';
      for (const QString& line : p.position.note.split(u'\n'))
        out << QString(kListIndent, u' ') << shown(line) << '\n';
    }
  }
  // The totals in columns of their own, as wide as their longest label and figure.
  const std::pair<QuoteLabel, double> totals[] = {{QuoteLabel::Total, priced.total},
                                                  {QuoteLabel::Discounts, priced.discount},
                                                  {QuoteLabel::NetTotal, priced.net}};
  qsizetype labelWidth = 0, amountWidth = 0;
  for (const auto& [label, value] : totals) {
    labelWidth = std::max(labelWidth, labels[label].size());
    amountWidth = std::max(amountWidth, FormatNumber(value, kPricePattern).size());
  }
  out << '\n';
  for (const auto& [label, value] : totals)
    out << QString(kListIndent, u' ') << labels[label].leftJustified(labelWidth) << "  "
        << FormatRight(value, kPricePattern, static_cast<int>(amountWidth)) << '\n';
}

// Gives a quote its number in the register, or records a changed numbered quote as a revision,
// and writes the number and the issue date back into the quote's file. Returns the quote as
// issued. Throws Failure; a file that cannot take the number is found out before a number is
// given.
Quote issueQuote(const ProgramDirectory& directory, const QString& file, const Quote& read,
                 const PricedQuote& priced, const QDate& today) {
  if (read.header.number.isEmpty()) {
    const QFileInfo info(file);
    if (!info.isWritable() || !QFileInfo(info.absolutePath()).isWritable())
      throw Failure(Problem{Problem::Kind::File, file,
                            QStringLiteral("the quote file cannot be written, so the quote is not "
                                           "numbered; nothing has been issued"),
                            std::nullopt});
  }
  QuoteRegister quoteRegister = QuoteRegister::open(directory.quoteRegister());
  const Quote issued = quoteRegister.issue(priced, today);
  // The file keeps its own language: --language chose only this document's.
  Quote saved = read;
  saved.header.number = issued.header.number;
  saved.header.date = issued.header.date;
  if (saved != read) writeFileWhole(file, writeQuote(saved));
  return issued;
}

// The newest issue of a number in the register. Throws Failure naming the number when the
// register has none of that number.
IssuedQuote findIssued(const ProgramDirectory& directory, const QString& number) {
  // A register not yet made has no quote, and looking for one makes none.
  std::optional<IssuedQuote> issued;
  if (QFileInfo::exists(directory.quoteRegister()))
    issued = QuoteRegister::open(directory.quoteRegister()).find(number);
  if (!issued)
    throw Failure(Problem{Problem::Kind::Database, withControlsEscaped(number),
                          QStringLiteral("the register %1 has no quote of this number")
                              .arg(QDir::toNativeSeparators(directory.quoteRegister())),
                          std::nullopt});
  return *issued;
}

void printRegister(const ProgramDirectory& directory, const QString& filter, QTextStream& out) {
  // Listing a register not yet made leaves it unmade: the program directory may be read-only.
  const std::vector<RegisteredQuote> quotes =
      QFileInfo::exists(directory.quoteRegister())
          ? QuoteRegister::open(directory.quoteRegister()).list(filter)
          : std::vector<RegisteredQuote>{};
  if (quotes.empty()) {
    out << (filter.isEmpty()
                ? QCoreApplication::translate("Quotes", "The register holds no quote yet.\n")
                : QCoreApplication::translate("Quotes", "No quote of the register matches %1.\n")
                      .arg(withControlsEscaped(filter)));
    return;
  }
  for (const RegisteredQuote& q : quotes) {
    QString customer = shown(q.company);
    if (!q.contact.trimmed().isEmpty())
      customer +=
          customer.isEmpty() ? shown(q.contact) : QStringLiteral(" (%1)").arg(shown(q.contact));
    QString number = shown(q.number);
    if (q.revision > 1) number += QStringLiteral(" r%1").arg(q.revision);
    out << number.leftJustified(16) << ' ' << q.issued.toString(Qt::ISODate) << "  "
        << languageCode(q.variant) << "  " << FormatRight(q.net, kPricePattern, 12) << "  "
        << customer << "  " << shown(q.customerReference) << " / " << shown(q.ourReference) << '\n';
  }
}

// --quote NUMBER with --pdf or --xlsx: the quote as it was issued, its lists and its date.
int runOnIssuedQuote(const CommandLine& command, const ProgramDirectory& directory,
                     const QString& output, QTextStream& err, const PageWriter& writePage,
                     OpenedConfiguration& opened) {
  if (command.kind == CommandLine::Kind::Pdf && !writePage)
    throw usageProblem(QStringLiteral("this program writes no pages"));
  const IssuedQuote issued = findIssued(directory, command.quoteNumber);
  opened.load(issued.quote.printVariant(), directory);
  if (command.kind == CommandLine::Kind::Pdf) {
    for (const QString& warning : writePage(PageRequest{directory, opened.data, issued.quote,
                                                        output, issued.entry.issued, issued.lists}))
      err << "telmaris: " << QCoreApplication::translate("Page", "warning: ") << warning << '\n';
    return kDone;
  }
  const PricedQuote priced = pricedWithLists(issued.quote, opened.data, issued.lists);
  writeWorkbook(output, [&] {
    writeQuoteWorkbook(output, opened.data.TextCatalogue, priced,
                       QuoteLabels(directory, priced.variant));
  });
  return kDone;
}

// --reprice NUMBER: what today's prices change in an issued quote.
void reprice(const ProgramDirectory& directory, const QString& number, QTextStream& out,
             OpenedConfiguration& opened) {
  const IssuedQuote issued = findIssued(directory, number);
  opened.load(issued.quote.printVariant(), directory);
  const PricedQuote asIssued = pricedWithLists(issued.quote, opened.data, issued.lists);
  const PricedQuote today = priceQuote(issued.quote, opened.data);
  out << repricingReport(issued.entry.number, repricedAmounts(asIssued, today));
}

// The command on the program directory's data. Throws Failure.
int runOnProgramDirectory(const CommandLine& command, const ProgramDirectory& directory,
                          const QString& file, const QString& output, QTextStream& out,
                          QTextStream& err, const PageWriter& writePage,
                          OpenedConfiguration& opened) {
  switch (command.kind) {
    case CommandLine::Kind::ImportPrices:
      importPriceList(directory, file, command.dryRun, out);
      return kDone;
    case CommandLine::Kind::PriceHistory:
      printPriceHistory(directory, out);
      return kDone;
    case CommandLine::Kind::UndoImport:
      undoImport(directory, out);
      return kDone;
    case CommandLine::Kind::SetAsidePriceHistory:
      setAsideHistory(directory, out);
      return kDone;
    case CommandLine::Kind::Quotes:
      printRegister(directory, command.filter, out);
      return kDone;
    case CommandLine::Kind::Reprice:
      reprice(directory, command.quoteNumber, out, opened);
      return kDone;
    default:
      break;
  }
  if (!command.quoteNumber.isEmpty())
    return runOnIssuedQuote(command, directory, output, err, writePage, opened);
  if (command.kind == CommandLine::Kind::Pdf && !writePage)
    throw usageProblem(QStringLiteral("this program writes no pages"));

  const Quote read = readQuoteForCommand(file);
  const Quote quote = inLanguage(read, command.language);
  // A configuration in its own variant is listed, printed and exported as it always was.
  if (!quote.isQuote() && quote.printVariant() == quote.positions.front().configuration.variant)
    return runOnConfiguration(command, directory, quote, output, out, err, writePage, opened);

  opened.load(quote.printVariant(), directory);
  const QDate today = commandDate(command);
  PricedQuote priced = priceQuote(quote, opened.data);
  const bool document =
      command.kind == CommandLine::Kind::Pdf || command.kind == CommandLine::Kind::Xlsx;
  if (quote.isQuote() && document && !command.unissued)
    priced.quote = issueQuote(directory, file, read, priced, today);
  const TextCatalogueArray& texts = opened.data.TextCatalogue;
  const OrderingList& first = priced.positions.front().list;

  switch (command.kind) {
    case CommandLine::Kind::List:
      if (quote.isQuote())
        printQuoteList(priced, QuoteLabels(directory, priced.variant), today, out);
      else
        for (const QString& line : orderingListLines(first, kListIndent)) out << line << '\n';
      return kDone;
    case CommandLine::Kind::Json:
      out << QString::fromStdString(pricedJson(priced, JsonWriter::Format::Indented, today));
      return kDone;
    case CommandLine::Kind::Xlsx:
      writeWorkbook(output, [&] {
        if (quote.isQuote())
          writeQuoteWorkbook(output, texts, priced, QuoteLabels(directory, priced.variant));
        else
          writeExportWorkbook(output, orderingListSheet(texts, first));
      });
      return kDone;
    case CommandLine::Kind::Pdf: {
      // The document shows the lists the register keeps, priced once.
      std::optional<std::vector<OrderingList>> lists;
      if (quote.isQuote()) {
        lists.emplace();
        for (const PricedPosition& p : priced.positions) lists->push_back(p.list);
      }
      for (const QString& warning :
           writePage(PageRequest{directory, opened.data, priced.quote, output, today, lists}))
        err << "telmaris: " << QCoreApplication::translate("Page", "warning: ") << warning << '\n';
      return kDone;
    }
    default:
      throw usageProblem(QStringLiteral("no command given"));
  }
}

}  // namespace

CommandLine parseCommandLine(const QStringList& arguments) {
  CommandLine c;
  if (arguments.isEmpty() || !arguments.first().startsWith(QLatin1String("--"))) {
    c.directory = arguments.join(QLatin1Char(' '));
    return c;
  }
  for (qsizetype i = 0; i < arguments.size(); ++i) {
    const QString& a = arguments[i];
    auto value = [&](QString& target) {
      if (i + 1 >= arguments.size()) return false;
      target = arguments[++i];
      return true;
    };
    // A value that may be left out: the next argument unless it is an option.
    auto optionalValue = [&](QString& target) {
      if (i + 1 < arguments.size() && !arguments[i + 1].startsWith(QLatin1String("--")))
        target = arguments[++i];
    };
    auto command = [&](CommandLine::Kind kind, bool withOutput) {
      if (c.kind != CommandLine::Kind::Window) return false;
      c.kind = kind;
      if (!withOutput) return value(c.file);
      // The document of an issued quote (--quote NUMBER) has no file.
      if (!value(c.output)) return false;
      optionalValue(c.file);
      return true;
    };
    bool ok = true;
    if (a == QLatin1String("--help")) {
      c.kind = CommandLine::Kind::Help;
      return c;
    } else if (a == QLatin1String("--dir")) {
      ok = value(c.directory);
    } else if (a == QLatin1String("--date")) {
      ok = value(c.date) && QDate::fromString(c.date, Qt::ISODate).isValid();
    } else if (a == QLatin1String("--list")) {
      ok = command(CommandLine::Kind::List, false);
    } else if (a == QLatin1String("--json")) {
      ok = command(CommandLine::Kind::Json, false);
    } else if (a == QLatin1String("--pdf")) {
      ok = command(CommandLine::Kind::Pdf, true);
    } else if (a == QLatin1String("--xlsx")) {
      ok = command(CommandLine::Kind::Xlsx, true);
    } else if (a == QLatin1String("--import-prices")) {
      ok = command(CommandLine::Kind::ImportPrices, false);
    } else if (a == QLatin1String("--open")) {
      // A desktop entry runs "--open %f", which leaves a bare --open when it is started
      // without a file.
      ok = c.kind == CommandLine::Kind::Window;
      c.kind = CommandLine::Kind::Open;
      if (i + 1 < arguments.size() && !arguments[i + 1].startsWith(QLatin1String("--")))
        c.file = arguments[++i];
    } else if (a == QLatin1String("--language")) {
      ok = value(c.language);
    } else if (a == QLatin1String("--quote")) {
      ok = c.quoteNumber.isEmpty() && value(c.quoteNumber);
    } else if (a == QLatin1String("--quotes")) {
      ok = c.kind == CommandLine::Kind::Window;
      c.kind = CommandLine::Kind::Quotes;
      optionalValue(c.filter);
    } else if (a == QLatin1String("--reprice")) {
      ok = c.kind == CommandLine::Kind::Window && c.quoteNumber.isEmpty();
      c.kind = CommandLine::Kind::Reprice;
      ok = ok && value(c.quoteNumber);
    } else if (a == QLatin1String("--dry-run")) {
      c.dryRun = true;
    } else if (a == QLatin1String("--unissued")) {
      c.unissued = true;
    } else if (a == QLatin1String("--serve")) {
      ok = c.kind == CommandLine::Kind::Window;
      c.kind = CommandLine::Kind::Serve;
    } else if (a == QLatin1String("--listen")) {
      ok = value(c.listen);
    } else if (a == QLatin1String("--threads")) {
      QString n;
      ok = value(n);
      c.threads = n.toInt(&ok);
      ok = ok && c.threads >= 1 && c.threads <= 256;
    } else if (a == QLatin1String("--tokens")) {
      ok = value(c.tokens);
    } else if (a == QLatin1String("--request-timeout")) {
      QString n;
      ok = value(n);
      c.requestTimeout = n.toInt(&ok);
      ok = ok && c.requestTimeout >= 1 && c.requestTimeout <= 3600;
    } else if (a == QLatin1String("--price-history")) {
      ok = c.kind == CommandLine::Kind::Window;
      c.kind = CommandLine::Kind::PriceHistory;
    } else if (a == QLatin1String("--undo-import")) {
      ok = c.kind == CommandLine::Kind::Window;
      c.kind = CommandLine::Kind::UndoImport;
    } else if (a == kSetAsidePriceHistoryOption) {
      ok = c.kind == CommandLine::Kind::Window;
      c.kind = CommandLine::Kind::SetAsidePriceHistory;
    } else {
      return usage(QStringLiteral("unknown option %1").arg(a));
    }
    if (!ok) return usage(QStringLiteral("%1 is incomplete or wrong").arg(a));
  }
  if (c.kind == CommandLine::Kind::Window) return usage(QStringLiteral("no command given"));
  if (c.dryRun && c.kind != CommandLine::Kind::ImportPrices)
    return usage(QStringLiteral("--dry-run goes with --import-prices only"));
  const bool document = c.kind == CommandLine::Kind::Pdf || c.kind == CommandLine::Kind::Xlsx;
  if (c.unissued && (!document || !c.quoteNumber.isEmpty()))
    return usage(QStringLiteral("--unissued goes with --pdf or --xlsx of a file only"));
  const bool serving = c.kind == CommandLine::Kind::Serve;
  for (const auto& [option, given] :
       {std::pair{"--listen", c.listen != CommandLine().listen},
        {"--threads", c.threads != 0},
        {"--tokens", !c.tokens.isEmpty()},
        {"--request-timeout", c.requestTimeout != CommandLine().requestTimeout}})
    if (given && !serving)
      return usage(QStringLiteral("%1 goes with --serve only").arg(QLatin1String(option)));
  if (!c.quoteNumber.isEmpty() && c.kind != CommandLine::Kind::Reprice) {
    if (!document) return usage(QStringLiteral("--quote goes with --pdf or --xlsx only"));
    if (!c.file.isEmpty())
      return usage(QStringLiteral("--quote prints an issued quote, not the file %1").arg(c.file));
  }
  if (document && c.file.isEmpty() && c.quoteNumber.isEmpty())
    return usage(QStringLiteral("%1 needs OUT and a file, or --quote NUMBER")
                     .arg(c.kind == CommandLine::Kind::Pdf ? QStringLiteral("--pdf")
                                                           : QStringLiteral("--xlsx")));
  const bool ofAFile = c.kind == CommandLine::Kind::List || c.kind == CommandLine::Kind::Json ||
                       (document && c.quoteNumber.isEmpty());
  if (!c.language.isEmpty() && !ofAFile)
    return usage(QStringLiteral("--language goes with --list, --json, --pdf or --xlsx of a file"));
  return c;
}

CommandLine parseCommandLine(int argc, char** argv) {
  QStringList arguments;
  for (int i = 1; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
  return parseCommandLine(arguments);
}

void quietQtMessages() {
  qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (type == QtFatalMsg) std::fprintf(stderr, "%s\n", qPrintable(text));
  });
}

QString commandLineHelp() {
  return QStringLiteral(
      "Usage:\n"
      "  telmaris [PROGRAM-DIRECTORY]                    open the program's window\n"
      "  telmaris [--dir DIR] --open [FILE]              open the window with a saved\n"
      "                                                  configuration (.telmaris), in its\n"
      "                                                  variant; without FILE as above\n"
      "  telmaris [--dir DIR] [--language CODE] --list FILE\n"
      "                                                  print the ordering list of a saved\n"
      "                                                  configuration, or the positions and\n"
      "                                                  totals of a quote (.telmaris)\n"
      "  telmaris [--dir DIR] [--language CODE] --json FILE\n"
      "                                                  the same as JSON\n"
      "  telmaris [--dir DIR] [--date YYYY-MM-DD] [--language CODE] --pdf OUT FILE\n"
      "                                                  write the printed page, or the quote's\n"
      "                                                  document, as a PDF file\n"
      "  telmaris [--dir DIR] [--language CODE] --xlsx OUT FILE\n"
      "                                                  write the spreadsheet export to OUT\n"
      "  telmaris [--dir DIR] --quote NUMBER --pdf OUT   the document of an issued quote as it\n"
      "  telmaris [--dir DIR] --quote NUMBER --xlsx OUT  was issued, with its prices and date\n"
      "  telmaris [--dir DIR] --quotes [TEXT]            the register of issued quotes, newest\n"
      "                                                  first; with TEXT those whose number,\n"
      "                                                  customer or references contain it\n"
      "  telmaris [--dir DIR] --reprice NUMBER           the amounts of an issued quote that\n"
      "                                                  today's prices change\n"
      "  telmaris [--dir DIR] --import-prices PRICES [--dry-run]\n"
      "                                                  import a price file (.DAT, .TXT) or a\n"
      "                                                  workbook (.XLS, .XLSX) and print what\n"
      "                                                  changed; --dry-run changes nothing\n"
      "  telmaris [--dir DIR] --price-history            the imports and edits of the prices,\n"
      "                                                  newest first\n"
      "  telmaris [--dir DIR] --undo-import              put back the prices from before the\n"
      "                                                  last import not yet undone\n"
      "  telmaris [--dir DIR] --set-aside-price-history  rename the price history table aside\n"
      "                                                  (one the program cannot trust, say);\n"
      "                                                  the next import starts a new one\n"
      "  telmaris [--dir DIR] --serve [--listen ADDRESS:PORT] [--threads N] [--tokens FILE]\n"
      "           [--request-timeout SECONDS]           the quote service over HTTP (JSON, and\n"
      "                                                  PDF documents), by default on\n"
      "                                                  127.0.0.1:8080; see the README\n"
      "  telmaris --help                                 this text\n"
      "\n"
      "--dir is the program directory, the folder of Telmaris.mdb (default: the program's own).\n"
      "--language (en, fr, es, pt, it, de) prints a quote in another language its hoists are\n"
      "sold in. --pdf and --xlsx of a quote give it the next number of the register Quotes.mdb\n"
      "and write the number into its file; a numbered quote keeps its number. With --unissued\n"
      "they issue nothing and write nothing but OUT: the document carries the file's number,\n"
      "or none.\n"
      "Exit status: 0 done; 1 an answer of the configuration was refused (the message on\n"
      "standard error); 2 a wrong command line; 3 a file or database error, no import to undo\n"
      "(nothing changed), or a quote number the register does not have.\n");
}

int runCommand(const CommandLine& command, const QString& executableDirectory, QTextStream& out,
               QTextStream& err, const PageWriter& writePage) {
  if (command.kind == CommandLine::Kind::Help) {
    out << commandLineHelp();
    return kDone;
  }
  if (command.kind == CommandLine::Kind::Open) {
    return printProblem(err, Problem{Problem::Kind::Usage, QStringLiteral("telmaris"),
                                     QStringLiteral("--open is the work of the window, which this "
                                                    "program does not have"),
                                     std::nullopt});
  }
  if (command.kind == CommandLine::Kind::Usage || command.kind == CommandLine::Kind::Window) {
    printProblem(err, Problem{Problem::Kind::Usage, QStringLiteral("telmaris"), command.error,
                              std::nullopt});
    err << '\n' << commandLineHelp();
    return kUsageError;
  }
  // Files named on the command line are taken from where the command was given.
  const QDir here = QDir::current();
  const QString file = here.absoluteFilePath(command.file);
  const QString output =
      command.output.isEmpty() ? QString() : here.absoluteFilePath(command.output);
  const ProgramDirectory directory(
      here.absoluteFilePath(command.directory.isEmpty() ? executableDirectory : command.directory));
  if (!directory.exists()) {
    return printProblem(err, Problem{Problem::Kind::File, directory.path(),
                                     QStringLiteral("no such program directory"), std::nullopt});
  }
  OpenedConfiguration opened;
  try {
    return runOnProgramDirectory(command, directory, file, output, out, err, writePage, opened);
  } catch (const Failure& e) {
    return printProblem(err, e.problem(), &opened.data.TextCatalogue);
  } catch (const std::exception& e) {
    // A file read in a way nobody foresaw is still a file that cannot be read.
    return printProblem(
        err, Problem{Problem::Kind::File, file, QString::fromLocal8Bit(e.what()), std::nullopt});
  }
}

int printProblem(QTextStream& err, const Problem& problem, const TextCatalogueArray* texts) {
  err << problem.describe(texts) << '\n';
  return exitStatusOf(problem);
}
