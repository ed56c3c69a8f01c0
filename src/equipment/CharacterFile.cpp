#include "equipment/CharacterFile.h"

#include "data/Text.h"
#include "equipment/SetFile.h"

#include <algorithm>
#include <optional>
#include <stdexcept>

namespace vantor {
namespace {

constexpr std::string_view kNameKey = "Character=", kScaleKey = "Scale=", kOwnedKey = "Owned=";

bool StartsWithKey(std::string_view line, std::string_view key)
{
    if (line.size() < key.size()) return false;
    for (size_t i = 0; i < key.size(); ++i)
        if ((line[i] | 0x20) != (key[i] | 0x20)) return false;
    return true;
}

// A line given once: its value after the key; twice raises.
void TakeOnce(std::optional<std::string>& into, std::string_view line, std::string_view key)
{
    if (into) throw std::runtime_error("The line \"" + std::string(key) + "\" is given twice.");
    into = std::string(Trim(line.substr(key.size())));
}

}  // namespace

std::vector<int32_t> ReadOwnedNumbers(std::string_view text)
{
    std::vector<int32_t> numbers;
    if (Trim(text).empty()) return numbers;
    size_t at = 0;
    while (at <= text.size()) {
        const size_t comma = std::min(text.find(',', at), text.size());
        const std::string_view part = Trim(text.substr(at, comma - at));
        int32_t n = 0;
        if (!TryStrToInt(part, n) || n < 1 || part.front() == '+' || part.front() == '-')
            throw std::runtime_error("\"" + std::string(part.substr(0, 40)) + "\" is no item number.");
        if (numbers.size() == kMaxOwnedItems)
            throw std::runtime_error("The list of owned items holds more than " + std::to_string(kMaxOwnedItems) +
                                     " numbers.");
        numbers.push_back(n);
        at = comma + 1;
    }
    std::sort(numbers.begin(), numbers.end());
    numbers.erase(std::unique(numbers.begin(), numbers.end()), numbers.end());
    return numbers;
}

std::string OwnedNumbersText(const std::vector<int32_t>& numbers)
{
    std::string text;
    for (const int32_t n : numbers) {
        if (!text.empty()) text += ',';
        text += std::to_string(n);
    }
    return text;
}

std::string CharacterFileText(const CharacterFile& character, const std::string& setText)
{
    std::string text = std::string(kNameKey) + character.Name + "\r\n" + setText;
    if (!text.empty() && text.back() != '\n') text += "\r\n";
    text += std::string(kScaleKey) + ScaleText(character.ActiveScale) + "\r\n";
    text += std::string(kOwnedKey) + OwnedNumbersText(character.Owned) + "\r\n";
    return text;
}

CharacterFile ReadCharacterFile(std::string_view content)
{
    if (content.size() > kMaxCharacterFileBytes)
        throw std::runtime_error("The file is too large for a character file.");
    std::optional<std::string> name, scale, owned;
    CharacterFile character;
    for (std::string& line : SplitLines(content)) {
        if (StartsWithKey(line, kNameKey))
            TakeOnce(name, line, kNameKey);
        else if (StartsWithKey(line, kScaleKey))
            TakeOnce(scale, line, kScaleKey);
        else if (StartsWithKey(line, kOwnedKey))
            TakeOnce(owned, line, kOwnedKey);
        else if (!Trim(line).empty())
            character.SetLines.push_back(std::move(line));
    }
    if (!name || name->empty()) throw std::runtime_error("The file names no character (a line \"Character=\").");
    if (!HoldsSetLines(character.SetLines)) throw std::runtime_error("The file holds no set.");
    if (!scale) throw std::runtime_error("The file holds no scale (a line \"Scale=\").");
    std::string why;
    const std::optional<Scale> read = ReadScaleText(*scale, why);
    if (!read) throw std::runtime_error("Its scale does not read: " + why);
    character.Name = std::move(*name);
    character.ActiveScale = *read;
    character.Owned = ReadOwnedNumbers(owned.value_or(std::string()));
    return character;
}

}  // namespace vantor
