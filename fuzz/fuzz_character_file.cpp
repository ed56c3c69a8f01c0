// The character-file reader: the name, the set lines, the scale and the owned numbers.
#include "FuzzUtil.h"
#include "equipment/CharacterFile.h"

#include <algorithm>
#include <stdexcept>

using namespace vantor;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    try {
        const CharacterFile character = ReadCharacterFile(fuzz::View(data, size));
        fuzz::Require(!character.Name.empty(), "a character has a name");
        fuzz::Require(std::is_sorted(character.Owned.begin(), character.Owned.end()), "owned numbers are sorted");
        fuzz::Require(character.Owned.size() <= kMaxOwnedItems, "at most the most owned items");
        fuzz::Require(ReadOwnedNumbers(OwnedNumbersText(character.Owned)) == character.Owned,
                      "owned numbers read back as written");
    } catch (const std::runtime_error&) {}
    return 0;
}
