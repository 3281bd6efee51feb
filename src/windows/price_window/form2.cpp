// The price list window: its controls at their design places, the price grid, the way back to
// the main window and the spreadsheet export.
#include "price_window/form2.h"

#include <QBoxLayout>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QStandardPaths>
#include <QTableView>
#include <QUrl>
#include <new>

#include "common/window_title.h"
#include "data/database.h"
#include "list_window/ordering_list_view.h"
#include "price_window/price_grid_model.h"
#include "prices/excel_export.h"
#include "screen/screen_list_log.h"
#include "startup/program_state.h"
#include "widgets/busy_cursor.h"
#include "widgets/services.h"
#include "widgets/twips.h"

namespace {

// The price grid's view: before an editor opens on a price, the rows are read again when another
// program changed the database, so that the editor starts from the stored price.
class PriceTableView : public QTableView {
 public:
  using QTableView::QTableView;

  // Whether a price is being typed.
  bool editing() const { return state() == EditingState; }

 protected:
  bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override {
    auto* filter = qobject_cast<PriceGridFilter*>(model());
    PriceGridModel* grid = filter ? filter->grid() : nullptr;
    if (!grid || !index.isValid() || state() == EditingState || !(trigger & editTriggers()) ||
        !(filter->flags(index) & Qt::ItemIsEditable))
      return QTableView::edit(index, trigger, event);
    const qint64 record = grid->recordAt(filter->mapToSource(index).row());
    const int column = index.column();
    try {
      grid->refreshIfChanged();
    } catch (const std::exception&) {
      // The database cannot be read just now: the edit itself will say why when it is stored.
    }
    // Rows laid out anew put the part elsewhere, or nowhere; a description changed meanwhile
    // may no longer hold the text searched for.
    const int row = grid->rowOf(record);
    if (row < 0) return false;
    const QModelIndex shown = filter->mapFromSource(grid->index(row, column));
    if (!shown.isValid()) return false;
    return QTableView::edit(shown, trigger, event);
  }
};

}  // namespace

Form2::Form2(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName(QStringLiteral("Form2"));
  setWindowTitle(QStringLiteral("Ordering List"));
  // Opens at its design size where the screen allows (see designSize()), and grows; its layout
  // keeps it from shrinking below what its controls need.
  resize(designSize());

  fraSortOrder = new QGroupBox(QStringLiteral("Order by:"), this);
  fraSortOrder->setObjectName(QStringLiteral("fraSortOrder"));
  fraSortOrder->setAutoFillBackground(true);
  QPalette white = fraSortOrder->palette();
  white.setColor(QPalette::Window, Qt::white);
  fraSortOrder->setPalette(white);
  fraSortOrder->setMinimumWidth(twipsToPixels(4335));
  auto* sortRow = new QHBoxLayout(fraSortOrder);
  sortRow->setContentsMargins(twipsToPixels(210), 2, twipsToPixels(120), 2);
  const char* captions[] = {"Ordering No.", "Description"};
  for (int i = 0; i < 2; ++i) {
    optSortOrder[i] = new QRadioButton(QString::fromUtf8(captions[i]), fraSortOrder);
    optSortOrder[i]->setObjectName(QStringLiteral("optSortOrder(%1)").arg(i));
    sortRow->addWidget(optSortOrder[i]);
    connect(optSortOrder[i], &QRadioButton::clicked, this, [this] { LoadPriceGrid(); });
  }
  sortRow->addStretch(1);
  optSortOrder[0]->setChecked(true);

  // The buttons keep their design size at least, and widen for a longer caption.
  cmdExcelFile = new QPushButton(QStringLiteral("Liste de commande pour fichier Excel"), this);
  cmdExcelFile->setObjectName(QStringLiteral("cmdExcelFile"));
  cmdExcelFile->setMinimumSize(twipsToPixels(1665), twipsToPixels(570));
  connect(cmdExcelFile, &QPushButton::clicked, this, [this] { cmdExcelFile_Click(); });
  cmdToMainMenu = new QPushButton(QStringLiteral("To Main menu"), this);
  cmdToMainMenu->setObjectName(QStringLiteral("cmdToMainMenu"));
  cmdToMainMenu->setMinimumSize(twipsToPixels(1425), twipsToPixels(570));
  connect(cmdToMainMenu, &QPushButton::clicked, this, [this] { cmdToMainMenu_Click(); });

  ssdbgridChangePrices = new PriceTableView(this);
  ssdbgridChangePrices->setObjectName(QStringLiteral("ssdbgridChangePrices"));
  ssdbgridChangePrices->verticalHeader()->hide();
  ssdbgridChangePrices->setSelectionMode(QAbstractItemView::SingleSelection);
  ssdbgridChangePrices->setEditTriggers(QAbstractItemView::DoubleClicked |
                                        QAbstractItemView::EditKeyPressed |
                                        QAbstractItemView::AnyKeyPressed);
  // The view keeps the filter; each reading of the price list becomes its rows.
  filter_ = new PriceGridFilter(this);
  ssdbgridChangePrices->setModel(filter_);
  fitRowHeight();

  searchBar_ = new QWidget(this);
  searchBar_->setObjectName(QStringLiteral("searchBar"));
  auto* searchRow = new QHBoxLayout(searchBar_);
  searchRow->setContentsMargins(0, 0, 0, 0);
  txtSearch = new QLineEdit(searchBar_);
  txtSearch->setObjectName(QStringLiteral("txtSearch"));
  txtSearch->setPlaceholderText(tr("Ordering number or description"));
  txtSearch->setClearButtonEnabled(true);
  txtSearch->setMaximumWidth(twipsToPixels(4335));
  txtSearch->installEventFilter(this);
  auto* searchLabel = new QLabel(tr("&Search:"), searchBar_);
  searchLabel->setBuddy(txtSearch);
  searchRow->addWidget(searchLabel);
  searchRow->addWidget(txtSearch, 1);
  searchRow->addStretch(1);
  connect(txtSearch, &QLineEdit::textChanged, filter_, &PriceGridFilter::setSearchText);

  orderingList = new OrderingListView(this);
  orderingListArea_ = new QScrollArea(this);
  orderingListArea_->setObjectName(QStringLiteral("orderingListArea"));
  orderingListArea_->setWidget(orderingList);
  orderingListArea_->setWidgetResizable(true);
  orderingListArea_->setFrameShape(QFrame::NoFrame);
  orderingListArea_->hide();

  // The sort frame and the two buttons along the top; the grid, or the list from the left edge
  // as wide as the window, fill the rest.
  auto* top = new QHBoxLayout;
  top->setSpacing(twipsToPixels(150));
  top->setContentsMargins(twipsToPixels(300), twipsToPixels(30), twipsToPixels(150), 0);
  top->addWidget(fraSortOrder);
  top->addStretch(1);
  top->addWidget(cmdExcelFile);
  top->addWidget(cmdToMainMenu);
  auto* grid = new QVBoxLayout;
  grid->setContentsMargins(twipsToPixels(300), 0, twipsToPixels(300), twipsToPixels(300));
  grid->setSpacing(twipsToPixels(60));
  grid->addWidget(searchBar_);
  grid->addWidget(ssdbgridChangePrices);
  auto* page = new QVBoxLayout(this);
  page->setContentsMargins(0, 0, 0, 0);
  page->addLayout(top);
  page->addLayout(grid, 1);
  page->addWidget(orderingListArea_, 1);
  // The search comes before the rows it narrows.
  setTabOrder(txtSearch, ssdbgridChangePrices);
}

QSize Form2::designSize() {
  return {twipsToPixels(9735), twipsToPixels(7215)};
}

void Form2::attach(ProgramState& state, Services& services, QWidget* mainWindow) {
  state_ = &state;
  services_ = &services;
  mainWindow_ = mainWindow;
  Form_Load();
}

void Form2::Form_Load() {
  if (!state_) return;
  cmdToMainMenu->setText(state_->TextCatalogue[Text::ToMainMenu]);
  setWindowTitle(withoutAccessKeys(state_->TextCatalogue[Text::OrderingListTitle]));
  cmdExcelFile->setText(state_->TextCatalogue[Text::OrderingListToExcel]);
}

void Form2::showOrderingList(const QString& title, const OrderingList& list) {
  list_ = list;
  std::vector<ScreenLine> lines = screenListLines(orderingListLines(list, kScreenListIndent));
  setWindowState(Qt::WindowNoState);
  show();
  setWindowTitle(title);
  ssdbgridChangePrices->hide();
  searchBar_->hide();
  fraSortOrder->hide();
  orderingListArea_->show();
  QStringList shown;
  shown.reserve(static_cast<qsizetype>(lines.size()));
  for (const ScreenLine& line : lines) shown << line.text;
  orderingList->setLines(std::move(lines));
  logScreenList(shown);
  raise();
}

void Form2::LoadPriceGrid() {
  if (!state_) return;
  const ProgramState& s = *state_;
  const PriceOrder order =
      optSortOrder[0]->isChecked() ? PriceOrder::ByOrderingNumber : PriceOrder::ByDescription;
  PriceGridModel* model = nullptr;
  std::optional<Problem> failure;
  {
    BusyCursor busy(Qt::WaitCursor);
    try {
      model = new PriceGridModel(*state_, order, this);
    } catch (const Failure& e) {
      failure = e.problem();
    } catch (const std::exception& e) {
      failure = unforeseenProblem(e);
    }
  }
  if (!model) {
    showProblem(*services_, this, *failure, s.TextCatalogue,
                tr("The price list cannot be read from the parts database."));
    return;
  }
  connect(model, &PriceGridModel::editRefused, this, [this](const QString& m) { showMessage(m); });

  // Opened anew, the list shows every part again; another order keeps the search.
  if (!isVisible() || ssdbgridChangePrices->isHidden()) txtSearch->clear();
  setWindowState(Qt::WindowNoState);
  show();
  setWindowTitle(withoutAccessKeys(s.TextCatalogue[Text::MenuPricesInGrid]));
  orderingListArea_->hide();
  orderingList->setLines({});
  fraSortOrder->setTitle(s.TextCatalogue[Text::SortBy]);
  optSortOrder[0]->setText(s.TextCatalogue[Text::OrderingNumber]);
  optSortOrder[1]->setText(s.TextCatalogue[Text::Description]);
  fraSortOrder->show();
  searchBar_->show();
  ssdbgridChangePrices->show();

  PriceGridModel* previous = grid_;
  grid_ = model;
  filter_->setSourceModel(grid_);
  if (previous) previous->deleteLater();
  for (int c = 0; c < grid_->columnCount(); ++c)
    ssdbgridChangePrices->setColumnWidth(c, twipsToPixels(PriceGridModel::columnWidthTwips(c)));
  raise();
}

void Form2::cmdToMainMenu_Click() {
  // The main window's activation hides this window; hiding it here as well keeps that true on
  // desktops that refuse to hand the focus over.
  if (mainWindow_) {
    mainWindow_->show();
    mainWindow_->raise();
    mainWindow_->activateWindow();
  }
  hide();
}

void Form2::cmdExcelFile_Click() {
  if (!state_ || !list_) return;
  QString path;
  std::optional<Problem> failure;
  {
    BusyCursor busy(Qt::BusyCursor);
    try {
      path = exportOrderingList(state_->TextCatalogue, *list_, QDir::tempPath());
    } catch (const Failure& e) {
      failure = e.problem();
    } catch (const std::exception& e) {
      failure = unforeseenProblem(e);
    }
  }
  if (failure) {
    showProblem(*services_, this, *failure, state_->TextCatalogue, {});
    return;
  }
  if (!services_->openWithDesktop(QUrl::fromLocalFile(path))) offerToSaveWorkbook(path);
}

void Form2::offerToSaveWorkbook(const QString& path) {
  const QFileInfo workbook(path);
  QString saved;
  if (services_->message(
          this,
          tr("No spreadsheet program could open the ordering list.") + QStringLiteral("\n\n") +
              tr("OK saves the workbook where you choose; Cancel discards it."),
          kDefaultMessageTitle, MsgIcon::Warning, MsgButtons::OkCancel) == MsgAnswer::Ok) {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QDir(folder).exists()) folder = QDir::homePath();
    QString suggested = QDir(folder).filePath(workbook.fileName());
    // A place that takes no file is said, and the dialog comes again until the workbook is
    // saved or the user gives up.
    while (saved.isEmpty()) {
      const QString target = services_->askSaveFileName(
          this, tr("Save the ordering list"), {tr("Excel workbooks (*.xlsx)")}, suggested);
      if (target.isEmpty()) break;
      std::optional<Problem> failure;
      {
        BusyCursor busy(Qt::BusyCursor);
        try {
          writeExportWorkbook(target, orderingListSheet(state_->TextCatalogue, *list_));
          saved = QFileInfo(target).absoluteFilePath();
        } catch (const Failure& e) {
          failure = e.problem();
        } catch (const std::exception& e) {
          failure = unforeseenProblem(e, target);
        }
      }
      if (failure) {
        showProblem(*services_, this, *failure, state_->TextCatalogue,
                    tr("The ordering list could not be saved."));
        suggested = target;
      }
    }
  }
  // The temporary workbook and the folder made for it go, unless the user saved it right there.
  if (saved != workbook.absoluteFilePath()) QFile::remove(workbook.absoluteFilePath());
  QDir().rmdir(workbook.absolutePath());
}

void Form2::keyPressEvent(QKeyEvent* event) {
  // Ctrl+F, which no control of the window takes for itself, goes to the search; Escape
  // anywhere in the price list shows every row again.
  if (!searchBar_->isHidden()) {
    if (event->key() == Qt::Key_F && event->modifiers() == Qt::ControlModifier) {
      txtSearch->setFocus(Qt::ShortcutFocusReason);
      txtSearch->selectAll();
      event->accept();
      return;
    }
    if (event->key() == Qt::Key_Escape && !txtSearch->text().isEmpty()) {
      txtSearch->clear();
      event->accept();
      return;
    }
  }
  // Enter that no control took for itself (an open price editor does) leads back.
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    cmdToMainMenu_Click();
    event->accept();
    return;
  }
  QWidget::keyPressEvent(event);
}

bool Form2::eventFilter(QObject* watched, QEvent* event) {
  if (watched == txtSearch && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Escape && !txtSearch->text().isEmpty()) {
      txtSearch->clear();
      return true;
    }
    // Enter or Down goes on to the rows found, rather than back to the main window.
    if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Down) {
      ssdbgridChangePrices->setFocus(Qt::TabFocusReason);
      if (!ssdbgridChangePrices->currentIndex().isValid() && filter_->rowCount() > 0)
        ssdbgridChangePrices->setCurrentIndex(filter_->index(0, PriceGridModel::kPriceColumn));
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

void Form2::fitRowHeight() {
  QHeaderView* rows = ssdbgridChangePrices->verticalHeader();
  const int height = ssdbgridChangePrices->fontMetrics().height() + 4;
  rows->setMinimumSectionSize(height);
  rows->setDefaultSectionSize(height);
  rows->setSectionResizeMode(QHeaderView::Fixed);
}

void Form2::showMessage(const QString& text) {
  if (services_) services_->message(this, text, kDefaultMessageTitle, MsgIcon::Warning);
}

QObject* Form2::control(const QString& name) const {
  return findChild<QObject*>(name);
}

void Form2::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::FontChange) fitRowHeight();
  // Back in the window, the grid shows what another program stored meanwhile; a price being
  // typed keeps the price it started from, which its commit compares with the stored one.
  if (event->type() != QEvent::ActivationChange || !isActiveWindow() || !grid_ ||
      !ssdbgridChangePrices->isVisible() ||
      static_cast<PriceTableView*>(ssdbgridChangePrices)->editing())
    return;
  try {
    grid_->refreshIfChanged();
  } catch (const std::exception&) {
    // The database cannot be read just now; an edit says why, and the grid stays as it was.
  }
}

void Form2::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  raise();
  activateWindow();
}
