#include "app/equipment/EquipmentPage.h"

#include "app/common/Bytes.h"
#include "app/common/CharacterPanel.h"
#include "app/common/EventGuard.h"
#include "app/common/StatusLine.h"
#include "app/common/UserInterface.h"
#include "app/common/Widgets.h"
#include "app/equipment/EquipmentButtons.h"
#include "app/equipment/EquipmentReadouts.h"
#include "app/scales/ScaleBook.h"
#include "app/scales/ScalePicker.h"
#include "app/session/CharacterBook.h"
#include "app/session/OwnActions.h"
#include "data/Errors.h"
#include "data/Text.h"
#include "data/TypedNumber.h"
#include "equipment/Encumbrance.h"
#include "equipment/Paste.h"
#include "equipment/SetFile.h"
#include "equipment/Totals.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QVBoxLayout>

#include <algorithm>

namespace vantor {
EquipmentPage::EquipmentPage(const PageContext& context, Links links, QWidget* parent)
    : QWidget(parent), data_(context.Data), character_(context.Character), ui_(context.Ui), scales_(context.Scales),
      events_(context.Events), links_(std::move(links)), decimalSep_(context.DecimalSep),
      characters_(context.Characters),
      files_(std::make_unique<SetFiles>(
          context.Ui, context.Settings, *this,
          SetFiles::Page{[this] { return SetText(); },
                         [this](const std::vector<std::string>& lines) { return ApplySet(lines); },
                         [this](const QString& path) {
                             if (links_.SetFileUsed) links_.SetFileUsed(path);
                         }}))
{
    setObjectName("Equipment");
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    slots_ = new SlotPanel(decimalSep_, this);
    layout->addWidget(slots_, 1);
    layout->addWidget(BuildSidePanel(context));
    PlanDialogs::Page dialogs;
    dialogs.Lists = &slots_->Lists();
    dialogs.Chosen = [this] { return Chosen(); };
    dialogs.Picks = [this] { return Picks(); };
    dialogs.Inputs = [this] { return Inputs(); };
    dialogs.Wear = [this](const SlotPanel::Picks& picks) { events_.Run([this, &picks] { ChooseSet(picks); }); };
    dialogs.AskSetFile = [this] {
        const QString path = files_->AskOpen(this);
        return QFileInfo::exists(path) ? path : QString();
    };
    dialogs_ = std::make_unique<PlanDialogs>(context, std::move(dialogs), this);
    clipboard_ = std::make_unique<SetClipboard>(ui_, *slots_);
    for (int s = 0; s < kSlotCount; ++s)
        AddOwnActions(*slots_->Box(static_cast<Slot>(s)), characters_, events_, ui_,
                      [this, s] { return Chosen()[static_cast<size_t>(s)]; });
    ConnectHandlers();
    SetTabOrder();
}

void EquipmentPage::ConnectHandlers()
{
    events_.Connect(slots_, &SlotPanel::Picked, this, [this] { cbxHeadChange(); });
    // Whatever changes what a slot holds (a pick, a paste, a load, a reset, a refill), the lists
    // mark what is worn: a notice that runs inside whatever changed the slot.
    events_.ConnectNotice(slots_, &SlotPanel::Changed, this, [this] { ShowWorn(); });
    events_.Connect(readouts_, &EquipmentReadouts::Changed, this, [this](EquipmentReadouts::Box box) {
        using Box = EquipmentReadouts::Box;
        if (box == Box::MiscEnc || box == Box::MiscAC) cbxHeadChange();
        if (box == Box::EncModifier) edtStrengthChange();
        if (box == Box::Enc || box == Box::MaxEnc) edtMEncChange();
    });
    const EquipmentButtons& b = *buttons_;
    const std::pair<QPushButton*, void (EquipmentPage::*)()> buttons[] = {
        {b.btnreseteq, &EquipmentPage::btnreseteqClick},
        {b.btnCCB, &EquipmentPage::btnCCBClick},
        {b.btnLeqtab, &EquipmentPage::btnLeqtabClick},
        {b.btnEqFilter, &EquipmentPage::btnEqFilterClick},
        {b.btnSave, &EquipmentPage::btnSaveClick},
        {b.btnLoad, &EquipmentPage::btnLoadClick},
        {b.btnBestSet, &EquipmentPage::btnBestSetClick},
        {b.btnCopySet, &EquipmentPage::btnCopySetClick},
        {b.btnUpgradePath, &EquipmentPage::btnUpgradePathClick},
        {b.btnCompareSets, &EquipmentPage::btnCompareSetsClick},
        {b.btnWhatNext, &EquipmentPage::btnWhatNextClick},
        {b.btnMarkOwned, &EquipmentPage::btnMarkOwnedClick},
        {history_->UndoButton(), &EquipmentPage::btnUndoClick},
        {history_->RedoButton(), &EquipmentPage::btnRedoClick}};
    for (const auto& [button, handler] : buttons)
        events_.OnClick(button, [this, handler = handler] { (this->*handler)(); });
}

void EquipmentPage::SetTabOrder()
{
    // The slots top to bottom, then the buttons, the inputs and the summary.
    std::vector<QWidget*> order{slots_->Box(Worn)};
    for (QWidget* w : buttons_->TabOrder(history_->UndoButton(), history_->RedoButton())) order.push_back(w);
    for (QWidget* w : readouts_->TabOrder()) order.push_back(w);
    for (size_t i = 0; i + 1 < order.size(); ++i) setTabOrder(order[i], order[i + 1]);
}

QWidget* EquipmentPage::BuildSidePanel(const PageContext& context)
{
    auto* panel = new QWidget(this);
    panel->setFixedWidth(320);
    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(0, 0, 0, 0);
    buttons_ = std::make_unique<EquipmentButtons>(panel);
    history_ = new SetHistory(
        events_, [this] { return Snapshot(); }, [this](const SetHistory::State& state) { ShowState(state); }, panel);
    buttons_->Grid->addWidget(history_->UndoButton(), 3, 2);
    buttons_->Grid->addWidget(history_->RedoButton(), 4, 2);
    column->addLayout(buttons_->Grid);
    column->addWidget(new ScalePicker(context.Scales, context.Events, context.Ui, context.DecimalSep, panel));
    readouts_ = new EquipmentReadouts(events_, decimalSep_, panel);
    column->addWidget(readouts_, 1);
    return panel;
}

void EquipmentPage::ShowWorn()
{
    if (links_.WornChanged) links_.WornChanged(Chosen());
}

void EquipmentPage::btnLeqtabClick()
{
    SlotList swing;
    filter_.reset();
    slots_->Fill(data_.AllSlots(), {}, &swing);
    links_.SwingWeaponsFilled(std::move(swing));
    StartHistory();  // the lists are new: no step before them
}

bool EquipmentPage::InSlotLists(const TItem& item) const { return !filter_ || MetClassFilter(item, *filter_); }

void EquipmentPage::btnEqFilterClick()
{
    WaitCursor cursor;
    Profile profile = character_.CurrentProfile();
    profile.Level();  // a level that cannot be read leaves the lists as they are
    const std::vector<SlotPanel::Emptied> emptied = FillFor(std::move(profile));
    cbxHeadChange();  // the totals without the items the character cannot use
    ShowWorn();
    if (emptied.empty() || loadingSet_) return;
    QStringList named;
    for (const auto& [slot, item] : emptied)
        named << QString("%1 (%2)").arg(SlotTable()[static_cast<size_t>(slot)].Caption, FromBytes(item->Name));
    TellStatus(*this, "Filter emptied: " + named.join(", "));
}

void EquipmentPage::btnreseteqClick()
{
    if (buttons_->chkRAll->isChecked()) {
        using Box = EquipmentReadouts::Box;
        slots_->Choose({});
        readouts_->SetText(Box::MaxEnc, "0");
        readouts_->SetText(Box::MiscEnc, "0");
        readouts_->SetText(Box::EncModifier, "0");
        character_.SetStrength("100");
        readouts_->SetText(Box::MiscAC, "1");
        // The maximum follows the restored strength and modifier even when neither text changed.
        edtStrengthChange();
    }
    character_.ClearAlignment();
    readouts_->ClearTotals();
}

void EquipmentPage::cbxHeadChange()
{
    const ChosenItems chosen = Chosen();
    // Everything is worked out before anything is shown, so that an overflow leaves the readouts.
    const SetInputs in = Inputs();
    const EquipmentTotals t = AddUpEquipment(chosen, in.MiscEnc, in.MiscAC);
    const std::string summary = AbilitySummary(t);

    for (int s = 0; s < kSlotCount; ++s) {
        const TItem* item = chosen[static_cast<size_t>(s)];
        slots_->Box(static_cast<Slot>(s))->setToolTip(item ? FromBytes(SlotHint(*item)) : QString());
    }
    links_.WeaponChosen(ToBytes(slots_->Box(Weapon)->currentText()));
    readouts_->ShowTotals(t, summary);
}

SetInputs EquipmentPage::Inputs() const
{
    using Box = EquipmentReadouts::Box;
    return {ToBytes(readouts_->Text(Box::MiscEnc)), ToBytes(readouts_->Text(Box::MiscAC)),
            ToBytes(character_.StrengthText())};
}

void EquipmentPage::btnCopySetClick() { clipboard_->Copy(this); }

void EquipmentPage::ChooseSet(const SlotPanel::Picks& picks)
{
    slots_->Choose(picks);
    cbxHeadChange();
}

void EquipmentPage::ShowGains(const std::shared_ptr<const GainTable>& gains)
{
    slots_->ShowGains(gains, FromBytes(scales_.ActiveScale().Name));
}

void EquipmentPage::Wear(const TItem& item)
{
    const QString name = FromBytes(item.Name);
    const SlotPanel::Wearing wearing = slots_->Wear(item, ScoreTable(scales_.ActiveScale()));
    const QString caption = SlotTable()[static_cast<size_t>(wearing.Where)].Caption;
    switch (wearing.What) {
    case SlotPanel::Wearing::NoSlot: return ui_.ShowMessage(this, QString("%1 is not worn in any slot.").arg(name));
    case SlotPanel::Wearing::NotListed:
        return ui_.ShowMessage(this, QString("%1 is not in the slot lists: the Equipment page's \"Filter\" left it "
                                             "out, as the character it was run for cannot use it.")
                                         .arg(name));
    case SlotPanel::Wearing::WornAlready:
        return TellStatus(*this, QString("%1 is worn already (%2).").arg(name, caption));
    case SlotPanel::Wearing::Worn:
        cbxHeadChange();
        return TellStatus(*this, QString("Wearing %1 (%2).").arg(name, caption));
    }
}

void EquipmentPage::edtStrengthChange()
{
    QString maximum = "0";  // what cannot be read or worked out counts as nothing carried
    try {
        maximum =
            QString::number(MaxEncumbrance(GetNumber(ToBytes(character_.StrengthText())),
                                           GetNumber(ToBytes(readouts_->Text(EquipmentReadouts::Box::EncModifier)))));
    } catch (const std::runtime_error&) {}
    readouts_->SetText(EquipmentReadouts::Box::MaxEnc, maximum);
}

void EquipmentPage::edtMEncChange()
{
    using Box = EquipmentReadouts::Box;
    if (readouts_->ShowCategory()) links_.EncumbranceShown(readouts_->Text(Box::MaxEnc), readouts_->Text(Box::Enc));
}

void EquipmentPage::btnCCBClick()
{
    clipboard_->Paste(this);
    cbxHeadChange();  // the totals run however the paste went
}

void EquipmentPage::btnSaveClick() { files_->Save(this, false); }
void EquipmentPage::SaveSetClick() { files_->Save(this, true); }
void EquipmentPage::btnLoadClick() { files_->Open(this); }
void EquipmentPage::OpenSet(const QString& path) { files_->Open(path); }

std::string EquipmentPage::SetText() const
{
    using Box = EquipmentReadouts::Box;
    SetTexts texts = character_.ProfileTexts();
    texts.MiscEnc = ToBytes(readouts_->Text(Box::MiscEnc));
    texts.EncModifier = ToBytes(readouts_->Text(Box::EncModifier));
    texts.MiscAC = ToBytes(readouts_->Text(Box::MiscAC));
    return SetFileText(Chosen(), texts);
}

QStringList EquipmentPage::ApplySet(const std::vector<std::string>& lines)
{
    character_.RestoreProfile(ReadSavedProfile(lines));
    {
        // The file decides every slot: what the filter kept is emptied before its lines apply.
        loadingSet_ = true;
        const auto done = qScopeGuard([this] { loadingSet_ = false; });
        links_.FilterAll();
    }
    return ApplyLines(lines);
}

QStringList EquipmentPage::RestoreSet(std::optional<Profile> slotsFor, const std::vector<std::string>& lines)
{
    FillFor(std::move(slotsFor));
    return ApplyLines(lines);
}

QStringList EquipmentPage::ApplyLines(const std::vector<std::string>& lines)
{
    std::exception_ptr failed;
    QStringList missing;
    slots_->Quietly([&] {
        try {
            slots_->Choose({});
            for (const std::string& line : lines)
                if (const QString gone = ApplySavedLine(line); !gone.isEmpty()) missing << gone;
        } catch (...) {
            failed = std::current_exception();
        }
    });
    cbxHeadChange();
    if (failed) std::rethrow_exception(failed);
    return missing;
}

QString EquipmentPage::ApplySavedLine(const std::string& line)
{
    QString missing;
    try {
        for (const int key : KeysInLine(line)) {
            if (key < kSlotCount) {
                const Slot slot = static_cast<Slot>(key);
                const int32_t number = StrToInt(ValueOfLine(line));
                const int entry = slots_->EntryOfNumber(slot, number);
                slots_->Box(slot)->setCurrentIndex(entry);
                if (entry == 0 && number != 0)
                    missing = QString("%1 (item %2)").arg(SlotTable()[static_cast<size_t>(slot)].Caption).arg(number);
                if (slot == Weapon) links_.WeaponChosen(ToBytes(slots_->Box(Weapon)->currentText()));
                continue;
            }
            using Box = EquipmentReadouts::Box;
            readouts_->SetText(key == MiscEncKey       ? Box::MiscEnc
                               : key == EncModifierKey ? Box::EncModifier
                                                       : Box::MiscAC,
                               FromBytes(ValueOfLine(line)));
        }
    } catch (const EConvertError&) {
        // A value that is not a number ends this line only.
    }
    return missing;
}

void EquipmentPage::btnBestSetClick() { dialogs_->OpenBestSet(); }
void EquipmentPage::btnUpgradePathClick() { dialogs_->OpenUpgradePath(); }
void EquipmentPage::btnCompareSetsClick() { dialogs_->OpenCompareSets(); }
void EquipmentPage::btnWhatNextClick() { dialogs_->OpenHunt(); }

void EquipmentPage::btnMarkOwnedClick()
{
    std::vector<int32_t> worn;
    for (const TItem* item : Chosen())
        if (item) worn.push_back(item->Number);
    QString error;
    if (!characters_.SetOwned(worn, true, error)) ui_.ShowMessage(this, error);
    TellStatus(*this, worn.empty()
                          ? QString("No item is worn.")
                          : QString("%1 owns the %2 items worn.").arg(characters_.Current().Name).arg(worn.size()));
}
void EquipmentPage::btnUndoClick() { history_->Undo(); }
void EquipmentPage::btnRedoClick() { history_->Redo(); }
void EquipmentPage::StartHistory() { history_->Start(); }
void EquipmentPage::ClearHistory() { history_->Clear(); }

void EquipmentPage::EmptyLists()
{
    filter_.reset();
    slots_->Fill(SlotLists(), {}, nullptr);
}

namespace {

bool SameCharacter(const std::optional<Profile>& a, const std::optional<Profile>& b)
{
    if (!a || !b) return a.has_value() == b.has_value();
    return a->ClassCode == b->ClassCode && a->LevelText == b->LevelText && a->Good == b->Good &&
           a->Neutral == b->Neutral && a->Evil == b->Evil;
}

}  // namespace

SetHistory::State EquipmentPage::Snapshot() const
{
    using Box = EquipmentReadouts::Box;
    return {filter_, Chosen(), readouts_->Text(Box::MiscEnc), readouts_->Text(Box::EncModifier),
            readouts_->Text(Box::MiscAC)};
}

void EquipmentPage::ShowState(const SetHistory::State& state)
{
    if (!SameCharacter(state.Filter, filter_)) FillFor(state.Filter);
    using Box = EquipmentReadouts::Box;
    readouts_->SetText(Box::MiscEnc, state.MiscEnc);
    readouts_->SetText(Box::EncModifier, state.EncModifier);
    readouts_->SetText(Box::MiscAC, state.MiscAC);
    SlotPanel::Picks picks{};
    for (size_t s = 0; s < picks.size(); ++s) picks[s] = std::max(0, slots_->Lists()[s].EntryOf(state.Chosen[s]));
    ChooseSet(picks);
    ShowWorn();
}

std::vector<SlotPanel::Emptied> EquipmentPage::FillFor(std::optional<Profile> character)
{
    filter_ = std::move(character);
    std::function<bool(const TItem&)> usable;
    if (filter_) usable = [profile = *filter_](const TItem& item) { return MetClassFilter(item, profile); };
    return slots_->Fill(data_.AllSlots(), usable, nullptr, true);
}

}  // namespace vantor
