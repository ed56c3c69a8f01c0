#include "app/lists/ArmorPage.h"

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

ArmorPage::ArmorPage(const PageContext& context, FindPosition& find, WornActions worn, QWidget* parent)
    : ListPage(ListKind::Armor,
               {"TabSheet1", "lstArmor", "mmAsp", "pnlArmorFilter", "edtFind", "Search For", "btnFFA", "btnFind"},
               context, &find, std::move(worn), parent)
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
    Refill([&] { FilterArmour(data_.Items, profile, boxes, RowsPassing(*conditions)); }, false);
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

}  // namespace vantor
