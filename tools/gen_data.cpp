// Writes sample item and spell exports: gen_data DIR [ITEMS [SPELLS [EXTRA_SPELLS [SEED]]]]
#include "SampleData.h"

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s DIR [ITEMS [SPELLS [EXTRA_SPELLS [SEED]]]]\n", argv[0]);
        return 2;
    }
    vantorgen::SampleSizes sizes;
    if (argc > 2) sizes.Items = std::atoi(argv[2]);
    if (argc > 3) sizes.Spells = std::atoi(argv[3]);
    if (argc > 4) sizes.ExtraSpells = std::atoi(argv[4]);
    const unsigned long long seed = argc > 5 ? std::strtoull(argv[5], nullptr, 10) : 1;
    if (!vantorgen::WriteSampleData(argv[1], sizes, seed)) {
        std::fprintf(stderr, "cannot write the data files into %s\n", argv[1]);
        return 1;
    }
    return 0;
}
