#include "app/equipment/SetHistory.h"

#include "app/common/EventGuard.h"
#include "app/common/Widgets.h"

#include <QKeySequence>
#include <QPushButton>
#include <QShortcut>
#include <QWidget>

namespace vantor {

SetHistory::SetHistory(EventGuard& events, std::function<State()> snapshot, std::function<void(const State&)> show,
                       QWidget* panel)
    : QObject(panel), snapshot_(std::move(snapshot)), show_(std::move(show))
{
    btnUndo = MakeButton(panel, "btnUndo", "Undo", "Undo the last change of the set (Ctrl+Z).");
    btnRedo = MakeButton(panel, "btnRedo", "Redo", "Redo the change undone last (Ctrl+Shift+Z or Ctrl+Y).");
    // Anywhere in the window; a text box with the focus undoes its own typing first.
    const std::pair<QKeySequence, void (SetHistory::*)()> keys[] = {{QKeySequence("Ctrl+Z"), &SetHistory::Undo},
                                                                    {QKeySequence("Ctrl+Shift+Z"), &SetHistory::Redo},
                                                                    {QKeySequence("Ctrl+Y"), &SetHistory::Redo}};
    for (const auto& [key, handler] : keys) {
        auto* shortcut = new QShortcut(key, panel->window());
        events.Connect(shortcut, &QShortcut::activated, this, [this, handler = handler] { (this->*handler)(); });
    }
    events.OnSettled([this] { Record(); });
    ShowButtons();
}

void SetHistory::Record()
{
    if (history_.Empty()) return;  // nothing loaded yet
    State now = snapshot_();
    if (now.Chosen == history_.Current().Chosen)
        history_.Replace(std::move(now));
    else
        history_.Push(std::move(now));
    ShowButtons();
}

void SetHistory::Undo()
{
    if (history_.CanUndo()) Show(history_.Undo());
}

void SetHistory::Redo()
{
    if (history_.CanRedo()) Show(history_.Redo());
}

void SetHistory::Start()
{
    history_.Reset(snapshot_());
    ShowButtons();
}

void SetHistory::Clear()
{
    history_.Clear();
    parked_.clear();
    ShowButtons();
}

void SetHistory::Switch(int leaving, int coming)
{
    parked_[leaving] = std::move(history_);
    const auto kept = parked_.find(coming);
    if (kept == parked_.end() || kept->second.Empty()) {
        parked_.erase(coming);
        Start();  // from the page alone: what the moved history left is replaced
        return;
    }
    history_ = std::move(kept->second);
    parked_.erase(kept);
    ShowButtons();
}

// A copy: the history changes as the page's handlers settle.
void SetHistory::Show(State state)  // NOLINT(performance-unnecessary-value-param)
{
    show_(state);
    ShowButtons();
}

void SetHistory::ShowButtons()
{
    btnUndo->setEnabled(history_.CanUndo());
    btnRedo->setEnabled(history_.CanRedo());
}

}  // namespace vantor
