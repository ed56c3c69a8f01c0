// The calculators on the real window, and what feeds them: the class, the level, the equipment.
#include "GuiTest.h"
#include "domain/TestFiles.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

using namespace vantor;
using testfiles::ItemLine;
using testfiles::SpellLine;
using testfiles::TempDir;

namespace {

// A weapon of speed 1200 wanting strength 50 (fields 46, 47); two lasting spells of a mage
// (caster 10, mana 11, magic level 14, targets 36, duration 37, code 39).
void WriteCalculatorData(const TempDir& dir)
{
    dir.Write("Items.txt", ItemLine("Axe", {{1, "7"}, {5, "1"}, {46, "50"}, {47, "1200"}}) + "\r\n" +
                               ItemLine("Slug", {{1, "8"}, {5, "1"}, {47, "0"}}) + "\r\n");
    dir.Write("spells.txt",
              SpellLine(40, "Ward", {{10, "1"}, {11, "10"}, {14, "1"}, {36, "1"}, {37, "30"}, {39, "ward"}}) + "\n" +
                  SpellLine(41, "Bolt", {{10, "1"}, {11, "10"}, {36, "5"}, {37, "30"}, {39, "bolt"}}) + "\n" +
                  SpellLine(42, "Prayer", {{10, "2"}, {11, "5"}, {36, "13"}, {37, "10"}, {39, "pray"}}) + "\n");
}

}  // namespace

class UtilitiesTest : public QObject, WindowFixture {
    Q_OBJECT

    QString Rounds()
    {
        QStringList r;
        for (int i = 1; i <= 10; ++i) r << Text(QByteArray("edtU" + QByteArray::number(i)).constData());
        return r.join(',');
    }

private slots:
    void init()
    {
        ui = FakeUserInterface();
        WriteCalculatorData(dir);
        Open();
    }
    void cleanup() { v.reset(); }

    void startUpResetsAndCrossLinks()
    {
        const struct {
            const char* Box;
            const char* Text;
        } after[] = {{"edtUhper", "0"},    {"edtUswings", "5"}, {"edtUTAcal", ""},   {"edtUlvl", "65"},
                     {"edtUcombat", "4"},  {"edtUagil", "100"}, {"edtUSpeed", "85"}, {"edtUSlow", "125"},
                     {"edtUint", "50"},    {"edtUwis", "50"},   {"edtUMlvl", "0"},   {"edtUMRlvl", "65"},
                     {"edtUMenc", "4800"}, {"edtUenc", "0"},    {"edtMtickReq", ""}};
        for (const auto& a : after) QCOMPARE(Text(a.Box), QString(a.Text));
        QVERIFY(Ctl<QRadioButton>(*v, "rbUNorm")->isChecked());
        QVERIFY(Edit("edtUlvl")->isReadOnly() && Edit("edtUMRlvl")->isReadOnly() && !Edit("edtUMlvl")->isReadOnly());
        QCOMPARE(Edit("edtUMlvl")->toolTip(), QString("Change the class above."));
        QCOMPARE(Ctl<QComboBox>(*v, "cbxBS1")->count(), 3);  // "*None*", Prayer, Ward: the bolt is no blessing

        // The class writes the magic level, the combat rating and the first mana label.
        const struct {
            const char* Class;
            const char* Magic;
            const char* Combat;
            const char* Label;
        } classes[] = {{"Mage", "3", "1", "Intel"}, {"Bard", "2", "3", "Charm"}, {"(any)", "0", "3", "Intel"}};
        for (const auto& c : classes) {
            Pick(Ctl<QComboBox>(*v, "cbxAClass"), c.Class);
            QCOMPARE(Text("edtUMlvl") + " " + Text("edtUcombat") + " " + Ctl<QLabel>(*v, "Label58")->text(),
                     QString("%1 %2 %3").arg(c.Magic, c.Combat, c.Label));
        }
        // The level box feeds both calculators; an empty one is refused with a message.
        Ctl<QLineEdit>(*v, "edtAlvl")->setText("7a0");
        QCOMPARE(Text("edtUlvl") + " " + Text("edtUMRlvl"), QString("70 70"));
        Ctl<QLineEdit>(*v, "edtAlvl")->clear();
        QCOMPARE(ui.Messages, QStringList({"Please enter a valid level."}));
        QCOMPARE(Text("edtUlvl"), QString("70"));
        Ctl<QLineEdit>(*v, "edtAlvl")->setText("7a0");
        Click("btnMRR");
        QCOMPARE(Text("edtUMRlvl"), QString("7a0"));  // the reset copies the text as it stands
    }

    void swingsFromTheEquipment()
    {
        Pick(Ctl<QComboBox>(*v, "cbxWeapon"), "Axe");
        QCOMPARE(Ctl<QComboBox>(*v, "cbxUWeapon")->currentText(), QString("Axe"));
        Type("edtUenc", "500");
        Type("edtUMenc", "1000");
        Click("btnQZSwingcal");
        QCOMPARE(Rounds(), QString("15,15,15,15,15,15,16,15,15,15"));
        QCOMPARE(Ctl<QPushButton>(*v, "btnQZSwingcal")->toolTip(), QString("10"));
        QCOMPARE(Text("edtUswings"), QString("5"));
        // The estimate feeds the true average.
        Type("edtUhper", "70");
        Type("edtUhave", "20");
        Type("edtUcper", "10");
        Type("edtUcave", "60");
        Type("edtUeper", "20");
        Type("edtUeave", "15");
        Click("btnTrueAve");
        QCOMPARE(Text("edtUTAcal"), QString("112"));
        Type("edtUswings", "abc");
        Click("btnTrueAve");
        QCOMPARE(Text("edtUTAcal"), QString("112"));
        QCOMPARE(Text("edtUswings"), QString("abc"));

        // The weapon's figures as its hint; "Slow?" ticks "Slowness?", which stays.
        Pick(Ctl<QComboBox>(*v, "cbxUWeapon"), "Axe");
        QCOMPARE(Ctl<QComboBox>(*v, "cbxUWeapon")->toolTip(), QString("Required Strength: 50 Weapon speed: 1200"));
        Ctl<QRadioButton>(*v, "rbUslow")->click();
        QVERIFY(Ctl<QCheckBox>(*v, "chkUslow")->isChecked());
        Ctl<QRadioButton>(*v, "rbUNorm")->click();
        QVERIFY(Ctl<QCheckBox>(*v, "chkUslow")->isChecked() && !Ctl<QRadioButton>(*v, "rbUslow")->isChecked());

        // Failures are error boxes, and the rounds stay as they were.
        const struct {
            const char* Box;
            const char* Text;
            const char* Error;
        } failures[] = {{"edtUMenc", "0", "Division by zero"},
                        {"edtUagil", "2147483647", "Integer overflow"},
                        {"edtUagil", "2147483648", "'02147483648' is not a valid integer value"},
                        {"edtUlvl", "6-5", "'06-5' is not a valid integer value"}};
        Ctl<QCheckBox>(*v, "chkUslow")->setChecked(false);
        for (const auto& f : failures) {
            const QString before = Text(f.Box);
            ui.Errors.clear();
            Type(f.Box, f.Text);
            Click("btnQZSwingcal");
            QCOMPARE(ui.Errors, QStringList({f.Error}));
            QCOMPARE(Rounds(), QString("15,15,15,15,15,15,16,15,15,15"));
            Type(f.Box, before);
        }
        Pick(Ctl<QComboBox>(*v, "cbxUWeapon"), "Slug");
        ui.Errors.clear();
        Click("btnQZSwingcal");
        QCOMPARE(ui.Errors, QStringList({"Division by zero"}));
        // "*None*": nothing happens, and no hint.
        Pick(Ctl<QComboBox>(*v, "cbxUWeapon"), "*None*");
        QCOMPARE(Ctl<QComboBox>(*v, "cbxUWeapon")->toolTip(), QString());
        Click("btnQZSwingR");
        Click("btnQZSwingcal");
        QCOMPARE(Rounds(), QString(",,,,,,,,,"));
    }

    void pastedDamageAndManaRegen()
    {
        ui.Clipboard = "Miss: 5%  Hit: 70%      Avg: 20  Extra: 20% Avg: 15 Crit: 10%  Avg: 60";
        Type("edtUswings", "");
        Click("btnUPKR");
        QCOMPARE(Text("edtUhper") + Text("edtUhave") + Text("edtUcper") + Text("edtUcave"), QString("70201060"));
        QCOMPARE(Text("edtUswings"), QString("5"));
        QCOMPARE(Text("edtUTAcal"), QString("112"));
        for (const QString& clip : {QString("Miss: 1 Hit: 2"), QString()}) {
            ui.Clipboard = clip;
            Click("btnUPKR");
        }
        QCOMPARE(ui.Messages,
                 QStringList({"Copy a valid KR players Damage first!", "There is no text on the Clipboard"}));
        Click("btnTAReset");
        QCOMPARE(Text("edtUhper") + Text("edtUswings") + Text("edtUTAcal"), QString("05"));

        Pick(Ctl<QComboBox>(*v, "cbxAClass"), "Priest");
        Click("btnMRC");
        QCOMPARE(Text("edtUMRcal"), QString("12.8787878787879").replace('.', QChar(v->DecimalSep())));
        ui.Messages.clear();
        Pick(Ctl<QComboBox>(*v, "cbxAClass"), "Warrior");
        Click("btnMRC");
        QCOMPARE(ui.Messages, QStringList({"You don't have mana."}));
        QCOMPARE(Text("edtUMRcal"), QString("0"));
    }

    void blessingUpkeep()
    {
        QComboBox* first = Ctl<QComboBox>(*v, "cbxBS1");
        Pick(first, "Ward");
        const QString dp(QChar(v->DecimalSep()));
        QCOMPARE(Text("edtMtickReq"), QString("      3.33").replace('.', dp));
        QVERIFY(first->toolTip().contains("Length: 30 rounds"));
        Pick(Ctl<QComboBox>(*v, "cbxBS10"), "Ward");  // twice counts twice
        QCOMPARE(Text("edtMtickReq"), QString("      6.67").replace('.', dp));
        // A class that casts other spells: the lists start again, the figure stays until a pick.
        Pick(Ctl<QComboBox>(*v, "cbxAClass"), "Priest");
        Click("btnLManaBless");
        QCOMPARE(first->count(), 2);
        QCOMPARE(first->itemText(1), QString("Prayer"));
        QCOMPARE(first->currentText(), QString("*None*"));
        QCOMPARE(Text("edtMtickReq"), QString("      6.67").replace('.', dp));
        Pick(first, "Prayer");
        QCOMPARE(Text("edtMtickReq"), QString("      5.00").replace('.', dp));
        Pick(first, "*None*");
        QCOMPARE(Text("edtMtickReq"), QString("      0.00").replace('.', dp));
        QVERIFY(ui.Errors.isEmpty());
    }
};

int RunUtilitiesTest(int argc, char** argv)
{
    UtilitiesTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "UtilitiesTest.moc"
