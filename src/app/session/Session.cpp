#include "app/session/Session.h"

#include "app/common/Bytes.h"
#include "app/session/SettingsKeys.h"
#include "data/CodeTables.h"
#include "equipment/SetFile.h"

#include <QGuiApplication>
#include <QMainWindow>
#include <QScreen>

#include <algorithm>

namespace vantor {

void RestoreWindowPlace(QMainWindow& window, const SettingsStore& settings)
{
    if (const auto saved = keys::Geometry().Find(settings)) {
        const QByteArray geometry = QByteArray::fromBase64(saved->toLatin1());
        if (!geometry.isEmpty() && window.restoreGeometry(geometry)) return;
    }
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect room = screen->availableGeometry();
    const QSize minimum = window.minimumSize();
    // Three quarters of the screen, up to a size the lists read well at.
    const QSize size(std::max(minimum.width(), std::min(room.width() * 3 / 4, 1400)),
                     std::max(minimum.height(), std::min(room.height() * 3 / 4, 900)));
    window.resize(size);
    window.move(room.center() - QPoint(size.width() / 2, size.height() / 2));
}

std::optional<int> SavedPage(const SettingsStore& settings, int pages)
{
    const auto page = keys::Page().Find(settings);
    if (!page || *page >= pages) return std::nullopt;
    return page;
}

std::vector<std::string> SavedSet(const SettingsStore& settings)
{
    const auto saved = keys::Set().Find(settings);
    if (!saved) return {};
    std::vector<std::string> lines = SplitLines(ToBytes(*saved));
    if (!HoldsSetLines(lines)) return {};
    return lines;
}

void KeepSession(SettingsStore& settings, const QMainWindow& window, int page, const std::string& setText)
{
    keys::Geometry().Write(settings, QString::fromLatin1(window.saveGeometry().toBase64()));
    keys::Page().Write(settings, page);
    keys::Set().Write(settings, FromBytes(setText));
}

void KeepStates(SettingsStore& settings, const GroupKey& group, const std::optional<ControlStates>& states)
{
    group.Remove(settings);
    if (!states) return;
    group.Text("kept").Write(settings, "1");  // an empty set of states is states all the same
    for (auto at = states->begin(); at != states->end(); ++at) group.Text(at.key()).Write(settings, at.value());
}

std::optional<ControlStates> SavedStates(const SettingsStore& settings, const GroupKey& group, QStringList& unread)
{
    if (group.Text("kept").Find(settings) != QString("1")) return std::nullopt;
    ControlStates states;
    for (const QString& name : group.Entries(settings)) {
        if (name == "kept") continue;
        const TextKey key = group.Text(name);
        if (const auto state = key.Find(settings))
            states[name] = *state;
        else
            unread << key.Name;
    }
    return states;
}

void KeepCharacter(SettingsStore& settings, const GroupKey& group, const std::optional<Profile>& character)
{
    group.Remove(settings);
    if (!character) return;
    group.Number("class", 0, 99).Write(settings, character->ClassCode);
    group.Text("level").Write(settings, FromBytes(character->LevelText));
    group.Text("alignment")
        .Write(settings, character->Good      ? "G"
                         : character->Neutral ? "N"
                         : character->Evil    ? "E"
                                              : "-");
}

std::optional<Profile> SavedCharacter(const SettingsStore& settings, const GroupKey& group, QStringList& unread)
{
    if (!group.Holds(settings)) return std::nullopt;
    const auto code = group.Number("class", 0, 99).Find(settings);
    const auto level = group.Text("level", 64).Find(settings);
    const auto align = group.Text("alignment", 1).Find(settings);
    const auto& classes = ClassEntries();
    bool readable = code && level && align && QStringList({"G", "N", "E", "-"}).contains(*align) &&
                    std::any_of(classes.begin(), classes.end(), [&](const CodedEntry& e) { return e.Code == *code; });
    if (readable) {
        Profile character(*code, ToBytes(*level), *align == "G", *align == "N", *align == "E");
        try {
            character.Level();
            return character;
        } catch (const std::runtime_error&) {}
    }
    unread << group.Name;
    return std::nullopt;
}

}  // namespace vantor
