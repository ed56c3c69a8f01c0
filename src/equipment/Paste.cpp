#include "equipment/Paste.h"

#include "data/Text.h"

#include <algorithm>

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
} kMarkers[] = {{"(Head)", Head},      {"(Neck)", Neck},        {"(Back)", Back},    {"(Ears)", Ears},
                {"(Torso)", Torso},    {"(Arms)", Arms},        {"(Hands)", Gloves}, {"(Finger)", Finger1},
                {"(Finger)", Finger2}, {"(Wrist)", Wrist},      {"(Waist)", Waist},  {"(Legs)", Legs},
                {"(Feet)", Feet},      {"(Off-Hand)", Offhand}, {"(Worn)", Worn},    {"(Weapon Hand)", Weapon}};

// The lines of what is left of a listing once every name taken is cut out that still hold a
// location marker and something more than "*None*" beside it.
std::vector<std::string> UnplacedLines(std::string_view rest)
{
    std::vector<std::string> out;
    while (!rest.empty()) {
        const size_t end = std::min(rest.find('\n'), rest.size());
        const std::string_view line = Trim(rest.substr(0, end));
        rest.remove_prefix(std::min(end + 1, rest.size()));
        std::string beside(line);
        bool located = false;
        for (const auto& m : kMarkers)
            for (size_t at; (at = beside.find(m.Marker)) != std::string::npos; located = true)
                beside.erase(at, std::string_view(m.Marker).size());
        const std::string_view name = Trim(beside);
        if (located && !name.empty() && name != "*None*") out.emplace_back(line);
    }
    return out;
}

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
    result.Unplaced = UnplacedLines(text);
    return result;
}

namespace {

// What each slot should read back as: its item, or nothing.
using Wanted = std::array<const TItem*, kSlotCount>;

Wanted WantedOf(const SlotLists& lists, const std::array<int, kSlotCount>& picks)
{
    Wanted w{};
    for (size_t s = 0; s < w.size(); ++s) w[s] = lists[s].Record(picks[s]);
    return w;
}

// The slots whose item a pasted text does not give back. A slot the text does not serve reads
// back empty (as on a page emptied first); two rings on swapped fingers are the same set.
std::vector<Slot> Differences(const SlotLists& lists, const Wanted& wanted, const std::string& text)
{
    const PasteResult back = PasteEquipment(text, lists);
    Wanted got{};
    for (size_t s = 0; s < got.size(); ++s)
        if (back.Picks[s]) got[s] = lists[s].Record(*back.Picks[s]);
    if (got[Finger1] == wanted[Finger2] && got[Finger2] == wanted[Finger1]) std::swap(got[Finger1], got[Finger2]);
    std::vector<Slot> differ;
    for (int s = 0; s < kSlotCount; ++s)
        if (got[static_cast<size_t>(s)] != wanted[static_cast<size_t>(s)]) differ.push_back(static_cast<Slot>(s));
    return differ;
}

// How an empty slot is written: its marker alone, "*None*" and its marker, or not at all.
enum class EmptyForm : uint8_t { Marker, NoneWord, LeftOut };

// One way of writing the set: a line per marker of kMarkers (empty when left out).
using SetLines = std::array<std::string, std::size(kMarkers)>;

SetLines LinesOf(const SlotLists& lists, const Wanted& wanted, const std::array<int, kSlotCount>& picks,
                 const std::array<EmptyForm, kSlotCount>& forms)
{
    SetLines lines;
    for (size_t m = 0; m < lines.size(); ++m) {
        const size_t s = static_cast<size_t>(kMarkers[m].Serves);
        if (wanted[s])
            lines[m] = std::string(lists[s].Text(picks[s])) + " " + kMarkers[m].Marker;
        else if (forms[s] == EmptyForm::Marker)
            lines[m] = kMarkers[m].Marker;
        else if (forms[s] == EmptyForm::NoneWord)
            lines[m] = std::string(lists[s].Text(0)) + " " + kMarkers[m].Marker;
    }
    return lines;
}

// Finds an order of the lines in which the paste gives every slot what it should. The paste takes
// the slots in the markers' order and cuts each chosen name from the first line holding it, so the
// order matters only where a name stands in several lines: the search tries each of those lines as
// the first, keeping the orders it has chosen consistent, and then writes the lines in an order
// that honours them, the markers' order where it is free.
// The entries of each slot's list whose names stand in a text, longest first, earlier first among
// names of equal length: the first of them that a line holds is the one the paste takes.
using Named = std::array<std::vector<int>, kSlotCount>;

Named NamedIn(const SlotLists& lists, const std::string& text)
{
    Named named;
    for (size_t s = 0; s < named.size(); ++s) {
        const SlotList& list = lists[s];
        for (int i = 0; i < list.size(); ++i)
            if (!list.Text(i).empty() && text.find(list.Text(i)) != std::string::npos) named[s].push_back(i);
        std::stable_sort(named[s].begin(), named[s].end(),
                         [&](int a, int b) { return list.Text(a).size() > list.Text(b).size(); });
    }
    return named;
}

class LineOrder {
public:
    // named: the entries whose names stand in the lines, as NamedIn finds them.
    LineOrder(const SlotLists& lists, const Named& named, const Wanted& wanted, const SetLines& lines, int& budget)
        : lists_(lists), named_(named), wanted_(wanted), lines_(lines), budget_(budget)
    {}

    std::optional<std::string> Find()
    {
        State start;
        start.Lines = lines_;
        if (!Step(0, start)) return std::nullopt;
        std::string text;
        uint32_t placed = 0;
        const uint32_t all = (1u << lines_.size()) - 1;
        while (placed != all) {
            const uint32_t before = placed;
            for (size_t i = 0; i < lines_.size(); ++i) {
                if (placed & (1u << i)) continue;
                bool free = true;  // no line still to place must come first
                for (size_t j = 0; j < lines_.size() && free; ++j)
                    free = (placed & (1u << j)) || !(found_.Before[j] & (1u << i));
                if (!free) continue;
                placed |= 1u << i;
                if (!lines_[i].empty()) text.append(lines_[i]).append("\n");
                break;
            }
            if (placed == before) return std::nullopt;  // cannot happen: the orders chosen never form a circle
        }
        return text;
    }

private:
    struct State {
        SetLines Lines;
        std::array<uint32_t, std::size(kMarkers)> Before{};  // bit j of [i]: line i comes before line j
    };

    bool Step(size_t m, State& st)
    {
        if (--budget_ < 0) return false;
        if (m == lines_.size()) {
            found_ = st;
            return true;
        }
        const size_t slot = static_cast<size_t>(kMarkers[m].Serves);
        const auto holds = [&](std::string_view what) {
            uint32_t at = 0;
            for (size_t i = 0; i < st.Lines.size(); ++i)
                if (st.Lines[i].find(what) != std::string::npos) at |= 1u << i;
            return at;
        };
        if (!holds(kMarkers[m].Marker)) return !wanted_[slot] && Step(m + 1, st);
        // The longest name of the slot's list that stands in some line, the earliest of equal length.
        const SlotList& list = lists_[slot];
        int chosen = 0;
        std::string_view best;
        for (const int i : named_[slot])
            if (holds(list.Text(i))) {
                chosen = i;
                best = list.Text(i);
                break;
            }
        if (list.Record(chosen) != wanted_[slot]) return false;
        if (best.empty()) return Step(m + 1, st);
        // The slot's own line first: most often the one to cut from.
        const uint32_t candidates = holds(best);
        for (size_t k = 0; k < st.Lines.size(); ++k) {
            const size_t c = (m + k) % st.Lines.size();
            if (!(candidates & (1u << c))) continue;
            State next = st;
            if (!PutFirst(next, c, candidates & ~(1u << c))) continue;
            std::string& line = next.Lines[c];
            line.erase(line.find(best), best.size());
            if (Step(m + 1, next)) return true;
        }
        return false;
    }

    // Line c before every line of others, and so before whatever those come before; false when
    // one of them must already come before c.
    static bool PutFirst(State& st, size_t c, uint32_t others)
    {
        for (size_t j = 0; j < st.Lines.size(); ++j)
            if ((others & (1u << j)) && (st.Before[j] & (1u << c))) return false;
        uint32_t after = others;
        for (size_t j = 0; j < st.Lines.size(); ++j)
            if (others & (1u << j)) after |= st.Before[j];
        for (size_t i = 0; i < st.Lines.size(); ++i)
            if (i == c || (st.Before[i] & (1u << c))) st.Before[i] |= after;
        return true;
    }

    const SlotLists& lists_;
    const Named& named_;
    const Wanted& wanted_;
    const SetLines& lines_;
    int& budget_;
    State found_;
};

std::string Joined(const SetLines& lines)
{
    std::string text;
    for (const std::string& line : lines)
        if (!line.empty()) text.append(line).append("\n");
    return text;
}

// A text that pastes back to the set, trying the fingers both ways round and the empty slots'
// forms, fewest changes from the marker alone first; nothing when none is found.
std::optional<std::string> RoundTrip(const SlotLists& lists, const std::array<int, kSlotCount>& picks)
{
    const Wanted wanted = WantedOf(lists, picks);
    std::vector<std::array<int, kSlotCount>> ways{picks};
    // The same rings on swapped fingers, where each finger's list holds the other's ring.
    std::array<int, kSlotCount> swapped = picks;
    swapped[Finger1] = lists[Finger1].EntryOf(wanted[Finger2]);
    swapped[Finger2] = lists[Finger2].EntryOf(wanted[Finger1]);
    if (swapped[Finger1] >= 0 && swapped[Finger2] >= 0 && swapped != picks) ways.push_back(swapped);

    // Steps of the line search: a few thousand for each way of writing the set and a bound in all,
    // so that no set of names makes the copy slow. Orders are found in a few steps unless many
    // lines hold one name ("*None*" everywhere), where the search gives that way up.
    int budget = 100'000;
    for (const auto& way : ways) {
        const Wanted w = WantedOf(lists, way);
        std::string all;
        for (size_t s = 0; s < w.size(); ++s)
            if (w[s]) all.append(lists[s].Text(way[s])).append("\n");
        // Names the lines can hold: within the items' names, the markers and "*None*".
        std::string written = all + std::string(lists[Head].Text(0)) + "\n";
        for (const auto& m : kMarkers) written.append(m.Marker).append("\n");
        const Named named = NamedIn(lists, written);
        // Only an empty slot whose list has a name within the set's names can take a wrong item.
        std::vector<size_t> open;
        for (size_t s = 0; s < w.size(); ++s) {
            if (w[s]) continue;
            for (int i = 1; i < lists[s].size(); ++i)
                if (all.find(lists[s].Text(i)) != std::string::npos) {
                    open.push_back(s);
                    break;
                }
        }
        // Every form of the open slots; the other empty slots keep their markers, unless "*None*"
        // is written somewhere: a slot served before it would take that word from its line, so
        // they are then also tried all with "*None*" and all left out. Fewest left out first, then
        // fewest changed.
        const size_t n = std::min<size_t>(open.size(), 8);
        size_t others = 0;
        for (size_t s = 0; s < w.size(); ++s) others += !w[s] && std::find(open.begin(), open.end(), s) == open.end();
        struct Try {
            uint32_t Code;  // the open slots' forms, base 3
            EmptyForm Rest;
            std::pair<size_t, size_t> Cost;  // left out, changed
        };
        std::vector<Try> tries;
        uint32_t codes = 1;
        for (size_t k = 0; k < n; ++k) codes *= 3;
        for (uint32_t code = 0; code < codes; ++code) {
            size_t changed = 0, omitted = 0;
            bool noneWord = false;
            for (uint32_t c = code; c; c /= 3) {
                changed += c % 3 != 0;
                omitted += c % 3 == 2;
                noneWord |= c % 3 == 1;
            }
            tries.push_back({code, EmptyForm::Marker, {omitted, changed}});
            if (noneWord && others > 0) {
                tries.push_back({code, EmptyForm::NoneWord, {omitted, changed + others}});
                tries.push_back({code, EmptyForm::LeftOut, {omitted + others, changed + others}});
            }
        }
        std::stable_sort(tries.begin(), tries.end(), [](const Try& a, const Try& b) { return a.Cost < b.Cost; });
        for (const Try& t : tries) {
            std::array<EmptyForm, kSlotCount> forms{};
            forms.fill(t.Rest);
            uint32_t rest = t.Code;
            for (size_t k = 0; k < open.size(); ++k, rest /= 3)
                forms[open[k]] = static_cast<EmptyForm>(k < n ? rest % 3 : 0);
            const SetLines lines = LinesOf(lists, w, way, forms);
            int steps = std::min(budget, 2'000);
            budget -= steps;
            std::optional<std::string> text = LineOrder(lists, named, w, lines, steps).Find();
            budget += std::max(steps, 0);
            if (text && Differences(lists, wanted, *text).empty()) return text;
            if (budget <= 0) return std::nullopt;
        }
    }
    return std::nullopt;
}

}  // namespace

std::string CopySetText(const SlotLists& lists, const std::array<int, kSlotCount>& picks)
{
    if (std::optional<std::string> text = RoundTrip(lists, picks)) return *text;
    // No text pastes back: every slot by its marker, "*None*" where that puts more slots right.
    const Wanted wanted = WantedOf(lists, picks);
    std::array<EmptyForm, kSlotCount> forms{};
    std::string text = Joined(LinesOf(lists, wanted, picks, forms));
    size_t wrong = Differences(lists, wanted, text).size();
    for (size_t s = 0; s < forms.size() && wrong > 0; ++s) {
        if (wanted[s]) continue;
        forms[s] = EmptyForm::NoneWord;
        std::string tried = Joined(LinesOf(lists, wanted, picks, forms));
        const size_t now = Differences(lists, wanted, tried).size();
        if (now < wrong) {
            wrong = now;
            text = std::move(tried);
        } else {
            forms[s] = EmptyForm::Marker;
        }
    }
    return text;
}

std::vector<Slot> SlotsNotPastedBack(const SlotLists& lists, const std::array<int, kSlotCount>& picks)
{
    return Differences(lists, WantedOf(lists, picks), CopySetText(lists, picks));
}

}  // namespace vantor
