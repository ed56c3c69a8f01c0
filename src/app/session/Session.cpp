#include "app/session/Session.h"

#include "app/common/Bytes.h"
#include "data/CodeTables.h"
#include "equipment/SetFile.h"

#include <QGuiApplication>
#include <QMainWindow>
#include <QScreen>

#include <algorithm>

namespace vantor {

void RestoreWindowPlace(QMainWindow& window, const SettingsStore& settings)
{
    const QVariant saved = settings.Value("session/geometry");
    if (saved.userType() == QMetaType::QString || saved.userType() == QMetaType::QByteArray) {
        const QByteArray geometry = QByteArray::fromBase64(saved.toString().toLatin1());
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
    bool number = false;
    const int page = settings.Value("session/page").toString().toInt(&number);
    if (!number || page < 0 || page >= pages) return std::nullopt;
    return page;
}

std::vector<std::string> SavedSet(const SettingsStore& settings)
{
    const QVariant saved = settings.Value("session/set");
    if (saved.userType() != QMetaType::QString) return {};
    const std::string text = ToBytes(saved.toString());
    if (text.size() > kMaxSetFileBytes) return {};
    std::vector<std::string> lines = SplitLines(text);
    if (!HoldsSetLines(lines)) return {};
    return lines;
}

void KeepSession(SettingsStore& settings, const QMainWindow& window, int page, const std::string& setText)
{
    settings.SetValue("session/geometry", QString::fromLatin1(window.saveGeometry().toBase64()));
    settings.SetValue("session/page", QString::number(page));
    settings.SetValue("session/set", FromBytes(setText));
}

void KeepStates(SettingsStore& settings, const QString& group, const std::optional<ControlStates>& states)
{
    settings.RemoveGroup(group);
    if (!states) return;
    settings.SetValue(group + "/kept", "1");  // an empty set of states is states all the same
    for (auto at = states->begin(); at != states->end(); ++at) settings.SetValue(group + "/" + at.key(), at.value());
}

std::optional<ControlStates> SavedStates(const SettingsStore& settings, const QString& group, QStringList& unread)
{
    if (settings.Value(group + "/kept").toString() != "1") return std::nullopt;
    ControlStates states;
    for (const QString& key : settings.Keys(group)) {
        const QString name = key.mid(group.size() + 1);
        if (name == "kept") continue;
        const QVariant value = settings.Value(key);
        if (value.userType() == QMetaType::QString)
            states[name] = value.toString();
        else
            unread << key;
    }
    return states;
}

void KeepCharacter(SettingsStore& settings, const QString& group, const std::optional<Profile>& character)
{
    settings.RemoveGroup(group);
    if (!character) return;
    settings.SetValue(group + "/class", QString::number(character->ClassCode));
    settings.SetValue(group + "/level", FromBytes(character->LevelText));
    settings.SetValue(group + "/alignment", character->Good      ? "G"
                                            : character->Neutral ? "N"
                                            : character->Evil    ? "E"
                                                                 : "-");
}

std::optional<Profile> SavedCharacter(const SettingsStore& settings, const QString& group, QStringList& unread)
{
    if (settings.Keys(group).isEmpty()) return std::nullopt;
    const QVariant classCode = settings.Value(group + "/class"), level = settings.Value(group + "/level"),
                   alignment = settings.Value(group + "/alignment");
    bool number = false;
    const int code = classCode.toString().toInt(&number);
    const auto& classes = ClassEntries();
    const bool known = classCode.userType() == QMetaType::QString && number &&
                       std::any_of(classes.begin(), classes.end(), [&](const CodedEntry& e) { return e.Code == code; });
    const QString align = alignment.toString();
    Profile character(code, ToBytes(level.toString()), align == "G", align == "N", align == "E");
    bool readable = known && level.userType() == QMetaType::QString && alignment.userType() == QMetaType::QString &&
                    QStringList({"G", "N", "E", "-"}).contains(align);
    try {
        if (readable) character.Level();
    } catch (const std::runtime_error&) {
        readable = false;
    }
    if (readable) return character;
    unread << group;
    return std::nullopt;
}

}  // namespace vantor
