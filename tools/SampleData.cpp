#include "SampleData.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <map>
#include <set>
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
    // A factor between 1 - spread and 1 + spread.
    double Jitter(double spread) { return 1 - spread + 2 * spread * static_cast<double>(Below(1001)) / 1000.0; }
    template <class T>
    const T& Pick(const std::vector<T>& v)
    {
        return v[static_cast<size_t>(Below(static_cast<int>(v.size())))];
    }

private:
    uint64_t state_;
};

std::string N(long long v) { return std::to_string(v); }
int Round(double v) { return static_cast<int>(v < 0 ? v - 0.5 : v + 0.5); }

std::string Join(const std::vector<std::string>& fields)
{
    std::string line;
    for (size_t i = 0; i < fields.size(); ++i) {
        if (i) line += ',';
        line += fields[i];
    }
    return line;
}

// Roman numbers for the second and later things of one name: "II", "III" ...
std::string Roman(int n)
{
    static const std::pair<int, const char*> kDigits[] = {{1000, "M"}, {900, "CM"}, {500, "D"}, {400, "CD"}, {100, "C"},
                                                          {90, "XC"},  {50, "L"},   {40, "XL"}, {10, "X"},   {9, "IX"},
                                                          {5, "V"},    {4, "IV"},   {1, "I"}};
    std::string out;
    for (const auto& [value, digits] : kDigits)
        for (; n >= value; n -= value) out += digits;
    return out;
}

// Keeps names unique within a list: the first free of the candidates, else the last with a number.
class Names {
public:
    template <class Make>
    std::string Unique(Make make)
    {
        std::string name;
        for (int tries = 0; tries < 60; ++tries) {
            name = make();
            if (taken_.insert(name).second) return name;
        }
        for (int n = 2;; ++n)
            if (taken_.insert(name + " " + Roman(n)).second) return name + " " + Roman(n);
    }

private:
    std::set<std::string> taken_;
};

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

// ---- What armour is made of ----------------------------------------------------------------

enum Stuff { Cloth, Metal, Wood, Silk, Ninja, Leather, Chain, Scale, Plate };

struct StuffInfo {
    std::vector<std::pair<const char*, int>> Words;  // a word of the name, and the armour type it gives
    double AC;                                       // a torso piece's armour class at level 75
    double Weight;                                   // a torso piece's weight
    double DR;                                       // a torso piece's damage resistance at level 75
};

const StuffInfo& Info(Stuff s)
{
    static const std::map<Stuff, StuffInfo> kStuff = {
        {Cloth, {{{"Linen", 0}, {"Woollen", 0}, {"Felt", 0}, {"Fur", 0}}, 0.6, 14, 0}},
        {Metal,
         {{{"Copper", 0}, {"Bronze", 0}, {"Silver", 0}, {"Gold", 0}, {"Jade", 0}, {"Onyx", 0}, {"Amber", 0}},
          0.6,
          3,
          0}},
        {Wood, {{{"Oak", 0}, {"Ash", 0}, {"Yew", 0}}, 3.0, 70, 0}},
        {Silk, {{{"Silk", 1}}, 1.6, 10, 0}},
        {Ninja, {{{"Ninja", 2}}, 2.6, 22, 0.2}},
        {Leather,
         {{{"Leather", 3}, {"Studded Leather", 4}, {"Hardened Leather", 5}, {"Boiled Leather", 6}}, 3.8, 70, 0.5}},
        {Chain, {{{"Chain", 7}, {"Chainmail", 7}}, 6.0, 180, 1.0}},
        {Scale, {{{"Scale", 8}, {"Scalemail", 8}}, 7.5, 250, 1.5}},
        {Plate, {{{"Plate", 9}, {"Steel", 9}}, 9.0, 320, 2.0}},
    };
    return kStuff.at(s);
}

// ---- Where armour is worn ------------------------------------------------------------------

struct Piece {
    const char* Noun;
    std::vector<Stuff> Made;
};

struct Slot {
    int Worn;     // the body-part code (the fingers also 13)
    int Share;    // how often pieces for it are found
    double Size;  // its share of a torso piece's armour class and weight
    std::vector<Piece> Pieces;
};

const std::vector<Slot>& Slots()
{
    static const std::vector<Slot> kSlots = {
        {2,
         9,
         0.45,
         {{"Helm", {Chain, Scale, Plate}},
          {"Cap", {Leather, Cloth}},
          {"Coif", {Chain}},
          {"Hood", {Silk, Ninja, Cloth}},
          {"Circlet", {Metal}},
          {"Crown", {Metal}}}},
        {3,
         8,
         0.30,
         {{"Gauntlets", {Chain, Scale, Plate}},
          {"Gloves", {Silk, Ninja, Leather, Cloth}},
          {"Mitts", {Leather, Cloth}}}},
        {4, 10, 0, {{"Ring", {Metal}}, {"Band", {Metal}}, {"Signet", {Metal}}}},
        {5,
         8,
         0.35,
         {{"Boots", {Leather, Ninja, Chain, Scale, Plate}},
          {"Shoes", {Leather, Silk, Cloth}},
          {"Sandals", {Leather, Cloth}},
          {"Sabatons", {Scale, Plate}}}},
        {6,
         7,
         0.40,
         {{"Vambraces", {Leather, Chain, Scale, Plate}},
          {"Sleeves", {Silk, Ninja, Cloth}},
          {"Armguards", {Leather, Chain}}}},
        {7, 7, 0.30, {{"Cloak", {Cloth, Silk, Leather}}, {"Cape", {Cloth, Silk}}, {"Mantle", {Cloth, Silk, Leather}}}},
        {8,
         6,
         0,
         {{"Amulet", {Metal}}, {"Necklace", {Metal}}, {"Collar", {Metal}}, {"Torc", {Metal}}, {"Charm", {Metal}}}},
        {9,
         8,
         0.55,
         {{"Greaves", {Chain, Scale, Plate}},
          {"Leggings", {Silk, Ninja, Leather, Chain}},
          {"Trousers", {Cloth, Leather}},
          {"Cuisses", {Scale, Plate}}}},
        {10, 6, 0.20, {{"Belt", {Leather}}, {"Girdle", {Leather, Chain, Plate}}, {"Sash", {Silk, Cloth}}}},
        {11,
         10,
         1.00,
         {{"Hauberk", {Chain, Scale}},
          {"Cuirass", {Leather, Scale, Plate}},
          {"Robe", {Cloth, Silk}},
          {"Tunic", {Cloth, Silk, Ninja, Leather}},
          {"Jerkin", {Leather}},
          {"Vest", {Silk, Ninja, Leather}},
          {"Coat", {Leather, Chain, Scale}}}},
        {12,
         6,
         0.70,
         {{"Shield", {Wood, Leather, Plate}}, {"Buckler", {Wood, Leather, Plate}}, {"Targe", {Wood, Leather}}}},
        {14, 6, 0.15, {{"Bracelet", {Metal}}, {"Bracer", {Leather, Plate}}, {"Wristguard", {Leather, Chain}}}},
        {15, 4, 0, {{"Earring", {Metal}}, {"Stud", {Metal}}}},
        {16, 3, 0, {{"Emblem", {Metal}}, {"Badge", {Metal}}, {"Insignia", {Metal}}}},
    };
    return kSlots;
}

// The look of a piece by the level it needs: plain at first, ancient at the end.
const std::vector<const char*>& TierWords(int level)
{
    static const std::vector<std::vector<const char*>> kTiers = {{"Worn", "Patched", "Plain", "Simple"},
                                                                 {"Sturdy", "Fine", "Sound", "Trusty"},
                                                                 {"Masterwork", "Reinforced", "Elegant", "Gleaming"},
                                                                 {"Runed", "Dwarven", "Elven", "Warded"},
                                                                 {"Ancient", "Exalted", "Legendary", "Kingly"}};
    return kTiers[static_cast<size_t>(std::min(4, (level - 1) / 15))];
}

// A magical piece's suffix: the ability it carries, and its value at a level.
struct Suffix {
    const char* Words;
    int Code;
    int Base, PerLevels;  // value = Base + level / PerLevels
};

const std::vector<Suffix>& ArmourSuffixes()
{
    static const std::vector<Suffix> kSuffixes = {
        {"of the Bear", 46, 1, 20}, {"of the Fox", 48, 1, 20},   {"of the Owl", 45, 1, 20},
        {"of the Sage", 44, 1, 20}, {"of Shadows", 27, 3, 6},    {"of Evasion", 34, 2, 8},
        {"of Warding", 36, 2, 6},   {"of Precision", 22, 1, 10}, {"of Slaying", 58, 1, 12},
        {"of Might", 4, 1, 15},     {"of the Hearth", 5, 3, 5},  {"of the North", 3, 3, 5},
        {"of Vigour", 88, 5, 3},    {"of the Magus", 69, 3, 4},  {"of Mending", 123, 1, 15},
        {"of Stoneskin", 7, 2, 10}, {"of the Porter", 96, 5, 6}, {"of the Storm", 66, 3, 5}};
    return kSuffixes;
}

// Pieces of one class, of one alignment, and cursed ones.
const std::vector<std::pair<const char*, int>>& ClassPrefixes()
{
    static const std::vector<std::pair<const char*, int>> kClasses = {
        {"Thief's", 8}, {"Paladin's", 3}, {"Mage's", 12},  {"Ranger's", 14},
        {"Bard's", 9},  {"Warrior's", 1}, {"Druid's", 13}, {"Cleric's", 4}};
    return kClasses;
}

struct Alignment {
    const char* Prefix;
    int Code;  // 97 good, 98 evil, 112 neutral
};
const std::vector<Alignment> kAlignments = {{"Holy", 97}, {"Unholy", 98}, {"Twilight", 112}};

// ---- Weapons --------------------------------------------------------------------------------

const std::vector<const char*>& WeaponMetals(int level, bool wooden)
{
    static const std::vector<std::vector<const char*>> kMetals = {{"Iron", "Bronze", "Rusty"},
                                                                  {"Steel", "Tempered", "Keen"},
                                                                  {"Silvered", "Blued", "Fine"},
                                                                  {"Mithril", "Runed", "Elven"},
                                                                  {"Adamant", "Starmetal", "Kingly"}};
    static const std::vector<std::vector<const char*>> kWoods = {{"Pine", "Crude", "Knotted"},
                                                                 {"Oak", "Ash", "Sturdy"},
                                                                 {"Ironwood", "Carved", "Fine"},
                                                                 {"Blackwood", "Runed", "Elven"},
                                                                 {"Heartwood", "Ancient", "Kingly"}};
    return (wooden ? kWoods : kMetals)[static_cast<size_t>(std::min(4, (level - 1) / 15))];
}

const std::vector<Suffix>& WeaponSuffixes()
{
    static const std::vector<Suffix> kSuffixes = {{"of Slaying", 58, 2, 8},   {"of Precision", 22, 2, 8},
                                                  {"of Might", 4, 1, 10},     {"of the Assassin", 116, 3, 6},
                                                  {"of the Bear", 46, 1, 20}, {"of Warding", 36, 2, 8}};
    return kSuffixes;
}

bool Wooden(const std::string& noun) { return noun == "Club" || noun == "Quarterstaff" || noun == "Greatclub"; }

// ---- Spells ---------------------------------------------------------------------------------

struct Element {
    int Code;
    std::vector<const char*> Words;
};
const std::vector<Element> kElements = {{0, {"Frost", "Ice", "Rime", "Winter", "Hoarfrost"}},
                                        {1, {"Fire", "Flame", "Ember", "Blaze", "Cinder"}},
                                        {2, {"Prismatic", "Elemental", "Chaos"}},
                                        {3, {"Lightning", "Thunder", "Static", "Shock"}},
                                        {4, {"Radiant", "Spirit", "Mind", "Sonic"}},
                                        {5, {"Acid", "Caustic", "Corrosive"}},
                                        {6, {"Venom", "Blight", "Toxic", "Plague"}}};

// What each caster casts: the elements of its damage, how often it hurts, heals and blesses, the
// words of its heals and blessings, and the blessings' abilities.
struct Caster {
    int Type;
    std::vector<int> Elements;
    int Damage, Heal;  // percent of its spells; the rest are blessings
    std::vector<const char*> Themes;
};
const std::vector<Caster> kCasters = {{0, {0, 1, 3, 5, 6}, 100, 0, {}},
                                      {1, {0, 1, 2, 3, 5}, 60, 0, {"Arcane", "Eldritch", "Warded"}},
                                      {2, {4}, 20, 35, {"Holy", "Divine", "Sacred"}},
                                      {3, {0, 3, 5, 6}, 35, 25, {"Bark", "Thorn", "Wild"}},
                                      {4, {4}, 30, 0, {"Rousing", "Heroic", "Lilting"}},
                                      {5, {3, 4}, 40, 0, {"Inner", "Tranquil", "Void"}}};

struct Blessing {
    int Code;
    const char* Noun;
    int Base, PerLevels;
};
const std::vector<Blessing> kBlessings = {{2, "Ward", 1, 15},     {7, "Bulwark", 1, 20},   {22, "Focus", 2, 10},
                                          {27, "Veil", 5, 5},     {36, "Aegis", 5, 5},     {34, "Blur", 3, 8},
                                          {46, "Might", 1, 15},   {48, "Grace", 1, 15},    {123, "Renewal", 1, 12},
                                          {5, "Fireguard", 5, 4}, {3, "Frostguard", 5, 4}, {24, "Sanctuary", 1, 0},
                                          {67, "Haste", 1, 30},   {49, "Allure", 1, 12}};

const std::vector<const char*> kSingleTargets = {"Bolt", "Lance", "Dart", "Ray", "Spear", "Touch"};
const std::vector<const char*> kAreaTargets = {"Storm", "Burst", "Wave", "Nova", "Rain"};
const std::vector<const char*> kHeals = {"Mending", "Healing", "Renewal", "Restoration"};

const char* Rank(Random& r, int level)
{
    static const std::vector<std::vector<const char*>> kRanks = {
        {"Lesser", "Minor"}, {"", ""}, {"Greater", "Strong"}, {"Major", "Grand"}};
    const char* rank = r.Pick(kRanks[static_cast<size_t>(std::min(3, (level - 1) / 19))]);
    return r.Chance(70) ? rank : "";
}

std::string Words(std::initializer_list<std::string> words)
{
    std::string out;
    for (const std::string& w : words)
        if (!w.empty()) out += (out.empty() ? "" : " ") + w;
    return out;
}

std::string CodeOf(Random& r, const std::string& name)
{
    std::string code;
    bool start = true;
    for (const char c : name) {
        if (start && c >= 'A' && c <= 'Z' && code.size() < 3) code += static_cast<char>(c - 'A' + 'a');
        start = c == ' ';
    }
    while (code.size() < 4) code += static_cast<char>('a' + r.Below(26));
    return code;
}

// A spell the world knows: enough of it for items to cast it and spells to end-cast it.
struct KnownSpell {
    int Number, Caster;
    std::string Name;
};

class SpellMaker {
public:
    SpellMaker(Random& r, Names& names) : r_(r), names_(names) {}

    SpellRecipe Make(int number, int level)
    {
        const Caster& caster = PickCaster();
        SpellRecipe s;
        s.Number = number;
        s.Level = level;
        s.CasterType = caster.Type;
        s.MagicLevel = caster.Type == 0 ? 0 : 1 + (level > 25) + (level > 50);
        s.Difficulty = level + r_.Between(0, 30);
        s.Energy = r_.Between(2, 8) * 50;
        const int roll = r_.Below(100);
        if (roll < caster.Damage)
            Damage(s, caster);
        else if (roll < caster.Damage + caster.Heal)
            Heal(s, caster);
        else
            Bless(s, caster);
        s.Code = CodeOf(r_, s.Name);
        return s;
    }

    const std::vector<KnownSpell>& Hurting() const { return hurting_; }
    void Know(const SpellRecipe& s) { hurting_.push_back({s.Number, s.CasterType, s.Name}); }

private:
    const Caster& PickCaster()
    {
        // Few spells that only items cast; the casting classes evenly.
        return r_.Chance(5) ? kCasters[0] : kCasters[static_cast<size_t>(r_.Between(1, 5))];
    }

    void Damage(SpellRecipe& s, const Caster& caster)
    {
        const Element& e = kElements[static_cast<size_t>(r_.Pick(caster.Elements))];
        const bool area = r_.Chance(30);
        s.Element = e.Code;
        s.Name = names_.Unique([&] {
            return Words({Rank(r_, s.Level), r_.Pick(e.Words), r_.Pick(area ? kAreaTargets : kSingleTargets)});
        });
        s.Abilities[0] = r_.Chance(70) ? 1 : 17;  // the damage the minimum and maximum give
        const double size = area ? 0.7 : 1.0;
        s.MinValue = Round((2 + s.Level / 5 + r_.Between(0, 3)) * size);
        s.MaxValue = s.MinValue + Round((4 + s.Level / 3 + r_.Between(0, 4)) * size);
        s.MinIncrement = 1;
        s.MinLevelStep = r_.Between(4, 8);
        s.MaxIncrement = 1;
        s.MaxLevelStep = r_.Between(2, 4);
        s.LevelCap = std::min(99, s.Level + r_.Between(15, 40));
        s.Mana = 3 + s.Level / 2 + (area ? 6 : 0) + r_.Between(0, 3);
        static const std::vector<int> kSingle = {4, 4, 4, 5, 6}, kArea = {3, 7, 9, 10, 12};
        s.Targets = r_.Pick(area ? kArea : kSingle);
        // Now and then the spell goes on into one the caster learnt before.
        std::vector<const KnownSpell*> before;
        for (const KnownSpell& k : hurting_)
            if (k.Caster == caster.Type) before.push_back(&k);
        if (!before.empty() && r_.Chance(6)) {
            size_t slot = 1;
            if (r_.Chance(50)) {  // a chance of the end cast
                s.Abilities[slot] = 164;
                s.Values[slot++] = r_.Between(2, 8) * 10;
            }
            s.Abilities[slot] = 151;
            s.Values[slot] = r_.Pick(before)->Number;
        }
        Know(s);
    }

    void Heal(SpellRecipe& s, const Caster& caster)
    {
        s.Element = 4;
        s.Name = names_.Unique([&] { return Words({Rank(r_, s.Level), r_.Pick(caster.Themes), r_.Pick(kHeals)}); });
        s.Abilities[0] = 18;
        s.MinValue = 4 + s.Level / 4 + r_.Between(0, 3);
        s.MaxValue = s.MinValue + 6 + s.Level / 3;
        s.MinIncrement = s.MaxIncrement = 1;
        s.MinLevelStep = r_.Between(4, 8);
        s.MaxLevelStep = r_.Between(2, 4);
        s.LevelCap = std::min(99, s.Level + r_.Between(15, 40));
        s.Mana = 4 + s.Level / 2 + r_.Between(0, 3);
        static const std::vector<int> kTargets = {6, 8, 11};
        s.Targets = r_.Pick(kTargets);
    }

    void Bless(SpellRecipe& s, const Caster& caster)
    {
        const Blessing& b = r_.Pick(kBlessings);
        s.Element = 4;
        s.Name = names_.Unique([&] { return Words({Rank(r_, s.Level), r_.Pick(caster.Themes), b.Noun}); });
        s.Abilities[0] = b.Code;
        s.Values[0] = b.PerLevels ? b.Base + s.Level / b.PerLevels : b.Base;
        s.Duration = r_.Between(5, 15) + s.Level / 5;
        s.DurationIncrement = r_.Between(1, 3);
        s.DurationLevelStep = r_.Between(5, 10);
        s.LevelCap = std::min(99, s.Level + r_.Between(20, 40));
        s.Mana = 5 + s.Level / 3 + r_.Between(0, 4);
        static const std::vector<int> kTargets = {0, 1, 1, 2, 13};
        s.Targets = r_.Pick(kTargets);
    }

    Random& r_;
    Names& names_;
    std::vector<KnownSpell> hurting_;  // damage spells, for end casts and for items that cast them
};

// Hand-made spells a player meets first: a fire bolt, a stone skin, spells that go on into others.
std::vector<SpellRecipe> ShowcaseSpells()
{
    std::vector<SpellRecipe> v;
    auto make = [&](int number, const std::string& name, const std::string& code, int caster) -> SpellRecipe& {
        SpellRecipe& s = v.emplace_back();
        s.Number = number;
        s.Name = name;
        s.Code = code;
        s.CasterType = caster;
        s.MagicLevel = 1;
        s.Difficulty = 10;
        return s;
    };
    {
        SpellRecipe& s = make(12, "Fire Bolt", "fbol", 1);  // 10 to 20, growing with the level to 50
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
    }
    {
        SpellRecipe& s = make(13, "Stone Skin", "skin", 2);  // lasts longer every ten levels
        s.LevelCap = 60;
        s.Abilities[0] = 2;
        s.Values[0] = 3;
        s.Abilities[1] = 7;
        s.Values[1] = 2;
        s.Duration = 3;
        s.DurationIncrement = 1;
        s.DurationLevelStep = 10;
        s.Mana = 20;
        s.Level = 8;
        s.Targets = 1;
        s.Element = 4;
    }
    {
        SpellRecipe& s = make(14, "Ember Chain", "echn", 1);  // half the time a fire bolt after it
        s.LevelCap = 40;
        s.Level = 15;
        s.Mana = 18;
        s.Abilities[0] = 1;
        s.MinValue = 5;
        s.MaxValue = 9;
        s.Abilities[1] = 164;
        s.Values[1] = 50;
        s.Abilities[2] = 151;
        s.Values[2] = 12;
        s.Targets = 4;
        s.Element = 1;
    }
    {
        SpellRecipe& s = make(15, "Smouldering Spark", "smsp", 1);  // a fire bolt once the spark dies
        s.Level = 10;
        s.Mana = 9;
        s.Abilities[0] = 151;
        s.Values[0] = 12;
        s.Abilities[1] = 164;
        s.Values[1] = 30;
        s.Targets = 4;
        s.Element = 1;
    }
    {
        SpellRecipe& s = make(16, "Cascade Ward", "casc", 5);  // ends in one of the fire spells
        s.Level = 30;
        s.Mana = 25;
        s.Abilities[0] = 151;
        s.MinValue = 12;
        s.MaxValue = 14;
        s.Targets = 13;
        s.Duration = 5;
        s.DurationIncrement = 12;
        s.Element = 4;
    }
    {
        SpellRecipe& a = make(17, "Mirror Echo", "mech", 5);  // two spells that end in each other
        a.Level = 40;
        a.Mana = 30;
        a.Abilities[0] = 18;
        a.MinValue = 4;
        a.MaxValue = 8;
        a.Abilities[1] = 151;
        a.Values[1] = 18;
        a.Targets = 6;
        SpellRecipe& b = make(18, "Echo Mirror", "emir", 5);
        b.Level = 40;
        b.Mana = 30;
        b.Abilities[0] = 18;
        b.MinValue = 2;
        b.MaxValue = 2;
        b.Abilities[1] = 151;
        b.Values[1] = 17;
        b.Targets = 6;
    }
    {
        SpellRecipe& s = make(19, "Living Grace", "lgrc", 3);  // a blessing of the living, every level alike
        s.LevelCap = 0;
        s.Level = 20;
        s.Abilities[0] = 108;
        s.Abilities[1] = 22;
        s.Values[1] = 5;
        s.MinValue = 5;
        s.MaxValue = 5;
        s.Abilities[2] = 123;
        s.Values[2] = 2;
        s.Duration = 10;
        s.DurationIncrement = 1;
        s.Mana = 8;
        s.Targets = 0;
        s.Element = 4;
    }
    {
        SpellRecipe& s = make(20, "Growing Thorns", "gthr", 3);  // from nothing to a thicket at level 120
        s.LevelCap = 120;
        s.Level = 25;
        s.Mana = 22;
        s.Abilities[0] = 17;
        s.MaxIncrement = 2;
        s.SpellType = 3;
        s.Targets = 7;
        s.Element = 6;
    }
    return v;
}

// ---- Items ----------------------------------------------------------------------------------

// A level for a new item: every level alike.
int LevelOf(Random& r) { return r.Between(1, 75); }

class ItemMaker {
public:
    ItemMaker(Random& r, const std::vector<KnownSpell>& spells) : r_(r), spells_(spells) {}

    ItemRecipe Armour(int number, int level)
    {
        const Slot& slot = PickSlot();
        const Piece& piece = r_.Pick(slot.Pieces);
        const Stuff stuff = r_.Pick(piece.Made);
        ItemRecipe it = Base(number, 0, level);
        it.WornSlot = slot.Worn == 4 && r_.Chance(20) ? 13 : slot.Worn;
        const double strength = (0.3 + 0.7 * level / 75.0) * slot.Size;
        it.AcTenths = slot.Size > 0 ? std::max(1, Round(10 * Info(stuff).AC * strength * r_.Jitter(0.06))) : 0;
        it.DrTenths = Round(10 * Info(stuff).DR * strength * r_.Jitter(0.1));
        it.Weight = std::max(1, Round(Info(stuff).Weight * (slot.Size > 0 ? slot.Size : 1) * r_.Jitter(0.15)));
        const std::string prefix = Prefix(it, level, false);
        const Suffix* suffix = MaybeSuffix(it, level, ArmourSuffixes());
        // A name taken already: another word for the material or another look.
        it.Name = names_[slot.Worn].Unique([&] {
            const std::pair<const char*, int>& made = r_.Pick(Info(stuff).Words);
            it.ArmourType = made.second;
            const std::string look = prefix.empty() && r_.Chance(60) ? r_.Pick(TierWords(level)) : prefix;
            return Words({look, made.first, piece.Noun, suffix ? suffix->Words : CastSuffix(it)});
        });
        return it;
    }

    ItemRecipe Weapon(int number, int level)
    {
        const WeaponKind& kind = r_.Pick(WeaponKinds());
        ItemRecipe it = Base(number, 1, level);
        it.WeaponType = kind.WeaponType;
        it.Speed = r_.Between(kind.SpeedLow, kind.SpeedHigh);
        const double average = kind.Damage * (0.35 + 0.65 * level / 75.0) * r_.Jitter(0.08);
        it.MinDamage = std::max(1, Round(average * 0.6));
        it.MaxDamage = std::max(it.MinDamage + 1, Round(average * 1.4));
        it.Weight = std::max(3, Round((it.Speed - 25) * 1.8 * r_.Jitter(0.15)));
        it.StrengthReq = std::max(0, Round(it.Weight / 3.0 + level / 3.0));
        if (it.Speed < 80) it.Accuracy = r_.Between(0, 4);
        const std::string prefix = Prefix(it, level, false);
        const Suffix* suffix = MaybeSuffix(it, level, WeaponSuffixes());
        static const std::vector<const char*> kLooks = {"Balanced", "Notched", "Polished", "Plain",
                                                        "Heavy",    "Light",   "Old",      "Gleaming"};
        it.Name = names_[1000].Unique([&] {
            const std::string metal = r_.Pick(WeaponMetals(level, Wooden(kind.Noun)));
            const std::string look = prefix.empty() && r_.Chance(50) ? r_.Pick(kLooks) : prefix;
            return Words({look, look == metal ? "" : metal, kind.Noun, suffix ? suffix->Words : CastSuffix(it)});
        });
        return it;
    }

    ItemRecipe Other(int number)
    {
        static const std::vector<std::pair<int, std::vector<const char*>>> kLooks = {
            {2, {"Iron", "Barbed", "Bone", "Fletched", "Steel"}},
            {3, {"Oak", "Pine", "Carved", "Rickety"}},
            {4, {"Fresh", "Stale", "Hearty", "Spiced", "Salted"}},
            {5, {"Dwarven", "Elven", "Spiced", "Honeyed"}},
            {6, {"Pitch", "Brass", "Tin", "Wax", "Hooded"}},
            {7, {"Iron", "Brass", "Crypt", "Tower", "Cellar"}},
            {8, {"Canvas", "Leather", "Oak", "Small", "Large"}},
            {9, {""}},
            {10, {"Jade", "Crystal", "Obsidian", "Glowing", "Ancient"}}};
        const auto& [type, looks] = kLooks[static_cast<size_t>(r_.Below(static_cast<int>(kLooks.size())))];
        ItemRecipe it = Base(number, type, 1);
        const TypeNouns& nouns = *std::find_if(OtherNouns().begin(), OtherNouns().end(),
                                               [type = type](const TypeNouns& t) { return t.ItemType == type; });
        static const std::map<int, std::pair<int, int>> kWeights = {{2, {2, 8}},  {3, {150, 900}}, {4, {1, 3}},
                                                                    {5, {2, 5}},  {6, {2, 10}},    {7, {1, 1}},
                                                                    {8, {5, 60}}, {9, {1, 1}},     {10, {5, 40}}};
        it.Weight = r_.Between(kWeights.at(type).first, kWeights.at(type).second);
        const std::string noun = r_.Pick(nouns.Nouns);
        if (type == 9 && !spells_.empty()) {  // a scroll casts its spell
            const KnownSpell& spell = r_.Pick(spells_);
            it.Add(43, spell.Number);
            it.Name = "Scroll of " + spell.Name;
            return it;
        }
        if (type == 4) it.Add(15, r_.Between(2, 10) * 5);  // food feeds, drink quenches, light lights
        if (type == 5) it.Add(16, r_.Between(2, 10) * 5);
        if (type == 6) it.Add(13, r_.Between(1, 5));
        if (type == 10) {
            it.Limit = r_.Between(1, 5);
            it.Add(28, r_.Between(1, 6));
        }
        it.Name = Words({r_.Pick(looks), noun});  // other items are in no slot list: names may repeat
        return it;
    }

    // Famous pieces, one of a kind.
    std::vector<ItemRecipe> Famous(int& number)
    {
        struct Legend {
            const char* Name;
            int Type, Worn, Armour, Level;
            std::vector<std::pair<int, int>> Abilities;
        };
        static const std::vector<Legend> kLegends = {
            {"Gold Crown of the Drowned King", 0, 2, 0, 70, {{36, 20}, {44, 4}, {88, 30}}},
            {"Silk Mantle of Ashes", 0, 7, 1, 62, {{5, 40}, {27, 10}}},
            {"Onyx Signet of the Sable Court", 0, 4, 0, 58, {{22, 8}, {58, 4}, {98, 0}}},
            {"Hearthguard Plate Cuirass", 0, 11, 9, 72, {{7, 15}, {5, 25}, {97, 0}}},
            {"Leather Boots of the Long Road", 0, 5, 3, 45, {{96, 25}, {48, 3}}},
            {"Wyrm Scale Shield", 0, 12, 8, 66, {{36, 15}, {3, 30}}},
            {"Dawnbreaker Greatsword", 1, 0, 0, 74, {{58, 12}, {4, 6}, {97, 0}}},
            {"Widowmaker Dagger", 1, 0, 0, 60, {{116, 20}, {58, 8}, {98, 0}}},
            {"Thunderfall Warhammer", 1, 0, 0, 68, {{4, 8}, {66, 20}}}};
        std::vector<ItemRecipe> out;
        for (const Legend& l : kLegends) {
            ItemRecipe it = Base(number++, l.Type, l.Level);
            it.Name = names_[l.Type == 1 ? 1000 : l.Worn].Unique([&] { return std::string(l.Name); });
            it.Limit = r_.Between(1, 3);
            it.Add(28, 6);
            for (const auto& [code, value] : l.Abilities) it.Add(code, value);
            if (l.Type == 0) {
                it.WornSlot = l.Worn;
                it.ArmourType = l.Armour;
                const Slot& slot =
                    *std::find_if(Slots().begin(), Slots().end(), [&](const Slot& s) { return s.Worn == l.Worn; });
                const Stuff stuff = l.Armour == 9   ? Plate
                                    : l.Armour == 8 ? Scale
                                    : l.Armour == 1 ? Silk
                                    : l.Armour      ? Leather
                                                    : Metal;
                it.AcTenths = Round(12 * Info(stuff).AC * slot.Size);
                it.DrTenths = Round(12 * Info(stuff).DR * slot.Size);
                it.Weight = std::max(1, Round(Info(stuff).Weight * (slot.Size > 0 ? slot.Size : 1) * 0.8));
            } else {
                const std::string noun = std::string(l.Name).substr(std::string(l.Name).rfind(' ') + 1);
                const WeaponKind& kind = *std::find_if(WeaponKinds().begin(), WeaponKinds().end(),
                                                       [&](const WeaponKind& k) { return k.Noun == noun; });
                it.WeaponType = kind.WeaponType;
                it.Speed = kind.SpeedLow;
                it.MinDamage = Round(kind.Damage * 0.75);
                it.MaxDamage = Round(kind.Damage * 1.6);
                it.Weight = Round((it.Speed - 25) * 1.5);
                it.StrengthReq = it.Weight / 3 + 20;
                it.Add(142, 4);
            }
            out.push_back(it);
        }
        return out;
    }

    // Keeps a hand-made item's name out of the names made for its slot (1000: the weapons).
    void Reserve(int list, const std::string& name)
    {
        names_[list].Unique([&] { return name; });
    }

private:
    const Slot& PickSlot()
    {
        int total = 0;
        for (const Slot& s : Slots()) total += s.Share;
        int at = r_.Below(total);
        for (const Slot& s : Slots())
            if ((at -= s.Share) < 0) return s;
        return Slots().back();
    }

    ItemRecipe Base(int number, int type, int level)
    {
        ItemRecipe it;
        it.Number = number;
        it.ItemType = type;
        if (level > 1) it.Add(135, level);
        return it;
    }

    // Now and then a class, an alignment or a curse; else nothing (a look by level may come).
    std::string Prefix(ItemRecipe& it, int level, bool look)
    {
        const int roll = r_.Below(100);
        if (roll < 3) {
            const auto& [prefix, cls] = r_.Pick(ClassPrefixes());
            it.ClassOnly[0] = cls;
            return prefix;
        }
        if (roll < 7) {
            const Alignment& a = r_.Pick(kAlignments);
            it.Add(a.Code, 0);
            return a.Prefix;
        }
        if (roll < 8) {
            it.Add(82, 0);
            it.Add(r_.Pick(ArmourSuffixes()).Code, -r_.Between(3, 10));
            return "Cursed";
        }
        return look ? r_.Pick(TierWords(level)) : "";
    }

    // Higher pieces are more often magical, with the ability their suffix names.
    const Suffix* MaybeSuffix(ItemRecipe& it, int level, const std::vector<Suffix>& suffixes)
    {
        cast_ = nullptr;
        if (!r_.Chance(8 + level)) return nullptr;
        it.Add(28, 1 + level / 15);
        if (r_.Chance(5) && !spells_.empty()) {
            cast_ = &r_.Pick(spells_);
            it.Add(114, r_.Between(1, 5) * 10);
            it.Add(43, cast_->Number);
            return nullptr;
        }
        const Suffix& s = r_.Pick(suffixes);
        it.Add(s.Code, s.Base + level / s.PerLevels);
        return &s;
    }

    // "of Fire Bolt" for a piece that casts it.
    std::string CastSuffix(const ItemRecipe&) const { return cast_ ? "of " + cast_->Name : ""; }

    Random& r_;
    const std::vector<KnownSpell>& spells_;
    const KnownSpell* cast_ = nullptr;
    std::map<int, Names> names_;  // one list of names a slot (the fingers share 4), weapons 1000
};

// Hand-made items a player meets first: rings and a circlet that cast spells, a thief's ring.
std::vector<ItemRecipe> ShowcaseItems()
{
    std::vector<ItemRecipe> v;
    auto make = [&](const std::string& name, int type, int weight) -> ItemRecipe& {
        ItemRecipe& it = v.emplace_back();
        it.Number = static_cast<int>(v.size());
        it.Name = name;
        it.ItemType = type;
        it.Weight = weight;
        return it;
    };
    {
        ItemRecipe& it = make("Thief's Silver Ring of Warding", 0, 1);
        it.Add(22, 5);
        it.Add(97, 0);
        it.Add(36, 10);
        it.ClassOnly[0] = 8;
        it.WornSlot = 4;
    }
    {
        ItemRecipe& it = make("Ember Circlet", 0, 2);
        it.Add(114, 25);
        it.Add(43, 12);
        it.WornSlot = 2;
        it.AcTenths = 15;
    }
    {
        ItemRecipe& it = make("Gold Band of the Careless Caster", 0, 1);
        it.Add(43, 14);
        it.Add(114, 40);
        it.WornSlot = 13;
    }
    {
        ItemRecipe& it = make("Steel Long Sword", 1, 60);
        it.MinDamage = 3;
        it.MaxDamage = 12;
        it.Speed = 100;
        it.StrengthReq = 40;
        it.WeaponType = 2;
    }
    {
        ItemRecipe& it = make("Keen Duelling Rapier", 1, 40);
        it.MinDamage = 10;
        it.MaxDamage = 30;
        it.Speed = 70;
        it.Add(58, 10);
        it.WeaponType = 2;
    }
    {
        ItemRecipe& it = make("Broken Practice Club", 1, 30);
        it.WeaponType = 0;
        it.Speed = 90;
    }
    {
        ItemRecipe& it = make("Plate Cuirass of the Just", 0, 290);
        it.Add(97, 3);
        it.Add(28, 3);
        it.Add(7, 5);
        it.Add(135, 30);
        it.Add(59, 1);
        it.DrTenths = 10;
        it.AcTenths = 65;
        it.ArmourType = 9;
        it.WornSlot = 11;
        it.Negates[0] = 13;
    }
    {
        ItemRecipe& it = make("Jade Charm of Balance", 0, 1);
        it.Add(7, 2);
        it.Add(7, -3);
        it.DrTenths = 1;
        it.WornSlot = 8;
    }
    {
        ItemRecipe& it = make("Leather Cap", 0, 15);
        it.AcTenths = 8;
        it.ArmourType = 3;
        it.WornSlot = 2;
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

}  // namespace

const std::vector<SlotNouns>& ArmourNouns()
{
    static const std::vector<SlotNouns> kNouns = [] {
        std::vector<SlotNouns> out;
        for (const Slot& s : Slots()) {
            SlotNouns n{s.Worn, {}};
            for (const Piece& p : s.Pieces) n.Nouns.emplace_back(p.Noun);
            out.push_back(n);
        }
        return out;
    }();
    return kNouns;
}

const std::vector<MaterialWords>& ArmourMaterials()
{
    static const std::vector<MaterialWords> kWords = {{"None",
                                                       {"Linen", "Woollen", "Felt", "Fur", "Copper", "Bronze", "Silver",
                                                        "Gold", "Jade", "Onyx", "Amber", "Oak", "Ash", "Yew"}},
                                                      {"Silk", {"Silk"}},
                                                      {"Ninja", {"Ninja"}},
                                                      {"Leather", {"Leather"}},
                                                      {"Chainmail", {"Chain", "Chainmail"}},
                                                      {"Scale", {"Scale", "Scalemail"}},
                                                      {"Plate", {"Plate", "Steel"}}};
    return kWords;
}

const std::vector<WeaponKind>& WeaponKinds()
{
    static const std::vector<WeaponKind> kKinds = {
        {"Club", 0, 70, 90, 16},        {"Mace", 0, 90, 110, 22},          {"Morningstar", 0, 100, 120, 26},
        {"Flail", 0, 100, 120, 25},     {"Hammer", 0, 95, 115, 24},        {"Maul", 1, 165, 195, 44},
        {"Greatclub", 1, 150, 175, 38}, {"Quarterstaff", 1, 110, 130, 24}, {"Warhammer", 1, 155, 185, 42},
        {"Dagger", 2, 40, 60, 13},      {"Dirk", 2, 45, 65, 14},           {"Shortsword", 2, 65, 85, 18},
        {"Sword", 2, 85, 105, 24},      {"Scimitar", 2, 80, 95, 22},       {"Rapier", 2, 60, 75, 17},
        {"Sabre", 2, 75, 90, 21},       {"Hatchet", 2, 80, 95, 20},        {"Greatsword", 3, 140, 170, 40},
        {"Greataxe", 3, 150, 180, 45},  {"Halberd", 3, 150, 175, 42},      {"Glaive", 3, 145, 170, 39},
        {"Claymore", 3, 140, 165, 41}};
    return kKinds;
}

const std::vector<TypeNouns>& OtherNouns()
{
    static const std::vector<TypeNouns> kNouns = {{2, {"Arrows", "Bolts", "Darts", "Javelins"}},
                                                  {3, {"Bench", "Table", "Chair", "Stool", "Wardrobe", "Bookcase"}},
                                                  {4, {"Bread", "Cheese", "Apples", "Rations", "Stew", "Jerky", "Pie"}},
                                                  {5, {"Ale", "Wine", "Mead", "Cider", "Tea"}},
                                                  {6, {"Torch", "Lantern", "Candle"}},
                                                  {7, {"Key"}},
                                                  {8, {"Sack", "Pouch", "Backpack", "Chest", "Satchel", "Coffer"}},
                                                  {9, {"Scroll"}},
                                                  {10, {"Idol", "Orb", "Totem", "Relic", "Gem"}}};
    return kNouns;
}

bool WriteSampleData(const std::string& dir, const SampleSizes& sizes, uint64_t seed)
{
    Random r(seed);
    Names spellNames;
    SpellMaker spells(r, spellNames);
    std::vector<std::string> spellLines, extraLines, itemLines;
    for (const SpellRecipe& s : ShowcaseSpells()) {
        spellNames.Unique([&] { return s.Name; });
        if (s.Abilities[0] == 1 || s.Abilities[0] == 17) spells.Know(s);
        spellLines.push_back(s.Line());
    }
    int number = 100;
    while (static_cast<int>(spellLines.size()) < sizes.Spells)
        spellLines.push_back(spells.Make(number++, LevelOf(r)).Line());
    for (int i = 0; i < sizes.ExtraSpells; ++i) extraLines.push_back(spells.Make(number++, LevelOf(r)).Line());

    ItemMaker items(r, spells.Hurting());
    for (const ItemRecipe& it : ShowcaseItems()) {
        items.Reserve(it.ItemType == 1 ? 1000 : it.WornSlot == 13 ? 4 : it.WornSlot, it.Name);
        itemLines.push_back(it.Line());
    }
    int item = 100;
    // The famous pieces, one of each.
    for (const ItemRecipe& it : items.Famous(item)) {
        if (static_cast<int>(itemLines.size()) >= sizes.Items) break;
        itemLines.push_back(it.Line());
    }
    for (int n = 1000; static_cast<int>(itemLines.size()) < sizes.Items; ++n) {
        const int roll = r.Below(100);
        const ItemRecipe it = roll < 45   ? items.Armour(n, LevelOf(r))
                              : roll < 75 ? items.Weapon(n, LevelOf(r))
                                          : items.Other(n);
        itemLines.push_back(it.Line());
    }
    return WriteLines(dir + "/spells.txt", spellLines) && WriteLines(dir + "/spellsVtab0.txt", extraLines) &&
           WriteLines(dir + "/Items.txt", itemLines);
}

}  // namespace vantorgen
