#include "app/utilities/UtilitiesPage.h"

#include "app/common/Bytes.h"
#include "app/common/CharacterPanel.h"
#include "app/common/UserInterface.h"
#include "app/utilities/ManaRegenBox.h"
#include "app/utilities/SwingBox.h"
#include "app/utilities/TrueAverageBox.h"
#include "data/TypedNumber.h"

#include <QGridLayout>

namespace vantor {

UtilitiesPage::UtilitiesPage(const PageContext& context, QWidget* parent)
    : QWidget(parent), ui_(context.Ui), character_(context.Character)
{
    setObjectName("tbUtil");
    trueAverage_ = new TrueAverageBox(context, this);
    manaRegen_ = new ManaRegenBox(context, this);
    swings_ = new SwingBox(
        context, [this](const QString& swings) { trueAverage_->SetSwings(swings); }, this);
    // The true average and mana calculators on the left, the swing calculator on the right.
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(4, 4, 4, 4);
    grid->addWidget(trueAverage_, 0, 0);
    grid->addWidget(manaRegen_, 1, 0);
    grid->addWidget(swings_, 0, 1, 2, 1);
    grid->setRowStretch(2, 1);
}

void UtilitiesPage::edtAlvlChange()
{
    const int32_t level = GetNumber(ToBytes(character_.LevelText()));
    if (level == 0) {
        ui_.ShowMessage(this, "Please enter a valid level.");
        return;
    }
    swings_->ShowLevel(QString::number(level));
    manaRegen_->ShowLevel(QString::number(level));
}

void UtilitiesPage::btnTAResetClick() { trueAverage_->btnTAResetClick(); }
void UtilitiesPage::btnQZSwingRClick() { swings_->btnQZSwingRClick(); }
void UtilitiesPage::btnMRRClick() { manaRegen_->btnMRRClick(); }

void UtilitiesPage::ApplyClassPreset(const ClassPreset& preset)
{
    manaRegen_->ApplyClassPreset(preset);
    swings_->ApplyClassPreset(preset);
}

void UtilitiesPage::FillSwingWeapons(SlotList&& weapons) { swings_->FillSwingWeapons(std::move(weapons)); }
void UtilitiesPage::SelectSwingWeapon(std::string_view name) { swings_->SelectSwingWeapon(name); }
void UtilitiesPage::ShowEncumbrance(const QString& maxEnc, const QString& enc)
{
    swings_->ShowEncumbrance(maxEnc, enc);
}
QString UtilitiesPage::AgilityText() const { return swings_->AgilityText(); }
void UtilitiesPage::SetAgility(const QString& text) { swings_->SetAgility(text); }

}  // namespace vantor
