#pragma once
// Every value the program keeps in the player's settings file, in one place: each key with its
// type, its limits and what stands in for it when it is missing or does not read. The store's
// values are read and written only through these keys.

#include <QString>
#include <QStringList>

#include <optional>

namespace vantor {

class SettingsStore;

// A text of at most MaxLength characters.
struct TextKey {
    QString Name;
    qsizetype MaxLength = 4096;

    // The text kept; none when there is none, it is no text, or it is too long.
    std::optional<QString> Find(const SettingsStore& store) const;
    // The same, with fallback for none; unread, when given, names the key of a value that does not read.
    QString Read(const SettingsStore& store, const QString& fallback = {}, QStringList* unread = nullptr) const;
    void Write(SettingsStore& store, const QString& value) const;
    void Remove(SettingsStore& store) const;
    // The text, when there is one, in place of what to held.
    void CopyTo(SettingsStore& store, const TextKey& to) const;
};

// A whole number from Min to Max, kept as its decimal text.
struct NumberKey {
    QString Name;
    int Min = 0, Max = 0;

    // The number kept; none when there is none or it is not a whole number within the limits.
    std::optional<int> Find(const SettingsStore& store) const;
    void Write(SettingsStore& store, int value) const;
};

// A group of keys under one name, such as one scale's or one list's.
struct GroupKey {
    QString Name;

    TextKey Text(const QString& entry, qsizetype maxLength = 4096) const { return {Name + "/" + entry, maxLength}; }
    NumberKey Number(const QString& entry, int min, int max) const { return {Name + "/" + entry, min, max}; }
    GroupKey Group(const QString& entry) const { return {Name + "/" + entry}; }
    // The names of the entries the group holds, and whether it holds any.
    QStringList Entries(const SettingsStore& store) const;
    bool Holds(const SettingsStore& store) const { return !Entries(store).isEmpty(); }
    // Forgets every entry.
    void Remove(SettingsStore& store) const;
    // Every entry that is a text, in place of what to held.
    void CopyTo(SettingsStore& store, const GroupKey& to) const;
};

namespace keys {

// The last session.
const TextKey& Geometry();   // the window's place and size, as Qt keeps it (base64)
const NumberKey& Page();     // the page shown
const TextKey& Set();        // the set with its inputs, as "Save Eq" writes it
const GroupKey& Controls();  // every control the player set, by its name
const GroupKey& Filters();   // per list: the controls its filter read when it last ran
const GroupKey& Sorts();     // per list: "column:1" sorted descending, "column:0" ascending
const GroupKey& SlotsFor();  // the character the slot lists were filled for: class, level, alignment
const GroupKey& Widths();    // per list: the widths the player gave columns, "column:width,..."
// The folder of the last set file opened or saved.
const TextKey& SetFolder();
// The set files opened or saved last, the newest first, under "0", "1" ...
const GroupKey& RecentSets();
// The player's scales, each as its text line under a number, and the active one's name.
const GroupKey& Scales();
const TextKey& ActiveScale();
// The player's characters, each under its number: "name", "owned" (item numbers), and "kept",
// the part of the session that is the character's while another is active; and the active one's
// number.
const GroupKey& Characters();
const NumberKey& ActiveCharacter();

}  // namespace keys

}  // namespace vantor
