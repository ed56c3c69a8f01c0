// The program remembers: the last session back at the next start, settings files that cannot be
// used, a set file named at the start, and undo and redo of every change of the set.
#include "GuiTest.h"

#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QSettings>
#include <QSplitter>
#include <QStatusBar>
#include <QTreeWidget>

using namespace vantor;

class SessionTest : public QObject, WindowFixture {
    Q_OBJECT

    QStringList Set()
    {
        QStringList shown;
        for (const char* slot : kSlotNames) shown << Shown(slot);
        return shown << Text("edtEenc");
    }

private slots:
    void init()
    {
        ui = FakeUserInterface();
        dir.Write("Items.txt", EquipmentItems());
        Open();
    }
    void cleanup()
    {
        v.reset();
        ForgetSettings();
    }

    void theLastSessionComesBack()
    {
        Type("edtAlvl", "30");
        Check("chkGood")->setChecked(true);
        auto* tabs = Ctl<QTabWidget>(*v, "TDisplay");
        tabs->setCurrentWidget(Ctl<QWidget>(*v, "Equipment"));
        Pick(Box("cbxHead"), "Bronze Helm");
        Pick(Box("cbxFinger1"), "Brass Ring");
        Type("edtEenc", "7");
        v->resize(900, 700);
        const QStringList set = Set();
        Restart();
        QCOMPARE(v->size(), QSize(900, 700));
        tabs = Ctl<QTabWidget>(*v, "TDisplay");
        QCOMPARE(tabs->currentWidget()->objectName(), QString("Equipment"));
        QCOMPARE(Text("edtAlvl"), QString("30"));
        QVERIFY(Check("chkGood")->isChecked());
        QCOMPARE(Set(), set);
        QVERIFY(ui.Messages.isEmpty() && ui.Errors.isEmpty());
        // An item the data no longer hold: its slot is empty and the status bar says which.
        std::string items = EquipmentItems();
        items.erase(0, items.find("\r\n") + 2);  // the bronze helm, item 101, is the first line
        dir.Write("Items.txt", items);
        Restart();
        QCOMPARE(Shown("cbxHead"), QString("*None*"));
        QCOMPARE(Shown("cbxFinger1"), QString("Brass Ring"));
        QVERIFY2(v->statusBar()->currentMessage().contains("Head (item 101)"),
                 qPrintable(v->statusBar()->currentMessage()));
        // A set file named at the start opens after the session, as "Load Eq" would; one that is
        // not there gets the message "Load Eq" gives.
        Pick(Box("cbxHead"), "Iron Helm");
        ui.SaveAnswer = QString::fromStdString(dir.Path()) + "/iron.kreq";
        Click("btnSave");
        Pick(Box("cbxHead"), "*None*");
        Restart(ui.SaveAnswer);
        QCOMPARE(Shown("cbxHead"), QString("Iron Helm"));
        // The file dialogs start in the player's documents, then in the folder of the last set file,
        // also after a restart.
        QCOMPARE(ui.Folders.value(0), QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
        ui.OpenAnswer.clear();
        Click("btnLoad");
        QCOMPARE(ui.Folders.last(), QFileInfo(ui.SaveAnswer).absolutePath());
        Restart(QString::fromStdString(dir.Path()) + "/gone.kreq");
        QCOMPARE(ui.Errors.size(), 1);
        QVERIFY(ui.Errors[0].contains("gone.kreq"));
    }

    void theWindowComesBackAsItWasClosed()
    {
        OpenSampleWorld();
        auto* tabs = Ctl<QTabWidget>(*v, "TDisplay");
        // A thief of level 31, armour filtered with a Gives row and sorted, weapons boxes changed
        // without filtering, spells filtered, calculators and blessings used, the splitter moved.
        Type("edtAlvl", "31");
        Click("btnLManaBless");
        Pick(Box("cbxBS1"), Box("cbxBS1")->itemText(1));
        Pick(Box("cbxAClass"), "Thief");
        tabs->setCurrentWidget(Ctl<QWidget>(*v, "TabSheet1"));
        Check("chkl")->setChecked(false);
        Pick(Box("cbxAbility1"), "Stealth");
        Type("edtAbilityValue1", "1");
        Click("btnFA");
        ClickHeader(List("lstArmor"), 2);
        Ctl<QSplitter>(*v, "splArmor")->setSizes({200, 150});
        Check("chk2h")->setChecked(false);
        Click("btnFiltSpells");
        ClickHeader(List("lstDisplaySpell"), 1);
        ClickHeader(List("lstDisplaySpell"), 1);
        Type("edtUhper", "50");
        Type("edtUhave", "12");
        Click("btnTrueAve");
        Type("edtUagil", "70");
        tabs->setCurrentWidget(Ctl<QWidget>(*v, "Equipment"));
        // Head and Torso picked from the lists of every item.
        Pick(Box("cbxHead"), Box("cbxHead")->itemText(Box("cbxHead")->count() - 1));
        Pick(Box("cbxTorso"), Box("cbxTorso")->itemText(2));
        Type("edtEenc", "3");
        QVERIFY(ui.Errors.isEmpty() && ui.Messages.isEmpty());
        for (int round = 0; round < 2; ++round) {
            const QMap<QString, QString> closed = Shows();
            Restart();
            const QStringList differ = Differences(closed, Shows());
            QVERIFY2(differ.isEmpty(), qPrintable(differ.join("\n")));
            QVERIFY(ui.Errors.isEmpty() && ui.Messages.isEmpty());
            // Then with the slot lists narrowed to the character, and a set worn from them.
            Click("btnFilterAll");
            for (const char* slot : kSlotNames)
                if (Box(slot)->count() > 1 && Shown(slot) == "*None*") {
                    Pick(Box(slot), Box(slot)->itemText(1));
                    break;
                }
        }
    }

    void valuesThatDoNotReadAreLeftOut()
    {
        const struct {
            const char* What;
            QMap<QString, QString> Values;
            const char* Notice;
            const char* Head;
            bool KeptAside;
        } rows[] = {
            {"slot lists narrowed to level -5",
             {{"session/set", "cbxHead=101"},
              {"session/controls/kept", "1"},
              {"session/slots/class", "0"},
              {"session/slots/level", "-5"},
              {"session/slots/alignment", "-"}},
             "session/slots",
             "Bronze Helm",
             false},
            {"an armour filter run at level -5",
             {{"session/controls/kept", "1"},
              {"session/controls/edtAlvl", "-5"},
              {"session/filter/armour/kept", "1"},
              {"session/filter/armour/edtAlvl", "-5"},
              {"session/set", "cbxHead=102"}},
             "session/filter/armour",
             "Iron Helm",
             false},
            {"a set of an older session at strength -5",
             {{"session/set", "cbxHead=101\r\nedtStrength=-5\r\nLevel=-5\r\n"}},
             "session/set",
             "Bronze Helm",
             false},
            {"a scale that does not read beside one that does",
             {{"scales/1/text", "( Vantor scale v1: \"Good\": AC=2 )"},
              {"scales/2/text", "( Vantor scale v1: \"Bad\": Luck=1 )"},
              {"scales/active", "Good"},
              {"session/set", "cbxHead=101"}},
             "holds a scale that does not read",
             "Bronze Helm",
             true},
            {"a character whose owned items do not read beside one that reads, active",
             {{"characters/0/name", "Thorn"},
              {"characters/0/owned", "101,-2"},
              {"characters/1/name", "Good"},
              {"characters/1/owned", "102"},
              {"characters/active", "1"},
              {"session/set", "cbxHead=101"}},
             "holds a character that does not read",
             "Bronze Helm",
             true},
            {"the active character does not read: the other comes back with its own set",
             {{"characters/0/name", "Good"},
              {"characters/0/owned", ""},
              {"characters/0/kept/set", "cbxHead=102"},
              {"characters/1/name", ""},
              {"characters/active", "1"},
              {"session/set", "cbxHead=101"}},
             "holds a character that does not read",
             "Iron Helm",
             true},
        };
        for (const auto& row : rows) {
            v.reset();
            ForgetSettings();
            {
                QSettings file(SettingsPath(), QSettings::IniFormat);
                file.setValue("format/program", "vantor-viewer");
                file.setValue("format/version", 1);
                for (auto at = row.Values.begin(); at != row.Values.end(); ++at) file.setValue(at.key(), at.value());
            }
            ui = FakeUserInterface();
            Restart();
            QVERIFY2(ui.Errors.isEmpty() && ui.Messages.isEmpty(), row.What);
            QVERIFY2(v->statusBar()->currentMessage().contains(row.Notice),
                     qPrintable(QString(row.What) + ": " + v->statusBar()->currentMessage()));
            QCOMPARE(Shown("cbxHead"), QString(row.Head));
            const QStringList kept = QDir(QFileInfo(SettingsPath()).absolutePath()).entryList({"settings.ini.kept-*"});
            QCOMPARE(kept.size(), row.KeptAside ? 1 : 0);
            if (row.KeptAside) {
                // The whole notice, with where the file is kept, in the status line's tool tip; the
                // scale or character that reads is kept and still active.
                QVERIFY(v->statusBar()->toolTip().contains(kept[0]));
                const QString good = row.Values.contains("scales/active") ? "cbxScale" : "cbxCharacter";
                QCOMPARE(v->findChild<QComboBox*>(good)->currentText(), QString("Good"));
                QCOMPARE(v->findChild<QComboBox*>(good)->count(), good == "cbxScale" ? 5 : 1);
            }
        }
    }

    void settingsThatCannotBeUsed()
    {
        const struct {
            const char* What;
            QByteArray Content;
            const char* Notice;  // empty: none
        } rows[] = {
            {"empty", "", ""},
            {"binary", QByteArray("\x00\xff\xfe[\x01\x02", 6), "is damaged or not this program's"},
            {"later version", "[format]\nprogram=vantor-viewer\nversion=99\n", "later version"},
            {"another program's", "[format]\nprogram=other\nversion=1\n", "not this program's"},
            {"values of the wrong kind",
             "[format]\nprogram=vantor-viewer\nversion=1\n[session]\ngeometry=@Rect(1 2 3 4)\n"
             "page=99\nset=@ByteArray(\\0\\1)\n",
             ""},
            {"a serialised object",
             "[format]\nprogram=vantor-viewer\nversion=1\n[session]\npage=\"@Variant(\\0\\0\\0\\x7f)\"\n",
             "is damaged"},
            {"a set past every limit",
             "[format]\nprogram=vantor-viewer\nversion=1\n[session]\npage=-1\ngeometry=AAAA\n"
             "set=cbxHead=99999999999999999999\n",
             ""},
        };
        for (const auto& row : rows) {
            v.reset();
            ForgetSettings();
            QDir().mkpath(QFileInfo(SettingsPath()).absolutePath());
            QFile file(SettingsPath());
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(row.Content);
            file.close();
            ui = FakeUserInterface();
            Restart();
            const QString notice = v->statusBar()->currentMessage();
            QVERIFY2(QByteArray(row.Notice).isEmpty() ? !notice.contains("settings file") : notice.contains(row.Notice),
                     qPrintable(QString(row.What) + ": " + notice));
            // The defaults, and a file that could not be used kept aside, never written over.
            QCOMPARE(Ctl<QTabWidget>(*v, "TDisplay")->currentIndex(), 0);
            QCOMPARE(Shown("cbxHead"), QString("*None*"));
            const QStringList kept = QDir(QFileInfo(SettingsPath()).absolutePath()).entryList({"settings.ini.kept-*"});
            QCOMPARE(kept.size(), QByteArray(row.Notice).isEmpty() ? 0 : 1);
            if (!kept.isEmpty()) {
                QFile aside(QFileInfo(SettingsPath()).absolutePath() + "/" + kept[0]);
                QVERIFY(aside.open(QIODevice::ReadOnly));
                QCOMPARE(aside.readAll(), row.Content);
            }
            QVERIFY2(ui.Errors.isEmpty(), row.What);
        }
        // Settings that cannot be written: the close says so, and nothing breaks.
        v.reset();
        ForgetSettings();
        const QString folder = QFileInfo(SettingsPath()).absolutePath();
        QDir().mkpath(QFileInfo(folder).absolutePath());
        QFile blocker(folder);  // a file where the settings folder should be
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        ui = FakeUserInterface();
        Restart();
        v->close();
        QCOMPARE(ui.Messages.size(), 1);
        QVERIFY(ui.Messages[0].contains("cannot be saved"));
        QFile::remove(folder);
    }

    void twoSetsSideBySide()
    {
        Pick(Box("cbxHead"), "Bronze Helm");
        Pick(Box("cbxFinger1"), "Brass Ring");
        // The iron helm, the same ring, and a cloak the data do not hold.
        dir.Write("other.kreq", "cbxHead=102\r\ncbxFinger1=103\r\ncbxBack=999\r\nedtEenc=5\r\n");
        ui.OpenAnswer = QString::fromStdString(dir.Path()) + "/other.kreq";
        Click("btnCompareSets");
        auto* d = Ctl<QDialog>(*v, "dlgCompareSets");
        auto* table = Ctl<QTreeWidget>(*d, "lstCompareSets");
        QCOMPARE(table->headerItem()->text(1), QString("Worn now"));
        QCOMPARE(table->headerItem()->text(2), QString("other.kreq"));
        QCOMPARE(table->headerItem()->text(3), QString("Left - right"));
        QTRY_VERIFY(d->isVisible());
        QVERIFY2(table->header()->length() <= table->viewport()->width(), "a column is cut off");
        QMap<QString, QString> rows;
        QMap<QString, QPair<bool, bool>> bold;
        for (int r = 0; r < table->topLevelItemCount(); ++r) {
            const QTreeWidgetItem* row = table->topLevelItem(r);
            rows[row->text(0)] = row->text(1) + " | " + row->text(2) + " | " + row->text(3);
            bold[row->text(0)] = {row->font(1).bold(), row->font(2).bold()};
        }
        const struct {
            const char* Row;
            const char* Cells;
            bool BoldLeft, BoldRight;
        } expected[] = {
            {"Head", "Bronze Helm | Iron Helm | ", true, true},
            {"Finger1", "Brass Ring | Brass Ring | ", false, false},
            {"Back", "*None* | item 999, not in the data | ", true, true},
            {"Armour class", "3.5 | 1 | +2.5", true, false},  // "Misc. AC" 1 on both sides
            {"Encumbrance", "25 | 40 | -15", true, false},    // the file's "Misc. Enc" 5; less is better
            {"Stealth", "5 | 0 | +5", true, false},
            {"Encumbrance category", "None | None | ", false, false},
            {"Score under \"AC and DR\"", "2.5 | 0 | 2.5", true, false},
        };
        for (const auto& e : expected) {
            QCOMPARE(rows.value(e.Row), QString(e.Cells));
            QCOMPARE(bold.value(e.Row), qMakePair(e.BoldLeft, e.BoldRight));
        }
        // The left side from a file too; a file that does not read gets the message of "Load Eq".
        dir.Write("same.kreq", "cbxHead=102\r\ncbxFinger1=103\r\ncbxBack=999\r\nedtEenc=5\r\n");
        ui.OpenAnswer = QString::fromStdString(dir.Path()) + "/same.kreq";
        Ctl<QPushButton>(*d, "btnCompareLeft")->click();
        QCOMPARE(table->headerItem()->text(1), QString("same.kreq"));
        QCOMPARE(Ctl<QLabel>(*d, "lblCompareSets")->text(), QString("The two sets wear the same items."));
        d->reject();
        ui.OpenAnswer = QString::fromStdString(dir.Path());  // a folder
        Click("btnCompareSets");
        QCOMPARE(ui.Errors.size(), 1);
        QTRY_VERIFY(!v->findChild<QDialog*>("dlgCompareSets"));
    }

    void undoAndRedoEveryChangeOfTheSet()
    {
        Ctl<QTabWidget>(*v, "TDisplay")->setCurrentWidget(Ctl<QWidget>(*v, "Equipment"));
        const QString setFile = QString::fromStdString(dir.Path()) + "/set.kreq";
        const auto bestSet = [&](const char* dialog, const char* search, const char* apply, bool pickRow) {
            Click(dialog);
            auto* d = v->findChild<QDialog*>();
            auto* button = Ctl<QPushButton>(*d, search);
            button->click();
            QVERIFY(QTest::qWaitFor([button] { return button->isEnabled(); }));
            if (pickRow) {
                auto* table = Ctl<QTreeWidget>(*d, "lstUpgradePath");
                table->setCurrentItem(table->topLevelItem(table->topLevelItemCount() - 1));
            }
            Ctl<QPushButton>(*d, apply)->click();
        };
        const std::pair<const char*, std::function<void()>> actions[] = {
            {"a pick", [&] { Pick(Box("cbxHead"), "Bronze Helm"); }},
            {"another pick", [&] { Pick(Box("cbxFinger2"), "Silver Ring"); }},
            {"Paste Eq",
             [&] {
                 ui.Clipboard = "You are wearing:\n  Iron Helm (Head)\n  Brass Ring (Finger)\n";
                 Click("btnCCB");
             }},
            {"Reset without All?", [&] { Click("btnreseteq"); }},
            {"Reset with All?",
             [&] {
                 Check("chkRAll")->setChecked(true);
                 Click("btnreseteq");
                 Check("chkRAll")->setChecked(false);
             }},
            {"Load Eq",
             [&] {
                 ui.OpenAnswer = setFile;
                 Click("btnLoad");
             }},
            {"the equipment filter", [&] { Click("btnEqFilter"); }},
            {"Best set Apply", [&] { bestSet("btnBestSet", "btnBestSearch", "btnBestApply", false); }},
            {"Filter all", [&] { Click("btnFilterAll"); }},
            {"Upgrade path Wear", [&] { bestSet("btnUpgradePath", "btnPathSearch", "btnPathApply", true); }},
        };
        dir.Write("set.kreq", "cbxHead=102\r\ncbxFinger1=103\r\n");  // Load Eq: the iron helm, the brass ring
        // The slots and inputs after each action that changed them, and the totals they add up to
        // ("Reset" without "All?" empties the totals and leaves the set).
        QStringList states{Set().join('|')};
        QMap<QString, QString> totals{{states[0], "1"}};  // the empty set adds up to "Misc. AC"
        for (const auto& [what, act] : actions) {
            act();
            QTRY_VERIFY(!v->findChild<QDialog*>());
            const QString now = Set().join('|');
            if (now != states.back()) states << now;  // the filters keep what the character can use
            if (!Text("edtAC").isEmpty()) totals[now] = Text("edtAC");
            QVERIFY2(ui.Errors.isEmpty() && ui.Messages.isEmpty(), what);
        }
        QCOMPARE(states.size(), 7);  // "Reset" without "All?" leaves the set, and so do the filters here
        const auto expect = [&](qsizetype i) {
            QCOMPARE(Set().join('|'), states[i]);
            QCOMPARE(Text("edtAC"), totals.value(states[i]));
        };
        auto* undo = Ctl<QPushButton>(*v, "btnUndo");
        auto* redo = Ctl<QPushButton>(*v, "btnRedo");
        QVERIFY(!redo->isEnabled());
        // Typing in the top panel is not undone.
        Type("edtAlvl", "20");
        for (qsizetype i = states.size() - 1; i > 0; --i) {
            if (i < states.size() - 1) expect(i);
            undo->click();
        }
        expect(0);
        QVERIFY(!undo->isEnabled());
        QCOMPARE(Text("edtAlvl"), QString("20"));
        // The keys: Ctrl+Y and Ctrl+Shift+Z redo, Ctrl+Z undoes.
        QApplication::setActiveWindow(v.get());  // shortcuts go to the active window
        Ctl<QTabWidget>(*v, "TDisplay")->setFocus();
        for (qsizetype i = 1; i < states.size(); ++i) {
            QTest::keyClick(v.get(), Qt::Key_Y, Qt::ControlModifier);
            expect(i);
        }
        QTest::keyClick(v.get(), Qt::Key_Z, Qt::ControlModifier);
        expect(states.size() - 2);
        QTest::keyClick(v.get(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        expect(states.size() - 1);
        // A new change after an undo drops what was undone; at least a hundred steps are kept.
        undo->click();
        Pick(Box("cbxHead"), "Bronze Helm");
        QVERIFY(!redo->isEnabled());
        for (int i = 0; i < 120; ++i) Pick(Box("cbxHead"), i % 2 ? "Bronze Helm" : "Iron Helm");
        int steps = 0;
        while (undo->isEnabled() && steps < 1000) {
            undo->click();
            ++steps;
        }
        QVERIFY2(steps >= 100, qPrintable(QString::number(steps)));
    }
};

int RunSessionTest(int argc, char** argv)
{
    SessionTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "SessionTest.moc"
