// The set along the player's path: best-set weights as typed, and the worn marks after every way
// the slots change.
#include "GuiTest.h"
#include "app/common/Bytes.h"
#include "app/common/Widgets.h"
#include "data/Decimal.h"
#include "equipment/BestSet.h"
#include "lists/LoadRecords.h"

#include <QAction>
#include <QDialog>
#include <QFont>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTreeWidget>

using namespace vantor;

class SetChangesTest : public QObject, WindowFixture {
    Q_OBJECT

    QDialog* OpenBestSet()
    {
        Click("btnBestSet");
        return Ctl<QDialog>(*v, "dlgBestSet");
    }

    // Searches; the score shown, or nothing when no search ran.
    QString Search(QDialog* d)
    {
        const int before = ui.Messages.size();
        Ctl<QPushButton>(*d, "btnBestSearch")->click();
        if (ui.Messages.size() > before) return {};
        if (!QTest::qWaitFor([d] { return Ctl<QPushButton>(*d, "btnBestSearch")->isEnabled(); })) qFatal("no answer");
        return Ctl<QLineEdit>(*d, "edtBestScore")->text();
    }

    // The items the lists show in bold, and the items the slots hold.
    QStringList Bold()
    {
        QStringList names;
        for (const char* list : {"lstArmor", "lstWeapons"}) {
            const QAbstractItemModel* m = List(list)->model();
            for (int r = 0; r < m->rowCount(); ++r)
                if (m->index(r, 0).data(Qt::FontRole).value<QFont>().bold()) names << m->index(r, 0).data().toString();
        }
        names.sort();
        names.removeDuplicates();
        return names;
    }
    QStringList Worn()
    {
        QStringList names;
        for (const char* slot : kSlotNames)
            if (Shown(slot) != "*None*") names << Shown(slot);
        names.sort();
        names.removeDuplicates();
        return names;
    }

private slots:
    void init()
    {
        ui = FakeUserInterface();
        dir.Write("Items.txt", EquipmentItems());
        Open();
    }
    void cleanup() { v.reset(); }

    void weightsAsTyped()
    {
        // The solver's own answer on the same items, for the weights as they should read.
        ItemList items;
        SpellList spells;
        LoadRecords(dir.Path() + "/", spells, items, [] {});
        SlotLists lists;
        FillSlotLists(items, {}, lists, nullptr);
        const char sep = SystemDecimalSeparator();
        const bool comma = sep == ',';
        if (qEnvironmentVariable("LC_ALL").startsWith("de_")) QCOMPARE(sep, ',');  // the run with a decimal comma
        const struct {
            QString Typed;
            bool Reads;
        } rows[] = {{"2", true},      {"-2", true},     {"1.5", true},          {"-0.25", true},
                    {"1,5", comma},   {"-0,25", comma}, {"abc", false},         {"1e3", false},
                    {"1.234", false}, {"", false},      {"99999999999", false}, {"--2", false}};
        for (const auto& row : rows) {
            ui.Messages.clear();
            QDialog* d = OpenBestSet();
            Ctl<QLineEdit>(*d, "edtWeightStealth")->setText(row.Typed);
            const QString score = Search(d);
            if (!row.Reads) {
                QVERIFY2(score.isEmpty(), qPrintable(row.Typed));
                QCOMPARE(ui.Messages.size(), 1);
                QVERIFY(ui.Messages[0].contains("\"Stealth\"") && ui.Messages[0].contains('"' + row.Typed + '"'));
                QVERIFY(!Ctl<QPushButton>(*d, "btnBestApply")->isEnabled());
            } else {
                BestSetQuestion q;
                q.Lists = &lists;
                q.Strength = 100;
                q.Weights = BuiltInScales()[0];
                q.Weights.Features[kStealth].Hundredths = *ReadWeight(ToBytes(row.Typed), sep);
                const BestSetAnswer a = SolveBestSet(q);
                QCOMPARE(score, QString::fromStdString(ScoreText(a.Score, sep)));
                QCOMPARE(Ctl<QLabel>(*d, "lblBestRunnerUp")->text(),
                         "runner-up " + QString::fromStdString(ScoreText(*a.RunnerUp, sep)));
                // The "Adds" cells add up to the score, exactly.
                const auto exact = [sep](const QString& t) {
                    return ReadDecimal(t.toStdString(), sep, 3, 1'000'000'000).value_or(-1);
                };
                int64_t sum = 0;
                auto* set = Ctl<QTreeWidget>(*d, "lstBestSet");
                for (int r = 0; r < set->topLevelItemCount(); ++r)
                    if (!set->topLevelItem(r)->text(2).isEmpty()) sum += exact(set->topLevelItem(r)->text(2));
                QCOMPARE(sum, exact(score));
                QVERIFY(ui.Messages.isEmpty());
            }
            d->reject();
            QTRY_VERIFY(!v->findChild<QDialog*>("dlgBestSet"));
        }
        // The same rule in the table of abilities, which names the ability.
        ui.Messages.clear();
        QDialog* d = OpenBestSet();
        auto* table = Ctl<QTableWidget>(*d, "tblAbilityWeights");
        table->item(3, 1)->setText("1.234");
        QVERIFY(Search(d).isEmpty());
        QVERIFY(ui.Messages.value(0).contains('"' + table->item(3, 0)->text() + '"'));
        QVERIFY(ui.Errors.isEmpty());
    }

    void wearFromTheLists()
    {
        using testfiles::Fields;
        const std::string charm = testfiles::ItemLine("Odd Charm", Fields{{1, "110"}, {4, "1"}, {43, "1"}}) + "\r\n";
        dir.Write("Items.txt", EquipmentItems() + charm);  // armour that no slot takes
        Open();
        auto* tabs = Ctl<QTabWidget>(*v, "TDisplay");
        const auto rowOf = [&](QTreeView* list, const QString& name) {
            const QAbstractItemModel* m = list->model();
            for (int r = 0; r < m->rowCount(); ++r)
                if (m->index(r, 0).data().toString() == name) return m->index(r, 0);
            qFatal("no row %s", qPrintable(name));
        };
        const auto doubleClick = [](QTreeView* list, const QModelIndex& at) {  // a click, then the second press
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(at).center());
            QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(at).center());
        };
        const auto enter = [](QTreeView* list, const QModelIndex&) { QTest::keyClick(list, Qt::Key_Return); };
        const auto menu = [](QTreeView* list, const QModelIndex&) { Ctl<QAction>(*list, "actWear")->trigger(); };
        const struct {
            const char* List;
            const char* Item;
            std::function<void(QTreeView*, const QModelIndex&)> How;
            const char* Slot;
            const char* Enc;  // the set's encumbrance after
        } steps[] = {{"lstArmor", "Bronze Helm", doubleClick, "cbxHead", "20"},
                     {"lstArmor", "Brass Ring", enter, "cbxFinger1", "25"},
                     {"lstArmor", "Silver Ring", menu, "cbxFinger2", "30"},
                     {"lstWeapons", "Long Sword", enter, "cbxWeapon", "60"}};
        for (const auto& step : steps) {
            QTreeView* list = List(step.List);
            tabs->setCurrentWidget(list->parentWidget());
            const QModelIndex at = rowOf(list, step.Item);
            list->setCurrentIndex(at);
            list->setFocus();
            const QStringList before = Worn();
            step.How(list, at);
            QCOMPARE(Shown(step.Slot), step.Item);
            QCOMPARE(Text("edtEnc"), step.Enc);
            QVERIFY(Bold().contains(step.Item));
            QVERIFY(v->statusBar()->currentMessage().startsWith(QString("Wearing %1 (").arg(step.Item)));
            if (QString(step.Slot) == "cbxWeapon") QCOMPARE(Shown("cbxUWeapon"), step.Item);
            const QStringList after = Worn();
            Click("btnUndo");  // one step
            QCOMPARE(Worn(), before);
            Click("btnRedo");
            QCOMPARE(Worn(), after);
        }
        QVERIFY2(ui.Messages.isEmpty(), qPrintable(ui.Messages.join('|')));
        // What is worn already, and what no slot takes, change nothing and say so.
        QTreeView* armour = List("lstArmor");
        tabs->setCurrentWidget(armour->parentWidget());
        const QStringList worn = Worn();
        armour->setCurrentIndex(rowOf(armour, "Brass Ring"));
        menu(armour, {});
        QCOMPARE(v->statusBar()->currentMessage(), "Brass Ring is worn already (Finger1).");
        armour->setCurrentIndex(rowOf(armour, "Odd Charm"));
        menu(armour, {});
        QCOMPARE(Worn(), worn);
        QCOMPARE(ui.Messages.value(0), "Odd Charm is not worn in any slot.");
    }

    void wornMarksFollowEveryChange()
    {
        ui.SaveAnswer = ui.OpenAnswer = QString::fromStdString(dir.Path() + "/set.kreq");
        Edit("edtAlvl")->setText("");  // a level the filters read: every item stays usable
        const struct {
            const char* Action;
            std::function<void()> Run;
            bool Wears;  // whether something is worn afterwards
        } steps[] = {
            {"pick", [&] { Pick(Box("cbxHead"), "Bronze Helm"); }, true},
            {"reset", [&] { Click("btnreseteq"); }, true},
            {"paste",
             [&] {
                 ui.Clipboard = "Iron Helm (Head)\nBrass Ring (Finger)\nShort Sword (Weapon Hand)\n";
                 Click("btnCCB");
             },
             true},
            {"save, then pick",
             [&] {
                 Click("btnSave");
                 Pick(Box("cbxBack"), "Shadow Cloak");
             },
             true},
            {"load", [&] { Click("btnLoad"); }, true},
            {"reset all",
             [&] {
                 Check("chkRAll")->setChecked(true);
                 Click("btnreseteq");
                 Check("chkRAll")->setChecked(false);
             },
             false},
            {"pick, then filter",
             [&] {
                 Pick(Box("cbxHead"), "Iron Helm");
                 Click("btnEqFilter");
             },
             true},
            {"pick, then filter all",
             [&] {
                 Pick(Box("cbxWeapon"), "Long Sword");
                 Click("btnFilterAll");
             },
             true},
            {"best set",
             [&] {
                 QDialog* d = OpenBestSet();
                 QVERIFY(!Search(d).isEmpty());
                 Ctl<QPushButton>(*d, "btnBestApply")->click();
             },
             true},
        };
        for (const auto& step : steps) {
            step.Run();
            QVERIFY2(ui.Errors.isEmpty(), step.Action);
            QVERIFY2(Worn().isEmpty() != step.Wears, step.Action);
            QVERIFY2(Bold() == Worn(),
                     qPrintable(QString(step.Action) + ": " + Bold().join(",") + " / " + Worn().join(",")));
        }
        QCOMPARE(Shown("cbxHead"), QString("Bronze Helm"));  // the best set wears the helm again
    }
};

int RunSetChangesTest(int argc, char** argv)
{
    SetChangesTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "SetChangesTest.moc"
