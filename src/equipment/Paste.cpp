#include "equipment/Paste.h"

namespace vantor {

int MatchPastedItem(std::string& text, const SlotList& list)
{
    int chosen = 0;
    std::string_view best;
    for (int i = 0; i < list.size(); ++i) {
        const std::string_view name = list.Text(i);
        // Only a strictly longer name can win, so shorter ones need no search.
        if (name.size() <= best.size() || name.size() > text.size()) continue;
        if (text.find(name) == std::string::npos) continue;
        chosen = i;
        best = name;
    }
    if (!best.empty()) text.erase(text.find(best), best.size());
    return chosen;
}

namespace {

// The location markers in the game's order of locations: the finger twice, the weapon hand last.
constexpr struct {
    const char* Marker;
    Slot Serves;
} kMarkers[] = {{"(Head)", Head},   {"(Neck)", Neck},        {"(Back)", Back},          {"(Ears)", Ears},
                {"(Torso)", Torso}, {"(Arms)", Arms},        {"(Hands)", Gloves},       {"(Finger)", Finger1},
                {"(Finger)", Finger2}, {"(Wrist)", Wrist},   {"(Waist)", Waist},        {"(Legs)", Legs},
                {"(Feet)", Feet},   {"(Off-Hand)", Offhand}, {"(Worn)", Worn},          {"(Weapon Hand)", Weapon}};

}  // namespace

PasteResult PasteEquipment(std::string text, const SlotLists& lists)
{
    PasteResult result;
    if (text.find('(') == std::string::npos || text.find(')') == std::string::npos) {
        result.Status = PasteStatus::NotEquipment;
        return result;
    }
    for (const auto& m : kMarkers)
        if (text.find(m.Marker) != std::string::npos)
            result.Picks[static_cast<size_t>(m.Serves)] = MatchPastedItem(text, lists[static_cast<size_t>(m.Serves)]);
    return result;
}

namespace {

// The set as the game lists it; an empty slot as its marker alone, or as "*None*" and its marker.
std::string SetText(const SlotLists& lists, const std::array<int, kSlotCount>& picks,
                    const std::array<bool, kSlotCount>& noneWord)
{
    std::string text;
    for (const auto& m : kMarkers) {
        const size_t s = static_cast<size_t>(m.Serves);
        if (picks[s] != 0 || noneWord[s]) text.append(lists[s].Text(picks[s])).append(" ");
        text.append(m.Marker).append("\n");
    }
    return text;
}

std::vector<Slot> Differences(const SlotLists& lists, const std::array<int, kSlotCount>& picks, const std::string& text)
{
    const PasteResult back = PasteEquipment(text, lists);
    std::vector<Slot> differ;
    for (int s = 0; s < kSlotCount; ++s) {
        const SlotList& list = lists[static_cast<size_t>(s)];
        const auto pasted = back.Picks[static_cast<size_t>(s)];
        if (!pasted || list.Record(*pasted) != list.Record(picks[static_cast<size_t>(s)])) differ.push_back(static_cast<Slot>(s));
    }
    return differ;
}

}  // namespace

std::string CopySetText(const SlotLists& lists, const std::array<int, kSlotCount>& picks)
{
    // An empty slot is written as its marker alone, unless "*None*" before it keeps the slot from
    // taking a shorter name that stands inside another item's.
    std::array<bool, kSlotCount> noneWord{};
    std::string text = SetText(lists, picks, noneWord);
    size_t wrong = Differences(lists, picks, text).size();
    for (const auto& m : kMarkers) {
        const size_t s = static_cast<size_t>(m.Serves);
        if (wrong == 0) break;
        if (picks[s] != 0 || noneWord[s]) continue;
        noneWord[s] = true;
        std::string tried = SetText(lists, picks, noneWord);
        const size_t now = Differences(lists, picks, tried).size();
        if (now < wrong) {
            wrong = now;
            text = std::move(tried);
        } else {
            noneWord[s] = false;
        }
    }
    return text;
}

std::vector<Slot> SlotsNotPastedBack(const SlotLists& lists, const std::array<int, kSlotCount>& picks)
{
    return Differences(lists, picks, CopySetText(lists, picks));
}

}  // namespace vantor
