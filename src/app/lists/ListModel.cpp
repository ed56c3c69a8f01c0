#include "app/lists/ListModel.h"

#include "app/common/Bytes.h"
#include "app/common/Colours.h"
#include "equipment/Gains.h"
#include "filters/Sorting.h"

#include <QColor>
#include <QFont>
#include <QGuiApplication>
#include <QPalette>

#include <algorithm>

namespace vantor {

ListModel::ListModel(ListKind kind, QObject* parent) : QAbstractTableModel(parent), columns_(Columns(kind))
{
    for (size_t c = 0; c < columns_.size(); ++c)
        if (columns_[c].Kind == ColumnKind::Computed)
            computed_ = static_cast<int>(c);
        else if (columns_[c].Kind == ColumnKind::Owned)
            owned_ = static_cast<int>(c);
}

int ListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int ListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(columns_.size());
}

static Qt::Alignment ToQt(Align a)
{
    switch (a) {
    case Align::Right: return Qt::AlignRight | Qt::AlignVCenter;
    case Align::Centre: return Qt::AlignHCenter | Qt::AlignVCenter;
    case Align::Left: break;
    }
    return Qt::AlignLeft | Qt::AlignVCenter;
}

QVariant ListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount()) return {};
    const ColumnDef& column = columns_[static_cast<size_t>(index.column())];
    if (role == Qt::TextAlignmentRole) return QVariant::fromValue(ToQt(column.Alignment));
    if (index.column() == computed_) {
        // One row's gain is worked out on its own until the whole column is asked for.
        const ListRow& row = rows_[static_cast<size_t>(index.row())];
        const std::optional<__int128> gain = !gainsStale_            ? gains_[static_cast<size_t>(index.row())]
                                             : gainOf_ && row.Item() ? gainOf_(*row.Item())
                                                                     : std::nullopt;
        if (role == Qt::ForegroundRole && gain && *gain > 0)
            return GoodColour(QGuiApplication::palette().color(QPalette::Base));
        if (role == Qt::DisplayRole && gain) return FromBytes(GainText(*gain, row.DecimalSep()));
        if (role == Qt::DisplayRole) return QString();
    }
    if (index.column() == owned_) {
        if (role != Qt::DisplayRole) return {};
        return IsOwned(rows_[static_cast<size_t>(index.row())]) ? QString(QChar(0x2713)) : QString();
    }
    if (role == Qt::FontRole) {
        if (!IsWorn(rows_[static_cast<size_t>(index.row())].Item())) return {};
        QFont bold;
        bold.setBold(true);
        return bold;
    }
    // Text columns also show their cell as a tool tip, for texts wider than the column.
    const bool textColumn = column.Kind == ColumnKind::Caption || column.Kind == ColumnKind::Text;
    if (role != Qt::DisplayRole && !(role == Qt::ToolTipRole && textColumn)) return {};
    std::string scratch;
    return FromBytes(CellText(rows_[static_cast<size_t>(index.row())], static_cast<size_t>(index.column()), scratch));
}

QVariant ListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= columnCount()) return {};
    if (role == Qt::DisplayRole) return QString::fromLatin1(columns_[static_cast<size_t>(section)].Caption);
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(ToQt(columns_[static_cast<size_t>(section)].Alignment));
    if (role != Qt::ToolTipRole) return {};
    const ColumnDef& column = columns_[static_cast<size_t>(section)];
    QString hint = QString::fromLatin1(column.Hint);
    if (column.ByLevel)
        hint += spellLevel_ > 0
                    ? QString(", worked out at level %1 (the level in the top row), or at the spell's level "
                              "cap where that is lower.")
                          .arg(spellLevel_)
                    : QString(", worked out at each spell's level cap (the top row holds no level).");
    return hint;
}

void ListModel::SetSpellLevel(uint16_t level)
{
    spellLevel_ = level;
    LevelRows(rows_);
    if (!rows_.empty()) emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
    emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
}

void ListModel::LevelRows(std::vector<ListRow>& rows) const
{
    for (ListRow& row : rows) row.SetLevel(spellLevel_);
}

void ListModel::Append(ListRow&& row)
{
    if (updating_ > 0) {
        rows_.push_back(std::move(row));
        return;
    }
    const int at = rowCount();
    beginInsertRows(QModelIndex(), at, at);
    rows_.push_back(std::move(row));
    byRecord_.clear();
    gainsStale_ = true;
    endInsertRows();
}

void ListModel::SwapRows(std::vector<ListRow>& rows)
{
    if (updating_ == 0) beginResetModel();
    rows_.swap(rows);
    byRecord_.clear();
    gainsStale_ = true;
    if (updating_ == 0) endResetModel();
}

void ListModel::SetGains(GainOf gainOf)
{
    if (computed_ < 0) return;
    gainOf_ = std::move(gainOf);
    gainsStale_ = true;
    if (!rows_.empty()) emit dataChanged(index(0, computed_), index(rowCount() - 1, computed_));
}

void ListModel::OwnedChanged()
{
    if (owned_ >= 0 && !rows_.empty()) emit dataChanged(index(0, owned_), index(rowCount() - 1, owned_));
}

const std::vector<std::optional<__int128>>& ListModel::Gains() const
{
    if (gainsStale_) {
        WorkOutGains();
        gainsStale_ = false;
    }
    return gains_;
}

void ListModel::WorkOutGains() const
{
    gains_.assign(rows_.size(), std::nullopt);
    if (!gainOf_) return;
    // The rows in the order their records lie in memory: a list sorted by name reads records all
    // over the place, and each gain needs its record.
    if (byRecord_.size() != rows_.size()) {
        byRecord_.resize(rows_.size());
        for (size_t r = 0; r < rows_.size(); ++r) byRecord_[r] = static_cast<uint32_t>(r);
        std::sort(byRecord_.begin(), byRecord_.end(), [this](uint32_t a, uint32_t b) {
            return std::less<const void*>()(rows_[a].Item(), rows_[b].Item());
        });
    }
    for (const uint32_t r : byRecord_)
        if (const TItem* item = rows_[r].Item()) gains_[r] = gainOf_(*item);
}

void ListModel::Clear()
{
    std::vector<ListRow> none;
    SwapRows(none);
}

void ListModel::Reorder(const std::vector<size_t>& order)
{
    if (order.size() != rows_.size()) return;
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    std::vector<int> newPosition(rows_.size());
    for (size_t i = 0; i < order.size(); ++i) newPosition[order[i]] = static_cast<int>(i);
    ApplyOrder(rows_, order);
    if (!gainsStale_ && gains_.size() == order.size()) {
        std::vector<std::optional<__int128>> gains(gains_.size());
        for (size_t i = 0; i < order.size(); ++i) gains[i] = gains_[order[i]];
        gains_.swap(gains);
    } else {
        gainsStale_ = true;
    }
    for (uint32_t& r : byRecord_) r = static_cast<uint32_t>(newPosition[r]);
    const QModelIndexList before = persistentIndexList();
    QModelIndexList after;
    after.reserve(before.size());
    for (const QModelIndex& old : before)
        after.append(index(newPosition[static_cast<size_t>(old.row())], old.column()));
    changePersistentIndexList(before, after);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

void ListModel::BeginUpdate()
{
    if (updating_++ == 0) beginResetModel();
}

void ListModel::EndUpdate()
{
    if (--updating_ > 0) return;
    byRecord_.clear();
    gainsStale_ = true;
    endResetModel();
}

void ListModel::SetWorn(std::vector<const TItem*> worn)
{
    std::sort(worn.begin(), worn.end());
    worn.erase(std::unique(worn.begin(), worn.end()), worn.end());
    if (worn == worn_) return;
    worn_ = std::move(worn);
    if (!rows_.empty()) emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1), {Qt::FontRole});
}

bool ListModel::IsWorn(const TItem* item) const { return item && std::binary_search(worn_.begin(), worn_.end(), item); }

QString ListModel::RowText(int row) const
{
    QStringList cells;
    for (int c = 0; c < columnCount(); ++c) cells << data(index(row, c), Qt::DisplayRole).toString();
    return cells.join('\t');
}

QString ListModel::HeaderText() const
{
    QStringList captions;
    for (int c = 0; c < columnCount(); ++c) captions << headerData(c, Qt::Horizontal, Qt::DisplayRole).toString();
    return captions.join('\t');
}

}  // namespace vantor
