// The character on the real window: class presets, alignment boxes, the four filters, "Filter
// all", and equipment set files saved and loaded through the dialogs.
#include "GuiTest.h"
#include "domain/TestFiles.h"

#include <QCheckBox>
#include <QFile>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeView>

#include <filesystem>
#include <tuple>

using namespace vantor;
using testfiles::Ability;
using testfiles::Fields;
using testfiles::ItemLine;
using testfiles::SpellLine;
using testfiles::TempDir;
using testfiles::operator+;

namespace {

// Fields: 1 number, 5 type, 41 weapon type, 42 armour type, 43 worn; ability 97 Good, 135 MinLevel,
// 59 a class allowed.
void WriteCharacterData(const TempDir& dir)
{
    const auto item = [](int number, const char* name, Fields fields) {
        return ItemLine(name, Fields{{1, std::to_string(number)}} + fields) + "\r\n";
    };
    dir.Write("Items.txt", item(1, "Plate Helm", {{42, "9"}, {43, "2"}}) + item(2, "Silk Cap", {{42, "1"}, {43, "2"}}) +
                               item(3, "Good Ring", Fields{{43, "4"}} + Ability(1, 97, 1)) +
                               item(4, "Elder Robe", Fields{{42, "1"}, {43, "11"}} + Ability(1, 135, 80)) +
                               item(5, "Mage Staff", Fields{{5, "1"}, {41, "1"}} + Ability(1, 59, 12)) +
                               item(6, "War Axe", {{5, "1"}, {41, "3"}}) + item(7, "Dagger", {{5, "1"}, {41, "2"}}));
    dir.Write("spells.txt", SpellLine(10, "Spark", {{10, "1"}, {14, "1"}}) + "\n" +
                                SpellLine(11, "Blaze", {{10, "1"}, {14, "3"}}) + "\n" +
                                SpellLine(12, "Heal", {{10, "2"}, {14, "1"}}) + "\n");
}

QStringList Names(const QTreeView* list)
{
    QStringList out;
    for (int r = 0; r < list->model()->rowCount(); ++r) out << list->model()->index(r, 0).data().toString();
    out.sort();
    return out;
}

QByteArray ReadAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(missing)");
}

}  // namespace

class ProfileTest : public QObject, WindowFixture {
    Q_OBJECT

    QString Path(const char* name) { return QString::fromStdString(dir.Path() + "/" + name); }

private slots:
    void init()
    {
        ui = FakeUserInterface();
        WriteCharacterData(dir);
        Open();
    }
    void cleanup() { v.reset(); }

    void classPresetAndAlignmentBoxes()
    {
        Check("chknone")->setChecked(false);
        Pick(Ctl<QComboBox>(*v, "cbxAClass"), "Mage");
        for (const char* off :
             {"chkp", "chksc", "chkc", "chkl", "chkn", "chkNM", "chk1h", "chk2h", "chkE", "chkB", "chkNMW"})
            QVERIFY2(!Check(off)->isChecked(), off);
        for (const char* on : {"chksi", "chkM1", "chkM2", "chkM3"}) QVERIFY2(Check(on)->isChecked(), on);
        QVERIFY(!Check("chknone")->isChecked());  // not the preset's
        Pick(Ctl<QComboBox>(*v, "cbxAClass"), "Witchunter");
        QVERIFY(Check("chkNM")->isChecked() && Check("chkNMW")->isChecked() && !Check("chkp")->isChecked());
        QVERIFY(Check("chksc")->isChecked() && !Check("chkM1")->isChecked());

        Ctl<QCheckBox>(*v, "chkGood")->setChecked(true);
        Ctl<QCheckBox>(*v, "chkEvil")->setChecked(true);
        QVERIFY(!Ctl<QCheckBox>(*v, "chkGood")->isChecked() && Ctl<QCheckBox>(*v, "chkEvil")->isChecked());
        Ctl<QCheckBox>(*v, "chkEvil")->setChecked(false);
        QVERIFY(!Ctl<QCheckBox>(*v, "chkGood")->isChecked() && !Ctl<QCheckBox>(*v, "chkNeutral")->isChecked());
    }

    void filtersRebuildTheListsFromAllRecords()
    {
        Pick(Ctl<QComboBox>(*v, "cbxAClass"), "Mage");
        Click("btnFA");
        QCOMPARE(Names(List("lstArmor")), QStringList({"Good Ring", "Silk Cap"}));  // no plate; the robe wants level 80
        Click("btnFW");
        QCOMPARE(Names(List("lstWeapons")), QStringList({"Mage Staff"}));
        Click("btnFiltSpells");
        QCOMPARE(Names(List("lstDisplaySpell")), QStringList({"Blaze", "Spark"}));
        Check("chkM3")->setChecked(false);
        Click("btnFiltSpells");
        QCOMPARE(Names(List("lstDisplaySpell")), QStringList({"Spark"}));
        // The resets bring every record back, in the list's sort order.
        List("lstWeapons")->header()->sectionClicked(0);
        Click("btnResetW");
        QCOMPARE(List("lstWeapons")->model()->index(0, 0).data().toString(), QString("War Axe"));
        QCOMPARE(List("lstWeapons")->model()->rowCount(), 3);
        Click("btnResetA");
        QCOMPARE(List("lstArmor")->model()->rowCount(), 4);
        Click("btnRspells");
        QCOMPARE(List("lstDisplaySpell")->model()->rowCount(), 3);
        // Alignment and level.
        Pick(Ctl<QComboBox>(*v, "cbxAClass"), "(any)");
        Ctl<QLineEdit>(*v, "edtAlvl")->setText("90");
        Ctl<QCheckBox>(*v, "chkEvil")->setChecked(true);
        Click("btnFA");
        QCOMPARE(Names(List("lstArmor")), QStringList({"Elder Robe", "Plate Helm", "Silk Cap"}));
        QVERIFY(ui.Errors.isEmpty());
    }

    void filterAllAndTheEquipmentFilter()
    {
        Pick(Ctl<QComboBox>(*v, "cbxWeapon"), "War Axe");
        const QString enc = Ctl<QLineEdit>(*v, "edtEnc")->text();
        Pick(Ctl<QComboBox>(*v, "cbxAClass"), "Mage");
        Click("btnFilterAll");
        QCOMPARE(Entries(Ctl<QComboBox>(*v, "cbxWeapon")), QStringList({"*None*", "Mage Staff"}));
        QCOMPARE(Entries(Ctl<QComboBox>(*v, "cbxHead")), QStringList({"*None*", "Silk Cap"}));
        QCOMPARE(Entries(Ctl<QComboBox>(*v, "cbxUWeapon")).size(), 4);  // the swing calculator keeps them all
        QCOMPARE(Shown("cbxWeapon"), QString("*None*"));
        QCOMPARE(Ctl<QLineEdit>(*v, "edtEnc")->text(), enc);  // the totals wait for the next pick
        QCOMPARE(Names(List("lstWeapons")), QStringList({"Mage Staff"}));
        QCOMPARE(Names(List("lstDisplaySpell")), QStringList({"Blaze", "Spark"}));
        QCOMPARE(Names(List("lstArmor")), QStringList({"Good Ring", "Silk Cap"}));
        Pick(Ctl<QComboBox>(*v, "cbxWeapon"), "Mage Staff");
        QCOMPARE(Shown("cbxUWeapon"), QString("Mage Staff"));

        // A level that cannot be read: one error, and no list changes at all.
        Pick(Ctl<QComboBox>(*v, "cbxAClass"), "(any)");
        Ctl<QLineEdit>(*v, "edtAlvl")->setText("6-5");
        QCOMPARE(ui.Errors.size(), 1);  // the level box's own handler says so first
        ui.Errors.clear();
        Click("btnFilterAll");
        QCOMPARE(ui.Errors, QStringList({"'06-5' is not a valid integer value"}));
        QCOMPARE(Shown("cbxWeapon"), QString("Mage Staff"));
        QCOMPARE(Entries(Ctl<QComboBox>(*v, "cbxHead")).size(), 2);
        QCOMPARE(Names(List("lstWeapons")), QStringList({"Mage Staff"}));
        QCOMPARE(Names(List("lstDisplaySpell")), QStringList({"Blaze", "Spark"}));
        // Each filter alone: the armour filter reads the level first, the spell filter not at all.
        Click("btnFA");
        QCOMPARE(List("lstArmor")->model()->rowCount(), 0);
        Click("btnFiltSpells");
        QCOMPARE(List("lstDisplaySpell")->model()->rowCount(), 3);
        QCOMPARE(ui.Errors.size(), 2);
        QVERIFY(QApplication::overrideCursor() == nullptr);
    }

    void abilityConditionsNarrowTheItemLists()
    {
        // Field 30 armour class in tenths; abilities 27 Stealth, 22 and 105 both "Accuracy".
        const auto item = [](int number, const char* name, Fields fields) {
            return ItemLine(name, Fields{{1, std::to_string(number)}} + fields) + "\r\n";
        };
        dir.Write("Items.txt", item(1, "Plate Helm", {{42, "9"}, {43, "2"}, {30, "25"}}) +
                                   item(2, "Silk Cap", Fields{{42, "1"}, {43, "2"}} + Ability(1, 27, 5)) +
                                   item(3, "Keen Ring", Fields{{43, "4"}} + Ability(1, 22, 3) + Ability(2, 105, 2)) +
                                   item(4, "Dagger", Fields{{5, "1"}, {41, "2"}} + Ability(1, 27, 5)) +
                                   item(5, "War Axe", Fields{{5, "1"}, {41, "3"}} + Ability(1, 27, -2)) +
                                   item(6, "Staff", {{5, "1"}, {41, "1"}}));
        Open();
        QCOMPARE(Entries(Box("cbxAbility1")).mid(0, 10),
                 QStringList({"(none)", "AC", "DR", "Accuracy", "Crits", "Stealth", "MR", "Dodge", "Max Dmg", "AC"}));
        QCOMPARE(Entries(Box("cbxAbilityOp2W")), QStringList({">=", "<=", "="}));
        const auto pickLast = [](QComboBox* box, const QString& text) {
            int i = box->count() - 1;
            while (i > 0 && box->itemText(i) != text) --i;
            box->setCurrentIndex(i - 1);
            QTest::keyClick(box, Qt::Key_Down);
            QCOMPARE(box->currentText(), text);
        };

        Pick(Box("cbxAbility1"), "Stealth");
        Type("edtAbilityValue1", "5");
        Click("btnFA");
        QCOMPARE(Names(List("lstArmor")), QStringList({"Silk Cap"}));
        // AC to a tenth, and every row must hold.
        Pick(Box("cbxAbilityOp1"), "<=");
        Type("edtAbilityValue1", "0");
        Pick(Box("cbxAbility2"), "AC");
        Type("edtAbilityValue2", "2.5");
        Click("btnFA");
        QCOMPARE(Names(List("lstArmor")), QStringList({"Plate Helm"}));
        Type("edtAbilityValue2", "2.6");
        Click("btnFA");
        QCOMPARE(Names(List("lstArmor")), QStringList());
        // An ability by name adds up every code of the name.
        Pick(Box("cbxAbility1"), "(none)");
        Pick(Box("cbxAbility2"), "(none)");
        pickLast(Box("cbxAbility3"), "Accuracy");
        Pick(Box("cbxAbilityOp3"), "=");
        Type("edtAbilityValue3", "5");
        Click("btnFA");
        QCOMPARE(Names(List("lstArmor")), QStringList({"Keen Ring"}));

        // "Filter all" narrows both lists by their own rows, and not the slot lists.
        Pick(Box("cbxAbility1W"), "Stealth");
        Type("edtAbilityValue1W", "5");
        Click("btnFilterAll");
        QCOMPARE(Names(List("lstWeapons")), QStringList({"Dagger"}));
        QCOMPARE(Names(List("lstArmor")), QStringList({"Keen Ring"}));
        QCOMPARE(Entries(Box("cbxHead")), QStringList({"*None*", "Plate Helm", "Silk Cap"}));
        Pick(Box("cbxAbilityOp1W"), "<=");
        Type("edtAbilityValue1W", "-2");
        // Enter in a value box runs the page's filter, not its search.
        Ctl<QTabWidget>(*v, "TDisplay")->setCurrentWidget(Ctl<QWidget>(*v, "TabSheet2"));
        QApplication::setActiveWindow(v.get());
        Edit("edtAbilityValue1W")->setFocus();
        QTest::keyClick(Edit("edtAbilityValue1W"), Qt::Key_Return);
        QCOMPARE(Names(List("lstWeapons")), QStringList({"War Axe"}));
        QVERIFY(ui.Messages.isEmpty());

        // A value that does not read: the box is named, the list stays.
        for (const auto& [box, text, kind] : {std::tuple{"edtAbilityValue1W", "abc", "a whole number"},
                                              std::tuple{"edtAbilityValue1W", "", "a whole number"},
                                              std::tuple{"edtAbilityValue1W", "1.5", "a whole number"}}) {
            ui.Messages.clear();
            Type(box, text);
            Click("btnFW");
            QCOMPARE(ui.Messages, QStringList({QString("The value box of condition 1 (Stealth <=) holds \"%1\", "
                                                       "which is not %2.")
                                                   .arg(text, kind)}));
            QCOMPARE(Names(List("lstWeapons")), QStringList({"War Axe"}));
            QVERIFY(QApplication::focusWidget() == nullptr || QApplication::focusWidget() == Edit(box));
        }
        ui.Messages.clear();
        Pick(Box("cbxAbility2"), "DR");
        Type("edtAbilityValue2", "0.25");
        Click("btnFilterAll");  // each list's own box: the weapons' message, then the armour's
        QCOMPARE(ui.Messages.size(), 2);
        QVERIFY(ui.Messages[1].startsWith("The value box of condition 2 (DR >=) holds \"0.25\""));
        QVERIFY(ui.Messages[1].endsWith("a number with at most one decimal."));
        QCOMPARE(Names(List("lstArmor")), QStringList({"Keen Ring"}));
        QVERIFY(ui.Errors.isEmpty());

        // Reset: every row back to "(none)", every item back.
        Click("btnResetW");
        for (const char* box : {"cbxAbility1W", "cbxAbility2W", "cbxAbility3W"})
            QCOMPARE(Shown(box), QString("(none)"));
        QCOMPARE(List("lstWeapons")->model()->rowCount(), 3);
        Click("btnFW");
        QCOMPARE(List("lstWeapons")->model()->rowCount(), 3);
        Click("btnResetA");
        QCOMPARE(Shown("cbxAbility3"), QString("(none)"));
        Click("btnFA");
        QCOMPARE(List("lstArmor")->model()->rowCount(), 3);
        QVERIFY(ui.Messages.size() == 2 && ui.Errors.isEmpty());
    }

    void saveAndLoadASet()
    {
        Pick(Ctl<QComboBox>(*v, "cbxHead"), "Plate Helm");
        Pick(Ctl<QComboBox>(*v, "cbxWeapon"), "War Axe");
        Pick(Ctl<QComboBox>(*v, "cbxAClass"), "Warrior");
        Ctl<QCheckBox>(*v, "chkNeutral")->setChecked(true);
        Ctl<QLineEdit>(*v, "edtUagil")->setText("50");
        ui.SaveAnswer = " " + Path("gear.txt") + " ";
        Click("btnSave");
        QCOMPARE(ui.Filters.value(0), QString("Equiment files (*.kreq)|*.kreq"));
        QCOMPARE(ReadAll(Path("gear.kreq")),
                 QByteArray("cbxHead=1\r\ncbxWeapon=6\r\nedtEenc=0\r\nedtEncM=0\r\n"
                            "edtStrength=100\r\nedtMiscAC=1\r\nLevel=65\r\nClass=Warrior\r\n"
                            "Agility=50\r\nAlignment=N\r\n"));
        QVERIFY(!QFile::exists(Path("gear.txt")));

        // Another character, another set; the file brings the first back.
        Pick(Ctl<QComboBox>(*v, "cbxAClass"), "Mage");
        Ctl<QLineEdit>(*v, "edtAlvl")->setText("10");
        Ctl<QCheckBox>(*v, "chkGood")->setChecked(true);
        Type("edtUagil", "70");
        Pick(Ctl<QComboBox>(*v, "cbxHead"), "Silk Cap");
        ui.OpenAnswer = Path("gear.kreq");
        Click("btnLoad");
        QVERIFY(ui.Errors.isEmpty());
        QCOMPARE(Ctl<QComboBox>(*v, "cbxAClass")->currentText(), QString("Warrior"));
        QCOMPARE(Ctl<QLineEdit>(*v, "edtAlvl")->text(), QString("65"));
        QCOMPARE(Text("edtUagil"), QString("50"));
        QVERIFY(Ctl<QCheckBox>(*v, "chkNeutral")->isChecked() && !Ctl<QCheckBox>(*v, "chkGood")->isChecked());
        QCOMPARE(Shown("cbxHead"), QString("Plate Helm"));
        QCOMPARE(Shown("cbxWeapon"), QString("War Axe"));
        QCOMPARE(Shown("cbxUWeapon"), QString("War Axe"));
        // "Filter all" ran with the weapon boxes as the Mage preset left them: a restored class
        // presets nothing.
        QCOMPARE(List("lstWeapons")->model()->rowCount(), 0);
        QVERIFY(!Check("chk1h")->isChecked());
        QCOMPARE(Ctl<QComboBox>(*v, "cbxHead")->toolTip(), QString("None"));

        // Lenient reading: any case, any order, CR-only line ends; the last of two head lines wins;
        // a class the list lacks keeps the class; a lower-case alignment ticks nothing.
        dir.Write("odd.kreq", "ALIGNMENT=n\rclass=Nobody\rCBXHEAD=1\rcbxhead=2\rLEVEL= 70 \rjunk\rcbxFeet=x\r"
                              "cbxNeck=99999999999\r");
        ui.OpenAnswer = Path("odd.kreq");
        Click("btnLoad");
        QVERIFY(ui.Errors.isEmpty());
        QCOMPARE(Ctl<QComboBox>(*v, "cbxAClass")->currentText(), QString("Warrior"));
        QCOMPARE(Ctl<QLineEdit>(*v, "edtAlvl")->text(), QString("70"));
        QVERIFY(!Ctl<QCheckBox>(*v, "chkGood")->isChecked() && !Ctl<QCheckBox>(*v, "chkNeutral")->isChecked() &&
                !Ctl<QCheckBox>(*v, "chkEvil")->isChecked());
        QCOMPARE(Shown("cbxHead"), QString("Silk Cap"));
        QCOMPARE(Shown("cbxWeapon"), QString("*None*"));
    }

    void setFilesThatCannotBeUsed()
    {
        Pick(Ctl<QComboBox>(*v, "cbxHead"), "Plate Helm");
        std::filesystem::create_directory(dir.Path() + "/folder.kreq");
        dir.Write("big.kreq", std::string(100000, 'x'));
        dir.Write("binary.kreq", std::string("\0\x01\xff=\n\0cbxHead=\x80", 16));
        dir.Write("empty.kreq", "");
        dir.Write("minus.kreq", "edtStrength=-5\r\ncbxHead=2\r\n");
        const struct {
            const char* File;
            const char* Error;  // the start of the error box, or "" for none
            const char* Head;   // the head slot afterwards
        } cases[] = {
            {"nothing.kreq", "", "Plate Helm"},  // no such file: nothing happens
            {"folder.kreq", "Cannot open file", "Plate Helm"},
            {"big.kreq", "Cannot load file", "Plate Helm"},
            {"minus.kreq", "'0-5' is not a valid integer value", "Plate Helm"},  // stops before the filter
            {"empty.kreq", "Cannot load file", "Plate Helm"},                    // no set file: the set stays
            {"binary.kreq", "", "*None*"},
        };
        for (const auto& c : cases) {
            ui.Errors.clear();
            ui.OpenAnswer = Path(c.File);
            Click("btnLoad");
            QCOMPARE(ui.Errors.value(0).left(static_cast<int>(strlen(c.Error))), QString(c.Error));
            QCOMPARE(ui.Errors.size(), c.Error[0] ? 1 : 0);
            if (c.Error[0] && strncmp(c.Error, "Cannot", 6) == 0) QVERIFY(ui.Errors[0].contains(Path(c.File)));
            QCOMPARE(Shown("cbxHead"), QString(c.Head));
            QVERIFY(QApplication::overrideCursor() == nullptr);
        }
        ui.OpenAnswer.clear();  // cancelled
        Click("btnLoad");

        // A folder that cannot be written: the error names the file, nothing is left behind.
        ui.Errors.clear();
        ui.SaveAnswer = Path("no/such/folder/gear");
        Click("btnSave");
        QCOMPARE(ui.Errors.size(), 1);
        QVERIFY(ui.Errors[0].startsWith("Cannot create file \"" + Path("no/such/folder/gear.kreq")));
        // The ".kreq" the program added names an existing file: it asks, and "No" keeps the file.
        dir.Write("kept.kreq", "old");
        ui.SaveAnswer = Path("kept.txt");
        ui.ConfirmAnswer = false;
        Click("btnSave");
        QCOMPARE(ui.Questions.size(), 1);
        QCOMPARE(ReadAll(Path("kept.kreq")), QByteArray("old"));
        ui.ConfirmAnswer = true;
        Click("btnSave");
        QVERIFY(!ReadAll(Path("kept.kreq")).contains("cbxHead"));  // the loads above emptied the head
        QVERIFY(ReadAll(Path("kept.kreq")).contains("Alignment=-"));
        // The name as confirmed in the dialog is replaced without a second question.
        ui.SaveAnswer = Path("kept.kreq");
        Click("btnSave");
        QCOMPARE(ui.Questions.size(), 2);
    }
};

int RunProfileTest(int argc, char** argv)
{
    ProfileTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "ProfileTest.moc"
