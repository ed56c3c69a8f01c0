#pragma once
// The sixteen slots of the equipment page: a labelled drop-down list each, picking from the items
// that fit there.

#include "equipment/Scale.h"
#include "equipment/SlotLists.h"
#include "equipment/Totals.h"

#include <QWidget>

#include <array>
#include <functional>
#include <memory>
#include <vector>

class QComboBox;

namespace vantor {

class EventGuard;
class GainTable;
class SlotListModel;

class SlotPanel : public QWidget {
    Q_OBJECT
public:
    using Picks = std::array<int, kSlotCount>;  // the entry each slot shows; 0 for none

    // decimalSep: the separator of the figures the lists show beside the names.
    SlotPanel(char decimalSep, QWidget* parent);

    // A slot that a refill emptied, and the item it held.
    struct Emptied {
        Slot Where;
        const TItem* Item;
    };
    // Refills every list from the items usable accepts (all when empty); and swing, when given,
    // with the weapons. With keep, each slot keeps its item where its new list still offers it,
    // and the slots whose item it no longer offers are given back; else every slot shows "*None*".
    // all: every item in the slots that take it (the load's), which the lists narrow.
    std::vector<Emptied> Fill(const SlotLists& all, const std::function<bool(const TItem&)>& usable, SlotList* swing,
                              bool keep = false);
    const SlotLists& Lists() const { return lists_; }
    QComboBox* Box(Slot s) const { return boxes_[static_cast<size_t>(s)]; }

    ChosenItems Chosen() const;
    Picks Current() const;
    // Shows these entries, as the player's picks would (no handler runs).
    void Choose(const Picks& picks);
    // Runs change, which may change many slots, with one Changed told at the end.
    void Quietly(const std::function<void()>& change);
    // The lists' gain columns from now on show each item's gain in its slot by gains, under the
    // scale named.
    void ShowGains(const std::shared_ptr<const GainTable>& gains, const QString& scaleName);
    // "Wear": the item put on where WearSlot says, as a pick there would put it (no handler runs).
    struct Wearing {
        enum { NoSlot, NotListed, WornAlready, Worn } What;
        Slot Where;  // for the last two
    };
    Wearing Wear(const TItem& item, const ScoreTable& table);
    // The entry of the slot's list whose item has this number; 0 for none.
    int EntryOfNumber(Slot slot, int32_t number) const;

private:
    SlotLists lists_;
    bool quiet_ = false;
    std::array<SlotListModel*, kSlotCount> models_{};
    std::array<QComboBox*, kSlotCount> boxes_{};

signals:
    // The player picked in a slot.
    void Picked();
    // What a slot holds changed, by the player or by code.
    void Changed();
};

}  // namespace vantor
