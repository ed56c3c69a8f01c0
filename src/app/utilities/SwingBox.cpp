#include "app/utilities/SwingBox.h"

#include "app/common/Bytes.h"
#include "app/common/CharacterPanel.h"
#include "app/common/Colours.h"
#include "app/common/EventGuard.h"
#include "app/common/UserInterface.h"
#include "app/common/Widgets.h"
#include "app/equipment/SlotListModel.h"
#include "app/utilities/CalculatorFields.h"
#include "calculators/Calculators.h"
#include "data/Text.h"
#include "data/TypedNumber.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace vantor {

SwingBox::SwingBox(const PageContext& context, std::function<void(const QString&)> swingsEstimate, QWidget* parent)
    : QGroupBox("Corvath's Swing Calculator 2.1", parent), events_(context.Events), character_(context.Character),
      swingsEstimate_(std::move(swingsEstimate)), decimalSep_(context.DecimalSep)
{
    setObjectName("GroupBox3");
    auto* grid = new QGridLayout(this);
    grid->setVerticalSpacing(2);
    BuildInputs(grid);
    grid->addWidget(BuildOptions(), 4, 0, 1, 4);
    QPushButton* reset = MakeButton(this, "btnQZSwingR", "Reset");
    btnQZSwingcal = MakeButton(this, "btnQZSwingcal", "Calculate");
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(reset);
    buttons->addWidget(btnQZSwingcal);
    grid->addLayout(buttons, 5, 0, 1, 4);
    grid->addLayout(BuildRounds(), 6, 0, 1, 4);
    grid->setRowStretch(7, 1);
    ConnectHandlers(reset);
}

void SwingBox::BuildInputs(QGridLayout* grid)
{
    edtUlvl = AddBox(grid, 0, 0, "edtUlvl", "Level", {}, "Change the level above.");
    edtUcombat = AddBox(grid, 0, 2, "edtUcombat", "Combat", {}, "Change the class above.");
    edtUagil = AddBox(grid, 1, 0, "edtUagil", "Agility");
    edtUenc = AddBox(grid, 2, 0, "edtUenc", "Encumberance", {}, "Encumberance from Eq tab.");
    edtUMenc = AddBox(grid, 2, 2, "edtUMenc", "Max Enc", {}, "Maximum encumberance from Eq tab.");
    for (QLineEdit* box : {edtUlvl, edtUcombat}) {
        MakeGrey(box);
        MakeResult(box);
    }
    weaponRows_ = new SlotListModel(weapons_, this);
    cbxUWeapon = MakeSlotBox(this, "cbxUWeapon", weaponRows_);
    cbxUWeapon->setToolTip("Select your weapon.");
    grid->addWidget(MakeBuddyLabel(this, "", "Weapon", cbxUWeapon), 3, 0);
    grid->addWidget(cbxUWeapon, 3, 1, 1, 3);
}

QWidget* SwingBox::BuildOptions()
{
    auto* optional = new QGroupBox("Optional", this);
    optional->setObjectName("GroupBox4");
    auto* options = new QGridLayout(optional);
    options->setVerticalSpacing(2);
    const auto radio = [optional](const char* name, const char* caption) {
        auto* b = new QRadioButton(caption, optional);
        b->setObjectName(name);
        return b;
    };
    rbUNorm = radio("rbUNorm", "Normal?");
    rbUspeed = radio("rbUspeed", "Speed?");
    rbUslow = radio("rbUslow", "Slow?");
    edtUSpeed = MakeEdit(optional, "edtUSpeed", "85");
    edtUSlow = MakeEdit(optional, "edtUSlow", "125");
    edtUSpeed->setFixedWidth(48);
    edtUSlow->setFixedWidth(48);
    chkUslow = MakeCheck(optional, "chkUslow", "Slowness?");
    options->addWidget(rbUNorm, 0, 0);
    options->addWidget(chkUslow, 0, 1, 1, 2);
    options->addWidget(rbUspeed, 1, 0);
    options->addWidget(edtUSpeed, 1, 1);
    options->addWidget(rbUslow, 2, 0);
    options->addWidget(edtUSlow, 2, 1);
    options->setColumnStretch(2, 1);
    return optional;
}

QGridLayout* SwingBox::BuildRounds()
{
    auto* roundsGrid = new QGridLayout;
    roundsGrid->setSpacing(2);
    roundsGrid->addWidget(MakeLabel(this, "", "Round Swings"), 0, 0, 1, 5);
    for (int i = 0; i < 10; ++i) {
        const QByteArray name = "edtU" + QByteArray::number(i + 1);
        QLineEdit* box = rounds_[static_cast<size_t>(i)] = MakeEdit(this, name.constData(), QString());
        MakeResult(box);
        box->setFixedWidth(40);
        auto* cell = new QHBoxLayout;
        cell->addWidget(MakeLabel(this, "", QString::number(i + 1)));
        cell->addWidget(box);
        roundsGrid->addLayout(cell, 1 + i / 5, i % 5);
    }
    return roundsGrid;
}

void SwingBox::ConnectHandlers(QPushButton* reset)
{
    events_.OnClick(reset, [this] { btnQZSwingRClick(); });
    events_.OnClick(btnQZSwingcal, [this] { btnQZSwingcalClick(); });
    events_.OnPick(cbxUWeapon, [this] { cbxUWeaponChange(); });
    events_.OnToggle(rbUNorm, [this] { rbUNormClick(); });
    events_.OnToggle(rbUspeed, [this] { rbUspeedClick(); });
    events_.OnToggle(rbUslow, [this] { rbUslowClick(); });
}

void SwingBox::btnQZSwingRClick()
{
    events_.SetText(*edtUlvl, character_.LevelText());
    cbxUWeapon->setCurrentIndex(0);
    events_.SetChecked(*rbUNorm, true);
    events_.SetText(*edtUcombat, "4");
    events_.SetText(*edtUagil, "100");
    events_.SetText(*edtUSpeed, "85");
    events_.SetText(*edtUSlow, "125");
    for (QLineEdit* box : rounds_) events_.SetText(*box, QString());
}

void SwingBox::btnQZSwingcalClick()
{
    const TItem* weapon = SelectedRecord(*cbxUWeapon, weapons_);
    if (!weapon) return;  // "*None*", or nothing chosen
    SwingInputs in;
    in.Encumbrance = Number(edtUenc);
    in.MaxEncumbrance = Number(edtUMenc);
    in.Strength = GetNumber(ToBytes(character_.StrengthText()));
    in.Agility = Number(edtUagil);
    in.Level = Number(edtUlvl);
    in.Combat = Number(edtUcombat);
    in.StrengthReq = weapon->StrengthReq;
    in.Speed = weapon->Speed;
    in.Slowness = chkUslow->isChecked();
    if (rbUslow->isChecked()) {
        in.Mode = SwingMode::Slow;
        in.SlowPercent = Number(edtUSlow);
    } else if (rbUspeed->isChecked()) {
        in.Mode = SwingMode::Speed;
        in.SpeedPercent = Number(edtUSpeed);
    }
    const SwingResult r = CalculateSwings(in);
    btnQZSwingcal->setToolTip(QString::fromStdString(r.Hint));
    swingsEstimate_(Real(r.SwingsPerRound, decimalSep_));
    for (size_t i = 0; i < rounds_.size(); ++i) events_.SetText(*rounds_[i], QString::number(r.Rounds[i]));
}

void SwingBox::cbxUWeaponChange()
{
    const TItem* weapon = SelectedRecord(*cbxUWeapon, weapons_);
    cbxUWeapon->setToolTip(
        weapon ? QString("Required Strength: %1 Weapon speed: %2").arg(weapon->StrengthReq).arg(weapon->Speed)
               : QString());
}

void SwingBox::rbUNormClick() { events_.KeepOneTicked(*rbUNorm, {rbUNorm, rbUspeed, rbUslow}); }
void SwingBox::rbUspeedClick() { events_.KeepOneTicked(*rbUspeed, {rbUNorm, rbUspeed, rbUslow}); }

void SwingBox::rbUslowClick()
{
    if (rbUslow->isChecked()) events_.SetChecked(*chkUslow, true);
    events_.KeepOneTicked(*rbUslow, {rbUNorm, rbUspeed, rbUslow});
}

void SwingBox::FillSwingWeapons(SlotList&& weapons)
{
    weaponRows_->BeginRefill();
    weapons_ = std::move(weapons);
    weaponRows_->EndRefill();
    cbxUWeapon->setCurrentIndex(0);
}

void SwingBox::SelectSwingWeapon(std::string_view name) { cbxUWeapon->setCurrentIndex(weapons_.FindText(name)); }

void SwingBox::ShowEncumbrance(const QString& maxEnc, const QString& enc)
{
    events_.SetText(*edtUMenc, maxEnc);
    events_.SetText(*edtUenc, enc);
}

void SwingBox::ShowLevel(const QString& level) { events_.SetText(*edtUlvl, level); }

void SwingBox::ApplyClassPreset(const ClassPreset& preset)
{
    if (preset.Combat) events_.SetText(*edtUcombat, preset.Combat);
}

QString SwingBox::AgilityText() const { return edtUagil->text(); }

void SwingBox::SetAgility(const QString& text) { events_.SetText(*edtUagil, text); }

}  // namespace vantor
