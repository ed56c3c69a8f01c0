// The set along the player's path: best-set weights as typed, and the worn marks after every way
// the slots change.
#include "GuiTest.h"
#include "app/common/Bytes.h"
#include "app/common/Widgets.h"
#include "data/Decimal.h"
#include "equipment/BestSet.h"
#include "lists/LoadRecords.h"

#include <QDialog>
#include <QFont>
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
