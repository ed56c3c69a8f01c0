#pragma once
// The blessings the ten lists of the "&Mana Blessing" page offer, "*None*" first and then by
// name: one model the ten lists share.

#include "data/GameData.h"

#include <QAbstractListModel>

#include <vector>

namespace vantor {

class SpellEntries : public QAbstractListModel {
    Q_OBJECT
public:
    using QAbstractListModel::QAbstractListModel;
    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    // The spell of entry i; nullptr for "*None*" or an index outside the list.
    TSpell* Spell(int i) const;
    // AddFormatedSpell for every spell given, in their order, after "*None*".
    void Refill(std::vector<TSpell*> spells);

private:
    std::vector<TSpell*> spells_{nullptr};
};

}  // namespace vantor
