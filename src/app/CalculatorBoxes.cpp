#include "app/CalculatorBoxes.h"

#include "app/Bytes.h"
#include "app/CharacterPanel.h"
#include "app/Colours.h"
#include "app/EventGuard.h"
#include "app/SlotListModel.h"
#include "app/UserInterface.h"
#include "app/Widgets.h"
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
namespace {

// A calculator's box: narrow, with its label in front.
QLineEdit* AddBox(QGridLayout* grid, int row, int column, const char* name, const char* caption,
                  const QString& text = {}, const QString& hint = {}, const char* labelName = "", int labelSpan = 1)
{
    QLineEdit* box = MakeEdit(grid->parentWidget(), name, text, hint);
    box->setFixedWidth(60);
    AddLabelled(*grid, row, column, caption, box, {}, labelSpan, labelName);
    return box;
}

// Read-only results, and the copied inputs shown in grey.
void MakeResult(QLineEdit* box) { box->setReadOnly(true); }

void MakeGrey(QLineEdit* box)
{
    QPalette p = box->palette();
    p.setColor(QPalette::Text, MutedColour(p.color(QPalette::Base)));
    box->setPalette(p);
}

int32_t Number(const QLineEdit* box) { return GetNumber(ToBytes(box->text())); }

QString Real(double v, char sep) { return FromBytes(FormatReal(v, sep)); }

}  // namespace

TrueAverageBox::TrueAverageBox(const PageContext& context, QWidget* parent)
    : QGroupBox("True Average Calculations", parent), ui_(context.Ui), events_(context.Events),
      decimalSep_(context.DecimalSep)
{
    setObjectName("GroupBox1");
    auto* grid = new QGridLayout(this);
    grid->setVerticalSpacing(2);
    edtUhper = AddBox(grid, 0, 0, "edtUhper", "Hit %", "0");
    edtUhave = AddBox(grid, 0, 2, "edtUhave", "Hit Average", "0");
    edtUcper = AddBox(grid, 1, 0, "edtUcper", "Crit %", "0");
    edtUcave = AddBox(grid, 1, 2, "edtUcave", "Crit Average", "0");
    edtUeper = AddBox(grid, 2, 0, "edtUeper", "Extra %", "0");
    edtUeave = AddBox(grid, 2, 2, "edtUeave", "Extra Average", "0");
    edtUswings = AddBox(grid, 3, 0, "edtUswings", "Swings?", "5");
    edtUTAcal = AddBox(grid, 4, 0, "edtUTAcal", "True Average Damage", {}, {}, "", 3);
    MakeResult(edtUTAcal);
    edtUTAcal->setFixedWidth(130);  // room for fifteen digits
    auto* buttons = new QHBoxLayout;
    const std::pair<const char*, const char*> captions[] = {
        {"btnTrueAve", "Calculate"}, {"btnTAReset", "Reset"}, {"btnUPKR", "&Paste Dmg"}};
    const std::function<void()> handlers[] = {[this] { btnTrueAveClick(); }, [this] { btnTAResetClick(); },
                                              [this] { btnUPKRClick(); }};
    for (size_t i = 0; i < std::size(captions); ++i) {
        QPushButton* b = MakeButton(this, captions[i].first, captions[i].second);
        buttons->addWidget(b);
        events_.OnClick(b, handlers[i]);
    }
    grid->addLayout(buttons, 5, 0, 1, 4);
}

void TrueAverageBox::btnTrueAveClick()
{
    const DamageFigures f{Number(edtUhper), Number(edtUhave), Number(edtUcper),
                          Number(edtUcave), Number(edtUeper), Number(edtUeave)};
    const double swings = SwingsOrDefault(ToBytes(edtUswings->text()), decimalSep_);
    events_.SetText(*edtUTAcal, Real(TrueAverage(f, swings), decimalSep_));
}

void TrueAverageBox::btnTAResetClick()
{
    for (QLineEdit* box : {edtUhper, edtUhave, edtUcper, edtUcave, edtUeper, edtUeave}) events_.SetText(*box, "0");
    events_.SetText(*edtUswings, "5");
    events_.SetText(*edtUTAcal, QString());
}

void TrueAverageBox::btnUPKRClick()
{
    if (!ui_.ClipboardHasText()) {
        ui_.ShowMessage(this, "There is no text on the Clipboard");
        return;
    }
    const std::optional<DamageFigures> f = ReadDamageSummary(ToBytes(ui_.ClipboardText()));
    if (!f) {
        ui_.ShowMessage(this, "Copy a valid KR players Damage first!");
        return;
    }
    const std::pair<QLineEdit*, int32_t> figures[] = {{edtUhper, f->HitPct},   {edtUhave, f->HitAvg},
                                                      {edtUeper, f->ExtraPct}, {edtUeave, f->ExtraAvg},
                                                      {edtUcper, f->CritPct},  {edtUcave, f->CritAvg}};
    for (const auto& [box, value] : figures) events_.SetText(*box, QString::number(value));
    if (edtUswings->text().isEmpty()) events_.SetText(*edtUswings, "5");
    btnTrueAveClick();
}

void TrueAverageBox::SetSwings(const QString& text) { events_.SetText(*edtUswings, text); }

ManaRegenBox::ManaRegenBox(const PageContext& context, QWidget* parent)
    : QGroupBox("Mana Regen Calculator", parent), ui_(context.Ui), events_(context.Events),
      character_(context.Character), decimalSep_(context.DecimalSep)
{
    setObjectName("GroupBox2");
    auto* grid = new QGridLayout(this);
    grid->setVerticalSpacing(2);
    edtUint = AddBox(grid, 0, 0, "edtUint", "Intel", {}, {}, "Label58");
    Label58 = findChild<QLabel*>("Label58");
    edtUwis = AddBox(grid, 0, 2, "edtUwis", "Willpower");
    edtUMlvl = AddBox(grid, 1, 0, "edtUMlvl", "Magic Level", {}, "Change the class above.");
    edtUMRlvl = AddBox(grid, 1, 2, "edtUMRlvl", "Level", {}, "Change the level above.");
    edtUMRcal = AddBox(grid, 2, 0, "edtUMRcal", "Mana Regen Tick", {}, {}, "", 3);
    MakeGrey(edtUMlvl);
    MakeGrey(edtUMRlvl);
    MakeResult(edtUMRlvl);
    MakeResult(edtUMRcal);
    edtUMRcal->setFixedWidth(130);
    QPushButton* calculate = MakeButton(this, "btnMRC", "Calculate");
    QPushButton* reset = MakeButton(this, "btnMRR", "Reset");
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(calculate);
    buttons->addWidget(reset);
    grid->addLayout(buttons, 3, 0, 1, 4);
    events_.OnClick(calculate, [this] { btnMRCClick(); });
    events_.OnClick(reset, [this] { btnMRRClick(); });
}

void ManaRegenBox::btnMRCClick()
{
    const int32_t k = character_.ClassCode();
    if (!ClassHasMana(k)) ui_.ShowMessage(this, "You don't have mana.");
    const long double tick = ManaTick(k, Number(edtUint), Number(edtUwis), Number(edtUMlvl), Number(edtUMRlvl));
    events_.SetText(*edtUMRcal, Real(static_cast<double>(tick), decimalSep_));
}

void ManaRegenBox::btnMRRClick()
{
    events_.SetText(*edtUMRlvl, character_.LevelText());
    events_.SetText(*edtUMlvl, "0");
    events_.SetText(*edtUMRcal, QString());
    events_.SetText(*edtUint, "50");
    events_.SetText(*edtUwis, "50");
}

void ManaRegenBox::ShowLevel(const QString& level) { events_.SetText(*edtUMRlvl, level); }

void ManaRegenBox::ApplyClassPreset(const ClassPreset& preset)
{
    events_.SetText(*edtUMlvl, preset.ManaMagicLevel);
    Label58->setText(preset.ManaLabel);
}

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
