#pragma once
// Equipment set files (and the other small files of the window) on disk: read whole and checked, written whole and put
// in place only then. A failure raises EInOutError naming the file as the file system does.

#include <QString>

#include <string>
#include <vector>

namespace vantor {

// The lines of the set file at path. Raises for a folder, a file too large to be a set, one that
// cannot be opened or read, or one that holds no set line.
std::vector<std::string> ReadSetFile(const QString& path);
// The bytes of the file at path; raises for a folder, a file of more than maxBytes (saying it is
// too large to be what), or one that cannot be opened or read.
std::string ReadWholeFile(const QString& path, size_t maxBytes, const QString& what);

// Writes content beside the file at path and puts it in place once it is whole.
void WriteWholeFile(const QString& path, const std::string& content);

}  // namespace vantor
