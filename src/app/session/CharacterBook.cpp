#include "app/session/CharacterBook.h"

#include "app/common/Bytes.h"
#include "app/session/Settings.h"
#include "app/session/SettingsKeys.h"
#include "equipment/CharacterFile.h"

#include <QStringListModel>

#include <algorithm>
#include <map>
#include <stdexcept>
#include <unordered_set>

namespace vantor {
namespace {

constexpr qsizetype kMaxName = 60;
constexpr qsizetype kMaxOwnedText = 12 * static_cast<qsizetype>(kMaxOwnedItems);

GroupKey CharacterKey(int id) { return keys::Characters().Group(QString::number(id)); }

// Copies the character's part of the session from one place to the other: the session's keys
// (kept: none) or the keys kept under a character (kept: its group's "kept").
void CopyPart(SettingsStore& settings, const std::optional<GroupKey>& from, const std::optional<GroupKey>& to)
{
    const auto group = [](const std::optional<GroupKey>& kept, const GroupKey& session, const char* name) {
        return kept ? kept->Group(name) : session;
    };
    const auto text = [](const std::optional<GroupKey>& kept, const TextKey& session, const char* name) {
        return kept ? kept->Text(name, session.MaxLength) : session;
    };
    for (const auto& [session, name] : {std::pair{keys::Controls(), "controls"}, std::pair{keys::Filters(), "filter"},
                                        std::pair{keys::SlotsFor(), "slots"}})
        group(from, session, name).CopyTo(settings, group(to, session, name));
    for (const auto& [session, name] : {std::pair{keys::Set(), "set"}, std::pair{keys::ActiveScale(), "scale"}})
        text(from, session, name).CopyTo(settings, text(to, session, name));
}

}  // namespace

CharacterBook::CharacterBook(SettingsStore& settings, QObject* parent)
    : QObject(parent), settings_(settings), names_(new QStringListModel(this))
{
    all_.push_back({0, "My character", {}});
    ShowNames();
}

void CharacterBook::Load()
{
    std::map<int, Character> read;
    bool bad = false;
    for (const QString& entry : keys::Characters().Entries(settings_)) {
        if (!entry.endsWith("/name")) continue;
        bool number = false;
        const int id = entry.chopped(5).toInt(&number);
        if (!number || id < 0 || entry.chopped(5) != QString::number(id)) continue;
        Character c{id, CharacterKey(id).Text("name", kMaxName).Read(settings_).trimmed(), {}};
        try {
            c.Owned = ReadOwnedNumbers(ToBytes(CharacterKey(id).Text("owned", kMaxOwnedText).Read(settings_)));
        } catch (const std::runtime_error&) {
            c.Name.clear();
        }
        const bool twice = std::any_of(read.begin(), read.end(), [&](const auto& r) {
            return r.second.Name.compare(c.Name, Qt::CaseInsensitive) == 0;
        });
        if (c.Name.isEmpty() || twice) {
            bad = true;
            CharacterKey(id).Remove(settings_);
            continue;
        }
        read[id] = std::move(c);
    }
    if (bad) settings_.SetAside("holds a character that does not read");
    if (read.empty()) return;  // the first start: "My character" holds the session
    all_.clear();
    for (auto& [id, c] : read) all_.push_back(std::move(c));
    const auto active = keys::ActiveCharacter().Find(settings_);
    const auto at =
        std::find_if(all_.begin(), all_.end(), [&](const Character& c) { return active && c.Id == *active; });
    active_ = at == all_.end() ? 0 : static_cast<size_t>(at - all_.begin());
    // The session was another character's, one that no longer reads: the first one's own part
    // comes into the session, so that leaving it later keeps that part, not the lost one's.
    if (at == all_.end() && CharacterKey(Current().Id).Group("kept").Holds(settings_)) {
        CopyPart(settings_, CharacterKey(Current().Id).Group("kept"), std::nullopt);
        CharacterKey(Current().Id).Group("kept").Remove(settings_);
    }
    ShowNames();
}

QString CharacterBook::NameProblem(const QString& name, std::optional<size_t> renaming) const
{
    const QString trimmed = name.trimmed();
    if (trimmed.isEmpty()) return "A character needs a name.";
    if (trimmed.size() > kMaxName) return QString("A character's name is at most %1 characters long.").arg(kMaxName);
    for (size_t i = 0; i < all_.size(); ++i)
        if (i != renaming && all_[i].Name.compare(trimmed, Qt::CaseInsensitive) == 0)
            return QString("There is a character called \"%1\" already.").arg(all_[i].Name);
    return {};
}

size_t CharacterBook::Add(const QString& name, std::vector<int32_t> owned)
{
    int id = 0;
    for (const Character& c : all_) id = std::max(id, c.Id + 1);
    CharacterKey(id).Remove(settings_);
    all_.push_back({id, name.trimmed(), std::move(owned)});
    ShowNames();
    emit Changed();
    return all_.size() - 1;
}

void CharacterBook::Rename(size_t i, const QString& name)
{
    all_.at(i).Name = name.trimmed();
    ShowNames();
    emit Changed();
}

void CharacterBook::Remove(size_t i)
{
    if (i == active_ || i >= all_.size()) return;
    CharacterKey(all_[i].Id).Remove(settings_);
    all_.erase(all_.begin() + static_cast<std::ptrdiff_t>(i));
    if (i < active_) --active_;
    ShowNames();
    emit Changed();
}

void CharacterBook::CopySession(size_t from, size_t to)
{
    if (to == active_) return;
    const auto place = [this](size_t i) {
        return i == active_ ? std::nullopt : std::optional(CharacterKey(all_.at(i).Id).Group("kept"));
    };
    CopyPart(settings_, place(from), place(to));
}

void CharacterBook::KeepSession(size_t i, const QString& setText, const QString& scale)
{
    if (i == active_) return;
    const GroupKey kept = CharacterKey(all_.at(i).Id).Group("kept");
    kept.Remove(settings_);
    kept.Text("set", keys::Set().MaxLength).Write(settings_, setText);
    kept.Text("scale", keys::ActiveScale().MaxLength).Write(settings_, scale);
}

void CharacterBook::Switch(size_t to)
{
    if (to == active_ || to >= all_.size()) return;
    const GroupKey leaving = CharacterKey(Current().Id).Group("kept"), coming = CharacterKey(all_[to].Id).Group("kept");
    CopyPart(settings_, std::nullopt, leaving);
    CopyPart(settings_, coming, std::nullopt);
    coming.Remove(settings_);
    active_ = to;
    emit Changed();
    emit OwnedChanged();
}

bool CharacterBook::Owns(int32_t number) const
{
    const std::vector<int32_t>& owned = Current().Owned;
    return std::binary_search(owned.begin(), owned.end(), number);
}

bool CharacterBook::SetOwned(const std::vector<int32_t>& numbers, bool owned, QString& error)
{
    std::vector<int32_t>& mine = all_[active_].Owned;
    const size_t added =
        owned
            ? static_cast<size_t>(std::count_if(numbers.begin(), numbers.end(), [this](int32_t n) { return !Owns(n); }))
            : 0;
    if (mine.size() + added > kMaxOwnedItems) {
        error = QString("A character owns at most %1 items: nothing is marked.").arg(kMaxOwnedItems);
        return false;
    }
    for (const int32_t n : numbers) {
        const auto at = std::lower_bound(mine.begin(), mine.end(), n);
        const bool held = at != mine.end() && *at == n;
        if (owned && !held)
            mine.insert(at, n);
        else if (!owned && held)
            mine.erase(at);
    }
    emit OwnedChanged();
    return Save(error);
}

QString CharacterBook::OwnedSummary(const ItemList& items) const
{
    std::unordered_set<int32_t> held;
    for (const TItem& item : items) held.insert(item.Number);
    const std::vector<int32_t>& owned = Current().Owned;
    const auto gone = std::count_if(owned.begin(), owned.end(), [&](int32_t n) { return !held.contains(n); });
    QString summary = QString("%1 owns %2 items").arg(Current().Name).arg(owned.size());
    if (gone > 0) summary += QString(", %1 of them not in these data (kept: a later export may hold them)").arg(gone);
    return summary + ".";
}

void CharacterBook::Keep(const Character& c)
{
    CharacterKey(c.Id).Text("name", kMaxName).Write(settings_, c.Name);
    CharacterKey(c.Id).Text("owned", kMaxOwnedText).Write(settings_, FromBytes(OwnedNumbersText(c.Owned)));
}

bool CharacterBook::Save(QString& error)
{
    for (const Character& c : all_) Keep(c);
    keys::ActiveCharacter().Write(settings_, Current().Id);
    return settings_.Save(error);
}

void CharacterBook::ShowNames()
{
    QStringList names;
    for (const Character& c : all_) names << c.Name;
    names_->setStringList(names);
}

}  // namespace vantor
