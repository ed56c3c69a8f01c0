#pragma once
// Timing helpers for the benchmarks: best of several runs, peak memory, a scratch folder of
// generated data.

#include "SampleData.h"
#include "data/GameData.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace bench {

template <class F>
double BestSeconds(int runs, F&& f)
{
    double best = 1e300;
    for (int i = 0; i < runs; ++i) {
        const auto t0 = std::chrono::steady_clock::now();
        f();
        const double s = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
        if (s < best) best = s;
    }
    return best;
}

// The best time of runs of a load into fresh spell and item lists; the lists are freed after
// the clock stops, since freeing is not loading.
template <class Load>
double BestLoadSeconds(int runs, Load&& load)
{
    double best = 1e300;
    for (int i = 0; i < runs; ++i) {
        vantor::SpellList spells;
        vantor::ItemList items;
        best = std::min(best, BestSeconds(1, [&] { load(spells, items); }));
    }
    return best;
}

inline double PeakMiB()
{
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return u.ru_maxrss / 1024.0;
}

// The memory the process holds now (resident set).
inline double CurrentMiB()
{
    long pages = 0, resident = 0;
    if (FILE* f = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(f, "%ld %ld", &pages, &resident) != 2) resident = 0;
        std::fclose(f);
    }
    return static_cast<double>(resident) * 4096 / (1024.0 * 1024.0);
}

// Generated exports of 100,000 items and 20,000 spells in a scratch folder, removed at the end.
class LargeData {
public:
    LargeData()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "vantor-bench-XXXXXX").string();
        if (!mkdtemp(pattern.data())) std::exit(1);
        dir_ = pattern;
        vantorgen::SampleSizes sizes;
        sizes.Items = 100000;
        sizes.Spells = 19000;
        sizes.ExtraSpells = 1000;
        // Written by a child process, so that the memory the writing takes is not the benchmark's.
        const pid_t child = fork();
        if (child == 0) _exit(vantorgen::WriteSampleData(dir_, sizes, 42) ? 0 : 1);
        int status = 0;
        if (child < 0 || waitpid(child, &status, 0) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
            std::exit(1);
    }
    ~LargeData() { std::filesystem::remove_all(dir_); }
    const std::string& Dir() const { return dir_; }
    double MegaBytes() const
    {
        double bytes = 0;
        for (const char* f : {"/Items.txt", "/spells.txt", "/spellsVtab0.txt"})
            bytes += static_cast<double>(std::filesystem::file_size(dir_ + f));
        return bytes / 1e6;
    }

    // Python's csv.reader only splitting the same files, best of three; 0 when python3 is missing.
    double PythonSplitSeconds() const
    {
        const std::string script = "import csv, sys, time\n"
                                   "best = 1e9\n"
                                   "for _ in range(3):\n"
                                   "    t = time.perf_counter()\n"
                                   "    for name in ('spells.txt', 'spellsVtab0.txt', 'Items.txt'):\n"
                                   "        with open(sys.argv[1] + '/' + name, newline='', encoding='latin-1') as f:\n"
                                   "            for row in csv.reader(f):\n"
                                   "                pass\n"
                                   "    best = min(best, time.perf_counter() - t)\n"
                                   "print(best)\n";
        const std::string scriptPath = dir_ + "/split.py";
        if (FILE* f = std::fopen(scriptPath.c_str(), "w")) {
            std::fputs(script.c_str(), f);
            std::fclose(f);
        }
        double python = 0;
        if (FILE* p = popen(("python3 '" + scriptPath + "' '" + dir_ + "' 2>/dev/null").c_str(), "r")) {
            if (std::fscanf(p, "%lf", &python) != 1) python = 0;
            pclose(p);
        }
        return python;
    }

private:
    std::string dir_;
};

}  // namespace bench
