// Characters: each comes back as it was left when picked again, with its own undo history and
// after a restart; new, rename, copy, delete, export and import, and what they refuse; the items
// each owns, marked, filtered and planned from.
#include "GuiTest.h"
#include "equipment/CharacterFile.h"

#include <QAction>
#include <QDialog>
#include <QFile>
#include <QStatusBar>
#include <QTreeWidget>

using namespace vantor;

class CharactersTest : public QObject, WindowFixture {
    Q_OBJECT

    // A Characters menu entry, the names it asks for answered in turn.
    void Menu(const char* name, const QStringList& names = {})
    {
        ui.TextAnswers = names;
        QAction* a = v->findChild<QAction*>(name);
        QVERIFY2(a, name);
        a->trigger();
    }
    QStringList Characters()
    {
        QStringList names;
        for (int i = 0; i < Box("cbxCharacter")->count(); ++i) names << Box("cbxCharacter")->itemText(i);
        return names;
    }
    // What the window shows but the character picker.
    QMap<QString, QString> Shows()
    {
        QMap<QString, QString> shows = WindowFixture::Shows();
        shows.remove("menuBar/pnlCharacter/cbxCharacter");
        return shows;
    }

private slots:
    void init()
    {
        ui = FakeUserInterface();
        OpenSampleWorld();
    }
    void cleanup()
    {
        v.reset();
        ForgetSettings();
    }

    void eachCharacterComesBackAsItWasLeft()
    {
        const QMap<QString, QString> fresh = Shows();
        QCOMPARE(Characters(), QStringList{"My character"});
        auto* tabs = Ctl<QTabWidget>(*v, "TDisplay");
        // A thief of level 31 with the armour filtered and a helm worn, then a ring.
        Type("edtAlvl", "31");
        Pick(Box("cbxAClass"), "Thief");
        tabs->setCurrentWidget(Ctl<QWidget>(*v, "TabSheet1"));
        Click("btnFA");
        tabs->setCurrentWidget(Ctl<QWidget>(*v, "Equipment"));
        Pick(Box("cbxHead"), Box("cbxHead")->itemText(2));
        Pick(Box("cbxFinger1"), Box("cbxFinger1")->itemText(1));
        const QMap<QString, QString> mine = Shows();

        // A new character starts as the first start does, on the page shown.
        Menu("actNewCharacter", {"Alt"});
        QCOMPARE(Characters(), (QStringList{"My character", "Alt"}));
        QCOMPARE(Shown("cbxCharacter"), QString("Alt"));
        // (but the page, and the set's totals, which a first start shows only once a set is worn)
        QMap<QString, QString> shown = Shows(), first = fresh;
        for (const QString& key : first.keys()) {
            const auto* box = v->findChild<QLineEdit*>(key.section('/', -1));
            if (key == "TDisplay" || key == "lblPageSummary" || (box && box->isReadOnly())) {
                first.remove(key);
                shown.remove(key);
            }
        }
        QStringList differ = Differences(first, shown);
        QVERIFY2(differ.isEmpty(), qPrintable(differ.join("\n")));
        QVERIFY(!Ctl<QPushButton>(*v, "btnUndo")->isEnabled());
        Type("edtAlvl", "12");
        Pick(Box("cbxTorso"), Box("cbxTorso")->itemText(1));
        const QMap<QString, QString> alt = Shows();

        // Picked again, each shows what it had, and undoes its own steps.
        for (int round = 0; round < 2; ++round) {
            Pick(Box("cbxCharacter"), "My character");
            differ = Differences(mine, Shows());
            QVERIFY2(differ.isEmpty(), qPrintable(differ.join("\n")));
            Click("btnUndo");
            QCOMPARE(Shown("cbxFinger1"), QString("*None*"));
            Click("btnRedo");
            Pick(Box("cbxCharacter"), "Alt");
            differ = Differences(alt, Shows());
            QVERIFY2(differ.isEmpty(), qPrintable(differ.join("\n")));
            Click("btnUndo");
            QCOMPARE(Shown("cbxTorso"), QString("*None*"));
            Click("btnRedo");
        }
        // And after a restart: the one active at close first.
        Restart();
        QCOMPARE(Shown("cbxCharacter"), QString("Alt"));
        differ = Differences(alt, Shows());
        QVERIFY2(differ.isEmpty(), qPrintable(differ.join("\n")));
        Pick(Box("cbxCharacter"), "My character");
        differ = Differences(mine, Shows());
        QVERIFY2(differ.isEmpty(), qPrintable(differ.join("\n")));
        QVERIFY(ui.Errors.isEmpty() && ui.Messages.isEmpty());
    }

    void namesAndFilesThatDoNotDoChangeNothing()
    {
        const QString folder = QString::fromStdString(dir.Path());
        dir.Write("notes.kchar", "Level=12\r\n");
        dir.Write("huge.kchar", std::string(kMaxCharacterFileBytes + 1, 'x'));
        // A character owning the most items it may, and one owning one more.
        std::string owned;
        for (size_t n = 0; n < kMaxOwnedItems; ++n) owned += std::to_string(10'000'000 + n) + ",";
        const std::string full = "Character=Full\r\nLevel=10\r\nScale=" + ScaleText(BuiltInScales()[0]) + "\r\nOwned=";
        dir.Write("full.kchar", full + owned + "1\r\n");
        owned.pop_back();
        dir.Write("most.kchar", full + owned + "\r\n");
        const struct {
            const char* Action;
            QStringList Names;
            QString File;
            const char* Message;  // empty: none
        } refused[] = {
            {"actNewCharacter", {}, {}, ""},
            {"actNewCharacter", {"   "}, {}, "A character needs a name."},
            {"actNewCharacter", {" my CHARACTER "}, {}, "There is a character called \"My character\" already."},
            {"actCopyCharacter", {"My character"}, {}, "already"},
            {"actRenameCharacter", {QString(61, 'x')}, {}, "at most 60 characters"},
            {"actDeleteCharacter", {}, {}, "The last character cannot be deleted"},
            {"actImportCharacter", {}, folder + "/notes.kchar", "The file names no character"},
            {"actImportCharacter", {}, folder + "/huge.kchar", "too large to be a character file"},
            {"actImportCharacter", {}, folder + "/none.kchar", "none.kchar"},
            {"actImportCharacter", {}, folder + "/full.kchar", "holds more than 100000 numbers"},
        };
        Pick(Box("cbxHead"), Box("cbxHead")->itemText(2));
        const QString head = Shown("cbxHead");
        const QMap<QString, QString> before = Shows();
        for (const auto& r : refused) {
            ui.Messages.clear();
            ui.Errors.clear();
            ui.OpenAnswer = r.File;
            Menu(r.Action, r.Names);
            const QStringList said = ui.Messages + ui.Errors;
            QVERIFY2(QString(r.Message).isEmpty() ? said.isEmpty() : said.join(" ").contains(r.Message),
                     qPrintable(QString(r.Action) + ": " + said.join(" ")));
            QCOMPARE(Characters(), QStringList{"My character"});
            const QStringList differ = Differences(before, Shows());
            QVERIFY2(differ.isEmpty(), qPrintable(differ.join("\n")));
        }

        // Exported and imported again: the name taken, so asked for another; the set comes back.
        ui.SaveAnswer = folder + "/mine.kchar";
        Menu("actExportCharacter");
        ui.OpenAnswer = ui.SaveAnswer;
        Menu("actImportCharacter", {"My character", "Twin"});
        QCOMPARE(Characters(), (QStringList{"My character", "Twin"}));
        QCOMPARE(Shown("cbxCharacter"), QString("Twin"));
        QCOMPARE(Shown("cbxHead"), head);
        // Renamed, copied, then deleted after asking: the one before it is shown.
        Menu("actRenameCharacter", {"Thorn"});
        Menu("actCopyCharacter", {"Thorn II"});
        QCOMPARE(Characters(), (QStringList{"My character", "Thorn", "Thorn II"}));
        QCOMPARE(Shown("cbxHead"), head);
        ui.ConfirmAnswer = false;
        Menu("actDeleteCharacter");
        QCOMPARE(Characters().size(), 3);
        ui.ConfirmAnswer = true;
        Menu("actDeleteCharacter");
        QCOMPARE(Characters(), (QStringList{"My character", "Thorn"}));
        QCOMPARE(Shown("cbxCharacter"), QString("My character"));
        // One item past the most a character may own is refused.
        ui.OpenAnswer = folder + "/most.kchar";
        Menu("actImportCharacter");
        QCOMPARE(Shown("cbxCharacter"), QString("Full"));
        Pick(Box("cbxHead"), head);
        Box("cbxHead")->findChild<QAction*>("actOwn")->trigger();
        QVERIFY2(ui.Messages.join(" ").contains("A character owns at most 100000 items"),
                 qPrintable(ui.Messages.join(" ")));
    }

    void ownedItemsAreMarkedFilteredAndPlannedFrom()
    {
        v.reset();
        dir.Write("Items.txt", EquipmentItems());
        Open();
        auto* tabs = Ctl<QTabWidget>(*v, "TDisplay");
        QTreeView* armour = List("lstArmor");
        const auto column = [&](const QString& caption) {
            for (int c = 0; c < armour->model()->columnCount(); ++c)
                if (armour->model()->headerData(c, Qt::Horizontal).toString() == caption) return c;
            return -1;
        };
        const int own = column("Own");
        QVERIFY(own > 0);
        const auto owned = [&] {
            QStringList names;
            for (int r = 0; r < armour->model()->rowCount(); ++r)
                if (!armour->model()->index(r, own).data().toString().isEmpty())
                    names << armour->model()->index(r, 0).data().toString();
            names.sort();
            return names;
        };
        const auto select = [&](QTreeView* list, const QString& name) {
            for (int r = 0; r < list->model()->rowCount(); ++r)
                if (list->model()->index(r, 0).data().toString() == name)
                    list->setCurrentIndex(list->model()->index(r, 0));
        };
        // Marked in the armour list, in a slot's menu, and the set worn at once.
        tabs->setCurrentWidget(Ctl<QWidget>(*v, "TabSheet1"));
        select(armour, "Iron Helm");
        armour->findChild<QAction*>("actOwn")->trigger();
        QCOMPARE(owned(), QStringList{"Iron Helm"});
        tabs->setCurrentWidget(Ctl<QWidget>(*v, "Equipment"));
        Pick(Box("cbxFinger1"), "Silver Ring");
        Box("cbxFinger1")->findChild<QAction*>("actOwn")->trigger();
        Pick(Box("cbxHead"), "Bronze Helm");
        Pick(Box("cbxFinger1"), "Brass Ring");
        Click("btnMarkOwned");
        const QStringList mine{"Brass Ring", "Bronze Helm", "Iron Helm", "Silver Ring"};
        QCOMPARE(owned(), mine);
        Box("cbxFinger1")->findChild<QAction*>("actDoNotOwn")->trigger();
        QCOMPARE(owned(), (QStringList{"Bronze Helm", "Iron Helm", "Silver Ring"}));
        Box("cbxFinger1")->findChild<QAction*>("actOwn")->trigger();

        // "Owned only" on top of the page's filter; the Own column sorts the owned first.
        tabs->setCurrentWidget(Ctl<QWidget>(*v, "TabSheet1"));
        const int all = armour->model()->rowCount();
        Check("chkOwnedArmor")->setChecked(true);
        QCOMPARE(armour->model()->rowCount(), mine.size());
        Click("btnFA");
        QCOMPARE(owned().size(), armour->model()->rowCount());
        Check("chkOwnedArmor")->setChecked(false);
        Click("btnResetA");
        QCOMPARE(armour->model()->rowCount(), all);
        ClickHeader(armour, own);
        for (int r = 0; r < all; ++r)
            QCOMPARE(armour->model()->index(r, own).data().toString().isEmpty(), r >= mine.size());
        // The Other list too.
        tabs->setCurrentWidget(Ctl<QWidget>(*v, "Other"));
        QTreeView* other = List("lstOther");
        const int others = other->model()->rowCount();
        select(other, "Apple");
        other->findChild<QAction*>("actOwn")->trigger();
        Check("chkOwnedOther")->setChecked(true);
        QCOMPARE(other->model()->rowCount(), 1);
        select(other, "Apple");
        other->findChild<QAction*>("actDoNotOwn")->trigger();
        QCOMPARE(other->model()->rowCount(), 0);
        Check("chkOwnedOther")->setChecked(false);
        QCOMPARE(other->model()->rowCount(), others);
        select(other, "Apple");
        other->findChild<QAction*>("actOwn")->trigger();

        // Planned from what the character owns: the best set and what to get next.
        tabs->setCurrentWidget(Ctl<QWidget>(*v, "Equipment"));
        Click("btnBestSet");
        auto* best = Ctl<QDialog>(*v, "dlgBestSet");
        Ctl<QLineEdit>(*best, "edtWeightAcc")->setText("1");
        const auto bestSet = [&](int from) {
            Ctl<QComboBox>(*best, "cbxBestFrom")->setCurrentIndex(from);
            Ctl<QPushButton>(*best, "btnBestSearch")->click();
            if (!QTest::qWaitFor([&] { return Ctl<QPushButton>(*best, "btnBestSearch")->isEnabled(); }))
                qFatal("no answer");
            QStringList items;
            auto* set = Ctl<QTreeWidget>(*best, "lstBestSet");
            for (int r = 0; r < set->topLevelItemCount(); ++r)
                if (set->topLevelItem(r)->text(1) != "*None*") items << set->topLevelItem(r)->text(1);
            return items;
        };
        QVERIFY(bestSet(0).contains("Shadow Cloak"));
        for (const QString& item : bestSet(1)) QVERIFY2(mine.contains(item), qPrintable(item));
        Ctl<QPushButton>(*best, "btnBestCancel")->click();
        QTRY_VERIFY(!v->findChild<QDialog*>("dlgBestSet"));
        Click("btnWhatNext");
        auto* hunt = Ctl<QDialog>(*v, "dlgHunt");
        QVERIFY(QTest::qWaitFor([&] { return Ctl<QPushButton>(*hunt, "btnHuntSearch")->isEnabled(); }));
        QVERIFY(Ctl<QLabel>(*hunt, "lblHuntOwned")->text().startsWith("Best set from owned items: "));
        auto* next = Ctl<QTreeWidget>(*hunt, "lstHunt");
        QVERIFY(next->topLevelItemCount() > 0);
        for (int r = 0; r < next->topLevelItemCount(); ++r) QVERIFY(!mine.contains(next->topLevelItem(r)->text(0)));
        Ctl<QPushButton>(*hunt, "btnHuntCopy")->click();
        QVERIFY(ui.Clipboard.startsWith("Item\tLevel\tGain\n"));
        hunt->close();

        // Each character owns its own; kept at close.
        Menu("actNewCharacter", {"Alt"});
        QCOMPARE(owned(), QStringList());
        Pick(Box("cbxCharacter"), "My character");
        QCOMPARE(owned(), mine);
        Restart();
        armour = List("lstArmor");
        QCOMPARE(owned(), mine);
        // An owned item the data no longer hold is kept, and counted in the About box.
        std::string items = EquipmentItems();
        items.erase(0, items.find("\r\n") + 2);  // the bronze helm
        dir.Write("Items.txt", items);
        Restart();
        v->findChild<QAction*>("actAbout")->trigger();
        auto* about = v->findChild<QDialog*>("dlgAbout");
        QVERIFY(about);
        QVERIFY(
            Ctl<QLabel>(*about, "lblAbout")->text().contains("My character owns 5 items, 1 of them not in these data"));
        about->close();
        dir.Write("Items.txt", EquipmentItems());
        Restart();
        armour = List("lstArmor");
        QCOMPARE(owned(), mine);
        QVERIFY(ui.Errors.isEmpty() && ui.Messages.isEmpty());
    }
};

int RunCharactersTest(int argc, char** argv)
{
    CharactersTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "CharactersTest.moc"
