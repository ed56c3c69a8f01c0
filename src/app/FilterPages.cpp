#include "app/FilterPages.h"

#include "app/CharacterPanel.h"
#include "app/ConditionStrip.h"
#include "app/EventGuard.h"
#include "app/Widgets.h"
#include "data/CodeTables.h"
#include "data/Text.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

#include <algorithm>

namespace vantor {
namespace {

// Adds to the page the items that meet the conditions.
AddItem PassingTo(ListPage& page, const ItemConditions& conditions)
{
    return [&page, &conditions](const TItem& item) {
        if (conditions.Passes(item)) page.AddRow(item);
    };
}

}  // namespace

ArmorPage::ArmorPage(const PageContext& context, FindPosition& find, CompareWithWorn compare, QWidget* parent)
    : ListPage(ListKind::Armor,
               {"TabSheet1", "lstArmor", "mmAsp", "pnlArmorFilter", "edtFind", "Search For", "btnFFA", "btnFind"},
               context, &find, std::move(compare), parent)
{
    QWidget* panel = FilterGrid()->parentWidget();
    QGridLayout* grid = FilterGrid();
    cbxWornW = MakeCoded(panel, "cbxWornW", WornEntries(), "The part of body armor is worn");
    cbxWornW->setMaxVisibleItems(15);
    AddLabelled(*grid, 0, 0, "Body Part", cbxWornW, {}, 1, "lblA2");
    cbxMag = MakeCoded(panel, "cbxMag", MagicLevelEntries(), "Minimum magical/hitmagic level");
    cbxMag->setVisible(false);
    chkNM = MakeCheck(panel, "chkNM", "Non Magical", false, "Include only non-magical items");
    grid->addWidget(chkNM, 0, 2, 1, 2);
    const struct {
        QCheckBox*& Box;
        const char* Name;
        const char* Caption;
    } materials[] = {{chkp, "chkp", "Plate"},     {chksc, "chksc", "Scalemail"}, {chkc, "chkc", "Chainmail"},
                     {chkl, "chkl", "Leather"},   {chkn, "chkn", "Ninja"},       {chksi, "chksi", "Silk"},
                     {chknone, "chknone", "None"}};
    int i = 0;
    for (const auto& m : materials) {
        m.Box = MakeCheck(panel, m.Name, m.Caption, true);
        grid->addWidget(m.Box, 1 + i / 4, i % 4);
        ++i;
    }
    grid->setColumnStretch(4, 1);
    conditions_ = new ConditionStrip("", context.Ui, context.DecimalSep, this);
    AddUnderStrip(conditions_);
    AddButton("btnFA", "Filter Armor", [this] { btnFAClick(); });
    AddButton("btnResetA", "&Reset", [this] { btnResetAClick(); });
}

void ArmorPage::btnFAClick()
{
    ArmourBoxes boxes;
    boxes.MinMagic = SelectedCode(*cbxMag);
    boxes.WornCode = SelectedCode(*cbxWornW);
    boxes.NonMagical = chkNM->isChecked();
    boxes.Plate = chkp->isChecked();
    boxes.Scalemail = chksc->isChecked();
    boxes.Chainmail = chkc->isChecked();
    boxes.Leather = chkl->isChecked();
    boxes.Ninja = chkn->isChecked();
    boxes.Silk = chksi->isChecked();
    boxes.None = chknone->isChecked();
    const auto conditions = conditions_->Read();
    if (!conditions) return;
    const Profile profile = character_.CurrentProfile();
    Refill([&] { FilterArmour(data_.Items, profile, boxes, PassingTo(*this, *conditions)); }, false);
    FilterRan();
}

void ArmorPage::btnResetAClick()
{
    conditions_->Reset();
    Refill([this] { AddAllRows(); }, true);
    FilterReset();
}

void ArmorPage::ApplyClassPreset(const ClassPreset& p)
{
    const std::pair<QCheckBox*, bool> boxes[] = {
        {chkp, p.Plate}, {chksc, p.Scalemail}, {chkc, p.Chainmail},        {chkl, p.Leather},
        {chksi, p.Silk}, {chkn, p.Ninja},      {chkNM, p.NonMagicalArmour}};
    for (const auto& [box, on] : boxes) events_.SetChecked(*box, on);
}

WeaponsPage::WeaponsPage(const PageContext& context, FindPosition& find, CompareWithWorn compare, QWidget* parent)
    : ListPage(ListKind::Weapons,
               {"TabSheet2", "lstWeapons", "mmWsp", "pnlWeaponFilter", "edtFind2", "", "btnFFW", "btnFind2"}, context,
               &find, std::move(compare), parent)
{
    QWidget* panel = FilterGrid()->parentWidget();
    QGridLayout* grid = FilterGrid();
    cbxMag2 = MakeCoded(panel, "cbxMag2", MagicLevelEntries(), "Minimum magical/hitmagic level");
    chkNMW = MakeCheck(panel, "chkNMW", "Non Magical", false, "Include only non-magical items");
    chk1h = MakeCheck(panel, "chk1h", "1 Handed", true);
    chk2h = MakeCheck(panel, "chk2h", "2 Handed", true);
    chkE = MakeCheck(panel, "chkE", "Edged", true);
    chkB = MakeCheck(panel, "chkB", "Blunt", true);
    grid->addWidget(cbxMag2, 0, 0);
    grid->addWidget(chkNMW, 0, 1, 1, 2);
    grid->addWidget(MakeLabel(panel, "lblW2", "I want to use this"), 1, 0);
    grid->addWidget(chk1h, 1, 1);
    grid->addWidget(chk2h, 1, 2);
    grid->addWidget(chkE, 2, 1);
    grid->addWidget(chkB, 2, 2);
    grid->setColumnStretch(3, 1);
    conditions_ = new ConditionStrip("W", context.Ui, context.DecimalSep, this);
    AddUnderStrip(conditions_);
    AddButton("btnFW", "Filter Weapons", [this] { btnFWClick(); });
    AddButton("btnResetW", "&Reset", [this] { btnResetWClick(); });
}

void WeaponsPage::btnFWClick()
{
    WeaponBoxes boxes;
    boxes.MinMagic = SelectedCode(*cbxMag2);
    boxes.NonMagical = chkNMW->isChecked();
    boxes.OneHanded = chk1h->isChecked();
    boxes.TwoHanded = chk2h->isChecked();
    boxes.Edged = chkE->isChecked();
    boxes.Blunt = chkB->isChecked();
    const auto conditions = conditions_->Read();
    if (!conditions) return;
    const Profile profile = character_.CurrentProfile();
    Refill([&] { FilterWeapons(data_.Items, profile, boxes, PassingTo(*this, *conditions)); }, true);
    FilterRan();
}

void WeaponsPage::btnResetWClick()
{
    conditions_->Reset();
    Refill([this] { AddAllRows(); }, true);
    FilterReset();
}

void WeaponsPage::ApplyClassPreset(const ClassPreset& p)
{
    const std::pair<QCheckBox*, bool> boxes[] = {
        {chk1h, p.OneHanded}, {chk2h, p.TwoHanded}, {chkE, p.Edged}, {chkB, p.Blunt}, {chkNMW, p.NonMagicalWeapons}};
    for (const auto& [box, on] : boxes) events_.SetChecked(*box, on);
}

SpellsPage::SpellsPage(const PageContext& context, FindPosition& find, QWidget* parent)
    : ListPage(ListKind::Spells,
               {"TabSheet4", "lstDisplaySpell", "mmSNotes", "pnlSpellFilter", "edtFind3", "", "btnFFSpell", "btnFind3"},
               context, &find, nullptr, parent)
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

}  // namespace vantor
