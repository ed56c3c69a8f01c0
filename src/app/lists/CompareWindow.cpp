#include "app/lists/CompareWindow.h"

#include "app/common/Bytes.h"
#include "app/common/Colours.h"
#include "app/common/Widgets.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace vantor {

CompareWindow::CompareWindow(const QString& itemName, const std::vector<Comparison>& comparisons,
                             const QStringList& wornNames, const QString& scaleName, char decimalSep, QWidget* parent)
    : QDialog(parent)
{
    setObjectName("dlgCompare");
    setWindowTitle("Compare with worn");
    auto* layout = new QVBoxLayout(this);
    auto* table = new QTreeWidget(this);
    table->setObjectName("lstCompare");
    table->setRootIsDecorated(false);
    table->setAlternatingRowColors(true);
    QStringList headers{"", itemName};
    for (size_t i = 0; i < comparisons.size(); ++i)
        headers << QString("%1 (%2)").arg(wornNames.value(static_cast<int>(i)),
                                          SlotTable()[comparisons[i].Target].Caption)
                << "Difference";
    table->setHeaderLabels(headers);
    QFont bold = table->font();
    bold.setBold(true);
    const QColor better = GoodColour(table->palette().color(QPalette::Base));
    for (size_t r = 0; !comparisons.empty() && r < comparisons.front().Rows.size(); ++r) {
        auto* row = new QTreeWidgetItem(table);
        const CompareRow& first = comparisons.front().Rows[r];
        row->setText(0, FromBytes(first.Stat));
        row->setText(1, FromBytes(first.Item));
        for (int c = 1; c < table->columnCount(); ++c) row->setTextAlignment(c, Qt::AlignRight | Qt::AlignVCenter);
        for (size_t i = 0; i < comparisons.size(); ++i) {
            const CompareRow& cell = comparisons[i].Rows[r];
            const int worn = 2 + static_cast<int>(i) * 2;
            row->setText(worn, FromBytes(cell.Worn));
            row->setText(worn + 1, FromBytes(cell.Difference));
            const int mark = cell.Better > 0 ? 1 : cell.Better < 0 ? worn : -1;
            if (mark >= 0) {
                row->setFont(mark, bold);
                row->setForeground(mark, better);
            }
        }
    }
    int width = 0;
    for (int c = 0; c < table->columnCount(); ++c) {
        table->resizeColumnToContents(c);
        width += table->columnWidth(c);
    }
    layout->addWidget(table, 1);

    // What the swap does to the set's encumbrance.
    QStringList lines, scores;
    for (const Comparison& c : comparisons) {
        const QString on = comparisons.size() > 1 ? QString("On %1: ").arg(SlotTable()[c.Target].Caption) : QString();
        lines << on + FromBytes(CategoryChange(c));
        if (const std::string score = ScoreChange(c, ToBytes(scaleName), decimalSep); !score.empty())
            scores << on + FromBytes(score);
    }
    layout->addWidget(MakeLabel(this, "lblCompareCategory", lines.join('\n')));
    layout->addWidget(MakeLabel(this, "lblCompareScore", scores.join('\n'), "The set's score under the active scale."));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    // Wide enough for every column, within reason.
    resize(std::clamp(width + 60, 560, 1100), 420);
}

bool CompareWindow::Open(const TItem& item, const ChosenItems& chosen, const SetInputs& in, const Scale& scale,
                         char decimalSep, QWidget* parent)
{
    const std::vector<Slot> targets = CompareSlots(item);
    if (targets.empty()) return false;
    std::vector<Comparison> comparisons;
    QStringList worn;
    for (const Slot s : targets) {
        comparisons.push_back(CompareWithWorn(item, s, chosen, in, decimalSep, &scale));
        worn << (chosen[s] ? FromBytes(chosen[s]->Name) : QString("*None*"));
    }
    auto* window =
        new CompareWindow(FromBytes(item.Name), comparisons, worn, FromBytes(scale.Name), decimalSep, parent);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
    return true;
}

}  // namespace vantor
