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

// Reads the file at path line by line and hands each line to readLine. Lines end in LF or CR LF;
// a last line without a line end is still a line; nothing is read after a final line end.
// A conversion error raised by readLine is given the file name and the 1-based line number.
// Throws EInOutError when the file cannot be opened or read.
void ReadLines(const std::string& path, const Pump& pump,
               const std::function<void(std::string_view)>& readLine);

}  // namespace vantor
