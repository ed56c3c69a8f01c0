#include "app/utilities/SpellEntries.h"

#include "app/common/Bytes.h"

namespace vantor {

int SpellEntries::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(spells_.size());
}

QVariant SpellEntries::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole)) return {};
    const TSpell* s = spells_[static_cast<size_t>(index.row())];
    return s ? FromBytes(s->Name) : QString("*None*");
}

TSpell* SpellEntries::Spell(int i) const { return i > 0 && i < rowCount() ? spells_[static_cast<size_t>(i)] : nullptr; }

void SpellEntries::Refill(std::vector<TSpell*> spells)
{
    spells.insert(spells.begin(), nullptr);
    beginResetModel();
    spells_ = std::move(spells);
    endResetModel();
}

}  // namespace vantor
