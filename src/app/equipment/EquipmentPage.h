#pragma once
// The "&Equipment" page: one item per body slot, what the set adds up to, how heavy it is against
// what the character can carry, the set pasted from the game's listing, the slot lists narrowed
// to the character, and sets kept in files.

#include "app/common/PageContext.h"
#include "app/equipment/EquipmentButtons.h"
#include "app/equipment/PlanDialogs.h"
#include "app/equipment/SetClipboard.h"
#include "app/equipment/SetFiles.h"
#include "app/equipment/SetHistory.h"
#include "app/equipment/SlotPanel.h"
#include "equipment/Compare.h"
#include "filters/Profile.h"

#include <QWidget>

#include <functional>
#include <memory>
#include <optional>
#include <string_view>

class QCheckBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace vantor {

class CharacterBook;
class CharacterPanel;
class EquipmentReadouts;
class EventGuard;
class IUserInterface;
class ScaleBook;
class SettingsStore;

class EquipmentPage : public QWidget {
    Q_OBJECT
public:
    // What crosses from the page to the rest of the window; each is a plain call.
    struct Links {
        std::function<void(SlotList&&)> SwingWeaponsFilled;  // every weapon, for the swing calculator
        std::function<void(std::string_view)> WeaponChosen;  // the weapon slot's name, to the same
        std::function<void(const QString& maxEnc, const QString& enc)> EncumbranceShown;  // to the same
        std::function<void()> FilterAll;                                                  // "Filter all"
        std::function<void(const ChosenItems&)> WornChanged;  // the set changed: the lists mark it
        std::function<void(const QString&)> SetFileUsed;      // a set file opened or saved
    };

    EquipmentPage(const PageContext& context, Links links, QWidget* parent);

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
    // "&Filter": every slot list narrowed to what the character may use; a slot keeps its item
    // when the character can use it, and the status bar names the slots emptied.
    void btnEqFilterClick();
    // "&Save Eq" and "Loa&d Eq": the set, its inputs and the character in a ".kreq" file.
    void btnSaveClick();
    // "Save set": the set file in use written again; the first time, as "Save Eq".
    void SaveSetClick();
    void btnLoadClick();
    // "&Copy set": the set on the clipboard as the game lists it, for "&Paste Eq".
    void btnCopySetClick();
    // "Undo" and "Redo": the set as it was a step before, or again as it was after; a step is
    // each action that changes what the slots hold.
    void btnUndoClick();
    void btnRedoClick();
    // Forgets every step: the records they name are about to go.
    void ClearHistory();
    // Every slot list down to "*None*": the records they name are about to go.
    void EmptyLists();
    // "&Best set...": the dialog that finds the best set for the player's weights.
    void btnBestSetClick();
    // "Up&grade path...": the best set at every level, and the best score at each strength.
    void btnUpgradePathClick();
    // "What to get next...": the items the character lacks that would add most to its best set.
    void btnWhatNextClick();
    // "Mark the worn set as owned": every item worn, owned by the character from now on.
    void btnMarkOwnedClick();
    // "Compare sets..." (File menu too, so no Alt key of its own): the set worn beside a set file, or two set files.
    void btnCompareSetsClick();

    // The items the slots hold, the entries they show, and what the page's category rests on.
    ChosenItems Chosen() const { return slots_->Chosen(); }
    SlotPanel::Picks Picks() const { return slots_->Current(); }
    SetInputs Inputs() const;
    // Whether the slot lists hold the item: all items, or those the equipment filter let in.
    bool InSlotLists(const TItem& item) const;
    // The slot lists' gain columns from now on show the gains of this table.
    void ShowGains(const std::shared_ptr<const GainTable>& gains);
    // "Wear" from the armour and weapon lists: the item put on as a pick in the slot would put it
    // (a free finger first, else the one where it gains more); a message when no slot list holds it.
    void Wear(const TItem& item);
    // Chooses an entry in every slot, as the player's picks would, then adds the set up.
    void ChooseSet(const SlotPanel::Picks& picks);
    // One line of a set file: every slot or input it names takes the value after its "=".
    // Gives "Head (item 123)" when the line names an item the slot's list does not offer.
    QString ApplySavedLine(const std::string& line);
    // The set file at path, as "Load Eq" opens it (a file that does not read raises).
    void OpenSet(const QString& path);
    // A set file's lines: the character, "Filter all", then every slot and input; the slots whose
    // items the lists do not offer are left empty and named.
    QStringList ApplySet(const std::vector<std::string>& lines);
    // The set of the last session: the slot lists filled for the character they were filled for
    // (every item: none), then the set file's lines; gives what ApplySet gives. Runs no filter.
    QStringList RestoreSet(std::optional<Profile> slotsFor, const std::vector<std::string>& lines);
    // The character the slot lists were narrowed to; none: every item.
    const std::optional<Profile>& SlotsFor() const { return filter_; }
    // The history starts again from the set the slots hold now.
    void StartHistory();
    // Each character's history goes on where it was left (see SetHistory).
    void SwitchHistory(int leaving, int coming) { history_->Switch(leaving, coming); }
    void ForgetHistory(int character) { history_->Forget(character); }
    // What "Save Eq" writes: the set, its inputs and the character.
    std::string SetText() const;

private:
    QWidget* BuildSidePanel(const PageContext& context);
    void ConnectHandlers();
    void SetTabOrder();
    // Every slot emptied, then each slot and input a set file's line names; the totals after.
    QStringList ApplyLines(const std::vector<std::string>& lines);
    // Tells the lists which items the slots hold now.
    void ShowWorn();
    // Refills the slot lists with what the character may use (every item: nothing); each slot
    // keeps its item where its list still offers it. Gives the slots emptied.
    std::vector<SlotPanel::Emptied> FillFor(std::optional<Profile> character);

    // The page as a step of the history keeps it, and back.
    SetHistory::State Snapshot() const;
    void ShowState(const SetHistory::State& state);

    const LoadedData& data_;
    CharacterPanel& character_;
    IUserInterface& ui_;
    ScaleBook& scales_;
    EventGuard& events_;
    Links links_;
    char decimalSep_;
    CharacterBook& characters_;
    SlotPanel* slots_;
    std::optional<Profile> filter_;  // the character the slot lists were narrowed to; none: all items
    bool loadingSet_ = false;        // a set file's load runs the filter: its lines decide every slot
    std::unique_ptr<SetFiles> files_;
    std::unique_ptr<PlanDialogs> dialogs_;
    std::unique_ptr<SetClipboard> clipboard_;
    SetHistory* history_;

    EquipmentReadouts* readouts_;
    std::unique_ptr<EquipmentButtons> buttons_;
};

}  // namespace vantor
