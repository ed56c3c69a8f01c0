// Scales along the player's path: the gain of every item following the set and the scale, scales
// added, edited, shared and kept, a damaged settings file kept aside, the best set and the
// comparison under the scale.
#include "GuiTest.h"
#include "app/common/Bytes.h"
#include "equipment/BestSet.h"
#include "lists/LoadRecords.h"

#include <QAction>
#include <QColor>
#include <QDialog>
#include <QStatusBar>
#include <QTableWidget>

using namespace vantor;

class ScalesTest : public QObject, WindowFixture {
    Q_OBJECT

    QWidget* Page(const char* name) { return Ctl<QWidget>(*v, name); }
    // The gain the list shows for an item, and its colour.
    QModelIndex GainCell(const char* list, const QString& item)
    {
        const QAbstractItemModel* m = List(list)->model();
        int gain = 0;
        while (gain < m->columnCount() && m->headerData(gain, Qt::Horizontal).toString() != "Gain") ++gain;
        for (int r = 0; r < m->rowCount(); ++r)
            if (m->index(r, 0).data().toString() == item) return m->index(r, gain);
        qFatal("no row %s", qPrintable(item));
    }
    QString Gain(const char* list, const QString& item) { return GainCell(list, item).data().toString(); }
    void PickScale(const QString& scale) { Pick(Ctl<QComboBox>(*Page("Equipment"), "cbxScale"), scale); }
    QDialog* OpenScales()
    {
        Ctl<QPushButton>(*Page("Equipment"), "btnScales")->click();
        return Ctl<QDialog>(*v, "dlgScales");
    }
    QLineEdit* In(QDialog* d, const char* name) { return Ctl<QLineEdit>(*d, name); }

private slots:
    void init()
    {
        ui = FakeUserInterface();
        dir.Write("Items.txt", EquipmentItems());
        Open();
    }
    void cleanup() { v.reset(); }

    void gainsFollowTheSetAndTheScale()
    {
        QCOMPARE(List("lstArmor")->model()->headerData(11, Qt::Horizontal).toString(), QString("Gain"));
        QCOMPARE(List("lstWeapons")->model()->headerData(12, Qt::Horizontal).toString(), QString("Gain"));
        const struct {
            std::function<void()> Change;
            std::vector<std::pair<const char*, const char*>> Gains;  // armour items and their gains
        } steps[] = {
            {[] {}, {{"Bronze Helm", "+2.5"}, {"Iron Helm", "0"}, {"Shadow Cloak", "+0.3"}, {"Brass Ring", "0"}}},
            {[&] { Pick(Box("cbxHead"), "Bronze Helm"); },
             {{"Bronze Helm", "0"}, {"Iron Helm", "-2.5"}, {"Lead Crown", "-2.5"}}},
            // The thief's scale: AC 1, accuracy 1, stealth 3, dodge 2.
            {[&] { PickScale("Thief: stealth and dodge"); },
             {{"Iron Helm", "-20.5"}, {"Shadow Cloak", "-15"}, {"Brass Ring", "+1"}, {"Silver Ring", "0"}}},
            {[&] { Pick(Box("cbxFinger1"), "Brass Ring"); }, {{"Brass Ring", "0"}, {"Silver Ring", "0"}}},
        };
        for (const auto& step : steps) {
            step.Change();
            for (const auto& [item, gain] : step.Gains) QCOMPARE(Gain("lstArmor", item), QString(gain));
        }
        QCOMPARE(Gain("lstWeapons", "Long Sword"), QString("0"));
        // A gain above nothing is green; every scale picker shows the one scale.
        Pick(Box("cbxFinger1"), "*None*");
        QCOMPARE(GainCell("lstArmor", "Brass Ring").data(Qt::ForegroundRole).value<QColor>(), QColor(0, 110, 0));
        QCOMPARE(Ctl<QComboBox>(*Page("TabSheet1"), "cbxScale")->currentText(), QString("Thief: stealth and dodge"));
        // Sorted by gain, the list follows the set.
        Ctl<QTabWidget>(*v, "TDisplay")->setCurrentWidget(Page("TabSheet1"));
        // The gain stands after the name, in sight in the smallest window; its first click puts the
        // largest gain first, the next the lowest.
        v->resize(710, 560);
        QHeaderView* header = List("lstArmor")->header();
        QCOMPARE(header->visualIndex(11), 1);
        QVERIFY(header->sectionViewportPosition(11) + header->sectionSize(11) <= List("lstArmor")->viewport()->width());
        ClickHeader(List("lstArmor"), 11);
        QCOMPARE(List("lstArmor")->model()->index(0, 0).data().toString(), QString("Brass Ring"));  // +1: largest
        ClickHeader(List("lstArmor"), 11);
        QCOMPARE(List("lstArmor")->model()->index(0, 0).data().toString(), QString("Iron Helm"));  // -20.5: lowest
        Ctl<QTabWidget>(*v, "TDisplay")->setCurrentWidget(Page("Equipment"));
        Pick(Box("cbxHead"), "*None*");
        Ctl<QTabWidget>(*v, "TDisplay")->setCurrentWidget(Page("TabSheet1"));
        QCOMPARE(List("lstArmor")->model()->index(0, 0).data().toString(), QString("Shadow Cloak"));  // now -15
        QCOMPARE(Gain("lstArmor", "Bronze Helm"), QString("+20.5"));
        // The comparison counts the scale too.
        List("lstArmor")->setCurrentIndex(GainCell("lstArmor", "Bronze Helm").siblingAtColumn(0));
        List("lstArmor")->findChild<QAction*>("actCompare")->trigger();
        QCOMPARE(Ctl<QLabel>(*Ctl<QDialog>(*v, "dlgCompare"), "lblCompareScore")->text(),
                 QString("Score under \"Thief: stealth and dodge\": 0 now, 20.5 after the swap (+20.5)"));
        QVERIFY(ui.Errors.isEmpty());
    }

    void scalesAreEditedSharedAndKept()
    {
        QDialog* d = OpenScales();
        QVERIFY(In(d, "edtWeightAC")->isReadOnly());  // a built-in scale is shown, not edited
        ui.TextAnswers = {"Tank"};
        Ctl<QPushButton>(*d, "btnScaleAdd")->click();
        const std::pair<const char*, const char*> typed[] = {
            {"edtWeightAC", "1"}, {"edtWeightDR", "1.5"}, {"edtWeightStealth", "0.5"}, {"edtCapStealth", "60"}};
        for (const auto& [box, text] : typed) In(d, box)->setText(text);
        auto* table = Ctl<QTableWidget>(*d, "tblAbilityWeights");
        for (int r = 0; r < table->rowCount(); ++r)
            if (table->item(r, 0)->text() == "Resist Fire") table->item(r, 1)->setText("0.25");
        Ctl<QPushButton>(*d, "btnScaleCopyText")->click();
        QCOMPARE(ui.Clipboard,
                 QString("( Vantor scale v1: \"Tank\": AC=1, DR=1.5, Stealth=0.5 max 60, \"Resist Fire\"=0.25 )"));
        // Names and numbers that will not do: a message, nothing changes.
        const struct {
            std::function<void()> Do;
            const char* Message;  // a part of it
        } refused[] = {
            {[&] {
                 ui.TextAnswers = {"Tank"};
                 Ctl<QPushButton>(*d, "btnScaleCopy")->click();
             },
             "is there already"},
            {[&] {
                 ui.Clipboard = "Tank: AC=1";
                 Ctl<QPushButton>(*d, "btnScalePaste")->click();
             },
             "no scale in the text"},
            {[&] {
                 ui.Clipboard = "( Vantor scale v1: \"Odd\": Luck=2 )";
                 Ctl<QPushButton>(*d, "btnScalePaste")->click();
             },
             "\"Luck\" is no feature"},
            {[&] {
                 In(d, "edtWeightDodge")->setText("x");
                 Ctl<QPushButton>(*d, "btnScalesOk")->click();
             },
             "\"Dodge\" does not read: \"x\""},
            {[&] {
                 In(d, "edtWeightDodge")->setText("0");
                 In(d, "edtCapAC")->setText("1.25");
                 Ctl<QPushButton>(*d, "btnScalesOk")->click();
             },
             "cap for \"AC\" does not read: \"1.25\""},
            {[&] {
                 In(d, "edtCapAC")->setText("");
                 In(d, "edtCapStealth")->setText("-2");
                 Ctl<QPushButton>(*d, "btnScalesOk")->click();
             },
             "cap for \"Stealth\" does not read: \"-2\""},
        };
        for (const auto& r : refused) {
            ui.Messages.clear();
            r.Do();
            QVERIFY2(ui.Messages.size() == 1 && ui.Messages[0].contains(r.Message), qPrintable(ui.Messages.join("|")));
            QVERIFY(d->isVisible());
        }
        ui.Messages.clear();
        In(d, "edtCapAC")->setText("");
        In(d, "edtCapStealth")->setText("");
        ui.Clipboard = "gz says: ( Vantor scale v1: \"Scout\": Stealth=2 max 40 ) ok?";
        Ctl<QPushButton>(*d, "btnScalePaste")->click();
        QCOMPARE(In(d, "edtCapStealth")->text(), QString("40"));
        QCOMPARE(v->statusBar()->currentMessage(), "Scale pasted: Scout");
        Ctl<QPushButton>(*d, "btnScalesOk")->click();
        QTRY_VERIFY(!v->findChild<QDialog*>("dlgScales"));
        QVERIFY(Entries(Ctl<QComboBox>(*Page("TabSheet2"), "cbxScale")).contains("Tank"));
        PickScale("Tank");

        // Kept: a new window on the same settings starts with them.
        v.reset();
        v = std::make_unique<TViewer>(ui, QString::fromStdString(dir.Path()));
        QCOMPARE(Ctl<QComboBox>(*Page("Equipment"), "cbxScale")->currentText(), QString("Tank"));
        QVERIFY(Entries(Ctl<QComboBox>(*Page("Equipment"), "cbxScale")).contains("Scout"));
        d = OpenScales();
        QCOMPARE(In(d, "edtWeightDR")->text(), QString("1.5"));
        QVERIFY(!In(d, "edtWeightDR")->isReadOnly());
        QVERIFY(ui.Messages.isEmpty() && ui.Errors.isEmpty());
    }

    void damagedSettingsAreKeptAside()
    {
        const struct {
            QByteArray Content;
            const char* Why;
        } files[] = {
            {QByteArray("\xff\x00\x01[[[=\n", 8), "damaged or not this program's"},
            {"[format]\nprogram=vantor-viewer\nversion=9\n", "later version"},
            {"[format]\nprogram=vantor-viewer\nversion=1\n[scales]\n1\\text=( Vantor scale v1: \"A\": Luck=1 )\n",
             "does not read"},
            {"[General]\ncolour=blue\n", "not this program's"}};
        for (const auto& f : files) {
            v.reset();
            ForgetSettings();
            QDir().mkpath(QFileInfo(SettingsPath()).absolutePath());
            QFile file(SettingsPath());
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(f.Content);
            file.close();
            v = std::make_unique<TViewer>(ui, QString::fromStdString(dir.Path()));
            const QString notice = v->statusBar()->currentMessage();
            QVERIFY2(notice.contains(f.Why) && notice.contains("kept as"), qPrintable(notice));
            QCOMPARE(Ctl<QComboBox>(*Page("Equipment"), "cbxScale")->currentText(), QString("AC and DR"));
            const QStringList kept = QFileInfo(SettingsPath()).dir().entryList({"settings.ini.kept-*"});
            QCOMPARE(kept.size(), 1);
            QFile aside(QFileInfo(SettingsPath()).dir().filePath(kept[0]));
            QVERIFY(aside.open(QIODevice::ReadOnly));
            QCOMPARE(aside.readAll(), f.Content);  // nothing of it lost
        }
    }

    void bestSetStartsFromTheScale()
    {
        PickScale("Thief: stealth and dodge");
        Ctl<QPushButton>(*v, "btnBestSet")->click();
        auto* d = Ctl<QDialog>(*v, "dlgBestSet");
        QCOMPARE(Ctl<QLineEdit>(*d, "edtWeightStealth")->text(), QString("3"));
        QCOMPARE(Ctl<QLineEdit>(*d, "edtCapStealth")->text(), QString());
        // With stealth capped at 2, the bronze helm's 5 counts as 2: the solver's own answer.
        Ctl<QLineEdit>(*d, "edtCapStealth")->setText("2");
        Ctl<QPushButton>(*d, "btnBestSearch")->click();
        QVERIFY(QTest::qWaitFor([d] { return Ctl<QPushButton>(*d, "btnBestSearch")->isEnabled(); }));
        ItemList items;
        SpellList spells;
        LoadRecords(dir.Path() + "/", spells, items, [] {});
        SlotLists lists;
        FillSlotLists(items, {}, lists, nullptr);
        BestSetQuestion q;
        q.Lists = &lists;
        q.Strength = 100;
        q.Weights = BuiltInScales()[2];
        q.Weights.Features[kStealth].CapTenths = 20;
        QCOMPARE(Ctl<QLineEdit>(*d, "edtBestScore")->text(), QString::fromStdString(ScoreText(SolveBestSet(q).Score)));
        // Kept as a scale of the player's.
        ui.TextAnswers = {"Capped thief"};
        Ctl<QPushButton>(*d, "btnBestSaveScale")->click();
        QVERIFY(Entries(Ctl<QComboBox>(*Page("Equipment"), "cbxScale")).contains("Capped thief"));
        QVERIFY(ui.Messages.isEmpty() && ui.Errors.isEmpty());
    }
};

int RunScalesTest(int argc, char** argv)
{
    ScalesTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "ScalesTest.moc"
