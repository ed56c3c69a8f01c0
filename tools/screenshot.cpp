// Renders the main window on the bundled sample data to a PNG, for the README:
//   vantor-screenshot OUT.png [DATA_DIR]
#include "app/UserInterface.h"
#include "app/Viewer.h"

#include <QApplication>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QTreeView>

#include <clocale>
#include <cstdio>

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s OUT.png [DATA_DIR]\n", argv[0]);
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    QApplication::setApplicationDisplayName("Vantor Viewer");
    vantor::QtUserInterface ui;
    vantor::TViewer viewer(ui, argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString());
    viewer.show();
    viewer.Events().Run([&] { viewer.FormActivate(); });
    // Show an item with something to say.
    viewer.findChild<QLineEdit*>("edtFind")->setText("Warding");
    viewer.findChild<QPushButton*>("btnFFA")->click();
    QApplication::processEvents();
    if (!viewer.grab().save(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
