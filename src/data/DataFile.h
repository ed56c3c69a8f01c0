#pragma once
// Finding and reading the data files beside the program.

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <future>
#include <string>
#include <string_view>

namespace vantor {

// Called before each line is read, so that the window can keep itself painted.
using Pump = std::function<void()>;

// Waits for work done on another thread, calling pump meanwhile (when there is one).
template <class Future>
void WaitFor(const Future& work, const Pump& pump)
{
    while (work.wait_for(std::chrono::milliseconds(5)) != std::future_status::ready)
        if (pump) pump();
}

// The path of dir + name when that file exists: the exact name first, otherwise the first
// directory entry (in name order) that matches the name without regard to ASCII letter case.
// Empty when there is no such file.
std::string FindDataFile(const std::string& dir, const std::string& name);

// Whether dir holds any of the data files (the item export or either spell export).
bool HoldsDataFiles(const std::string& dir);

// The folder the data files are read from: the program's own when it holds any of them (a player
// who keeps the files beside the program sees no change), otherwise the player's data folder.
std::string ChooseDataDir(const std::string& programDir, const std::string& playerDir);

// Hands each line of text to readLine, as ReadLines does, and returns how many lines there were.
// A conversion error raised by readLine is given the 1-based number of its line within text.
long long ForEachLine(std::string_view text, const Pump& pump, const std::function<void(std::string_view)>& readLine);

// The size of the pieces data files are read in: small enough to stay in the cache while read.
constexpr size_t kPieceBytes = size_t{128} * 1024;

// A file read in pieces of whole lines, each piece by whichever thread takes it, so that no
// more than a piece a thread is in memory at once.
class LinePieces {
public:
    // Opens the file at path and cuts it into pieces of about pieceBytes bytes: piece k holds
    // the lines that start in its bytes. Throws EInOutError when the file cannot be opened.
    LinePieces(const std::string& path, size_t pieceBytes);
    ~LinePieces();
    LinePieces(const LinePieces&) = delete;
    LinePieces& operator=(const LinePieces&) = delete;

    size_t Count() const { return count_; }
    // The lines of piece k (the last may run on past the piece's bytes), read into buffer.
    // Throws EInOutError when the file cannot be read.
    std::string_view Read(size_t k, std::string& buffer) const;

private:
    // Reads up to n bytes at offset onto the end of buffer; fewer only at the end of the file.
    size_t ReadAt(uint64_t offset, size_t n, std::string& buffer) const;

    std::string path_;
    int fd_ = -1;
    uint64_t size_ = 0;
    size_t pieceBytes_ = 1;
    size_t count_ = 0;
};

// Reads the file at path line by line, a piece at a time, and hands each line to readLine. Lines
// end in LF or CR LF; a last line without a line end is still a line; nothing is read after a
// final line end.
// A conversion error raised by readLine is given the file name and the 1-based line number.
// Throws EInOutError when the file cannot be opened or read.
void ReadLines(const std::string& path, const Pump& pump, const std::function<void(std::string_view)>& readLine);

}  // namespace vantor
