// The quote window: its form, its positions, and the output and files of the quote it shows.
#include "quotes/quote_window.h"

#include <QAction>
#include <QApplication>
#include <QBoxLayout>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QPaintEngine>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTableWidget>
#include <algorithm>
#include <exception>

#include "common/file_access.h"
#include "common/number_format.h"
#include "configurator/recent_files.h"
#include "data/parts_loader.h"
#include "main_window/hmeny.h"
#include "page/page_pdf.h"
#include "quote/quote_document.h"
#include "quotes/quote_file.h"
#include "quotes/quote_printing.h"
#include "quotes/quote_register.h"
#include "startup/program_state.h"
#include "widgets/busy_cursor.h"
#include "widgets/services.h"
#include "widgets/window_placement.h"

namespace {

enum Column { ColNumber, ColQuantity, ColModel, ColNote, ColUnitNet, ColLineNet, ColCount };

QString marketName(QuoteMarket market) {
  switch (market) {
    case QuoteMarket::UsMetric:
      return QCoreApplication::translate("QuoteWindow", "US metric");
    case QuoteMarket::UsImperial:
      return QCoreApplication::translate("QuoteWindow", "US imperial");
    case QuoteMarket::European:
      break;
  }
  return QCoreApplication::translate("QuoteWindow", "European");
}

// As the ordering list and the printed quote state amounts.
QString amount(double value) {
  return FormatNumber(value, kPricePattern);
}

QString dateText(const QDate& date) {
  return QLocale().toString(date, QLocale::ShortFormat);
}

QStringList quoteFilter() {
  return {QCoreApplication::translate("QuoteWindow", "Telmaris quotes (*.telmaris)")};
}

QString documentsFolder() {
  QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  if (folder.isEmpty() || !QDir(folder).exists()) folder = QDir::homePath();
  return folder;
}

QLabel* buddyLabel(const QString& text, QWidget* buddy) {
  auto* label = new QLabel(text);
  label->setBuddy(buddy);
  return label;
}

}  // namespace

QString quoteLanguageName(VariantId variant) {
  const QString code = languageCode(variant);
  if (code == QLatin1String("fr")) return QStringLiteral("Fran\u00e7ais");
  if (code == QLatin1String("es")) return QStringLiteral("Espa\u00f1ol");
  if (code == QLatin1String("pt")) return QStringLiteral("Portugu\u00eas");
  if (code == QLatin1String("it")) return QStringLiteral("Italiano");
  if (code == QLatin1String("de")) return QStringLiteral("Deutsch");
  return QStringLiteral("English");
}

QuoteWindow::QuoteWindow(ProgramState& state, Services& services, HMeny& main)
    : QWidget(nullptr, Qt::Window), state_(state), services_(services), main_(main) {
  setObjectName(QStringLiteral("QuoteWindow"));
  quote_.madeAsQuote = true;
  saved_ = quote_;
  build();
  retranslate();
  showQuote();
  // Within a screen of 1024 x 768 with its frame and a panel, at the lower right of the free
  // area, so that the main window's title and menus stay in sight where the screen is larger.
  const QRect area = availableAreaOf(&main_);
  resize(std::min(980, area.width() - 16), std::min(680, area.height() - 48));
  placeFrame(
      this, [this](const QSize& frame) { return frameAtLowerRight(availableAreaOf(this), frame); },
      &main_);
}

QuoteWindow::~QuoteWindow() = default;

void QuoteWindow::build() {
  auto* menuBar = new QMenuBar(this);
  QMenu* fileMenu = menuBar->addMenu(QString());
  fileMenu->setObjectName(QStringLiteral("mnuQuoteFile"));
  auto action = [this, fileMenu](const char* name, auto slot, const QKeySequence& shortcut = {}) {
    QAction* a = fileMenu->addAction(QString());
    a->setObjectName(QString::fromLatin1(name));
    a->setShortcut(shortcut);
    connect(a, &QAction::triggered, this, slot);
    return a;
  };
  action(
      "actOpen", [this] { openFile(); }, QKeySequence::Open);
  action(
      "actSave", [this] { save(); }, QKeySequence::Save);
  action(
      "actSaveAs", [this] { saveAs(); }, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
  fileMenu->addSeparator();
  action(
      "actPrint", [this] { printQuote(); }, QKeySequence::Print);
  action("actPreview", [this] { printPreview(); });
  action("actExportPdf", [this] { exportPdf(); });
  fileMenu->addSeparator();
  action(
      "actClose", [this] { close(); }, QKeySequence(Qt::CTRL | Qt::Key_W));

  // The header: whom the quote is for on the left, our side and its terms on the right.
  txtCompany = new QLineEdit;
  txtContact = new QLineEdit;
  for (QLineEdit*& line : txtAddress) line = new QLineEdit;
  txtCustomerReference = new QLineEdit;
  txtOurReference = new QLineEdit;
  spnValidity = new QSpinBox;
  spnValidity->setRange(1, kMaxValidityDays);
  lblValidUntil = new QLabel;
  cboLanguage = new QComboBox;
  lblNumber = new QLabel;
  lblNumber->setTextInteractionFlags(Qt::TextSelectableByMouse);
  txtNote = new QPlainTextEdit;
  txtNote->setTabChangesFocus(true);
  txtNote->setFixedHeight(txtNote->fontMetrics().lineSpacing() * 3 + 12);
  const QList<QLineEdit*> lines{txtCompany,           txtContact,     txtAddress[0],
                                txtAddress[1],        txtAddress[2],  txtAddress[3],
                                txtCustomerReference, txtOurReference};
  for (QLineEdit* line : lines) {
    line->setMaxLength(kMaxQuoteLineText);
    connect(line, &QLineEdit::textEdited, this, [this] { takeHeader(); });
  }
  connect(spnValidity, &QSpinBox::valueChanged, this, [this] { takeHeader(); });
  connect(txtNote, &QPlainTextEdit::textChanged, this, [this] {
    if (showing_) return;
    // The note takes no more than a quote may hold.
    if (txtNote->toPlainText().size() > kMaxQuoteNoteText) {
      QTextCursor cursor = txtNote->textCursor();
      const int at = cursor.position();
      txtNote->setPlainText(txtNote->toPlainText().left(kMaxQuoteNoteText));
      cursor.setPosition(std::min(at, kMaxQuoteNoteText));
      txtNote->setTextCursor(cursor);
    }
    takeHeader();
  });
  connect(cboLanguage, &QComboBox::currentIndexChanged, this, [this] {
    if (showing_) return;
    const QVariant chosen = cboLanguage->currentData();
    quote_.language = chosen.isValid()
                          ? std::optional<VariantId>(static_cast<VariantId>(chosen.toInt()))
                          : std::nullopt;
    refreshPrices();
    updateTitle();
  });

  auto* customer = new QFormLayout;
  lblCompany_ = buddyLabel(QString(), txtCompany);
  lblContact_ = buddyLabel(QString(), txtContact);
  lblAddress_ = buddyLabel(QString(), txtAddress[0]);
  customer->addRow(lblCompany_, txtCompany);
  customer->addRow(lblContact_, txtContact);
  customer->addRow(lblAddress_, txtAddress[0]);
  for (int i = 1; i < kQuoteAddressLines; ++i) customer->addRow(QString(), txtAddress[i]);

  auto* ours = new QFormLayout;
  lblCustomerReference_ = buddyLabel(QString(), txtCustomerReference);
  lblOurReference_ = buddyLabel(QString(), txtOurReference);
  lblValidity_ = buddyLabel(QString(), spnValidity);
  lblLanguage_ = buddyLabel(QString(), cboLanguage);
  lblNumberCaption_ = new QLabel;
  lblNote_ = buddyLabel(QString(), txtNote);
  auto* validity = new QHBoxLayout;
  validity->addWidget(spnValidity);
  validity->addWidget(lblValidUntil, 1);
  ours->addRow(lblCustomerReference_, txtCustomerReference);
  ours->addRow(lblOurReference_, txtOurReference);
  ours->addRow(lblValidity_, validity);
  ours->addRow(lblLanguage_, cboLanguage);
  ours->addRow(lblNumberCaption_, lblNumber);

  auto* header = new QHBoxLayout;
  header->addLayout(customer, 1);
  header->addSpacing(12);
  header->addLayout(ours, 1);
  auto* note = new QHBoxLayout;
  note->addWidget(lblNote_);
  note->addWidget(txtNote, 1);

  // The positions, with what is done to them beside the table and the selected one's quantity
  // and note below it.
  tblPositions = new QTableWidget(0, ColCount);
  tblPositions->setObjectName(QStringLiteral("tblPositions"));
  tblPositions->setSelectionBehavior(QAbstractItemView::SelectRows);
  tblPositions->setSelectionMode(QAbstractItemView::SingleSelection);
  tblPositions->setEditTriggers(QAbstractItemView::NoEditTriggers);
  tblPositions->setTabKeyNavigation(false);
  tblPositions->verticalHeader()->hide();
  tblPositions->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  tblPositions->horizontalHeader()->setSectionResizeMode(ColNote, QHeaderView::Stretch);
  tblPositions->horizontalHeader()->setSectionResizeMode(ColModel, QHeaderView::Stretch);
  connect(tblPositions, &QTableWidget::currentCellChanged, this, [this] { showSelection(); });
  lblPositions_ = buddyLabel(QString(), tblPositions);
  spnQuantity = new QSpinBox;
  spnQuantity->setRange(1, kMaxQuoteQuantity);
  txtPositionNote = new QLineEdit;
  txtPositionNote->setMaxLength(kMaxQuoteNoteText);
  lblQuantity_ = buddyLabel(QString(), spnQuantity);
  lblPositionNote_ = buddyLabel(QString(), txtPositionNote);
  connect(spnQuantity, &QSpinBox::valueChanged, this, [this](int value) {
    const int i = selectedPosition();
    if (showing_ || i < 0 || quote_.positions[static_cast<std::size_t>(i)].quantity == value)
      return;
    quote_.positions[static_cast<std::size_t>(i)].quantity = value;
    refreshPrices();
  });
  connect(txtPositionNote, &QLineEdit::textEdited, this, [this](const QString& text) {
    const int i = selectedPosition();
    if (showing_ || i < 0) return;
    quote_.positions[static_cast<std::size_t>(i)].note = text;
    if (QTableWidgetItem* item = tblPositions->item(i, ColNote)) item->setText(text);
    updateTitle();
  });

  auto button = [this](const char* name, auto slot) {
    auto* b = new QPushButton;
    b->setObjectName(QString::fromLatin1(name));
    connect(b, &QPushButton::clicked, this, slot);
    return b;
  };
  cmdAdd = button("cmdAdd", [this] { addCurrentConfiguration(); });
  cmdReplace = button("cmdReplace", [this] { replaceWithCurrentConfiguration(); });
  cmdOpenInSteps = button("cmdOpenInSteps", [this] { openInSteps(); });
  cmdRemove = button("cmdRemove", [this] { removePosition(); });
  cmdUp = button("cmdUp", [this] { movePosition(-1); });
  cmdDown = button("cmdDown", [this] { movePosition(1); });
  cmdOpen = button("cmdOpen", [this] { openFile(); });
  cmdSave = button("cmdSave", [this] { save(); });
  cmdSaveAs = button("cmdSaveAs", [this] { saveAs(); });
  cmdPrint = button("cmdPrint", [this] { printQuote(); });
  cmdPreview = button("cmdPreview", [this] { printPreview(); });
  cmdExportPdf = button("cmdExportPdf", [this] { exportPdf(); });
  cmdClose = button("cmdClose", [this] { close(); });
  // The long caption of Replace wraps rather than widening the window.
  cmdReplace->setMinimumWidth(1);

  auto* side = new QVBoxLayout;
  for (QPushButton* b : {cmdAdd, cmdReplace, cmdOpenInSteps, cmdRemove, cmdUp, cmdDown})
    side->addWidget(b);
  side->addStretch(1);
  auto* selected = new QHBoxLayout;
  selected->addWidget(lblQuantity_);
  selected->addWidget(spnQuantity);
  selected->addSpacing(12);
  selected->addWidget(lblPositionNote_);
  selected->addWidget(txtPositionNote, 1);
  auto* tableColumn = new QVBoxLayout;
  tableColumn->addWidget(lblPositions_);
  tableColumn->addWidget(tblPositions, 1);
  tableColumn->addLayout(selected);
  lblTotal = new QLabel;
  lblTotal->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  tableColumn->addWidget(lblTotal);
  auto* positions = new QHBoxLayout;
  positions->addLayout(tableColumn, 1);
  positions->addLayout(side);

  auto* bottom = new QHBoxLayout;
  for (QPushButton* b : {cmdOpen, cmdSave, cmdSaveAs}) bottom->addWidget(b);
  bottom->addStretch(1);
  for (QPushButton* b : {cmdPrint, cmdPreview, cmdExportPdf, cmdClose}) bottom->addWidget(b);

  auto* page = new QVBoxLayout(this);
  page->setMenuBar(menuBar);
  page->addLayout(header);
  page->addLayout(note);
  page->addLayout(positions, 1);
  page->addLayout(bottom);

  // Through the form as it reads, then the positions and what is done to them, then the
  // quote's output.
  QWidget* order[] = {txtCompany,
                      txtContact,
                      txtAddress[0],
                      txtAddress[1],
                      txtAddress[2],
                      txtAddress[3],
                      txtCustomerReference,
                      txtOurReference,
                      spnValidity,
                      cboLanguage,
                      txtNote,
                      tblPositions,
                      spnQuantity,
                      txtPositionNote,
                      cmdAdd,
                      cmdReplace,
                      cmdOpenInSteps,
                      cmdRemove,
                      cmdUp,
                      cmdDown,
                      cmdOpen,
                      cmdSave,
                      cmdSaveAs,
                      cmdPrint,
                      cmdPreview,
                      cmdExportPdf,
                      cmdClose};
  for (std::size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);
}

void QuoteWindow::retranslate() {
  // Each access key once in the window: the File menu has F, the fields and the buttons beside
  // the positions the others; the buttons at the foot repeat the menu's commands, which have
  // their shortcuts.
  auto* menu = findChild<QMenu*>(QStringLiteral("mnuQuoteFile"));
  menu->setTitle(tr("&File"));
  const auto setText = [this](const char* name, const QString& text) {
    findChild<QAction*>(QString::fromLatin1(name))->setText(text);
  };
  setText("actOpen", tr("&Open Quote..."));
  setText("actSave", tr("&Save"));
  setText("actSaveAs", tr("Save &As..."));
  setText("actPrint", tr("&Print..."));
  setText("actPreview", tr("Print Previe&w..."));
  setText("actExportPdf", tr("Export as P&DF..."));
  setText("actClose", tr("&Close"));
  lblCompany_->setText(tr("&Company:"));
  lblContact_->setText(tr("Con&tact:"));
  lblAddress_->setText(tr("A&ddress:"));
  lblCustomerReference_->setText(tr("C&ustomer's reference:"));
  lblOurReference_->setText(tr("&Our reference:"));
  lblValidity_->setText(tr("&Valid for:"));
  spnValidity->setSuffix(tr(" days"));
  lblLanguage_->setText(tr("&Language:"));
  lblNumberCaption_->setText(tr("Quote number:"));
  lblNote_->setText(tr("&Note:"));
  lblPositions_->setText(tr("Pos&itions:"));
  lblQuantity_->setText(tr("&Quantity:"));
  lblPositionNote_->setText(tr("Position not&e:"));
  tblPositions->setHorizontalHeaderLabels(
      {tr("Pos."), tr("Quantity"), tr("Model"), tr("Note"), tr("Unit net"), tr("Line net")});
  txtCompany->setPlaceholderText(tr("The customer's company"));
  txtNote->setPlaceholderText(tr("Payment, delivery"));
  cmdAdd->setText(tr("&Add current configuration"));
  cmdAdd->setToolTip(
      tr("The configuration of the main window's steps, once it is finished, as "
         "a new position"));
  cmdOpenInSteps->setText(tr("Open in t&he steps"));
  cmdOpenInSteps->setToolTip(
      tr("The selected position's configuration into the main window's steps, to change it"));
  cmdRemove->setText(tr("Re&move"));
  cmdUp->setText(tr("Move u&p"));
  cmdDown->setText(tr("Move do&wn"));
  cmdOpen->setText(tr("Open Quote..."));
  cmdSave->setText(tr("Save"));
  cmdSaveAs->setText(tr("Save As..."));
  cmdPrint->setText(tr("Print..."));
  cmdPreview->setText(tr("Print Preview..."));
  cmdExportPdf->setText(tr("Export as PDF..."));
  cmdClose->setText(tr("Close"));
  cmdSave->setToolTip(tr("Ctrl+S"));
  cmdSaveAs->setToolTip(tr("Ctrl+Shift+S"));
  cmdPrint->setToolTip(tr("Ctrl+P"));
  cmdOpen->setToolTip(tr("Ctrl+O"));
  // The texts the window makes itself, in the new language; the prices stay as they were.
  if (!showing_) {
    showing_ = true;
    showHeader();
    showing_ = false;
    showPositions();
  }
}

// ---- Showing the quote

void QuoteWindow::showQuote() {
  parts_.clear();  // another quote: the prices as they are now
  showing_ = true;
  showHeader();
  showLanguages();
  showing_ = false;
  refreshPrices();
}

void QuoteWindow::showHeader() {
  const QuoteHeader& h = quote_.header;
  const auto set = [](QLineEdit* line, const QString& text) {
    if (line->text() != text) line->setText(text);
  };
  set(txtCompany, h.company);
  set(txtContact, h.contact);
  for (int i = 0; i < kQuoteAddressLines; ++i)
    set(txtAddress[static_cast<std::size_t>(i)], h.address[static_cast<std::size_t>(i)]);
  set(txtCustomerReference, h.customerReference);
  set(txtOurReference, h.ourReference);
  if (spnValidity->value() != h.validityDays) spnValidity->setValue(h.validityDays);
  if (txtNote->toPlainText() != h.note) txtNote->setPlainText(h.note);
  if (h.number.isEmpty()) {
    lblNumber->setText(
        tr("not issued yet: it is numbered when it is first printed, exported or saved"));
  } else if (readOnly_) {
    lblNumber->setText(tr("%1 of %2, as issued (read-only)").arg(h.number, dateText(h.date)));
  } else if (repriced_) {
    lblNumber->setText(tr("%1 of %2, at today's prices: issued again when it is next printed, "
                          "exported or saved")
                           .arg(h.number, dateText(h.date)));
  } else {
    lblNumber->setText(
        tr("%1 of %2").arg(h.number, h.date.isValid() ? dateText(h.date) : QString()));
  }
  lblNumber->setWordWrap(true);
  for (QLineEdit* line : findChildren<QLineEdit*>()) line->setReadOnly(readOnly_);
  txtNote->setReadOnly(readOnly_);
  spnValidity->setReadOnly(readOnly_);
  spnQuantity->setReadOnly(readOnly_);
  updateValidUntil();
}

void QuoteWindow::updateValidUntil() {
  const QDate issued = quote_.header.date.isValid() ? quote_.header.date : services_.today();
  lblValidUntil->setText(tr("until %1").arg(dateText(quote_.header.validUntil(issued))));
}

QuoteMarket QuoteWindow::market() const {
  if (!quote_.positions.empty()) return quote_.market();
  const std::optional<VariantId> variant = main_.configurator().variant();
  return marketOf(variant.value_or(VariantId::EnglishEuropean));
}

void QuoteWindow::showLanguages() {
  const bool was = std::exchange(showing_, true);
  cboLanguage->clear();
  const QuoteMarket m = market();
  for (VariantId v : quoteVariants(m))
    cboLanguage->addItem(quoteLanguageName(v), static_cast<int>(v));
  const VariantId shown = quote_.positions.empty()
                              ? quote_.language.value_or(quoteVariants(m).front())
                              : quote_.printVariant();
  cboLanguage->setCurrentIndex(std::max(0, cboLanguage->findData(static_cast<int>(shown))));
  cboLanguage->setToolTip(tr("The languages of the %1 price list").arg(marketName(m)));
  cboLanguage->setEnabled(!readOnly_ && cboLanguage->count() > 1);
  showing_ = was;
}

void QuoteWindow::showPositions() {
  const bool was = std::exchange(showing_, true);
  const int selected = selectedPosition();
  tblPositions->setRowCount(static_cast<int>(quote_.positions.size()));
  for (std::size_t i = 0; i < quote_.positions.size(); ++i) {
    const QuotePosition& p = quote_.positions[i];
    const int row = static_cast<int>(i);
    const PricedPosition* priced =
        priced_ && i < priced_->positions.size() ? &priced_->positions[i] : nullptr;
    QString model = p.configuration.model;
    if (!p.configuration.liftHeight.isEmpty())
      model += (isImperialVariant(p.configuration.variant) ? tr(", lift %1 ft") : tr(", lift %1 m"))
                   .arg(p.configuration.liftHeight);
    const QString cells[ColCount] = {QString::number(i + 1),
                                     QString::number(p.quantity),
                                     model,
                                     p.note,
                                     priced ? amount(priced->unitNet()) : QString(),
                                     priced ? amount(priced->lineNet()) : QString()};
    for (int c = 0; c < ColCount; ++c) {
      QTableWidgetItem* item = tblPositions->item(row, c);
      if (!item) {
        item = new QTableWidgetItem;
        tblPositions->setItem(row, c, item);
      }
      item->setText(cells[c]);
      if (c == ColQuantity || c == ColUnitNet || c == ColLineNet || c == ColNumber)
        item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
      if (c == ColModel && priced) item->setToolTip(priced->description);
    }
  }
  if (priced_)
    lblTotal->setText(tr("Net total: %1").arg(amount(priced_->net)));
  else
    lblTotal->setText(quote_.positions.empty()
                          ? tr("No position yet: configure a hoist in the main window, then "
                               "Add current configuration.")
                          : QString());
  const int rows = tblPositions->rowCount();
  if (rows > 0)
    tblPositions->setCurrentCell(
        std::clamp(selected, 0, rows - 1),
        tblPositions->currentColumn() < 0 ? 0 : tblPositions->currentColumn());
  showing_ = was;
  showSelection();
  updateTitle();
}

void QuoteWindow::showSelection() {
  const int i = selectedPosition();
  const bool was = std::exchange(showing_, true);
  if (i >= 0) {
    const QuotePosition& p = quote_.positions[static_cast<std::size_t>(i)];
    if (spnQuantity->value() != p.quantity) spnQuantity->setValue(p.quantity);
    if (txtPositionNote->text() != p.note) txtPositionNote->setText(p.note);
    cmdReplace->setText(tr("&Replace position %1 with the current configuration").arg(i + 1));
  } else {
    spnQuantity->setValue(1);
    txtPositionNote->clear();
    cmdReplace->setText(tr("&Replace position with the current configuration"));
  }
  showing_ = was;
  updateButtons();
}

void QuoteWindow::updateButtons() {
  const int i = selectedPosition();
  const int count = static_cast<int>(quote_.positions.size());
  const bool editable = !readOnly_;
  cmdAdd->setEnabled(editable && count < kMaxQuotePositions);
  cmdReplace->setEnabled(editable && i >= 0);
  cmdOpenInSteps->setEnabled(i >= 0);
  cmdRemove->setEnabled(editable && i >= 0);
  cmdUp->setEnabled(editable && i > 0);
  cmdDown->setEnabled(editable && i >= 0 && i + 1 < count);
  spnQuantity->setEnabled(i >= 0);
  txtPositionNote->setEnabled(i >= 0);
  cmdSave->setEnabled(editable);
  cmdSaveAs->setEnabled(editable);
  for (const char* name : {"actSave", "actSaveAs"})
    findChild<QAction*>(QString::fromLatin1(name))->setEnabled(editable);
  const bool output = count > 0;
  for (QPushButton* b : {cmdPrint, cmdPreview, cmdExportPdf}) b->setEnabled(output);
  for (const char* name : {"actPrint", "actPreview", "actExportPdf"})
    findChild<QAction*>(QString::fromLatin1(name))->setEnabled(output);
}

void QuoteWindow::updateTitle() {
  QString title =
      quote_.header.number.isEmpty() ? tr("New quote") : tr("Quote %1").arg(quote_.header.number);
  if (!file_.isEmpty()) title += QStringLiteral(" - ") + QFileInfo(file_).fileName();
  if (modified()) title += QStringLiteral(" *");
  setWindowTitle(title);
}

void QuoteWindow::takeHeader() {
  if (showing_ || readOnly_) return;
  QuoteHeader& h = quote_.header;
  h.company = txtCompany->text();
  h.contact = txtContact->text();
  for (std::size_t i = 0; i < txtAddress.size(); ++i) h.address[i] = txtAddress[i]->text();
  h.customerReference = txtCustomerReference->text();
  h.ourReference = txtOurReference->text();
  h.validityDays = spnValidity->value();
  h.note = txtNote->toPlainText();
  updateValidUntil();
  updateTitle();
}

bool QuoteWindow::modified() const {
  return !readOnly_ && quote_ != saved_;
}

int QuoteWindow::selectedPosition() const {
  const int row = tblPositions->currentRow();
  return row >= 0 && row < static_cast<int>(quote_.positions.size()) ? row : -1;
}

void QuoteWindow::selectPosition(int index) {
  tblPositions->setCurrentCell(index, 0);
  showSelection();
}

const PartsData* QuoteWindow::partsFor(VariantId variant) {
  auto found = parts_.find(variant);
  if (found != parts_.end()) return found->second.get();
  auto loaded = std::make_unique<PartsData>();
  loadPartsDatabase(state_.Directory.database(), variantOf(variant).languageKey, *loaded);
  return parts_.emplace(variant, std::move(loaded)).first->second.get();
}

void QuoteWindow::refreshPrices() {
  priced_.reset();
  if (!quote_.positions.empty()) {
    try {
      if (issuedLists_) {
        priced_ = pricedWithLists(quote_, *partsFor(quote_.printVariant()), *issuedLists_);
      } else {
        priced_ = priceQuote(quote_, *partsFor(quote_.printVariant()));
      }
    } catch (const std::exception&) {
      // The prices are shown where they can be; printing says what stops them.
      priced_.reset();
    }
  }
  showPositions();
}

// ---- Positions

std::optional<Configuration> QuoteWindow::finishedConfiguration(bool replacing) {
  const std::optional<Configuration> c = main_.finishedConfiguration();
  if (!c) {
    // The main window said why; the user goes on there.
    main_.activateWindow();
    return std::nullopt;
  }
  const bool onlyPosition = replacing && quote_.positions.size() == 1;
  if (!quote_.positions.empty() && !onlyPosition && marketOf(c->variant) != quote_.market()) {
    services_.message(
        this,
        tr("This quote is made from the %1 price list, and the configuration in the main window "
           "from the %2 one. A quote holds the positions of one price list only: make a new "
           "quote for this configuration.")
            .arg(marketName(quote_.market()), marketName(marketOf(c->variant))),
        kDefaultMessageTitle, MsgIcon::Warning);
    return std::nullopt;
  }
  return c;
}

void QuoteWindow::addCurrentConfiguration() {
  if (readOnly_) return;
  if (quote_.positions.size() >= static_cast<std::size_t>(kMaxQuotePositions)) {
    services_.message(this, tr("A quote holds at most %1 positions.").arg(kMaxQuotePositions),
                      kDefaultMessageTitle, MsgIcon::Warning);
    return;
  }
  const std::optional<Configuration> c = finishedConfiguration(false);
  if (!c) return;
  if (quote_.positions.empty() && quote_.language &&
      marketOf(*quote_.language) != marketOf(c->variant))
    quote_.language.reset();
  QuotePosition position;
  position.configuration = *c;
  quote_.positions.push_back(position);
  main_.keptInQuote(*c);
  showLanguages();
  tblPositions->setRowCount(static_cast<int>(quote_.positions.size()));
  tblPositions->setCurrentCell(tblPositions->rowCount() - 1, 0);
  refreshPrices();
  raise();
  activateWindow();
}

void QuoteWindow::replaceWithCurrentConfiguration() {
  const int i = selectedPosition();
  if (readOnly_ || i < 0) return;
  const std::optional<Configuration> c = finishedConfiguration(true);
  if (!c) return;
  quote_.positions[static_cast<std::size_t>(i)].configuration = *c;
  main_.keptInQuote(*c);
  if (quote_.language && marketOf(*quote_.language) != marketOf(c->variant))
    quote_.language.reset();
  showLanguages();
  refreshPrices();
  raise();
  activateWindow();
}

void QuoteWindow::openInSteps() {
  const int i = selectedPosition();
  if (i < 0) return;
  main_.openInSteps(quote_.positions[static_cast<std::size_t>(i)].configuration);
}

void QuoteWindow::removePosition() {
  const int i = selectedPosition();
  if (readOnly_ || i < 0) return;
  quote_.positions.erase(quote_.positions.begin() + i);
  if (quote_.positions.empty()) quote_.language.reset();
  showLanguages();
  tblPositions->setRowCount(static_cast<int>(quote_.positions.size()));
  if (!quote_.positions.empty())
    tblPositions->setCurrentCell(std::min(i, static_cast<int>(quote_.positions.size()) - 1), 0);
  refreshPrices();
}

void QuoteWindow::movePosition(int step) {
  const int i = selectedPosition();
  const int to = i + step;
  if (readOnly_ || i < 0 || to < 0 || to >= static_cast<int>(quote_.positions.size())) return;
  std::swap(quote_.positions[static_cast<std::size_t>(i)],
            quote_.positions[static_cast<std::size_t>(to)]);
  // The language follows the first position unless one was chosen: keep the one shown.
  if (!quote_.language && (i == 0 || to == 0))
    quote_.language = quote_.positions[static_cast<std::size_t>(to)].configuration.variant;
  tblPositions->setCurrentCell(
      to, tblPositions->currentColumn() < 0 ? 0 : tblPositions->currentColumn());
  refreshPrices();
  (step < 0 ? cmdUp : cmdDown)->setFocus();
  if (!(step < 0 ? cmdUp : cmdDown)->isEnabled()) tblPositions->setFocus();
}

// ---- Quotes set aside, opened and saved

bool QuoteWindow::mayDiscard() {
  if (!modified()) return true;
  const QString text =
      file_.isEmpty()
          ? tr("The quote has not been saved.\n\nDo you want to save it?")
          : tr("The quote %1 has changed since it was opened or saved.\n\nDo you want to save the "
               "changes?")
                .arg(QFileInfo(file_).fileName());
  const MsgAnswer answer = services_.message(this, text, kDefaultMessageTitle, MsgIcon::Question,
                                             MsgButtons::SaveDiscardCancel);
  if (answer == MsgAnswer::Save) return save();
  return answer == MsgAnswer::Discard;
}

bool QuoteWindow::newQuote() {
  if (!mayDiscard()) return false;
  quote_ = Quote{};
  quote_.madeAsQuote = true;
  saved_ = quote_;
  file_.clear();
  readOnly_ = false;
  repriced_ = false;
  issuedLists_.reset();
  showQuote();
  txtCompany->setFocus();
  return true;
}

bool QuoteWindow::openQuote(const Quote& quote, const QString& file) {
  if (!mayDiscard()) return false;
  quote_ = quote;
  quote_.madeAsQuote = true;
  saved_ = quote_;
  file_ = file.isEmpty() ? QString() : QFileInfo(file).absoluteFilePath();
  readOnly_ = false;
  repriced_ = false;
  issuedLists_.reset();
  showQuote();
  if (!file_.isEmpty()) {
    RecentFiles(services_.settingsFile()).add(file_);
    main_.refreshRecentMenu();
  }
  return true;
}

bool QuoteWindow::showIssued(const Quote& quote, const std::vector<OrderingList>& lists) {
  if (!mayDiscard()) return false;
  quote_ = quote;
  saved_ = quote_;
  file_.clear();
  readOnly_ = true;
  repriced_ = false;
  issuedLists_ = lists;
  showQuote();
  return true;
}

bool QuoteWindow::openRepriced(const Quote& quote) {
  if (!mayDiscard()) return false;
  quote_ = quote;
  quote_.madeAsQuote = true;
  // Never saved as it stands: closing it asks.
  saved_ = Quote{};
  file_.clear();
  readOnly_ = false;
  repriced_ = true;
  issuedLists_.reset();
  showQuote();
  return true;
}

void QuoteWindow::openFile() {
  const QString folder = file_.isEmpty() ? documentsFolder() : QFileInfo(file_).path();
  const QString file = services_.askOpenFileName(this, tr("Open quote"), quoteFilter(), folder);
  if (file.isEmpty()) return;
  openQuoteFile(file);
}

bool QuoteWindow::openQuoteFile(const QString& file) {
  try {
    // A file that cannot be read costs nothing: the question about the quote shown comes only
    // when there is another one to take its place.
    const Result<Quote> read = readQuoteFile(file);
    if (!read) {
      problem(read.problem(), tr("The quote cannot be opened."));
      return false;
    }
    // A plain configuration becomes a quote of one position; its file stays a configuration's,
    // so Save asks for a name rather than turn it into a quote file.
    return openQuote(*read, read->isQuote() ? file : QString());
  } catch (const Failure& e) {
    problem(e.problem(), tr("The quote cannot be opened."));
  } catch (const std::exception& e) {
    problem(unforeseenProblem(e, file), tr("The quote cannot be opened."));
  }
  return false;
}

bool QuoteWindow::save() {
  if (readOnly_) return false;
  if (file_.isEmpty()) return saveAs();
  return writeTo(file_);
}

bool QuoteWindow::saveAs() {
  if (readOnly_) return false;
  if (quote_.positions.empty()) {
    services_.message(this, tr("The quote has no position to save yet."), kDefaultMessageTitle,
                      MsgIcon::Warning);
    return false;
  }
  const QString suggested = file_.isEmpty() ? suggestedName(QStringLiteral("telmaris")) : file_;
  const QString file = services_.askSaveFileName(this, tr("Save quote"), quoteFilter(), suggested);
  if (file.isEmpty()) return false;
  return writeTo(file);
}

bool QuoteWindow::writeTo(const QString& file) {
  if (quote_.positions.empty()) {
    services_.message(this, tr("The quote has no position to save yet."), kDefaultMessageTitle,
                      MsgIcon::Warning);
    return false;
  }
  const QString lead = tr("The quote could not be saved.");
  try {
    // Saved the first time, the quote is issued: its file holds its number. A quote priced
    // anew is issued again as a revision of its number.
    if (quote_.header.number.isEmpty() || repriced_) {
      std::optional<PricedQuote> priced;
      {
        BusyCursor busy;
        priced = priceQuote(quote_, *partsFor(quote_.printVariant()));
      }
      const Quote issued =
          QuoteRegister::open(state_.Directory.quoteRegister()).issue(*priced, services_.today());
      quote_.header.number = issued.header.number;
      quote_.header.date = issued.header.date;
      repriced_ = false;
    }
    // Whole or not at all: a save that fails leaves the file as it was.
    writeFileWhole(file, writeQuote(quote_));
    attach(file);
    saved_ = quote_;
    showHeader();
    updateTitle();
    return true;
  } catch (const Failure& e) {
    problem(e.problem(), lead);
  } catch (const std::exception& e) {
    problem(unforeseenProblem(e, file), lead);
  }
  showHeader();
  updateTitle();
  return false;
}

void QuoteWindow::attach(const QString& file) {
  file_ = QFileInfo(file).absoluteFilePath();
  RecentFiles(services_.settingsFile()).add(file_);
  main_.refreshRecentMenu();
}

void QuoteWindow::problem(const Problem& p, const QString& lead) {
  showProblem(services_, this, p, state_.TextCatalogue, lead);
}

// ---- Output

bool QuoteWindow::readyForOutput() {
  if (!quote_.positions.empty()) return true;
  services_.message(this,
                    tr("The quote has no position yet. Configure a hoist in the main window, then "
                       "choose Add current configuration."),
                    kDefaultMessageTitle, MsgIcon::Warning);
  return false;
}

std::unique_ptr<PreparedQuoteDocument> QuoteWindow::prepare() {
  std::optional<Problem> failure;
  std::unique_ptr<PreparedQuoteDocument> document;
  {
    BusyCursor busy;
    try {
      document = std::make_unique<PreparedQuoteDocument>(
          prepareQuoteDocument(state_.Directory, quote_, issuedLists_));
    } catch (const Failure& e) {
      failure = e.problem();
    } catch (const std::exception& e) {
      failure = unforeseenProblem(e, state_.Directory.database(), Problem::Kind::Database);
    }
  }
  if (failure) problem(*failure, tr("The quote cannot be printed."));
  return document;
}

bool QuoteWindow::issue(PreparedQuoteDocument& document) {
  // A quote shown as issued prints as it was; any other is recorded first, and keeps its
  // number when nothing changed since it was issued.
  if (readOnly_) return true;
  try {
    const Quote issued = QuoteRegister::open(state_.Directory.quoteRegister())
                             .issue(document.priced, services_.today());
    quote_.header.number = issued.header.number;
    quote_.header.date = issued.header.date;
    document.priced.quote.header.number = issued.header.number;
    document.priced.quote.header.date = issued.header.date;
    repriced_ = false;
    // The file of the quote takes it as it was issued, number and date with it, so that the
    // file never holds a quote other than the one the register has under its number.
    if (!file_.isEmpty()) {
      try {
        writeFileWhole(file_, writeQuote(quote_));
        saved_ = quote_;
      } catch (const Failure& e) {
        problem(e.problem(), tr("The quote's number could not be written into its file."));
      }
    }
    showHeader();
    updateTitle();
    return true;
  } catch (const Failure& e) {
    problem(e.problem(), tr("The quote could not be recorded in the register of quotes, so it "
                            "has not been numbered or printed."));
  } catch (const std::exception& e) {
    problem(unforeseenProblem(e, state_.Directory.quoteRegister(), Problem::Kind::Database),
            tr("The quote could not be recorded in the register of quotes, so it has not been "
               "numbered or printed."));
  }
  return false;
}

bool QuoteWindow::paint(QPrinter& printer, const PreparedQuoteDocument& document) {
  return printQuoteDocument(printer, *document.data, document.priced, document.pictures,
                            document.priced.quote.header.date, document.labels);
}

bool QuoteWindow::paintToFile(QPrinter& printer, const PreparedQuoteDocument& document) {
  const QString file = printer.outputFileName();
  try {
    printPdfFileWhole(printer, file,
                      [this, &document](QPrinter& into) { return paint(into, document); });
    return true;
  } catch (const Failure& e) {
    problem(e.problem(), tr("The quote could not be written."));
  } catch (const std::exception& e) {
    problem(unforeseenProblem(e, file), tr("The quote could not be written."));
  }
  return false;
}

void QuoteWindow::tellMissingPictures(const PreparedQuoteDocument& document) {
  if (document.missingPictures.isEmpty()) return;
  services_.message(this,
                    missingPicturesText(document.missingPictures) + QStringLiteral("\n\n") +
                        tr("The rest of the quote is complete; with the files back in their "
                           "place the pictures are on it again."),
                    kDefaultMessageTitle, MsgIcon::Warning);
}

void QuoteWindow::printQuote() {
  if (!readyForOutput()) return;
  const std::optional<PrintRequest> request =
      services_.askPrint(this, suggestedName(QStringLiteral("pdf")));
  if (!request || !request->printer) return;  // cancelled: nothing printed, nothing issued
  QCoreApplication::processEvents();
  std::unique_ptr<PreparedQuoteDocument> document = prepare();
  if (!document || !issue(*document)) return;
  const int copies = std::max(1, request->copies);
  bool printed = true;
  {
    BusyCursor busy;
    for (int copy = 1; copy <= copies && printed; ++copy) {
      if (request->beforeCopy) request->beforeCopy(*request->printer, copy);
      printed = printerWritesFile(*request->printer) ? paintToFile(*request->printer, *document)
                                                     : paint(*request->printer, *document);
      if (!printed && !printerWritesFile(*request->printer)) {
        services_.message(this,
                          state_.TextCatalogue[Text::PrintingError] + QStringLiteral("\n\n") +
                              state_.TextCatalogue[Text::CheckThePrinter] + QStringLiteral("\n") +
                              state_.TextCatalogue[Text::TryAgain],
                          kDefaultMessageTitle, MsgIcon::Warning);
      }
    }
  }
  if (printed) tellMissingPictures(*document);
}

void QuoteWindow::printPreview() {
  if (!readyForOutput()) return;
  std::unique_ptr<PreparedQuoteDocument> document = prepare();
  if (!document) return;
  // Looking is not issuing: the preview shows the quote as it stands, a new one without a
  // number, and only printing from the preview issues it, as printing does.
  bool issued = false;
  services_.showPrintPreview(
      this, suggestedName(QStringLiteral("pdf")), [this, &document, &issued](QPrinter& printer) {
        const bool previewing =
            printer.paintEngine() && printer.paintEngine()->type() == QPaintEngine::Picture;
        if (!previewing && !issued) {
          if (!issue(*document)) return;
          issued = true;
        }
        BusyCursor busy;
        if (printerWritesFile(printer))
          paintToFile(printer, *document);
        else
          paint(printer, *document);
      });
  tellMissingPictures(*document);
}

void QuoteWindow::exportPdf() {
  if (!readyForOutput()) return;
  const QString file =
      services_.askSaveFileName(this, tr("Export as PDF"), {tr("PDF documents (*.pdf)")},
                                suggestedName(QStringLiteral("pdf")));
  if (file.isEmpty()) return;
  std::unique_ptr<PreparedQuoteDocument> document = prepare();
  if (!document || !issue(*document)) return;
  std::optional<Problem> failure;
  {
    BusyCursor busy;
    try {
      writeQuotePdf(file, *document->data, document->priced, document->pictures,
                    document->priced.quote.header.date, document->labels);
    } catch (const Failure& e) {
      failure = e.problem();
    } catch (const std::exception& e) {
      failure = unforeseenProblem(e, file);
    }
  }
  if (failure) {
    problem(*failure, tr("The quote could not be written."));
    return;
  }
  tellMissingPictures(*document);
}

QString QuoteWindow::suggestedName(const QString& extension) const {
  QString name = quote_.header.number.isEmpty() ? tr("Quote") : quote_.header.number;
  if (!quote_.header.company.isEmpty()) name += QLatin1Char(' ') + quote_.header.company;
  // No folder from a company's name: the characters a file name cannot hold become a dash.
  for (QChar& ch : name)
    if (QStringLiteral("/\\:*?\"<>|").contains(ch)) ch = QLatin1Char('-');
  return QDir(documentsFolder()).filePath(name + QLatin1Char('.') + extension);
}

// ---- Window events

void QuoteWindow::closeEvent(QCloseEvent* event) {
  if (!mayDiscard()) {
    event->ignore();
    return;
  }
  // Closed, the window starts its next quote empty.
  quote_ = Quote{};
  quote_.madeAsQuote = true;
  saved_ = quote_;
  file_.clear();
  readOnly_ = false;
  repriced_ = false;
  issuedLists_.reset();
  showQuote();
  event->accept();
}

void QuoteWindow::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::LanguageChange) retranslate();
  // Back in the window, the prices are read again: a price import may have changed them.
  if (event->type() == QEvent::ActivationChange && isActiveWindow() && !showing_) {
    parts_.clear();
    // An empty quote takes the price list of the main window, whose variant may have changed.
    if (quote_.positions.empty()) showLanguages();
    refreshPrices();
  }
}

void QuoteWindow::keyPressEvent(QKeyEvent* event) {
  // Escape closes the window (asking first about changes); Enter presses the focused button,
  // as it would in a dialog.
  if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
    close();
    event->accept();
    return;
  }
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    if (auto* button = qobject_cast<QPushButton*>(focusWidget()); button && button->isEnabled()) {
      button->click();
      event->accept();
      return;
    }
  }
  QWidget::keyPressEvent(event);
}
