#pragma once
// Shared by the fuzz targets: the sample database loaded once, and a check that stops the run.

#include "data/GameData.h"
#include "lists/LoadRecords.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace fuzz {

// The committed sample data, so that inputs meet real spells and items.
struct Sample {
    vantor::SpellList Spells;
    vantor::ItemList Items;
    Sample() { vantor::LoadRecords(VANTOR_SAMPLE_DIR, Spells, Items, nullptr); }
};

inline Sample& SampleData()
{
    static Sample sample;
    return sample;
}

// A broken promise of the readers: report it and abort, which the fuzzer records as a crash.
inline void Require(bool holds, const char* what)
{
    if (holds) return;
    std::fprintf(stderr, "broken: %s\n", what);
    std::abort();
}

inline std::string_view View(const uint8_t* data, size_t size) { return {reinterpret_cast<const char*>(data), size}; }

}  // namespace fuzz
