#pragma once
// Equipment set files on disk: read whole and checked, written whole and put in place only then.
// A failure raises EInOutError naming the file as the file system does.

#include <QString>

#include <string>
#include <vector>

namespace vantor {

// The lines of the set file at path. Raises for a folder, a file too large to be a set, one that
// cannot be opened or read, or one that holds no set line.
std::vector<std::string> ReadSetFile(const QString& path);

// Writes content beside the file at path and puts it in place once it is whole.
void WriteSetFile(const QString& path, const std::string& content);

}  // namespace vantor
