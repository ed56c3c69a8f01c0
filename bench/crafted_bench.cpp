// A crafted data folder beside a normal one of the same size: spells that end-cast spells that
// end-cast spells, ten quotes a level, down to a long name, and items that cast the top spell ten
// times. Each is loaded in a child process of its own, so that each has its own peak memory.
#include "BenchUtil.h"
#include "lists/LoadRecords.h"

#include <fstream>
#include <sys/wait.h>
#include <unistd.h>

using namespace vantor;

namespace {

std::string Line(int fields, const std::vector<std::pair<int, std::string>>& set)
{
    std::vector<std::string> f(static_cast<size_t>(fields), "0");
    for (const auto& [i, v] : set) f[static_cast<size_t>(i - 1)] = v;
    std::string out;
    for (size_t i = 0; i < f.size(); ++i) {
        if (i) out += ',';
        out += f[i];
    }
    return out + "\n";
}

// groups of five spells (four quoting levels and a 2000-letter name) and ten items each.
void WriteCrafted(const std::string& dir, int groups)
{
    std::ofstream spells(dir + "/spells.txt"), items(dir + "/Items.txt");
    for (int g = 0; g < groups; ++g) {
        const int base = g * 5 + 1;
        for (int n = base; n < base + 4; ++n) {
            std::vector<std::pair<int, std::string>> f = {{1, std::to_string(n)},
                                                          {2, std::string(1, 'S').append(std::to_string(n))}};
            for (int slot = 0; slot < 10; ++slot) {
                f.push_back({16 + slot, std::to_string(n + 1)});  // ability values
                f.push_back({26 + slot, "151"});                  // End Cast
            }
            spells << Line(43, f);
        }
        spells << Line(43, {{1, std::to_string(base + 4)}, {2, std::string(2000, 'E')}});
        for (int i = 0; i < 10; ++i) {
            std::vector<std::pair<int, std::string>> f = {{1, std::to_string(g * 10 + i)}, {2, "Item"}};
            for (int slot = 0; slot < 10; ++slot) {
                f.push_back({6 + slot, "43"});  // Casts Spell
                f.push_back({48 + slot, std::to_string(base)});
            }
            items << Line(59, f);
        }
    }
}

double FolderBytes(const std::string& dir)
{
    double bytes = 0;
    for (const auto& e : std::filesystem::directory_iterator(dir)) bytes += static_cast<double>(e.file_size());
    return bytes;
}

// Best of three loads in a child process; its peak memory in MiB.
std::pair<double, double> LoadInChild(const std::string& dir)
{
    int pipes[2];
    if (pipe(pipes) != 0) std::exit(1);
    const pid_t child = fork();
    if (child == 0) {
        const double t = bench::BestSeconds(3, [&] {
            SpellList s;
            ItemList i;
            LoadRecords(dir, s, i, nullptr);
        });
        if (write(pipes[1], &t, sizeof t) != sizeof t) _exit(1);
        _exit(0);
    }
    double t = 0;
    if (read(pipes[0], &t, sizeof t) != sizeof t) std::exit(1);
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    close(pipes[0]);
    close(pipes[1]);
    return {t, usage.ru_maxrss / 1024.0};
}

}  // namespace

int main()
{
    const auto root = std::filesystem::temp_directory_path() / ("vantor-crafted-" + std::to_string(getpid()));
    const std::string crafted = (root / "crafted").string(), normal = (root / "normal").string();
    std::filesystem::create_directories(crafted);
    std::filesystem::create_directories(normal);
    WriteCrafted(crafted, 200);
    // A generated folder of the same size: a first guess from the usual line lengths (an item
    // line is about 200 bytes, a spell line 150), then scaled by what the guess weighed.
    const double bytes = FolderBytes(crafted);
    vantorgen::SampleSizes sizes;
    sizes.ExtraSpells = 0;
    sizes.Items = static_cast<int>(bytes * 0.7 / 200);
    sizes.Spells = static_cast<int>(bytes * 0.3 / 150);
    if (!vantorgen::WriteSampleData(normal, sizes, 7)) return 1;
    const double scale = bytes / FolderBytes(normal);
    sizes.Items = static_cast<int>(sizes.Items * scale);
    sizes.Spells = static_cast<int>(sizes.Spells * scale);
    if (!vantorgen::WriteSampleData(normal, sizes, 7)) return 1;
    const auto [normalTime, normalPeak] = LoadInChild(normal);
    const auto [craftedTime, craftedPeak] = LoadInChild(crafted);
    std::printf("normal folder  %7.1f KB: %8.2f ms, peak %6.1f MiB\n", FolderBytes(normal) / 1e3, normalTime * 1e3,
                normalPeak);
    std::printf("crafted folder %7.1f KB: %8.2f ms, peak %6.1f MiB (time ratio %.2f, memory ratio %.2f)\n", bytes / 1e3,
                craftedTime * 1e3, craftedPeak, craftedTime / normalTime, craftedPeak / normalPeak);
    std::filesystem::remove_all(root);
    return 0;
}
