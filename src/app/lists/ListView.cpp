#include "app/lists/ListView.h"

#include "app/common/Bytes.h"
#include "app/lists/ListModel.h"

#include <QHeaderView>
#include <QPainter>

#include <algorithm>
#include <map>

namespace vantor {
namespace {

// The widest a column grows for its texts; wider texts show in full in their tool tip.
constexpr int kMaxColumnWidth = 480;

}  // namespace

ListView::ListView(ListModel* model, int stretchColumn, QWidget* parent)
    : QTreeView(parent), rows_(model), stretch_(stretchColumn)
{
    setModel(model);
    setRootIsDecorated(false);
    setUniformRowHeights(true);
    setItemsExpandable(false);
    setAllColumnsShowFocus(true);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSortingEnabled(false);
    header()->setSectionsClickable(true);
    header()->setSectionsMovable(false);
    header()->setSortIndicatorShown(true);
    header()->setSortIndicator(-1, Qt::AscendingOrder);
    header()->setStretchLastSection(false);
    header()->setDefaultSectionSize(58);
    setColumnWidth(0, 170);
    playerWidths_.assign(static_cast<size_t>(model->columnCount()), 0);
    // Only what the player drags is kept: nothing here can fail.
    connect(header(), &QHeaderView::sectionResized, this, [this](int column, int, int width) {
        if (!applying_ && column >= 0 && static_cast<size_t>(column) < playerWidths_.size())
            playerWidths_[static_cast<size_t>(column)] = width;
    });
    // The selected row stays marked when the list loses the focus.
    QPalette p = palette();
    p.setColor(QPalette::Inactive, QPalette::Highlight, p.color(QPalette::Active, QPalette::Highlight));
    p.setColor(QPalette::Inactive, QPalette::HighlightedText, p.color(QPalette::Active, QPalette::HighlightedText));
    setPalette(p);
}

void ListView::SetEmptyText(const QString& text)
{
    setProperty("emptyText", text);  // where tests and tools read it
    viewport()->update();
}

void ListView::paintEvent(QPaintEvent* e)
{
    QTreeView::paintEvent(e);
    const QString text = property("emptyText").toString();
    if (text.isEmpty() || rows_->rowCount() > 0) return;
    QPainter painter(viewport());
    painter.setPen(palette().color(QPalette::PlaceholderText));
    painter.drawText(viewport()->rect().adjusted(24, 24, -24, -24), Qt::AlignCenter | Qt::TextWordWrap, text);
}

void ListView::resizeEvent(QResizeEvent* e)
{
    QTreeView::resizeEvent(e);
    ApplyWidths();
}

ByteAdvances ListView::Advances() const
{
    // Measured once for each font the lists are drawn with.
    static std::map<QString, ByteAdvances> measured;
    const QString key = font().key();
    if (const auto known = measured.find(key); known != measured.end()) return known->second;
    const QFontMetrics metrics(font());
    ByteAdvances advance{};
    for (int b = 0; b < 256; ++b)
        advance[static_cast<size_t>(b)] = metrics.horizontalAdvance(FromBytes(std::string(1, static_cast<char>(b))));
    return measured[key] = advance;
}

void ListView::FitColumns(const std::vector<std::vector<ListRow>>& widest)
{
    const QFontMetrics metrics(font());
    QFont bold = font();
    bold.setBold(true);
    const QFontMetrics boldMetrics(bold);
    const int columns = rows_->columnCount();
    needed_.assign(static_cast<size_t>(columns), 0);
    std::string scratch;
    for (int c = 0; c < columns; ++c) {
        const int caption = header()->sectionSizeHint(c);
        int width = caption;
        if (rows_->rowCount() > 0 && static_cast<size_t>(c) < widest.size()) {
            // The view's own margins, from a cell it has.
            const QModelIndex first = rows_->index(0, c);
            const int margin = sizeHintForIndex(first).width() - metrics.horizontalAdvance(first.data().toString());
            for (const ListRow& row : widest[static_cast<size_t>(c)]) {
                const QString text = FromBytes(CellText(row, static_cast<size_t>(c), scratch));
                width = std::max(
                    width, margin + std::max(metrics.horizontalAdvance(text), boldMetrics.horizontalAdvance(text)));
            }
        }
        needed_[static_cast<size_t>(c)] = std::min(width, std::max(kMaxColumnWidth, caption));
    }
    ApplyWidths();
}

void ListView::SetPlayerWidths(const std::vector<int>& widths)
{
    playerWidths_.assign(playerWidths_.size(), 0);
    for (size_t c = 0; c < widths.size() && c < playerWidths_.size(); ++c) playerWidths_[c] = std::max(0, widths[c]);
    ApplyWidths();
}

void ListView::ApplyWidths()
{
    if (needed_.empty()) return;
    // A width the player gave stands; the other columns take what they need, and the stretching
    // one the rest of the room.
    const auto given = [this](size_t c) { return c < playerWidths_.size() ? playerWidths_[c] : 0; };
    const auto width = [&](size_t c) { return given(c) > 0 ? given(c) : needed_[c]; };
    int others = 0;
    for (size_t c = 0; c < needed_.size(); ++c)
        if (static_cast<int>(c) != stretch_) others += width(c);
    applying_ = true;
    for (size_t c = 0; c < needed_.size(); ++c) {
        const bool stretches = static_cast<int>(c) == stretch_ && given(c) == 0;
        setColumnWidth(static_cast<int>(c), stretches ? std::max(needed_[c], viewport()->width() - others) : width(c));
    }
    applying_ = false;
}

}  // namespace vantor
