#pragma once
// The "&Equipment" page: one item per body slot, what the set adds up to, how heavy it is against
// what the character can carry, the set pasted from the game's listing, the slot lists narrowed
// to the character, and sets kept in files.

#include "equipment/Compare.h"
#include "equipment/SetFile.h"
#include "equipment/SlotLists.h"
#include "filters/Profile.h"

#include <QWidget>

#include <array>
#include <functional>
#include <string_view>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace vantor {

class EventGuard;
class IUserInterface;
class SlotListModel;

class EquipmentPage : public QWidget {
public:
    // What the page needs from the rest of the window; each is a plain call.
    struct Links {
        std::function<QString()> StrengthText;                  // the top panel's "Str"
        std::function<void(const QString&)> SetStrength;         // writes it; its change handler runs
        std::function<void()> ClearAlignment;                    // unticks Good?, Neutral?, Evil?
        std::function<void(SlotList&&)> SwingWeaponsFilled;      // every weapon, for the swing calculator
        std::function<void(std::string_view)> WeaponChosen;      // the weapon slot's name, to the same
        std::function<void(const QString& maxEnc, const QString& enc)> EncumbranceShown;  // to the same
        std::function<Profile()> CurrentProfile;                 // the character, for the filter
        std::function<SetTexts()> ProfileTexts;                  // the character as a set file keeps it
        std::function<void(const SavedProfile&)> RestoreProfile; // ... and back; a bad number raises
        std::function<void()> FilterAll;                         // "Filter all"
        std::function<QString(bool save)> AskSetFile;            // the save or open dialog; empty: cancelled
        std::function<void(const ChosenItems&)> WornChanged;     // the set changed: the lists mark it
    };

    EquipmentPage(const ItemList& items, IUserInterface& ui, EventGuard& events, Links links, QWidget* parent);

    // Fills every slot list (and the swing calculator's weapons) from all items, "*None*" chosen.
    void btnLeqtabClick();
    // "Reset": empties the readouts and the alignment; with "All?" also the slots and the inputs.
    void btnreseteqClick();
    // The totals, the summary and each slot's hint, from the chosen items.
    void cbxHeadChange();
    // The most the character can carry, from "Str" and "Enc Modifiers %".
    void edtStrengthChange();
    // The three limits and the category of the load.
    void edtMEncChange();
    // "&Paste Eq": the set named in the game's listing on the clipboard.
    void btnCCBClick();
    // "&Filter": every slot list narrowed to what the character may use, "*None*" chosen.
    void btnEqFilterClick();
    // "&Save Eq" and "Loa&d Eq": the set, its inputs and the character in a ".kreq" file.
    void btnSaveClick();
    void btnLoadClick();
    // The items the slots hold, and what the page's category rests on.
    ChosenItems Chosen() const;
    std::array<int, kSlotCount> Picks() const;  // the entry each slot shows; 0 for none
    SetInputs Inputs() const;
    // "&Copy set": the set on the clipboard as the game lists it, for "&Paste Eq".
    void btnCopySetClick();
    // "&Best set...": the dialog that finds the best set for the player's weights.
    void btnBestSetClick();
    // Chooses an entry in every slot, as the player's picks would, then adds the set up.
    void ChooseSet(const std::array<int, kSlotCount>& picks);
    // One line of a set file: every slot or input it names takes the value after its "=".
    void ApplySavedLine(const std::string& line);
    // The entry of the slot's list whose item has the number after the line's "="; 0 for none.
    int FindItemEntry(const std::string& line, Slot slot);

private:
    void BuildSlots(QWidget* panel);
    // Refills the slot lists (and the swing calculator's, when given) and chooses "*None*".
    void FillSlots(const std::function<bool(const TItem&)>& usable, SlotList* swing);
    QWidget* BuildReadouts();
    // Tells the lists which items the slots hold now.
    void ShowWorn();
    QComboBox* SlotBox(Slot s) const { return slotBoxes_[static_cast<size_t>(s)]; }

    const ItemList& items_;
    IUserInterface& ui_;
    EventGuard& events_;
    Links links_;
    char decimalSep_;
    SlotLists lists_;
    std::array<SlotListModel*, kSlotCount> slotRows_{};
    std::array<QComboBox*, kSlotCount> slotBoxes_{};

    QLineEdit* edtAC;
    QLineEdit* edtDR;
    QLineEdit* edtEnc;
    QLineEdit* edtMEnc;
    QLineEdit* edtAcc;
    QLineEdit* edtCrit;
    QLineEdit* edtStealth;
    QLineEdit* edtMR;
    QLineEdit* edtDodge;
    QLineEdit* edtMaxDmg;
    QLabel* Label77;
    QLabel* lbllightenc;
    QLabel* lblmedenc;
    QLabel* lblheavyenc;
    QLineEdit* edtEncM;
    QLineEdit* edtEenc;
    QLineEdit* edtMiscAC;
    QPlainTextEdit* mmoAttribSummary;
    QPushButton* btnEqFilter;
    QPushButton* btnreseteq;
    QCheckBox* chkRAll;
    QPushButton* btnSave;
    QPushButton* btnLoad;
    QPushButton* btnCCB;
    QPushButton* btnLeqtab;
    QPushButton* btnBestSet;
    QPushButton* btnCopySet;
};

}  // namespace vantor
