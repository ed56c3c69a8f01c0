#pragma once
// A page that shows one of the four lists (armour, weapons, spells, other items): the list with
// its header sorting, the text of the selected record, and, on the first three, a strip with the
// page's filter controls and the search box.

#include "app/common/ControlStates.h"
#include "app/common/PageContext.h"
#include "app/lists/ListModel.h"
#include "filters/ListFilters.h"
#include "filters/Sorting.h"

#include <QWidget>

#include <cstdint>
#include <functional>
#include <optional>

class QGridLayout;
class QHBoxLayout;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTreeView;

namespace vantor {

class CharacterPanel;
class ItemConditions;
class EventGuard;
class IUserInterface;
class ListSearch;
class ListView;
class OwnedMarks;

// The objectNames of a list page's controls; a page without search or memo leaves those empty.
struct ListPageNames {
    const char* Page;
    const char* List;
    const char* Memo;
    const char* FilterPanel;
    const char* Find;       // the search text
    const char* FindHint;   // its tool tip
    const char* FindFirst;  // "&Find": from the top
    const char* FindNext;   // "&Next": on from the last hit
};

class ListPage : public QWidget {
    Q_OBJECT
public:
    // What the armour and weapon lists do with their selected item against the equipment page's
    // set: "Compare with worn" shows it beside what is worn, "Wear" (also a double-click and Enter
    // in the list) puts it on. Empty on the other lists.
    struct WornActions {
        std::function<void(const TItem&)> Compare;
        std::function<void(const TItem&)> Wear;
    };

    // find: the window's one search position, for the pages that search.
    ListPage(ListKind kind, const ListPageNames& names, const PageContext& context, FindPosition* find,
             WornActions worn, QWidget* parent);

    // The row builders: a row for the record, when this list takes it.
    void AddRow(const TItem& item);
    void AddRow(const TSpell& spell);
    // A row for every record this list shows unfiltered (the resets).
    void AddAllRows();
    // Those rows, sorted by the list's state when sorted says so, and when given advances and
    // widest, the rows of each column's widest cells. Reads only the records and the page's
    // settings, so any thread may call it while this one waits. byName: the items' positions by
    // name (ItemsByName), which a list sorted by name takes instead of sorting.
    using WidestRows = std::vector<std::vector<ListRow>>;  // per column, the rows of its widest cells
    std::vector<ListRow> AllRows(bool sorted, const ByteAdvances* advances = nullptr, WidestRows* widest = nullptr,
                                 const std::vector<uint32_t>* byName = nullptr) const;
    // Puts rows of AllRows in the list's order, as AllRows does when sorted.
    void SortRows(std::vector<ListRow>& rows, const std::vector<uint32_t>* byName = nullptr) const;
    // Shows rows in place of the list's rows; rows then holds the old ones.
    void SwapRows(std::vector<ListRow>& rows);
    // The same for the rows of a load, and sizes every column to its caption and widest cell:
    // from the widest cells given, else from the rows, at once if the list is shown, else when it
    // is next shown.
    // ordered: the rows are in the order of the list's sort state.
    void ShowLoadedRows(std::vector<ListRow>& rows, bool ordered, const WidestRows* widest = nullptr);
    // The advances of the bytes in the list's font.
    ByteAdvances Advances() const;

    ListModel& Rows() { return *rows_; }
    ListKind Kind() const { return kind_; }
    QTreeView* List() const;
    // The text the list shows while it has no rows (empty: none), such as which file is missing.
    void SetEmptyText(const QString& text);
    // "&Find" of the page, which Enter runs; nullptr on a page without search.
    QPushButton* FindButton() const;
    // What Enter in the control focus presses: the page's filter in a row under the filter
    // strip (the "Gives" rows), else "&Find"; nullptr for none.
    QPushButton* EnterButton(const QWidget* focus) const;

    // The list's sort state; the load sorts the armour by name, ascending.
    SortState Sorted() const { return sort_; }
    void SortByName() { sort_ = {0, false}; }
    // The sort state the rows are in; none while they are in the order of the file.
    std::optional<SortState> Order() const { return ordered_ ? std::optional(sort_) : std::nullopt; }
    void SetSort(SortState sort) { sort_ = sort; }
    // The controls the page's filter read when it last ran (the page's and the top panel's); none
    // while the list shows every row.
    const std::optional<ControlStates>& Filtered() const { return filtered_; }
    // The page's filter run again as it ran with those controls, which then stay; false, the
    // list showing every row, when it does not run.
    bool Refilter(const ControlStates& states);
    // Every row again, sorted by the list's state, when the list is filtered.
    void ShowAll();
    // Puts the rows in the order of the list's sort state.
    void Sort();
    // The widths the player gave the list's columns (0: none), and back.
    std::vector<int> ColumnWidths() const;
    void SetColumnWidths(const std::vector<int>& widths);
    // "Reset layout": the columns as wide as they need, the rows by the first column, ascending.
    void ResetLayout();
    // The gain column shows what gainOf works out for each row, and the list follows it when it
    // is sorted by it.
    void ShowGains(ListModel::GainOf gainOf);
    // The cells of a column the list works out changed: a list sorted by it is sorted again, at
    // once when in sight, else when it is next shown.
    void ColumnChanged(int column);
    // The page's filter run again with the boxes as they are, when the list is filtered; else
    // every row again.
    void RunFilterAgain();
    // The item of the list's current row; nullptr for none.
    const TItem* SelectedItem() const;

    // Handlers: a header click (lstArmorColumnClick and its kin), a row gaining or losing the
    // selection (lstArmorSelectItem ...).
    void ColumnClick(int column);
    void SelectItem(int row);
    // What the page shows, for the status line: "312 of 480 armour items; sorted by Gain".
    QString Summary() const;
    // "Copy" and "Copy with header": the selected row as tab-separated text.
    void CopyRow(bool withHeader);
    // "Export...": every row the list shows, as a CSV file.
    void ExportClick();
    // "Compare with worn" and "Wear", on the selected item.
    void CompareClick() { OnSelectedItem(worn_.Compare); }
    void WearClick() { OnSelectedItem(worn_.Wear); }

protected:
    void showEvent(QShowEvent* e) override;
    // The filter controls of the page go into this grid, left of the search box; its buttons
    // into the row under the search box, through AddButton.
    QGridLayout* FilterGrid() const { return filterGrid_; }
    // The first button added is the page's filter.
    void AddButton(const char* name, const QString& caption, std::function<void()> handler);
    // Adds a row for each item given that meets the conditions.
    AddItem RowsPassing(const ItemConditions& conditions);
    // What the filter and the reset of a subclass say when they have run.
    void FilterRan();
    void FilterReset() { filtered_.reset(); }
    // A row across the page under the filter strip.
    void AddUnderStrip(QWidget* row);
    // Empties the list, adds the rows, then sorts it by its state, with the busy cursor and no
    // repainting meanwhile. When adding fails the list keeps what was added; it is sorted only
    // when sortAfterFailure says so, and the error goes on.
    void Refill(const std::function<void()>& addRows, bool sortAfterFailure);

    EventGuard& events_;
    const LoadedData& data_;
    const CharacterPanel& character_;

private:
    void BuildSearchStrip(const ListPageNames& names, const PageContext& context);
    void BuildList(const ListPageNames& names);
    void BuildOwnedMarks(const PageContext& context);

    // Sizes the columns to rows that came since they were last sized.
    void FitStaleColumns();
    // The header shows the column the list is sorted by, and which way.
    void ShowSortIndicator();
    // Whether the list's column shows the gain.
    bool IsGainColumn(int column) const;
    void OnSelectedItem(const std::function<void(const TItem&)>& action);
    // The order of rows by the list's sort state.
    std::vector<size_t> OrderOf(const std::vector<ListRow>& rows) const;

    IUserInterface& ui_;
    FindPosition* find_;
    WornActions worn_;
    ListKind kind_;
    char decimalSep_;
    SortState sort_;
    ListModel* rows_;
    ListView* list_ = nullptr;
    OwnedMarks* owned_ = nullptr;  // on the lists of items
    QPlainTextEdit* memo_ = nullptr;
    QGridLayout* filterGrid_ = nullptr;
    QHBoxLayout* buttonRow_ = nullptr;
    ListSearch* search_ = nullptr;       // on the pages that search
    QPushButton* filter_ = nullptr;      // the first button of the row: the page's filter
    std::function<void()> filterClick_;  // its handler
    std::optional<ControlStates> filtered_;
    QWidget* underStrip_ = nullptr;  // the row under the filter strip, if any
    bool widthsStale_ = false;       // the rows changed since the columns were last sized
    int loaded_ = 0;                 // the rows of the last load
    bool sortStale_ = false;
    bool ordered_ = false;  // the rows are in the order of sort_         // sorted by gain, and the gains changed while
                            // out of sight
};

}  // namespace vantor
