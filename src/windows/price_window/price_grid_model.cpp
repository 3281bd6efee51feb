// The price list query and its table model over the parts database.
#include "price_window/price_grid_model.h"

#include <QCollator>
#include <QColor>
#include <QLocale>
#include <algorithm>
#include <new>

#include "common/file_access.h"
#include "common/number_format.h"
#include "common/variants.h"
#include "data/database.h"
#include "data/parts_loader.h"
#include "prices/price_file.h"
#include "prices/price_history.h"
#include "startup/program_state.h"
#include "widgets/services.h"

namespace {

// The query with or without the record number in front, which the grid needs to find a row's
// record again but does not show.
QString gridQuery(const QString& languageKey, PriceOrder order, bool withRecord) {
  const std::optional<Variant> variant = variantByKey(languageKey);
  if (!variant) return {};
  const QString column = QStringLiteral("tblDetaljPr.") + variant->descriptionColumn;
  const QString orderBy = order == PriceOrder::ByOrderingNumber
                              ? QStringLiteral("ORDER BY tblDetaljPr.strDetaljnummer; ")
                              : QStringLiteral("ORDER BY %1; ").arg(column);
  return QStringLiteral("SELECT DISTINCTROW ") +
         (withRecord ? QStringLiteral("tblDetaljPr.lngNr, ") : QString()) +
         QStringLiteral("tblDetaljPr.strDetaljnummer, tblDetaljPr.sngPris, ") + column +
         QStringLiteral(" FROM tblDetaljPr ") +
         QStringLiteral("WHERE LEN(%1)>0 AND LEFT(%1,1)<>'?' ").arg(column) + orderBy;
}

// Rows by description in the order of the variant's language, whatever their case and accents
// ("Étrier" among the words with E, "ölpoliert" before "verzinkt"), and rows of the same
// description by ordering number. The database compares the bytes, which puts every capital
// before the small letters and every accented letter after "z".
template <typename Row>
void sortByDescription(std::vector<Row>& rows, const Variant& variant) {
  QCollator collator{QLocale(variant.locale)};
  collator.setCaseSensitivity(Qt::CaseInsensitive);
  std::stable_sort(rows.begin(), rows.end(), [&](const Row& a, const Row& b) {
    const int order = collator.compare(a.description, b.description);
    return order != 0 ? order < 0 : a.number < b.number;
  });
}

}  // namespace

QString priceGridSql(const QString& languageKey, PriceOrder order) {
  return gridQuery(languageKey, order, false);
}

std::optional<double> parseTypedPrice(const QString& text) {
  QString typed = text.trimmed();
  const QString separator = systemDecimalSeparator();
  if (separator != QStringLiteral(".")) typed.replace(separator, QStringLiteral("."));
  return parsePrice(typed);
}

PriceGridModel::PriceGridModel(ProgramState& state, PriceOrder order, QObject* parent)
    : QAbstractTableModel(parent), state_(state), order_(order) {
  db_ = std::make_unique<Database>(Database::open(state.Directory.database(), kConnectString));
  rows_ = readRows();
}

PriceGridModel::~PriceGridModel() = default;

qint64 PriceGridModel::dataVersion() {
  Statement version = db_->prepare(QStringLiteral("PRAGMA data_version;"));
  version.next();
  return version.integer(0).value_or(0);
}

std::vector<PriceGridModel::Row> PriceGridModel::readRows() {
  // Taken before the rows: a change made while they are read is seen at the next look.
  dataVersion_ = dataVersion();
  std::vector<Row> rows;
  const QString sql = gridQuery(state_.LanguageKey, order_, true);
  if (sql.isEmpty()) return rows;
  Statement query = db_->prepare(sql);
  while (query.next())
    rows.push_back({query.integer(0).value_or(-1), query.text(1).value_or(QString()), query.real(2),
                    query.text(3).value_or(QString())});
  if (order_ == PriceOrder::ByDescription)
    sortByDescription(rows, *variantByKey(state_.LanguageKey));
  return rows;
}

void PriceGridModel::refresh() {
  std::vector<Row> rows = readRows();
  const bool sameRows = std::equal(rows.begin(), rows.end(), rows_.begin(), rows_.end(),
                                   [](const Row& a, const Row& b) { return a.record == b.record; });
  if (!sameRows) {
    beginResetModel();
    rows_ = std::move(rows);
    endResetModel();
    return;
  }
  rows_ = std::move(rows);
  if (!rows_.empty())
    emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1),
                     {Qt::DisplayRole, Qt::EditRole});
}

bool PriceGridModel::refreshIfChanged() {
  if (dataVersion() == dataVersion_) return false;
  refresh();
  return true;
}

int PriceGridModel::rowOf(qint64 record) const {
  for (std::size_t r = 0; r < rows_.size(); ++r)
    if (rows_[r].record == record) return static_cast<int>(r);
  return -1;
}

int PriceGridModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int PriceGridModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : 3;
}

QVariant PriceGridModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount()) return {};
  const Row& row = rows_[static_cast<std::size_t>(index.row())];
  switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
      switch (index.column()) {
        case kNumberColumn:
          return row.number;
        case kPriceColumn:
          return row.price ? FormatNumber(*row.price, QStringLiteral("###0.00")) : QString();
        case kDescriptionColumn:
          return row.description;
      }
      break;
    case Qt::BackgroundRole:
      if (index.column() == kPriceColumn) return QColor(255, 255, 0);
      break;
    case Qt::TextAlignmentRole:
      if (index.column() == kPriceColumn)
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
      break;
  }
  return {};
}

QVariant PriceGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
  switch (section) {
    case kNumberColumn:
      return state_.TextCatalogue[Text::OrderingNumber];
    case kPriceColumn:
      return state_.TextCatalogue[Text::Price];
    case kDescriptionColumn:
      return state_.TextCatalogue[Text::Description];
  }
  return {};
}

Qt::ItemFlags PriceGridModel::flags(const QModelIndex& index) const {
  Qt::ItemFlags f = QAbstractTableModel::flags(index);
  if (index.isValid() && index.column() == kPriceColumn) f |= Qt::ItemIsEditable;
  return f;
}

bool PriceGridModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (role != Qt::EditRole || !index.isValid() || index.column() != kPriceColumn ||
      index.row() >= rowCount())
    return false;
  Row& row = rows_[static_cast<std::size_t>(index.row())];
  const qint64 record = row.record;
  const QString number = withControlsEscaped(row.number);
  const std::optional<double> shown = row.price;
  const QString typed = value.toString().trimmed();
  // The editor opens on the price as shown, rounded to two decimals: left as it was, it is no
  // new price.
  std::optional<double> price = shown;
  if (!shown || typed != data(index, Qt::EditRole).toString()) {
    price = parseTypedPrice(typed);
    if (!price) {
      emit editRefused(tr("\"%1\" is not a price; the price of %2 stays as it was.")
                           .arg(withControlsEscaped(value.toString()), number));
      return false;
    }
    if (!isPriceInRange(*price)) {
      emit editRefused(tr("\"%1\" is not between 0 and %2; the price of %3 stays as it was.")
                           .arg(withControlsEscaped(typed),
                                FormatNumber(kMaxPrice, QStringLiteral("###0.00")), number));
      return false;
    }
  }
  const QString failed = tr("The price of %1 could not be stored.").arg(number);
  try {
    // The price and its line in the history go in together or not at all, and the price they
    // replace is the one stored, read in the same transaction: another program may have changed
    // it since the row was read. Confirming the price shown reads it alone.
    std::optional<Transaction> transaction;
    if (price != shown) transaction.emplace(db_->transaction());
    std::optional<double> stored;
    bool found = false;
    {
      Statement read = db_->prepare(
          QStringLiteral("SELECT sngPris FROM tblDetaljPr WHERE tblDetaljPr.lngNr = ?1;"));
      read.bind(1, record);
      found = read.next();
      if (found) stored = read.real(0);
    }
    if (!found || stored != shown) {
      transaction.reset();
      refresh();
      const auto priceText = [](const std::optional<double>& p) {
        return p ? FormatNumber(*p, QStringLiteral("###0.00")) : tr("none");
      };
      emit editRefused(
          found ? tr("Another program has changed the price of %1 from %2 to %3 since the list "
                     "showed it: nothing has been stored. The list now shows the stored prices.")
                      .arg(number, priceText(shown), priceText(stored))
                : tr("Another program has removed the part %1 from the parts database: nothing "
                     "has been stored. The list now shows the stored prices.")
                      .arg(number));
      return false;
    }
    if (!transaction) return true;  // nothing to store, nothing for the history
    Statement write = db_->prepare(
        QStringLiteral("UPDATE tblDetaljPr SET sngPris = ?1 WHERE tblDetaljPr.lngNr = ?2;"));
    write.bind(1, *price).bind(2, record).run();
    PriceEvent edit{0,
                    priceHistoryNow(),
                    PriceEventKind::Edit,
                    kPriceListWindowSource,
                    std::nullopt,
                    {{record, row.number, stored, price}}};
    recordPriceEvent(*db_, edit);
    transaction->commit([&](Database& fresh) { return priceEventIsStored(fresh, edit); });
  } catch (const Failure& e) {
    emit editRefused(problemMessage(e.problem(), state_.TextCatalogue, failed));
    return false;
  } catch (const std::exception& e) {
    emit editRefused(problemMessage(unforeseenProblem(e), state_.TextCatalogue, failed));
    return false;
  }
  row.price = price;
  if (decltype(state_.PartPrice)::inBounds(record)) state_.PartPrice[record] = price;
  emit dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole});
  return true;
}

int PriceGridModel::columnWidthTwips(int column) {
  switch (column) {
    case kNumberColumn:
      return 1400;
    case kPriceColumn:
      return 1000;
    case kDescriptionColumn:
      return 6200;
  }
  return 0;
}

PriceGridFilter::PriceGridFilter(QObject* parent) : QSortFilterProxyModel(parent) {
  // The rows keep the order the model gives them, by ordering number or by description.
  setDynamicSortFilter(true);
}

void PriceGridFilter::setSearchText(const QString& text) {
  const QString search = text.trimmed();
  if (search == search_) return;
  search_ = search;
  searchNumber_ = search;
  searchNumber_.remove(QLatin1Char(' '));
  invalidateRowsFilter();
}

PriceGridModel* PriceGridFilter::grid() const {
  return qobject_cast<PriceGridModel*>(sourceModel());
}

bool PriceGridFilter::filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const {
  if (search_.isEmpty()) return true;
  const QAbstractItemModel* model = sourceModel();
  const QString number =
      model->index(sourceRow, PriceGridModel::kNumberColumn, sourceParent).data().toString();
  const QString description =
      model->index(sourceRow, PriceGridModel::kDescriptionColumn, sourceParent).data().toString();
  if (number.contains(search_, Qt::CaseInsensitive) ||
      description.contains(search_, Qt::CaseInsensitive))
    return true;
  return !searchNumber_.isEmpty() &&
         QString(number).remove(QLatin1Char(' ')).contains(searchNumber_, Qt::CaseInsensitive);
}
