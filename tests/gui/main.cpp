// Runs every test class of the window, offscreen.
#include "GuiTest.h"

#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <clocale>

int main(int argc, char** argv)
{
    // A scratch home for each run: never the player's own settings, and no other test run's.
    QTemporaryDir home;
    if (!home.isValid()) return 1;
    for (const char* name : {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME"})
        qputenv(name, QFile::encodeName(home.path() + (QByteArray(name) == "HOME" ? "" : "/" + QString(name))));
    QApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    std::setlocale(LC_NUMERIC, "C");
    QApplication::setApplicationDisplayName("Vantor Viewer");
    // VANTOR_TEST_CLASS runs one class alone (as under another locale).
    const QString only = qEnvironmentVariable("VANTOR_TEST_CLASS");
    const std::pair<const char*, int (*)(int, char**)> classes[] = {
        {"Viewer", RunViewerTest},     {"EquipmentPage", RunEquipmentPageTest},
        {"Profile", RunProfileTest},   {"Utilities", RunUtilitiesTest},
        {"BadInput", RunBadInputTest}, {"SetChanges", RunSetChangesTest},
        {"Scales", RunScalesTest},     {"Plan", RunPlanTest},
        {"Session", RunSessionTest},   {"Look", RunLookTest},
        {"Desktop", RunDesktopTest},   {"Characters", RunCharactersTest}};
    int failed = 0, ran = 0;
    for (const auto& [name, run] : classes)
        if (only.isEmpty() || only == name) {
            failed += run(argc, argv);
            ++ran;
        }
    return ran == 0 ? 1 : failed;
}
