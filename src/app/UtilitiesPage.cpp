#include "app/UtilitiesPage.h"

#include "app/EventGuard.h"
#include "app/SlotListModel.h"
#include "app/Widgets.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace vantor {

UtilitiesPage::UtilitiesPage(EventGuard& events, QWidget* parent) : QWidget(parent), events_(events)
{
    setObjectName("tbUtil");
    auto* swings = new QGroupBox("Corvath's Swing Calculator 2.1", this);
    swings->setObjectName("GroupBox3");
    auto* grid = new QGridLayout(swings);
    weaponRows_ = new SlotListModel(weapons_, this);
    cbxUWeapon = MakeSlotBox(swings, "cbxUWeapon", weaponRows_);
    cbxUWeapon->setToolTip("Select your weapon.");
    edtUagil = MakeEdit(swings, "edtUagil", QString());
    edtUenc = MakeEdit(swings, "edtUenc", QString(), "Encumberance from Eq tab.");
    edtUMenc = MakeEdit(swings, "edtUMenc", QString(), "Maximum encumberance from Eq tab.");
    const struct {
        const char* Caption;
        QWidget* Box;
    } rows[] = {{"Agility", edtUagil}, {"Encumberance", edtUenc}, {"Max Enc", edtUMenc}, {"Weapon", cbxUWeapon}};
    int r = 0;
    for (const auto& row : rows) {
        auto* label = new QLabel(row.Caption, swings);
        label->setBuddy(row.Box);
        grid->addWidget(label, r, 0);
        grid->addWidget(row.Box, r++, 1);
    }
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(swings);
    layout->addStretch(1);
}

void UtilitiesPage::FillSwingWeapons(SlotList&& weapons)
{
    weaponRows_->BeginRefill();
    weapons_ = std::move(weapons);
    weaponRows_->EndRefill();
    cbxUWeapon->setCurrentIndex(0);
}

void UtilitiesPage::SelectSwingWeapon(std::string_view name)
{
    cbxUWeapon->setCurrentIndex(weapons_.FindText(name));
}

QString UtilitiesPage::AgilityText() const
{
    return edtUagil->text();
}

void UtilitiesPage::SetAgility(const QString& text)
{
    events_.SetText(*edtUagil, text);
}

void UtilitiesPage::ShowEncumbrance(const QString& maxEnc, const QString& enc)
{
    events_.SetText(*edtUMenc, maxEnc);
    events_.SetText(*edtUenc, enc);
}

}  // namespace vantor
