#include "app/lists/ListPage.h"

#include "app/common/Bytes.h"
#include "app/common/CharacterPanel.h"
#include "app/common/EventGuard.h"
#include "app/common/Export.h"
#include "app/common/StatusLine.h"
#include "app/common/UserInterface.h"
#include "app/common/Widgets.h"
#include "app/lists/ListActions.h"
#include "app/lists/ListSearch.h"
#include "app/lists/ListView.h"
#include "app/lists/OwnedMarks.h"
#include "app/scales/ScalePicker.h"
#include "filters/Conditions.h"
#include "filters/Find.h"
#include "filters/Sorting.h"

#include <QAction>
#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSplitter>
#include <QVBoxLayout>

#include <stdexcept>

namespace vantor {

ListPage::ListPage(ListKind kind, const ListPageNames& names, const PageContext& context, FindPosition* find,
                   WornActions worn, QWidget* parent)
    : QWidget(parent), events_(context.Events), data_(context.Data), character_(context.Character), ui_(context.Ui),
      find_(find), worn_(std::move(worn)), kind_(kind), decimalSep_(context.DecimalSep),
      // The armour list is in no order until the load sorts it by name.
      sort_{kind == ListKind::Armor ? 999 : 0, false}, rows_(new ListModel(kind, this))
{
    setObjectName(names.Page);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    if (names.Find) BuildSearchStrip(names, context);
    BuildList(names);
    AddListActions(*this, events_, static_cast<bool>(worn_.Wear));
    if (kind != ListKind::Spells) BuildOwnedMarks(context);
}

void ListPage::BuildOwnedMarks(const PageContext& context)
{
    owned_ = new OwnedMarks(context.Characters, events_, ui_, *this);
    rows_->SetOwns([this](const TItem& item) { return owned_->Owns(item); });
    if (buttonRow_)
        buttonRow_->insertWidget(0, owned_->OwnedOnlyBox());
    else
        static_cast<QVBoxLayout*>(layout())->insertWidget(0, owned_->OwnedOnlyBox());
}

void ListPage::RunFilterAgain()
{
    if (filtered_ && filterClick_)
        filterClick_();
    else
        Refill([this] { AddAllRows(); }, true);
}

const TItem* ListPage::SelectedItem() const
{
    const int row = list_->currentIndex().row();
    return row >= 0 && row < rows_->rowCount() ? rows_->Row(row).Item() : nullptr;
}

void ListPage::BuildSearchStrip(const ListPageNames& names, const PageContext& context)
{
    auto* strip = new QHBoxLayout;
    auto* filterPanel = new QWidget(this);
    filterPanel->setObjectName(names.FilterPanel);
    filterGrid_ = new QGridLayout(filterPanel);
    filterGrid_->setContentsMargins(0, 0, 0, 0);
    filterGrid_->setVerticalSpacing(2);
    strip->addWidget(filterPanel, 1);
    auto* right = new QVBoxLayout;
    search_ = new ListSearch(*this, names, events_, *find_);
    right->addLayout(search_->Row());
    buttonRow_ = new QHBoxLayout;
    buttonRow_->addStretch(1);
    right->addLayout(buttonRow_);
    // The lists with a gain column show the scale the gains are worked out by.
    if (rows_->HasComputedColumn())
        right->addWidget(new ScalePicker(context.Scales, context.Events, context.Ui, context.DecimalSep, this));
    right->addStretch(1);
    strip->addLayout(right);
    static_cast<QVBoxLayout*>(layout())->addLayout(strip);
}

void ListPage::BuildList(const ListPageNames& names)
{
    // Items grow their name column with the window; the other items their "Special" texts.
    list_ = new ListView(rows_, kind_ == ListKind::Other ? 4 : 0, this);
    list_->setObjectName(names.List);
    auto* layout = static_cast<QVBoxLayout*>(this->layout());
    if (names.Memo) {
        // Items show their text underneath, spells to the right.
        const Qt::Orientation side = kind_ == ListKind::Spells ? Qt::Horizontal : Qt::Vertical;
        memo_ = MakeMemo(this, names.Memo);
        auto* split = new QSplitter(side, this);
        split->setObjectName(QString("spl") + QString(names.List).mid(3));
        split->setChildrenCollapsible(false);
        split->addWidget(list_);
        split->addWidget(memo_);
        split->setStretchFactor(0, 1);
        split->setStretchFactor(1, 0);
        split->setSizes(side == Qt::Vertical ? QList<int>{380, 80} : QList<int>{470, 220});
        layout->addWidget(split, 1);
        events_.OnSelectRow(list_->selectionModel(), [this](int row) { SelectItem(row); });
    } else {
        layout->addWidget(list_);
    }
    // The gain, the column players sort by, stands right after the name, in sight in any window.
    for (int c = 0; c < rows_->columnCount(); ++c)
        if (IsGainColumn(c)) list_->header()->moveSection(list_->header()->visualIndex(c), 1);
    events_.OnColumnClick(list_->header(), [this](int column) { ColumnClick(column); });
}

void ListPage::AddButton(const char* name, const QString& caption, std::function<void()> handler)
{
    QPushButton* b = MakeButton(this, name, caption);
    buttonRow_->addWidget(b);
    if (!filter_) {
        filter_ = b;
        filterClick_ = handler;
    }
    events_.OnClick(b, std::move(handler));
}

AddItem ListPage::RowsPassing(const ItemConditions& conditions)
{
    return [this, &conditions](const TItem& item) {
        if (conditions.Passes(item)) AddRow(item);
    };
}

void ListPage::FilterRan()
{
    ControlStates states = CaptureControls(character_);
    // "Owned only" is the page's, not the filter's: the filter runs again when it changes.
    states.insert(
        CaptureControls(*this, owned_ ? QSet<QString>{owned_->OwnedOnlyBox()->objectName()} : QSet<QString>{}));
    filtered_ = std::move(states);
}

bool ListPage::Refilter(const ControlStates& states)
{
    ApplyControls(*window(), states);
    filtered_.reset();
    try {
        if (filterClick_) filterClick_();
    } catch (const std::exception&) {
        filtered_.reset();
    }
    if (filtered_) return true;
    Refill([this] { AddAllRows(); }, true);
    return false;
}

void ListPage::ShowAll()
{
    if (!filtered_) return;
    filtered_.reset();
    Refill([this] { AddAllRows(); }, true);
}

void ListPage::AddUnderStrip(QWidget* row)
{
    static_cast<QVBoxLayout*>(layout())->insertWidget(1, row);
    underStrip_ = row;
}

QPushButton* ListPage::EnterButton(const QWidget* focus) const
{
    if (worn_.Wear && focus == list_) return nullptr;  // Enter in the list wears the item
    return underStrip_ && underStrip_->isAncestorOf(focus) ? filter_ : FindButton();
}

QTreeView* ListPage::List() const { return list_; }
QPushButton* ListPage::FindButton() const { return search_ ? search_->FindButton() : nullptr; }
void ListPage::SetEmptyText(const QString& text) { list_->SetEmptyText(text); }
ByteAdvances ListPage::Advances() const { return list_->Advances(); }

void ListPage::CopyRow(bool withHeader)
{
    const int row = list_->currentIndex().row();
    if (row < 0 || row >= rows_->rowCount()) return;
    CopyAndTell(ui_, *this, withHeader ? rows_->HeaderText() + '\n' + rows_->RowText(row) : rows_->RowText(row),
                withHeader ? "1 row with the header" : "1 row");
}

void ListPage::ExportClick() { ExportTable(*this, ui_, *rows_, decimalSep_); }

void ListPage::OnSelectedItem(const std::function<void(const TItem&)>& action)
{
    if (const TItem* item = SelectedItem()) action(*item);
}

void ListPage::AddRow(const TItem& item)
{
    ListRow row;
    if (MakeItemRow(kind_, item, decimalSep_, row)) rows_->Append(std::move(row));
}

void ListPage::AddRow(const TSpell& spell)
{
    ListRow row;
    if (!MakeSpellRow(KindCode(kind_), spell, decimalSep_, row)) return;
    row.SetLevel(rows_->SpellLevel());
    rows_->Append(std::move(row));
}

void ListPage::AddAllRows()
{
    std::vector<ListRow> rows = AllRows(false);
    rows_->SwapRows(rows);
}

std::vector<ListRow> ListPage::AllRows(bool sorted, const ByteAdvances* advances, WidestRows* widest,
                                       const std::vector<uint32_t>* byName) const
{
    std::vector<std::vector<size_t>> at;
    std::vector<ListRow> rows = vantor::AllRows(kind_, data_.Items, data_.Spells, decimalSep_, advances, &at);
    rows_->LevelRows(rows);
    if (widest) {
        widest->assign(at.size(), {});
        for (size_t c = 0; c < at.size(); ++c)
            for (const size_t r : at[c]) (*widest)[c].push_back(rows[r]);
    }
    if (owned_) owned_->DropUnowned(rows);
    if (sorted) SortRows(rows, byName);
    return rows;
}

void ListPage::SortRows(std::vector<ListRow>& rows, const std::vector<uint32_t>* byName) const
{
    std::optional<std::vector<size_t>> order;
    if (byName && sort_.Column == 0 && !sort_.Descending) order = OrderByName(rows, data_.Items, *byName);
    ApplyOrder(rows, order ? *order : OrderOf(rows));
}

void ListPage::SwapRows(std::vector<ListRow>& rows)
{
    rows_->SwapRows(rows);
    ShowSortIndicator();
}

void ListPage::ShowLoadedRows(std::vector<ListRow>& rows, bool ordered, const WidestRows* widest)
{
    SwapRows(rows);
    ordered_ = ordered;
    filtered_.reset();  // every record of the load
    loaded_ = rows_->rowCount();
    // A list not in sight is measured when it is first shown.
    widthsStale_ = true;
    if (widest) {
        list_->FitColumns(*widest);
        widthsStale_ = false;
    } else if (isVisible()) {
        FitStaleColumns();
    }
}

std::vector<int> ListPage::ColumnWidths() const { return list_->PlayerWidths(); }
void ListPage::SetColumnWidths(const std::vector<int>& widths) { list_->SetPlayerWidths(widths); }

void ListPage::ResetLayout()
{
    list_->SetPlayerWidths({});
    sort_ = {0, false};
    Sort();
}

QString ListPage::Summary() const
{
    static const char* const kNouns[] = {"armour items", "weapons", "other items", "spells"};  // by ListKind
    QString text = QString("%1 of %2 %3").arg(rows_->rowCount()).arg(loaded_).arg(kNouns[static_cast<int>(kind_)]);
    if (ordered_ || sortStale_) {
        text += "; sorted by " + rows_->headerData(sort_.Column, Qt::Horizontal, Qt::DisplayRole).toString();
        if (sort_.Descending) text += ", descending";
    }
    return text;
}

void ListPage::showEvent(QShowEvent* e)
{
    QWidget::showEvent(e);
    FitStaleColumns();
    if (sortStale_) Sort();
}

void ListPage::FitStaleColumns()
{
    if (!widthsStale_) return;
    widthsStale_ = false;
    const std::vector<ListRow>& rows = rows_->Rows();
    const std::vector<std::vector<size_t>> at =
        WidestCells(rows, Columns(kind_).size(), list_->Advances(), kWidestKept);
    WidestRows widest(at.size());
    for (size_t c = 0; c < at.size(); ++c)
        for (const size_t r : at[c]) widest[c].push_back(rows[r]);
    list_->FitColumns(widest);
}

void ListPage::ShowSortIndicator()
{
    if (sort_.Column >= 0 && sort_.Column < rows_->columnCount())
        list_->header()->setSortIndicator(sort_.Column, sort_.Descending ? Qt::DescendingOrder : Qt::AscendingOrder);
    else
        list_->header()->setSortIndicator(-1, Qt::AscendingOrder);
}

void ListPage::Refill(const std::function<void()>& addRows, bool sortAfterFailure)
{
    WaitCursor cursor;
    std::exception_ptr failed;
    {
        ListUpdate update(*rows_);
        rows_->Clear();
        try {
            addRows();
        } catch (...) {
            failed = std::current_exception();
        }
        if (owned_) {
            std::vector<ListRow> rows;
            rows_->SwapRows(rows);
            owned_->DropUnowned(rows);
            rows_->SwapRows(rows);
        }
    }
    if (!failed || sortAfterFailure) Sort();
    if (failed) std::rethrow_exception(failed);
}

std::vector<size_t> ListPage::OrderOf(const std::vector<ListRow>& rows) const
{
    // Owned items first (descending) or last, by the ticks.
    if (sort_.Column == rows_->OwnedColumn() && !data_.Loading) {
        std::vector<std::optional<__int128>> owned(rows.size());
        for (size_t r = 0; r < rows.size(); ++r) owned[r] = rows_->IsOwned(rows[r]) ? 1 : 0;
        return SortOrderByKeys(owned, sort_.Descending);
    }
    // The gain column by the gains the model holds for its rows; the others by their cells.
    if (rows_->HasComputedColumn() && sort_.Column == rows_->ComputedColumn() && &rows == &rows_->Rows() &&
        !data_.Loading)
        return SortOrderByKeys(rows_->Gains(), sort_.Descending);
    return SortOrder(rows, rows_->ColumnDefs(), sort_, data_.Loading);
}

void ListPage::ShowGains(ListModel::GainOf gainOf)
{
    rows_->SetGains(std::move(gainOf));
    if (rows_->HasComputedColumn()) ColumnChanged(rows_->ComputedColumn());
}

void ListPage::ColumnChanged(int column)
{
    // At once when in sight, else when it is next shown.
    if (sort_.Column != column) return;
    if (isVisible())
        Sort();
    else
        sortStale_ = true;
}

void ListPage::Sort()
{
    sortStale_ = false;
    ordered_ = true;
    rows_->Reorder(OrderOf(rows_->Rows()));
    ShowSortIndicator();
}

void ListPage::ColumnClick(int column)
{
    const bool other = column != sort_.Column;
    HeaderClick(sort_.Column, sort_.Descending, column);
    // The gain is sorted for the upgrades, the largest first; the ticks, the owned first.
    if (other && (IsGainColumn(column) || column == rows_->OwnedColumn())) sort_.Descending = true;
    Sort();
}

bool ListPage::IsGainColumn(int column) const
{
    const std::vector<ColumnDef>& columns = Columns(kind_);
    return column >= 0 && static_cast<size_t>(column) < columns.size() &&
           columns[static_cast<size_t>(column)].Kind == ColumnKind::Computed;
}

void ListPage::SelectItem(int row)
{
    memo_->clear();
    if (row < 0 || row >= rows_->rowCount()) return;
    const ListRow& r = rows_->Row(row);
    if (const TItem* item = r.Item()) {
        memo_->setPlainText(FromBytes(item->Special));
    } else if (const TSpell* spell = r.Spell()) {
        QStringList lines;
        for (const std::string& line : SpellNoteLines(spell->Notes)) lines << FromBytes(line);
        memo_->setPlainText(lines.join('\n'));
    }
}

}  // namespace vantor
