#include "data/Text.h"
#include "lists/ItemText.h"
#include "lists/ListRows.h"
#include "lists/SpellNotes.h"

#include <gtest/gtest.h>

using namespace vantor;

namespace {

TSpell FireBolt()
{
    TSpell s;
    s.Number = 12;
    s.Name = "Fire Bolt";
    s.LevelCap = 50;
    s.Abilities[0] = 1;
    s.MinValue = 10;
    s.MinIncrement = 1;
    s.MinLevelStep = 5;
    s.MaxValue = 20;
    s.MaxIncrement = 1;
    s.MaxLevelStep = 0;
    s.Energy = 200;
    return s;
}

TSpell Named(int32_t number, const std::string& name)
{
    TSpell s;
    s.Number = number;
    s.Name = name;
    return s;
}

}  // namespace

TEST(SpellNotes, FireBoltExample)
{
    SpellList spells;
    spells.Add(FireBolt());
    SpellDescriber d(spells);
    d.DoSpellNotes();
    EXPECT_EQ(spells[0].Notes,
              "Damage (No AC) , Min: 10 + level/5, (Total:20 at level 50), Max: 20 + level, (Total:70 at level 50), "
              "Energy = 200");
    EXPECT_EQ(spells[0].Basics, "Damage (No AC) 10 to 20");
    EXPECT_EQ(d.GetSpellName(12), "Fire Bolt (12)");
    EXPECT_EQ(d.GetSpellName(13), "13");
    EXPECT_EQ(d.GetSpellEffect(12), "(Fire Bolt Damage (No AC) 10 to 20)");
    EXPECT_EQ(d.GetSpellEffect(-4), "-4");
}

TEST(SpellDamage, ColumnsOfTheSpellList)
{
    // "Dmg", "Dmg/Mana" and "Rounds" at the description's level.
    const struct {
        const char* What;
        void (*Change)(TSpell&);
        char Sep;
        const char* Dmg;
        const char* PerMana;
        const char* Rounds;
    } rows[] = {
        {"fire bolt: totals 20 and 70", [](TSpell& s) { s.Mana = 10; }, '.', "45", "4.50", ""},
        {"no mana: no damage per mana", [](TSpell&) {}, '.', "45", "", ""},
        {"lasting: mean times the rounds at level 75",
         [](TSpell& s) {
             s.LevelCap = 0;  // described at level 75
             s.MinValue = 1, s.MinIncrement = 0, s.MaxValue = 2, s.MaxIncrement = 0;
             s.Duration = 3, s.DurationIncrement = 1, s.DurationLevelStep = 10;  // 3 + 75 / 10
             s.Mana = 4;
         },
         ',', "15", "3,75", "10"},
        {"a half, with the system's separator",
         [](TSpell& s) {
             s.MinValue = 1, s.MinIncrement = 0, s.MaxValue = 2, s.MaxIncrement = 0;
             s.Mana = 3;
         },
         ',', "1,5", "0,50", ""},
        {"damage on armour in a later slot; a valued damage slot does not count",
         [](TSpell& s) {
             s.AbilityValues[0] = 5;
             s.Abilities[3] = 17;
             s.Mana = 7;
         },
         '.', "45", "6.43", ""},
        {"no damage slot: rounds only",
         [](TSpell& s) {
             s.Abilities[0] = 14;
             s.Duration = 2;
             s.Mana = 5;
         },
         '.', "", "", "2"},
        {"negative damage and mana",
         [](TSpell& s) {
             s.MinValue = -10, s.MinIncrement = 0, s.MaxValue = -20, s.MaxIncrement = 0;
             s.Mana = -4;
         },
         '.', "-15", "3.75", ""},
        {"totals past 32 bits",
         [](TSpell& s) {
             s.MinValue = INT32_MAX, s.MinIncrement = INT32_MAX, s.MinLevelStep = 0;
             s.MaxValue = INT32_MAX, s.MaxIncrement = INT32_MAX, s.MaxLevelStep = 0;
             s.Duration = INT32_MAX, s.DurationIncrement = INT32_MAX, s.DurationLevelStep = 0;
         },
         '.', "1.19949953227584e+22", "", "109521665997"},
    };
    for (const auto& r : rows) {
        TSpell s = FireBolt();
        r.Change(s);
        ListRow row;
        ASSERT_TRUE(MakeSpellRow("S", s, r.Sep, row));
        const std::vector<std::string> cells = CellTexts(row);
        ASSERT_EQ(cells.size(), 13u);
        EXPECT_EQ(cells[10], r.Dmg) << r.What;
        EXPECT_EQ(cells[11], r.PerMana) << r.What;
        EXPECT_EQ(cells[12], r.Rounds) << r.What;
    }
    EXPECT_EQ(RangeTotal(10, 1, 5, 50), 20);
    EXPECT_EQ(RangeTotal(20, 1, 0, 50), 70);
    // At the caster's level, up to the spell's cap (50); a spell without a cap grows with the level.
    const struct {
        int32_t Cap;
        uint16_t Level;  // 0: the description level (the cap, else 75)
        const char* Dmg;
    } levels[] = {{50, 0, "45"}, {50, 10, "21"}, {50, 50, "45"}, {50, 80, "45"}, {0, 10, "21"}, {0, 80, "63"}};
    for (const auto& l : levels) {
        TSpell s = FireBolt();
        s.LevelCap = l.Cap;
        ListRow row;
        ASSERT_TRUE(MakeSpellRow("S", s, '.', row));
        row.SetLevel(l.Level);
        EXPECT_EQ(CellTexts(row)[10], l.Dmg) << l.Cap << " " << l.Level;
    }
}

TEST(SpellNotes, DurationClauses)
{
    const struct {
        int32_t increment, step;
        const char* clause;
        int64_t max;
    } cases[] = {
        {1, 10, ", Length: 3 rounds + level/10, (Max:8 rounds at level 50)", 8},
        {12, 0, ", Length: 3 rounds + level*12, (Max:603 rounds at level 50)", 603},
        {10, 0, ", Length: 3 rounds + level*10, (Max:503 rounds at level 50)", 503},
        {1, 0, ", Length: 3 rounds + level, (Max:53 rounds at level 50)", 53},
        {1, 1, ", Length: 3 rounds + level, (Max:53 rounds at level 50)", 53},
        {0, 0, ", Length: 3 rounds  , (Max:3 rounds at level 50)", 3},
        {3, 2, ", Length: 3 rounds + (level*3)/2, (Max:78 rounds at level 50)", 78},
    };
    for (const auto& c : cases) {
        SpellList spells;
        TSpell s = FireBolt();
        s.Duration = 3;
        s.DurationIncrement = c.increment;
        s.DurationLevelStep = c.step;
        spells.Add(std::move(s));
        SpellDescriber(spells).DoSpellNotes();
        const std::string& notes = spells[0].Notes;
        EXPECT_NE(notes.find(std::string(c.clause) + ", Energy = 200"), std::string::npos) << notes;
        EXPECT_EQ(spells[0].MaxDuration, c.max);
        EXPECT_EQ(spells[0].Basics, "Damage (No AC) 10 to 20 per/rnd for 3 rounds");
    }
}

TEST(SpellNotes, FormulaShapes)
{
    const struct {
        int32_t increment, step;
        const char* formula;
    } cases[] = {{1, 5, "Min: 10 + level/5,"},     {1, 0, "Min: 10 + level,"},   {0, 0, "Min: 10  ,"},
                 {2, 0, "Min: 10 + (level*2)/0,"}, {1, 1, "Min: 10 + level/1,"}, {3, 4, "Min: 10 + (level*3)/4,"}};
    for (const auto& c : cases) {
        SpellList spells;
        TSpell s = FireBolt();
        s.MinIncrement = c.increment;
        s.MinLevelStep = c.step;
        spells.Add(std::move(s));
        SpellDescriber(spells).DoSpellNotes();
        EXPECT_NE(spells[0].Notes.find(c.formula), std::string::npos) << spells[0].Notes;
    }
}

TEST(SpellNotes, TotalsRoundHalfToEvenAndUseLevel75OutsideTheCap)
{
    SpellList spells;
    TSpell s = FireBolt();
    s.MinIncrement = 1;
    s.MinLevelStep = 2;
    s.LevelCap = 73;  // 73 / 2 = 36.5 -> 36, + 10 = 46
    spells.Add(std::move(s));
    TSpell t = FireBolt();
    t.MinIncrement = 1;
    t.MinLevelStep = 2;
    t.LevelCap = 75;  // 37.5 -> 38, + 10 = 48
    spells.Add(std::move(t));
    for (int32_t cap : {0, 120, -3}) {
        TSpell u = FireBolt();
        u.LevelCap = cap;
        spells.Add(std::move(u));
    }
    SpellDescriber(spells).DoSpellNotes();
    EXPECT_NE(spells[0].Notes.find("(Total:46 at level 73)"), std::string::npos) << spells[0].Notes;
    EXPECT_NE(spells[1].Notes.find("(Total:48 at level 75)"), std::string::npos) << spells[1].Notes;
    for (size_t i = 2; i < 5; ++i) {
        EXPECT_NE(spells[i].Notes.find("(Total:25 at level 75)"), std::string::npos) << spells[i].Notes;
        EXPECT_NE(spells[i].Notes.find("(Total:95 at level 75)"), std::string::npos) << spells[i].Notes;
    }
}

TEST(SpellNotes, HugeTotalsAreExact)
{
    SpellList spells;
    TSpell s = FireBolt();
    s.MinValue = INT32_MAX;
    s.MinIncrement = INT32_MAX;
    s.MinLevelStep = 0;
    s.MaxValue = INT32_MIN;
    s.MaxIncrement = INT32_MIN;
    s.LevelCap = 99;
    s.Duration = INT32_MAX;
    s.DurationIncrement = INT32_MAX;
    spells.Add(std::move(s));
    SpellDescriber(spells).DoSpellNotes();
    EXPECT_NE(spells[0].Notes.find("(Total:214748364700 at level 99)"), std::string::npos) << spells[0].Notes;
    EXPECT_NE(spells[0].Notes.find("(Total:-214748364800 at level 99)"), std::string::npos) << spells[0].Notes;
    EXPECT_EQ(spells[0].MaxDuration, 214748364700LL);
}

TEST(SpellNotes, AbilityRulesOfTheDescription)
{
    const struct {
        int32_t code, value, minValue, maxValue;
        const char* notes;
    } cases[] = {
        {22, 3, 5, 5, "Accuracy +5"},
        {22, 3, 5, 6, ""},
        {74, 1, -2, -2, "Hold Person -2"},
        {148, 0, 4, 4, "TextBlock +4"},
        {148, 0, 4, 5, ""},
        {97, 2, -3, 0, "Good -3"},
        {14, 2, 0, 0, "Room Illuminate 0"},
        {97, 0, 1, 1, "Good 0"},
        {108, 0, 1, 1, "Affects Living"},
        {23, 0, 0, 0, "Affects Undead"},
        {115, 5, 0, 0, ""},
        {120, 0, 0, 0, ""},
        {122, 12, 0, 0, "Remove Spell Fire Bolt (12)"},
        {122, 0, 0, 0, "Remove Spell 0"},
        {46, -4, 0, 0, "Strength -4"},
        {151, 44, 0, 0, "End Cast of , 44"},
        {151, 0, 30, 32, "End Cast of , 30, 31, 32"},
        {151, 0, 12, 12, "End Cast of , Fire Bolt (12)"},
        {151, 0, 5, 4, "End Cast of , 0"},
    };
    for (const auto& c : cases) {
        SpellList spells;
        spells.Add(Named(12, "Fire Bolt"));
        TSpell s = Named(50, "Probe");
        s.Abilities[0] = c.code;
        s.AbilityValues[0] = c.value;
        s.MinValue = c.minValue;
        s.MaxValue = c.maxValue;
        spells.Add(std::move(s));
        SpellDescriber d(spells);
        EXPECT_EQ(d.GetSpNotes(spells[1]), c.notes) << c.code << " " << c.value;
    }
}

TEST(SpellNotes, AbsurdEndCastRangeIsBounded)
{
    SpellList spells;
    TSpell s = Named(50, "Everything");
    s.Abilities[0] = 151;
    s.MinValue = INT32_MIN;
    s.MaxValue = INT32_MAX;
    spells.Add(std::move(s));
    const std::string notes = SpellDescriber(spells).GetSpNotes(spells[0]);
    EXPECT_EQ(notes.rfind("End Cast of , -2147483648, -2147483647", 0), 0u);
    EXPECT_NE(notes.find(", -2147483394, ..., 2147483647"), std::string::npos) << notes.substr(notes.size() - 80);
    // A range of exactly the bound is named in full.
    TSpell t = Named(51, "Many");
    t.Abilities[0] = 151;
    t.MinValue = 1;
    t.MaxValue = 256;
    spells.Add(std::move(t));
    const std::string many = SpellDescriber(spells).GetSpNotes(spells[1]);
    EXPECT_EQ(many.find("..."), std::string::npos);
    EXPECT_NE(many.find(", 255, 256"), std::string::npos);
}

TEST(SpellNotes, EmptySpellHasEmptyTexts)
{
    SpellList spells;
    spells.Add(Named(3, "Nothing"));
    SpellDescriber(spells).DoSpellNotes();
    EXPECT_EQ(spells[0].Notes, "");
    EXPECT_EQ(spells[0].Basics, "");
}

TEST(SpellSummary, ClauseRules)
{
    const struct {
        std::vector<std::pair<int32_t, int32_t>> slots;  // code, value
        int32_t minValue, maxValue;
        const char* basics;
    } cases[] = {
        {{{108, 0}}, 3, 9, "Affects Living"},
        {{{18, 0}}, 7, 7, "Heal 7"},
        {{{18, 0}}, 3, 9, "Heal 3 to 9"},
        {{{18, 0}, {46, 0}}, 3, 9, "Heal 3 to 9"},  // a zero value past slot 1 adds only a space
        {{{46, 2}, {0, 0}, {22, -1}}, 0, 0, "Strength +2 Accuracy -1"},
        {{{115, 0}, {120, 3}, {122, 4}, {144, 0}, {46, 2}}, 0, 0, "Strength +2"},
        {{{46, 2}, {47, 0}, {48, 3}}, 0, 0, "Strength +2  Agility +3"},  // inner double space stays
        {{{164, 50}, {151, 12}}, 0, 0, "End Cast (Fire Bolt Damage (No AC) 10 to 20)50%"},
        {{{151, 12}, {164, 50}}, 0, 0, "End Cast (Fire Bolt Damage (No AC) 10 to 20)"},
        {{{151, 50}}, 0, 0, "End Cast +50"},  // its own number
        {{{151, 77}}, 0, 0, "End Cast 77"},   // no such spell
    };
    for (const auto& c : cases) {
        SpellList spells;
        spells.Add(FireBolt());
        TSpell s = Named(50, "Probe");
        for (size_t i = 0; i < c.slots.size(); ++i) {
            s.Abilities[i] = c.slots[i].first;
            s.AbilityValues[i] = c.slots[i].second;
        }
        s.MinValue = c.minValue;
        s.MaxValue = c.maxValue;
        spells.Add(std::move(s));
        SpellDescriber d(spells);
        EXPECT_EQ(d.GetBasics(spells[1]), c.basics);
    }
}

TEST(SpellSummary, ZeroRangeUsesTheIncrementAndKeepsTheStepOfOne)
{
    SpellList spells;
    TSpell s = Named(1, "Thorns");
    s.Abilities[0] = 17;
    s.MaxIncrement = 3;
    s.LevelCap = 5;  // 3 / 1 * 5 = 15 (raw cap)
    spells.Add(std::move(s));
    TSpell quoter = Named(2, "Quoter");
    quoter.Abilities[0] = 46;
    quoter.AbilityValues[0] = 1;
    quoter.Abilities[1] = 151;
    quoter.AbilityValues[1] = 3;
    spells.Add(std::move(quoter));
    TSpell later = Named(3, "Later");
    later.Abilities[0] = 17;
    later.MaxIncrement = 5;
    later.LevelCap = 2;
    spells.Add(std::move(later));
    SpellDescriber d(spells);
    d.DoSpellNotes();
    EXPECT_EQ(spells[0].Basics, "Damage (on armour) 0 to 15");
    EXPECT_EQ(spells[0].MaxLevelStep, 1);
    // "Later" was quoted by an earlier spell's summary, so its own notes already show the step 1.
    EXPECT_NE(spells[2].Notes.find("Max: 0 + (level*5)/1"), std::string::npos) << spells[2].Notes;
    // Without the quote, the notes show the step 0 as read.
    SpellList alone;
    TSpell again = Named(3, "Later");
    again.Abilities[0] = 17;
    again.MaxIncrement = 5;
    again.LevelCap = 2;
    alone.Add(std::move(again));
    SpellDescriber(alone).DoSpellNotes();
    EXPECT_NE(alone[0].Notes.find("Max: 0 + (level*5)/0"), std::string::npos) << alone[0].Notes;
}

TEST(SpellSummary, CyclesAreCutWhereASpellQuotesItselfAgain)
{
    SpellList spells;
    TSpell a = Named(17, "Mirror Echo");
    a.Abilities[0] = 151;
    a.AbilityValues[0] = 18;
    TSpell b = Named(18, "Echo Mirror");
    b.Abilities[0] = 151;
    b.AbilityValues[0] = 17;
    spells.Add(std::move(a));
    spells.Add(std::move(b));
    SpellDescriber d(spells);
    d.DoSpellNotes();
    EXPECT_EQ(spells[0].Basics, "End Cast (Echo Mirror End Cast (Mirror Echo ...))");
    EXPECT_EQ(spells[1].Basics, "End Cast (Mirror Echo End Cast (Echo Mirror ...))");
    EXPECT_EQ(d.GetSpellEffect(17), "(Mirror Echo End Cast (Echo Mirror End Cast (Mirror Echo ...)))");
}

TEST(SpellSummary, DeepChainsStopAtTheDepthLimitAndCachedTextsMatchFreshOnes)
{
    // 1 -> 2 -> 3 -> ... -> 8, each quoting the next.
    SpellList spells;
    for (int n = 1; n <= 8; ++n) {
        TSpell s = Named(n, std::string{'S', static_cast<char>('a' + n)});
        s.Abilities[0] = 46;
        s.AbilityValues[0] = n;
        if (n < 8) {
            s.Abilities[1] = 151;
            s.AbilityValues[1] = n + 1;
        }
        spells.Add(std::move(s));
    }
    SpellDescriber cached(spells);
    // Build the inner summaries first so that the cache is warm, then the outer ones.
    std::vector<std::string> warm;
    for (int i = 7; i >= 0; --i) warm.push_back(cached.GetBasics(spells[static_cast<size_t>(i)]));
    for (int i = 0; i < 8; ++i) {
        SpellDescriber fresh(spells);
        EXPECT_EQ(fresh.GetBasics(spells[static_cast<size_t>(i)]), warm[static_cast<size_t>(7 - i)]) << i;
    }
    EXPECT_EQ(warm[7], "Strength +1 End Cast (Sc Strength +2 End Cast (Sd Strength +3 End Cast (Se Strength +4 "
                       "End Cast (Sf ...))))");
    EXPECT_EQ(warm[0], "Strength +8");
}

TEST(SpellText, SmallServices)
{
    EXPECT_EQ(PlusMinusZero(0), "0");
    EXPECT_EQ(PlusMinusZero(5), "+5");
    EXPECT_EQ(PlusMinusZero(-5), "-5");
    EXPECT_EQ(PlusMinusZero(INT32_MIN), "-2147483648");
    EXPECT_EQ(AddCommaSpace("a", "S"), "a ");
    EXPECT_EQ(AddCommaSpace("a", "B"), "a, ");
    TSpell s;
    s.LevelCap = 0;
    EXPECT_EQ(DescriptionLevel(s), 75);
    s.LevelCap = 99;
    EXPECT_EQ(DescriptionLevel(s), 99);
    s.LevelCap = 100;
    EXPECT_EQ(DescriptionLevel(s), 75);
}

TEST(SpellSummary, QuotesOfQuotesStayBounded)
{
    // A end-casts B in every slot, B end-casts C, C D, D E; E has a long name. Each level would
    // multiply the text by ten.
    SpellList spells;
    for (int n = 1; n <= 5; ++n) {
        TSpell s = Named(n, n == 5 ? std::string(3000, 'E') : std::string(1, static_cast<char>('A' + n - 1)));
        if (n < 5) {
            s.Abilities.fill(151);
            s.AbilityValues.fill(n + 1);
        }
        spells.Add(std::move(s));
    }
    SpellDescriber describer(spells);
    describer.DoSpellNotes();
    for (const TSpell& s : spells) {
        EXPECT_LE(s.Basics.size(), kMaxTextBytes) << s.Name.substr(0, 1);
        EXPECT_LE(s.Notes.size(), kMaxTextBytes) << s.Name.substr(0, 1);  // D names E ten times
    }
    EXPECT_EQ(spells[0].Basics.substr(spells[0].Basics.size() - 4), " ...");
    TItem item;
    item.Abilities.fill(43);
    item.AbilityValues.fill(1);
    DescribeItem(item, describer);
    EXPECT_LE(item.Special.size(), kMaxTextBytes);
    EXPECT_EQ(item.Special.substr(0, 14), "Casts Spell (A");

    std::string text = "one two three";
    CapText(text, 100);
    EXPECT_EQ(text, "one two three");
    CapText(text, 11);
    EXPECT_EQ(text, "one two ...");
    text = std::string(20, 'x');
    CapText(text, 10);
    EXPECT_EQ(text, "xxxxxx ...");
}
