// The register window: its list, its search, and the issued quotes opened or priced anew.
#include "quotes/register_window.h"

#include <QBoxLayout>
#include <QCoreApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTableWidget>
#include <exception>
#include <memory>

#include "common/number_format.h"
#include "configurator/ordering_list.h"
#include "data/parts_loader.h"
#include "main_window/hmeny.h"
#include "quotes/quote.h"
#include "quotes/quote_window.h"
#include "startup/program_state.h"
#include "widgets/busy_cursor.h"
#include "widgets/services.h"
#include "widgets/window_placement.h"

namespace {

enum Column {
  ColNumber,
  ColDate,
  ColCustomer,
  ColCustomerReference,
  ColOurReference,
  ColLanguage,
  ColNet,
  ColCount
};

}  // namespace

RegisterWindow::RegisterWindow(ProgramState& state, Services& services, HMeny& main)
    : QWidget(nullptr, Qt::Window), state_(state), services_(services), main_(main) {
  setObjectName(QStringLiteral("RegisterWindow"));
  txtSearch = new QLineEdit;
  txtSearch->setObjectName(QStringLiteral("txtSearch"));
  txtSearch->setClearButtonEnabled(true);
  txtSearch->installEventFilter(this);
  lblSearch_ = new QLabel;
  lblSearch_->setBuddy(txtSearch);
  connect(txtSearch, &QLineEdit::textChanged, this, [this] { refresh(); });

  tblQuotes = new QTableWidget(0, ColCount);
  tblQuotes->setObjectName(QStringLiteral("tblQuotes"));
  tblQuotes->setSelectionBehavior(QAbstractItemView::SelectRows);
  tblQuotes->setSelectionMode(QAbstractItemView::SingleSelection);
  tblQuotes->setEditTriggers(QAbstractItemView::NoEditTriggers);
  tblQuotes->setTabKeyNavigation(false);
  tblQuotes->verticalHeader()->hide();
  tblQuotes->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  tblQuotes->horizontalHeader()->setSectionResizeMode(ColCustomer, QHeaderView::Stretch);
  tblQuotes->installEventFilter(this);
  connect(tblQuotes, &QTableWidget::cellDoubleClicked, this, [this] { openSelected(); });

  cmdOpen = new QPushButton;
  cmdReprice = new QPushButton;
  cmdClose = new QPushButton;
  connect(cmdOpen, &QPushButton::clicked, this, [this] { openSelected(); });
  connect(cmdReprice, &QPushButton::clicked, this, [this] { repriceSelected(); });
  connect(cmdClose, &QPushButton::clicked, this, [this] { close(); });

  auto* search = new QHBoxLayout;
  search->addWidget(lblSearch_);
  search->addWidget(txtSearch, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(cmdOpen);
  buttons->addWidget(cmdReprice);
  buttons->addStretch(1);
  buttons->addWidget(cmdClose);
  auto* page = new QVBoxLayout(this);
  page->addLayout(search);
  page->addWidget(tblQuotes, 1);
  page->addLayout(buttons);
  setTabOrder(txtSearch, tblQuotes);
  setTabOrder(tblQuotes, cmdOpen);
  setTabOrder(cmdOpen, cmdReprice);
  setTabOrder(cmdReprice, cmdClose);

  retranslate();
  const QRect area = availableAreaOf(&main_);
  resize(std::min(900, area.width() - 16), std::min(560, area.height() - 40));
  placeFrame(
      this, [this](const QSize& frame) { return frameAtLowerRight(availableAreaOf(this), frame); },
      &main_);
}

void RegisterWindow::retranslate() {
  setWindowTitle(tr("Quote Register"));
  lblSearch_->setText(tr("&Search:"));
  txtSearch->setPlaceholderText(tr("Customer, reference or quote number"));
  tblQuotes->setHorizontalHeaderLabels({tr("Number"), tr("Date"), tr("Customer"),
                                        tr("Customer's reference"), tr("Our reference"),
                                        tr("Language"), tr("Net total")});
  cmdOpen->setText(tr("&Open as issued"));
  cmdReprice->setText(tr("&Reprice at today's prices"));
  cmdClose->setText(tr("Close"));
}

bool RegisterWindow::refresh() {
  std::optional<Problem> failure;
  {
    BusyCursor busy;
    try {
      shown_ = QuoteRegister::open(state_.Directory.quoteRegister()).list(txtSearch->text());
    } catch (const Failure& e) {
      failure = e.problem();
    } catch (const std::exception& e) {
      failure = unforeseenProblem(e, state_.Directory.quoteRegister(), Problem::Kind::Database);
    }
  }
  if (failure) {
    shown_.clear();
    showList();
    showProblem(services_, this, *failure, state_.TextCatalogue,
                tr("The register of quotes cannot be read."));
    return false;
  }
  showList();
  return true;
}

void RegisterWindow::showList() {
  const QLocale locale;
  tblQuotes->setRowCount(static_cast<int>(shown_.size()));
  for (std::size_t i = 0; i < shown_.size(); ++i) {
    const RegisteredQuote& q = shown_[i];
    QString customer = q.company;
    if (!q.contact.isEmpty())
      customer += customer.isEmpty() ? q.contact : QStringLiteral(", ") + q.contact;
    const QString number =
        q.revision > 1 ? tr("%1 (revision %2)").arg(q.number).arg(q.revision) : q.number;
    const QString cells[ColCount] = {number,
                                     locale.toString(q.issued, QLocale::ShortFormat),
                                     customer,
                                     q.customerReference,
                                     q.ourReference,
                                     quoteLanguageName(q.variant),
                                     FormatNumber(q.net, kPricePattern)};
    for (int c = 0; c < ColCount; ++c) {
      auto* item = new QTableWidgetItem(cells[c]);
      if (c == ColNet) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
      tblQuotes->setItem(static_cast<int>(i), c, item);
    }
  }
  if (!shown_.empty() && tblQuotes->currentRow() < 0) tblQuotes->setCurrentCell(0, 0);
  cmdOpen->setEnabled(!shown_.empty());
  cmdReprice->setEnabled(!shown_.empty());
}

std::optional<IssuedQuote> RegisterWindow::selectedIssue() {
  const int row = tblQuotes->currentRow();
  if (row < 0 || row >= static_cast<int>(shown_.size())) return std::nullopt;
  const QString number = shown_[static_cast<std::size_t>(row)].number;
  std::optional<Problem> failure;
  std::optional<IssuedQuote> issued;
  {
    BusyCursor busy;
    try {
      issued = QuoteRegister::open(state_.Directory.quoteRegister()).find(number);
    } catch (const Failure& e) {
      failure = e.problem();
    } catch (const std::exception& e) {
      failure = unforeseenProblem(e, state_.Directory.quoteRegister(), Problem::Kind::Database);
    }
  }
  if (failure) {
    showProblem(services_, this, *failure, state_.TextCatalogue,
                tr("The quote %1 cannot be read from the register.").arg(number));
  } else if (!issued) {
    services_.message(this, tr("The register no longer holds the quote %1.").arg(number),
                      kDefaultMessageTitle, MsgIcon::Warning);
  }
  return issued;
}

void RegisterWindow::openSelected() {
  const std::optional<IssuedQuote> issued = selectedIssue();
  if (!issued) return;
  QuoteWindow& window = main_.openQuoteWindow();
  window.showIssued(issued->quote, issued->lists);
}

void RegisterWindow::repriceSelected() {
  const std::optional<IssuedQuote> issued = selectedIssue();
  if (!issued) return;
  std::optional<Problem> failure;
  QString report;
  {
    BusyCursor busy;
    try {
      PartsData parts;
      loadPartsDatabase(state_.Directory.database(),
                        variantOf(issued->quote.printVariant()).languageKey, parts);
      const PricedQuote then = pricedWithLists(issued->quote, parts, issued->lists);
      const PricedQuote today = priceQuote(issued->quote, parts);
      report = repricingReport(issued->entry.number, repricedAmounts(then, today));
    } catch (const Failure& e) {
      failure = e.problem();
    } catch (const std::exception& e) {
      failure = unforeseenProblem(e, state_.Directory.database(), Problem::Kind::Database);
    }
  }
  if (failure) {
    showProblem(services_, this, *failure, state_.TextCatalogue,
                tr("The quote %1 cannot be priced at today's prices.").arg(issued->entry.number));
    return;
  }
  const QString text =
      report + QStringLiteral("\n\n") +
      tr("OK opens the quote at today's prices in the quote window; it keeps its number and is "
         "issued as a new revision when it is next printed, exported or saved. Cancel leaves it "
         "as it is.");
  if (services_.report(this, tr("Quote %1 at today's prices").arg(issued->entry.number), text,
                       MsgButtons::OkCancel) != MsgAnswer::Ok)
    return;
  QuoteWindow& window = main_.openQuoteWindow();
  window.openRepriced(issued->quote);
}

void RegisterWindow::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_F && event->modifiers() == Qt::ControlModifier) {
    txtSearch->setFocus(Qt::ShortcutFocusReason);
    txtSearch->selectAll();
    event->accept();
    return;
  }
  if (event->key() == Qt::Key_Escape) {
    close();
    event->accept();
    return;
  }
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    if (auto* button = qobject_cast<QPushButton*>(focusWidget())) {
      if (button->isEnabled()) button->click();
    } else {
      openSelected();
    }
    event->accept();
    return;
  }
  QWidget::keyPressEvent(event);
}

bool RegisterWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    // In the search: Escape empties it first; Enter or Down goes on to the quotes found.
    if (watched == txtSearch) {
      if (key == Qt::Key_Escape && !txtSearch->text().isEmpty()) {
        txtSearch->clear();
        return true;
      }
      if (key == Qt::Key_Down || key == Qt::Key_Return || key == Qt::Key_Enter) {
        tblQuotes->setFocus(Qt::TabFocusReason);
        if (tblQuotes->currentRow() < 0 && tblQuotes->rowCount() > 0)
          tblQuotes->setCurrentCell(0, 0);
        return true;
      }
    }
    if (watched == tblQuotes && (key == Qt::Key_Return || key == Qt::Key_Enter)) {
      openSelected();
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

void RegisterWindow::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::LanguageChange) retranslate();
}
