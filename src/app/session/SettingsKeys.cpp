#include "app/session/SettingsKeys.h"

#include "app/session/Settings.h"
#include "equipment/SetFile.h"

namespace vantor {

std::optional<QString> TextKey::Find(const SettingsStore& store) const
{
    const QVariant value = store.Value(Name);
    if (value.userType() != QMetaType::QString || value.toString().size() > MaxLength) return std::nullopt;
    return value.toString();
}

QString TextKey::Read(const SettingsStore& store, const QString& fallback, QStringList* unread) const
{
    if (const auto text = Find(store)) return *text;
    if (unread && store.Value(Name).isValid()) *unread << Name;
    return fallback;
}

void TextKey::Write(SettingsStore& store, const QString& value) const { store.SetValue(Name, value); }
void TextKey::Remove(SettingsStore& store) const { store.RemoveValue(Name); }

void TextKey::CopyTo(SettingsStore& store, const TextKey& to) const
{
    if (const auto text = Find(store))
        to.Write(store, *text);
    else
        to.Remove(store);
}

std::optional<int> NumberKey::Find(const SettingsStore& store) const
{
    const QVariant value = store.Value(Name);
    bool number = false;
    const int n = value.toString().toInt(&number);
    if (value.userType() != QMetaType::QString || !number || n < Min || n > Max) return std::nullopt;
    return n;
}

void NumberKey::Write(SettingsStore& store, int value) const { store.SetValue(Name, QString::number(value)); }

QStringList GroupKey::Entries(const SettingsStore& store) const
{
    QStringList entries;
    for (const QString& key : store.Keys(Name)) entries << key.mid(Name.size() + 1);
    return entries;
}

void GroupKey::Remove(SettingsStore& store) const { store.RemoveGroup(Name); }

void GroupKey::CopyTo(SettingsStore& store, const GroupKey& to) const
{
    to.Remove(store);
    for (const QString& entry : Entries(store)) Text(entry, 1 << 24).CopyTo(store, to.Text(entry, 1 << 24));
}

namespace keys {

const TextKey& Geometry()
{
    static const TextKey key{"session/geometry", 8192};
    return key;
}
const NumberKey& Page()
{
    static const NumberKey key{"session/page", 0, 63};
    return key;
}
const TextKey& Set()
{
    static const TextKey key{"session/set", static_cast<qsizetype>(kMaxSetFileBytes)};
    return key;
}
const GroupKey& Controls()
{
    static const GroupKey key{"session/controls"};
    return key;
}
const GroupKey& Filters()
{
    static const GroupKey key{"session/filter"};
    return key;
}
const GroupKey& Sorts()
{
    static const GroupKey key{"session/sort"};
    return key;
}
const GroupKey& SlotsFor()
{
    static const GroupKey key{"session/slots"};
    return key;
}
const GroupKey& Widths()
{
    static const GroupKey key{"session/widths"};
    return key;
}
const TextKey& SetFolder()
{
    static const TextKey key{"files/setFolder", 4096};
    return key;
}
const GroupKey& RecentSets()
{
    static const GroupKey key{"files/recent"};
    return key;
}
const GroupKey& Scales()
{
    static const GroupKey key{"scales"};
    return key;
}
const TextKey& ActiveScale()
{
    static const TextKey key{"scales/active", 1024};
    return key;
}

const GroupKey& Characters()
{
    static const GroupKey key{"characters"};
    return key;
}
const NumberKey& ActiveCharacter()
{
    static const NumberKey key{"characters/active", 0, 1 << 30};
    return key;
}

}  // namespace keys

}  // namespace vantor
