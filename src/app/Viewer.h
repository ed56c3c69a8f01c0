#pragma once
// The main window: the top panel with the character profile, the pages, and the start-up load.
// The frame is the only code that knows more than one page; it wires what one page hands on to
// another.

#include "app/EventGuard.h"
#include "app/UserInterface.h"
#include "data/CodeTables.h"
#include "data/GameData.h"

#include <QComboBox>
#include <QMainWindow>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;

namespace vantor {

class EquipmentPage;
class ListPage;
class UtilitiesPage;

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
    void ExitClick();

    // List fills; the row builders are the only way a row gets into a list.
    void DisplayWeapons();
    void DisplayArmor();
    void DisplayOther();
    void DisplaySpells();
    void DisplaySubAll(const std::string& kind, const TItem& item);
    void DisplaySubSpell(const std::string& kind, const TSpell& spell);
    void DisplayItemData();

    // State.
    QString DataDir;
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
    QWidget* TabSheet5;
    QWidget* TabSheet3;
    QPlainTextEdit* mm;

    FileDialogSettings OpenDialog1;
    FileDialogSettings SaveDialog1;

    // The coded selection lists filled at creation; the handlers read the selected entry's code.
    QComboBox* cbxMag;
    QComboBox* cbxMag2;
    QComboBox* cbxWornW;

    EventGuard& Events() { return events_; }

protected:
    bool event(QEvent* e) override;
    void showEvent(QShowEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void FormCreate();
    void BuildTopPanel();
    void BuildPages();
    ListPage* PageOfKind(const std::string& kind) const;
    void ShowError(std::exception_ptr error);
    QPushButton* FindButtonOfCurrentPage() const;

    IUserInterface& ui_;
    EventGuard events_;
    ListPage* armorPage_;
    ListPage* weaponsPage_;
    ListPage* spellsPage_;
    ListPage* otherPage_;
    EquipmentPage* equipmentPage_;
    UtilitiesPage* utilitiesPage_;
};

// Fills a drop-down list with coded entries, sorted by text, and selects the first.
void FillCoded(QComboBox& box, const std::vector<CodedEntry>& entries);
// The code of the selected entry of a coded list (0 when nothing is selected).
int32_t SelectedCode(const QComboBox& box);

}  // namespace vantor
