#include "app/equipment/SlotPanel.h"

#include "app/common/EventGuard.h"
#include "app/common/Widgets.h"
#include "app/equipment/SlotListModel.h"
#include "equipment/Compare.h"
#include "equipment/Gains.h"
#include "equipment/Wear.h"

#include <QComboBox>
#include <QGridLayout>

#include <algorithm>

namespace vantor {

SlotPanel::SlotPanel(char decimalSep, QWidget* parent) : QWidget(parent)
{
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setVerticalSpacing(2);
    for (size_t s = 0; s < kSlotCount; ++s) {
        const SlotInfo& info = SlotTable()[s];
        models_[s] = new SlotListModel(lists_[s], this, true, decimalSep);
        boxes_[s] = MakeSlotBox(this, info.Name, models_[s]);
        AddLabelled(*grid, static_cast<int>(s), 0, info.Caption, boxes_[s]);
        if (s > 0) setTabOrder(boxes_[s - 1], boxes_[s]);
    }
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(kSlotCount, 1);
    for (QComboBox* box : boxes_) {
        connect(box, &QComboBox::activated, this, &SlotPanel::Picked);
        connect(box, &QComboBox::currentIndexChanged, this, [this] {
            if (!quiet_) emit Changed();
        });
    }
}

void SlotPanel::Quietly(const std::function<void()>& change)
{
    const bool outer = !quiet_;
    quiet_ = true;
    try {
        change();
    } catch (...) {
        if (outer) quiet_ = false;
        if (outer) emit Changed();
        throw;
    }
    if (!outer) return;
    quiet_ = false;
    emit Changed();
}

std::vector<SlotPanel::Emptied> SlotPanel::Fill(const SlotLists& all, const std::function<bool(const TItem&)>& usable,
                                                SlotList* swing, bool keep)
{
    const ChosenItems before = keep ? Chosen() : ChosenItems{};
    std::vector<Emptied> emptied;
    Quietly([&] {
        for (SlotListModel* m : models_) m->BeginRefill();
        NarrowSlotLists(all, usable, lists_, swing);
        for (SlotListModel* m : models_) m->EndRefill();
        for (size_t s = 0; s < kSlotCount; ++s) {
            const int entry = lists_[s].EntryOf(before[s]);
            if (entry < 0) emptied.push_back({static_cast<Slot>(s), before[s]});
            boxes_[s]->setCurrentIndex(std::max(0, entry));
        }
    });
    return emptied;
}

void SlotPanel::ShowGains(const std::shared_ptr<const GainTable>& gains, const QString& scaleName)
{
    for (size_t s = 0; s < kSlotCount; ++s)
        models_[s]->ShowGains(
            [gains, slot = static_cast<Slot>(s)](const TItem& item) { return gains->GainIn(item, slot); }, scaleName);
}

SlotPanel::Wearing SlotPanel::Wear(const TItem& item, const ScoreTable& table)
{
    if (CompareSlots(item).empty()) return {Wearing::NoSlot, Head};
    const auto listed = [&](Slot s) { return lists_[static_cast<size_t>(s)].EntryOf(&item) >= 0; };
    const ChosenItems worn = Chosen();
    const std::optional<Slot> where = WearSlot(item, worn, table, listed);
    if (!where) return {Wearing::NotListed, Head};
    const auto s = static_cast<size_t>(*where);
    if (worn[s] == &item) return {Wearing::WornAlready, *where};
    Picks picks = Current();
    picks[s] = lists_[s].EntryOf(&item);
    Choose(picks);
    return {Wearing::Worn, *where};
}

ChosenItems SlotPanel::Chosen() const
{
    ChosenItems chosen{};
    for (size_t s = 0; s < kSlotCount; ++s) chosen[s] = SelectedRecord(*boxes_[s], lists_[s]);
    return chosen;
}

SlotPanel::Picks SlotPanel::Current() const
{
    Picks picks{};
    for (size_t s = 0; s < kSlotCount; ++s) picks[s] = std::max(0, boxes_[s]->currentIndex());
    return picks;
}

void SlotPanel::Choose(const Picks& picks)
{
    Quietly([&] {
        for (size_t s = 0; s < kSlotCount; ++s) boxes_[s]->setCurrentIndex(picks[s]);
    });
}

int SlotPanel::EntryOfNumber(Slot slot, int32_t number) const
{
    const SlotList& list = lists_[static_cast<size_t>(slot)];
    for (int i = 1; i < list.size(); ++i)
        if (list.Record(i)->Number == number) return i;
    return 0;
}

}  // namespace vantor
