#pragma once
// The main window: the top panel with the character, the pages, and the start-up load. The frame
// is the only code that knows more than one page; it wires what one page hands on to another.

#include "app/common/EventGuard.h"
#include "app/common/LoadedData.h"
#include "app/common/UserInterface.h"
#include "app/session/Settings.h"
#include "lists/ListRows.h"

#include <QMainWindow>

#include <functional>
#include <memory>

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;

namespace vantor {

class ArmorPage;
class CharacterActions;
class CharacterBook;
class DataLoad;
class WindowSession;
class CharacterPanel;
class EquipmentPage;
class HelpWindow;
class ListPage;
class MainMenu;
class ManaBlessingPage;
class ScaleBook;
class SpellsPage;
class UtilitiesPage;
class WeaponsPage;

class TViewer : public QMainWindow {
    Q_OBJECT
public:
    // dataDir: where the data files are read from; empty means the program's own directory.
    explicit TViewer(IUserInterface& ui, const QString& dataDir = QString(), QWidget* parent = nullptr);
    ~TViewer() override;

    // The first activation: the load, the slot lists and the calculators' resets.
    void FormActivate();
    // The load of the data files into every list.
    void LoadClick();
    // Empties every list; the records of the load before are freed on another thread, and
    // FinishFreeing waits until they are.
    void ClearLists();
    void FinishFreeing();
    void ExitClick();
    // "Filter all": every filter at once.
    void btnFilterAllClick();
    // The item dump of the memo page.
    void DisplayItemData();
    // A set file to open once the first load is done, as "Load Eq" opens it.
    void OpenAtStart(const QString& path) { openAtStart_ = path; }
    // For benchmarks that run the load by hand: the first activation loads nothing.
    void SkipStartupLoad() { firstActivation_ = false; }

    // What the window holds.
    const LoadedData& Data() const { return data_; }
    const QString& DataDir() const { return dataDir_; }
    // The row of the last search hit, shared by the lists that search; -1 for none.
    int32_t FindIndex() const { return find_.Row; }
    char DecimalSep() const { return decimalSep_; }
    // The player's own data folder (~/.local/share/vantor-viewer/ on Linux), read when the
    // program's folder holds no data file.
    static QString PlayerDataDir();

    EventGuard& Events() { return events_; }

protected:
    bool event(QEvent* e) override;
    void showEvent(QShowEvent* e) override;
    // Keeps the session in the settings.
    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;
    // A set file dropped from a file manager opens as "Load Eq" opens it.
    void dragEnterEvent(QDragEnterEvent* e) override;
    void dropEvent(QDropEvent* e) override;

private:
    void FormCreate();
    // The window where the last session left it, or at a size that suits the screen.
    void RestoreWindowPlace();
    // After the first load: the last session's controls, lists, set and page, then the set file
    // the program was started with. What does not read is left out and named in the status line.
    void RestoreSession();
    // A line in the status bar; whole, when given, in its tool tip.
    void Notice(const QString& text, const QString& whole = {});
    void BuildPages();
    void BuildListPages(const struct PageContext& context);
    void BuildMemoPage();
    void LinkPages();
    void BuildMenu();
    // The list page shown; nullptr when the page is no list.
    ListPage* ShownList() const;
    // The status line's lasting part: what the page shows.
    void ShowPageSummary();
    // The manual at the part about the page shown.
    void ShowManual();
    void ShowAbout();
    // "Compare with worn" on the armour and weapons lists: a window beside the item.
    void CompareWithWorn(const TItem& item);
    // The gain columns, for the set the slots hold under the active scale.
    void ShowGains();
    void ShowError(const std::exception_ptr& error);
    QPushButton* EnterButtonOfCurrentPage(const QWidget* focus) const;

    IUserInterface& ui_;
    EventGuard events_;
    SettingsStore settings_;
    ScaleBook* scales_;
    CharacterBook* characters_;
    CharacterActions* characterActions_ = nullptr;
    LoadedData data_;
    FindPosition find_;
    QString dataDir_;
    char decimalSep_ = '.';
    bool firstActivation_ = true;
    QString openAtStart_;

    CharacterPanel* panel_;
    QTabWidget* TDisplay;
    ArmorPage* armorPage_;
    WeaponsPage* weaponsPage_;
    SpellsPage* spellsPage_;
    ListPage* otherPage_;
    EquipmentPage* equipmentPage_;
    UtilitiesPage* utilitiesPage_;
    ManaBlessingPage* manaBlessingPage_;
    QWidget* TabSheet3;
    QPlainTextEdit* mm;
    MainMenu* menu_ = nullptr;
    HelpWindow* help_ = nullptr;
    QLabel* pageSummary_ = nullptr;
    std::unique_ptr<DataLoad> load_;
    std::unique_ptr<WindowSession> session_;
};

}  // namespace vantor
