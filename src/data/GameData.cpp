#include "data/GameData.h"

namespace vantor {

void SpellList::Add(TSpell&& spell)
{
    spells_.push_back(std::move(spell));
    TSpell* added = &spells_.back();
    byNumber_.try_emplace(added->Number, added);
}

void SpellList::Clear()
{
    byNumber_.clear();
    spells_.clear();
}

TSpell* SpellList::Find(int32_t n) const
{
    const auto it = byNumber_.find(n);
    return it == byNumber_.end() ? nullptr : it->second;
}

}  // namespace vantor
