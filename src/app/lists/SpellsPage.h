#pragma once
// The "&Spells" page: the spell list, filtered by the character's class and magic levels.

#include "app/lists/ListPage.h"
#include "data/CodeTables.h"

class QCheckBox;

namespace vantor {

class SpellsPage : public ListPage {
    Q_OBJECT
public:
    SpellsPage(const PageContext& context, FindPosition& find, QWidget* parent);
    void btnFiltSpellsClick();
    void btnRspellsClick();
    void ApplyClassPreset(const ClassPreset& preset);
    // The level in the top row changed: "Dmg", "Dmg/Mana" and "Rounds" are worked out at it (at
    // each spell's cap when it holds none), and a list sorted by one of them follows.
    void LevelChanged();

private:
    QCheckBox* chkM1;
    QCheckBox* chkM2;
    QCheckBox* chkM3;
};

}  // namespace vantor
