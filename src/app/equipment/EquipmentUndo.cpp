// Undo and redo of the Equipment page's set.
#include "app/common/EventGuard.h"
#include "app/common/Widgets.h"
#include "app/equipment/EquipmentPage.h"
#include "app/equipment/EquipmentReadouts.h"

#include <QGridLayout>
#include <QKeySequence>
#include <QPushButton>
#include <QShortcut>

#include <algorithm>

namespace vantor {
namespace {

bool SameCharacter(const std::optional<Profile>& a, const std::optional<Profile>& b)
{
    if (!a || !b) return a.has_value() == b.has_value();
    return a->ClassCode == b->ClassCode && a->LevelText == b->LevelText && a->Good == b->Good &&
           a->Neutral == b->Neutral && a->Evil == b->Evil;
}

}  // namespace

void EquipmentPage::BuildUndo(QGridLayout* buttons, QWidget* panel)
{
    btnUndo = MakeButton(panel, "btnUndo", "Undo", "Undo the last change of the set (Ctrl+Z).");
    btnRedo = MakeButton(panel, "btnRedo", "Redo", "Redo the change undone last (Ctrl+Shift+Z or Ctrl+Y).");
    buttons->addWidget(btnUndo, 3, 2);
    buttons->addWidget(btnRedo, 4, 2);
    events_.OnClick(btnUndo, [this] { btnUndoClick(); });
    events_.OnClick(btnRedo, [this] { btnRedoClick(); });
    // Anywhere in the window; a text box with the focus undoes its own typing first.
    const std::pair<QKeySequence, void (EquipmentPage::*)()> keys[] = {
        {QKeySequence("Ctrl+Z"), &EquipmentPage::btnUndoClick},
        {QKeySequence("Ctrl+Shift+Z"), &EquipmentPage::btnRedoClick},
        {QKeySequence("Ctrl+Y"), &EquipmentPage::btnRedoClick}};
    for (const auto& [key, handler] : keys) {
        auto* shortcut = new QShortcut(key, window());
        events_.Connect(shortcut, &QShortcut::activated, this, [this, handler = handler] { (this->*handler)(); });
    }
    events_.OnSettled([this] { RecordStep(); });
    ShowHistory();
}

EquipmentPage::SetState EquipmentPage::Snapshot() const
{
    using Box = EquipmentReadouts::Box;
    return {filter_, Chosen(), readouts_->Text(Box::MiscEnc), readouts_->Text(Box::EncModifier),
            readouts_->Text(Box::MiscAC)};
}

void EquipmentPage::RecordStep()
{
    if (history_.Empty()) return;  // nothing loaded yet
    SetState now = Snapshot();
    if (now.Chosen == history_.Current().Chosen)
        history_.Replace(std::move(now));
    else
        history_.Push(std::move(now));
    ShowHistory();
}

void EquipmentPage::btnUndoClick()
{
    if (!history_.CanUndo()) return;
    ApplyState(history_.Undo());
}

void EquipmentPage::btnRedoClick()
{
    if (!history_.CanRedo()) return;
    ApplyState(history_.Redo());
}

void EquipmentPage::StartHistory()
{
    history_.Reset(Snapshot());
    ShowHistory();
}

void EquipmentPage::ClearHistory()
{
    history_.Clear();
    ShowHistory();
}

void EquipmentPage::ApplyState(const SetState& wanted)
{
    const SetState state = wanted;  // the history changes as the handlers below settle
    if (!SameCharacter(state.Filter, filter_)) FillFor(state.Filter);
    using Box = EquipmentReadouts::Box;
    readouts_->SetText(Box::MiscEnc, state.MiscEnc);
    readouts_->SetText(Box::EncModifier, state.EncModifier);
    readouts_->SetText(Box::MiscAC, state.MiscAC);
    SlotPanel::Picks picks{};
    for (size_t s = 0; s < picks.size(); ++s) picks[s] = std::max(0, slots_->Lists()[s].EntryOf(state.Chosen[s]));
    ChooseSet(picks);
    ShowWorn();
    ShowHistory();
}

void EquipmentPage::ShowHistory()
{
    btnUndo->setEnabled(history_.CanUndo());
    btnRedo->setEnabled(history_.CanRedo());
}

std::vector<SlotPanel::Emptied> EquipmentPage::FillFor(std::optional<Profile> character)
{
    filter_ = std::move(character);
    std::function<bool(const TItem&)> usable;
    if (filter_) usable = [profile = *filter_](const TItem& item) { return MetClassFilter(item, profile); };
    return slots_->Fill(data_.Items, usable, nullptr, true);
}

}  // namespace vantor
