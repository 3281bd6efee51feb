// The quote window: a quote's header, its language and its positions, each position a finished
// configuration of the main window with a quantity and a note; printed, exported and saved as a
// quote, which numbers it in the register the first time.
#pragma once

#include <QDate>
#include <QString>
#include <QWidget>
#include <array>
#include <map>
#include <memory>
#include <optional>
#include <vector>

#include "configurator/ordering_list.h"
#include "data/parts_data.h"
#include "quotes/quote.h"
#include "quotes/quote_pricing.h"

class HMeny;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPrinter;
class QPushButton;
class QSpinBox;
class QTableWidget;
class Services;
struct PreparedQuoteDocument;
struct ProgramState;

// The language a quote prints in as its own speakers name it, as the language menu names the
// variants: "Français", "Deutsch"; "English" for both US variants.
QString quoteLanguageName(VariantId variant);

class QuoteWindow : public QWidget {
  Q_OBJECT

 public:
  QuoteWindow(ProgramState& state, Services& services, HMeny& main);
  ~QuoteWindow() override;

  // A new, empty quote in place of the one shown, once the user may set that one aside.
  bool newQuote();
  // A quote read from its file, to be changed and saved there again.
  bool openQuote(const Quote& quote, const QString& file);
  // File > Open of a quote file: asks for the file, then as openQuoteFile.
  void openFile();
  // Reads the file and shows it; a plain configuration becomes a quote of one position.
  bool openQuoteFile(const QString& file);
  // A quote as the register holds it: read-only, with its lists and its issue date, printed as
  // it was issued.
  bool showIssued(const Quote& quote, const std::vector<OrderingList>& lists);
  // A quote priced anew (a copy of an issued one at today's prices): it keeps its number and is
  // issued again as a new revision when it is next printed, exported or saved.
  bool openRepriced(const Quote& quote);

  // ---- Positions
  // The main window's configuration, once it is finished, as a new position; refused with the
  // main window's own message when it is not, as printing would be.
  void addCurrentConfiguration();
  // The selected position takes the main window's finished configuration.
  void replaceWithCurrentConfiguration();
  // The selected position's configuration into the main window's steps, as File > Open puts a
  // file's there.
  void openInSteps();
  void removePosition();
  void movePosition(int step);  // -1 up, +1 down
  // The selected position, from 0; -1 for none.
  int selectedPosition() const;
  void selectPosition(int index);

  // ---- Output and files
  void printQuote();
  void printPreview();
  void exportPdf();
  bool save();
  bool saveAs();
  // Before the quote is set aside (closing, a new quote, another quote opened): asks Save /
  // Discard / Cancel when it has changes its file does not hold. True when the caller may go on.
  bool mayDiscard();

  const Quote& quote() const { return quote_; }
  const QString& file() const { return file_; }
  bool readOnly() const { return readOnly_; }
  // Changes since the quote was opened, saved or issued.
  bool modified() const;

  // ---- Controls, public as the tests look at them
  QLineEdit* txtCompany = nullptr;
  QLineEdit* txtContact = nullptr;
  std::array<QLineEdit*, kQuoteAddressLines> txtAddress{};
  QLineEdit* txtCustomerReference = nullptr;
  QLineEdit* txtOurReference = nullptr;
  QSpinBox* spnValidity = nullptr;
  QLabel* lblValidUntil = nullptr;
  QPlainTextEdit* txtNote = nullptr;
  QLabel* lblNumber = nullptr;
  QComboBox* cboLanguage = nullptr;
  QTableWidget* tblPositions = nullptr;
  QSpinBox* spnQuantity = nullptr;
  QLineEdit* txtPositionNote = nullptr;
  QLabel* lblTotal = nullptr;
  QPushButton *cmdAdd = nullptr, *cmdReplace = nullptr, *cmdOpenInSteps = nullptr;
  QPushButton *cmdRemove = nullptr, *cmdUp = nullptr, *cmdDown = nullptr;
  QPushButton *cmdOpen = nullptr, *cmdSave = nullptr, *cmdSaveAs = nullptr;
  QPushButton *cmdPrint = nullptr, *cmdPreview = nullptr, *cmdExportPdf = nullptr;
  QPushButton* cmdClose = nullptr;

 protected:
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void build();
  void retranslate();
  // The quote shown anew: header, language, positions, buttons.
  void showQuote();
  void showHeader();
  void showLanguages();
  void showPositions();
  void showSelection();
  void updateValidUntil();
  void updateTitle();
  void updateButtons();
  // The header's fields into the quote, as they are typed.
  void takeHeader();
  // The market of the quote: its positions', or the main window's before it has any.
  QuoteMarket market() const;
  // The main window's finished configuration, or none when it is not finished or cannot take
  // its place in this quote (the user has been told).
  std::optional<Configuration> finishedConfiguration(bool replacing);
  // Positions with their prices in the quote's language, where the parts data can price them.
  void refreshPrices();
  const PartsData* partsFor(VariantId variant);

  // Output: the document prepared, the quote issued first (not when read-only), then drawn.
  bool readyForOutput();
  std::unique_ptr<PreparedQuoteDocument> prepare();
  bool issue(PreparedQuoteDocument& document);
  bool paint(QPrinter& printer, const PreparedQuoteDocument& document);
  bool paintToFile(QPrinter& printer, const PreparedQuoteDocument& document);
  void tellMissingPictures(const PreparedQuoteDocument& document);
  QString suggestedName(const QString& extension) const;

  bool writeTo(const QString& file);
  void attach(const QString& file);
  void problem(const Problem& problem, const QString& lead);

  ProgramState& state_;
  Services& services_;
  HMeny& main_;
  Quote quote_;
  Quote saved_;   // as last opened, saved or issued
  QString file_;  // where Save writes; empty before the first Save As
  bool readOnly_ = false;
  bool repriced_ = false;
  std::optional<std::vector<OrderingList>> issuedLists_;  // a quote shown as issued
  QLabel *lblCompany_ = nullptr, *lblContact_ = nullptr, *lblAddress_ = nullptr;
  QLabel *lblCustomerReference_ = nullptr, *lblOurReference_ = nullptr, *lblValidity_ = nullptr;
  QLabel *lblLanguage_ = nullptr, *lblNumberCaption_ = nullptr, *lblNote_ = nullptr;
  QLabel *lblPositions_ = nullptr, *lblQuantity_ = nullptr, *lblPositionNote_ = nullptr;
  bool showing_ = false;  // the window sets its controls: their signals are no user's
  std::map<VariantId, std::unique_ptr<PartsData>> parts_;  // priced in, by the quote's language
  std::optional<PricedQuote> priced_;                      // the positions at the prices shown
};
