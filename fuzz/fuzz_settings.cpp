// The settings file as the program reads it at start: any bytes give either values or a notice
// with the file kept aside; the session's page, set and scales read from those values are in
// range or left out, a set read is one of the sample world's items or none, and the slot lists'
// character reads or is left out.
#include "FuzzUtil.h"
#include "app/common/Bytes.h"
#include "app/session/Session.h"
#include "app/session/Settings.h"
#include "app/session/SettingsKeys.h"
#include "equipment/Scale.h"
#include "equipment/SetFile.h"

#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>

using namespace vantor;

// The program reads its settings with its application running, as here: Qt builds what a value
// names (a picture, a cursor ...) only with one.
extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    QTemporaryDir dir;
    const QString path = dir.path() + "/settings.ini";
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly)) return 0;
        file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    }
    SettingsStore settings(path);
    settings.Load();
    fuzz::Require(settings.Notice().isEmpty() == settings.Summary().isEmpty(), "a notice and its summary");
    const auto page = SavedPage(settings, 8);
    fuzz::Require(!page || (*page >= 0 && *page < 8), "a page within the window's");
    const std::vector<std::string> lines = SavedSet(settings);
    fuzz::Require(lines.empty() || HoldsSetLines(lines), "a set that holds set lines, or none");
    const FileSet set = ReadFileSet(lines, fuzz::SampleData().Items);
    for (size_t s = 0; s < set.Chosen.size(); ++s)
        fuzz::Require(!set.Chosen[s] || SlotReceives(static_cast<Slot>(s), *set.Chosen[s]), "an item its slot takes");
    // The controls and the slot lists' character of the session: texts, and a character whose
    // level reads, or left out.
    QStringList unread;
    if (const auto character = SavedCharacter(settings, keys::SlotsFor(), unread)) character->Level();
    if (const auto states = SavedStates(settings, keys::Controls(), unread))
        fuzz::Require(!states->contains("kept"), "the group's mark is no control");
    for (const QString& entry : keys::Scales().Entries(settings)) {
        std::string error;
        const auto scale = ReadScaleText(ToBytes(keys::Scales().Text(entry, 1 << 16).Read(settings)), error);
        fuzz::Require(scale.has_value() == error.empty(), "a scale or a reason");
    }
    return 0;
}
