#pragma once
// The set and the clipboard: "&Copy set" writes the set as the game lists it, "&Paste Eq" picks the
// items of a listing the player copied from the game.

#include <QString>

class QWidget;

namespace vantor {

class IUserInterface;
class SlotPanel;

class SetClipboard {
public:
    SetClipboard(IUserInterface& ui, SlotPanel& panel) : ui_(ui), slots_(panel) {}
    // The set on the clipboard; a message names the slots that would not read back.
    void Copy(QWidget* parent);
    // Each slot whose location the clipboard's listing names takes the item named there; a
    // message when there is no listing, and the lines no slot took in the status bar.
    void Paste(QWidget* parent);

private:
    IUserInterface& ui_;
    SlotPanel& slots_;
};

}  // namespace vantor
