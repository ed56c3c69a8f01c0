// Character files and owned-item lists: written, read back, and refused with a reason.
#include "equipment/CharacterFile.h"

#include <gtest/gtest.h>

#include <stdexcept>

using namespace vantor;

TEST(CharacterFile, OwnedNumbersReadStrictlySortedOnce)
{
    struct Case {
        const char* Text;
        std::vector<int32_t> Numbers;  // empty with Refused: refused
        bool Refused = false;
    };
    const Case cases[] = {
        {"", {}},
        {"  ", {}},
        {"12", {12}},
        {" 300 , 12,12,4501 ", {12, 300, 4501}},
        {"2147483647", {2147483647}},
        {"12,,13", {}, true},
        {"12,", {}, true},
        {"-2", {}, true},
        {"+2", {}, true},
        {"0", {}, true},
        {"2147483648", {}, true},
        {"12x", {}, true},
        {"1 2", {}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Text);
        if (c.Refused) {
            EXPECT_THROW(ReadOwnedNumbers(c.Text), std::runtime_error);
            continue;
        }
        EXPECT_EQ(ReadOwnedNumbers(c.Text), c.Numbers);
        EXPECT_EQ(ReadOwnedNumbers(OwnedNumbersText(c.Numbers)), c.Numbers);
    }
    std::string many;
    for (size_t i = 1; i <= kMaxOwnedItems; ++i) many += std::to_string(i) + ",";
    EXPECT_EQ(ReadOwnedNumbers(many.substr(0, many.size() - 1)).size(), kMaxOwnedItems);
    EXPECT_THROW(ReadOwnedNumbers(many + "100001"), std::runtime_error);
}

TEST(CharacterFile, ReadsWhatItWritesAndRefusesWhatIsNoCharacter)
{
    CharacterFile character;
    character.Name = "Thorn the Second";
    character.ActiveScale = BuiltInScales().front();
    character.Owned = {7, 1021};
    const std::string set = "cbxHead=1021\r\nedtStrength=100\r\nLevel=65\r\nClass=Warrior\r\n";
    const std::string text = CharacterFileText(character, set);
    const CharacterFile read = ReadCharacterFile(text);
    EXPECT_EQ(read.Name, character.Name);
    EXPECT_EQ(read.SetLines,
              (std::vector<std::string>{"cbxHead=1021", "edtStrength=100", "Level=65", "Class=Warrior"}));
    EXPECT_EQ(ScaleText(read.ActiveScale), ScaleText(character.ActiveScale));
    EXPECT_EQ(read.Owned, character.Owned);

    const std::string scale = "Scale=" + ScaleText(character.ActiveScale) + "\n";
    const struct {
        std::string Text;
        const char* Why;
    } refused[] = {
        {set + scale, "names no character"},
        {"Character= \n" + set + scale, "names no character"},
        {"Character=A\n" + scale, "holds no set"},
        {"Character=A\n" + set, "holds no scale"},
        {"Character=A\n" + set + "Scale=AC=1\n", "scale does not read"},
        {"Character=A\n" + set + scale + "Owned=1,x\n", "no item number"},
        {"Character=A\nCHARACTER=B\n" + set + scale, "given twice"},
        {"Character=A\n" + set + scale + "owned=1\nOwned=2\n", "given twice"},
        {std::string(kMaxCharacterFileBytes + 1, 'a'), "too large"},
    };
    for (const auto& r : refused) {
        SCOPED_TRACE(r.Why);
        try {
            ReadCharacterFile(r.Text);
            ADD_FAILURE() << "read";
        } catch (const std::runtime_error& e) {
            EXPECT_NE(std::string(e.what()).find(r.Why), std::string::npos) << e.what();
        }
    }
}
