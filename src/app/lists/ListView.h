#pragma once
// The view of a list page: says why it is empty, and sizes its columns to what they hold, one of
// them taking the room a wider window gives.

#include "lists/ListRows.h"

#include <QTreeView>

#include <vector>

namespace vantor {

class ListModel;

class ListView : public QTreeView {
    Q_OBJECT
public:
    // stretchColumn: the column that grows with the window.
    ListView(ListModel* model, int stretchColumn, QWidget* parent);

    // The text shown while the list has no rows (empty: none), such as which file is missing; kept
    // in the view's "emptyText" property.
    void SetEmptyText(const QString& text);
    // The advances of the bytes in the view's font.
    ByteAdvances Advances() const;
    // Sizes every column to its caption and the widest of these cells (per column, the rows of its
    // widest cells), measured as the view draws them, bold too.
    void FitColumns(const std::vector<std::vector<ListRow>>& widest);
    // The widths the player gave columns by dragging their edges, per column (0: none), which
    // the view keeps until they are set again.
    const std::vector<int>& PlayerWidths() const { return playerWidths_; }
    void SetPlayerWidths(const std::vector<int>& widths);

protected:
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    void ApplyWidths();

    ListModel* rows_;
    int stretch_;
    std::vector<int> needed_;        // the width each column needs
    std::vector<int> playerWidths_;  // per column, the width the player gave it; 0 for none
    bool applying_ = false;          // the view itself is sizing the columns
};

}  // namespace vantor
