#include "app/session/Settings.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace vantor {
namespace {

constexpr int kVersion = 1;
const char* const kProgram = "vantor-viewer";

// Whether a value of the file is a serialised Qt object ("@Variant(...)", plain or quoted). The
// program keeps only texts, and Qt would build any type such a value names, so a file holding
// one is not the program's.
bool HoldsSerialisedObjects(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return false;  // QSettings then says it cannot read it
    for (QByteArray line = file.readLine(); !line.isEmpty(); line = file.readLine()) {
        const qsizetype eq = line.indexOf('=');
        if (eq < 0) continue;
        QByteArray value = line.mid(eq + 1).trimmed();
        if (value.startsWith('"')) value.remove(0, 1);
        if (value.startsWith("@Variant(")) return true;
    }
    return false;
}

}  // namespace

SettingsStore::SettingsStore()
    : SettingsStore(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) + "/settings.ini")
{}

SettingsStore::SettingsStore(const QString& path) : path_(path) {}

void SettingsStore::Load()
{
    values_.clear();
    notice_.clear();
    summary_.clear();
    const QFileInfo info(path_);
    if (!info.exists()) return;
    if (!info.isFile() || !info.isReadable()) {
        KeepAside("cannot be read");
        return;
    }
    if (info.size() == 0) return;  // nothing kept yet
    if (HoldsSerialisedObjects(path_)) {
        KeepAside("is damaged");
        return;
    }
    QSettings file(path_, QSettings::IniFormat);
    if (file.status() != QSettings::NoError) {
        KeepAside(file.status() == QSettings::AccessError ? "cannot be read" : "is damaged");
        return;
    }
    if (const QString program = file.value("format/program").toString(); program != kProgram) {
        KeepAside(program.isEmpty() ? "is damaged or not this program's" : "is not this program's");
        return;
    }
    bool number = false;
    const int version = file.value("format/version").toInt(&number);
    if (!number || version < 1) {
        KeepAside("is damaged");
        return;
    }
    if (version > kVersion) {
        KeepAside("is from a later version of the program");
        return;
    }
    for (const QString& key : file.allKeys())
        if (!key.startsWith("format/")) values_[key] = file.value(key);
    Migrate(version);
}

void SettingsStore::Migrate(int from)
{
    // Each step turns the values of version v into those of v + 1; version 1 is the first, so
    // there is no step yet.
    for (int v = from; v < kVersion; ++v) {
        switch (v) {
        default: break;
        }
    }
}

void SettingsStore::SetAside(const QString& why) { KeepAside(why); }

void SettingsStore::KeepAside(const QString& why)
{
    const QString aside = path_ + ".kept-" + QDateTime::currentDateTime().toString("yyyyMMdd-hhmmss");
    const bool moved = QFile::rename(path_, aside);
    notice_ = moved ? QString("The settings file %1 %2: it is kept as %3, and what does not read is left out.")
                          .arg(QDir::toNativeSeparators(path_), why, QDir::toNativeSeparators(aside))
                    : QString("The settings file %1 %2 and cannot be moved aside: the defaults are used, and "
                              "nothing is saved over it.")
                          .arg(QDir::toNativeSeparators(path_), why);
    summary_ = moved ? QString("The settings file %1 and is kept aside (hover here for where).").arg(why)
                     : QString("The settings file %1 and cannot be moved aside: nothing is saved over it.").arg(why);
    if (!moved) path_.clear();  // never write over a file the player may want back
}

QStringList SettingsStore::Keys(const QString& group) const
{
    QStringList keys;
    for (auto at = values_.lowerBound(group + "/"); at != values_.end() && at.key().startsWith(group + "/"); ++at)
        keys << at.key();
    return keys;
}

void SettingsStore::RemoveGroup(const QString& group)
{
    for (const QString& key : Keys(group)) values_.remove(key);
}

bool SettingsStore::Save(QString& error)
{
    if (path_.isEmpty()) {
        error = "The settings are not saved: the settings file could not be moved aside.";
        return false;
    }
    QDir().mkpath(QFileInfo(path_).absolutePath());
    QSettings file(path_, QSettings::IniFormat);
    file.clear();
    file.setValue("format/program", kProgram);
    file.setValue("format/version", kVersion);
    for (auto at = values_.begin(); at != values_.end(); ++at) file.setValue(at.key(), at.value());
    file.sync();  // written beside the old file and put in its place
    if (file.status() != QSettings::NoError) {
        error = QString("The settings cannot be saved to %1.").arg(QDir::toNativeSeparators(path_));
        return false;
    }
    return true;
}

}  // namespace vantor
