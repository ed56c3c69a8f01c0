#include "app/UserInterface.h"
#include "app/Viewer.h"

#include <QApplication>

#include <clocale>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");  // numbers are formatted by the program itself
    QApplication::setApplicationName("Vantor Viewer");
    QApplication::setApplicationDisplayName("Vantor Viewer");
    vantor::QtUserInterface ui;
    vantor::TViewer Viewer(ui);
    Viewer.show();
    return app.exec();
}
