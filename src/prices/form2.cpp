// Controls of the price list window at their design places.
#include "prices/form2.h"

#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>

#include "common/twips.h"
#include "output/ordering_list_view.h"

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
  }

  cmdExcelFile = new QPushButton(QStringLiteral("Liste de commande pour fichier Excel"), this);
  cmdExcelFile->setObjectName(QStringLiteral("cmdExcelFile"));
  cmdExcelFile->setGeometry(twipsRect(6600, 30, 1665, 570));
  cmdToMainMenu = new QPushButton(QStringLiteral("To Main menu"), this);
  cmdToMainMenu->setObjectName(QStringLiteral("cmdToMainMenu"));
  cmdToMainMenu->setGeometry(twipsRect(8400, 30, 1425, 570));

  ssdbgridChangePrices = new QTableView(this);
  ssdbgridChangePrices->setObjectName(QStringLiteral("ssdbgridChangePrices"));
  ssdbgridChangePrices->setGeometry(twipsRect(300, 780, 9135, 6135));

  orderingList = new OrderingListView(this);
  orderingList->setGeometry(0, twipsToPixels(600), width(), height() - twipsToPixels(600));
  orderingList->hide();
}

void Form2::showOrderingList(const QString& title, std::vector<ScreenLine> lines) {
  setWindowState(Qt::WindowNoState);
  show();
  setWindowTitle(title);
  ssdbgridChangePrices->hide();
  fraSortOrder->hide();
  orderingList->setLines(std::move(lines));
  orderingList->show();
  raise();
}

QObject* Form2::control(const QString& name) const { return findChild<QObject*>(name); }
