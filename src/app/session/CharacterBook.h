#pragma once
// The player's characters, kept by name in the settings: each with the items it owns and, while
// another is active, the part of the session that is its own (the controls, the lists' filters,
// the set with the character its slot lists were filled for, the active scale). The active
// character's part is the session itself. The first start has one character, "My character".

#include "data/GameData.h"

#include <QObject>
#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

class QStringListModel;

namespace vantor {

class SettingsStore;

class CharacterBook : public QObject {
    Q_OBJECT
public:
    struct Character {
        int Id = 0;  // the number it is kept under
        QString Name;
        std::vector<int32_t> Owned;  // item numbers, sorted, each once
    };

    CharacterBook(SettingsStore& settings, QObject* parent);

    // Reads the characters; one that does not read (no name, a name given twice, owned numbers
    // that do not read) is left out and the file kept aside.
    void Load();

    const std::vector<Character>& All() const { return all_; }
    size_t Active() const { return active_; }
    const Character& Current() const { return all_[active_]; }
    // The names in order, for the drop-down list.
    QStringListModel* Names() const { return names_; }

    // Why a character cannot be given this name (empty: it can); renaming: the one renamed.
    QString NameProblem(const QString& name, std::optional<size_t> renaming = std::nullopt) const;
    // A new character (its part of the session empty: the window's defaults), at the end.
    size_t Add(const QString& name, std::vector<int32_t> owned = {});
    void Rename(size_t i, const QString& name);
    // Forgets a character that is not the active one.
    void Remove(size_t i);
    // The part of the session of one character given to another, which is not the active one.
    void CopySession(size_t from, size_t to);
    // The part of the session of a character brought from a file (not the active one): its set
    // as a set file's text and its scale's name; the rest are the window's defaults.
    void KeepSession(size_t i, const QString& setText, const QString& scale);
    // The session's part is kept under the active character, and the chosen one's taken in.
    void Switch(size_t to);

    // The active character's items.
    bool Owns(int32_t number) const;
    // "Thorn owns 12 items, 1 of them not in these data (kept: ...)": the owned numbers no item of
    // items has are kept all the same, as a later export may hold them again.
    QString OwnedSummary(const ItemList& items) const;
    // Owned or not from now on, and saved at once; false, with why, when the settings cannot be
    // written (the marks hold all the same), or when the character would own more than
    // kMaxOwnedItems (nothing is marked).
    bool SetOwned(const std::vector<int32_t>& numbers, bool owned, QString& error);
    // Writes the characters into the settings and saves them; false, with why, when it cannot.
    bool Save(QString& error);

private:
    void ShowNames();
    void Keep(const Character& c);

    SettingsStore& settings_;
    std::vector<Character> all_;
    size_t active_ = 0;
    QStringListModel* names_;

signals:
    // A character added, renamed, removed or switched to.
    void Changed();
    // The active character's items, or which character is active.
    void OwnedChanged();
};

}  // namespace vantor
