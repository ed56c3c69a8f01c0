// The window on 100,000 items and 20,000 spells: the time from the start of a load to every
// list filled and sorted, beside the domain load alone; the first load's time and the memory it
// takes above the empty window; and a header click on each column of the
// armour list beside a plain std::sort of the same rows with the same comparison.
#include "BenchUtil.h"
#include "app/common/UserInterface.h"
#include "app/equipment/EquipmentPage.h"
#include "app/lists/ListPage.h"
#include "app/session/CharacterBook.h"
#include "app/window/Viewer.h"
#include "equipment/Scale.h"
#include "equipment/Totals.h"
#include "filters/Sorting.h"
#include "lists/LoadRecords.h"

#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QFile>
#include <QLineEdit>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTreeView>

#include <algorithm>
#include <clocale>

using namespace vantor;

// The equipment planner: filling the seventeen slot lists after the load, beside a plain pass
// that picks the same records out of the item list; and a pick in a slot with all sixteen chosen
// (totals, summary, category), beside a plain pass that adds up the same sixteen records.
static void EquipmentBench(TViewer& viewer, double windowLoad)
{
    auto& equipment = *dynamic_cast<EquipmentPage*>(viewer.findChild<QWidget*>("Equipment"));
    // On the equipment page, where its button is.
    auto* tabs = viewer.findChild<QTabWidget*>("TDisplay");
    tabs->setCurrentWidget(&equipment);
    QCoreApplication::processEvents();
    std::vector<const TItem*> picked;
    const double plainFill = bench::BestSeconds(5, [&] {
        picked.clear();
        for (const TItem& item : viewer.Data().Items)
            if (item.ItemType == 0 || item.ItemType == 1) picked.push_back(&item);
    });
    const double fill = bench::BestSeconds(5, [&] { viewer.Events().Run([&] { equipment.btnLeqtabClick(); }); });
    std::printf("\nslot lists filled (%zu records): %.1f ms, plain pass %.2f ms (ratio %.1f); "
                "%.1f%% of the window load\n",
                picked.size(), fill * 1e3, plainFill * 1e3, fill / plainFill, 100 * fill / windowLoad);

    for (QComboBox* box : equipment.findChildren<QComboBox*>(QRegularExpression("^cbx"))) {
        if (box->objectName() == "cbxUWeapon" || box->count() < 2) continue;
        box->setCurrentIndex(box->count() / 2);
    }
    // A slot change, on the equipment page: the head slot between two items, so that the worn
    // marks move on every run.
    QComboBox* head = equipment.findChild<QComboBox*>("cbxHead");
    int flip = 0;
    const double pick = bench::BestSeconds(20, [&] {
        head->setCurrentIndex(head->count() / 2 + (flip ^= 1));
        viewer.Events().Run([&] { equipment.cbxHeadChange(); });
    });
    const ChosenItems chosen = equipment.Chosen();
    const double totals = bench::BestSeconds(20, [&] { AddUpEquipment(chosen, "0", "1"); });
    const std::vector<const TItem*> some(picked.begin(), picked.begin() + std::min<size_t>(16, picked.size()));
    volatile long long sink = 0;
    const double plainSum = bench::BestSeconds(20, [&] {
        long long sum = 0;
        for (const TItem* item : some) sum += item->Weight + item->Accuracy + item->Stealth + item->Abilities[0];
        sink = sum;
    });
    std::printf("a pick with 16 slots chosen, the worn items marked and every gain worked out in the full armour and "
                "weapon lists: %.3f ms (a frame is 16 ms); the totals alone %.4f ms; plain sum of 16 records %.5f ms\n",
                pick * 1e3, totals * 1e3, plainSum * 1e3);

    // The same with the armour list sorted by gain, and a switch of the scale, beside a plain pass
    // that scores every armour and weapon item for the set.
    auto& armour = *dynamic_cast<ListPage*>(viewer.findChild<QWidget*>("TabSheet1"));
    armour.ColumnClick(armour.Rows().ComputedColumn());
    const double sortedPick = bench::BestSeconds(20, [&] {
        head->setCurrentIndex(head->count() / 2 + (flip ^= 1));
        viewer.Events().Run([&] { equipment.cbxHeadChange(); });
    });
    auto* scale = equipment.findChild<QComboBox*>("cbxScale");
    int which = 0;
    const double switched = bench::BestSeconds(20, [&] {
        scale->setCurrentIndex(which ^= 1);
        emit scale->activated(which);
    });
    const ScoreTable table(BuiltInScales()[0]);
    const double plainScores = bench::BestSeconds(20, [&] {
        std::vector<int64_t> totals(table.Dimensions());
        SetScore all = 0;
        for (const TItem& item : viewer.Data().Items) {
            if (item.ItemType > 1) continue;
            std::fill(totals.begin(), totals.end(), 0);
            table.Add(item, 1, totals);
            all += table.Score(totals);
        }
        sink = static_cast<long long>(all);
    });
    // The lists work their gains out when next shown: the armour list sorted by gain, shown and
    // painted after a pick.
    const double shown = bench::BestSeconds(10, [&] {
        tabs->setCurrentWidget(&equipment);
        QCoreApplication::processEvents();
        head->setCurrentIndex(head->count() / 2 + (flip ^= 1));
        viewer.Events().Run([&] { equipment.cbxHeadChange(); });
        tabs->setCurrentWidget(&armour);
        armour.List()->viewport()->repaint();
    });
    std::printf(
        "the same pick with the armour list sorted by gain: %.3f ms; switching the scale: %.3f ms; the pick and "
        "then the armour list shown, sorted by the new gains and painted: %.3f ms; a plain pass scoring every "
        "armour and weapon item %.3f ms (ratios %.1f, %.1f, %.1f)\n",
        sortedPick * 1e3, switched * 1e3, shown * 1e3, plainScores * 1e3, sortedPick / plainScores,
        switched / plainScores, shown / plainScores);
    armour.ColumnClick(0);
}

// "Filter all" with the default character, beside one plain pass that builds the row of every
// item and spell once and writes its cells (what showing every record in the lists costs at the least).
static void FilterAllBench(TViewer& viewer)
{
    const char sep = viewer.DecimalSep();
    size_t cells = 0;
    const double plain = bench::BestSeconds(3, [&] {
        cells = 0;
        for (const TItem& item : viewer.Data().Items)
            for (const char* kind : {"A", "W", "O"}) {
                ListRow row;
                if (MakeItemRow(kind, item, sep, row)) cells += CellTexts(row).size();
            }
        for (const TSpell& spell : viewer.Data().Spells) {
            ListRow row;
            if (MakeSpellRow("S", spell, sep, row)) cells += CellTexts(row).size();
        }
    });
    const auto filterAll = [&] {
        return bench::BestSeconds(3, [&] { viewer.Events().Run([&] { viewer.btnFilterAllClick(); }); });
    };
    const double all = filterAll();
    std::printf("\nFilter all: %.1f ms, plain pass building every row once %.1f ms (ratio %.2f)\n", all * 1e3,
                plain * 1e3, all / plain);
    // The same with three condition rows on the Armor and Weapons pages, set through their boxes:
    // two features and an ability name, each met by most items, so the lists stay about as long.
    const auto setRow = [&](const char* suffix, int n, const char* what, const char* op, const char* value) {
        const QString tail = QString::number(n) + suffix;
        auto* ability = viewer.findChild<QComboBox*>("cbxAbility" + tail);
        ability->setCurrentIndex(ability->findText(what));
        auto* compare = viewer.findChild<QComboBox*>("cbxAbilityOp" + tail);
        compare->setCurrentIndex(compare->findText(op));
        viewer.findChild<QLineEdit*>("edtAbilityValue" + tail)->setText(value);
    };
    for (const char* suffix : {"", "W"}) {
        setRow(suffix, 1, "AC", ">=", "0");
        setRow(suffix, 2, "Stealth", "<=", "1000");
        setRow(suffix, 3, "Resist Fire", ">=", "-1000");
    }
    const double conditioned = filterAll();
    std::printf("Filter all with three conditions on the Armor and Weapons pages: %.1f ms (ratio %.2f to none)\n",
                conditioned * 1e3, conditioned / all);
}

// Switching character: from one to another and back, each with its own set and filters, beside a
// plain pass over the items; first with every list showing all its rows, then after "Filter all"
// for both characters (each switch runs the filters again, for the character it brings back).
static void CharacterBench(TViewer& viewer)
{
    auto* book = viewer.findChild<CharacterBook*>();
    auto* picker = viewer.findChild<QComboBox*>("cbxCharacter");
    const auto pick = [&](int i) {
        picker->setCurrentIndex(i);
        emit picker->activated(i);
    };
    std::vector<const TItem*> weapons;  // the records a plain pass picks, kept so it is not optimised away
    const double plain = bench::BestSeconds(5, [&] {
        weapons.clear();
        for (const TItem& item : viewer.Data().Items)
            if (item.ItemType == 1) weapons.push_back(&item);
    });
    book->Add("Second");
    pick(1);
    viewer.findChild<QLineEdit*>("edtAlvl")->setText("20");
    pick(0);
    const auto switching = [&] { return bench::BestSeconds(5, [&] { pick(1), pick(0); }) / 2; };
    const double unfiltered = switching();
    for (int i : {1, 0}) {
        pick(i);
        viewer.Events().Run([&] { viewer.btnFilterAllClick(); });
    }
    const double filtered = switching();
    std::printf("\nswitching character: %.1f ms with the lists unfiltered, %.1f ms with every list filtered for "
                "each; plain pass picking the %zu weapons from the items %.2f ms (ratios %.1f, %.1f)\n",
                unfiltered * 1e3, filtered * 1e3, weapons.size(), plain * 1e3, unfiltered / plain, filtered / plain);
}

int main(int argc, char** argv)
{
    KeepFreedMemory();  // as the program does
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true);  // never the player's own settings or session
    QFile::remove(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) + "/settings.ini");
    std::setlocale(LC_NUMERIC, "C");
    bench::LargeData data;

    QtUserInterface ui;
    TViewer viewer(ui, QString::fromStdString(data.Dir()));
    viewer.show();
    viewer.SkipStartupLoad();  // load by hand below
    QCoreApplication::processEvents();
    // The first load into the empty window: its time, and the memory it takes above the window's.
    const double empty = bench::CurrentMiB();
    const double first = bench::BestSeconds(1, [&] { viewer.Events().Run([&] { viewer.LoadClick(); }); });
    const double above = bench::PeakMiB() - empty;
    // Then, turn about from the same state (the window emptied, painted empty and the load before
    // freed, off the clock: neither is loading), the domain load alone into fresh lists and the
    // window's load.
    double window = 1e300, domain = 1e300;
    for (int run = 0; run < 7; ++run) {
        viewer.ClearLists();
        viewer.FinishFreeing();
        QCoreApplication::processEvents();
        domain = std::min(domain, bench::BestLoadSeconds(
                                      1, [&](SpellList& s, ItemList& i) { LoadRecords(data.Dir(), s, i, nullptr); }));
        window = std::min(window, bench::BestSeconds(1, [&] { viewer.Events().Run([&] { viewer.LoadClick(); }); }));
    }
    const auto page = [&](const char* name) { return dynamic_cast<ListPage*>(viewer.findChild<QWidget*>(name)); };
    ListPage& armour = *page("TabSheet1");
    std::printf("armour %d, weapons %d, other %d, spells %d rows\n", armour.Rows().rowCount(),
                page("TabSheet2")->Rows().rowCount(), page("Other")->Rows().rowCount(),
                page("TabSheet4")->Rows().rowCount());
    const double fileMiB = data.MegaBytes() * 1e6 / (1024.0 * 1024.0);
    std::printf("domain load alone:                %8.1f ms\n", domain * 1e3);
    std::printf("window load, lists filled+sorted: %8.1f ms  (ratio %.2f)\n", window * 1e3, window / domain);
    const double python = data.PythonSplitSeconds();
    if (python > 0)
        std::printf("first load into the empty window: %8.1f ms  (%.2fx Python's csv.reader split, %.1f ms)\n",
                    first * 1e3, first / python, python * 1e3);
    else
        std::printf("first load into the empty window: %8.1f ms\n", first * 1e3);
    std::printf("memory: empty window %.1f MiB; the first load's peak %.1f MiB above it, %.2fx the %.1f MiB of files\n",
                empty, above, above / fileMiB, fileMiB);

    std::printf("\narmour header clicks (%d rows), best of 6 each:\n", armour.Rows().rowCount());
    std::printf("%-14s %10s %12s %7s\n", "column", "click ms", "std::sort ms", "ratio");
    const auto& columns = armour.Rows().ColumnDefs();
    for (int c = 0; c < static_cast<int>(columns.size()); ++c) {
        armour.ColumnClick(c);  // make c the sort column; the timed clicks then alternate direction
        double click = 1e300, plain = 1e300;
        for (int run = 0; run < 6; ++run) {
            // The plain sort gets the same rows in the same order, with the state the click will set.
            std::vector<ListRow> rows = armour.Rows().Rows();
            const SortState state{c, !armour.Sorted().Descending};
            click = std::min(click, bench::BestSeconds(1, [&] { armour.ColumnClick(c); }));
            plain = std::min(plain, bench::BestSeconds(1, [&] {
                                 std::sort(rows.begin(), rows.end(), [&](const ListRow& a, const ListRow& b) {
                                     return CompareRows(a, b, columns, state, false) < 0;
                                 });
                             }));
        }
        std::printf("%-14s %10.2f %12.2f %7.2f\n", columns[static_cast<size_t>(c)].Caption, click * 1e3, plain * 1e3,
                    click / plain);
    }
    EquipmentBench(viewer, window);
    CharacterBench(viewer);
    FilterAllBench(viewer);
    std::printf("peak memory: %.1f MiB\n", bench::PeakMiB());
    return 0;
}
