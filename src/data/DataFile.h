#pragma once
// Finding and reading the data files beside the program.

#include <functional>
#include <string>
#include <string_view>

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

// Reads the file at path line by line and hands each line to readLine. Lines end in LF or CR LF;
// a last line without a line end is still a line; nothing is read after a final line end.
// A conversion error raised by readLine is given the file name and the 1-based line number.
// Throws EInOutError when the file cannot be opened or read.
void ReadLines(const std::string& path, const Pump& pump,
               const std::function<void(std::string_view)>& readLine);

}  // namespace vantor
