#pragma once
// A list of the window (armour, weapons, other items, spells) as a table model over its rows.

#include "lists/ListRows.h"

#include <QAbstractTableModel>

#include <functional>
#include <vector>

namespace vantor {

class ListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    ListModel(ListKind kind, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    const std::vector<ColumnDef>& ColumnDefs() const { return columns_; }
    const std::vector<ListRow>& Rows() const { return rows_; }
    const ListRow& Row(int i) const { return rows_[static_cast<size_t>(i)]; }

    // Adds a row at the end.
    void Append(ListRow&& row);
    // Removes every row.
    void Clear();
    // Puts rows in place of the model's rows, which rows then holds.
    void SwapRows(std::vector<ListRow>& rows);
    // Puts the rows in the given order (element i names the row that goes to position i);
    // selections and other kept positions follow their rows.
    void Reorder(const std::vector<size_t>& order);

    // The computed column (the gain of wearing the row's item): worked out by gainOf for every row
    // when first asked for (shown, sorted or copied), and again after every change of the rows or
    // of gainOf; an item without one shows an empty cell.
    using GainOf = std::function<std::optional<__int128>(const TItem&)>;
    void SetGains(GainOf gainOf);
    const std::vector<std::optional<__int128>>& Gains() const;
    bool HasComputedColumn() const { return computed_ >= 0; }
    int ComputedColumn() const { return computed_; }

    // The column that ticks the items the character owns, as owns says (and again after each
    // OwnedChanged); -1 on a list without one.
    using Owns = std::function<bool(const TItem&)>;
    void SetOwns(Owns owns) { owns_ = std::move(owns); }
    void OwnedChanged();
    int OwnedColumn() const { return owned_; }
    bool IsOwned(const ListRow& row) const { return owns_ && row.Item() && owns_(*row.Item()); }

    // The caster's level the spell rows' damage columns are worked out at (0: each spell's
    // description level), for the rows here and for rows, which are about to come.
    void SetSpellLevel(uint16_t level);
    uint16_t SpellLevel() const { return spellLevel_; }
    void LevelRows(std::vector<ListRow>& rows) const;

    // Rows of these items show in bold (the items worn in the equipment slots).
    void SetWorn(std::vector<const TItem*> worn);
    bool IsWorn(const TItem* item) const;

    // The row as text, tab-separated, as the list shows it; header: the column captions.
    QString RowText(int row) const;
    QString HeaderText() const;

    // While updating, rows are added without telling the views row by row; they catch up at the end.
    void BeginUpdate();
    void EndUpdate();

private:
    void WorkOutGains() const;

    std::vector<ColumnDef> columns_;
    std::vector<ListRow> rows_;
    int computed_ = -1;  // the computed column, if the list has one
    int owned_ = -1;     // the column of ticks for the items owned, if the list has one
    Owns owns_;
    GainOf gainOf_;
    mutable bool gainsStale_ = false;                     // gains_ is to be worked out anew
    mutable std::vector<std::optional<__int128>> gains_;  // by row
    mutable std::vector<uint32_t> byRecord_;              // the rows by where their records lie; empty: to be sorted
    int updating_ = 0;
    uint16_t spellLevel_ = 0;
    std::vector<const TItem*> worn_;  // at most sixteen, sorted
};

// Suspends a list's repainting for a refill, and resumes it however the refill ends.
class ListUpdate {
public:
    explicit ListUpdate(ListModel& model) : model_(model) { model_.BeginUpdate(); }
    ~ListUpdate() { model_.EndUpdate(); }
    ListUpdate(const ListUpdate&) = delete;
    ListUpdate& operator=(const ListUpdate&) = delete;

private:
    ListModel& model_;
};

}  // namespace vantor
