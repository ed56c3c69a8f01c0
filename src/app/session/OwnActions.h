#pragma once
// "I own this" and "I do not own this" in the menu of a control that shows items (a list, a slot's
// drop-down list), for the active character.

#include <functional>

class QWidget;

namespace vantor {

class CharacterBook;
class EventGuard;
class IUserInterface;
struct TItem;

// selected: the item the control shows as chosen, if any. The control's menu shows its actions.
void AddOwnActions(QWidget& control, CharacterBook& book, EventGuard& events, IUserInterface& ui,
                   std::function<const TItem*()> selected);

}  // namespace vantor
