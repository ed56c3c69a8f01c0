// Runs every test class of the window, offscreen.
#include "GuiTest.h"

#include <clocale>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    QApplication::setApplicationDisplayName("Vantor Viewer");
    int failed = RunViewerTest(argc, argv);
    failed += RunEquipmentPageTest(argc, argv);
    failed += RunProfileTest(argc, argv);
    failed += RunUtilitiesTest(argc, argv);
    failed += RunBadInputTest(argc, argv);
    return failed;
}
