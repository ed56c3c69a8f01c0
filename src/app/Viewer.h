#pragma once
// The main window: the top panel with the character profile, the pages, and the start-up load.
// The frame is the only code that knows more than one page; it wires what one page hands on to
// another.

#include "app/EventGuard.h"
#include "app/UserInterface.h"
#include "data/CodeTables.h"
#include "data/GameData.h"
#include "filters/Profile.h"
#include "lists/ListRows.h"

#include <QComboBox>
#include <functional>
#include <future>
#include <QMainWindow>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;

namespace vantor {

class ArmorPage;
class EquipmentPage;
class ListPage;
class ManaBlessingPage;
class SpellsPage;
class UtilitiesPage;
class WeaponsPage;

// An open or save dialog of the window: its filter text and initial folder.
struct FileDialogSettings {
    QString Filter;
    QString InitialDir;
};

class TViewer : public QMainWindow {
    Q_OBJECT
public:
    // dataDir: where the data files are read from; empty means the program's own directory.
    explicit TViewer(IUserInterface& ui, const QString& dataDir = QString(), QWidget* parent = nullptr);
    ~TViewer() override;

    // Window events and handlers.
    void FormActivate();
    void LoadClick();
    void ClearLists();
    // Waits until the rows and records of the load before are freed (another thread frees them).
    void FinishFreeing();
    void ExitClick();

    // The character: the class preset, the alignment boxes (at most one ticked), and every
    // filter at once.
    void cbxAClassChange();
    void chkGoodClick();
    void chkNeutralClick();
    void chkEvilClick();
    void btnFilterAllClick();
    // The character as the top panel describes it now.
    Profile CurrentProfile() const;

    void DisplayItemData();

    // State.
    QString DataDir;
    // The player's own data folder (~/.local/share/vantor-viewer/ on Linux), read when the
    // program's folder holds no data file.
    static QString PlayerDataDir();
    // "Compare with worn" on the armour and weapons lists: a window beside the item.
    void CompareWithWorn(const TItem& item);
    ItemList Items;
    SpellList Spells;
    int32_t FindIndex = -1;
    int32_t ArmorSortColumn = 999;
    bool ArmorSortDescending = false;
    int32_t WeaponSortColumn = 0;
    bool WeaponSortDescending = false;
    int32_t SpellSortColumn = 0;
    bool SpellSortDescending = false;
    int32_t OtherSortColumn = 0;
    bool OtherSortDescending = false;
    bool Loading = true;
    bool FirstActivation = true;
    char DecimalSep = '.';

    // Top panel.
    QWidget* pnlTop;
    QLabel* lblA;
    QLineEdit* edtAlvl;
    QComboBox* cbxAClass;
    QLabel* Label29;
    QLineEdit* edtStrength;
    QCheckBox* chkGood;
    QCheckBox* chkNeutral;
    QCheckBox* chkEvil;
    QPushButton* btnFilterAll;
    QPushButton* Load;
    QPushButton* Exit;

    // Pages.
    QTabWidget* TDisplay;
    QWidget* TabSheet3;
    QPlainTextEdit* mm;

    FileDialogSettings OpenDialog1;
    FileDialogSettings SaveDialog1;

    EventGuard& Events() { return events_; }

protected:
    bool event(QEvent* e) override;
    void showEvent(QShowEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void FormCreate();
    void BuildTopPanel();
    void BuildPages();
    // The load's list fills: the rows of the four lists are built on two threads (the armour
    // and weapon lists sorted) while this one keeps the window painted, then shown by the four
    // Display functions, in the order spells, weapons, armour, other. Each takes the rows it
    // shows and leaves the list's old rows in their place.
    // Also finds the blessings the character casts, while the lists are sorted.
    std::vector<TSpell*> DisplayLists(const std::function<void()>& pump);
    void DisplaySpells(std::vector<ListRow>& rows);
    void DisplayWeapons(std::vector<ListRow>& rows);
    void DisplayArmor(std::vector<ListRow>& rows, const std::vector<std::vector<ListRow>>& widest);
    void DisplayOther(std::vector<ListRow>& rows);
    // Restores the character of a set file, in the order level, class, strength, agility,
    // alignment.
    void RestoreProfile(const struct SavedProfile& saved);
    void ShowError(std::exception_ptr error);
    QPushButton* FindButtonOfCurrentPage() const;

    IUserInterface& ui_;
    EventGuard events_;
    ArmorPage* armorPage_;
    WeaponsPage* weaponsPage_;
    SpellsPage* spellsPage_;
    ListPage* otherPage_;
    EquipmentPage* equipmentPage_;
    UtilitiesPage* utilitiesPage_;
    ManaBlessingPage* manaBlessingPage_;
    std::future<void> disposal_;  // frees the rows and records of the load before, off this thread
};

}  // namespace vantor
