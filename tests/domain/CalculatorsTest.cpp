// The four calculators' formulas, their examples and their failures.
#include "calculators/Calculators.h"
#include "data/Errors.h"
#include "data/Text.h"

#include <gtest/gtest.h>

#include <climits>

using namespace vantor;

TEST(TrueAverage, FormulaSwingsAndPastedSummary)
{
    EXPECT_EQ(FormatReal(TrueAverage({70, 20, 10, 60, 20, 15}, 5), '.'), "112");
    EXPECT_EQ(TrueAverage({}, 5), 0);
    EXPECT_EQ(FormatReal(TrueAverage({100, 10, 0, 0, 0, 0}, 2.5), '.'), "25");
    const struct {
        const char* Text;
        char Sep;
        double Swings;
    } swings[] = {{"2.5", '.', 2.5}, {"2,5", ',', 2.5}, {"2,5", '.', 5},   {"abc", '.', 5}, {"", '.', 5},
                  {" 3 ", '.', 3},   {"-1", '.', -1},   {"1e2", '.', 100}, {"inf", '.', 5}, {"1e999", '.', 5}};
    for (const auto& s : swings) EXPECT_EQ(SwingsOrDefault(s.Text, s.Sep), s.Swings) << s.Text;

    const auto f = ReadDamageSummary("Miss: 5%  Hit: 70%      Avg: 20  Extra: 20% Avg: 15 Crit: 10%  Avg: 60");
    ASSERT_TRUE(f);
    EXPECT_EQ(f->HitPct, 70);
    EXPECT_EQ(f->HitAvg, 20);
    EXPECT_EQ(f->ExtraPct, 20);
    EXPECT_EQ(f->ExtraAvg, 15);
    EXPECT_EQ(f->CritPct, 10);
    EXPECT_EQ(f->CritAvg, 60);
    const auto tight = ReadDamageSummary("Miss:1 Hit:100%3 x Avg:1234567 Extra:");
    ASSERT_TRUE(tight);
    EXPECT_EQ(tight->HitPct, 1003);  // every digit of the nine characters counts
    EXPECT_EQ(tight->HitAvg, 1234);
    EXPECT_EQ(tight->CritPct, 0);  // no "Crit:": nothing cut, nothing read
    EXPECT_FALSE(ReadDamageSummary("Miss: 1 Hit: 2 Avg: 3"));
    EXPECT_FALSE(ReadDamageSummary("Extra: 1"));
    EXPECT_THROW(ReadDamageSummary("Miss: Hit: 7-0 Extra:"), EConvertError);
}

TEST(ManaRegen, TickByClassStatAndLevels)
{
    EXPECT_EQ(FormatReal(static_cast<double>(ManaTick(5, 0, 50, 3, 65)), '.'), "12.8787878787879");
    const struct {
        int32_t Class;
        double Stat;  // which stat the class uses, from intellect 51 and willpower 50
    } classes[] = {{13, 50.5}, {14, 50.5}, {3, 50}, {6, 50}, {9, 51}, {12, 51}, {1, 0}, {15, 0}, {0, 0}};
    for (const auto& c : classes) {
        EXPECT_NEAR(static_cast<double>(ManaTick(c.Class, 51, 50, 3, 65)), 85 * c.Stat * 5 / 1650, 1e-12) << c.Class;
    }
    for (int32_t k : {0, 1, 2, 7, 8, 15}) EXPECT_FALSE(ClassHasMana(k)) << k;
    for (int32_t k : {3, 4, 5, 6, 9, 10, 11, 12, 13, 14}) EXPECT_TRUE(ClassHasMana(k)) << k;
    EXPECT_THROW(ManaTick(13, INT32_MAX, 1, 0, 0), EIntOverflow);
    EXPECT_GT(ManaTick(12, INT32_MAX, 0, INT32_MAX, INT32_MAX), 0);  // large, but a number
}

TEST(Swings, EnergyPerSwingRoundsAndHint)
{
    SwingInputs in;
    in.Encumbrance = 500;
    in.MaxEncumbrance = 1000;
    in.Strength = 100;
    in.Agility = 100;
    in.Level = 65;
    in.Combat = 4;
    in.StrengthReq = 50;
    in.Speed = 1200;
    SwingResult r = CalculateSwings(in);
    EXPECT_EQ(r.EnergyPerSwing, 66);
    EXPECT_EQ(r.Rounds, (std::array<int32_t, 10>{15, 15, 15, 15, 15, 15, 16, 15, 15, 15}));
    EXPECT_EQ(r.Hint, "10");
    EXPECT_EQ(r.SwingsPerRound, 5);

    // Speed 5400 at that level and encumbrance gives q = 300; the Speed? and Slow? factors scale it.
    in.Speed = 5400;
    in.Encumbrance = 500;
    r = CalculateSwings(in);
    ASSERT_EQ(r.EnergyPerSwing, 297);
    const struct {
        SwingMode Mode;
        int32_t Percent;
        int32_t Q;
    } modes[] = {{SwingMode::Speed, 85, 252}, {SwingMode::Slow, 125, 371}, {SwingMode::Normal, 0, 297}};
    for (const auto& m : modes) {
        SwingInputs x = in;
        x.Mode = m.Mode;
        x.SpeedPercent = x.SlowPercent = m.Percent;
        EXPECT_EQ(CalculateSwings(x).EnergyPerSwing, m.Q);
    }
    in.Slowness = true;  // half as slow again
    EXPECT_EQ(CalculateSwings(in).EnergyPerSwing, 446);
    in.Slowness = false;

    // Hints: too weak; too heavy; heavier than a third halves.
    in.Speed = 1200;
    in.Strength = 40;
    r = CalculateSwings(in);
    EXPECT_EQ(r.Hint, ":|");
    EXPECT_EQ(r.EnergyPerSwing, 66 * 230 / 200 * 100 / 100);
    in.Strength = 100;
    in.Encumbrance = 700;
    EXPECT_EQ(CalculateSwings(in).Hint, "0");
    in.Encumbrance = 400;
    EXPECT_EQ(CalculateSwings(in).Hint, "10");
    in.Encumbrance = 300;
    EXPECT_EQ(CalculateSwings(in).Hint, "20");

    // Failures: no maximum, no speed, numbers past the range.
    SwingInputs bad = in;
    bad.MaxEncumbrance = 0;
    EXPECT_THROW(CalculateSwings(bad), EDivByZero);
    bad = in;
    bad.Speed = 0;
    EXPECT_THROW(CalculateSwings(bad), EDivByZero);
    for (int32_t SwingInputs::*field : {&SwingInputs::Encumbrance, &SwingInputs::Level, &SwingInputs::Agility,
                                        &SwingInputs::Combat, &SwingInputs::Speed}) {
        bad = in;
        bad.*field = INT32_MAX;
        EXPECT_THROW(CalculateSwings(bad), EIntOverflow);
    }
}

TEST(Swings, RoundsCarryTheRestOver)
{
    // The rounds of a given energy per swing, reached by choosing the weapon's speed.
    SwingInputs in;
    in.MaxEncumbrance = 100;
    in.Level = 0;
    in.Agility = 0;
    in.Combat = 0;   // h = 45 * 150 = 6750, d = 1125; q = speed * 1000 / 1125 * 75 / 100
    in.Speed = 450;  // e = 400, q = 300
    SwingResult r = CalculateSwings(in);
    ASSERT_EQ(r.EnergyPerSwing, 300);
    EXPECT_EQ(r.Rounds, (std::array<int32_t, 10>{3, 3, 4, 3, 3, 4, 3, 3, 4, 3}));
    EXPECT_EQ(FormatReal(r.SwingsPerRound, '.'), "3.33333333333333");
    in.Speed = 375;      // e = 333, q = 249
    in.Encumbrance = 2;  // p = 2: q = 333 * 76 / 100 = 253
    r = CalculateSwings(in);
    ASSERT_EQ(r.EnergyPerSwing, 253);
    EXPECT_EQ(r.Rounds[0], 3);
}

TEST(Blessing, DurationUpkeepAndWhatIsOffered)
{
    TSpell s;
    s.Name = "Ward";
    s.Code = "ward";
    s.CasterType = 1;
    s.Mana = 10;
    s.Duration = 30;
    EXPECT_EQ(FormatRatio(BlessingUpkeep(s, BlessingDuration(s, 65)), '.'), "      3.33");
    s.Duration = 20;
    s.DurationIncrement = 1;
    s.DurationLevelStep = 5;
    s.LevelCap = 50;
    EXPECT_EQ(BlessingDuration(s, 65), 30);  // 20 + 50 / 5
    EXPECT_EQ(BlessingDuration(s, 40), 28);
    s.DurationLevelStep = 1;
    EXPECT_EQ(BlessingDuration(s, 65), 70);
    EXPECT_EQ(BlessingUpkeep(s, 0), 0);
    EXPECT_EQ(BlessingUpkeep(s, -5), 0);
    s.DurationIncrement = INT32_MAX;
    s.LevelCap = INT32_MAX;
    EXPECT_EQ(BlessingDuration(s, INT32_MAX), 20 + int64_t{INT32_MAX} * INT32_MAX);  // exact

    for (int32_t t = -1; t <= 14; ++t) {
        s.Targets = t;
        EXPECT_EQ(IsBlessing(s), t == 0 || t == 1 || t == 2 || t == 13) << t;
    }
    s.Targets = 1;
    for (auto blank : {&TSpell::Name, &TSpell::Code}) {
        TSpell x = s;
        x.*blank = "";
        EXPECT_FALSE(IsBlessing(x));
    }
    s.CasterType = 0;
    EXPECT_FALSE(IsBlessing(s));
}
