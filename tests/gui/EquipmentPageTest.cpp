// The equipment planner on the real window: picks, readouts, limits and colours, Reset, paste.
#include "GuiTest.h"
#include "app/planner/SearchRunner.h"
#include "app/scales/ScaleBook.h"
#include "app/scales/ScalePicker.h"
#include "data/Errors.h"
#include "domain/TestFiles.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QTreeView>
#include <QTreeWidget>

#include <filesystem>
#include <random>

using namespace vantor;
using testfiles::Ability;
using testfiles::Fields;
using testfiles::ItemLine;
using testfiles::TempDir;
using testfiles::operator+;

const char* const kSlotNames[16] = {"cbxHead",   "cbxNeck",    "cbxBack",    "cbxEars",  "cbxTorso", "cbxArms",
                                    "cbxGloves", "cbxFinger1", "cbxFinger2", "cbxWrist", "cbxWaist", "cbxLegs",
                                    "cbxFeet",   "cbxOffhand", "cbxWeapon",  "cbxWorn"};

// Items for every kind of slot; fields: 1 number, 4 weight, 5 type, 30 AC in tenths, 43 worn, 44 accuracy.
std::string EquipmentItems()
{
    const auto armour = [](int number, const char* name, int worn, int weight, Fields more = {}) {
        return ItemLine(name,
                        Fields{{1, std::to_string(number)}, {4, std::to_string(weight)}, {43, std::to_string(worn)}} +
                            more) +
               "\r\n";
    };
    return armour(101, "Bronze Helm", 2, 20, Fields{{30, "25"}, {44, "3"}} + Ability(1, 27, 5) + Ability(2, 22, 3)) +
           armour(102, "Iron Helm", 2, 30) + armour(103, "Brass Ring", 4, 5, {{44, "1"}}) +
           armour(104, "Silver Ring", 13, 5) +
           armour(105, "Shadow Cloak", 7, 40, Ability(1, 27, -5) + Ability(2, 7, 3) + Ability(3, 96, 10)) +
           armour(106, "Tower Shield", 12, 100) + armour(107, "Plate Boots", 5, 3000) +
           armour(108, "Lead Crown", 2, 2147483000) + armour(109, "Drifting Shard", 0, 1) +
           armour(201, "Long Sword", 0, 30, {{5, "1"}}) + armour(202, "Short Sword", 9, 20, {{5, "1"}}) +
           armour(301, "Apple", 2, 1, {{5, "4"}});
}

class EquipmentPageTest : public QObject, WindowFixture {
    Q_OBJECT

    QColor EncColour() { return Edit("edtEnc")->palette().color(QPalette::Base); }

private slots:
    void init()
    {
        ui = FakeUserInterface();
        dir.Write("Items.txt", EquipmentItems());
        Open();
        Ctl<QTabWidget>(*v, "TDisplay")->setCurrentWidget(Ctl<QWidget>(*v, "Equipment"));
    }
    void cleanup() { v.reset(); }

    void slotEntriesShowTheirFigures()
    {
        QComboBox* head = Box("cbxHead");
        const QAbstractItemModel* m = head->model();
        const auto row = [&](const QString& name) {
            const int r = head->findText(name);
            QStringList cells;
            for (int c = 1; c < m->columnCount(); ++c) cells << m->index(r, c).data().toString();
            return cells.join(' ');
        };
        QCOMPARE(m->headerData(4, Qt::Horizontal).toString(), "Gain");
        QCOMPARE(row("*None*"), "   ");
        const struct {
            const char* Worn;  // in the head slot
            const char* Entry;
            const char* Cells;  // AC, DR, Enc, the gain under "AC and DR"
        } cases[] = {{"*None*", "Bronze Helm", "2.5 0 20 +2.5"},
                     {"*None*", "Iron Helm", "0 0 30 0"},
                     {"Bronze Helm", "Bronze Helm", "2.5 0 20 0"},
                     {"Bronze Helm", "Iron Helm", "0 0 30 -2.5"}};
        for (const auto& c : cases) {
            Pick(head, c.Worn);
            QCOMPARE(row(c.Entry), c.Cells);
            QCOMPARE(Shown("cbxHead"), c.Worn);  // the slot shows the name alone
        }
    }

    void bestSetDialog()
    {
        const auto open = [&] {
            Click("btnBestSet");
            auto* dialog = Ctl<QDialog>(*v, "dlgBestSet");
            if (!dialog->isVisible()) qFatal("the dialog is not shown");
            return dialog;
        };
        const auto search = [&](QDialog* d, const char* bound) {
            auto* bounds = Ctl<QComboBox>(*d, "cbxBestBound");
            bounds->setCurrentIndex(bounds->findText(bound));
            Ctl<QPushButton>(*d, "btnBestSearch")->click();
            if (!QTest::qWaitFor([d] { return Ctl<QPushButton>(*d, "btnBestSearch")->isEnabled(); }))
                qFatal("no answer");
            return Ctl<QLineEdit>(*d, "edtBestScore")->text();
        };
        // Armour class, DR and accuracy count: the helm, one ring, the cloak (DR 0.3, and its bonus
        // raises the maximum); the huge crown and the heavy boots stay off.
        QDialog* d = open();
        Ctl<QLineEdit>(*d, "edtWeightAcc")->setText("1");
        QCOMPARE(search(d, "Medium"), QString("6.8"));
        QCOMPARE(Ctl<QLabel>(*d, "lblBestRunnerUp")->text(), QString("runner-up 6.8"));  // a second, weightless ring
        QCOMPARE(Ctl<QLabel>(*d, "lblBestTotals")->text(), QString("Enc 65 of 5280: None"));
        QCOMPARE(Ctl<QTreeWidget>(*d, "lstBestSet")->topLevelItem(0)->text(2), QString("5.5"));
        Ctl<QPushButton>(*d, "btnBestApply")->click();
        QTRY_VERIFY(!v->findChild<QDialog*>("dlgBestSet"));
        QCOMPARE(Shown("cbxHead"), QString("Bronze Helm"));
        QCOMPARE(Shown("cbxFinger1"), QString("Brass Ring"));
        QCOMPARE(Shown("cbxFinger2"), QString("*None*"));
        QCOMPARE(Shown("cbxBack"), QString("Shadow Cloak"));
        QCOMPARE(Text("edtAcc"), QString("4"));
        QCOMPARE(Text("edtMEnc"), QString("5280"));

        // A weak character: the helm no longer fits "None"; kept, nothing does.
        Type("edtStrength", "1");
        d = open();
        Ctl<QLineEdit>(*d, "edtWeightAcc")->setText("1");
        QCOMPARE(search(d, "None"), QString("1"));
        Ctl<QCheckBox>(*d, "chkKeepHead")->setChecked(true);
        QCOMPARE(search(d, "None"), QString());
        QCOMPARE(Ctl<QLabel>(*d, "lblBestTotals")->text(), QString("No set stays within the bound."));
        QVERIFY(!Ctl<QPushButton>(*d, "btnBestApply")->isEnabled());
        Ctl<QPushButton>(*d, "btnBestCancel")->click();
        QTRY_VERIFY(!v->findChild<QDialog*>("dlgBestSet"));
        QCOMPARE(Shown("cbxHead"), QString("Bronze Helm"));
        QVERIFY(ui.Errors.isEmpty());
    }

    void copyCompareAndMarkWorn()
    {
        // Copy a row, with and without the header.
        QTreeView* armour = List("lstArmor");
        armour->setCurrentIndex(armour->model()->index(0, 0));
        const QString first = armour->model()->index(0, 0).data().toString();
        armour->findChild<QAction*>("actCopy")->trigger();
        QVERIFY(ui.Clipboard.startsWith(first + "\t"));
        QCOMPARE(ui.Clipboard.count('\t'), armour->model()->columnCount() - 1);
        armour->findChild<QAction*>("actCopyWithHeader")->trigger();
        QVERIFY(ui.Clipboard.startsWith("Name\tType\t"));
        QVERIFY(ui.Clipboard.contains("\n" + first + "\t"));

        // Worn items show in bold, and no longer once taken off.
        const auto bold = [&](const QString& name) {
            for (int r = 0; r < armour->model()->rowCount(); ++r)
                if (armour->model()->index(r, 0).data().toString() == name)
                    return armour->model()->index(r, 0).data(Qt::FontRole).value<QFont>().bold();
            return false;
        };
        Pick(Box("cbxHead"), "Bronze Helm");
        QVERIFY(bold("Bronze Helm"));
        QVERIFY(!bold("Iron Helm"));

        // Compare: the iron helm against the bronze one worn.
        for (int r = 0; r < armour->model()->rowCount(); ++r)
            if (armour->model()->index(r, 0).data().toString() == "Iron Helm")
                armour->setCurrentIndex(armour->model()->index(r, 0));
        armour->findChild<QAction*>("actCompare")->trigger();
        auto* compare = Ctl<QDialog>(*v, "dlgCompare");
        QVERIFY(compare->isVisible());
        auto* rows = Ctl<QTreeWidget>(*compare, "lstCompare");
        QCOMPARE(rows->headerItem()->text(2), QString("Bronze Helm (Head)"));
        QCOMPARE(rows->topLevelItem(0)->text(3), QString("-2.5"));  // armour class
        QVERIFY(rows->topLevelItem(0)->font(2).bold());             // the worn helm's is better
        QCOMPARE(Ctl<QLabel>(*compare, "lblCompareCategory")->text(), QString("Encumbrance stays None"));
        // One row a quantity: the stealth of the bronze helm's ability is the stealth figure.
        QStringList stats;
        for (int r = 0; r < rows->topLevelItemCount(); ++r) stats << rows->topLevelItem(r)->text(0);
        QCOMPARE(stats.count("Stealth"), 1);
        QCOMPARE(stats.filter("evel").size(), 1);
        const int stealth = static_cast<int>(stats.indexOf("Stealth"));
        QCOMPARE(rows->topLevelItem(stealth)->text(3), QString("-5"));
        QVERIFY(rows->topLevelItem(stealth)->font(2).bold() && !rows->topLevelItem(stealth)->font(1).bold());
        compare->close();
        QTRY_VERIFY(!v->findChild<QDialog*>("dlgCompare"));
        // At strength 3 (none up to 24) the swap makes the load light, as the page says after the pick.
        Type("edtStrength", "3");
        armour->findChild<QAction*>("actCompare")->trigger();
        compare = Ctl<QDialog>(*v, "dlgCompare");
        QCOMPARE(Ctl<QLabel>(*compare, "lblCompareCategory")->text(),
                 QString("Encumbrance: None now, Light after the swap"));
        compare->close();
        Pick(Box("cbxHead"), "Iron Helm");
        QCOMPARE(Caption("Label77"), QString("Light"));
        Type("edtStrength", "100");

        // Copy set, then paste it back over other picks: the same sixteen selections.
        std::mt19937 random(3);
        for (int round = 0; round < 20; ++round) {
            QStringList chosen;
            for (const char* name : kSlotNames) {
                QComboBox* box = Box(name);
                box->setCurrentIndex(static_cast<int>(random() % static_cast<unsigned>(box->count())));
            }
            if (Box("cbxFinger1")->currentIndex() == Box("cbxFinger2")->currentIndex())
                Box("cbxFinger2")->setCurrentIndex(0);
            for (const char* name : kSlotNames) chosen << Shown(name);
            ui.Messages.clear();
            Click("btnCopySet");
            for (const char* name : kSlotNames) Box(name)->setCurrentIndex(1);
            Click("btnCCB");
            QStringList back;
            for (const char* name : kSlotNames) back << Shown(name);
            if (back[7] == chosen[8] && back[8] == chosen[7]) back.swapItemsAt(7, 8);  // the same rings
            QCOMPARE(back, chosen);
            QVERIFY(ui.Messages.isEmpty());
        }
        ui.Errors.removeAll("Integer overflow");  // the lead crown weighs nearly 2^31
        QVERIFY2(ui.Errors.isEmpty(), qPrintable(ui.Errors.join("|")));
    }

    void slotsAfterStartup()
    {
        QVERIFY(ui.Errors.isEmpty());
        for (size_t i = 1; i < std::size(kSlotNames); ++i) {
            QVERIFY(Box(kSlotNames[i - 1])->y() < Box(kSlotNames[i])->y());
            QWidget* next = Box(kSlotNames[i - 1])->nextInFocusChain();
            while (next->focusPolicy() == Qt::NoFocus) next = next->nextInFocusChain();
            QCOMPARE(next, Box(kSlotNames[i]));
        }
        for (const char* name : kSlotNames) QCOMPARE(Box(name)->currentText(), QString("*None*"));
        QCOMPARE(Entries(Box("cbxHead")), QStringList({"*None*", "Bronze Helm", "Iron Helm", "Lead Crown"}));
        QCOMPARE(Entries(Box("cbxFinger1")), QStringList({"*None*", "Brass Ring", "Silver Ring"}));
        QCOMPARE(Entries(Box("cbxFinger2")), Entries(Box("cbxFinger1")));
        QCOMPARE(Entries(Box("cbxWeapon")), QStringList({"*None*", "Long Sword", "Short Sword"}));
        QCOMPARE(Entries(Box("cbxUWeapon")), Entries(Box("cbxWeapon")));
        QCOMPARE(Entries(Box("cbxOffhand")), QStringList({"*None*", "Tower Shield"}));
        QCOMPARE(Entries(Box("cbxWorn")), QStringList({"*None*"}));
        QCOMPARE(Box("cbxHead")->maxVisibleItems(), 15);
        QVERIFY(!Box("cbxHead")->isEditable());
        // The readouts before any pick; the start-up load worked out the maximum once.
        for (const char* name : {"edtAC", "edtDR", "edtAcc", "edtCrit", "edtStealth", "edtMR", "edtDodge", "edtMaxDmg"})
            QCOMPARE(Text(name), QString());
        QCOMPARE(Text("edtEnc"), QString("0"));
        QCOMPARE(Text("edtMEnc"), QString("4800"));
        QCOMPARE(Caption("lbllightenc") + " " + Caption("lblmedenc") + " " + Caption("lblheavyenc"),
                 QString("816 1632 3216"));
        QCOMPARE(Caption("Label77"), QString("None"));
        QCOMPARE(EncColour(), QColor(Qt::white));
        QCOMPARE(Text("edtUMenc") + " " + Text("edtUenc"), QString("4800 0"));
        for (const char* name : {"edtAC", "edtDR", "edtEnc", "edtMEnc", "edtAcc", "edtMaxDmg"})
            QVERIFY(Edit(name)->isReadOnly());
        QCOMPARE(Edit("edtAC")->palette().color(QPalette::Base), Edit("edtAC")->palette().color(QPalette::Button));
        QCOMPARE(Text("edtEncM") + " " + Text("edtEenc") + " " + Text("edtMiscAC"), QString("0 0 1"));
        QCOMPARE(Edit("edtEenc")->toolTip(), QString("Like keys and ropes."));
        QCOMPARE(Edit("edtUMenc")->toolTip(), QString("Maximum encumberance from Eq tab."));
        QCOMPARE(Ctl<QPushButton>(*v, "btnCCB")->toolTip(),
                 QString("Copy your equipment into the clipboard and press this button."));
        QVERIFY(!Ctl<QPushButton>(*v, "btnLeqtab")->isVisible());
        QCOMPARE(Ctl<QPushButton>(*v, "btnLoad")->text(), QString("Loa&d Eq"));
        QVERIFY(!Ctl<QCheckBox>(*v, "chkRAll")->isChecked());
    }

    void filterKeepsWhatTheCharacterCanUse()
    {
        // A helm for level 30 and up beside the page's items.
        dir.Write("Items.txt",
                  EquipmentItems() +
                      ItemLine("Knight Helm", Fields{{1, "110"}, {4, "25"}, {43, "2"}} + Ability(1, 135, 30)) + "\r\n");
        Open();
        Pick(Box("cbxHead"), "Knight Helm");
        Pick(Box("cbxFinger1"), "Brass Ring");
        const struct {
            const char* Level;
            const char* Button;
            const char* Head;
            const char* Enc;
            const char* Notice;
        } rows[] = {
            {"40", "btnEqFilter", "Knight Helm", "30", ""},
            {"40", "btnFilterAll", "Knight Helm", "30", ""},
            {"20", "btnFilterAll", "*None*", "5", "Filter emptied: Head (Knight Helm)"},
        };
        for (const auto& row : rows) {
            v->statusBar()->clearMessage();
            Type("edtAlvl", row.Level);
            Click(row.Button);
            QCOMPARE(Shown("cbxHead"), QString(row.Head));
            QCOMPARE(Shown("cbxFinger1"), QString("Brass Ring"));
            QCOMPARE(Text("edtEnc"), QString(row.Enc));
            QCOMPARE(v->statusBar()->currentMessage(), QString(row.Notice));
        }
        // One press, one step: undo brings the helm back, with the lists it was picked from.
        Click("btnUndo");
        QCOMPARE(Shown("cbxHead"), QString("Knight Helm"));
        // A set file still decides every slot: what it does not name ends empty.
        ui.SaveAnswer = QString::fromStdString(dir.Path()) + "/ring.kreq";
        Pick(Box("cbxHead"), "*None*");
        Click("btnSave");
        Pick(Box("cbxHead"), "Knight Helm");
        ui.OpenAnswer = ui.SaveAnswer;
        Click("btnLoad");
        QCOMPARE(Shown("cbxHead"), QString("*None*"));
        QCOMPARE(Shown("cbxFinger1"), QString("Brass Ring"));
        QVERIFY(ui.Errors.isEmpty());
    }

    void pickRunsTheTotals()
    {
        Box("cbxHead")->setCurrentIndex(1);  // a selection by code runs nothing
        QCOMPARE(Text("edtAC"), QString());
        Pick(Box("cbxHead"), "Bronze Helm");
        Pick(Box("cbxFinger1"), "Brass Ring");
        Pick(Box("cbxFinger2"), "Brass Ring");
        Pick(Box("cbxBack"), "Shadow Cloak");
        Pick(Box("cbxWeapon"), "Long Sword");
        const char dp = v->DecimalSep();
        QCOMPARE(Text("edtAC"), QString("3.5").replace('.', QChar(dp)));
        QCOMPARE(Text("edtDR"), QString("0.3").replace('.', QChar(dp)));
        QCOMPARE(Text("edtAcc"), QString("5"));
        QCOMPARE(Text("edtStealth"), QString("0"));
        QCOMPARE(Text("edtEnc"), QString("100"));
        QCOMPARE(Text("edtEncM"), QString("10"));
        QCOMPARE(Text("edtMEnc"), QString("5280"));  // the modifier counts at once
        QCOMPARE(Caption("lblheavyenc"), QString("3537"));
        QCOMPARE(Text("edtMaxDmg"), QString("0"));
        QCOMPARE(Ctl<QPlainTextEdit>(*v, "mmoAttribSummary")->toPlainText(),
                 QString("DR +3, Accuracy +3, Encumberance +10"));
        QCOMPARE(Text("edtUMenc") + " " + Text("edtUenc"), QString("5280 100"));
        QCOMPARE(Box("cbxUWeapon")->currentText(), QString("Long Sword"));
        const QString special = QString::fromStdString(std::string(v->Data().Items[0].Special.view()));
        QVERIFY(special.contains(", "));
        QCOMPARE(Box("cbxHead")->toolTip(), QString(special).replace(", ", "\n"));
        // Back to "*None*": the hint goes with the item, the weapon with it.
        Pick(Box("cbxHead"), "*None*");
        Pick(Box("cbxWeapon"), "*None*");
        QCOMPARE(Box("cbxHead")->toolTip(), QString());
        QCOMPARE(Text("edtAC"), QString("1"));
        QCOMPARE(Box("cbxUWeapon")->currentText(), QString("*None*"));
    }

    void encumbranceLimitsAndCategories()
    {
        const struct {
            const char* MiscEnc;
            const char* Category;
            QColor Colour;
        } loads[] = {{"816", "None", Qt::white},           {"817", "Light", QColor(0, 128, 0)},
                     {"1632", "Light", QColor(0, 128, 0)}, {"1633", "Medium", QColor(255, 255, 0)},
                     {"3217", "Heavy", QColor(255, 0, 0)}, {"0", "None", Qt::white}};
        for (const auto& l : loads) {
            Edit("edtEenc")->setText(l.MiscEnc);
            QCOMPARE(Text("edtEnc"), QString(l.MiscEnc));
            QCOMPARE(Caption("Label77"), QString(l.Category));
            QCOMPARE(EncColour(), l.Colour);
        }
        // Strength and modifier: a minus sign or an overflow means nothing can be carried.
        const struct {
            const char* Strength;
            const char* Modifier;
            const char* Maximum;
        } strengths[] = {{"150", "5", "9450"},
                         {"-5", "0", "0"},
                         {"15 str", "0", "720"},
                         {"99999999", "0", "0"},
                         {"100", "0", "4800"}};
        for (const auto& s : strengths) {
            Edit("edtEncM")->setText(s.Modifier);
            Ctl<QLineEdit>(*v, "edtStrength")->setText(s.Strength);
            QCOMPARE(Text("edtMEnc"), QString(s.Maximum));
        }
        // A negative load cannot be read back: the limits say so, the swing boxes keep their texts.
        Edit("edtEenc")->setText("-20");
        QCOMPARE(Text("edtEnc"), QString("-20"));
        QCOMPARE(Caption("lbllightenc") + Caption("lblmedenc") + Caption("lblheavyenc"), QString("?????????"));
        QCOMPARE(Caption("Label77"), QString("None"));
        QCOMPARE(Text("edtUenc"), QString("0"));
        // Not a whole number: the totals start from nothing, without a message.
        Edit("edtMiscAC")->setText("1.5");
        QCOMPARE(Text("edtAC"), QString("0"));
        QCOMPARE(Text("edtEnc"), QString("0"));
        QVERIFY(ui.Errors.isEmpty() && ui.Messages.isEmpty());
    }

    void overflowLeavesTheReadouts()
    {
        Pick(Box("cbxHead"), "Lead Crown");
        QCOMPARE(Text("edtEnc"), QString("2147483000"));
        Pick(Box("cbxFeet"), "Plate Boots");
        QCOMPARE(ui.Errors, QStringList({"Integer overflow"}));
        QCOMPARE(Text("edtEnc"), QString("2147483000"));
        QCOMPARE(Caption("Label77"), QString("Heavy"));
    }

    void resetWithAndWithoutAll()
    {
        Pick(Box("cbxHead"), "Bronze Helm");
        Edit("edtEenc")->setText("7");
        Ctl<QLineEdit>(*v, "edtStrength")->setText("150");
        Ctl<QCheckBox>(*v, "chkGood")->setChecked(true);
        const QString maxDmg = Text("edtMaxDmg"), summary = Ctl<QPlainTextEdit>(*v, "mmoAttribSummary")->toPlainText();
        Ctl<QPushButton>(*v, "btnreseteq")->click();
        QVERIFY(!Ctl<QCheckBox>(*v, "chkGood")->isChecked());
        for (const char* name : {"edtAC", "edtDR", "edtAcc", "edtStealth", "edtEnc", "edtCrit", "edtMR", "edtDodge"})
            QCOMPARE(Text(name), QString());
        QCOMPARE(Caption("Label77"), QString("None"));  // the empty load reads as 0
        QCOMPARE(Box("cbxHead")->currentText(), QString("Bronze Helm"));
        QCOMPARE(Text("edtEenc") + " " + Ctl<QLineEdit>(*v, "edtStrength")->text(), QString("7 150"));
        QCOMPARE(Text("edtMaxDmg"), maxDmg);
        QCOMPARE(Ctl<QPlainTextEdit>(*v, "mmoAttribSummary")->toPlainText(), summary);

        // With "All?": the slots, the inputs and the strength too; the maximum follows the strength.
        Pick(Box("cbxWeapon"), "Long Sword");
        Ctl<QCheckBox>(*v, "chkRAll")->setChecked(true);
        Ctl<QPushButton>(*v, "btnreseteq")->click();
        for (const char* name : kSlotNames) QCOMPARE(Box(name)->currentText(), QString("*None*"));
        QCOMPARE(Box("cbxUWeapon")->currentText(), QString("*None*"));  // the totals ran over the empty slots
        QCOMPARE(Text("edtEenc") + Text("edtEncM") + Text("edtMiscAC") + Ctl<QLineEdit>(*v, "edtStrength")->text(),
                 QString("001100"));
        QCOMPARE(Text("edtMEnc"), QString("4800"));
        QCOMPARE(Caption("lbllightenc") + " " + Caption("lblheavyenc"), QString("816 3216"));
        QCOMPARE(Text("edtEncM"), QString("0"));
        // Again, with nothing left to change: the maximum still shows, not 0.
        Ctl<QPushButton>(*v, "btnreseteq")->click();
        QCOMPARE(Text("edtMEnc"), QString("4800"));
        QCOMPARE(Caption("lblmedenc"), QString("1632"));
        QVERIFY(ui.Errors.isEmpty());
    }

    void pasteFromTheGame()
    {
        Pick(Box("cbxOffhand"), "Tower Shield");
        ui.Clipboard = "You are wearing:\n  Bronze Helm (Head)\n  Silver Ring (Finger)\n  Silver Ring (Finger)\n"
                       "  Iron Helm (Worn)\n  Short Sword (Weapon Hand)\n";
        Ctl<QPushButton>(*v, "btnCCB")->click();
        QVERIFY(ui.Messages.isEmpty());
        QCOMPARE(Box("cbxHead")->currentText(), QString("Bronze Helm"));
        QCOMPARE(Box("cbxFinger1")->currentText(), QString("Silver Ring"));
        QCOMPARE(Box("cbxFinger2")->currentText(), QString("Silver Ring"));
        QCOMPARE(Box("cbxWorn")->currentText(), QString("*None*"));  // nothing of that list is named
        QCOMPARE(Box("cbxWeapon")->currentText(), QString("Short Sword"));
        QCOMPARE(Box("cbxOffhand")->currentText(), QString("Tower Shield"));  // its location is not named
        QCOMPARE(Text("edtEnc"), QString("150"));
        QCOMPARE(Box("cbxUWeapon")->currentText(), QString("Short Sword"));
        QCOMPARE(v->statusBar()->currentMessage(), QString("Paste Eq placed no item for: \"Iron Helm (Worn)\""));
        // A line whose item the lists do not offer is named in the status bar.
        ui.Clipboard = "  Mithril Helm (Head)\n  Brass Ring (Finger)\n";
        Click("btnCCB");
        QCOMPARE(v->statusBar()->currentMessage(), QString("Paste Eq placed no item for: \"Mithril Helm (Head)\""));
        QCOMPARE(Box("cbxHead")->currentText(), QString("*None*"));
        ui.Clipboard = "You are wearing:\n  Bronze Helm (Head)\n  Silver Ring (Finger)\n  Silver Ring (Finger)\n"
                       "  Short Sword (Weapon Hand)\n";
        Click("btnCCB");

        // Not a listing, or nothing at all: a message, the slots stay, the totals run anyway.
        const struct {
            const char* Clipboard;
            const char* Message;
        } refusals[] = {{"Bronze Helm", "Copy a valid KR players equipment first!"},
                        {"", "There is no text on the Clipboard"}};
        for (const auto& r : refusals) {
            ui.Messages.clear();
            ui.Clipboard = r.Clipboard;
            Edit("edtEenc")->blockSignals(true);
            Edit("edtEenc")->setText("5");
            Edit("edtEenc")->blockSignals(false);
            Ctl<QPushButton>(*v, "btnCCB")->click();
            QCOMPARE(ui.Messages, QStringList({r.Message}));
            QCOMPARE(Box("cbxHead")->currentText(), QString("Bronze Helm"));
            QCOMPARE(Text("edtEnc"), QString("155"));
            Edit("edtEenc")->setText("0");
        }
        QVERIFY(ui.Errors.isEmpty());
    }

    void dataFolderWithAnAccentedName()
    {
        const std::string folder = dir.Path() + "/jos\xc3\xa9";
        std::filesystem::create_directory(folder);
        dir.Write("jos\xc3\xa9/Items.txt", EquipmentItems());
        auto w = OpenViewer(ui, QString::fromUtf8(folder.c_str()));
        QVERIFY(ui.Errors.isEmpty());
        QCOMPARE(w->Data().Items.size(), size_t{12});
        QCOMPARE(Ctl<QComboBox>(*w, "cbxHead")->count(), 4);
        // A file error names the file as the file system does.
        w->Events().Run([&] { throw EInOutError("Cannot open file \"" + folder + "/Items.txt\"."); });
        QCOMPARE(ui.Errors.value(0),
                 QString::fromUtf8("Cannot open file \"%1/Items.txt\".").arg(QString::fromUtf8(folder.c_str())));
    }

    void writerEndsTheHandlerThatWrote()
    {
        // A write whose own handler fails stops the writing handler there.
        QLineEdit box;
        v->Events().OnTextChange(&box, [] { throw EConvertError::ForText("-"); });
        bool wentOn = false;
        v->Events().Run([&] {
            v->Events().SetText(box, "x");
            wentOn = true;
        });
        QVERIFY(!wentOn);
        QCOMPARE(ui.Errors, QStringList({"'-' is not a valid integer value"}));
        // Writing the same text again runs nothing.
        v->Events().Run([&] {
            v->Events().SetText(box, "x");
            wentOn = true;
        });
        QVERIFY(wentOn);
        QCOMPARE(ui.Errors.size(), 1);
    }

    void dialogHandlersFailIntoTheErrorBox()
    {
        // A search that fails on its own thread: the error box, and the dialog can search again.
        Click("btnUpgradePath");
        auto* d = Ctl<QDialog>(*v, "dlgUpgradePath");
        auto* runner = d->findChild<SearchRunner*>();
        bool done = false;
        runner->Start([](const SearchProgress&) { throw EIntOverflow(); }, [&] { done = true; });
        QTRY_VERIFY(done);
        QCOMPARE(ui.Errors, QStringList({"Integer overflow"}));
        QVERIFY(!runner->Running());
        // A dialog's button whose handler fails: the box once, and the window goes on.
        auto* button = Ctl<QPushButton>(*d, "btnPathCopy");
        v->Events().Connect(button, &QPushButton::clicked, d, [] { throw EConvertError::ForText("x"); });
        button->click();
        QCOMPARE(ui.Errors.size(), 2);
        QCOMPARE(ui.Errors[1], QString("'x' is not a valid integer value"));
        d->reject();
        QTRY_VERIFY(!v->findChild<QDialog*>("dlgUpgradePath"));
        // A scale picker that goes (as one in a closed dialog) leaves no call behind: the next
        // change of scale reaches the others.
        auto host = std::make_unique<QWidget>();
        new ScalePicker(*v->findChild<ScaleBook*>(), v->Events(), ui, '.', host.get());
        host.reset();
        auto* picker = Ctl<QComboBox>(*v, "cbxScale");
        Pick(picker, "Thief: stealth and dodge");
        QCOMPARE(Ctl<QComboBox>(*Ctl<QWidget>(*v, "TabSheet2"), "cbxScale")->currentText(), picker->currentText());
        QCOMPARE(ui.Errors.size(), 2);
    }
};

int RunEquipmentPageTest(int argc, char** argv)
{
    EquipmentPageTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "EquipmentPageTest.moc"
