#include "app/utilities/ManaBlessingPage.h"

#include "app/common/Bytes.h"
#include "app/common/CharacterPanel.h"
#include "app/common/EventGuard.h"
#include "app/common/Widgets.h"
#include "app/utilities/SpellEntries.h"
#include "calculators/Calculators.h"
#include "data/Text.h"
#include "filters/FoldedTexts.h"

#include <QAbstractListModel>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QVBoxLayout>

namespace vantor {

ManaBlessingPage::ManaBlessingPage(const PageContext& context, QWidget* parent)
    : QWidget(parent), events_(context.Events), data_(context.Data), character_(context.Character),
      decimalSep_(context.DecimalSep), entries_(new SpellEntries(this))
{
    setObjectName("TabSheet5");
    auto* group = new QGroupBox("Bless Spells", this);
    group->setObjectName("GroupBox5");
    auto* grid = new QGridLayout(group);
    grid->setVerticalSpacing(2);
    for (int i = 0; i < 10; ++i) {
        const QByteArray name = "cbxBS" + QByteArray::number(i + 1);
        QComboBox* box = lists_[static_cast<size_t>(i)] = MakeModelBox(group, name.constData(), entries_, 20);
        AddLabelled(*grid, i, 0, QString::number(i + 1), box);
        events_.OnPick(box, [this] { cbxBS1Change(); });
    }
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(10, 1);
    QPushButton* filter = MakeButton(this, "btnLManaBless", "&Filter", "Select your class above.");
    edtMtickReq = MakeEdit(this, "edtMtickReq", QString(), "Mana tick required to keep selected blesses on.");
    edtMtickReq->setFixedWidth(100);
    QLabel* result = MakeBuddyLabel(this, "", "Mana tick required", edtMtickReq);
    events_.OnClick(filter, [this] { btnLManaBlessClick(); });

    auto* side = new QGridLayout;
    side->addWidget(filter, 0, 0, 1, 2);
    side->addWidget(result, 1, 0);
    side->addWidget(edtMtickReq, 1, 1);
    side->setRowStretch(2, 1);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(group, 1);
    layout->addLayout(side);
}

void ManaBlessingPage::btnLManaBlessClick()
{
    Offer(Blessings(character_.CurrentProfile()));
    filtered_ = CaptureControls(character_);
}

void ManaBlessingPage::Refilter(const ControlStates& states)
{
    ApplyControls(*window(), states);
    btnLManaBlessClick();
}

void ManaBlessingPage::ShowAll() { Offer(Blessings(character_.CurrentProfile())); }

std::vector<TSpell*> ManaBlessingPage::Blessings(const Profile& profile) const
{
    std::vector<TSpell*> offered;
    for (TSpell& spell : data_.Spells)
        if (IsBlessing(spell) && metSpellCastorFilter(spell, profile)) offered.push_back(&spell);
    return ByName(offered);  // thousands in a large database
}

void ManaBlessingPage::Offer(std::vector<TSpell*> blessings)
{
    entries_->Refill(std::move(blessings));
    for (QComboBox* box : lists_) box->setCurrentIndex(0);
    filtered_.reset();
}

void ManaBlessingPage::cbxBS1Change()
{
    const int32_t level = character_.CurrentProfile().Level();
    events_.SetText(*edtMtickReq, "0");
    double total = 0;
    for (QComboBox* box : lists_) {
        TSpell* spell = entries_->Spell(box->currentIndex());
        if (!spell) continue;
        if (spell->Duration > 0) spell->MaxDuration = BlessingDuration(*spell, level);
        total += BlessingUpkeep(*spell, spell->MaxDuration);
        box->setToolTip(FromBytes(spell->Notes));
    }
    events_.SetText(*edtMtickReq, FromBytes(FormatRatio(total, decimalSep_)));
}

}  // namespace vantor
