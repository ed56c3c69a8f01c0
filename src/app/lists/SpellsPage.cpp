#include "app/lists/SpellsPage.h"

#include "app/common/Bytes.h"
#include "app/common/CharacterPanel.h"
#include "app/common/EventGuard.h"
#include "app/common/Widgets.h"
#include "app/lists/ConditionStrip.h"
#include "data/CodeTables.h"
#include "data/Errors.h"
#include "data/Text.h"
#include "data/TypedNumber.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

#include <algorithm>

namespace vantor {

SpellsPage::SpellsPage(const PageContext& context, FindPosition& find, QWidget* parent)
    : ListPage(ListKind::Spells,
               {"TabSheet4", "lstDisplaySpell", "mmSNotes", "pnlSpellFilter", "edtFind3", "", "btnFFSpell", "btnFind3"},
               context, &find, {}, parent)
{
    QWidget* panel = FilterGrid()->parentWidget();
    chkM1 = MakeCheck(panel, "chkM1", "Magic Level 1", true);
    chkM2 = MakeCheck(panel, "chkM2", "Magic Level 2", true);
    chkM3 = MakeCheck(panel, "chkM3", "Magic Level 3", true);
    FilterGrid()->addWidget(chkM1, 0, 0);
    FilterGrid()->addWidget(chkM2, 0, 1);
    FilterGrid()->addWidget(chkM3, 1, 0);
    FilterGrid()->setColumnStretch(2, 1);
    AddButton("btnFiltSpells", "Filter Spells", [this] { btnFiltSpellsClick(); });
    AddButton("btnRspells", "&Reset", [this] { btnRspellsClick(); });
}

void SpellsPage::btnFiltSpellsClick()
{
    const SpellBoxes boxes{chkM1->isChecked(), chkM2->isChecked(), chkM3->isChecked()};
    const int32_t classCode = character_.ClassCode();
    Refill([&] { FilterSpells(data_.Spells, classCode, boxes, [this](const TSpell& s) { AddRow(s); }); }, true);
    FilterRan();
}

void SpellsPage::btnRspellsClick()
{
    Refill([this] { AddAllRows(); }, true);
    FilterReset();
}

void SpellsPage::ApplyClassPreset(const ClassPreset& p)
{
    const std::pair<QCheckBox*, bool> boxes[] = {
        {chkM1, p.MagicLevel1}, {chkM2, p.MagicLevel2}, {chkM3, p.MagicLevel3}};
    for (const auto& [box, on] : boxes) events_.SetChecked(*box, on);
}

void SpellsPage::LevelChanged()
{
    int32_t level = 0;
    try {
        level = GetNumber(ToBytes(character_.LevelText()));
    } catch (const EConvertError&) {
        level = 0;  // no level: each spell's cap
    }
    Rows().SetSpellLevel(static_cast<uint16_t>(std::clamp(level, 0, 65535)));
    const std::vector<ColumnDef>& columns = Rows().ColumnDefs();
    const auto by = static_cast<size_t>(Sorted().Column);
    if (Order() && by < columns.size() && columns[by].ByLevel) Sort();
}

}  // namespace vantor
