#include "SampleData.h"

#include <array>
#include <cstdio>
#include <string>
#include <vector>

namespace vantorgen {
namespace {

class Random {
public:
    explicit Random(uint64_t seed) : state_(seed) {}
    uint64_t Next()
    {
        uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    int Below(int n) { return n <= 0 ? 0 : static_cast<int>(Next() % static_cast<uint64_t>(n)); }
    int Between(int lo, int hi) { return lo + Below(hi - lo + 1); }
    bool Chance(int percent) { return Below(100) < percent; }
    template <class T, size_t N>
    const T& Pick(const std::array<T, N>& a)
    {
        return a[static_cast<size_t>(Below(static_cast<int>(N)))];
    }

private:
    uint64_t state_;
};

const std::array<const char*, 24> kAdjectives = {"Ashen",  "Brazen",    "Cobalt", "Dusky",   "Elder", "Frosted",
                                                 "Gilded", "Hollow",    "Ivory",  "Jagged",  "Keen",  "Lunar",
                                                 "Mossy",  "Night",     "Oaken",  "Pale",    "Quiet", "Russet",
                                                 "Sable",  "Tarnished", "Umber",  "Verdant", "Woven", "Zephyr"};
const std::array<const char*, 16> kArmourNouns = {"Helm",       "Gauntlets", "Ring",   "Boots",   "Bracers", "Cloak",
                                                  "Amulet",     "Greaves",   "Girdle", "Hauberk", "Buckler", "Band",
                                                  "Wristguard", "Earring",   "Crest",  "Coif"};
const std::array<const char*, 12> kWeaponNouns = {"Mace",     "Maul",      "Sword",  "Greataxe", "Dagger", "Flail",
                                                  "Scimitar", "Warhammer", "Rapier", "Halberd",  "Club",   "Glaive"};
const std::array<const char*, 12> kOtherNouns = {"Arrows",  "Bench",  "Bread", "Ale",    "Lantern", "Key",
                                                 "Satchel", "Scroll", "Idol",  "Quiver", "Torch",   "Chest"};
const std::array<const char*, 16> kSpellRoots = {"Ember", "Frost",   "Thorn", "Veil",  "Arc",  "Gale", "Mend",  "Ward",
                                                 "Shade", "Glimmer", "Quake", "Venom", "Sear", "Hush", "Bloom", "Rime"};
const std::array<const char*, 8> kSpellKinds = {"Bolt", "Touch", "Aura", "Storm", "Ward", "Blessing", "Burst", "Chant"};

std::string Join(const std::vector<std::string>& fields)
{
    std::string line;
    for (size_t i = 0; i < fields.size(); ++i) {
        if (i) line += ',';
        line += fields[i];
    }
    return line;
}

std::string N(long long v) { return std::to_string(v); }

struct SpellRecipe {
    int Number = 0;
    std::string Name;
    int LevelCap = 50, Energy = 0, Level = 1, MinValue = 0, MaxValue = 0, SpellType = 0;
    int Difficulty = 0, CasterType = 0, Mana = 0, MaxIncrement = 0, MaxLevelStep = 0;
    int MagicLevel = 0, LevelCapFlag = 0;
    std::array<int, 10> Values{}, Abilities{};
    int Targets = 0, Duration = 0, Element = 0;
    std::string Code;
    int DurationIncrement = 0, DurationLevelStep = 0, MinIncrement = 0, MinLevelStep = 0;
    bool QuoteNumbers = false;

    std::string Line() const
    {
        std::vector<std::string> f = {N(Number),       Name,          N(LevelCap),    N(Energy),
                                      N(Level),        N(MinValue),   N(MaxValue),    N(SpellType),
                                      N(Difficulty),   N(CasterType), N(Mana),        N(MaxIncrement),
                                      N(MaxLevelStep), N(MagicLevel), N(LevelCapFlag)};
        for (int v : Values) f.push_back(N(v));
        for (int a : Abilities) f.push_back(N(a));
        for (auto v : {Targets, Duration, Element}) f.push_back(N(v));
        f.push_back(Code);
        for (auto v : {DurationIncrement, DurationLevelStep, MinIncrement, MinLevelStep}) f.push_back(N(v));
        if (QuoteNumbers) f[4] = "\"" + f[4] + "\"";  // a quoted number still reads as a number
        return Join(f);
    }
};

struct ItemRecipe {
    int Number = 0;
    std::string Name;
    int Limit = 0, Weight = 0, ItemType = 0;
    std::array<int, 10> Abilities{}, ClassOnly{}, Negates{}, Values{};
    int Spare16 = 0, Spare17 = 0, MinDamage = 0, MaxDamage = 0, AcTenths = 0;
    int WeaponType = 0, ArmourType = 0, WornSlot = 0, Accuracy = 0, DrTenths = 0;
    int StrengthReq = 0, Speed = 0, Spare58 = 0, Spare59 = 0;
    int used = 0;

    void Add(int code, int value)
    {
        if (used < 10) {
            Abilities[static_cast<size_t>(used)] = code;
            Values[static_cast<size_t>(used)] = value;
            ++used;
        }
    }
    std::string Line() const
    {
        std::vector<std::string> f = {N(Number), Name, N(Limit), N(Weight), N(ItemType)};
        for (int a : Abilities) f.push_back(N(a));
        f.push_back(N(Spare16));
        f.push_back(N(Spare17));
        for (int c : ClassOnly) f.push_back(N(c));
        f.push_back(N(MinDamage));
        f.push_back(N(MaxDamage));
        f.push_back(N(AcTenths));
        for (int s : Negates) f.push_back(N(s));
        for (auto v : {WeaponType, ArmourType, WornSlot, Accuracy, DrTenths, StrengthReq, Speed}) f.push_back(N(v));
        for (int v : Values) f.push_back(N(v));
        f.push_back(N(Spare58));
        f.push_back(N(Spare59));
        return Join(f);
    }
};

// Ordinary names hold no digit 1 and no "sdf": the reader drops such spells.
std::string SpellName(Random& r) { return std::string(r.Pick(kSpellRoots)) + " " + r.Pick(kSpellKinds); }

std::string SpellCode(Random& r)
{
    std::string code;
    for (int i = 0; i < 4; ++i) code += static_cast<char>('a' + r.Below(26));
    return code;
}

SpellRecipe RandomSpell(Random& r, int number, int spellCount)
{
    SpellRecipe s;
    s.Number = number;
    s.Name = SpellName(r);
    s.LevelCap = r.Chance(10) ? (r.Chance(50) ? 0 : 120) : r.Between(1, 99);
    s.Energy = r.Chance(60) ? r.Between(1, 12) * 50 : 0;
    s.Level = r.Between(1, 75);
    s.MinValue = r.Between(0, 40);
    s.MaxValue = s.MinValue + (r.Chance(20) ? 0 : r.Between(1, 60));
    s.SpellType = r.Chance(15) ? 3 : (r.Chance(5) ? r.Between(1, 2) : 0);
    s.Difficulty = r.Between(-20, 150);
    s.CasterType = r.Between(0, 5);
    s.Mana = r.Between(0, 80);
    s.MaxIncrement = r.Between(0, 3);
    s.MaxLevelStep = r.Chance(40) ? 0 : r.Between(1, 10);
    s.MagicLevel = r.Chance(20) ? 0 : r.Between(1, 6);
    s.LevelCapFlag = r.Between(0, 2);
    s.Targets = r.Between(0, 13);
    s.Duration = r.Chance(40) ? r.Between(1, 30) : 0;
    s.Element = r.Between(0, 6);
    s.Code = SpellCode(r);
    s.DurationIncrement = r.Between(0, 12);
    s.DurationLevelStep = r.Chance(50) ? 0 : r.Between(1, 10);
    s.MinIncrement = r.Between(0, 2);
    s.MinLevelStep = r.Chance(40) ? 0 : r.Between(1, 10);
    static const std::array<int, 16> kCodes = {1, 17, 18, 19, 22, 2, 7, 27, 36, 46, 48, 87, 123, 145, 74, 104};
    const int slots = r.Between(0, 4);
    for (int i = 0; i < slots; ++i) {
        s.Abilities[static_cast<size_t>(i)] = r.Pick(kCodes);
        s.Values[static_cast<size_t>(i)] = i == 0 && r.Chance(60) ? 0 : r.Between(-10, 25);
    }
    if (r.Chance(8) && spellCount > 1) {  // an end cast of another spell, sometimes with a chance
        size_t slot = static_cast<size_t>(slots);
        if (r.Chance(50)) {
            s.Abilities[slot] = 164;
            s.Values[slot] = r.Between(5, 95);
            ++slot;
        }
        s.Abilities[slot] = 151;
        s.Values[slot] = r.Between(1, spellCount);
    }
    return s;
}

// Hand-made spells that show every rule of the descriptions; numbers 1..20.
std::vector<SpellRecipe> ShowcaseSpells()
{
    std::vector<SpellRecipe> v;
    auto make = [&](int number, const std::string& name) -> SpellRecipe& {
        SpellRecipe s;
        s.Number = number;
        s.Name = name;
        s.Code = "sc" + std::string(1, static_cast<char>('a' + number % 26));
        s.CasterType = 1;
        s.MagicLevel = 1;
        v.push_back(s);
        return v.back();
    };
    {  // the fire bolt example
        SpellRecipe& s = make(12, "Fire Bolt");
        s.LevelCap = 50;
        s.Abilities[0] = 1;
        s.MinValue = 10;
        s.MinIncrement = 1;
        s.MinLevelStep = 5;
        s.MaxValue = 20;
        s.MaxIncrement = 1;
        s.Energy = 200;
        s.Mana = 12;
        s.Level = 5;
        s.Targets = 4;
        s.Element = 1;
        s.Code = "fbol";
    }
    {  // a lasting blessing with a duration that grows per ten levels
        SpellRecipe& s = make(13, "Stone Skin");
        s.LevelCap = 60;
        s.Abilities[0] = 2;
        s.Values[0] = 3;
        s.Abilities[1] = 7;
        s.Values[1] = 2;
        s.Duration = 3;
        s.DurationIncrement = 1;
        s.DurationLevelStep = 10;
        s.CasterType = 2;
        s.MagicLevel = 0;
        s.Mana = 20;
        s.Targets = 1;
        s.Code = "skin";
        s.Element = 4;
    }
    {  // cast-end chance before an end cast
        SpellRecipe& s = make(14, "Ember Chain");
        s.LevelCap = 40;
        s.Abilities[0] = 1;
        s.MinValue = 5;
        s.MaxValue = 9;
        s.Abilities[1] = 164;
        s.Values[1] = 50;
        s.Abilities[2] = 151;
        s.Values[2] = 12;
        s.Targets = 4;
        s.Code = "echn";
    }
    {  // end cast before the chance: no percentage shown
        SpellRecipe& s = make(15, "Late Spark");
        s.Abilities[0] = 151;
        s.Values[0] = 12;
        s.Abilities[1] = 164;
        s.Values[1] = 30;
        s.Code = "lspk";
    }
    {  // an end cast over a range of spell numbers
        SpellRecipe& s = make(16, "Cascade Ward");
        s.Abilities[0] = 151;
        s.MinValue = 12;
        s.MaxValue = 14;
        s.Code = "casc";
        s.Targets = 13;
        s.Duration = 5;
        s.DurationIncrement = 12;
    }
    {  // two spells that end-cast each other
        SpellRecipe& a = make(17, "Mirror Echo");
        a.Abilities[0] = 18;
        a.MinValue = 4;
        a.MaxValue = 8;
        a.Abilities[1] = 151;
        a.Values[1] = 18;
        a.Code = "mech";
        SpellRecipe& b = make(18, "Echo Mirror");
        b.Abilities[0] = 18;
        b.MinValue = 2;
        b.MaxValue = 2;
        b.Abilities[1] = 151;
        b.Values[1] = 17;
        b.Code = "emir";
    }
    {  // name-only abilities, accuracy and a level cap outside 1..99
        SpellRecipe& s = make(19, "Living Grace");
        s.LevelCap = 0;
        s.Abilities[0] = 108;
        s.Abilities[1] = 22;
        s.Values[1] = 5;
        s.MinValue = 5;
        s.MaxValue = 5;
        s.Abilities[2] = 97;
        s.Values[2] = 1;
        s.Abilities[3] = 115;
        s.Values[3] = 7;
        s.Abilities[4] = 122;
        s.Values[4] = 13;
        s.Code = "lgrc";
        s.Targets = 0;
        s.Duration = 10;
        s.DurationIncrement = 1;
        s.Mana = 8;
        s.CasterType = 3;
    }
    {  // a damage spell whose range grows with the level from zero
        SpellRecipe& s = make(20, "Growing Thorns");
        s.LevelCap = 120;
        s.Abilities[0] = 17;
        s.MaxIncrement = 2;
        s.MaxLevelStep = 0;
        s.Code = "gthr";
        s.SpellType = 3;
        s.Element = 6;
        s.QuoteNumbers = true;
    }
    {  // dropped by the reader: "sdf" and the digit 1 in the name
        make(21, "Asdf Test");
        make(22, "Old Ward 1");
        SpellRecipe& q = make(23, "\"Quoted Hush\"");
        q.Abilities[0] = 76;
        q.MinValue = 1;
        q.MaxValue = 1;
    }
    return v;
}

bool WriteLines(const std::string& path, const std::vector<std::string>& lines)
{
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    bool ok = true;
    for (const std::string& line : lines) ok = ok && std::fputs(line.c_str(), f) >= 0 && std::fputs("\r\n", f) >= 0;
    return std::fclose(f) == 0 && ok;
}

std::string ItemName(Random& r, int type)
{
    std::string noun = type == 0 ? r.Pick(kArmourNouns) : type == 1 ? r.Pick(kWeaponNouns) : r.Pick(kOtherNouns);
    std::string name = std::string(r.Pick(kAdjectives)) + " " + noun;
    if (r.Chance(3)) name = " \"" + name + "\" ";  // quotes around a name become blanks
    return name;
}

ItemRecipe RandomItem(Random& r, int number, int spellCount)
{
    ItemRecipe it;
    it.Number = number;
    const int roll = r.Below(100);
    it.ItemType = roll < 45 ? 0 : roll < 75 ? 1 : r.Between(2, 10);
    it.Name = ItemName(r, it.ItemType);
    it.Limit = r.Chance(70) ? 0 : r.Between(1, 20);
    it.Weight = r.Between(1, 400);
    if (it.ItemType >= 2 && r.Chance(4)) it.Weight = r.Chance(50) ? 9800 : 9799;
    if (it.ItemType == 0) {
        it.ArmourType = r.Between(0, 9);
        it.WornSlot = r.Chance(3) ? 0 : r.Between(2, 16);
        it.AcTenths = r.Between(0, 60);
        it.DrTenths = r.Between(0, 20);
    } else if (it.ItemType == 1) {
        it.WeaponType = r.Between(0, 3);
        it.MinDamage = r.Between(0, 20);
        it.MaxDamage = it.MinDamage + r.Between(0, 40);
        it.Speed = r.Between(40, 200);
        it.StrengthReq = r.Between(0, 150);
        if (r.Chance(5)) it.AcTenths = r.Between(1, 20);
    }
    it.Accuracy = r.Chance(30) ? r.Between(-5, 15) : 0;
    static const std::array<int, 20> kCodes = {22,  27,  34,  36, 58, 96, 4, 28, 142, 135,
                                               116, 123, 145, 46, 48, 3,  5, 86, 88,  69};
    const int count = r.Between(0, 4);
    for (int i = 0; i < count; ++i) {
        const int code = r.Pick(kCodes);
        it.Add(code, code == 135 ? r.Between(1, 75) : code == 28 ? r.Between(1, 6) : r.Between(-5, 20));
    }
    if (r.Chance(10)) it.Add(7, r.Between(-3, 10));
    if (r.Chance(8)) it.Add(r.Pick(std::array<int, 4>{97, 98, 112, 100}), r.Chance(50) ? 0 : r.Between(1, 5));
    if (r.Chance(6) && spellCount > 0) {
        if (r.Chance(60)) it.Add(114, r.Between(5, 50));
        it.Add(43, r.Between(1, spellCount));
    }
    if (r.Chance(5)) it.Add(59, r.Between(1, 15));
    if (r.Chance(12)) it.ClassOnly[0] = r.Between(1, 15);
    if (r.Chance(4)) it.ClassOnly[1] = r.Between(1, 15);
    if (r.Chance(5) && spellCount > 0) it.Negates[0] = r.Between(1, spellCount + 5);
    return it;
}

// Hand-made items that show every rule of the ability texts and lists.
std::vector<ItemRecipe> ShowcaseItems()
{
    std::vector<ItemRecipe> v;
    auto make = [&](const std::string& name, int type) -> ItemRecipe& {
        ItemRecipe it;
        it.Number = 1 + static_cast<int>(v.size());
        it.Name = name;
        it.ItemType = type;
        it.Weight = 10;
        v.push_back(it);
        return v.back();
    };
    {
        ItemRecipe& it = make("Thief's Ring of Warding", 0);
        it.Add(22, 5);
        it.Add(97, 0);
        it.Add(36, 10);
        it.ClassOnly[0] = 8;
        it.WornSlot = 4;
        it.ArmourType = 0;
    }
    {
        ItemRecipe& it = make("Ember Wand Circlet", 0);
        it.Add(114, 25);
        it.Add(43, 12);
        it.WornSlot = 2;
        it.AcTenths = 15;
        it.ArmourType = 3;
    }
    {
        ItemRecipe& it = make("Careless Caster's Band", 0);
        it.Add(43, 14);
        it.Add(114, 40);
        it.WornSlot = 13;
        it.AcTenths = 5;
    }
    {
        ItemRecipe& it = make(" \"Long Sword\" ", 1);
        it.MinDamage = 3;
        it.MaxDamage = 12;
        it.Speed = 100;
        it.StrengthReq = 40;
        it.WeaponType = 2;
    }
    {
        ItemRecipe& it = make("Keen Duelling Blade", 1);
        it.MinDamage = 10;
        it.MaxDamage = 30;
        it.Speed = 100;
        it.Add(58, 10);
        it.WeaponType = 3;
    }
    {
        ItemRecipe& it = make("Broken Practice Club", 1);
        it.WeaponType = 0;
        it.Speed = 90;
    }
    {
        ItemRecipe& it = make("Plate of the Just", 0);
        it.Add(97, 3);
        it.Add(28, 3);
        it.Add(7, 5);
        it.Add(135, 30);
        it.Add(59, 1);
        it.DrTenths = 10;
        it.AcTenths = 25;
        it.Weight = 10;
        it.ArmourType = 9;
        it.WornSlot = 11;
        it.Negates[0] = 13;
        it.Negates[1] = 999;
    }
    {
        ItemRecipe& it = make("Balanced Charm", 0);
        it.Add(7, 2);
        it.Add(7, -3);
        it.DrTenths = 1;
        it.WornSlot = 8;
    }
    make("Unwearable Shard", 0);
    {
        ItemRecipe& it = make("Anvil of the Deep", 3);
        it.Weight = 9800;
    }
    {
        ItemRecipe& it = make("Heavy Barrel", 3);
        it.Weight = 9799;
    }
    make("Testsdf Dagger", 1);
    {
        ItemRecipe& it = make("SDF Marker Stone", 10);
        it.Limit = 2;
    }
    return v;
}

}  // namespace

bool WriteSampleData(const std::string& dir, const SampleSizes& sizes, uint64_t seed)
{
    Random r(seed);
    const std::vector<SpellRecipe> showcase = ShowcaseSpells();
    std::vector<std::string> spellLines, extraLines, itemLines;
    const int totalSpells = sizes.Spells + sizes.ExtraSpells;
    for (const SpellRecipe& s : showcase) spellLines.push_back(s.Line());
    for (int n = 100; static_cast<int>(spellLines.size()) < sizes.Spells; ++n)
        spellLines.push_back(RandomSpell(r, n, totalSpells + 100).Line());
    for (int i = 0; i < sizes.ExtraSpells; ++i) {
        // The second file repeats one number of the first: look-ups find the first file's spell.
        SpellRecipe s = RandomSpell(r, i == 0 ? 12 : 100 + sizes.Spells + i, totalSpells + 100);
        if (i == 0) s.Name = "Fire Bolt Echo";
        extraLines.push_back(s.Line());
    }
    for (const ItemRecipe& it : ShowcaseItems()) itemLines.push_back(it.Line());
    for (int n = 1000; static_cast<int>(itemLines.size()) < sizes.Items; ++n)
        itemLines.push_back(RandomItem(r, n, totalSpells + 100).Line());
    return WriteLines(dir + "/spells.txt", spellLines) && WriteLines(dir + "/spellsVtab0.txt", extraLines) &&
           WriteLines(dir + "/Items.txt", itemLines);
}

}  // namespace vantorgen
