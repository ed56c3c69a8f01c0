#include "app/common/UserInterface.h"
#include "app/window/Viewer.h"
#include "lists/LoadRecords.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>

#include <clocale>
#include <cstring>

namespace {

void Describe(QCommandLineParser& options)
{
    QCoreApplication::setApplicationName("vantor-viewer");  // names the player's data folder
    QCoreApplication::setApplicationVersion(VANTOR_VERSION);
    options.setApplicationDescription("Browse the game's items and spells, plan equipment sets, run the calculators.");
    options.addHelpOption();
    options.addVersionOption();
    options.addPositionalArgument("set", "A set file (.kreq) to open once the data are loaded.", "[SET.kreq]");
}

// "--help" and "--version" answer on the terminal, with no display needed.
bool AsksForText(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i)
        for (const char* text : {"-h", "--help", "-?", "-help", "-v", "--version"})
            if (std::strcmp(argv[i], text) == 0) return true;
    return false;
}

}  // namespace

int main(int argc, char** argv)
{
    QCommandLineParser options;
    if (AsksForText(argc, argv)) {
        const QCoreApplication app(argc, argv);
        Describe(options);
        options.parse(QCoreApplication::arguments());
        if (options.isSet("version")) options.showVersion();
        options.showHelp();
    }
    vantor::KeepFreedMemory();
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");  // numbers are formatted by the program itself
    Describe(options);
    QApplication::setApplicationDisplayName("Vantor Viewer");
    QGuiApplication::setDesktopFileName("vantor-viewer");
    QApplication::setWindowIcon(QIcon::fromTheme("vantor-viewer"));  // found once installed
    options.process(app);
    vantor::QtUserInterface ui;
    vantor::TViewer Viewer(ui);
    if (!options.positionalArguments().isEmpty()) Viewer.OpenAtStart(options.positionalArguments().first());
    Viewer.show();
    return app.exec();
}
