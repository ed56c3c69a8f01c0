// Renders the main window on the bundled sample data to PNG files, for the README:
//   vantor-screenshot OUT_DIR [DATA_DIR]
// writes OUT_DIR/screenshot.png (the armour list), OUT_DIR/menu.png (the File menu), OUT_DIR/bestset.png (the best set
// dialog with an answer for a warrior), OUT_DIR/equipment.png (that set worn), OUT_DIR/hunt.png (what that warrior,
// owning the set, would get next), OUT_DIR/compare.png (an armour piece
// beside the one worn), OUT_DIR/gains.png (the armour list by what each piece adds to that set), OUT_DIR/slots.png (a
// slot's list dropped down), OUT_DIR/upgradepath.png and OUT_DIR/strength.png (the best set at every level and what
// strength buys, for that warrior) and OUT_DIR/utilities.png (the calculators worked out for that set).
#include "app/common/UserInterface.h"
#include "app/equipment/EquipmentPage.h"
#include "app/lists/ListPage.h"
#include "app/window/Viewer.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QElapsedTimer>
#include <QFile>
#include <QFont>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTreeView>

#include <clocale>
#include <cstdio>

// Picks an entry of a drop-down list as the player does, so that its handler runs.
static void Pick(QWidget& window, const char* name, const QString& entry)
{
    auto* box = window.findChild<QComboBox*>(name);
    const int i = box->findText(entry);
    box->setCurrentIndex(i);
    emit box->activated(i);
}

// The window, and a drop-down part of it (a list's popup, a menu) drawn under below, the control
// it drops from.
static bool Save(vantor::TViewer& viewer, const QString& path, QWidget* popup = nullptr, QWidget* below = nullptr)
{
    QApplication::processEvents();
    QPixmap shot = viewer.grab();
    if (popup && below) {
        QPainter painter(&shot);
        painter.drawPixmap(below->mapTo(&viewer, QPoint(0, below->height())), popup->grab());
    }
    if (shot.save(path)) return true;
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
}

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s OUT_DIR [DATA_DIR]\n", argv[0]);
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true);  // never the player's own settings or session
    QFile::remove(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) + "/settings.ini");
    std::setlocale(LC_NUMERIC, "C");
    QApplication::setApplicationDisplayName("Vantor Viewer");
    vantor::QtUserInterface ui;
    vantor::TViewer viewer(ui, argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString());
    viewer.show();
    viewer.Events().Run([&] { viewer.FormActivate(); });
    const QString out = QString::fromLocal8Bit(argv[1]) + '/';

    // An item with something to say.
    viewer.findChild<QLineEdit*>("edtFind")->setText("Warding");
    viewer.findChild<QPushButton*>("btnFFA")->click();
    if (!Save(viewer, out + "screenshot.png")) return 1;
    // The File menu dropped down.
    auto* file = viewer.findChild<QMenu*>("menuFile");
    file->popup(QPoint());
    QApplication::processEvents();
    QMenuBar* bar = viewer.menuBar();
    auto* title = new QWidget(bar);  // where the File title stands
    title->setGeometry(bar->actionGeometry(file->menuAction()));
    const bool menu = Save(viewer, out + "menu.png", file, title);
    delete title;
    file->hide();
    if (!menu) return 1;

    // A level 40 warrior's set: the best the filtered slots offer for armour class, damage
    // resistance and accuracy within "Medium", worn.
    auto* tabs = viewer.findChild<QTabWidget*>("TDisplay");
    auto* equipment = dynamic_cast<vantor::EquipmentPage*>(viewer.findChild<QWidget*>("Equipment"));
    viewer.findChild<QLineEdit*>("edtAlvl")->setText("40");
    Pick(viewer, "cbxAClass", "Warrior");
    viewer.findChild<QPushButton*>("btnFilterAll")->click();
    tabs->setCurrentWidget(equipment);
    equipment->findChild<QPushButton*>("btnBestSet")->click();
    auto* best = viewer.findChild<QDialog*>("dlgBestSet");
    best->findChild<QLineEdit*>("edtWeightAcc")->setText("1");
    auto* search = best->findChild<QPushButton*>("btnBestSearch");
    // Waits for the answer of a search, whose button is enabled again when it is there.
    const auto answered = [](QPushButton* button) {
        QElapsedTimer waited;
        waited.start();
        while (!button->isEnabled() && waited.elapsed() < 10000)
            QApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
        QApplication::processEvents();
    };
    // Clicks a search button and waits for its answer.
    const auto searched = [&answered](QPushButton* button) {
        button->click();
        answered(button);
    };
    searched(search);
    if (!best->grab().save(out + "bestset.png")) return 1;
    best->findChild<QPushButton*>("btnBestApply")->click();
    if (!Save(viewer, out + "equipment.png")) return 1;
    // That warrior owns what it wears: which missing item would add most.
    equipment->findChild<QPushButton*>("btnMarkOwned")->click();
    equipment->findChild<QPushButton*>("btnWhatNext")->click();
    auto* hunt = viewer.findChild<QDialog*>("dlgHunt");
    answered(hunt->findChild<QPushButton*>("btnHuntSearch"));
    hunt->findChild<QComboBox*>("cbxHuntScale")->setCurrentText("Fighter: hits and damage");
    searched(hunt->findChild<QPushButton*>("btnHuntSearch"));
    if (!hunt->grab().save(out + "hunt.png")) return 1;
    hunt->close();
    // The body armour's list dropped down, with each entry's figures.
    auto* torso = equipment->findChild<QComboBox*>("cbxTorso");
    torso->showPopup();
    const bool dropped = Save(viewer, out + "slots.png", torso->view()->window(), torso);
    torso->hidePopup();
    if (!dropped) return 1;

    // The same warrior's best set at every level up to 40, against the set worn; then what more
    // strength would buy at level 40.
    equipment->findChild<QPushButton*>("btnUpgradePath")->click();
    auto* plan = viewer.findChild<QDialog*>("dlgUpgradePath");
    searched(plan->findChild<QPushButton*>("btnPathSearch"));
    if (!plan->grab().save(out + "upgradepath.png")) return 1;
    plan->findChild<QTabWidget*>("tabPlan")->setCurrentIndex(1);
    searched(plan->findChild<QPushButton*>("btnStrSearch"));
    if (!plan->grab().save(out + "strength.png")) return 1;
    plan->close();

    // The armour list by what each piece would add to that set under a fighter's scale, the best
    // first, in a wider window.
    tabs->setCurrentIndex(0);
    Pick(*equipment, "cbxScale", "Fighter: hits and damage");
    auto* armourPage = dynamic_cast<vantor::ListPage*>(viewer.findChild<QWidget*>("TabSheet1"));
    armourPage->ColumnClick(armourPage->Rows().ComputedColumn());  // the first click: the largest first
    viewer.resize(1180, 620);
    if (!Save(viewer, out + "gains.png")) return 1;
    viewer.resize(viewer.minimumSize());
    armourPage->ColumnClick(0);
    Pick(*equipment, "cbxScale", "AC and DR");

    // A torso piece of the armour list beside the one worn.
    tabs->setCurrentIndex(0);
    auto* armour = viewer.findChild<QTreeView*>("lstArmor");
    for (int r = armour->model()->rowCount() - 1; r >= 0; --r)
        if (armour->model()->index(r, 8).data().toString() == "Torso" &&
            !armour->model()->index(r, 0).data(Qt::FontRole).value<QFont>().bold())
            armour->setCurrentIndex(armour->model()->index(r, 0));
    armour->findChild<QAction*>("actCompare")->trigger();
    QApplication::processEvents();
    if (auto* compare = viewer.findChild<QDialog*>("dlgCompare")) {
        if (!compare->grab().save(out + "compare.png")) return 1;
        compare->close();
    }

    // The calculators: swings with the set's weapon, and a pasted damage summary.
    QWidget* utilities = viewer.findChild<QWidget*>("tbUtil");
    tabs->setCurrentWidget(utilities);
    utilities->findChild<QPushButton*>("btnQZSwingcal")->click();
    for (const auto& [box, text] : {std::pair{"edtUhper", "72"},
                                    {"edtUhave", "24"},
                                    {"edtUcper", "9"},
                                    {"edtUcave", "61"},
                                    {"edtUeper", "18"},
                                    {"edtUeave", "16"}})
        utilities->findChild<QLineEdit*>(box)->setText(text);
    utilities->findChild<QPushButton*>("btnTrueAve")->click();
    // A class with mana, so that the regeneration has something to say (and shows no message).
    Pick(viewer, "cbxAClass", "Mage");
    utilities->findChild<QPushButton*>("btnMRC")->click();
    if (!Save(viewer, out + "utilities.png")) return 1;

    return 0;
}
