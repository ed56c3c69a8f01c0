#include "app/equipment/SetFileIO.h"

#include "data/Errors.h"
#include "equipment/SetFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace vantor {
namespace {

// A file error naming the file as the file system does.
[[noreturn]] void FileError(const char* what, const QString& path, const QString& why)
{
    throw EInOutError(QFile::encodeName(QString("%1 \"%2\". %3").arg(what, path, why)).toStdString());
}

}  // namespace

std::vector<std::string> ReadSetFile(const QString& path)
{
    const QFileInfo info(path);
    if (info.isDir()) FileError("Cannot open file", path, "It is a folder.");
    if (info.size() > static_cast<qint64>(kMaxSetFileBytes))
        FileError("Cannot load file", path, "It is too large to be an equipment set.");
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) FileError("Cannot open file", path, file.errorString());
    const QByteArray bytes = file.read(static_cast<qint64>(kMaxSetFileBytes) + 1);
    if (file.error() != QFileDevice::NoError) FileError("Cannot read file", path, file.errorString());
    std::vector<std::string> lines = SplitLines(std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
    if (!HoldsSetLines(lines)) FileError("Cannot load file", path, "It is not an equipment set.");
    return lines;
}

void WriteSetFile(const QString& path, const std::string& content)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) FileError("Cannot create file", path, file.errorString());
    if (file.write(content.data(), static_cast<qint64>(content.size())) != static_cast<qint64>(content.size()) ||
        !file.commit())
        FileError("Cannot write file", path, file.errorString());
}

}  // namespace vantor
