#include "app/Session.h"

#include "app/Bytes.h"
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

}  // namespace vantor
