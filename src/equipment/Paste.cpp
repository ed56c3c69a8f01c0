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

PasteResult PasteEquipment(std::string text, const SlotLists& lists)
{
    PasteResult result;
    if (text.find('(') == std::string::npos || text.find(')') == std::string::npos) {
        result.Status = PasteStatus::NotEquipment;
        return result;
    }
    static constexpr struct {
        const char* Marker;
        Slot Serves;
    } kMarkers[] = {{"(Head)", Head},   {"(Neck)", Neck},        {"(Back)", Back},          {"(Ears)", Ears},
                    {"(Torso)", Torso}, {"(Arms)", Arms},        {"(Hands)", Gloves},       {"(Finger)", Finger1},
                    {"(Finger)", Finger2}, {"(Wrist)", Wrist},   {"(Waist)", Waist},        {"(Legs)", Legs},
                    {"(Feet)", Feet},   {"(Off-Hand)", Offhand}, {"(Worn)", Worn},          {"(Weapon Hand)", Weapon}};
    for (const auto& m : kMarkers)
        if (text.find(m.Marker) != std::string::npos)
            result.Picks[static_cast<size_t>(m.Serves)] = MatchPastedItem(text, lists[static_cast<size_t>(m.Serves)]);
    return result;
}

}  // namespace vantor
