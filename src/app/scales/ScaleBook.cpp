#include "app/scales/ScaleBook.h"

#include "app/common/Bytes.h"
#include "app/session/Settings.h"
#include "app/session/SettingsKeys.h"

#include <QStringListModel>

#include <algorithm>

namespace vantor {

ScaleBook::ScaleBook(SettingsStore& settings, QObject* parent)
    : QObject(parent), settings_(settings), names_(new QStringListModel(this))
{
    Rebuild({}, BuiltInScales()[0].Name);
}

void ScaleBook::Load()
{
    std::vector<Scale> players;
    QString bad;  // why a scale is left out
    for (const QString& entry : keys::Scales().Entries(settings_)) {
        if (!entry.endsWith("/text")) continue;
        std::string error;
        const auto scale = ReadScaleText(ToBytes(keys::Scales().Text(entry, 1 << 16).Read(settings_)), error);
        if (!scale || Find(scale->Name) >= 0 ||
            std::any_of(players.begin(), players.end(), [&](const Scale& s) { return s.Name == scale->Name; })) {
            // Left out; the others stay, and the file as it was is kept aside.
            bad = scale ? "holds two scales of one name" : "holds a scale that does not read";
            keys::Scales().Group(entry.chopped(5)).Remove(settings_);
            continue;
        }
        players.push_back(*scale);
    }
    if (!bad.isEmpty()) settings_.SetAside(bad);
    Rebuild(std::move(players), ToBytes(keys::ActiveScale().Read(settings_)));
}

int ScaleBook::Find(const std::string& name) const
{
    for (size_t i = 0; i < all_.size(); ++i)
        if (all_[i].Name == name) return static_cast<int>(i);
    return -1;
}

// active by value: it may name a scale of all_, which this replaces.
void ScaleBook::Rebuild(std::vector<Scale> players, std::string active)  // NOLINT(performance-unnecessary-value-param)
{
    std::sort(players.begin(), players.end(), [](const Scale& a, const Scale& b) { return a.Name < b.Name; });
    all_ = BuiltInScales();
    all_.insert(all_.end(), players.begin(), players.end());
    const int at = Find(active);
    active_ = at < 0 ? 0 : static_cast<size_t>(at);
    QStringList names;
    for (const Scale& s : all_) names << FromBytes(s.Name);
    names_->setStringList(names);
    emit Changed();
}

bool ScaleBook::SetActive(size_t i, QString& error)
{
    if (i >= all_.size() || i == active_) return true;
    active_ = i;
    emit Changed();
    return Save(error);
}

bool ScaleBook::SetPlayerScales(std::vector<Scale> scales, const std::string& active, QString& error)
{
    Rebuild(std::move(scales), active);
    return Save(error);
}

void ScaleBook::TakeKeptActive()
{
    const int at = Find(ToBytes(keys::ActiveScale().Read(settings_)));
    if (at >= 0 && static_cast<size_t>(at) != active_) {
        active_ = static_cast<size_t>(at);
        emit Changed();
    }
    keys::ActiveScale().Write(settings_, FromBytes(ActiveScale().Name));
}

std::string ScaleBook::Adopt(const Scale& scale, QString& error)
{
    Scale adopted = scale;
    for (int n = 2;; ++n) {
        const int at = Find(adopted.Name);
        if (at >= 0 && ScaleText(all_[static_cast<size_t>(at)]) == ScaleText(adopted)) return adopted.Name;
        if (at < 0) break;
        adopted.Name = scale.Name + " (" + std::to_string(n) + ")";
    }
    std::vector<Scale> players(all_.begin() + static_cast<std::ptrdiff_t>(BuiltInScales().size()), all_.end());
    players.push_back(adopted);
    SetPlayerScales(std::move(players), ActiveScale().Name, error);
    return adopted.Name;
}

bool ScaleBook::Save(QString& error)
{
    keys::Scales().Remove(settings_);
    for (size_t i = BuiltInScales().size(); i < all_.size(); ++i)
        keys::Scales()
            .Text(QString("%1/text").arg(i - BuiltInScales().size() + 1), 1 << 16)
            .Write(settings_, FromBytes(ScaleText(all_[i])));
    keys::ActiveScale().Write(settings_, FromBytes(ActiveScale().Name));
    return settings_.Save(error);
}

}  // namespace vantor
