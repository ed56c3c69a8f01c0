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

private:
    QCheckBox* chkM1;
    QCheckBox* chkM2;
    QCheckBox* chkM3;
};

}  // namespace vantor
