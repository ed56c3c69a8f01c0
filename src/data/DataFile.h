#pragma once
// Finding and reading the data files beside the program.

#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace vantor {

// Called before each line is read, so that the window can keep itself painted.
using Pump = std::function<void()>;

// The path of dir + name when that file exists: the exact name first, otherwise the first
// directory entry (in name order) that matches the name without regard to ASCII letter case.
// Empty when there is no such file.
std::string FindDataFile(const std::string& dir, const std::string& name);

// Whether dir holds any of the data files (the item export or either spell export).
bool HoldsDataFiles(const std::string& dir);

// The folder the data files are read from: the program's own when it holds any of them (a player
// who keeps the files beside the program sees no change), otherwise the player's data folder.
std::string ChooseDataDir(const std::string& programDir, const std::string& playerDir);

// A file's bytes, read whole.
class FileBytes {
public:
    FileBytes() = default;
    // Throws EInOutError when the file cannot be opened or read.
    explicit FileBytes(const std::string& path);
    std::string_view View() const { return {data_.get(), size_}; }

private:
    std::unique_ptr<char[]> data_;
    size_t size_ = 0;
};

// Hands each line of text to readLine, as ReadLines does, and returns how many lines there were.
// A conversion error raised by readLine is given the 1-based number of its line within text.
long long ForEachLine(std::string_view text, const Pump& pump, const std::function<void(std::string_view)>& readLine);

// Cuts text into at most pieces parts of about equal size, each but the first starting where a
// line starts; together they are the whole of text.
std::vector<std::string_view> CutAtLines(std::string_view text, size_t pieces);

// Reads the file at path line by line and hands each line to readLine. Lines end in LF or CR LF;
// a last line without a line end is still a line; nothing is read after a final line end.
// A conversion error raised by readLine is given the file name and the 1-based line number.
// Throws EInOutError when the file cannot be opened or read.
void ReadLines(const std::string& path, const Pump& pump,
               const std::function<void(std::string_view)>& readLine);

}  // namespace vantor
