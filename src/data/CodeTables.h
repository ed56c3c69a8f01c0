#pragma once
// The game's numeric codes turned into its words. Every look-up takes any code and gives a text:
// a code outside the table gives the table's fallback, never an error.

#include <cstdint>
#include <string>
#include <vector>

namespace vantor {

std::string GetFlagName(int32_t code);  // ability names 1..187, else "?" + code
void AppendFlagName(std::string& out, int32_t code);
std::string GetArmourMaterial(int32_t code);   // 0..9, else the code
std::string GetArmourBodyPart(int32_t code);   // 2..16, else the code
std::string GetCasterType(int32_t code);       // 0..5, else "CasterType " + code
std::string GetSpellElement(int32_t code);     // 0..6, else "Element " + code
std::string GetSpellTargetType(int32_t code);  // 0..13, else "Affects " + code
std::string GetClass(int32_t code);            // 0..15, else "Class " + code
void AppendClass(std::string& out, int32_t code);
std::string GetItemType(int32_t code);    // 0..10, else "Class " + code
std::string GetWeaponType(int32_t code);  // 0..3, else "Type " + code
std::string GetSpellType(int32_t code);   // 0 "Combat", 3 "Between Rounds", else "Spelltype " + code

// An entry of a coded selection list: the text shown and the code the handlers read.
struct CodedEntry {
    const char* Text;
    int32_t Code;
};

// The coded selection lists in their fill order (the window shows them sorted by text).
const std::vector<CodedEntry>& MagicLevelEntries();  // cbxMag, cbxMag2
const std::vector<CodedEntry>& WornEntries();        // cbxWornW
const std::vector<CodedEntry>& ClassEntries();       // cbxAClass

}  // namespace vantor
