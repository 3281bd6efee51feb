// The price list window: its controls at their design places, the price grid, the way back to
// the main window and the spreadsheet export.
#include "prices/form2.h"

#include <QDir>
#include <QGroupBox>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QUrl>

#include "common/services.h"
#include "common/twips.h"
#include "data/database.h"
#include "output/ordering_list_view.h"
#include "output/screen_list_log.h"
#include "common/busy_cursor.h"
#include "prices/excel_export.h"
#include "prices/price_grid_model.h"
#include "prices/window_title.h"
#include "startup/program_state.h"

namespace {

constexpr int kTextPriceListTitle = 10;
constexpr int kTextOrderingNumber = 67;
constexpr int kTextDescription = 68;
constexpr int kTextSortOrder = 81;
constexpr int kTextToMainMenu = 109;
constexpr int kTextOrderingList = 111;
constexpr int kTextExcelFile = 119;

}  // namespace

Form2::Form2(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName(QStringLiteral("Form2"));
  setWindowTitle(QStringLiteral("Ordering List"));
  setFixedSize(twipsToPixels(9735), twipsToPixels(7215));

  fraSortOrder = new QGroupBox(QStringLiteral("Order by:"), this);
  fraSortOrder->setObjectName(QStringLiteral("fraSortOrder"));
  fraSortOrder->setGeometry(twipsRect(300, 90, 4335, 615));
  fraSortOrder->setAutoFillBackground(true);
  QPalette white = fraSortOrder->palette();
  white.setColor(QPalette::Window, Qt::white);
  fraSortOrder->setPalette(white);
  const char* captions[] = {"Ordering No.", "Description"};
  for (int i = 0; i < 2; ++i) {
    optSortOrder[i] = new QRadioButton(QString::fromUtf8(captions[i]), fraSortOrder);
    optSortOrder[i]->setObjectName(QStringLiteral("optSortOrder(%1)").arg(i));
    optSortOrder[i]->setGeometry(twipsRect(i == 0 ? 210 : 2010, 270, 1635, 240));
    connect(optSortOrder[i], &QRadioButton::clicked, this, [this] { LoadPriceGrid(); });
  }
  optSortOrder[0]->setChecked(true);

  cmdExcelFile = new QPushButton(QStringLiteral("Liste de commande pour fichier Excel"), this);
  cmdExcelFile->setObjectName(QStringLiteral("cmdExcelFile"));
  cmdExcelFile->setGeometry(twipsRect(6600, 30, 1665, 570));
  connect(cmdExcelFile, &QPushButton::clicked, this, [this] { cmdExcelFile_Click(); });
  cmdToMainMenu = new QPushButton(QStringLiteral("To Main menu"), this);
  cmdToMainMenu->setObjectName(QStringLiteral("cmdToMainMenu"));
  cmdToMainMenu->setGeometry(twipsRect(8400, 30, 1425, 570));
  connect(cmdToMainMenu, &QPushButton::clicked, this, [this] { cmdToMainMenu_Click(); });

  ssdbgridChangePrices = new QTableView(this);
  ssdbgridChangePrices->setObjectName(QStringLiteral("ssdbgridChangePrices"));
  ssdbgridChangePrices->setGeometry(twipsRect(300, 780, 9135, 6135));
  ssdbgridChangePrices->verticalHeader()->hide();
  ssdbgridChangePrices->setSelectionMode(QAbstractItemView::SingleSelection);
  ssdbgridChangePrices->setEditTriggers(QAbstractItemView::DoubleClicked |
                                        QAbstractItemView::EditKeyPressed |
                                        QAbstractItemView::AnyKeyPressed);

  orderingList = new OrderingListView(this);
  orderingList->setGeometry(0, twipsToPixels(600), width(), height() - twipsToPixels(600));
  orderingList->hide();
}

void Form2::attach(ProgramState& state, Services& services, QWidget* mainWindow) {
  state_ = &state;
  services_ = &services;
  mainWindow_ = mainWindow;
  Form_Load();
}

void Form2::Form_Load() {
  if (!state_) return;
  cmdToMainMenu->setText(state_->TextCatalogue[kTextToMainMenu]);
  setWindowTitle(withoutAccessKeys(state_->TextCatalogue[kTextOrderingList]));
  cmdExcelFile->setText(state_->TextCatalogue[kTextExcelFile]);
}

void Form2::showOrderingList(const QString& title, const OrderingList& list) {
  list_ = list;
  std::vector<ScreenLine> lines = screenListLines(orderingListLines(list, kScreenListIndent));
  setWindowState(Qt::WindowNoState);
  show();
  setWindowTitle(title);
  ssdbgridChangePrices->hide();
  fraSortOrder->hide();
  QStringList shown;
  shown.reserve(static_cast<qsizetype>(lines.size()));
  for (const ScreenLine& line : lines) shown << line.text;
  orderingList->setLines(std::move(lines));
  orderingList->show();
  logScreenList(shown);
  raise();
}

void Form2::LoadPriceGrid() {
  if (!state_) return;
  const ProgramState& s = *state_;
  const PriceOrder order =
      optSortOrder[0]->isChecked() ? PriceOrder::ByOrderingNumber : PriceOrder::ByDescription;
  PriceGridModel* model = nullptr;
  QString failure;
  {
    BusyCursor busy(Qt::WaitCursor);
    try {
      model = new PriceGridModel(*state_, order, this);
    } catch (const DatabaseError& e) {
      failure = QStringLiteral(
                    "The price list cannot be read from the parts database.\n\n"
                    "File: %1\nError: %2")
                    .arg(QDir::toNativeSeparators(e.file()), e.engineMessage());
    }
  }
  if (!model) {
    showMessage(failure);
    return;
  }
  connect(model, &PriceGridModel::editRefused, this, [this](const QString& m) { showMessage(m); });

  setWindowState(Qt::WindowNoState);
  show();
  setWindowTitle(withoutAccessKeys(s.TextCatalogue[kTextPriceListTitle]));
  orderingList->hide();
  orderingList->setLines({});
  fraSortOrder->setTitle(s.TextCatalogue[kTextSortOrder]);
  optSortOrder[0]->setText(s.TextCatalogue[kTextOrderingNumber]);
  optSortOrder[1]->setText(s.TextCatalogue[kTextDescription]);
  fraSortOrder->show();
  ssdbgridChangePrices->show();

  PriceGridModel* previous = grid_;
  QItemSelectionModel* previousSelection = ssdbgridChangePrices->selectionModel();
  grid_ = model;
  ssdbgridChangePrices->setModel(grid_);
  // The view leaves the old model's selection to its owner.
  delete previousSelection;
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
  QString failure;
  {
    BusyCursor busy(Qt::BusyCursor);
    try {
      path = exportOrderingList(state_->TextCatalogue, *list_, QDir::tempPath());
    } catch (const ExportError& e) {
      failure = e.message();
    }
  }
  if (path.isEmpty()) {
    showMessage(failure);
    return;
  }
  if (!services_->openWithDesktop(QUrl::fromLocalFile(path)))
    showMessage(QStringLiteral("No spreadsheet program could open the ordering list.\n\n"
                               "It has been saved as %1")
                    .arg(QDir::toNativeSeparators(path)));
}

void Form2::keyPressEvent(QKeyEvent* event) {
  // Enter that no control took for itself (an open price editor does) leads back.
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    cmdToMainMenu_Click();
    event->accept();
    return;
  }
  QWidget::keyPressEvent(event);
}

void Form2::showMessage(const QString& text) {
  if (services_) services_->message(this, text, kDefaultMessageTitle, MsgIcon::Warning);
}

QObject* Form2::control(const QString& name) const {
  return findChild<QObject*>(name);
}

void Form2::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  raise();
  activateWindow();
}
