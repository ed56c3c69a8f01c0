#include "app/lists/WeaponsPage.h"

#include "app/common/CharacterPanel.h"
#include "app/common/EventGuard.h"
#include "app/common/Widgets.h"
#include "app/lists/ConditionStrip.h"
#include "data/CodeTables.h"
#include "data/Text.h"
#include "filters/Conditions.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

#include <algorithm>

namespace vantor {

WeaponsPage::WeaponsPage(const PageContext& context, FindPosition& find, WornActions worn, QWidget* parent)
    : ListPage(ListKind::Weapons,
               {"TabSheet2", "lstWeapons", "mmWsp", "pnlWeaponFilter", "edtFind2", "", "btnFFW", "btnFind2"}, context,
               &find, std::move(worn), parent)
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
    Refill([&] { FilterWeapons(data_.Items, profile, boxes, RowsPassing(*conditions)); }, true);
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

}  // namespace vantor
