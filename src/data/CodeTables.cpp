#include "data/CodeTables.h"

#include "data/Text.h"

#include <array>

namespace vantor {
namespace {

constexpr std::array<const char*, 187> kAbilityNames = {
    "Damage (No AC)",
    "AC",
    "Resist Cold",
    "Max Damage",
    "Resist Fire",  // 1-5
    "Enslave",
    "DR",
    "Drain",
    "Shadow",
    "AC",  // 6-10
    "Alter Energy Level",
    "Summon",
    "Illuminate",
    "Room Illuminate",
    "Alter hunger",  // 11-15
    "Alter thirst",
    "Damage (on armour)",
    "Heal",
    "Poison",
    "Cure Poison",  // 16-20
    "Poison Immunity",
    "Accuracy",
    "Affects Undead",
    "Protection from Evil",  // 21-24
    "Protection from Good",
    "Detect Magic",
    "Stealth",
    "Magical",
    "Punch",  // 25-29
    "Kick",
    "Bash",
    "Smash",
    "Kill Blow",
    "Dodge",  // 30-34
    "Jumpkick",
    "M.R.",
    "Picklocks",
    "Tracking",
    "Thievery",  // 35-39
    "Find Traps",
    "Disarm Traps",
    "Learn Spell",
    "Casts Spell",
    "Intel",  // 40-44
    "Wisdom",
    "Strength",
    "Health",
    "Agility",
    "Charm",  // 45-49
    "Mage Bane Quest",
    "AntiMagic",
    "Evil in Combat",
    "Blinding Light",
    "Illu",  // 50-54
    "IlluTime",
    "Recharge Item",
    "See Hidden",
    "Crits",
    "ClassOk",  // 55-59
    "Fear",
    "Affect Exit",
    "Evil Chance",
    "Alter EXP",
    "Add CP",  // 60-64
    "Resist Stone",
    "Resist Lightning",
    "Quickness",
    "Slowness",
    "Max Mana",  // 65-69
    "S.C.",
    "Confusion",
    "Damaging Shield",
    "Dispell Magic",
    "Hold Person",  // 70-74
    "Paralyze",
    "Mute",
    "Perception",
    "Animal",
    "MageBind",  // 75-79
    "Affects Animals Only",
    "Freedom",
    "Cursed",
    "CURSED",
    "Remove Curse",  // 80-84
    "Shatter",
    "Quality",
    "Speed",
    "HP",
    "PunchAvg",  // 85-89
    "KickAvg",
    "JumpKAvg",
    "Punch Damage",
    "Kick Damage",
    "Jumpkick Damage",  // 90-94
    "Slay",
    "Encumberance",
    "Good",
    "Evil",
    "DR %",  // 95-99
    "Loyal",
    "Confuse Message",
    "Racial Stealth",
    "Class Stealth",
    "Alter Defense",  // 100-104
    "Accuracy",
    "Accuracy",
    "Blind user",
    "Affects Living",
    "NonLiving",  // 105-109
    "Not Good",
    "Not Evil",
    "Neutral",
    "Not Neutral",
    "Spell%",  // 110-114
    "DescMsg",
    "BS Accu",
    "BS Min Damage",
    "BS Max Damage",
    "Delete @ Cleanup",  // 115-119
    "StartMsg",
    "Recharge",
    "Remove Spell",
    "HP Regen",
    "Negate Ability",  // 120-124
    "Ice Sorceress Quest",
    "Good Quest",
    "Neutral Quest",
    "Evil Quest",
    "Dark Druid Quest",  // 125-129
    "Blood Champ Quest",
    "She Dragon Quest",
    "Wererat Quest",
    "Phoenix Quest",  // 130-133
    "Dao Lord Quest",
    "MinLevel",
    "Max Level",
    "Shock",
    "Room Visible",  // 134-138
    "SpellImmu",
    "Teleport room",
    "Teleport map",
    "HitMagic",
    "Clear Item",  // 139-143
    "NonMagical Spell",
    "Mana Regen",
    "Guards",
    "Resist Water",
    "TextBlock",  // 144-148
    "Remove @ Maint",
    "Heal Mana",
    "End Cast",
    "Rune",
    "Kill Spell",  // 149-153
    "Visible at Maint",
    "Death Text",
    "Quest",
    "Scatter Items",
    "Required to hit",  // 154-158
    "KaiBind",
    "Give Temp Spell",
    "OpenDoor",
    "Lore",
    "Spell Component",  // 159-163
    "CastEnd%",
    "Alter Spell Dmg",
    "Alter Spell Time",
    "Unequip Item",
    "Equip Item",  // 164-168
    "Can't Wear Location",
    "Sleep",
    "Invis",
    "See Invisible",
    "Scry",  // 169-173
    "Steal Mana",
    "Hp->Mana",
    "Mana->HP",
    "Spell Colours",
    "ShadowForm",  // 174-178
    "FindTraps",
    "PickLocks",
    "Gang House Deed",
    "Gang House Tax",
    "Gang House Item",  // 179-183
    "Gang Shop Item",
    "Bad Attack",
    "Perfect Stealth",
    "Meditate",  // 184-187
};

constexpr std::array<const char*, 10> kArmourMaterials = {"None",    "Silk",    "Ninja",     "Leather", "Leather",
                                                          "Leather", "Leather", "Chainmail", "Scale",   "Plate"};

constexpr std::array<const char*, 15> kBodyParts = {  // codes 2..16
    "Head",  "Hands", "Fingers", "Feet",     "Arms",  "Back", "Neck",  "Legs",
    "Waist", "Torso", "Offhand", "Fingers2", "Wrist", "Ears", "Emblem"};

constexpr std::array<const char*, 6> kCasterTypes = {"None", "Mage", "Priest", "Druid", "Bard", "Mystic"};

constexpr std::array<const char*, 7> kSpellElements = {"Cold", "Hot",   "Cold, Hot, Lightning, Stone", "Lightning", "",
                                                       "Acid", "Poison"};

constexpr std::array<const char*, 14> kTargetTypes = {
    "Self or user",    "Self",          "Self or user",    "D Area (-You)", "Monster",       "Any",
    "Monster or User", "D Attack area", "Monster or User", "Full Area",     "F Attack Area", "F Party Area",
    "Full Room",       "Full Party"};

constexpr std::array<const char*, 16> kClasses = {"None",       "Warrior", "Witchunter", "Paladin", "Cleric", "Priest",
                                                  "Missionary", "Ninja",   "Thief",      "Bard",    "Gypsy",  "Warlock",
                                                  "Mage",       "Druid",   "Ranger",     "Mystic"};

constexpr std::array<const char*, 11> kItemTypes = {"Armor", "Weapon", "Projectile", "Furniture", "Food",   "Drink",
                                                    "Light", "Key",    "Container",  "Scroll",    "Special"};

constexpr std::array<const char*, 4> kWeaponTypes = {"One-handed Blunt", "Two-handed Blunt", "One-handed Edged",
                                                     "Two-handed Edged "};

// Appends the entry of table for code when first <= code < first + size, else fallback + code.
template <size_t N>
void AppendLookUp(std::string& out, const std::array<const char*, N>& table, int32_t first, int32_t code,
                  const char* fallback)
{
    const int64_t i = static_cast<int64_t>(code) - first;
    if (i >= 0 && i < static_cast<int64_t>(N)) {
        out += table[static_cast<size_t>(i)];
        return;
    }
    out += fallback;
    AppendInt(out, code);
}

template <size_t N>
std::string LookUp(const std::array<const char*, N>& table, int32_t first, int32_t code, const char* fallback)
{
    std::string text;
    AppendLookUp(text, table, first, code, fallback);
    return text;
}

}  // namespace

std::string GetFlagName(int32_t code) { return LookUp(kAbilityNames, 1, code, "?"); }
void AppendFlagName(std::string& out, int32_t code) { AppendLookUp(out, kAbilityNames, 1, code, "?"); }
std::string GetArmourMaterial(int32_t code) { return LookUp(kArmourMaterials, 0, code, ""); }
std::string GetArmourBodyPart(int32_t code) { return LookUp(kBodyParts, 2, code, ""); }
std::string GetCasterType(int32_t code) { return LookUp(kCasterTypes, 0, code, "CasterType "); }
std::string GetSpellElement(int32_t code) { return LookUp(kSpellElements, 0, code, "Element "); }
std::string GetSpellTargetType(int32_t code) { return LookUp(kTargetTypes, 0, code, "Affects "); }
std::string GetClass(int32_t code) { return LookUp(kClasses, 0, code, "Class "); }
void AppendClass(std::string& out, int32_t code) { AppendLookUp(out, kClasses, 0, code, "Class "); }
std::string GetItemType(int32_t code) { return LookUp(kItemTypes, 0, code, "Class "); }
std::string GetWeaponType(int32_t code) { return LookUp(kWeaponTypes, 0, code, "Type "); }

std::string GetSpellType(int32_t code)
{
    if (code == 0) return "Combat";
    if (code == 3) return "Between Rounds";
    return "Spelltype " + IntToStr(code);
}

const std::vector<CodedEntry>& MagicLevelEntries()
{
    static const std::vector<CodedEntry> entries = {
        {"(magical level)", 0}, {"1", 1}, {"2", 2}, {"3", 3}, {"4", 4}, {"5", 5}, {"6+", 6}};
    return entries;
}

const std::vector<CodedEntry>& WornEntries()
{
    static const std::vector<CodedEntry> entries = {{"Head", 2},   {"Hands", 3},   {"Fingers", 4},  {"Feet", 5},
                                                    {"Arms", 6},   {"Back", 7},    {"Neck", 8},     {"Legs", 9},
                                                    {"Waist", 10}, {"Torso", 11},  {"Offhand", 12}, {"Wrist", 14},
                                                    {"Ears", 15},  {"Emblem", 16}, {"(none)", 0}};
    return entries;
}

const std::vector<CodedEntry>& ClassEntries()
{
    static const std::vector<CodedEntry> entries = {{"(any)", 0},  {"Warrior", 1}, {"Witchunter", 2}, {"Paladin", 3},
                                                    {"Cleric", 4}, {"Priest", 5},  {"Missionary", 6}, {"Ninja", 7},
                                                    {"Thief", 8},  {"Bard", 9},    {"Gypsy", 10},     {"Warlock", 11},
                                                    {"Mage", 12},  {"Druid", 13},  {"Ranger", 14},    {"Mystic", 15}};
    return entries;
}

}  // namespace vantor
