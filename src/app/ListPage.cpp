#include "app/ListPage.h"

#include "app/Bytes.h"
#include "app/EventGuard.h"
#include "app/Widgets.h"
#include "filters/Find.h"
#include "filters/Sorting.h"

#include <QAction>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPainter>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSplitter>
#include <QTreeView>
#include <QVBoxLayout>

#include <algorithm>
#include <array>
#include <functional>
#include <map>
#include <stdexcept>

namespace vantor {

ListPage::ListPage(ListKind kind, const ListPageNames& names, EventGuard& events, const Links& links,
                   QWidget* parent)
    : QWidget(parent), events_(events), links_(links), kind_(kind), decimalSep_(SystemDecimalSeparator()),
      rows_(new ListModel(kind, this))
{
    setObjectName(names.Page);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    if (names.Find) {
        auto* strip = new QHBoxLayout;
        filterPanel_ = new QWidget(this);
        filterPanel_->setObjectName(names.FilterPanel);
        filterGrid_ = new QGridLayout(filterPanel_);
        filterGrid_->setContentsMargins(0, 0, 0, 0);
        filterGrid_->setVerticalSpacing(2);
        strip->addWidget(filterPanel_, 1);
        auto* right = new QVBoxLayout;
        auto* searchRow = new QHBoxLayout;
        find_ = MakeEdit(this, names.Find, QString());
        find_->setFixedWidth(120);
        findFirst_ = MakeButton(this, names.FindFirst, "&Find");
        findNext_ = MakeButton(this, names.FindNext, "&Next");
        searchRow->addWidget(find_);
        searchRow->addWidget(findFirst_);
        searchRow->addWidget(findNext_);
        right->addLayout(searchRow);
        buttonRow_ = new QHBoxLayout;
        buttonRow_->addStretch(1);
        right->addLayout(buttonRow_);
        right->addStretch(1);
        strip->addLayout(right);
        layout->addLayout(strip);
        events.OnClick(findFirst_, [this] { FindFirstClick(); });
        events.OnClick(findNext_, [this] { FindNextClick(); });
    }
    list_ = MakeList(names.List);
    if (names.Memo) {
        // Items show their text underneath, spells to the right.
        const Qt::Orientation side = kind == ListKind::Spells ? Qt::Horizontal : Qt::Vertical;
        memo_ = MakeMemo(this, names.Memo);
        auto* split = new QSplitter(side, this);
        split->setChildrenCollapsible(false);
        split->addWidget(list_);
        split->addWidget(memo_);
        split->setStretchFactor(0, 1);
        split->setStretchFactor(1, 0);
        split->setSizes(side == Qt::Vertical ? QList<int>{380, 80} : QList<int>{470, 220});
        layout->addWidget(split, 1);
        events.OnSelectRow(list_->selectionModel(), [this](int row) { SelectItem(row); });
    } else {
        layout->addWidget(list_);
    }
    events.OnColumnClick(list_->header(), [this](int column) { ColumnClick(column); });

    // The list's menu, its shortcuts working while the list has the focus.
    list_->setContextMenuPolicy(Qt::ActionsContextMenu);
    const auto action = [this](const char* name, const QString& caption, const QKeySequence& keys,
                               std::function<void()> run) {
        auto* a = new QAction(caption, list_);
        a->setObjectName(name);
        a->setShortcut(keys);
        a->setShortcutContext(Qt::WidgetShortcut);
        list_->addAction(a);
        connect(a, &QAction::triggered, this, [this, run = std::move(run)] { events_.Run(run); });
    };
    action("actCopy", "&Copy", QKeySequence::Copy, [this] { CopyRow(false); });
    action("actCopyWithHeader", "Copy with &header", QKeySequence("Ctrl+Shift+C"), [this] { CopyRow(true); });
    if (links_.Compare)
        action("actCompare", "Compare with &worn", QKeySequence("Ctrl+K"), [this] { CompareClick(); });
}

void ListPage::CopyRow(bool withHeader)
{
    const int row = list_->currentIndex().row();
    if (row < 0 || row >= rows_->rowCount()) return;
    links_.Copy(withHeader ? rows_->HeaderText() + '\n' + rows_->RowText(row) : rows_->RowText(row));
}

void ListPage::CompareClick()
{
    const int row = list_->currentIndex().row();
    if (row < 0 || row >= rows_->rowCount() || !rows_->Row(row).Item()) return;
    links_.Compare(*rows_->Row(row).Item());
}

namespace {

// A list view that says why it is empty (its "emptyText" property), and gives the room a wider
// window leaves to one column.
class ListView : public QTreeView {
public:
    ListView(int stretchColumn, QWidget* parent) : QTreeView(parent), stretch_(stretchColumn) {}

    // The widths the columns need; the stretching column takes what the view has more.
    void SetNeededWidths(std::vector<int> widths)
    {
        needed_ = std::move(widths);
        ApplyWidths();
    }

protected:
    void paintEvent(QPaintEvent* e) override
    {
        QTreeView::paintEvent(e);
        const QString text = property("emptyText").toString();
        if (text.isEmpty() || (model() && model()->rowCount() > 0)) return;
        QPainter painter(viewport());
        painter.setPen(palette().color(QPalette::PlaceholderText));
        painter.drawText(viewport()->rect().adjusted(24, 24, -24, -24), Qt::AlignCenter | Qt::TextWordWrap, text);
    }

    void resizeEvent(QResizeEvent* e) override
    {
        QTreeView::resizeEvent(e);
        ApplyWidths();
    }

private:
    void ApplyWidths()
    {
        if (needed_.empty()) return;
        int others = 0;
        for (size_t c = 0; c < needed_.size(); ++c)
            if (static_cast<int>(c) != stretch_) others += needed_[c];
        for (size_t c = 0; c < needed_.size(); ++c) {
            const int width = static_cast<int>(c) == stretch_ ? std::max(needed_[c], viewport()->width() - others) : needed_[c];
            setColumnWidth(static_cast<int>(c), width);
        }
    }

    int stretch_;
    std::vector<int> needed_;
};

// The widest a column grows for its texts; wider texts show in full in their tool tip.
constexpr int kMaxColumnWidth = 480;

}  // namespace

void ListPage::FitColumns(const WidestRows& widest)
{
    widthsStale_ = false;
    // The widest cells measured as the view draws them, in bold too, since worn items show in
    // bold; the margins are the view's own.
    const QFontMetrics metrics(list_->font());
    QFont bold = list_->font();
    bold.setBold(true);
    const QFontMetrics boldMetrics(bold);
    const int columns = rows_->columnCount();
    std::vector<int> needed(static_cast<size_t>(columns));
    std::string scratch;
    for (int c = 0; c < columns; ++c) {
        const int caption = list_->header()->sectionSizeHint(c);
        int width = caption;
        if (rows_->rowCount() > 0 && static_cast<size_t>(c) < widest.size()) {
            const QModelIndex first = rows_->index(0, c);
            const int margin = list_->sizeHintForIndex(first).width() - metrics.horizontalAdvance(first.data().toString());
            for (const ListRow& row : widest[static_cast<size_t>(c)]) {
                const QString text = FromBytes(CellText(row, static_cast<size_t>(c), scratch));
                width = std::max(width, margin + std::max(metrics.horizontalAdvance(text), boldMetrics.horizontalAdvance(text)));
            }
        }
        needed[static_cast<size_t>(c)] = std::min(width, std::max(kMaxColumnWidth, caption));
    }
    static_cast<ListView*>(list_)->SetNeededWidths(std::move(needed));
}

void ListPage::ShowSortIndicator()
{
    const int column = *links_.SortColumn;
    if (column >= 0 && column < rows_->columnCount())
        list_->header()->setSortIndicator(column, *links_.SortDescending ? Qt::DescendingOrder : Qt::AscendingOrder);
    else
        list_->header()->setSortIndicator(-1, Qt::AscendingOrder);
}

void ListPage::SetEmptyText(const QString& text)
{
    list_->setProperty("emptyText", text);
    list_->viewport()->update();
}

QTreeView* ListPage::MakeList(const char* name)
{
    // Items grow their name column with the window; the other items their "Special" texts.
    auto* v = new ListView(kind_ == ListKind::Other ? 4 : 0, this);
    v->setObjectName(name);
    v->setModel(rows_);
    v->setRootIsDecorated(false);
    v->setUniformRowHeights(true);
    v->setItemsExpandable(false);
    v->setAllColumnsShowFocus(true);
    v->setSelectionBehavior(QAbstractItemView::SelectRows);
    v->setSelectionMode(QAbstractItemView::SingleSelection);
    v->setEditTriggers(QAbstractItemView::NoEditTriggers);
    v->setSortingEnabled(false);
    v->header()->setSectionsClickable(true);
    v->header()->setSectionsMovable(false);
    v->header()->setSortIndicatorShown(true);
    v->header()->setSortIndicator(-1, Qt::AscendingOrder);
    v->header()->setStretchLastSection(false);
    v->header()->setDefaultSectionSize(58);
    v->setColumnWidth(0, 170);
    // The selected row stays marked when the list loses the focus.
    QPalette p = v->palette();
    p.setColor(QPalette::Inactive, QPalette::Highlight, p.color(QPalette::Active, QPalette::Highlight));
    p.setColor(QPalette::Inactive, QPalette::HighlightedText, p.color(QPalette::Active, QPalette::HighlightedText));
    v->setPalette(p);
    return v;
}

void ListPage::AddRow(const TItem& item)
{
    ListRow row;
    if (MakeItemRow(KindCode(kind_), item, decimalSep_, row))
        rows_->Append(std::move(row));
}

void ListPage::AddRow(const TSpell& spell)
{
    ListRow row;
    if (MakeSpellRow(KindCode(kind_), spell, row)) rows_->Append(std::move(row));
}

void ListPage::AddAllRows()
{
    std::vector<ListRow> rows = AllRows(false);
    rows_->SwapRows(rows);
}

std::vector<ListRow> ListPage::AllRows(bool sorted, const ByteAdvances* advances, WidestRows* widest) const
{
    std::vector<std::vector<size_t>> at;
    std::vector<ListRow> rows = vantor::AllRows(kind_, *links_.Items, *links_.Spells, decimalSep_, advances, &at);
    if (widest) {
        widest->assign(at.size(), {});
        for (size_t c = 0; c < at.size(); ++c)
            for (const size_t r : at[c]) (*widest)[c].push_back(rows[r]);
    }
    if (sorted) ApplyOrder(rows, OrderOf(rows));
    return rows;
}

void ListPage::SwapRows(std::vector<ListRow>& rows)
{
    rows_->SwapRows(rows);
    ShowSortIndicator();
}

void ListPage::ShowLoadedRows(std::vector<ListRow>& rows, const WidestRows* widest)
{
    SwapRows(rows);
    // A list not in sight is measured when it is first shown.
    widthsStale_ = true;
    if (widest)
        FitColumns(*widest);
    else if (isVisible())
        FitColumns(WidestOf(rows_->Rows(), Advances()));
}

ByteAdvances ListPage::Advances() const
{
    // Measured once for each font the lists are drawn with.
    static std::map<QString, ByteAdvances> measured;
    const QString key = list_->font().key();
    if (const auto known = measured.find(key); known != measured.end()) return known->second;
    const QFontMetrics metrics(list_->font());
    ByteAdvances advance{};
    for (int b = 0; b < 256; ++b)
        advance[static_cast<size_t>(b)] = metrics.horizontalAdvance(FromBytes(std::string(1, static_cast<char>(b))));
    return measured[key] = advance;
}

ListPage::WidestRows ListPage::WidestOf(const std::vector<ListRow>& rows, const ByteAdvances& advances) const
{
    const std::vector<std::vector<size_t>> at = WidestCells(rows, Columns(kind_).size(), advances, kWidestKept);
    WidestRows widest(at.size());
    for (size_t c = 0; c < at.size(); ++c)
        for (const size_t r : at[c]) widest[c].push_back(rows[r]);
    return widest;
}

void ListPage::showEvent(QShowEvent* e)
{
    QWidget::showEvent(e);
    if (widthsStale_) FitColumns(WidestOf(rows_->Rows(), Advances()));
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
    }
    if (!failed || sortAfterFailure) Sort();
    if (failed) std::rethrow_exception(failed);
}

std::vector<size_t> ListPage::OrderOf(const std::vector<ListRow>& rows) const
{
    return SortOrder(rows, rows_->ColumnDefs(), SortState{*links_.SortColumn, *links_.SortDescending}, *links_.Loading);
}

void ListPage::Sort()
{
    rows_->Reorder(OrderOf(rows_->Rows()));
    ShowSortIndicator();
}

void ListPage::ColumnClick(int column)
{
    HeaderClick(*links_.SortColumn, *links_.SortDescending, column);
    Sort();
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

void ListPage::FindFirstClick()
{
    *links_.FindIndex = -1;
    FindNextClick();
}

void ListPage::FindNextClick()
{
    int32_t& findIndex = *links_.FindIndex;
    const int hit = FindRow(rows_->Rows(), ToBytes(find_->text()), findIndex + 1);
    if (hit >= 0) {
        findIndex = hit;
        const QModelIndex index = rows_->index(hit, 0);
        list_->scrollTo(index, QAbstractItemView::EnsureVisible);
        list_->selectionModel()->setCurrentIndex(index,
                                                 QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    }
    if (findIndex == -1) throw std::runtime_error("Not found.");  // shown in the error box
}

}  // namespace vantor
