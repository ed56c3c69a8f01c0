#include "app/UserInterface.h"
#include "app/Viewer.h"
#include "lists/LoadRecords.h"

#include <QApplication>
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
    vantor::QtUserInterface ui;
    vantor::TViewer Viewer(ui);
    Viewer.show();
    return app.exec();
}
