#include "app/equipment/EquipmentReadouts.h"

#include "app/common/Bytes.h"
#include "app/common/Colours.h"
#include "app/common/EventGuard.h"
#include "app/common/Widgets.h"
#include "data/Errors.h"
#include "data/Text.h"
#include "data/TypedNumber.h"
#include "equipment/Encumbrance.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace vantor {
namespace {

QLineEdit* MakeReadout(QWidget* parent, const char* name, const QString& text, bool shaded)
{
    QLineEdit* e = MakeEdit(parent, name, text);
    e->setReadOnly(true);
    e->setFixedWidth(64);
    if (shaded) {
        QPalette p = e->palette();
        p.setColor(QPalette::Base, p.color(QPalette::Button));
        e->setPalette(p);
    }
    return e;
}

}  // namespace

EquipmentReadouts::EquipmentReadouts(EventGuard& events, char decimalSep, QWidget* parent)
    : QWidget(parent), events_(events), decimalSep_(decimalSep)
{
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    auto* grid = new QGridLayout;
    grid->setVerticalSpacing(2);
    BuildTotals(grid);
    BuildInputs(grid, BuildLimits(grid, 6));
    grid->setColumnStretch(4, 1);
    column->addLayout(grid);
    mmoAttribSummary = new QPlainTextEdit(this);
    mmoAttribSummary->setObjectName("mmoAttribSummary");
    column->addWidget(mmoAttribSummary, 1);
    for (const Box box : {Box::Enc, Box::MaxEnc, Box::EncModifier, Box::MiscEnc, Box::MiscAC})
        connect(BoxOf(box), &QLineEdit::textChanged, this, [this, box] { emit Changed(box); });
}

void EquipmentReadouts::BuildTotals(QGridLayout* grid)
{
    // The readouts in two columns of caption and box.
    edtAC = MakeReadout(this, "edtAC", QString(), true);
    edtDR = MakeReadout(this, "edtDR", QString(), true);
    edtEnc = MakeReadout(this, "edtEnc", "0", false);
    SetColours(*edtEnc, CategoryColours(EncumbranceCategory::None));
    edtMEnc = MakeReadout(this, "edtMEnc", QString(), true);
    edtAcc = MakeReadout(this, "edtAcc", QString(), false);
    edtCrit = MakeReadout(this, "edtCrit", QString(), false);
    edtStealth = MakeReadout(this, "edtStealth", QString(), false);
    edtMR = MakeReadout(this, "edtMR", QString(), false);
    edtDodge = MakeReadout(this, "edtDodge", QString(), false);
    edtMaxDmg = MakeReadout(this, "edtMaxDmg", QString(), false);
    Label77 = MakeLabel(this, "Label77", "None");
    const struct {
        int Row, Column;
        const char* Caption;
        QLineEdit* Box;
    } readouts[] = {{0, 0, "AC", edtAC},
                    {0, 2, "DR", edtDR},
                    {1, 0, "Enc", edtEnc},
                    {2, 0, "Max Enc", edtMEnc},
                    {3, 0, "+Accuracy", edtAcc},
                    {3, 2, "+Critical Hit", edtCrit},
                    {4, 0, "+Stealth", edtStealth},
                    {4, 2, "+MR", edtMR},
                    {5, 0, "+Dodge", edtDodge},
                    {5, 2, "+Max Dmg", edtMaxDmg}};
    for (const auto& r : readouts) AddLabelled(*grid, r.Row, r.Column, r.Caption, r.Box);
    grid->addWidget(Label77, 1, 2, 1, 2);
}

int EquipmentReadouts::BuildLimits(QGridLayout* grid, int row)
{
    // The limits of the encumbrance categories, top to bottom.
    lbllightenc = MakeLabel(this, "lbllightenc", "####");
    lblmedenc = MakeLabel(this, "lblmedenc", "####");
    lblheavyenc = MakeLabel(this, "lblheavyenc", "####");
    for (const auto& [caption, label] :
         {std::pair{"None Enc Limit", lbllightenc}, std::pair{"Light Enc Limit", lblmedenc},
          std::pair{"Medium Enc Limit", lblheavyenc}}) {
        grid->addWidget(MakeLabel(this, "", caption), row, 0, 1, 2);
        grid->addWidget(label, row++, 2);
    }
    return row;
}

void EquipmentReadouts::BuildInputs(QGridLayout* grid, int row)
{
    // What the player types.
    edtEncM =
        MakeEdit(this, "edtEncM", "0", "i.e. If you are wearing the emerald-studded bracelet you'd put a 5 here.");
    edtEenc = MakeEdit(this, "edtEenc", "0", "Like keys and ropes.");
    edtMiscAC = MakeEdit(this, "edtMiscAC", "1", "Put in the number for ac that you have naked.");
    const struct {
        const char* Caption;
        const char* Hint;
        QLineEdit* Box;
    } inputs[] = {{"Enc Modifiers %", "i.e. for emerald-studded bracelet put 5 or dwarf put 20", edtEncM},
                  {"Misc. Enc", "Extra keys or magma amulets.", edtEenc},
                  {"Misc. AC", "Ice scorceress Quest or Mod2 Quest.", edtMiscAC}};
    for (const auto& in : inputs) {
        in.Box->setFixedWidth(64);
        AddLabelled(*grid, row++, 0, in.Caption, in.Box, in.Hint, 2);
    }
}

QLineEdit* EquipmentReadouts::BoxOf(Box box) const
{
    switch (box) {
    case Box::Enc: return edtEnc;
    case Box::MaxEnc: return edtMEnc;
    case Box::EncModifier: return edtEncM;
    case Box::MiscEnc: return edtEenc;
    case Box::MiscAC: break;
    }
    return edtMiscAC;
}

QString EquipmentReadouts::Text(Box box) const { return BoxOf(box)->text(); }
void EquipmentReadouts::SetText(Box box, const QString& text) { events_.SetText(*BoxOf(box), text); }

std::vector<QWidget*> EquipmentReadouts::TabOrder() const { return {edtEncM, edtEenc, edtMiscAC, mmoAttribSummary}; }

void EquipmentReadouts::ShowTotals(const EquipmentTotals& t, const std::string& summary)
{
    mmoAttribSummary->setPlainText(FromBytes(summary));
    const std::pair<QLineEdit*, QString> results[] = {
        {edtAC, FromBytes(FormatReal(t.ArmourClass, decimalSep_))},
        {edtDR, FromBytes(FormatReal(t.DamageResist, decimalSep_))},
        {edtAcc, QString::number(t.Accuracy)},
        {edtStealth, QString::number(t.Stealth)},
        {edtEnc, QString::number(t.Encumbrance)},
        {edtEncM, QString::number(t.EncumbranceBonus)},
        {edtCrit, QString::number(t.Crits)},
        {edtMR, QString::number(t.MagicRes)},
        {edtDodge, QString::number(t.Dodge)},
        {edtMaxDmg, QString::number(t.MaxDamageBonus)},
    };
    for (const auto& [box, text] : results) events_.SetText(*box, text);
}

void EquipmentReadouts::ClearTotals()
{
    for (QLineEdit* box : {edtAC, edtDR, edtAcc, edtStealth, edtEnc, edtCrit, edtMR, edtDodge})
        events_.SetText(*box, QString());
}

bool EquipmentReadouts::ShowCategory()
{
    SetColours(*edtEnc, CategoryColours(EncumbranceCategory::None));
    Label77->setText("None");
    try {
        const EncumbranceLimits limits = LimitsOf(GetNumber(ToBytes(edtMEnc->text())));
        lbllightenc->setText(QString::number(limits.None));
        lblmedenc->setText(QString::number(limits.Light));
        lblheavyenc->setText(QString::number(limits.Medium));
        const EncumbranceCategory c = CategoryOf(GetNumber(ToBytes(edtEnc->text())), limits);
        Label77->setText(CategoryName(c));
        SetColours(*edtEnc, CategoryColours(c));
    } catch (const EConvertError&) {
        for (QLabel* l : {lbllightenc, lblmedenc, lblheavyenc}) l->setText("???");
        return false;
    }
    return true;
}

}  // namespace vantor
