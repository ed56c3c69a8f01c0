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

std::string ReadWholeFile(const QString& path, size_t maxBytes, const QString& what)
{
    const QFileInfo info(path);
    if (info.isDir()) FileError("Cannot open file", path, "It is a folder.");
    if (info.size() > static_cast<qint64>(maxBytes))
        FileError("Cannot load file", path, QString("It is too large to be %1.").arg(what));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) FileError("Cannot open file", path, file.errorString());
    const QByteArray bytes = file.read(static_cast<qint64>(maxBytes) + 1);
    if (file.error() != QFileDevice::NoError) FileError("Cannot read file", path, file.errorString());
    if (static_cast<size_t>(bytes.size()) > maxBytes)
        FileError("Cannot load file", path, QString("It is too large to be %1.").arg(what));
    return bytes.toStdString();
}

std::vector<std::string> ReadSetFile(const QString& path)
{
    std::vector<std::string> lines = SplitLines(ReadWholeFile(path, kMaxSetFileBytes, "an equipment set"));
    if (!HoldsSetLines(lines)) FileError("Cannot load file", path, "It is not an equipment set.");
    return lines;
}

void WriteWholeFile(const QString& path, const std::string& content)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) FileError("Cannot create file", path, file.errorString());
    if (file.write(content.data(), static_cast<qint64>(content.size())) != static_cast<qint64>(content.size()) ||
        !file.commit())
        FileError("Cannot write file", path, file.errorString());
}

}  // namespace vantor
