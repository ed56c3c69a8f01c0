#include "app/lists/ConditionStrip.h"

#include "app/common/Bytes.h"
#include "app/common/UserInterface.h"
#include "app/common/Widgets.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

namespace vantor {
namespace {

constexpr int kNone = -1;  // the data of "(none)"; a feature's is the feature, an ability's kFeatureCount

QComboBox* MakeAbilityBox(QWidget* parent, const QString& name)
{
    auto* box = new QComboBox(parent);
    box->setObjectName(name);
    box->setToolTip("List only the items with this feature or ability; \"(none)\": no condition");
    box->addItem("(none)", kNone);
    for (int f = 0; f < kFeatureCount; ++f) box->addItem(FeatureName(static_cast<Feature>(f)), f);
    for (const std::string& ability : AbilityNames()) box->addItem(FromBytes(ability), int{kFeatureCount});
    box->setMaxVisibleItems(20);
    // Narrow in the strip; its list opens as wide as its longest name.
    box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    box->setMinimumContentsLength(8);
    box->view()->setMinimumWidth(box->view()->sizeHintForColumn(0) + 24);
    return box;
}

}  // namespace

ConditionStrip::ConditionStrip(const char* suffix, IUserInterface& ui, char decimalSep, QWidget* parent)
    : QWidget(parent), ui_(ui), decimalSep_(decimalSep)
{
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    for (int i = 0; i < kRows; ++i) {
        const QString n = QString::number(i + 1) + suffix;
        Row& r = rows_[i];
        r.Ability = MakeAbilityBox(this, "cbxAbility" + n);
        r.Op = new QComboBox(this);
        r.Op->setObjectName("cbxAbilityOp" + n);
        r.Op->setToolTip("At least, at most or exactly the value");
        for (const Relation c : {Relation::AtLeast, Relation::AtMost, Relation::Equal})
            r.Op->addItem(ComparisonText(c), static_cast<int>(c));
        r.Value = MakeEdit(this, ("edtAbilityValue" + n).toLatin1().constData(), "0",
                           "The value to meet: a whole number, with one decimal for AC and DR");
        r.Value->setMaximumWidth(r.Value->fontMetrics().horizontalAdvance("-00000.0") + 12);
        if (i == 0) {
            QLabel* gives = MakeBuddyLabel(this, ("lblAbility" + QString(suffix)).toLatin1().constData(), "&Gives",
                                           r.Ability, "Only items that give what the rows ask");
            layout->addWidget(gives);
        } else {
            layout->addSpacing(6);
        }
        layout->addWidget(r.Ability, 1);
        layout->addWidget(r.Op);
        layout->addWidget(r.Value);
    }
}

std::optional<ItemConditions> ConditionStrip::Read()
{
    std::vector<Condition> conditions;
    for (int i = 0; i < kRows; ++i) {
        const Row& r = rows_[i];
        const int what = r.Ability->currentData().toInt();
        if (what == kNone) continue;
        Condition c;
        c.What = static_cast<Feature>(what);
        if (c.What == kFeatureCount) c.Ability = ToBytes(r.Ability->currentText());
        c.Op = static_cast<Relation>(r.Op->currentData().toInt());
        const auto value = ReadConditionValue(c, ToBytes(r.Value->text()), decimalSep_);
        if (!value) {
            const bool tenths = c.What == kAC || c.What == kDR;
            ui_.ShowMessage(this, QString("The value box of condition %1 (%2 %3) holds \"%4\", which is not %5.")
                                      .arg(i + 1)
                                      .arg(r.Ability->currentText(), r.Op->currentText(), r.Value->text(),
                                           tenths ? "a number with at most one decimal" : "a whole number"));
            r.Value->setFocus();
            r.Value->selectAll();
            return std::nullopt;
        }
        c.Tenths = *value;
        conditions.push_back(std::move(c));
    }
    return ItemConditions(conditions);
}

void ConditionStrip::Reset()
{
    for (Row& r : rows_) r.Ability->setCurrentIndex(0);
}

}  // namespace vantor
