#pragma once
// The main window: the top panel with the character profile, the eight pages, the lists, and the
// start-up load.

#include "app/EventGuard.h"
#include "app/ListModel.h"
#include "app/UserInterface.h"
#include "data/CodeTables.h"
#include "data/GameData.h"
#include "filters/Sorting.h"

#include <QComboBox>
#include <QMainWindow>

class QAbstractButton;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class QTreeView;
class QVBoxLayout;

namespace vantor {

struct TItem;

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

    // Header clicks.
    void lstArmorColumnClick(int column);
    void lstWeaponsColumnClick(int column);
    void lstDisplaySpellColumnClick(int column);
    void lstOtherColumnClick(int column);

    // Selection events: row is the row that gained or, with no row selected, lost the selection.
    void lstArmorSelectItem(int row);
    void lstWeaponsSelectItem(int row);
    void lstDisplaySpellSelectItem(int row);

    // Find and Next.
    void btnFFAClick();
    void btnFindClick();
    void btnFFWClick();
    void btnFind2Click();
    void btnFFSpellClick();
    void btnFind3Click();

    // Sorts a list by its sort state.
    void SortArmor();
    void SortWeapons();
    void SortSpells();
    void SortOther();

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
    QWidget* TabSheet1;
    QWidget* TabSheet2;
    QWidget* TabSheet4;
    QWidget* Other;
    QWidget* Equipment;
    QWidget* tbUtil;
    QWidget* TabSheet5;
    QWidget* TabSheet3;
    QPlainTextEdit* mm;

    // Armour page.
    QTreeView* lstArmor;
    ListModel* ArmorRows;
    QPlainTextEdit* mmAsp;
    QWidget* pnlArmorFilter;  // the armour filter controls go here
    QLineEdit* edtFind;
    QPushButton* btnFFA;
    QPushButton* btnFind;

    // Weapons page.
    QTreeView* lstWeapons;
    ListModel* WeaponRows;
    QPlainTextEdit* mmWsp;
    QWidget* pnlWeaponFilter;
    QLineEdit* edtFind2;
    QPushButton* btnFFW;
    QPushButton* btnFind2;

    // Spells page.
    QTreeView* lstDisplaySpell;
    ListModel* SpellRows;
    QPlainTextEdit* mmSNotes;
    QWidget* pnlSpellFilter;
    QLineEdit* edtFind3;
    QPushButton* btnFFSpell;
    QPushButton* btnFind3;

    // Other page.
    QTreeView* lstOther;
    ListModel* OtherRows;

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
    // The page's layout with its strip of filter controls and search box on top.
    QVBoxLayout* BuildSearchStrip(QWidget* page, QWidget*& filterPanel, QLineEdit*& find, QPushButton*& first,
                                  QPushButton*& next);
    void AddListWithMemo(QVBoxLayout* layout, QTreeView* list, QPlainTextEdit* memo, Qt::Orientation o);
    QTreeView* MakeList(const char* name, ListModel* model);
    void SortList(ListModel& model, int32_t column, bool descending);
    void ShowItemText(ListModel& model, QPlainTextEdit& memo, int row);
    void FindNext(QTreeView& list, ListModel& model, QLineEdit& box);
    void ShowError(std::exception_ptr error);
    // Connect a control's event to its handler, run through the error guard.
    void OnClick(QAbstractButton* button, void (TViewer::*handler)());
    void OnColumnClick(QTreeView* list, void (TViewer::*handler)(int));
    void OnSelectItem(QTreeView* list, void (TViewer::*handler)(int));
    // Runs a handler of a window event through the error guard.
    template <class F>
    void Handle(F&& f) { events_.Run(std::forward<F>(f)); }
    QPushButton* FindButtonOfCurrentPage() const;

    IUserInterface& ui_;
    EventGuard events_;
};

// Fills a drop-down list with coded entries, sorted by text, and selects the first.
void FillCoded(QComboBox& box, const std::vector<CodedEntry>& entries);
// The code of the selected entry of a coded list (0 when nothing is selected).
int32_t SelectedCode(const QComboBox& box);

}  // namespace vantor
