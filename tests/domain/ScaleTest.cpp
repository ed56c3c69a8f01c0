// Scales as text and the gain of every item.
#include "data/Decimal.h"
#include "equipment/Gains.h"
#include "equipment/Scale.h"

#include <gtest/gtest.h>

using namespace vantor;

TEST(Scale, TextReadsBackAndRefusesWhatIsNotAScale)
{
    Scale tank;
    tank.Name = "Tank";
    tank.Features[kAC].Hundredths = 100;
    tank.Features[kDR].Hundredths = 150;
    tank.Features[kStealth] = {50, 600};
    tank.Abilities["Resist Fire"].Hundredths = 25;
    const std::string text = ScaleText(tank);
    EXPECT_EQ(text, "( Vantor scale v1: \"Tank\": AC=1, DR=1.5, Stealth=0.5 max 60, \"Resist Fire\"=0.25 )");
    std::string error;
    EXPECT_EQ(ReadScaleText(text, error), tank);
    const struct {
        const char* Text;
        std::optional<std::string> Reads;  // the scale written again, or what the message says
        bool Good;
    } cases[] = {
        {"said: ( Vantor scale v1: \"T\": ac = -2 , \"resist fire\"=0.5 max 3.5 ) thanks",
         "( Vantor scale v1: \"T\": AC=-2, \"Resist Fire\"=0.5 max 3.5 )", true},
        {"( Vantor scale v1: \"T\": AC=1 max -0.5 )", "the cap \"-0.5\" of AC is below zero", false},
        {"(Vantor scale v1:\"E\":)", "( Vantor scale v1: \"E\": )", true},
        {"( Vantor scale v1: \"Z\": \"Resist Fire\"=0. )", "( Vantor scale v1: \"Z\": )", true},  // weighs nothing
        {"( Vantor scale v1: \"M\": Max Dmg=3, \"Max Damage\"=1 )",
         "( Vantor scale v1: \"M\": Max Dmg=3, \"Max Damage\"=1 )", true},
        {"Vantor scale v1: \"T\": AC=1 )", "There is no scale", false},
        {"( Vantor scale v1: T: AC=1 )", "no name in quotes", false},
        {"( Vantor scale v1: \"T\": AC=1, AC=2 )", "AC is weighed twice", false},
        {"( Vantor scale v1: \"T\": Luck=1 )", "\"Luck\" is no feature", false},
        {"( Vantor scale v1: \"T\": \"Luck\"=1 )", "no ability is named \"Luck\"", false},
        {"( Vantor scale v1: \"T\": AC=1e3 )", "the weight \"1e3\" of AC", false},
        {"( Vantor scale v1: \"T\": AC=1 max 2.25 )", "the cap \"2.25\" of AC", false},
        {"( Vantor scale v1: \"T\": AC=99999999999 )", "the weight \"99999999999\"", false},
        {"( Vantor scale v1: \"T\": AC=1 DR=2 )", "parted by commas", false},
        {"( Vantor scale v1: \"T\": AC=1", "no closing", false},
        {"( Vantor scale v1: \"\": AC=1 )", "needs a name", false},
        {"( Vantor scale v1: \"T\": AC=1 max 1, DR=1 max 1, Crits=1 max 1, Stealth=1 max 1, MR=1 max 1, Dodge=1 max 1, "
         "Accuracy=1 max 1 )",
         "at most 6 caps", false},
    };
    for (const auto& c : cases) {
        error.clear();
        const auto read = ReadScaleText(c.Text, error);
        EXPECT_EQ(read.has_value(), c.Good) << c.Text;
        if (c.Good && read) {
            EXPECT_EQ(ScaleText(*read), *c.Reads) << c.Text;
        } else {
            EXPECT_NE(error.find(*c.Reads), std::string::npos) << c.Text << " -> " << error;
        }
    }
}

TEST(Gains, EachItemInItsSlotAgainstTheWornSet)
{
    const auto armour = [](const char* name, int32_t worn, double ac, int32_t stealth) {
        TItem i;
        i.Name = name;
        i.WornSlot = worn;
        i.ArmourClass = ac;
        i.Stealth = stealth;
        return i;
    };
    TItem helm = armour("helm", 2, 2.5, 5), cap = armour("cap", 2, 1, 0), ring = armour("ring", 4, 0.5, 0),
          band = armour("band", 13, 0, 10), unlisted = armour("hood", 2, 9, 0), shard = armour("shard", 0, 3, 0);
    TItem sword;
    sword.ItemType = 1;
    sword.Stealth = 2;
    Scale s;
    s.Features[kAC].Hundredths = 100;
    s.Features[kStealth] = {100, 120};  // stealth counts up to 12
    ChosenItems worn{};
    worn[Head] = &helm;
    worn[Finger1] = &ring;
    const GainTable gains(s, worn, [&](const TItem& i) { return &i != &unlisted; });
    EXPECT_EQ(DecimalText(gains.SetScoreNow(), 3), "8");  // 2.5 + 0.5 + stealth 5
    const struct {
        const TItem* Item;
        std::optional<const char*> Gain;
    } cases[] = {
        {&helm, "0"},               // worn now
        {&cap, "-6.5"},             // AC 1 for 2.5 and stealth 5
        {&ring, "0"},               // worn on the first finger
        {&band, "+7"},              // on the free finger: stealth 5 + 10 counts up to 12
        {&sword, "+2"},             // the weapon slot
        {&unlisted, std::nullopt},  // no slot list holds it
        {&shard, std::nullopt},     // worn nowhere
    };
    for (const auto& c : cases) {
        const auto gain = gains.GainOf(*c.Item);
        ASSERT_EQ(gain.has_value(), c.Gain.has_value()) << c.Item->Name;
        if (gain) {
            EXPECT_EQ(GainText(*gain, '.'), *c.Gain) << c.Item->Name;
        }
    }
    EXPECT_EQ(GainText(-SetScore{6500}, ','), "-6,5");
    // In one slot of the two that take it, as that slot's list shows it.
    const struct {
        const TItem* Item;
        Slot In;
        const char* Gain;
    } slotCases[] = {{&band, Finger1, "+6.5"}, {&band, Finger2, "+7"}, {&ring, Finger1, "0"}, {&ring, Finger2, "+0.5"}};
    for (const auto& c : slotCases) EXPECT_EQ(GainText(gains.GainIn(*c.Item, c.In), '.'), c.Gain) << c.Item->Name;
}
