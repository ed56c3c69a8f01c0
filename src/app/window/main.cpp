#include "app/common/UserInterface.h"
#include "app/window/Viewer.h"
#include "lists/LoadRecords.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>

#include <clocale>

int main(int argc, char** argv)
{
    vantor::KeepFreedMemory();
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");                    // numbers are formatted by the program itself
    QApplication::setApplicationName("vantor-viewer");  // names the player's data folder
    QApplication::setApplicationDisplayName("Vantor Viewer");
    QGuiApplication::setDesktopFileName("vantor-viewer");
    QApplication::setWindowIcon(QIcon::fromTheme("vantor-viewer"));  // found once installed
    QCommandLineParser options;
    options.setApplicationDescription("Browse the game's items and spells, plan equipment sets, run the calculators.");
    options.addHelpOption();
    options.addPositionalArgument("set", "A set file (.kreq) to open once the data are loaded.", "[SET.kreq]");
    options.process(app);
    vantor::QtUserInterface ui;
    vantor::TViewer Viewer(ui);
    if (!options.positionalArguments().isEmpty()) Viewer.OpenAtStart(options.positionalArguments().first());
    Viewer.show();
    return app.exec();
}
