// Planning ahead along the player's path: the upgrade path and the strength table from the
// Equipment page, their tables, plots, copies and "Wear", and the boxes that do not read.
#include "GuiTest.h"
#include "app/common/Bytes.h"
#include "equipment/UpgradePath.h"
#include "lists/LoadRecords.h"

#include <QChart>
#include <QChartView>
#include <QDialog>
#include <QLabel>
#include <QToolTip>
#include <QTreeWidget>
#include <QValueAxis>
#include <QXYSeries>

using namespace vantor;
using namespace testfiles;

namespace {

// Helms and a ring of rising levels; the mithril helm is too heavy for "None" at strength 100.
std::string LevelledItems()
{
    const auto armour = [](int number, const char* name, int worn, int weight, int acTenths, int level) {
        Fields f{{1, std::to_string(number)},
                 {4, std::to_string(weight)},
                 {43, std::to_string(worn)},
                 {30, std::to_string(acTenths)}};
        if (level > 0) f = f + Ability(1, 135, level);
        return ItemLine(name, f) + "\r\n";
    };
    return armour(1, "Leather Cap", 2, 5, 10, 0) + armour(2, "Iron Helm", 2, 20, 30, 5) +
           armour(3, "Gold Ring", 4, 1, 5, 8) + armour(4, "Mithril Helm", 2, 900, 50, 12);
}

QStringList Rows(QTreeWidget* table)
{
    QStringList rows;
    for (int r = 0; r < table->topLevelItemCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < table->columnCount(); ++c) cells << table->topLevelItem(r)->text(c);
        rows << cells.join(" | ");
    }
    return rows;
}

}  // namespace

class PlanTest : public QObject, WindowFixture {
    Q_OBJECT

    QDialog* OpenPlan()
    {
        Click("btnUpgradePath");
        auto* d = Ctl<QDialog>(*v, "dlgUpgradePath");
        if (!d->isVisible()) qFatal("the dialog is not shown");
        return d;
    }
    // Clicks a search button and waits for the answer; false when a message stopped it.
    bool Search(QDialog* d, const char* button)
    {
        const int before = ui.Messages.size();
        auto* b = Ctl<QPushButton>(*d, button);
        b->click();
        if (ui.Messages.size() > before) return false;
        if (!QTest::qWaitFor([b] { return b->isEnabled(); })) qFatal("no answer");
        return true;
    }
    void Close(QDialog* d)
    {
        d->reject();
        QTRY_VERIFY(!v->findChild<QDialog*>("dlgUpgradePath"));
    }

private slots:
    void init()
    {
        ui = FakeUserInterface();
        dir.Write("Items.txt", LevelledItems());
        Open();
        Ctl<QTabWidget>(*v, "TDisplay")->setCurrentWidget(Ctl<QWidget>(*v, "Equipment"));
    }
    void cleanup() { v.reset(); }

    void pathTablePlotCopyAndWear()
    {
        // The defaults: from 1 to the top panel's level, or to 75 with none typed.
        Type("edtAlvl", "");
        ui.Messages.clear();
        QDialog* d = OpenPlan();
        QCOMPARE(Ctl<QLineEdit>(*d, "edtPathFrom")->text(), QString("1"));
        QCOMPARE(Ctl<QLineEdit>(*d, "edtPathTo")->text(), QString("75"));
        QCOMPARE(Ctl<QComboBox>(*d, "cbxPathBound")->currentText(), QString("Medium"));
        QCOMPARE(Ctl<QComboBox>(*d, "cbxPathScale")->currentText(), QString("AC and DR"));
        Close(d);
        Type("edtAlvl", "10");
        Type("edtStrength", "100");
        d = OpenPlan();
        QCOMPARE(Ctl<QLineEdit>(*d, "edtPathTo")->text(), QString("10"));
        Ctl<QLineEdit>(*d, "edtPathTo")->setText("12");
        QVERIFY(Search(d, "btnPathSearch"));
        auto* table = Ctl<QTreeWidget>(*d, "lstUpgradePath");
        QCOMPARE(Rows(table),
                 (QStringList{"1 | 1 | the first level", "5 | 3 | Head: Leather Cap -> Iron Helm",
                              "8 | 3.5 | Finger1: *None* -> Gold Ring", "12 | 5.5 | Head: Iron Helm -> Mithril Helm"}));
        // The plot: the best score as a step line, the set worn now flat, the rows marked.
        QChart* chart = Ctl<QChartView>(*d, "chtUpgradePath")->chart();
        QCOMPARE(chart->series().size(), 3);
        QCOMPARE(chart->axes(Qt::Horizontal).value(0)->titleText(), QString("Level"));
        QCOMPARE(chart->axes(Qt::Vertical).value(0)->titleText(), QString("Score"));
        const auto* marks = qobject_cast<QXYSeries*>(chart->series()[2]);
        QCOMPARE(marks->count(), 4);
        QCOMPARE(marks->at(3), QPointF(12, 5.5));
        // The level axis ends at the range, ticked at whole levels; the plot takes most of the height.
        const auto* levels = qobject_cast<QValueAxis*>(chart->axes(Qt::Horizontal).value(0));
        QCOMPARE(QPointF(levels->min(), levels->max()), QPointF(1, 12));
        QCOMPARE(levels->tickInterval(), 2.0);
        QVERIFY(Ctl<QChartView>(*d, "chtUpgradePath")->height() > 2 * table->height());
        // Resting on the step line or a mark tells the level, its score and what changed.
        for (QAbstractSeries* series : {chart->series()[0], chart->series()[2]}) {
            QToolTip::hideText();
            emit qobject_cast<QXYSeries*>(series)->hovered(QPointF(9.2, 3.5), true);
            QCOMPARE(QToolTip::text(), QString("Level 9: 3.5\nFrom level 8: Finger1: *None* -> Gold Ring"));
        }
        // Copied as text, tab-separated with the header.
        Ctl<QPushButton>(*d, "btnPathCopy")->click();
        QCOMPARE(ui.Clipboard, QString("Level\tScore\tChanges\n1\t1\tthe first level\n5\t3\tHead: Leather Cap -> "
                                       "Iron Helm\n8\t3.5\tFinger1: *None* -> Gold Ring\n12\t5.5\tHead: Iron "
                                       "Helm -> Mithril Helm\n"));
        // "Wear" picks the selected level's set as a pick would: the totals follow.
        auto* wear = Ctl<QPushButton>(*d, "btnPathApply");
        QVERIFY(!wear->isEnabled());
        table->setCurrentItem(table->topLevelItem(2));
        wear->click();
        QTRY_VERIFY(!v->findChild<QDialog*>("dlgUpgradePath"));
        QCOMPARE(Shown("cbxHead"), QString("Iron Helm"));
        QCOMPARE(Shown("cbxFinger1"), QString("Gold Ring"));
        QCOMPARE(Text("edtAC"), QString("4.5"));  // with the page's "Misc. AC" of 1
        // After the equipment filter at level 10 the mithril helm is not offered: a message, no change.
        Click("btnEqFilter");
        d = OpenPlan();
        Ctl<QLineEdit>(*d, "edtPathTo")->setText("12");
        QVERIFY(Search(d, "btnPathSearch"));
        Ctl<QTreeWidget>(*d, "lstUpgradePath")->setCurrentItem(Ctl<QTreeWidget>(*d, "lstUpgradePath")->topLevelItem(3));
        Ctl<QPushButton>(*d, "btnPathApply")->click();
        QCOMPARE(ui.Messages.size(), 1);
        QVERIFY(ui.Messages[0].contains("level 12") && ui.Messages[0].contains("Head: Mithril Helm"));
        QVERIFY(d->isVisible());
        Close(d);
        QVERIFY(ui.Errors.isEmpty());
    }

    void strengthTable()
    {
        Type("edtAlvl", "12");
        Type("edtStrength", "60");
        QDialog* d = OpenPlan();
        Ctl<QTabWidget>(*d, "tabPlan")->setCurrentIndex(1);
        QCOMPARE(Ctl<QLineEdit>(*d, "edtStrFrom")->text(), QString("10"));
        QCOMPARE(Ctl<QLineEdit>(*d, "edtStrTo")->text(), QString("160"));
        QCOMPARE(Ctl<QLineEdit>(*d, "edtStrStep")->text(), QString("10"));
        QVERIFY(Search(d, "btnStrSearch"));
        auto* table = Ctl<QTreeWidget>(*d, "lstStrength");
        QCOMPARE(table->topLevelItemCount(), 16);
        // Each cell is the solver's answer at that strength and bound, at the top panel's level.
        ItemList items;
        SpellList spells;
        LoadRecords(dir.Path() + "/", spells, items, [] {});
        PlanQuestion q;
        q.Items = &items;
        q.Weights = BuiltInScales()[0];
        const StrengthTable truth = SolveStrengthTable(q, 12, 10, 160, 10);
        QStringList expected;
        for (const StrengthPoint& p : truth.Points) {
            QStringList cells{QString::number(p.Strength)};
            for (const auto& s : p.Scores) cells << (s ? FromBytes(ScoreText(*s)) : QString("no set"));
            expected << cells.join(" | ");
        }
        QCOMPARE(Rows(table), expected);
        QVERIFY(expected.join("").contains("5.5"));  // the heavy helm counts once strength carries it
        // Three lines, one a bound, and the top panel's strength upright; each answers a hover.
        QChart* chart = Ctl<QChartView>(*d, "chtStrength")->chart();
        QStringList names;
        for (QAbstractSeries* series : chart->series()) names << series->name();
        QCOMPARE(names, QStringList({"None", "Light", "Medium", "Your strength"}));
        QCOMPARE(qobject_cast<QXYSeries*>(chart->series()[3])->at(0).x(), 60.0);
        QToolTip::hideText();
        emit qobject_cast<QXYSeries*>(chart->series()[1])->hovered(QPointF(41, 1), true);
        QVERIFY2(QToolTip::text().startsWith("Strength 40<br>None: "), qPrintable(QToolTip::text()));
        QCOMPARE(Ctl<QLabel>(*d, "lblPathStatus")->text(), QString("16 strengths at level 12."));
        Ctl<QPushButton>(*d, "btnStrCopy")->click();
        QVERIFY(ui.Clipboard.startsWith("Strength\tNone\tLight\tMedium\n10\t"));
        QCOMPARE(ui.Clipboard.count('\n'), 17);
        Close(d);
    }

    void cancelStopsTheSearchThenCloses()
    {
        QDialog* d = OpenPlan();
        auto* search = Ctl<QPushButton>(*d, "btnPathSearch");
        auto* cancel = Ctl<QPushButton>(*d, "btnPathCancel");
        search->click();
        cancel->click();  // heeded at the search's first step
        QVERIFY(QTest::qWaitFor([search] { return search->isEnabled(); }));
        QCOMPARE(Ctl<QLabel>(*d, "lblPathStatus")->text(), QString("Search stopped."));
        QCOMPARE(Ctl<QTreeWidget>(*d, "lstUpgradePath")->topLevelItemCount(), 0);
        QVERIFY(d->isVisible());
        cancel->click();  // nothing runs: it closes
        QTRY_VERIFY(!v->findChild<QDialog*>("dlgUpgradePath"));
    }

    void boxesThatDoNotReadSearchNothing()
    {
        Type("edtAlvl", "10");
        const struct {
            const char* Box;
            const char* Typed;
            const char* Says;
        } rows[] = {
            {"edtPathFrom", "abc", "\"From level\" holds \"abc\""},
            {"edtPathFrom", "-2", "\"From level\" holds \"-2\""},
            {"edtPathTo", "1.5", "\"to\" holds \"1.5\""},
            {"edtPathTo", "", "\"to\" holds \"\""},
            {"edtPathFrom", "20", "from 20 down to 10"},
            {"edtPathTo", "600", "600 points; a plan takes at most 500"},
            {"edtStrFrom", "x", "\"Strength from\" holds \"x\""},
            {"edtStrStep", "0", "\"step\" must hold 1 or more"},
            {"edtStrTo", "5", "from 50 down to 5"},
            {"edtStrTo", "99999", "9995 points"},
        };
        for (const auto& row : rows) {
            ui.Messages.clear();
            QDialog* d = OpenPlan();
            Ctl<QLineEdit>(*d, "edtStrFrom")->setText("50");
            Ctl<QLineEdit>(*d, row.Box)->setText(row.Typed);
            const bool path = QByteArray(row.Box).startsWith("edtPath");
            QVERIFY(!Search(d, path ? "btnPathSearch" : "btnStrSearch"));
            QCOMPARE(ui.Messages.size(), 1);
            QVERIFY2(ui.Messages[0].contains(row.Says), qPrintable(ui.Messages[0]));
            QCOMPARE(Ctl<QTreeWidget>(*d, path ? "lstUpgradePath" : "lstStrength")->topLevelItemCount(), 0);
            Close(d);
        }
        // The strength table needs the level.
        Type("edtAlvl", "");
        ui.Messages.clear();  // the top panel's own word on an empty level
        QDialog* d = OpenPlan();
        QVERIFY(!Search(d, "btnStrSearch"));
        QVERIFY2(ui.Messages.value(0).contains("I am a level"), qPrintable(ui.Messages.join("/")));
        Close(d);
    }
};

int RunPlanTest(int argc, char** argv)
{
    PlanTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "PlanTest.moc"
