#pragma once
// The player's settings file at the standard configuration location: read whole at start, written
// whole and atomically. A file that is damaged, unreadable, from a later version or of another
// program is never overwritten: it is kept aside under another name, the program goes on with
// the defaults, and a one-line notice says so.

#include <QMap>
#include <QString>
#include <QVariant>

namespace vantor {

class SettingsStore {
public:
    // The file of the standard location (with QStandardPaths' test mode, a scratch one).
    SettingsStore();
    explicit SettingsStore(const QString& path);

    const QString& Path() const { return path_; }
    // Reads the file; what it holds is then in Value. A file that cannot be used is moved aside.
    void Load();
    // A notice for the player from the last Load (empty: none), whole with the file's names, and
    // in short for the status line. SetAside gives one for a value that does not read, and moves
    // the file aside too; the values that read are kept, and saved anew.
    const QString& Notice() const { return notice_; }
    const QString& Summary() const { return summary_; }
    void SetAside(const QString& why);

    // Writes every value, in place of the file once whole; false, with why, when it cannot.
    bool Save(QString& error);

private:
    // The values, reached only through the typed keys.
    friend struct TextKey;
    friend struct NumberKey;
    friend struct GroupKey;
    QVariant Value(const QString& key) const { return values_.value(key); }
    QStringList Keys(const QString& group) const;
    void SetValue(const QString& key, const QVariant& value) { values_[key] = value; }
    void RemoveGroup(const QString& group);
    void RemoveValue(const QString& key) { values_.remove(key); }

    void KeepAside(const QString& why);
    // Brings the values of a file of an earlier version up to this one's, a version at a time.
    void Migrate(int from);

    QString path_;
    QMap<QString, QVariant> values_;
    QString notice_, summary_;
};

}  // namespace vantor
