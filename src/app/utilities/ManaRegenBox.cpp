#include "app/utilities/ManaRegenBox.h"

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

}  // namespace vantor
