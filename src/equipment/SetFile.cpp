#include "equipment/SetFile.h"

#include "data/Text.h"

#include <algorithm>

namespace vantor {

std::string SetFileText(const std::array<const TItem*, kSlotCount>& chosen, const SetTexts& t)
{
    std::string out;
    const auto line = [&out](std::string_view name, std::string_view value) {
        out.append(name).append("=").append(value).append("\r\n");
    };
    for (const Slot s : kListingOrder)
        if (const TItem* item = chosen[static_cast<size_t>(s)]) line(SlotTable()[s].Name, IntToStr(item->Number));
    line("edtEenc", t.MiscEnc);
    line("edtEncM", t.EncModifier);
    line("edtStrength", t.Strength);
    line("edtMiscAC", t.MiscAC);
    line("Level", t.Level);
    line("Class", t.ClassName);
    line("Agility", t.Agility);
    line("Alignment", t.Good ? "G" : t.Neutral ? "N" : t.Evil ? "E" : "-");
    return out;
}

std::string SetFileName(std::string_view chosen)
{
    std::string name(Trim(chosen));
    const size_t slash = name.rfind('/');
    const size_t dot = name.rfind('.');
    if (dot != std::string::npos && (slash == std::string::npos || dot > slash)) name.erase(dot);
    return name + ".kreq";
}

std::vector<std::string> SplitLines(std::string_view content)
{
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t i = 0; i < content.size(); ++i) {
        if (content[i] != '\r' && content[i] != '\n') continue;
        lines.emplace_back(content.substr(start, i - start));
        if (content[i] == '\r' && i + 1 < content.size() && content[i + 1] == '\n') ++i;
        start = i + 1;
    }
    if (start < content.size()) lines.emplace_back(content.substr(start));
    return lines;
}

SavedProfile ReadSavedProfile(const std::vector<std::string>& lines)
{
    const auto value = [&lines](std::string_view key) -> std::optional<std::string> {
        for (const std::string& line : lines) {
            const size_t eq = line.find('=');
            if (eq == std::string::npos || CompareText(std::string_view(line).substr(0, eq), key) != 0) continue;
            const std::string_view v = Trim(std::string_view(line).substr(eq + 1));
            return v.empty() ? std::nullopt : std::optional<std::string>(v);
        }
        return std::nullopt;
    };
    return {value("level"), value("Class"), value("edtStrength"), value("Agility"), value("alignment")};
}

std::vector<int> KeysInLine(std::string_view line)
{
    static const char* const kInputs[] = {"EDTEENC", "EDTENCM", "EDTMISCAC"};
    const std::string upper = AsciiUpper(line);
    std::vector<int> keys;
    for (int s = 0; s < kSlotCount; ++s)
        if (upper.find(AsciiUpper(SlotTable()[static_cast<size_t>(s)].Name)) != std::string::npos) keys.push_back(s);
    for (int i = 0; i < 3; ++i)
        if (upper.find(kInputs[i]) != std::string::npos) keys.push_back(MiscEncKey + i);
    return keys;
}

std::string_view ValueOfLine(std::string_view line)
{
    const size_t eq = line.find('=');
    return eq == std::string_view::npos ? line : line.substr(eq + 1);
}

bool HoldsSetLines(const std::vector<std::string>& lines)
{
    const SavedProfile p = ReadSavedProfile(lines);
    if (p.Level || p.ClassName || p.Strength || p.Agility || p.Alignment) return true;
    return std::any_of(lines.begin(), lines.end(), [](const std::string& line) { return !KeysInLine(line).empty(); });
}

FileSet ReadFileSet(const std::vector<std::string>& lines, const ItemList& items)
{
    FileSet set;
    for (const std::string& line : lines) {
        const std::string_view value = ValueOfLine(line);
        for (const int key : KeysInLine(line)) {
            if (key >= kSlotCount) {
                (key == MiscEncKey ? set.MiscEnc : key == EncModifierKey ? set.EncModifier : set.MiscAC) = value;
                continue;
            }
            int32_t number = 0;
            if (!TryStrToInt(value, number)) break;  // as the page: a value that is not a number ends the line
            const size_t s = static_cast<size_t>(key);
            const auto at = std::find_if(items.begin(), items.end(), [&](const TItem& item) {
                return item.Number == number && SlotReceives(static_cast<Slot>(key), item);
            });
            set.Chosen[s] = at == items.end() ? nullptr : &*at;
            set.Missing[s] = at == items.end() && number != 0 ? number : 0;
        }
    }
    return set;
}

}  // namespace vantor
