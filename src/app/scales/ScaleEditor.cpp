#include "app/scales/ScaleEditor.h"

#include "app/common/Bytes.h"
#include "app/common/Widgets.h"
#include "data/Decimal.h"
#include "data/Features.h"
#include "equipment/BestSet.h"

#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QVBoxLayout>

namespace vantor {
namespace {

// The boxes of each feature: the weight's and the cap's names, and the caption with its mnemonic.
struct FeatureBoxes {
    const char* Weight;
    const char* Cap;
    const char* Caption;
};
constexpr FeatureBoxes kBoxes[kFeatureCount] = {
    {"edtWeightAC", "edtCapAC", "A&C"},
    {"edtWeightDR", "edtCapDR", "&DR"},
    {"edtWeightAcc", "edtCapAcc", "Acc&uracy"},
    {"edtWeightCrit", "edtCapCrit", "C&rits"},
    {"edtWeightStealth", "edtCapStealth", "S&tealth"},
    {"edtWeightMR", "edtCapMR", "&MR"},
    {"edtWeightDodge", "edtCapDodge", "D&odge"},
    {"edtWeightMaxDmg", "edtCapMaxDmg", "Ma&x Dmg"},
};

const char* const kWeightHint =
    "How much one point counts, with up to two decimals (1.5, 0.25); negative counts against, 0 not at all.";
const char* const kCapHint = "The set's total counts up to this and adds nothing past it; empty for no cap.";

QString WeightError(const QString& box, const QString& text)
{
    return QString("The weight for \"%1\" does not read: \"%2\". Type a number with at most two decimals, such as 2, "
                   "-1 or 1.5, no larger than 21474836.47 either way.")
        .arg(box, text);
}

QString CapError(const QString& box, const QString& text)
{
    return QString("The cap for \"%1\" does not read: \"%2\". Type a number of 0 or more with at most one decimal, "
                   "such as 60 or 12.5, or leave it empty for no cap.")
        .arg(box, text);
}

}  // namespace

ScaleEditor::ScaleEditor(char decimalSep, QWidget* parent) : QWidget(parent), decimalSep_(decimalSep)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    BuildFeatures();
    BuildAbilities();
}

void ScaleEditor::BuildFeatures()
{
    auto* grid = new QGridLayout;
    grid->setVerticalSpacing(2);
    for (int f = 0; f < kFeatureCount; ++f) {
        QLineEdit* weight = weights_[static_cast<size_t>(f)] = MakeEdit(this, kBoxes[f].Weight, "0", kWeightHint);
        QLineEdit* cap = caps_[static_cast<size_t>(f)] = MakeEdit(this, kBoxes[f].Cap, QString(), kCapHint);
        weight->setFixedWidth(56);
        cap->setFixedWidth(48);
        cap->setPlaceholderText("no cap");
        const int row = f / 2, column = f % 2 * 4;
        AddLabelled(*grid, row, column, kBoxes[f].Caption, weight);
        AddLabelled(*grid, row, column + 2, "max", cap);
    }
    grid->setColumnStretch(8, 1);
    static_cast<QVBoxLayout*>(layout())->addLayout(grid);
}

void ScaleEditor::BuildAbilities()
{
    // Every ability by name, with a weight (0: not counted) and a cap; a name counts every code.
    tblAbilityWeights = new QTableWidget(0, 3, this);
    tblAbilityWeights->setObjectName("tblAbilityWeights");
    tblAbilityWeights->setHorizontalHeaderLabels({"Ability", "Weight", "Cap"});
    tblAbilityWeights->verticalHeader()->hide();
    tblAbilityWeights->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    tblAbilityWeights->setToolTip("Any ability by name; type a weight beside it, and a cap if its total should stop.");
    tblAbilityWeights->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    tblAbilityWeights->setMinimumHeight(5 * (fontMetrics().height() + 6));
    for (const std::string& name : AbilityNames()) {
        const int row = tblAbilityWeights->rowCount();
        tblAbilityWeights->insertRow(row);
        auto* caption = new QTableWidgetItem(FromBytes(name));
        caption->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        tblAbilityWeights->setItem(row, 0, caption);
        tblAbilityWeights->setItem(row, 1, new QTableWidgetItem("0"));
        tblAbilityWeights->setItem(row, 2, new QTableWidgetItem(QString()));
    }
    layout()->addWidget(tblAbilityWeights);
}

void ScaleEditor::Show(const Scale& scale)
{
    const auto weightText = [this](const Weight& w) { return FromBytes(DecimalText(w.Hundredths, 2, decimalSep_)); };
    const auto capText = [this](const Weight& w) {
        return w.CapTenths ? FromBytes(DecimalText(*w.CapTenths, 1, decimalSep_)) : QString();
    };
    for (size_t f = 0; f < kFeatureCount; ++f) {
        weights_[f]->setText(weightText(scale.Features[f]));
        caps_[f]->setText(capText(scale.Features[f]));
    }
    for (int row = 0; row < tblAbilityWeights->rowCount(); ++row) {
        const auto at = scale.Abilities.find(ToBytes(tblAbilityWeights->item(row, 0)->text()));
        const Weight w = at == scale.Abilities.end() ? Weight{} : at->second;
        tblAbilityWeights->item(row, 1)->setText(weightText(w));
        tblAbilityWeights->item(row, 2)->setText(capText(w));
    }
}

std::optional<Scale> ScaleEditor::Read(const std::string& name, QString& error) const
{
    Scale scale;
    scale.Name = name;
    const auto read = [&](const QString& box, const QString& weightText, const QString& capText, Weight& w) {
        const auto weight = ReadWeight(ToBytes(weightText), decimalSep_);
        if (!weight) {
            error = WeightError(box, weightText);
            return false;
        }
        w.Hundredths = *weight;
        if (capText.trimmed().isEmpty()) return true;
        w.CapTenths = ReadCap(ToBytes(capText), decimalSep_);
        if (!w.CapTenths) error = CapError(box, capText);
        return w.CapTenths.has_value();
    };
    for (size_t f = 0; f < kFeatureCount; ++f)
        if (!read(QString(kBoxes[f].Caption).remove('&'), weights_[f]->text(), caps_[f]->text(), scale.Features[f]))
            return std::nullopt;
    for (int row = 0; row < tblAbilityWeights->rowCount(); ++row) {
        const QString ability = tblAbilityWeights->item(row, 0)->text();
        Weight w;
        if (!read(ability, tblAbilityWeights->item(row, 1)->text(), tblAbilityWeights->item(row, 2)->text(), w))
            return std::nullopt;
        if (w.Hundredths != 0 || w.CapTenths) scale.Abilities[ToBytes(ability)] = w;
    }
    return scale;
}

void ScaleEditor::SetReadOnly(bool readOnly)
{
    for (size_t f = 0; f < kFeatureCount; ++f) {
        weights_[f]->setReadOnly(readOnly);
        caps_[f]->setReadOnly(readOnly);
    }
    tblAbilityWeights->setEditTriggers(readOnly ? QAbstractItemView::NoEditTriggers
                                                : QAbstractItemView::AllEditTriggers);
}

}  // namespace vantor
