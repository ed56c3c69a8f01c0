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

FileBytes::FileBytes(const std::string& path)
{
    // Room for the whole file at once, left uninitialised, so that a large file is neither
    // copied as it grows nor cleared before it is read.
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) throw EInOutError("Cannot open file \"" + path + "\". " + std::strerror(errno));
    std::error_code ec;
    const auto size = fs::file_size(path, ec);
    size_t room = ec ? size_t{1} << 16 : static_cast<size_t>(size) + 1;  // one more: the end shows
    data_ = std::make_unique_for_overwrite<char[]>(room);
    size_t n;
    while ((n = std::fread(data_.get() + size_, 1, room - size_, f)) > 0) {
        size_ += n;
        if (size_ < room) continue;
        // The file grew since its size was taken: read on into twice the room.
        auto more = std::make_unique_for_overwrite<char[]>(room * 2);
        std::memcpy(more.get(), data_.get(), size_);
        data_ = std::move(more);
        room *= 2;
    }
    const bool failed = std::ferror(f) != 0;
    const int err = errno;
    std::fclose(f);
    if (failed) throw EInOutError("Cannot read file \"" + path + "\". " + std::strerror(err));
}

long long ForEachLine(std::string_view text, const Pump& pump, const std::function<void(std::string_view)>& readLine)
{
    size_t pos = 0;
    long long lineNumber = 0;
    while (pos < text.size()) {
        if (pump) pump();
        const void* lf = std::memchr(text.data() + pos, '\n', text.size() - pos);
        const size_t end = lf ? static_cast<size_t>(static_cast<const char*>(lf) - text.data()) : text.size();
        std::string_view line = text.substr(pos, end - pos);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        ++lineNumber;
        try {
            readLine(line);
        } catch (EConvertError& e) {
            e.Line = lineNumber;
            throw;
        }
        pos = end + 1;
    }
    return lineNumber;
}

std::vector<std::string_view> CutAtLines(std::string_view text, size_t pieces)
{
    std::vector<std::string_view> parts;
    pieces = std::max<size_t>(pieces, 1);
    size_t start = 0;
    for (size_t k = 1; k <= pieces && start < text.size(); ++k) {
        size_t end = k == pieces ? text.size() : std::max(start, text.size() / pieces * k);
        if (end < text.size()) {
            const void* lf = std::memchr(text.data() + end, '\n', text.size() - end);
            end = lf ? static_cast<size_t>(static_cast<const char*>(lf) - text.data()) + 1 : text.size();
        }
        parts.push_back(text.substr(start, end - start));
        start = end;
    }
    return parts;
}

void ReadLines(const std::string& path, const Pump& pump,
               const std::function<void(std::string_view)>& readLine)
{
    const FileBytes content(path);
    try {
        ForEachLine(content.View(), pump, readLine);
    } catch (EConvertError& e) {
        e.File = fs::path(path).filename().string();
        throw;
    }
}

}  // namespace vantor
