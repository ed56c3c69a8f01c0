#include "data/DataFile.h"

#include "data/Errors.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <vector>

namespace vantor {
namespace fs = std::filesystem;

static bool SameIgnoringAsciiCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (x >= 'A' && x <= 'Z') x = static_cast<char>(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z') y = static_cast<char>(y - 'A' + 'a');
        if (x != y) return false;
    }
    return true;
}

std::string FindDataFile(const std::string& dir, const std::string& name)
{
    std::error_code ec;
    const fs::path exact = fs::path(dir) / name;
    if (fs::is_regular_file(exact, ec)) return exact.string();
    std::vector<std::string> matches;
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string entry = it->path().filename().string();
        if (SameIgnoringAsciiCase(entry, name) && fs::is_regular_file(it->path(), ec))
            matches.push_back(it->path().string());
    }
    if (matches.empty()) return {};
    return *std::min_element(matches.begin(), matches.end());
}

bool HoldsDataFiles(const std::string& dir)
{
    for (const char* name : {"Items.txt", "Itemsnew.txt", "spells.txt", "spellsVtab0.txt"})
        if (!FindDataFile(dir, name).empty()) return true;
    return false;
}

std::string ChooseDataDir(const std::string& programDir, const std::string& playerDir)
{
    return HoldsDataFiles(programDir) ? programDir : playerDir;
}

namespace {

// A file's bytes, read into room for the whole file at once (left uninitialised), so that a large
// file is neither copied as it grows nor cleared before it is read.
struct FileBytes {
    std::unique_ptr<char[]> Data;
    size_t Size = 0;
};

FileBytes ReadWholeFile(const std::string& path)
{
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) throw EInOutError("Cannot open file \"" + path + "\". " + std::strerror(errno));
    std::error_code ec;
    const auto size = fs::file_size(path, ec);
    size_t room = ec ? size_t{1} << 16 : static_cast<size_t>(size) + 1;  // one more: the end shows
    FileBytes bytes{std::make_unique_for_overwrite<char[]>(room), 0};
    size_t n;
    while ((n = std::fread(bytes.Data.get() + bytes.Size, 1, room - bytes.Size, f)) > 0) {
        bytes.Size += n;
        if (bytes.Size < room) continue;
        // The file grew since its size was taken: read on into twice the room.
        auto more = std::make_unique_for_overwrite<char[]>(room * 2);
        std::memcpy(more.get(), bytes.Data.get(), bytes.Size);
        bytes.Data = std::move(more);
        room *= 2;
    }
    const bool failed = std::ferror(f) != 0;
    const int err = errno;
    std::fclose(f);
    if (failed) throw EInOutError("Cannot read file \"" + path + "\". " + std::strerror(err));
    return bytes;
}

}  // namespace

void ReadLines(const std::string& path, const Pump& pump,
               const std::function<void(std::string_view)>& readLine)
{
    const FileBytes content = ReadWholeFile(path);
    const std::string_view all(content.Data.get(), content.Size);
    size_t pos = 0;
    long long lineNumber = 0;
    while (pos < all.size()) {
        if (pump) pump();
        size_t end = all.find('\n', pos);
        const size_t next = end == std::string_view::npos ? all.size() : end + 1;
        if (end == std::string_view::npos) end = all.size();
        std::string_view line = all.substr(pos, end - pos);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        ++lineNumber;
        try {
            readLine(line);
        } catch (EConvertError& e) {
            e.File = fs::path(path).filename().string();
            e.Line = lineNumber;
            throw;
        }
        pos = next;
    }
}

}  // namespace vantor
