#include "app/planner/HuntDialog.h"

#include "app/common/Bytes.h"
#include "app/common/EventGuard.h"
#include "app/common/Widgets.h"
#include "app/planner/PlanViews.h"
#include "app/planner/SearchRunner.h"
#include "app/scales/ScaleBook.h"
#include "equipment/Gains.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QStringListModel>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace vantor {
namespace {

// "Best set from owned items: 123.4 (Bronze Helm, Brass Ring)"; or that none stays within the bound.
QString SetLine(const QString& what, const BestSetAnswer& a, const BestSetQuestion& q, char sep)
{
    if (!a.Found) return QString("%1: no set stays within the bound.").arg(what);
    QStringList names;
    for (const TItem* item : ChosenOf(q, a.Picks))
        if (item) names << FromBytes(item->Name);
    return QString("%1: %2 (%3)")
        .arg(what, FromBytes(ScoreText(a.Score, sep)), names.isEmpty() ? QString("nothing worn") : names.join(", "));
}

}  // namespace

HuntDialog::HuntDialog(Page page, QWidget* parent) : QDialog(parent), page_(std::move(page))
{
    setObjectName("dlgHunt");
    setWindowTitle("What to get next");
    auto* layout = new QVBoxLayout(this);
    auto* askRow = new QHBoxLayout;
    cbxHuntScale = new QComboBox(this);
    cbxHuntScale->setObjectName("cbxHuntScale");
    cbxHuntScale->setModel(page_.Scales->Names());
    cbxHuntScale->setCurrentIndex(static_cast<int>(page_.Scales->Active()));
    cbxHuntScale->setToolTip("The scale every set is scored by.");
    cbxHuntBound = new QComboBox(this);
    cbxHuntBound->setObjectName("cbxHuntBound");
    for (const char* b : kBounds) cbxHuntBound->addItem(b);
    cbxHuntBound->setCurrentIndex(2);
    cbxHuntBound->setToolTip("The heaviest encumbrance a set may reach, worked out as the Equipment page does.");
    btnHuntSearch = MakeButton(this, "btnHuntSearch", "&Search", "Work out what to get next for this scale and bound.");
    askRow->addWidget(MakeBuddyLabel(this, "", "Sc&ale", cbxHuntScale));
    askRow->addWidget(cbxHuntScale, 1);
    askRow->addWidget(MakeBuddyLabel(this, "", "Encum&brance at most", cbxHuntBound));
    askRow->addWidget(cbxHuntBound);
    askRow->addWidget(btnHuntSearch);
    layout->addLayout(askRow);
    lblHuntOwned = MakeLabel(this, "lblHuntOwned", QString());
    lblHuntAll = MakeLabel(this, "lblHuntAll", QString());
    for (QLabel* l : {lblHuntOwned, lblHuntAll}) {
        l->setWordWrap(true);
        l->setTextInteractionFlags(Qt::TextSelectableByMouse);
        layout->addWidget(l);
    }
    lstHunt = MakeTable(this, "lstHunt", {"Item", "Level", "Gain"});
    lstHunt->setToolTip("What the best set from owned items would gain with this item owned too, the largest "
                        "first: the items of the best set from every item the character lacks, and the ten that "
                        "gain most in one slot.");
    lstHunt->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    lstHunt->header()->setStretchLastSection(false);
    layout->addWidget(lstHunt, 1);
    auto* bottom = TableButtons(this, *page_.Events, *page_.Ui, page_.DecimalSep, "btnHunt", lstHunt, nullptr);
    prgHunt = new QProgressBar(this);
    prgHunt->setObjectName("prgHunt");
    prgHunt->setTextVisible(false);
    bottom->insertWidget(0, prgHunt, 1);
    QPushButton* close = MakeButton(this, "btnHuntClose", "Close", "Stop the search, or close.");
    bottom->addWidget(close);
    layout->addLayout(bottom);
    runner_ = new SearchRunner(prgHunt, *page_.Events, this);
    page_.Events->OnClick(btnHuntSearch, [this] { Search(); });
    page_.Events->OnClick(close, [this] {
        if (runner_->Running())
            runner_->Cancel();
        else
            reject();
    });
    resize(640, 480);
}

HuntDialog::~HuntDialog() { runner_->Stop(); }

void HuntDialog::reject()
{
    runner_->Stop();
    QDialog::reject();
}

void HuntDialog::Search()
{
    if (runner_->Running()) return;
    BestSetQuestion q;
    q.Lists = page_.Lists;
    q.Weights = page_.Scales->All()[static_cast<size_t>(std::max(0, cbxHuntScale->currentIndex()))];
    q.Bound = static_cast<LoadBound>(std::max(0, cbxHuntBound->currentIndex()));
    q.Strength = page_.Strength;
    q.MiscEncumbrance = page_.MiscEncumbrance;
    asked_ = std::move(q);
    btnHuntSearch->setEnabled(false);
    lstHunt->clear();
    lblHuntOwned->setText("Searching...");
    lblHuntAll->clear();
    answer_ = {};
    answer_.Cancelled = true;  // until the search says otherwise
    runner_->Start([this](const SearchProgress& progress) { answer_ = WhatToGetNext(asked_, page_.Owned, progress); },
                   [this] { ShowAnswer(); });
}

void HuntDialog::ShowAnswer()
{
    btnHuntSearch->setEnabled(true);
    prgHunt->setMaximum(1);
    prgHunt->setValue(answer_.Cancelled ? 0 : 1);
    if (answer_.Cancelled) {
        lblHuntOwned->setText("Search stopped.");
        return;
    }
    const char sep = page_.DecimalSep;
    lblHuntOwned->setText(SetLine("Best set from owned items", answer_.Owned, asked_, sep));
    lblHuntAll->setText(SetLine("Best set from every item", answer_.Everything, asked_, sep));
    // The items that would add nothing are counted, not listed.
    qsizetype nothing = 0;
    for (const HuntRow& row : answer_.Rows) {
        if (row.Gain <= 0) {
            ++nothing;
            continue;
        }
        auto* item = new QTreeWidgetItem(lstHunt, {FromBytes(row.Item->Name), QString::number(row.Item->MinLevel),
                                                   FromBytes(GainText(row.Gain, sep))});
        item->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
        item->setTextAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
    }
    if (nothing > 0)
        lblHuntAll->setText(lblHuntAll->text() +
                            QString("\n%1 the character lacks would add nothing to the best owned set.")
                                .arg(Counted(nothing, "more item weighed", "more items weighed")));
    lstHunt->resizeColumnToContents(1);
    lstHunt->resizeColumnToContents(2);
}

}  // namespace vantor
