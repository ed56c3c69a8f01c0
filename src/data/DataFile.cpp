#include "data/DataFile.h"

#include "data/Errors.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>
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

LinePieces::LinePieces(const std::string& path, size_t pieceBytes)
    : path_(path), pieceBytes_(std::max<size_t>(pieceBytes, 1))
{
    fd_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    struct stat st {};
    if (fd_ < 0 || ::fstat(fd_, &st) != 0) {
        const int err = errno;
        if (fd_ >= 0) ::close(fd_);
        throw EInOutError("Cannot open file \"" + path + "\". " + std::strerror(err));
    }
    size_ = static_cast<uint64_t>(st.st_size);
    count_ = static_cast<size_t>(size_ / pieceBytes_) + 1;  // the last piece also takes what the file grew by
}

LinePieces::~LinePieces() { ::close(fd_); }

size_t LinePieces::ReadAt(uint64_t offset, size_t n, std::string& buffer) const
{
    const size_t at = buffer.size();
    buffer.resize(at + n);
    size_t done = 0;
    while (done < n) {
        const ssize_t got = ::pread(fd_, buffer.data() + at + done, n - done, static_cast<off_t>(offset + done));
        if (got == 0) break;
        if (got < 0) {
            if (errno == EINTR) continue;
            const int err = errno;
            buffer.resize(at);
            throw EInOutError("Cannot read file \"" + path_ + "\". " + std::strerror(err));
        }
        done += static_cast<size_t>(got);
    }
    buffer.resize(at + done);
    return done;
}

std::string_view LinePieces::Read(size_t k, std::string& buffer) const
{
    buffer.clear();
    const uint64_t begin = static_cast<uint64_t>(k) * pieceBytes_;
    const bool last = k + 1 == count_;
    // From the byte before the piece, which tells whether a line starts at its first byte.
    const uint64_t from = begin == 0 ? 0 : begin - 1;
    const size_t want = static_cast<size_t>((last ? std::max(size_, begin) : begin + pieceBytes_) - from);
    const size_t got = ReadAt(from, want, buffer);
    if (last)  // on to the end of the file, however far it grew
        while (ReadAt(from + buffer.size(), size_t{1} << 16, buffer) > 0) {}
    size_t start = 0;
    if (begin > 0) {
        const size_t lf = buffer.find('\n');
        if (lf == std::string::npos || lf + 1 >= buffer.size()) return {};  // no line starts in the piece
        start = lf + 1;
    }
    if (!last && got == want && buffer.back() != '\n') {
        // The piece's last line runs on past its bytes: read on to its line end.
        for (size_t before = buffer.size(); ReadAt(from + before, size_t{1} << 16, buffer) > 0;
             before = buffer.size()) {
            const size_t lf = buffer.find('\n', before);
            if (lf != std::string::npos) {
                buffer.resize(lf + 1);
                break;
            }
        }
    }
    return std::string_view(buffer).substr(start);
}

void ReadLines(const std::string& path, const Pump& pump, const std::function<void(std::string_view)>& readLine)
{
    const LinePieces file(path, kPieceBytes);
    std::string buffer;  // one piece at a time
    long long linesBefore = 0;
    for (size_t k = 0; k < file.Count(); ++k) {
        try {
            linesBefore += ForEachLine(file.Read(k, buffer), pump, readLine);
        } catch (EConvertError& e) {
            e.File = fs::path(path).filename().string();
            e.Line += linesBefore;
            throw;
        }
    }
}

}  // namespace vantor
