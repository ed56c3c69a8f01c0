#include "app/window/Viewer.h"

#include "app/common/Bytes.h"
#include "app/common/CharacterPanel.h"
#include "app/common/PageContext.h"
#include "app/common/Widgets.h"
#include "app/equipment/EquipmentPage.h"
#include "app/lists/ArmorPage.h"
#include "app/lists/CompareWindow.h"
#include "app/lists/ListPage.h"
#include "app/lists/SpellsPage.h"
#include "app/lists/WeaponsPage.h"
#include "app/scales/ScaleBook.h"
#include "app/utilities/ManaBlessingPage.h"
#include "app/utilities/UtilitiesPage.h"
#include "app/window/LoadWindow.h"
#include "data/DataFile.h"
#include "data/Errors.h"
#include "equipment/Gains.h"
#include "lists/ItemDump.h"
#include "lists/LoadRecords.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace vantor {

TViewer::TViewer(IUserInterface& ui, const QString& dataDir, QWidget* parent)
    : QMainWindow(parent), ui_(ui), events_([this](std::exception_ptr e) { ShowError(e); }),
      scales_(new ScaleBook(settings_, this)), decimalSep_(SystemDecimalSeparator())
{
    // The player's settings first: the pages start with the scale chosen last.
    settings_.Load();
    scales_->Load();
    setObjectName("Viewer");
    setWindowTitle("Vantor Viewer");
    resize(710, 560);
    setMinimumSize(710, 560);
    panel_ = new CharacterPanel(events_, this);
    BuildPages();
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(panel_);
    layout->addWidget(TDisplay, 1);
    setCentralWidget(central);
    RestoreWindowPlace();

    FormCreate();
    if (!dataDir.isEmpty()) dataDir_ = dataDir.endsWith('/') ? dataDir : dataDir + '/';
    if (!settings_.Notice().isEmpty()) Notice(settings_.Summary(), settings_.Notice());
    qApp->installEventFilter(this);
}

TViewer::~TViewer()
{
    qApp->removeEventFilter(this);
    // Rows are written from the records, which go before the pages do: empty the lists first.
    for (ListPage* page : std::initializer_list<ListPage*>{armorPage_, weaponsPage_, otherPage_, spellsPage_})
        page->Rows().Clear();
    FinishFreeing();
}

void TViewer::BuildPages()
{
    TDisplay = new QTabWidget(this);
    TDisplay->setObjectName("TDisplay");
    TDisplay->setUsesScrollButtons(false);
    TDisplay->setElideMode(Qt::ElideNone);
    const PageContext context{events_, ui_, data_, *panel_, *scales_, settings_, decimalSep_};
    BuildListPages(context);
    EquipmentPage::Links equipment;
    equipment.SwingWeaponsFilled = [this](SlotList&& weapons) { utilitiesPage_->FillSwingWeapons(std::move(weapons)); };
    equipment.WeaponChosen = [this](std::string_view name) { utilitiesPage_->SelectSwingWeapon(name); };
    equipment.EncumbranceShown = [this](const QString& maxEnc, const QString& enc) {
        utilitiesPage_->ShowEncumbrance(maxEnc, enc);
    };
    equipment.FilterAll = [this] { btnFilterAllClick(); };
    equipment.Notice = [this](const QString& text) { Notice(text); };
    equipment.WornChanged = [this](const ChosenItems& chosen) {
        const std::vector<const TItem*> worn(chosen.begin(), chosen.end());
        armorPage_->Rows().SetWorn(worn);
        weaponsPage_->Rows().SetWorn(worn);
        ShowGains();
    };
    equipmentPage_ = new EquipmentPage(context, std::move(equipment), TDisplay);
    utilitiesPage_ = new UtilitiesPage(context, TDisplay);
    manaBlessingPage_ = new ManaBlessingPage(context, TDisplay);
    BuildMemoPage();
    const std::pair<QWidget*, const char*> pages[] = {{armorPage_, "&Armor"},
                                                      {weaponsPage_, "&Weapons"},
                                                      {spellsPage_, "&Spells"},
                                                      {otherPage_, "&Other"},
                                                      {equipmentPage_, "&Equipment"},
                                                      {utilitiesPage_, "&Utilities"},
                                                      {manaBlessingPage_, "&Mana Blessing"},
                                                      {TabSheet3, "&Memo"}};
    for (const auto& [page, caption] : pages) TDisplay->addTab(page, caption);
    LinkPages();
}

void TViewer::BuildListPages(const PageContext& context)
{
    const auto compare = [this](const TItem& item) { CompareWithWorn(item); };
    armorPage_ = new ArmorPage(context, find_, compare, TDisplay);
    weaponsPage_ = new WeaponsPage(context, find_, compare, TDisplay);
    spellsPage_ = new SpellsPage(context, find_, TDisplay);
    otherPage_ =
        new ListPage(ListKind::Other, {"Other", "lstOther", nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
                     context, nullptr, nullptr, TDisplay);
}

void TViewer::BuildMemoPage()
{
    TabSheet3 = new QWidget(TDisplay);
    TabSheet3->setObjectName("TabSheet3");
    mm = MakeMemo(TabSheet3, "mm");
    auto* memoLayout = new QVBoxLayout(TabSheet3);
    memoLayout->setContentsMargins(4, 4, 4, 4);
    memoLayout->addWidget(mm);
}

void TViewer::LinkPages()
{
    CharacterPanel::Actions actions;
    actions.FilterAll = [this] { btnFilterAllClick(); };
    actions.Load = [this] { LoadClick(); };
    actions.Exit = [this] { ExitClick(); };
    actions.ClassChosen = [this](const ClassPreset& preset) {
        armorPage_->ApplyClassPreset(preset);
        weaponsPage_->ApplyClassPreset(preset);
        spellsPage_->ApplyClassPreset(preset);
        utilitiesPage_->ApplyClassPreset(preset);
    };
    actions.AgilityText = [this] { return utilitiesPage_->AgilityText(); };
    actions.SetAgility = [this](const QString& text) { utilitiesPage_->SetAgility(text); };
    panel_->SetActions(std::move(actions));
    events_.Connect(scales_, &ScaleBook::Changed, this, [this] { ShowGains(); });
    panel_->OnStrengthChange([this] { equipmentPage_->edtStrengthChange(); });
    panel_->OnLevelChange([this] { utilitiesPage_->edtAlvlChange(); });
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    events_.Connect(escape, &QShortcut::activated, this, [this] { ExitClick(); });

    // Tab order: the top panel left to right, then the pages.
    std::vector<QWidget*> order = panel_->TabOrder();
    order.push_back(TDisplay);
    for (size_t i = 0; i + 1 < order.size(); ++i) setTabOrder(order[i], order[i + 1]);
}

void TViewer::ShowGains()
{
    const auto table =
        std::make_shared<GainTable>(scales_->ActiveScale(), equipmentPage_->Chosen(),
                                    [this](const TItem& item) { return equipmentPage_->InSlotLists(item); });
    const ListModel::GainOf gainOf = [table](const TItem& item) { return table->GainOf(item); };
    armorPage_->ShowGains(gainOf);
    weaponsPage_->ShowGains(gainOf);
}

void TViewer::CompareWithWorn(const TItem& item)
{
    const std::vector<Slot> targets = CompareSlots(item);
    if (targets.empty()) {
        ui_.ShowMessage(this, "This item is not worn in any slot.");
        return;
    }
    const ChosenItems chosen = equipmentPage_->Chosen();
    std::vector<Comparison> comparisons;
    QStringList worn;
    for (const Slot s : targets) {
        comparisons.push_back(
            vantor::CompareWithWorn(item, s, chosen, equipmentPage_->Inputs(), decimalSep_, &scales_->ActiveScale()));
        worn << (chosen[s] ? FromBytes(chosen[s]->Name) : QString("*None*"));
    }
    auto* window = new CompareWindow(FromBytes(item.Name), comparisons, worn, FromBytes(scales_->ActiveScale().Name),
                                     decimalSep_, this);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
}

QString TViewer::PlayerDataDir() { return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + '/'; }

void TViewer::FormCreate()
{
    firstActivation_ = true;
    dataDir_ =
        QFile::decodeName(ChooseDataDir(QFile::encodeName(QCoreApplication::applicationDirPath() + '/').toStdString(),
                                        QFile::encodeName(PlayerDataDir()).toStdString())
                              .c_str());
    find_.Row = -1;
    data_.Loading = true;
    TDisplay->setCurrentIndex(0);
}

bool TViewer::event(QEvent* e)
{
    if (e->type() == QEvent::WindowActivate) events_.Run([this] { FormActivate(); });
    return QMainWindow::event(e);
}

void TViewer::showEvent(QShowEvent* e)
{
    QMainWindow::showEvent(e);
    // Not every desktop activates a new window; the load must run all the same.
    if (firstActivation_)
        QTimer::singleShot(0, this, [this] {
            if (isVisible()) events_.Run([this] { FormActivate(); });
        });
}

void TViewer::FormActivate()
{
    if (!firstActivation_) return;
    firstActivation_ = false;
    LoadClick();
    equipmentPage_->btnLeqtabClick();
    utilitiesPage_->btnTAResetClick();
    utilitiesPage_->btnQZSwingRClick();
    utilitiesPage_->btnMRRClick();
    RestoreSession();
}

void TViewer::ShowMissingFiles(const std::string& dir)
{
    // A start with no data shows no message, but each empty list says which file to put where.
    const auto missing = [&](std::initializer_list<const char*> names, const char* file, const char* what) {
        for (const char* name : names)
            if (!FindDataFile(dir, name).empty()) return QString();
        return QString("No %1 to show.\nPut the game's export \"%2\" in\n%3")
            .arg(what, file, QDir::toNativeSeparators(dataDir_));
    };
    const QString noItems = missing({"Items.txt", "Itemsnew.txt"}, "Items.txt", "items");
    for (ListPage* page : std::initializer_list<ListPage*>{armorPage_, weaponsPage_, otherPage_})
        page->SetEmptyText(noItems);
    spellsPage_->SetEmptyText(missing({"spells.txt", "spellsVtab0.txt"}, "spells.txt", "spells"));
}

void TViewer::LoadClick()
{
    WaitCursor cursor;
    TfrmLoad frmLoad(this);
    frmLoad.show();
    QCoreApplication::processEvents();

    ClearLists();
    data_.Loading = true;
    // Keep the waiting window painted, without paying an event-loop pass for every line and
    // without taking input while the lists are half filled.
    QElapsedTimer sincePaint;
    sincePaint.start();
    const Pump pump = [&sincePaint] {
        if (sincePaint.elapsed() < 16) return;
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        sincePaint.restart();
    };
    const std::string dir = QFile::encodeName(dataDir_).toStdString();
    ShowMissingFiles(dir);
    LoadRecords(dir, data_.Spells, data_.Items, pump);
    data_.Loading = false;
    armorPage_->SortByName();
    std::vector<TSpell*> blessings = DisplayLists(pump);
    TDisplay->setTabVisible(TDisplay->indexOf(TabSheet3), false);
    equipmentPage_->edtStrengthChange();
    manaBlessingPage_->Offer(std::move(blessings));  // what "Filter" on the blessing page does
}

void TViewer::ClearLists()
{
    // A large database takes a while to free: the old rows and records go to another thread.
    struct Old {
        std::vector<ListRow> Rows[4];
        ItemList Items;
        SpellList Spells;
    };
    auto old = std::make_unique<Old>();
    int i = 0;
    for (ListPage* page : std::initializer_list<ListPage*>{armorPage_, weaponsPage_, otherPage_, spellsPage_})
        page->SwapRows(old->Rows[i++]);
    // The gains weigh the set of the records about to go: none until the new set is chosen.
    for (ListPage* page : std::initializer_list<ListPage*>{armorPage_, weaponsPage_}) page->ShowGains(nullptr);
    old->Items = std::move(data_.Items);
    data_.Items.clear();
    equipmentPage_->ClearHistory();  // its steps name the records about to go
    old->Spells = std::move(data_.Spells);
    data_.Spells.Clear();
    FinishFreeing();
    disposal_ = std::async(std::launch::async, [old = std::move(old)]() mutable { old.reset(); });
    mm->clear();
}

void TViewer::FinishFreeing()
{
    if (disposal_.valid()) disposal_.wait();
}

void TViewer::ExitClick() { close(); }

void TViewer::btnFilterAllClick()
{
    equipmentPage_->btnEqFilterClick();
    spellsPage_->btnFiltSpellsClick();
    weaponsPage_->btnFWClick();
    armorPage_->btnFAClick();
}

std::vector<TSpell*> TViewer::DisplayLists(const std::function<void()>& pump)
{
    // The weapons and the blessings on a second thread; the armour, the larger sort, and the rest
    // here, where the memory the load just freed is.
    auto second = std::async(std::launch::async, [this, profile = panel_->CurrentProfile()] {
        return std::pair(weaponsPage_->AllRows(true), manaBlessingPage_->Blessings(profile));
    });
    // The armour list, the first in sight, is measured as its rows are made.
    const ByteAdvances advances = armorPage_->Advances();
    ListPage::WidestRows widestArmour;
    std::vector<ListRow> armour = armorPage_->AllRows(true, &advances, &widestArmour);
    std::vector<ListRow> spells = spellsPage_->AllRows(false);
    std::vector<ListRow> other = otherPage_->AllRows(false);
    WaitFor(second, pump);
    auto [weapons, blessings] = second.get();
    DisplaySpells(spells);
    DisplayWeapons(weapons);
    DisplayArmor(armour, widestArmour);
    DisplayOther(other);
    return blessings;
}

void TViewer::DisplaySpells(std::vector<ListRow>& rows) { spellsPage_->ShowLoadedRows(rows, false); }
void TViewer::DisplayWeapons(std::vector<ListRow>& rows) { weaponsPage_->ShowLoadedRows(rows, true); }
void TViewer::DisplayArmor(std::vector<ListRow>& rows, const std::vector<std::vector<ListRow>>& widest)
{
    armorPage_->ShowLoadedRows(rows, true, &widest);
}
void TViewer::DisplayOther(std::vector<ListRow>& rows) { otherPage_->ShowLoadedRows(rows, false); }

void TViewer::DisplayItemData()
{
    for (const TItem& item : data_.Items) mm->appendPlainText(FromBytes(ItemDumpLine(item, decimalSep_)));
}

QPushButton* TViewer::EnterButtonOfCurrentPage(const QWidget* focus) const
{
    const auto* page = dynamic_cast<const ListPage*>(TDisplay->currentWidget());
    return page ? page->EnterButton(focus) : nullptr;
}

bool TViewer::eventFilter(QObject* watched, QEvent* e)
{
    // Enter in any control of the window but a button or a memo runs the Find of the page on show;
    // in a "Gives" row, the page's filter.
    if (e->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(e);
        auto* w = qobject_cast<QWidget*>(watched);
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && w && w->window() == this &&
            w == QApplication::focusWidget() && !qobject_cast<QAbstractButton*>(w) &&
            !qobject_cast<QPlainTextEdit*>(w) && key->modifiers() == Qt::NoModifier) {
            if (QPushButton* button = EnterButtonOfCurrentPage(w)) {
                button->click();
                return true;
            }
        }
    }
    return QMainWindow::eventFilter(watched, e);
}

void TViewer::ShowError(std::exception_ptr error)
{
    try {
        std::rethrow_exception(error);
    } catch (const EConvertError& e) {
        QString detail;
        if (!e.File.empty())
            detail = QString("In the file %1, line %2.").arg(QFile::decodeName(e.File.c_str())).arg(e.Line);
        ui_.ShowError(this, ShownText(e.Text), detail);
    } catch (const EInOutError& e) {
        // The message names the file by its file-system name.
        ui_.ShowError(this, QFile::decodeName(e.what()));
    } catch (const std::exception& e) {
        ui_.ShowError(this, ShownText(e.what()));
    } catch (...) {
        ui_.ShowError(this, "Unknown error");
    }
}

}  // namespace vantor
