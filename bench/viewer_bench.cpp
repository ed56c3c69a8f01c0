// The window on 100,000 items and 20,000 spells: the time from the start of the load to every
// list filled and sorted, beside the domain load alone; and a header click on each column of the
// armour list beside a plain std::sort of the same rows with the same comparison.
#include "BenchUtil.h"

#include "app/UserInterface.h"
#include "app/Viewer.h"
#include "lists/LoadRecords.h"

#include <QApplication>
#include <QEvent>

#include <algorithm>
#include <clocale>

using namespace vantor;

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    bench::LargeData data;

    const double domain = bench::BestSeconds(3, [&] {
        SpellList s;
        ItemList i;
        LoadRecords(data.Dir(), s, i, nullptr);
    });
    QtUserInterface ui;
    TViewer viewer(ui, QString::fromStdString(data.Dir()));
    viewer.show();
    viewer.FirstActivation = false;  // load by hand below
    const double window = bench::BestSeconds(3, [&] { viewer.Events().Run([&] { viewer.LoadClick(); }); });
    std::printf("armour %d, weapons %d, other %d, spells %d rows\n", viewer.ArmorRows->rowCount(),
                viewer.WeaponRows->rowCount(), viewer.OtherRows->rowCount(), viewer.SpellRows->rowCount());
    std::printf("domain load alone:              %8.1f ms\n", domain * 1e3);
    std::printf("window load, lists filled+sorted: %6.1f ms  (ratio %.2f)\n", window * 1e3, window / domain);

    std::printf("\narmour header clicks (%d rows), best of 6 each:\n", viewer.ArmorRows->rowCount());
    std::printf("%-14s %10s %12s %7s\n", "column", "click ms", "std::sort ms", "ratio");
    const auto& columns = viewer.ArmorRows->ColumnDefs();
    for (int c = 0; c < static_cast<int>(columns.size()); ++c) {
        viewer.lstArmorColumnClick(c);  // make c the sort column; the timed clicks then alternate direction
        double click = 1e300, plain = 1e300;
        for (int run = 0; run < 6; ++run) {
            // The plain sort gets the same rows in the same order, with the state the click will set.
            std::vector<ListRow> rows = viewer.ArmorRows->Rows();
            const SortState state{c, !viewer.ArmorSortDescending};
            click = std::min(click, bench::BestSeconds(1, [&] { viewer.lstArmorColumnClick(c); }));
            plain = std::min(plain, bench::BestSeconds(1, [&] {
                std::sort(rows.begin(), rows.end(), [&](const ListRow& a, const ListRow& b) {
                    return CompareRows(a, b, columns, state, false) < 0;
                });
            }));
        }
        std::printf("%-14s %10.2f %12.2f %7.2f\n", columns[static_cast<size_t>(c)].Caption, click * 1e3, plain * 1e3,
                    click / plain);
    }
    std::printf("peak memory: %.1f MiB\n", bench::PeakMiB());
    return 0;
}
