#include "app/common/CharacterPanel.h"

#include "app/common/Bytes.h"
#include "app/common/EventGuard.h"
#include "app/common/Widgets.h"
#include "data/CodeTables.h"
#include "data/TypedNumber.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace vantor {

CharacterPanel::CharacterPanel(EventGuard& events, QWidget* parent) : QWidget(parent), events_(events)
{
    setObjectName("pnlTop");
    setFixedHeight(33);
    BuildControls();
    events_.OnPick(cbxAClass, [this] { cbxAClassChange(); });
    events_.OnPick(cbxCharacter, [this] {
        if (characterChosen_) characterChosen_(cbxCharacter->currentIndex());
    });
    events_.OnToggle(chkGood, [this] { chkGoodClick(); });
    events_.OnToggle(chkNeutral, [this] { chkNeutralClick(); });
    events_.OnToggle(chkEvil, [this] { chkEvilClick(); });
    events_.OnClick(btnFilterAll, [this] { actions_.FilterAll(); });
    events_.OnClick(Load, [this] { actions_.Load(); });
    events_.OnClick(Exit, [this] { actions_.Exit(); });
    connect(edtAlvl, &QLineEdit::textChanged, this, &CharacterPanel::LevelChanged);
    connect(edtStrength, &QLineEdit::textChanged, this, &CharacterPanel::StrengthChanged);
}

void CharacterPanel::BuildControls()
{
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(6, 2, 6, 2);
    row->setSpacing(6);
    const auto narrowEdit = [this](const char* name, const char* text, const char* hint) {
        QLineEdit* box = MakeEdit(this, name, text, hint);
        box->setFixedWidth(40);
        return box;
    };
    // The character stands apart, at the right of the menu bar, where there is room for its name.
    picker_ = new QWidget(this);
    picker_->setObjectName("pnlCharacter");
    auto* pickerRow = new QHBoxLayout(picker_);
    pickerRow->setContentsMargins(0, 0, 6, 0);
    cbxCharacter = new QComboBox(picker_);
    cbxCharacter->setObjectName("cbxCharacter");
    cbxCharacter->setToolTip("The character: each keeps its own level, class, set, inputs, scale and owned items "
                             "(File, Characters: new, rename, copy, delete, export, import)");
    cbxCharacter->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    cbxCharacter->setMinimumContentsLength(12);
    pickerRow->addWidget(new QLabel("Character:", picker_));
    pickerRow->addWidget(cbxCharacter);
    edtAlvl = narrowEdit("edtAlvl", "65", "Enter your level here");
    lblA = MakeBuddyLabel(this, "lblA", "I am a level", edtAlvl);
    cbxAClass = MakeCoded(this, "cbxAClass", ClassEntries(), QString());
    cbxAClass->setMaxVisibleItems(16);
    // The class list shows no tool tip: the hint stays in the "What's This" text.
    cbxAClass->setWhatsThis("Select your class from this list");
    cbxAClass->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    edtStrength = narrowEdit("edtStrength", "100", "How much strength does your character have?");
    Label29 = MakeBuddyLabel(this, "Label29", "Str", edtStrength, "Put your character strength here");
    chkGood = MakeCheck(this, "chkGood", "Good?", false, "Good items?");
    chkNeutral = MakeCheck(this, "chkNeutral", "Neutral?", false, "Neutral items?");
    chkEvil = MakeCheck(this, "chkEvil", "Evil?", false, "Evil items?");
    btnFilterAll = MakeButton(this, "btnFilterAll", "Filter all");
    Load = MakeButton(this, "Load", "&Load");
    Load->setVisible(false);
    Exit = MakeButton(this, "Exit", "E&xit");
    for (QWidget* w : std::initializer_list<QWidget*>{lblA, edtAlvl, cbxAClass, Label29, edtStrength, chkGood,
                                                      chkNeutral, chkEvil, btnFilterAll, Load})
        row->addWidget(w);
    row->addStretch(1);
    row->addWidget(Exit);
}

std::vector<QWidget*> CharacterPanel::TabOrder() const
{
    return {cbxCharacter, edtAlvl, cbxAClass, edtStrength, chkGood, chkNeutral, chkEvil, btnFilterAll, Exit};
}

void CharacterPanel::ShowCharacters(QAbstractItemModel* names) { cbxCharacter->setModel(names); }
void CharacterPanel::ShowCharacter(int i) { cbxCharacter->setCurrentIndex(i); }

Profile CharacterPanel::CurrentProfile() const
{
    return Profile(ClassCode(), ToBytes(edtAlvl->text()), chkGood->isChecked(), chkNeutral->isChecked(),
                   chkEvil->isChecked());
}

int32_t CharacterPanel::ClassCode() const { return SelectedCode(*cbxAClass); }
QString CharacterPanel::LevelText() const { return edtAlvl->text(); }
QString CharacterPanel::StrengthText() const { return edtStrength->text(); }
void CharacterPanel::SetStrength(const QString& text) { events_.SetText(*edtStrength, text); }

void CharacterPanel::ClearAlignment()
{
    for (QCheckBox* box : {chkGood, chkNeutral, chkEvil}) events_.SetChecked(*box, false);
}

void CharacterPanel::cbxAClassChange() { actions_.ClassChosen(PresetForClass(ClassCode())); }

void CharacterPanel::chkGoodClick() { events_.KeepOneTicked(*chkGood, {chkGood, chkNeutral, chkEvil}); }
void CharacterPanel::chkNeutralClick() { events_.KeepOneTicked(*chkNeutral, {chkGood, chkNeutral, chkEvil}); }
void CharacterPanel::chkEvilClick() { events_.KeepOneTicked(*chkEvil, {chkGood, chkNeutral, chkEvil}); }

SetTexts CharacterPanel::ProfileTexts() const
{
    SetTexts t;
    t.Strength = ToBytes(edtStrength->text());
    t.Level = ToBytes(edtAlvl->text());
    t.ClassName = cbxAClass->currentIndex() < 0 ? std::string() : ToBytes(cbxAClass->currentText());
    t.Agility = ToBytes(actions_.AgilityText());
    t.Good = chkGood->isChecked();
    t.Neutral = chkNeutral->isChecked();
    t.Evil = chkEvil->isChecked();
    return t;
}

void CharacterPanel::RestoreProfile(const SavedProfile& saved)
{
    if (saved.Level) events_.SetText(*edtAlvl, FromBytes(*saved.Level));
    if (saved.ClassName) {
        // A class the list does not know leaves the class as it was.
        const int i = cbxAClass->findText(FromBytes(*saved.ClassName), Qt::MatchFixedString);
        if (i >= 0) cbxAClass->setCurrentIndex(i);
    }
    if (saved.Strength) events_.SetText(*edtStrength, QString::number(GetNumber(*saved.Strength)));
    if (saved.Agility) actions_.SetAgility(QString::number(GetNumber(*saved.Agility)));
    if (saved.Alignment) {
        ClearAlignment();
        QCheckBox* tick = *saved.Alignment == "G"   ? chkGood
                          : *saved.Alignment == "N" ? chkNeutral
                          : *saved.Alignment == "E" ? chkEvil
                                                    : nullptr;
        if (tick) events_.SetChecked(*tick, true);
    }
}

}  // namespace vantor
