#pragma once
// The frame's pages and the controls around them, as the frame's helpers (the data load, the
// session) reach them.

class QPlainTextEdit;
class QTabWidget;
class QWidget;

namespace vantor {

class ArmorPage;
class CharacterPanel;
class EquipmentPage;
class ListPage;
class ManaBlessingPage;
class SpellsPage;
class UtilitiesPage;
class WeaponsPage;

struct WindowPages {
    CharacterPanel* Panel = nullptr;
    QTabWidget* Tabs = nullptr;  // TDisplay
    ArmorPage* Armor = nullptr;
    WeaponsPage* Weapons = nullptr;
    SpellsPage* Spells = nullptr;
    ListPage* Other = nullptr;
    EquipmentPage* Equipment = nullptr;
    UtilitiesPage* Utilities = nullptr;
    ManaBlessingPage* Blessings = nullptr;
    QWidget* MemoPage = nullptr;     // TabSheet3
    QPlainTextEdit* Memo = nullptr;  // mm
};

}  // namespace vantor
