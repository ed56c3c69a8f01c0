#include "app/window/DataLoad.h"

#include "app/common/CharacterPanel.h"
#include "app/common/Widgets.h"
#include "app/equipment/EquipmentPage.h"
#include "app/lists/ArmorPage.h"
#include "app/lists/SpellsPage.h"
#include "app/lists/WeaponsPage.h"
#include "app/utilities/ManaBlessingPage.h"
#include "app/utilities/UtilitiesPage.h"
#include "app/window/LoadWindow.h"
#include "data/DataFile.h"
#include "equipment/SlotLists.h"
#include "lists/LoadRecords.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QPlainTextEdit>
#include <QTabWidget>

namespace vantor {

DataLoad::DataLoad(LoadedData& data, const WindowPages& pages) : data_(data), pages_(pages) {}

DataLoad::~DataLoad() { FinishFreeing(); }

void DataLoad::Run(QWidget* window, const QString& dir)
{
    WaitCursor cursor;
    TfrmLoad frmLoad(window);
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
    ShowMissingFiles(dir);
    LoadRecords(QFile::encodeName(dir).toStdString(), data_.Spells, data_.Items, pump);
    data_.Loading = false;
    pages_.Armor->SortByName();
    std::vector<TSpell*> blessings = DisplayLists(pump);
    pages_.Tabs->setTabVisible(pages_.Tabs->indexOf(pages_.MemoPage), false);
    pages_.Equipment->edtStrengthChange();
    pages_.Blessings->Offer(std::move(blessings));  // what "Filter" on the blessing page does
}

void DataLoad::ShowMissingFiles(const QString& dir)
{
    // A start with no data shows no message, but each empty list says which file to put where.
    const std::string path = QFile::encodeName(dir).toStdString();
    const auto missing = [&](std::initializer_list<const char*> names, const char* file, const char* what) {
        for (const char* name : names)
            if (!FindDataFile(path, name).empty()) return QString();
        return QString("No %1 to show.\nPut the game's export \"%2\" in\n%3")
            .arg(what, file, QDir::toNativeSeparators(dir));
    };
    const QString noItems = missing({"Items.txt", "Itemsnew.txt"}, "Items.txt", "items");
    for (ListPage* page : std::initializer_list<ListPage*>{pages_.Armor, pages_.Weapons, pages_.Other})
        page->SetEmptyText(noItems);
    pages_.Spells->SetEmptyText(missing({"spells.txt", "spellsVtab0.txt"}, "spells.txt", "spells"));
}

void DataLoad::ClearLists()
{
    // A large database takes a while to free: the old rows and records go to another thread.
    struct Old {
        std::vector<ListRow> Rows[4];
        ItemList Items;
        SpellList Spells;
    };
    auto old = std::make_unique<Old>();
    int i = 0;
    for (ListPage* page : std::initializer_list<ListPage*>{pages_.Armor, pages_.Weapons, pages_.Other, pages_.Spells})
        page->SwapRows(old->Rows[i++]);
    // The gains weigh the set of the records about to go: none until the new set is chosen.
    for (ListPage* page : std::initializer_list<ListPage*>{pages_.Armor, pages_.Weapons}) page->ShowGains(nullptr);
    // Nothing may point at a record about to go: the slot lists, the swing calculator's weapons
    // and the blessing lists are emptied, and the set's history forgotten.
    pages_.Equipment->ClearHistory();
    pages_.Equipment->EmptyLists();
    if (data_.SlotsMade.valid()) data_.SlotsMade.wait();  // it reads the records
    data_.SlotsMade = {};
    pages_.Utilities->FillSwingWeapons(SlotList());
    pages_.Blessings->Offer({});
    old->Items = std::move(data_.Items);
    data_.Items.clear();

    old->Spells = std::move(data_.Spells);
    data_.Spells.Clear();
    FinishFreeing();
    disposal_ = std::async(std::launch::async, [old = std::move(old)]() mutable { old.reset(); });
    pages_.Memo->clear();
}

void DataLoad::FinishFreeing()
{
    if (disposal_.valid()) disposal_.wait();
}

std::vector<TSpell*> DataLoad::DisplayLists(const std::function<void()>& pump)
{
    // The items' order by name is worked out once, on a second thread, for the armour and weapon
    // lists and the slot lists; the weapon list follows on its heels. Here meanwhile the spells
    // and the armour list (the first in sight, measured as its rows are made), the blessings, the
    // other items, and then the armour list put in that order.
    const std::shared_future<std::vector<uint32_t>> byName =
        std::async(std::launch::async, [this] {
            return ItemsByName(data_.Items, [](const TItem& item) { return item.ItemType == 0 || item.ItemType == 1; });
        }).share();
    auto weaponsMade = std::async(
        std::launch::async, [this, byName] { return pages_.Weapons->AllRows(true, nullptr, nullptr, &byName.get()); });
    std::vector<ListRow> spells = pages_.Spells->AllRows(false);
    const ByteAdvances advances = pages_.Armor->Advances();
    ListPage::WidestRows widestArmour;
    std::vector<ListRow> armour = pages_.Armor->AllRows(false, &advances, &widestArmour);
    std::vector<TSpell*> blessings = pages_.Blessings->Blessings(pages_.Panel->CurrentProfile());
    std::vector<ListRow> other = pages_.Other->AllRows(false);
    WaitFor(byName, pump);
    pages_.Armor->SortRows(armour, &byName.get());
    WaitFor(weaponsMade, pump);
    std::vector<ListRow> weapons = weaponsMade.get();
    // The slot lists' items, in the same order, while the player looks at the lists.
    data_.SlotsMade = std::async(std::launch::async, [&items = data_.Items, byName] {
                          SlotLists all;
                          FillSlotListsInOrder(items, byName.get(), all, nullptr);
                          return all;
                      }).share();
    pages_.Spells->ShowLoadedRows(spells, false);
    pages_.Weapons->ShowLoadedRows(weapons, true);
    pages_.Armor->ShowLoadedRows(armour, true, &widestArmour);
    pages_.Other->ShowLoadedRows(other, false);
    return blessings;
}

}  // namespace vantor
