#include "app/planner/CompareSetsDialog.h"

#include "app/common/Bytes.h"
#include "app/common/EventGuard.h"
#include "app/common/Widgets.h"
#include "data/Decimal.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace vantor {
namespace {

QString ItemText(const CompareSetsDialog::Set& set, size_t slot)
{
    if (const TItem* item = set.Chosen[slot]) return FromBytes(item->Name);
    if (set.Missing[slot]) return QString("item %1, not in the data").arg(set.Missing[slot]);
    return "*None*";
}

}  // namespace

CompareSetsDialog::CompareSetsDialog(Page page, Set right, QWidget* parent)
    : QDialog(parent), page_(std::move(page)), left_(page_.Worn), right_(std::move(right))
{
    setObjectName("dlgCompareSets");
    setWindowTitle("Compare sets");
    auto* layout = new QVBoxLayout(this);
    lblCompareSets = MakeLabel(this, "lblCompareSets", QString());
    lblCompareSets->setWordWrap(true);
    layout->addWidget(lblCompareSets);
    lstCompareSets = new QTreeWidget(this);
    lstCompareSets->setObjectName("lstCompareSets");
    lstCompareSets->setRootIsDecorated(false);
    lstCompareSets->setUniformRowHeights(true);
    lstCompareSets->setToolTip("The slots that differ are in bold; the better value of each total is in bold.");
    layout->addWidget(lstCompareSets, 1);
    auto* buttons = new QHBoxLayout;
    auto* openLeft = MakeButton(this, "btnCompareLeft", "Open &left...", "Put a set file on the left.");
    auto* worn = MakeButton(this, "btnCompareWorn", "&Worn set", "Put the set worn now on the left.");
    auto* openRight = MakeButton(this, "btnCompareRight", "Open &right...", "Put a set file on the right.");
    auto* close = MakeButton(this, "btnCompareClose", "Close");
    buttons->addWidget(openLeft);
    buttons->addWidget(worn);
    buttons->addWidget(openRight);
    buttons->addStretch(1);
    buttons->addWidget(close);
    layout->addLayout(buttons);
    EventGuard& events = *page_.Events;
    events.Connect(openLeft, &QPushButton::clicked, this, [this] { OpenSide(true); });
    events.Connect(openRight, &QPushButton::clicked, this, [this] { OpenSide(false); });
    events.Connect(worn, &QPushButton::clicked, this, [this] {
        left_ = page_.Worn;
        Show();
    });
    events.Connect(close, &QPushButton::clicked, this, [this] { reject(); });
    Show();
    // Wide enough for every column at its contents' width, within the screen.
    const int margins = layout->contentsMargins().left() + layout->contentsMargins().right();
    const int wanted = lstCompareSets->header()->length() + 2 * lstCompareSets->frameWidth() +
                       lstCompareSets->style()->pixelMetric(QStyle::PM_ScrollBarExtent) + margins + 8;
    const QScreen* room = screen();
    resize(std::max(640, std::min(wanted, room ? room->availableGeometry().width() : wanted)), 620);
}

void CompareSetsDialog::OpenSide(bool left)
{
    const QString path = page_.AskFile();
    if (path.isEmpty()) return;
    (left ? left_ : right_) = page_.ReadFile(path);
    Show();
}

void CompareSetsDialog::Show()
{
    const char sep = page_.DecimalSep;
    lstCompareSets->clear();
    lstCompareSets->setHeaderLabels({QString(), left_.Caption, right_.Caption, "Left - right"});
    QFont bold = lstCompareSets->font();
    bold.setBold(true);
    const auto add = [&](const QStringList& cells, bool boldLeft, bool boldRight) {
        auto* row = new QTreeWidgetItem(lstCompareSets, cells);
        if (boldLeft) row->setFont(1, bold);
        if (boldRight) row->setFont(2, bold);
        for (int c = 1; c < 4; ++c)
            if (c == 3 || !cells.value(c).isEmpty()) row->setTextAlignment(c, Qt::AlignRight | Qt::AlignVCenter);
        return row;
    };
    int differ = 0;
    for (size_t s = 0; s < kSlotCount; ++s) {
        const bool different = left_.Chosen[s] != right_.Chosen[s] || left_.Missing[s] != right_.Missing[s];
        differ += different;
        auto* row = add({SlotTable()[s].Caption, ItemText(left_, s), ItemText(right_, s)}, different, different);
        row->setTextAlignment(1, Qt::AlignLeft | Qt::AlignVCenter);
        row->setTextAlignment(2, Qt::AlignLeft | Qt::AlignVCenter);
        if (different) row->setFont(0, bold);
    }
    const SetComparison c = CompareSets(left_.Chosen, left_.Inputs, right_.Chosen, right_.Inputs, sep, *page_.Active);
    for (const CompareRow& r : c.Rows)
        add({FromBytes(r.Stat), FromBytes(r.Item), FromBytes(r.Worn), FromBytes(r.Difference)}, r.Better > 0,
            r.Better < 0);
    const auto category = [](const std::optional<EncumbranceCategory>& k) {
        return QString(k ? CategoryName(*k) : "cannot be added up");
    };
    add({"Encumbrance category", category(c.Left), category(c.Right)}, false, false);
    add({"Score under \"" + FromBytes(page_.Active->Name) + "\"", FromBytes(DecimalText(c.LeftScore, 3, sep)),
         FromBytes(DecimalText(c.RightScore, 3, sep)), FromBytes(DecimalText(c.LeftScore - c.RightScore, 3, sep))},
        c.LeftScore > c.RightScore, c.RightScore > c.LeftScore);
    for (int col = 0; col < 4; ++col) lstCompareSets->resizeColumnToContents(col);
    lblCompareSets->setText(
        differ == 0 ? QString("The two sets wear the same items.")
                    : QString("%1 of the sixteen slots differ; the categories are at strength %2.")
                          .arg(differ)
                          .arg(left_.Inputs.Strength.empty() ? QString("0") : FromBytes(left_.Inputs.Strength)));
}

}  // namespace vantor
