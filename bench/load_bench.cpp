// The load of the domain (both spell files, every spell's texts, the item file with its ability
// texts) on 100,000 items and 20,000 spells, beside a floor measured in the same run: reading the
// same bytes and splitting them into lines and fields (where each field ends) without converting
// anything, and Python's csv.reader only splitting the same files. Best of nine.
#include "BenchUtil.h"
#include "data/DataFile.h"
#include "data/Fields.h"
#include "lists/LoadRecords.h"

#include <cstdio>

using namespace vantor;

int main()
{
    KeepFreedMemory();  // as the program does
    bench::LargeData data;
    const double mb = data.MegaBytes();
    size_t sink = 0;
    const double floor = bench::BestSeconds(9, [&] {
        for (const char* f : {"spells.txt", "spellsVtab0.txt", "Items.txt"}) {
            ReadLines(FindDataFile(data.Dir(), f), nullptr, [&](std::string_view line) {
                const LineFields fields(line);
                sink += fields.size();
            });
        }
    });
    size_t items = 0, spells = 0;
    const double pipeline = bench::BestLoadSeconds(9, [&](SpellList& s, ItemList& i) {
        LoadRecords(data.Dir(), s, i, nullptr);
        items = i.size();
        spells = s.size();
    });
    std::printf("data: %zu items, %zu spells, %.1f MB\n", items, spells, mb);
    std::printf("floor (read + split):   %8.1f ms  %7.1f MB/s\n", floor * 1e3, mb / floor);
    std::printf("load pipeline:          %8.1f ms  %7.1f MB/s\n", pipeline * 1e3, mb / pipeline);
    std::printf("ratio pipeline / floor: %8.2f\n", pipeline / floor);
    std::printf("peak memory:            %8.1f MiB\n", bench::PeakMiB());

    // Python's csv.reader only splitting the same files, in the same run.
    const double python = data.PythonSplitSeconds();
    if (python > 0)
        std::printf("python csv.reader split: %7.1f ms; load pipeline %.2fx faster\n", python * 1e3, python / pipeline);
    else
        std::printf("python3 is missing: no comparison with csv.reader\n");
    return sink == 0;
}
