#pragma once
// The loaded records. The lists own their records; rows and other lists only point into them,
// so the containers keep every record at a fixed address until Clear.

#include "data/Item.h"
#include "data/RecordList.h"
#include "data/Spell.h"

#include <unordered_map>

namespace vantor {

class SpellList {
public:
    SpellList() = default;
    // A copy would point into the original's records.
    SpellList(const SpellList&) = delete;
    SpellList& operator=(const SpellList&) = delete;
    SpellList(SpellList&&) = default;
    SpellList& operator=(SpellList&&) = default;
    void Add(TSpell&& spell);
    void Clear();
    // The first spell whose Number is n, or nullptr.
    TSpell* Find(int32_t n) const;
    size_t size() const { return spells_.size(); }
    bool empty() const { return spells_.empty(); }
    TSpell& operator[](size_t i) { return spells_[i]; }
    const TSpell& operator[](size_t i) const { return spells_[i]; }
    auto begin() { return spells_.begin(); }
    auto end() { return spells_.end(); }
    auto begin() const { return spells_.begin(); }
    auto end() const { return spells_.end(); }

private:
    RecordList<TSpell> spells_;
    std::unordered_map<int32_t, TSpell*> byNumber_;  // first occurrence wins
};

using ItemList = RecordList<TItem>;

}  // namespace vantor
