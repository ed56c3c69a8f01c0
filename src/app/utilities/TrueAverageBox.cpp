#include "app/utilities/TrueAverageBox.h"

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

}  // namespace vantor
