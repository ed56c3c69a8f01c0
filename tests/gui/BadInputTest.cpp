// Damaged and hostile input, one table: each row what the player gives (a data line or file, a
// set file, a clipboard text, a box's text, a file name), the one message shown (none when the
// input is taken silently), and what must stay as it was.
#include "GuiTest.h"
#include "equipment/SlotLists.h"

#include <QDir>
#include <QFile>

#include <filesystem>
#include <fstream>

using testfiles::ItemLine;
using testfiles::SpellLine;

namespace {

enum class Into {
    ItemLine,     // the last line of Items.txt, after the good ones
    SpellLine,    // the last line of spells.txt
    ItemsFile,    // the whole of Items.txt
    ItemsFolder,  // a folder named Items.txt
    ItemsLoop,    // Items.txt a link to itself
    SetFile,      // a set file opened with "Load Eq"
    SetFolder,    // a folder chosen as the set file
    PasteEq,      // the clipboard at "Paste Eq"
    PasteDamage,  // the clipboard at "Paste Dmg"
    LevelBox,     // the level box, then "Filter all"
    StrengthBox,  // the strength box
    SaveAs,       // the name given to "Save Eq", in the data folder
};

enum Keep { Nothing = 0, Slots = 1, Lists = 2, Disk = 4 };

struct BadInput {
    const char* What;
    Into Where;
    std::string Bytes;
    QString Message;  // %1 stands for the data folder; empty: nothing is shown
    int Keeps = Nothing;
    int Records = -1;  // the items (or spells) read before the load stopped
};

std::string Zeros(int n)
{
    std::string out = "0";
    for (int i = 1; i < n; ++i) out += ",0";
    return out;
}

const std::string kGood = ItemLine("Odd Cap", {{43, "2"}});

std::vector<BadInput> Catalogue()
{
    const std::string huge(50'000'000, '7');
    return {
        // Data lines: the load stops at the first bad line, naming it; what came before stays.
        {"blank line", Into::ItemLine, "", "'' is not a valid integer value", Nothing, 11},
        {"blank line between good ones", Into::ItemsFile, kGood + "\r\n\r\n" + kGood, "'' is not a valid integer value",
         Nothing, 1},
        {"58 fields", Into::ItemLine, Zeros(58), "'' is not a valid integer value", Nothing, 11},
        {"60 fields", Into::ItemLine, kGood + ",7", "", Lists, 12},
        {"quotes round a number", Into::ItemLine, ItemLine("Q", {{4, "\"5\""}}), "'\"5\"' is not a valid integer value",
         Nothing, 11},
        {"quotes round a spell number", Into::SpellLine, SpellLine(7, "Quoted", {{1, "\"7\""}}), "", Lists, 4},
        {"number past 32 bits", Into::ItemLine, ItemLine("Big", {{4, "2147483648"}}),
         "'2147483648' is not a valid integer value", Nothing, 11},
        {"number below 32 bits", Into::SpellLine, SpellLine(7, "Low", {{11, "-2147483649"}}),
         "'-2147483649' is not a valid integer value", Nothing, 2},
        {"20 digits", Into::ItemLine, ItemLine("Huge", {{1, "99999999999999999999"}}),
         "'99999999999999999999' is not a valid integer value", Nothing, 11},
        {"NUL in a number", Into::ItemLine,
         ItemLine("Nul", {{4, std::string("1\0"
                                          "2",
                                          3)}}),
         QString::fromUtf16(u"'1\u24002' is not a valid integer value"), Nothing, 11},
        {"0xFF in a number", Into::ItemLine, ItemLine("Ff", {{4, "1\xff"}}),
         QString::fromUtf16(u"'1\u00ff' is not a valid integer value"), Nothing, 11},
        {"0xFF in a name", Into::ItemLine, ItemLine("\xff\xfe Helm", {{43, "2"}}), "", Lists, 12},
        {"a 50 MB line", Into::ItemLine, huge,
         "'" + QString(1998, '7') + QString::fromUtf16(u"\u2026 (49998032 more characters)"), Nothing, 11},
        {"CR-only line ends", Into::ItemsFile, kGood + "\r" + kGood + "\r",
         QString::fromUtf16(u"'0\u240d0' is not a valid integer value"), Nothing, 0},
        {"a number with blanks inside", Into::ItemLine, ItemLine("Gap", {{4, "1 2"}}),
         "'1 2' is not a valid integer value", Nothing, 11},
        {"a plus sign", Into::ItemLine, ItemLine("Plus", {{4, "+5"}}), "", Lists, 12},
        {"hexadecimal", Into::SpellLine, SpellLine(7, "Hex", {{11, "0x1F"}}), "'0x1F' is not a valid integer value",
         Nothing, 2},
        {"an empty items file", Into::ItemsFile, "", "", Lists, 0},
        {"a folder where Items.txt should be", Into::ItemsFolder, "", "", Lists,
         0},  // no such file: no items, no message
        {"Items.txt a link to itself", Into::ItemsLoop, "", "", Lists, 0},
        // Set files: a bad one is refused whole or read leniently; the slots keep what they had.
        {"set file of binary junk", Into::SetFile, std::string("\x00\x01\xff\xfe=\x80\r\x00\n", 9),
         "Cannot load file \"%1/bad.kreq\". It is not an equipment set.", Slots | Disk},
        {"an empty set file", Into::SetFile, "", "Cannot load file \"%1/bad.kreq\". It is not an equipment set.",
         Slots | Disk},
        {"set file past 64 KiB", Into::SetFile, std::string(70'000, 'x'),
         "Cannot load file \"%1/bad.kreq\". It is too large to be an equipment set.", Slots | Disk},
        {"set file naming no item", Into::SetFile, "cbxHead=999\r\n", "", Disk},
        {"set file with a word for an item", Into::SetFile, "cbxHead=helm\r\n", "", Disk},  // read as 0, "*None*"
        {"set file with level --", Into::SetFile, "Level=--\r\n", "'0--' is not a valid integer value", Disk},
        {"a folder as the set file", Into::SetFolder, "", "Cannot open file \"%1/folder.kreq\". It is a folder.",
         Slots | Disk},
        // The clipboard.
        {"1 MB of parentheses", Into::PasteEq, std::string(500'000, '(') + std::string(500'000, ')'), "",
         Slots | Lists | Disk},
        {"a paste without a closing parenthesis", Into::PasteEq, "bronze helm (Head", "", Slots | Lists | Disk},
        {"a paste with NUL bytes", Into::PasteEq, std::string("bronze\0helm (Head)", 18), "", Lists | Disk},
        {"a damage paste with a minus", Into::PasteDamage, "Miss: 1% Hit: 5-5% Avg: 9 Extra: 1% Avg: 1",
         "'05-5' is not a valid integer value", Slots | Lists | Disk},
        {"a damage paste of 1 MB", Into::PasteDamage, std::string(1'000'000, 'M'), "", Slots | Lists | Disk},
        // Boxes.
        {"level --", Into::LevelBox, "--", "'0--' is not a valid integer value", Slots | Disk},
        {"level past 32 bits", Into::LevelBox, "99999999999", "'099999999999' is not a valid integer value",
         Slots | Disk},
        {"strength past 32 bits", Into::StrengthBox, "99999999999", "", Slots | Lists | Disk},  // carries nothing
        // Saving.
        {"saving into a missing folder", Into::SaveAs, "/missing/gear", "Cannot create file \"%1/missing/gear.kreq\". ",
         Slots | Lists},
        {"saving over a folder", Into::SaveAs, "/folder", "Cannot create file \"%1/folder.kreq\". ",
         Slots | Lists | Disk},
    };
}

class BadInputTest : public QObject, WindowFixture {
    Q_OBJECT

    // What must stay: the slots' picks, the lists' rows, the set file on disk.
    struct State {
        QList<int> Picks;
        QList<int> Rows;
        QByteArray SetFile;
        bool operator==(const State&) const = default;
    };

    State Now()
    {
        State s;
        for (const auto& slot : vantor::SlotTable()) s.Picks << Box(slot.Name)->currentIndex();
        for (const char* list : {"lstArmor", "lstWeapons", "lstOther", "lstDisplaySpell"})
            s.Rows << List(list)->model()->rowCount();
        QFile file(Path("gear.kreq"));
        if (file.open(QIODevice::ReadOnly)) s.SetFile = file.readAll();
        return s;
    }

    QString Path(const char* name) const { return QString::fromStdString(dir.Path()) + "/" + name; }

    void Give(const BadInput& c)
    {
        const QString bytes = QString::fromLatin1(c.Bytes.data(), static_cast<qsizetype>(c.Bytes.size()));
        switch (c.Where) {
        case Into::SetFile:
            dir.Write("bad.kreq", c.Bytes);
            ui.OpenAnswer = Path("bad.kreq");
            Click("btnLoad");
            break;
        case Into::SetFolder:
            QDir(Path("")).mkdir("folder.kreq");
            ui.OpenAnswer = Path("folder.kreq");
            Click("btnLoad");
            break;
        case Into::PasteEq:
        case Into::PasteDamage:
            ui.Clipboard = bytes;
            Click(c.Where == Into::PasteEq ? "btnCCB" : "btnUPKR");
            break;
        case Into::LevelBox:
            Type("edtAlvl", bytes);
            Click("btnFilterAll");
            break;
        case Into::StrengthBox: Type("edtStrength", bytes); break;
        case Into::SaveAs:
            QDir(Path("")).mkdir("folder.kreq");
            ui.SaveAnswer = QString::fromStdString(dir.Path()) + bytes;
            Click("btnSave");
            break;
        default: break;
        }
    }

    // Writes the data folder of a load row; false for the other rows.
    bool WriteData(const BadInput& c)
    {
        namespace fs = std::filesystem;
        for (const auto& entry : fs::directory_iterator(dir.Path())) fs::remove_all(entry.path());
        WriteHandMadeData(dir);
        const auto read = [this](const char* name) {
            std::ifstream in(dir.Path() + "/" + name, std::ios::binary);
            return std::string(std::istreambuf_iterator<char>(in), {});
        };
        const std::string items = read("Items.txt"), spells = read("spells.txt");
        const fs::path itemsPath = fs::path(dir.Path()) / "Items.txt";
        switch (c.Where) {
        case Into::ItemLine: dir.Write("Items.txt", items + c.Bytes + "\r\n"); return true;
        case Into::SpellLine: dir.Write("spells.txt", spells + c.Bytes + "\n"); return true;
        case Into::ItemsFile: dir.Write("Items.txt", c.Bytes); return true;
        case Into::ItemsFolder:
            fs::remove(itemsPath);
            fs::create_directory(itemsPath);
            return true;
        case Into::ItemsLoop:
            fs::remove(itemsPath);
            fs::create_symlink("Items.txt", itemsPath);
            return true;
        default: return false;
        }
    }

private slots:
    void catalogue()
    {
        const std::vector<BadInput> rows = Catalogue();
        QVERIFY(rows.size() >= 30);
        for (const BadInput& c : rows) {
            v.reset();
            ui = FakeUserInterface();
            const bool load = WriteData(c);
            Open();
            const QString expected =
                c.Message.contains("%1") ? c.Message.arg(QString::fromStdString(dir.Path())) : c.Message;
            const QString shown = ui.Errors.join("|");
            const auto report = [&](const QString& got) {
                return QString("%1: shown \"%2\"")
                    .arg(c.What, got.size() > 200 ? got.left(100) + "..." + got.right(100) : got);
            };
            if (load) {
                const size_t read = c.Where == Into::SpellLine ? v->Data().Spells.size() : v->Data().Items.size();
                QVERIFY2(shown == expected, qPrintable(report(shown)));
                QVERIFY2(read == static_cast<size_t>(c.Records), c.What);
                if (c.Keeps & Lists) QVERIFY2(!v->Data().Loading, c.What);
                continue;
            }
            QVERIFY2(shown.isEmpty(), c.What);
            Pick(Box("cbxHead"), "bronze helm");
            dir.Write("gear.kreq", "cbxHead=2\r\n");
            const State before = Now();
            Give(c);
            const QString then = ui.Errors.join("|");
            QVERIFY2(expected.isEmpty() ? then.isEmpty() : then.startsWith(expected), qPrintable(report(then)));
            const State after = Now();
            if (c.Keeps & Slots) QVERIFY2(after.Picks == before.Picks, c.What);
            if (c.Keeps & Lists) QVERIFY2(after.Rows == before.Rows, c.What);
            if (c.Keeps & Disk) QVERIFY2(after.SetFile == before.SetFile, c.What);
        }
    }
};

}  // namespace

int RunBadInputTest(int argc, char** argv)
{
    BadInputTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "BadInputTest.moc"
