#pragma once
// Undo and redo of the Equipment page's set: a step for each action that changes what the slots
// hold (the step brought up to date when only the inputs or the lists' character changed), 200
// steps kept; "Undo" and "Redo" and their keys anywhere in the window.

#include "equipment/History.h"
#include "equipment/Totals.h"
#include "filters/Profile.h"

#include <QObject>
#include <QString>

#include <functional>
#include <map>
#include <optional>

class QPushButton;
class QWidget;

namespace vantor {

class EventGuard;

class SetHistory : public QObject {
    Q_OBJECT
public:
    // What a step brings back: the lists' character, the items, the inputs.
    struct State {
        std::optional<Profile> Filter;
        ChosenItems Chosen{};
        QString MiscEnc, EncModifier, MiscAC;
    };

    // snapshot: the page as it is; show: the page as a step says. The buttons are made in panel,
    // the keys work in its window.
    SetHistory(EventGuard& events, std::function<State()> snapshot, std::function<void(const State&)> show,
               QWidget* panel);
    QPushButton* UndoButton() const { return btnUndo; }
    QPushButton* RedoButton() const { return btnRedo; }

    void Undo();
    void Redo();
    // Starts again from the page as it is now.
    void Start();
    // Forgets every step, every character's: the records they name are about to go.
    void Clear();
    // Each character has a history of its own while the program runs: this one is kept under
    // leaving, and the one kept under coming goes on (a new one from the page as it is, if none).
    void Switch(int leaving, int coming);
    void Forget(int character) { parked_.erase(character); }

private:
    // After each action: a new step when the slots changed, else the current step brought up to date.
    void Record();
    void Show(State state);
    void ShowButtons();

    std::function<State()> snapshot_;
    std::function<void(const State&)> show_;
    History<State> history_{200};
    std::map<int, History<State>> parked_;  // the other characters' histories
    QPushButton* btnUndo;
    QPushButton* btnRedo;
};

}  // namespace vantor
