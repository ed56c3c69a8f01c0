// The main window, driven offscreen by its control names.
#include "GuiTest.h"
#include "app/common/Widgets.h"
#include "app/lists/ArmorPage.h"
#include "app/lists/SpellsPage.h"
#include "app/lists/WeaponsPage.h"
#include "app/window/Viewer.h"
#include "data/CodeTables.h"
#include "data/Errors.h"
#include "data/Text.h"
#include "domain/TestFiles.h"
#include "lists/LoadRecords.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTreeView>

#include <clocale>
#include <memory>

using namespace vantor;
using testfiles::Ability;
using testfiles::Fields;
using testfiles::ItemLine;
using testfiles::SpellLine;
using testfiles::TempDir;
using testfiles::operator+;

void WriteHandMadeData(const TempDir& dir)
{
    std::string items;
    const auto add = [&](const std::string& line) { items += line + "\r\n"; };
    add(ItemLine("Brass Ring", Fields{{5, "0"}, {4, "5"}, {43, "4"}, {42, "0"}, {30, "5"}} + Ability(1, 22, 5)));
    add(ItemLine("bronze helm", {{5, "0"}, {4, "20"}, {43, "2"}, {42, "9"}, {30, "25"}, {44, "3"}}));
    add(ItemLine("Amber Boots", {{5, "0"}, {4, "12"}, {43, "5"}, {42, "3"}, {30, "10"}, {3, "2"}}));
    add(ItemLine("Drifting Shard", {{5, "0"}, {43, "0"}}));
    add(ItemLine("Zephyr Cloak", {{5, "0"}, {4, "8"}, {43, "7"}, {42, "3"}}));
    add(ItemLine("Long Sword", {{5, "1"}, {28, "3"}, {29, "12"}, {47, "100"}, {41, "2"}, {4, "30"}}));
    add(ItemLine("Bowstring Blade",
                 Fields{{5, "1"}, {28, "10"}, {29, "30"}, {47, "100"}, {41, "3"}} + Ability(1, 58, 10)));
    add(ItemLine("Axe", {{5, "1"}, {28, "9"}, {29, "30"}, {47, "90"}, {41, "1"}}));
    add(ItemLine("Heavy Barrel", {{5, "5"}, {4, "9799"}}));
    add(ItemLine("Anvil", {{5, "3"}, {4, "9800"}}));
    add(ItemLine("Apple", {{5, "4"}, {4, "1"}}));
    dir.Write("Items.txt", items);
    dir.Write("spells.txt", SpellLine(12, "Fire Bolt",
                                      {{3, "50"},
                                       {4, "200"},
                                       {6, "10"},
                                       {7, "20"},
                                       {26, "1"},
                                       {42, "1"},
                                       {43, "5"},
                                       {12, "1"},
                                       {10, "1"},
                                       {14, "2"},
                                       {11, "12"}}) +
                                "\n" + SpellLine(20, "Arc Ward", {{10, "0"}, {11, "5"}}) + "\n");
    dir.Write("spellsVtab0.txt", SpellLine(30, "Gale Aura", {{10, "2"}, {11, "30"}, {37, "4"}}) + "\n");
}

namespace {

// A small hand-made database.

QString Cell(const QTreeView* list, int row, int column) { return list->model()->index(row, column).data().toString(); }

QStringList Column(const QTreeView* list, int column)
{
    QStringList out;
    for (int r = 0; r < list->model()->rowCount(); ++r) out << Cell(list, r, column);
    return out;
}

}  // namespace

class ViewerTest : public QObject {
    Q_OBJECT

    // A window on the data of dir, shown and through its first activation.
    std::unique_ptr<TViewer> Open(const QString& dir) { return OpenViewer(ui, dir); }
    template <class T>
    T* Find(TViewer& v, const char* name)
    {
        T* w = v.findChild<T*>(name);
        if (!w) qFatal("no control %s", name);
        return w;
    }

    FakeUserInterface ui;

private slots:
    void init() { ui = FakeUserInterface(); }

    void frameAndTopPanel()
    {
        TempDir dir;
        auto v = Open(QString::fromStdString(dir.Path()));
        QCOMPARE(v->windowTitle(), QString("Vantor Viewer"));
        QCOMPARE(v->minimumSize(), QSize(710, 560));
        // The first start: a size that suits the screen, never below the minimum nor past the screen.
        const QRect room = QGuiApplication::primaryScreen()->availableGeometry();
        QVERIFY(v->width() >= 710 && v->height() >= 560);
        QVERIFY(v->width() <= std::max(710, room.width()) && v->height() <= std::max(560, room.height()));
        QVERIFY(v->height() > 560);  // the offscreen screen has room to spare
        // The top panel, left to right, with captions, texts and hints.
        QCOMPARE(Find<QLabel>(*v, "lblA")->text(), QString("I am a level"));
        QCOMPARE(Find<QLineEdit>(*v, "edtAlvl")->text(), QString("65"));
        QCOMPARE(Find<QLineEdit>(*v, "edtAlvl")->toolTip(), QString("Enter your level here"));
        QCOMPARE(Find<QLineEdit>(*v, "edtStrength")->text(), QString("100"));
        QCOMPARE(Find<QLineEdit>(*v, "edtStrength")->toolTip(), QString("How much strength does your character have?"));
        QCOMPARE(Find<QLabel>(*v, "Label29")->toolTip(), QString("Put your character strength here"));
        QCOMPARE(Find<QCheckBox>(*v, "chkGood")->text(), QString("Good?"));
        QCOMPARE(Find<QCheckBox>(*v, "chkNeutral")->toolTip(), QString("Neutral items?"));
        QVERIFY(!Find<QCheckBox>(*v, "chkEvil")->isChecked());
        QCOMPARE(Find<QPushButton>(*v, "btnFilterAll")->text(), QString("Filter all"));
        QVERIFY(!Find<QPushButton>(*v, "Load")->isVisible());
        QCOMPARE(Find<QPushButton>(*v, "Exit")->text(), QString("E&xit"));
        QVERIFY(Ctl<QComboBox>(*v, "cbxAClass")->toolTip().isEmpty());
        const QWidget* order[] = {
            Ctl<QLabel>(*v, "lblA"),          Ctl<QLineEdit>(*v, "edtAlvl"),     Ctl<QComboBox>(*v, "cbxAClass"),
            Ctl<QLabel>(*v, "Label29"),       Ctl<QLineEdit>(*v, "edtStrength"), Ctl<QCheckBox>(*v, "chkGood"),
            Ctl<QCheckBox>(*v, "chkNeutral"), Ctl<QCheckBox>(*v, "chkEvil"),     Ctl<QPushButton>(*v, "btnFilterAll"),
            Ctl<QPushButton>(*v, "Exit")};
        for (size_t i = 1; i < std::size(order); ++i) QVERIFY(order[i - 1]->x() < order[i]->x());
        QVERIFY(Ctl<QPushButton>(*v, "Exit")->geometry().right() > v->width() - 20);  // kept at the right edge
        // Tab order follows the same sequence.
        QWidget* w = Ctl<QLineEdit>(*v, "edtAlvl");
        for (QWidget* next : std::initializer_list<QWidget*>{
                 Ctl<QComboBox>(*v, "cbxAClass"), Ctl<QLineEdit>(*v, "edtStrength"), Ctl<QCheckBox>(*v, "chkGood"),
                 Ctl<QCheckBox>(*v, "chkNeutral"), Ctl<QCheckBox>(*v, "chkEvil"), Ctl<QPushButton>(*v, "btnFilterAll"),
                 Ctl<QPushButton>(*v, "Exit")}) {
            do w = w->nextInFocusChain();
            while (w->focusPolicy() == Qt::NoFocus || !w->isVisible());
            QCOMPARE(w, next);
        }
        // The class list: sorted, "(any)" selected, read by code.
        QCOMPARE(Ctl<QComboBox>(*v, "cbxAClass")->count(), 16);
        QCOMPARE(Ctl<QComboBox>(*v, "cbxAClass")->currentText(), QString("(any)"));
        QCOMPARE(Ctl<QComboBox>(*v, "cbxAClass")->maxVisibleItems(), 16);
        for (int i = 2; i < Ctl<QComboBox>(*v, "cbxAClass")->count(); ++i)
            QVERIFY(Ctl<QComboBox>(*v, "cbxAClass")->itemText(i - 1) < Ctl<QComboBox>(*v, "cbxAClass")->itemText(i));
        Ctl<QComboBox>(*v, "cbxAClass")->setCurrentIndex(Ctl<QComboBox>(*v, "cbxAClass")->findText("Thief"));
        QCOMPARE(SelectedCode(*Ctl<QComboBox>(*v, "cbxAClass")), 8);
        QCOMPARE(Ctl<QComboBox>(*v, "cbxWornW")->currentText(), QString("(none)"));
        QCOMPARE(Ctl<QComboBox>(*v, "cbxMag")->currentText(), QString("(magical level)"));
        QCOMPARE(Ctl<QComboBox>(*v, "cbxMag2")->count(), 7);
        // Both set-file dialogs offer the set files.
        Ctl<QPushButton>(*v, "btnSave")->click();
        Ctl<QPushButton>(*v, "btnLoad")->click();
        QCOMPARE(ui.Filters, QStringList({"Equiment files (*.kreq)|*.kreq", "Equiment files (*.kreq)|*.kreq"}));
    }

    void pagesAndMnemonics()
    {
        TempDir dir;
        auto v = std::make_unique<TViewer>(ui, QString::fromStdString(dir.Path()));
        const QStringList captions = {"&Armor",     "&Weapons",   "&Spells",        "&Other",
                                      "&Equipment", "&Utilities", "&Mana Blessing", "&Memo"};
        QCOMPARE(Ctl<QTabWidget>(*v, "TDisplay")->count(), 8);
        for (int i = 0; i < 8; ++i) QCOMPARE(Ctl<QTabWidget>(*v, "TDisplay")->tabText(i), captions[i]);
        QCOMPARE(Ctl<QTabWidget>(*v, "TDisplay")->currentIndex(), 0);
        QVERIFY(Ctl<QTabWidget>(*v, "TDisplay")->isTabVisible(7));  // until the first load ends
        v->show();
        v->Events().Run([&] { v->FormActivate(); });
        QVERIFY(!Ctl<QTabWidget>(*v, "TDisplay")->isTabVisible(7));
        // Every tab is visible at the minimum size.
        const QTabBar* bar = Ctl<QTabWidget>(*v, "TDisplay")->tabBar();
        for (int i = 0; i < 7; ++i) QVERIFY(bar->tabRect(i).right() <= bar->width());
        QVERIFY(bar->tabRect(6).right() <= v->width());
        v->activateWindow();
        QApplication::setActiveWindow(v.get());
        QTest::keyClick(v.get(), Qt::Key_W, Qt::AltModifier);
        QCOMPARE(Ctl<QTabWidget>(*v, "TDisplay")->currentIndex(), 1);
        QTest::keyClick(v.get(), Qt::Key_A, Qt::AltModifier);
        QCOMPARE(Ctl<QTabWidget>(*v, "TDisplay")->currentIndex(), 0);
    }

    void loadsSampleDataInEveryList()
    {
        auto v = Open(VANTOR_SAMPLE_DIR);
        QVERIFY(ui.Errors.isEmpty());
        QVERIFY(!v->Data().Loading);
        SpellList spells;
        ItemList items;
        LoadRecords(VANTOR_SAMPLE_DIR, spells, items, nullptr);
        QCOMPARE(v->Data().Items.size(), items.size());
        QCOMPARE(v->Data().Spells.size(), spells.size());
        size_t armour = 0, weapons = 0, other = 0;
        for (const TItem& it : items) {
            armour += it.ItemType == 0 && it.WornSlot > 0;
            weapons += it.ItemType == 1;
            other += it.ItemType > 1 && it.Weight < 9800;
        }
        QCOMPARE(static_cast<size_t>(Ctl<QTreeView>(*v, "lstArmor")->model()->rowCount()), armour);
        QCOMPARE(static_cast<size_t>(Ctl<QTreeView>(*v, "lstWeapons")->model()->rowCount()), weapons);
        QCOMPARE(static_cast<size_t>(Ctl<QTreeView>(*v, "lstOther")->model()->rowCount()), other);
        QCOMPARE(static_cast<size_t>(Ctl<QTreeView>(*v, "lstDisplaySpell")->model()->rowCount()), spells.size());
        // Armour and weapons sorted by name, spells and other items in file order.
        const auto sortedByName = [](const QStringList& names) {
            for (int i = 1; i < names.size(); ++i)
                if (CompareText(names[i - 1].toStdString(), names[i].toStdString()) > 0) return false;
            return true;
        };
        QVERIFY(sortedByName(Column(Ctl<QTreeView>(*v, "lstArmor"), 0)));
        QVERIFY(sortedByName(Column(Ctl<QTreeView>(*v, "lstWeapons"), 0)));
        QCOMPARE(Cell(Ctl<QTreeView>(*v, "lstDisplaySpell"), 0, 0), QString::fromStdString(spells[0].Name));
        QVERIFY(!sortedByName(Column(Ctl<QTreeView>(*v, "lstDisplaySpell"), 0)));
        QCOMPARE(Ctl<QTreeView>(*v, "lstArmor")->header()->sortIndicatorSection(), 0);
        QVERIFY(QApplication::overrideCursor() == nullptr);
        QVERIFY(v->findChild<QDialog*>("frmLoad") == nullptr);
        // A second activation loads nothing.
        const TItem* first = &v->Data().Items[0];
        v->FormActivate();
        QCOMPARE(&v->Data().Items[0], first);
    }

    void cellsOfHandMadeData()
    {
        TempDir dir;
        WriteHandMadeData(dir);
        auto v = Open(QString::fromStdString(dir.Path()));
        const char dp = v->DecimalSep();
        const auto real = [dp](const char* s) { return QString(s).replace('.', QChar(dp)); };
        QCOMPARE(Column(Ctl<QTreeView>(*v, "lstArmor"), 0),
                 QStringList({"Amber Boots", "Brass Ring", "bronze helm", "Zephyr Cloak"}));
        QCOMPARE(Cell(Ctl<QTreeView>(*v, "lstArmor"), 1, 1), QString("None"));
        QCOMPARE(Cell(Ctl<QTreeView>(*v, "lstArmor"), 1, 2), real("0.5"));
        QCOMPARE(Cell(Ctl<QTreeView>(*v, "lstArmor"), 1, 5), QString(""));
        QCOMPARE(Cell(Ctl<QTreeView>(*v, "lstArmor"), 1, 8), QString("Fingers"));
        QCOMPARE(Cell(Ctl<QTreeView>(*v, "lstArmor"), 1, 10), real("     10.00"));
        QCOMPARE(Cell(Ctl<QTreeView>(*v, "lstArmor"), 2, 1), QString("Plate"));
        QCOMPARE(Cell(Ctl<QTreeView>(*v, "lstArmor"), 2, 5), QString("3"));
        QCOMPARE(Cell(Ctl<QTreeView>(*v, "lstArmor"), 0, 7), QString("2"));
        QCOMPARE(Cell(Ctl<QTreeView>(*v, "lstArmor"), 3, 10), real("   9999.00"));
        QCOMPARE(Cell(Ctl<QTreeView>(*v, "lstArmor"), 3, 6), QString(""));
        QCOMPARE(
            Ctl<QTreeView>(*v, "lstArmor")->model()->index(0, 2).data(Qt::TextAlignmentRole).value<Qt::Alignment>() &
                Qt::AlignRight,
            Qt::AlignRight);
        QCOMPARE(Ctl<QTreeView>(*v, "lstArmor")->model()->headerData(10, Qt::Horizontal).toString(),
                 QString("Enc:AC Ratio"));
        QCOMPARE(Column(Ctl<QTreeView>(*v, "lstWeapons"), 0), QStringList({"Axe", "Bowstring Blade", "Long Sword"}));
        QCOMPARE(Cell(Ctl<QTreeView>(*v, "lstWeapons"), 1, 1), QString("10-30"));
        QCOMPARE(Cell(Ctl<QTreeView>(*v, "lstWeapons"), 1, 10), real("     -5.00"));
        QCOMPARE(Cell(Ctl<QTreeView>(*v, "lstWeapons"), 2, 4), real("0/0"));
        QCOMPARE(Cell(Ctl<QTreeView>(*v, "lstWeapons"), 2, 11), QString("One-handed Edged"));
        QCOMPARE(Column(Ctl<QTreeView>(*v, "lstOther"), 0), QStringList({"Heavy Barrel", "Apple"}));
        QCOMPARE(Cell(Ctl<QTreeView>(*v, "lstOther"), 0, 3), QString("0"));
        QCOMPARE(Cell(Ctl<QTreeView>(*v, "lstOther"), 1, 4), QString("None"));
        QCOMPARE(Column(Ctl<QTreeView>(*v, "lstDisplaySpell"), 0), QStringList({"Fire Bolt", "Arc Ward", "Gale Aura"}));
        QCOMPARE(Cell(Ctl<QTreeView>(*v, "lstDisplaySpell"), 0, 2), QString("Mage 2"));
        QCOMPARE(Cell(Ctl<QTreeView>(*v, "lstDisplaySpell"), 1, 2), QString("None"));
        QCOMPARE(Cell(Ctl<QTreeView>(*v, "lstDisplaySpell"), 2, 9), QString("30"));
        QCOMPARE(Cell(Ctl<QTreeView>(*v, "lstDisplaySpell"), 0, 6), QString("Combat"));
        // Damage, damage per mana and rounds at the description's level.
        QTreeView* spells = Ctl<QTreeView>(*v, "lstDisplaySpell");
        QCOMPARE(spells->model()->headerData(10, Qt::Horizontal).toString() + "," +
                     spells->model()->headerData(11, Qt::Horizontal).toString() + "," +
                     spells->model()->headerData(12, Qt::Horizontal).toString(),
                 QString("Dmg,Dmg/Mana,Rounds"));
        const QStringList fireBolt = {Cell(spells, 0, 10), Cell(spells, 0, 11), Cell(spells, 0, 12)};
        QCOMPARE(fireBolt, QStringList({"45", real("3.75"), ""}));
        const QStringList galeAura = {Cell(spells, 2, 10), Cell(spells, 2, 11), Cell(spells, 2, 12)};
        QCOMPARE(galeAura, QStringList({"", "", "4"}));
        spells->setCurrentIndex(spells->model()->index(0, 0));
        spells->findChild<QAction*>("actCopyWithHeader")->trigger();
        QVERIFY2(ui.Clipboard.contains("\tId\tDmg\tDmg/Mana\tRounds\nFire Bolt\t") &&
                     ui.Clipboard.endsWith("\t12\t45\t" + real("3.75") + "\t"),
                 qPrintable(ui.Clipboard));
    }

    void selectionShowsTexts()
    {
        TempDir dir;
        WriteHandMadeData(dir);
        auto v = Open(QString::fromStdString(dir.Path()));
        QCOMPARE(Ctl<QPlainTextEdit>(*v, "mmAsp")->toPlainText(), QString());
        auto* sel = Ctl<QTreeView>(*v, "lstArmor")->selectionModel();
        sel->select(Ctl<QTreeView>(*v, "lstArmor")->model()->index(1, 0),
                    QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        QCOMPARE(Ctl<QPlainTextEdit>(*v, "mmAsp")->toPlainText(), QString("Accuracy +5"));
        sel->select(Ctl<QTreeView>(*v, "lstArmor")->model()->index(0, 0),
                    QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        QCOMPARE(Ctl<QPlainTextEdit>(*v, "mmAsp")->toPlainText(), QString("None"));
        // Clicking from one row to another leaves the second row's text.
        const QRect r =
            Ctl<QTreeView>(*v, "lstArmor")->visualRect(Ctl<QTreeView>(*v, "lstArmor")->model()->index(1, 0));
        QTest::mouseClick(Ctl<QTreeView>(*v, "lstArmor")->viewport(), Qt::LeftButton, {}, r.center());
        QCOMPARE(Ctl<QPlainTextEdit>(*v, "mmAsp")->toPlainText(), QString("Accuracy +5"));
        // A cleared selection shows the row that lost it.
        sel->select(Ctl<QTreeView>(*v, "lstArmor")->model()->index(2, 0),
                    QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        sel->clearSelection();
        QCOMPARE(Ctl<QPlainTextEdit>(*v, "mmAsp")->toPlainText(), QString("None"));
        auto* wsel = Ctl<QTreeView>(*v, "lstWeapons")->selectionModel();
        wsel->select(Ctl<QTreeView>(*v, "lstWeapons")->model()->index(1, 0),
                     QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        QCOMPARE(Ctl<QPlainTextEdit>(*v, "mmWsp")->toPlainText(), QString("Crits +10"));
        auto* ssel = Ctl<QTreeView>(*v, "lstDisplaySpell")->selectionModel();
        ssel->select(Ctl<QTreeView>(*v, "lstDisplaySpell")->model()->index(0, 0),
                     QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        QCOMPARE(Ctl<QPlainTextEdit>(*v, "mmSNotes")->toPlainText(),
                 QString("Damage (No AC)\nMin: 10 + level/5\n(Total:20 at level 50)\nMax: 20 + level\n"
                         "(Total:70 at level 50)\nEnergy = 200"));
        ssel->select(Ctl<QTreeView>(*v, "lstDisplaySpell")->model()->index(1, 0),
                     QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        QCOMPARE(Ctl<QPlainTextEdit>(*v, "mmSNotes")->toPlainText(), QString());
        QVERIFY(Ctl<QPlainTextEdit>(*v, "mmAsp")->isReadOnly() && Ctl<QPlainTextEdit>(*v, "mmWsp")->isReadOnly() &&
                Ctl<QPlainTextEdit>(*v, "mmSNotes")->isReadOnly());
    }

    void headerClicksSort()
    {
        TempDir dir;
        WriteHandMadeData(dir);
        auto v = Open(QString::fromStdString(dir.Path()));
        // Armour Type: ties broken by name in the same direction.
        ClickHeader(Ctl<QTreeView>(*v, "lstArmor"), 1);
        QCOMPARE(Column(Ctl<QTreeView>(*v, "lstArmor"), 0),
                 QStringList({"Amber Boots", "Zephyr Cloak", "Brass Ring", "bronze helm"}));
        ClickHeader(Ctl<QTreeView>(*v, "lstArmor"), 1);
        QCOMPARE(Ctl<QTreeView>(*v, "lstArmor")->header()->sortIndicatorOrder(), Qt::DescendingOrder);
        // The header shows the sorted column and the direction the last click chose.
        QCOMPARE(Ctl<QTreeView>(*v, "lstArmor")->header()->sortIndicatorSection(), 1);
        QCOMPARE(Ctl<QTreeView>(*v, "lstArmor")->header()->sortIndicatorOrder(), Qt::DescendingOrder);
        QCOMPARE(Column(Ctl<QTreeView>(*v, "lstArmor"), 0),
                 QStringList({"bronze helm", "Brass Ring", "Zephyr Cloak", "Amber Boots"}));
        // Another column always starts ascending; empty Acc cells count as 0.
        ClickHeader(Ctl<QTreeView>(*v, "lstArmor"), 5);
        QCOMPARE(Ctl<QTreeView>(*v, "lstArmor")->header()->sortIndicatorOrder(), Qt::AscendingOrder);
        QCOMPARE(Ctl<QTreeView>(*v, "lstArmor")->header()->sortIndicatorSection(), 5);
        QCOMPARE(Ctl<QTreeView>(*v, "lstArmor")->header()->sortIndicatorOrder(), Qt::AscendingOrder);
        QCOMPARE(Column(Ctl<QTreeView>(*v, "lstArmor"), 5), QStringList({"", "", "", "3"}));
        // Weapons by damage: the minimum decides.
        ClickHeader(Ctl<QTreeView>(*v, "lstWeapons"), 1);
        QCOMPARE(Column(Ctl<QTreeView>(*v, "lstWeapons"), 0), QStringList({"Long Sword", "Axe", "Bowstring Blade"}));
        // Spells come in file order; the first Name click sorts descending.
        ClickHeader(Ctl<QTreeView>(*v, "lstDisplaySpell"), 0);
        QCOMPARE(Column(Ctl<QTreeView>(*v, "lstDisplaySpell"), 0), QStringList({"Gale Aura", "Fire Bolt", "Arc Ward"}));
        ClickHeader(Ctl<QTreeView>(*v, "lstDisplaySpell"), 0);
        QCOMPARE(Column(Ctl<QTreeView>(*v, "lstDisplaySpell"), 0), QStringList({"Arc Ward", "Fire Bolt", "Gale Aura"}));
        ClickHeader(Ctl<QTreeView>(*v, "lstDisplaySpell"), 5);
        QCOMPARE(Column(Ctl<QTreeView>(*v, "lstDisplaySpell"), 5), QStringList({"5", "12", "30"}));
        // Damage and rounds as numbers, spells without them first when rising.
        ClickHeader(Ctl<QTreeView>(*v, "lstDisplaySpell"), 10);
        QCOMPARE(Column(Ctl<QTreeView>(*v, "lstDisplaySpell"), 0), QStringList({"Arc Ward", "Gale Aura", "Fire Bolt"}));
        ClickHeader(Ctl<QTreeView>(*v, "lstDisplaySpell"), 12);
        ClickHeader(Ctl<QTreeView>(*v, "lstDisplaySpell"), 12);
        QCOMPARE(Column(Ctl<QTreeView>(*v, "lstDisplaySpell"), 12), QStringList({"4", "", ""}));
        ClickHeader(Ctl<QTreeView>(*v, "lstOther"), 0);
        QCOMPARE(Column(Ctl<QTreeView>(*v, "lstOther"), 0), QStringList({"Heavy Barrel", "Apple"}));
        ClickHeader(Ctl<QTreeView>(*v, "lstOther"), 2);
        QCOMPARE(Column(Ctl<QTreeView>(*v, "lstOther"), 0), QStringList({"Apple", "Heavy Barrel"}));
        // The selected row stays selected through a sort.
        Ctl<QTreeView>(*v, "lstArmor")
            ->selectionModel()
            ->select(Ctl<QTreeView>(*v, "lstArmor")->model()->index(0, 0),
                     QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        const QString selected = Cell(Ctl<QTreeView>(*v, "lstArmor"), 0, 0);
        ClickHeader(Ctl<QTreeView>(*v, "lstArmor"), 0);
        ClickHeader(Ctl<QTreeView>(*v, "lstArmor"), 0);
        const QModelIndexList rows = Ctl<QTreeView>(*v, "lstArmor")->selectionModel()->selectedRows();
        QCOMPARE(rows.size(), 1);
        QCOMPARE(rows[0].data().toString(), selected);
    }

    void columnsShowWhatTheyHold()
    {
        auto v = Open(VANTOR_SAMPLE_DIR);
        Pick(Ctl<QComboBox>(*v, "cbxHead"), Ctl<QComboBox>(*v, "cbxHead")->itemText(1));  // a row in bold
        for (const QSize size : {v->minimumSize(), QSize(1300, 850)}) {
            v->resize(size);
            for (const char* name : {"lstArmor", "lstWeapons", "lstDisplaySpell", "lstOther"}) {
                QTreeView* list = Ctl<QTreeView>(*v, name);
                auto* tabs = Ctl<QTabWidget>(*v, "TDisplay");
                QWidget* page = list;
                while (page && tabs->indexOf(page) < 0) page = page->parentWidget();
                tabs->setCurrentWidget(page);
                QApplication::processEvents();
                const QAbstractItemModel* m = list->model();
                int total = 0;
                for (int c = 0; c < m->columnCount(); ++c) {
                    const int width = list->columnWidth(c);
                    total += width;
                    const QString caption = m->headerData(c, Qt::Horizontal).toString();
                    QVERIFY2(!m->headerData(c, Qt::Horizontal, Qt::ToolTipRole).toString().isEmpty(),
                             qPrintable(caption));
                    QVERIFY2(list->header()->sectionSizeHint(c) <= width, qPrintable(caption));
                    if (caption == "Special") continue;  // free text, in full in its tool tip
                    for (int r = 0; r < m->rowCount(); ++r)
                        QVERIFY2(list->sizeHintForIndex(m->index(r, c)).width() <= width,
                                 qPrintable(QString("%1 %2: %3").arg(name, caption, m->index(r, c).data().toString())));
                }
                QVERIFY2(total >= list->viewport()->width(), name);  // the room a wider window gives is used
            }
        }
    }

    void findAndNext()
    {
        TempDir dir;
        WriteHandMadeData(dir);
        auto v = Open(QString::fromStdString(dir.Path()));
        Ctl<QLineEdit>(*v, "edtFind")->setText("RING");
        Ctl<QPushButton>(*v, "btnFFA")->click();
        QCOMPARE(v->FindIndex(), 1);
        QCOMPARE(Ctl<QTreeView>(*v, "lstArmor")->selectionModel()->selectedRows().value(0).row(), 1);
        QCOMPARE(Ctl<QPlainTextEdit>(*v, "mmAsp")->toPlainText(), QString("Accuracy +5"));
        Ctl<QPushButton>(*v, "btnFind")->click();  // no further hit: nothing happens, no message
        QCOMPARE(v->FindIndex(), 1);
        QVERIFY(ui.Errors.isEmpty());
        // "Next" on the weapons tab goes on from row 2.
        Ctl<QTabWidget>(*v, "TDisplay")->setCurrentIndex(1);
        Ctl<QLineEdit>(*v, "edtFind2")->setText("o");
        Ctl<QPushButton>(*v, "btnFind2")->click();
        QCOMPARE(v->FindIndex(), 2);
        QCOMPARE(Ctl<QTreeView>(*v, "lstWeapons")->selectionModel()->selectedRows().value(0).row(), 2);
        Ctl<QPushButton>(*v, "btnFFW")->click();
        QCOMPARE(v->FindIndex(), 1);
        Ctl<QPushButton>(*v, "btnFind2")->click();
        QCOMPARE(v->FindIndex(), 2);
        // Nothing found: the error box, and the selection stays.
        Ctl<QLineEdit>(*v, "edtFind2")->setText("dragon");
        Ctl<QPushButton>(*v, "btnFFW")->click();
        QCOMPARE(ui.Errors, QStringList({"Not found."}));
        QCOMPARE(v->FindIndex(), -1);
        QCOMPARE(Ctl<QTreeView>(*v, "lstWeapons")->selectionModel()->selectedRows().value(0).row(), 2);
        Ctl<QLineEdit>(*v, "edtFind2")->clear();
        Ctl<QPushButton>(*v, "btnFFW")->click();
        QCOMPARE(ui.Errors.size(), 2);
        // Enter in the search box runs the Find of the page on show, focus stays in the box.
        Ctl<QTabWidget>(*v, "TDisplay")->setCurrentIndex(2);
        v->activateWindow();
        QApplication::setActiveWindow(v.get());
        Ctl<QLineEdit>(*v, "edtFind3")->setFocus();
        Ctl<QLineEdit>(*v, "edtFind3")->setText("ward");
        QTest::keyClick(Ctl<QLineEdit>(*v, "edtFind3"), Qt::Key_Return);
        QCOMPARE(v->FindIndex(), 1);
        QCOMPARE(Ctl<QPlainTextEdit>(*v, "mmSNotes")->toPlainText(), QString());
        QCOMPARE(Ctl<QTreeView>(*v, "lstDisplaySpell")->selectionModel()->selectedRows().value(0).row(), 1);
        QCOMPARE(QApplication::focusWidget(), Ctl<QLineEdit>(*v, "edtFind3"));
    }

    void findOnEmptyList()
    {
        TempDir dir;
        auto v = Open(QString::fromStdString(dir.Path()));
        Ctl<QLineEdit>(*v, "edtFind")->setText("a");
        Ctl<QPushButton>(*v, "btnFFA")->click();
        QCOMPARE(ui.Errors, QStringList({"Not found."}));
    }

    void badLineStopsTheLoad()
    {
        TempDir dir;
        WriteHandMadeData(dir);
        dir.Write("Items.txt", ItemLine("Good Helm", {{43, "2"}}) + "\n" + ItemLine("Bad Helm", {{4, "heavy"}}) + "\n");
        auto v = Open(QString::fromStdString(dir.Path()));
        QCOMPARE(ui.Errors, QStringList({"'heavy' is not a valid integer value"}));
        QVERIFY(ui.Details.value(0).contains("Items.txt"));
        QVERIFY(ui.Details.value(0).contains("line 2"));
        QCOMPARE(v->Data().Items.size(), size_t{1});
        QCOMPARE(v->Data().Spells.size(), size_t{3});
        for (QTreeView* list : {Ctl<QTreeView>(*v, "lstArmor"), Ctl<QTreeView>(*v, "lstWeapons"),
                                Ctl<QTreeView>(*v, "lstOther"), Ctl<QTreeView>(*v, "lstDisplaySpell")})
            QCOMPARE(list->model()->rowCount(), 0);
        QVERIFY(v->Data().Loading);
        QVERIFY(QApplication::overrideCursor() == nullptr);
        QVERIFY(v->findChild<QDialog*>("frmLoad") == nullptr);
        QVERIFY(Ctl<QTabWidget>(*v, "TDisplay")->isTabVisible(7));
        ClickHeader(Ctl<QTreeView>(*v, "lstArmor"), 0);  // does nothing harmful
        QCOMPARE(ui.Errors.size(), 1);
    }

    void badBytesShowInTheMessage()
    {
        TempDir dir;
        dir.Write("Items.txt",
                  ItemLine("Odd", {{4, std::string("1\0x\x01", 4)}}) + "\n");  // the field is trimmed of the last
        auto v = Open(QString::fromStdString(dir.Path()));
        QCOMPARE(ui.Errors, QStringList({QString::fromUtf16(u"'1\u2400x' is not a valid integer value")}));
    }

    void noDataFiles()
    {
        TempDir dir;
        auto v = Open(QString::fromStdString(dir.Path()));
        QVERIFY(ui.Errors.isEmpty());
        QVERIFY(ui.Messages.isEmpty());
        QVERIFY(!v->Data().Loading);
        for (QTreeView* list : {Ctl<QTreeView>(*v, "lstArmor"), Ctl<QTreeView>(*v, "lstWeapons"),
                                Ctl<QTreeView>(*v, "lstOther"), Ctl<QTreeView>(*v, "lstDisplaySpell")})
            QCOMPARE(list->model()->rowCount(), 0);
        // Each empty list says which file to put where.
        const QString folder = QDir::toNativeSeparators(v->DataDir());
        QCOMPARE(Ctl<QTreeView>(*v, "lstWeapons")->property("emptyText").toString(),
                 "No items to show.\nPut the game's export \"Items.txt\" in\n" + folder);
        QCOMPARE(Ctl<QTreeView>(*v, "lstDisplaySpell")->property("emptyText").toString(),
                 "No spells to show.\nPut the game's export \"spells.txt\" in\n" + folder);
        dir.Write("spellsVtab0.txt", "");
        auto other = Open(QString::fromStdString(dir.Path()));
        QCOMPARE(Ctl<QTreeView>(*other, "lstDisplaySpell")->property("emptyText").toString(), QString());
    }

    void dataDirectoryIsTheProgramsOwnOrThePlayers()
    {
        TViewer v(ui);  // the tests' folder holds no data
        QCOMPARE(v.DataDir(), TViewer::PlayerDataDir());
        QVERIFY(v.DataDir().endsWith("/viewer_tests/"));
    }

    void escapeExits()
    {
        TempDir dir;
        auto v = Open(QString::fromStdString(dir.Path()));
        v->activateWindow();
        QApplication::setActiveWindow(v.get());
        QVERIFY(v->isVisible());
        QTest::keyClick(v.get(), Qt::Key_Escape);
        QVERIFY(!v->isVisible());
    }

    void nestedErrorsEndTheOuterHandler()
    {
        QStringList shown;
        EventGuard guard([&](std::exception_ptr e) {
            try {
                std::rethrow_exception(e);
            } catch (const std::exception& x) {
                shown << x.what();
            }
        });
        bool outerWentOn = false;
        guard.Run([&] {
            guard.Run([] { throw EConvertError::ForText("x"); });  // a handler run by a write
            guard.RaisePending();                                  // the writer raises it again
            outerWentOn = true;
        });
        QVERIFY(!outerWentOn);
        QCOMPARE(shown, QStringList({"'x' is not a valid integer value"}));
        guard.Run([] {});
        QCOMPARE(shown.size(), 1);
        // An inner error that no writer raised is still shown once the outer handler ends.
        guard.Run([&] { guard.Run([] { throw EInOutError("disk"); }); });
        QCOMPARE(shown, QStringList({"'x' is not a valid integer value", "disk"}));
    }
};

int RunViewerTest(int argc, char** argv)
{
    ViewerTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "ViewerTest.moc"
