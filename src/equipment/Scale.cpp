#include "equipment/Scale.h"

#include "data/CodeTables.h"
#include "data/Decimal.h"

#include <cctype>
#include <cmath>
#include <limits>

namespace vantor {
namespace {

Weight W(int32_t hundredths) { return {hundredths, std::nullopt}; }

}  // namespace

const std::vector<Scale>& BuiltInScales()
{
    static const std::vector<Scale> kScales = [] {
        std::vector<Scale> out;
        const auto scale = [&](const char* name, std::array<int32_t, kFeatureCount> weights) {
            Scale& s = out.emplace_back();
            s.Name = name;
            for (size_t f = 0; f < weights.size(); ++f) s.Features[f] = W(weights[f]);
        };
        scale("AC and DR", {100, 100, 0, 0, 0, 0, 0, 0});
        scale("Fighter: hits and damage", {100, 100, 200, 200, 0, 0, 0, 300});
        scale("Thief: stealth and dodge", {100, 0, 100, 0, 300, 0, 200, 0});
        scale("Caster: magic resistance", {100, 100, 0, 0, 0, 300, 0, 0});
        return out;
    }();
    return kScales;
}

ScoreTable::ScoreTable(const Scale& scale)
{
    for (int f = 0; f < kFeatureCount; ++f) {
        const Weight& w = scale.Features[static_cast<size_t>(f)];
        if (w.Hundredths == 0) continue;
        weights_.push_back(w.Hundredths);
        caps_.push_back(w.CapTenths);
        features_.push_back(f);
    }
    for (const auto& [name, w] : scale.Abilities) {
        if (w.Hundredths == 0) continue;
        const size_t d = weights_.size();
        weights_.push_back(w.Hundredths);
        caps_.push_back(w.CapTenths);
        features_.push_back(-1);
        for (int32_t code = 1; code < static_cast<int32_t>(abilityDim_.size()); ++code)
            if (GetFlagName(code) == name) abilityDim_[static_cast<size_t>(code)] = static_cast<int16_t>(d + 1);
    }
}

int64_t ScoreTable::ValueOf(const TItem& item, size_t d) const
{
    if (features_[d] >= 0) return FeatureTenths(item, static_cast<Feature>(features_[d]));
    int64_t v = 0;
    for (size_t i = 0; i < kSlots; ++i) {
        const int32_t code = item.Abilities[i];
        if (code > 0 && code < static_cast<int32_t>(abilityDim_.size()) &&
            abilityDim_[static_cast<size_t>(code)] == int(d) + 1)
            v += int64_t{item.AbilityValues[i]} * 10;
    }
    return v;
}

void ScoreTable::Add(const TItem& item, int sign, std::vector<int64_t>& totals) const
{
    for (size_t d = 0; d < features_.size(); ++d)
        if (features_[d] >= 0) totals[d] += sign * FeatureTenths(item, static_cast<Feature>(features_[d]));
    for (size_t i = 0; i < kSlots; ++i) {
        const int32_t code = item.Abilities[i];
        if (code <= 0 || code >= static_cast<int32_t>(abilityDim_.size())) continue;
        if (const int d = abilityDim_[static_cast<size_t>(code)])
            totals[static_cast<size_t>(d - 1)] += sign * int64_t{item.AbilityValues[i]} * 10;
    }
}

SetScore ScoreTable::Part(size_t d, int64_t total) const
{
    const int64_t counted = caps_[d] && total > *caps_[d] ? *caps_[d] : total;
    return SetScore{weights_[d]} * counted;
}

SetScore ScoreTable::Score(const std::vector<int64_t>& totals) const
{
    SetScore s = 0;
    for (size_t d = 0; d < weights_.size(); ++d) s += Part(d, totals[d]);
    return s;
}

SetScore ScoreOf(const ScoreTable& table, const ChosenItems& chosen)
{
    std::vector<int64_t> totals(table.Dimensions(), 0);
    for (const TItem* item : chosen)
        if (item) table.Add(*item, 1, totals);
    return table.Score(totals);
}

namespace {

std::string WeightText(const std::string& key, const Weight& w)
{
    std::string out = key + "=" + DecimalText(w.Hundredths, 2);
    if (w.CapTenths) out += " max " + DecimalText(*w.CapTenths, 1);
    return out;
}

// A reader over the text of one scale.
class Reader {
public:
    explicit Reader(std::string_view text) : t_(text) {}
    void Blanks()
    {
        while (at_ < t_.size() && (t_[at_] == ' ' || t_[at_] == '\t')) ++at_;
    }
    bool Take(std::string_view word)
    {
        Blanks();
        if (t_.substr(at_, word.size()) != word) return false;
        at_ += word.size();
        return true;
    }
    std::optional<std::string> Quoted()
    {
        Blanks();
        if (at_ >= t_.size() || t_[at_] != '"') return std::nullopt;
        const size_t end = t_.find('"', at_ + 1);
        if (end == std::string_view::npos) return std::nullopt;
        std::string s(t_.substr(at_ + 1, end - at_ - 1));
        at_ = end + 1;
        return s;
    }
    // Letters and blanks up to "=" (a feature's name), trimmed.
    std::string Bare()
    {
        Blanks();
        const size_t from = at_;
        while (at_ < t_.size() && t_[at_] != '=' && t_[at_] != ',' && t_[at_] != ')') ++at_;
        std::string s(t_.substr(from, at_ - from));
        while (!s.empty() && s.back() == ' ') s.pop_back();
        return s;
    }
    // A number: everything up to a blank, "," or ")".
    std::string Number()
    {
        Blanks();
        const size_t from = at_;
        while (at_ < t_.size() && t_[at_] != ' ' && t_[at_] != ',' && t_[at_] != ')') ++at_;
        return std::string(t_.substr(from, at_ - from));
    }
    bool AtEnd()
    {
        Blanks();
        return at_ >= t_.size();
    }

private:
    std::string_view t_;
    size_t at_ = 0;
};

bool SameLetters(std::string_view a, std::string_view b)
{
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

// The ability's name as the code tables spell it, or nothing for a name no ability has.
std::optional<std::string> AbilityName(std::string_view name)
{
    for (const std::string& known : AbilityNames())
        if (SameLetters(known, name)) return known;
    return std::nullopt;
}

}  // namespace

std::string ScaleText(const Scale& scale)
{
    std::string out = "( Vantor scale v1: \"" + scale.Name + "\":";
    bool first = true;
    const auto add = [&](const std::string& entry) {
        out += (first ? " " : ", ") + entry;
        first = false;
    };
    for (int f = 0; f < kFeatureCount; ++f) {
        const Weight& w = scale.Features[static_cast<size_t>(f)];
        if (w.Hundredths != 0 || w.CapTenths) add(WeightText(FeatureName(static_cast<Feature>(f)), w));
    }
    for (const auto& [name, w] : scale.Abilities)
        if (w.Hundredths != 0 || w.CapTenths) add(WeightText("\"" + name + "\"", w));
    return out + " )";
}

std::optional<Scale> ReadScaleText(std::string_view text, std::string& error)
{
    constexpr std::string_view kHead = "Vantor scale v1:";
    const size_t head = text.find(kHead);
    size_t open = head == std::string_view::npos ? head : text.find_last_not_of(" \t", head == 0 ? 0 : head - 1);
    if (head == std::string_view::npos || head == 0 || open == std::string_view::npos || text[open] != '(') {
        error = "There is no scale in the text: a scale reads ( Vantor scale v1: \"Name\": AC=1, DR=1 ).";
        return std::nullopt;
    }
    Reader r(text.substr(head + kHead.size()));
    Scale scale;
    const auto name = r.Quoted();
    if (!name || !r.Take(":")) {
        error = "The scale has no name in quotes after \"Vantor scale v1:\".";
        return std::nullopt;
    }
    scale.Name = *name;
    const auto fail = [&](const std::string& why) {
        error = "The scale \"" + scale.Name + "\" does not read: " + why;
        return std::nullopt;
    };
    std::map<std::string, bool> seen;
    bool first = true;
    while (!r.Take(")")) {
        if (r.AtEnd()) return fail("it has no closing \")\".");
        if (!first && !r.Take(",")) return fail("weights are parted by commas.");
        first = false;
        Weight* w = nullptr;
        std::string key;
        if (const auto quoted = r.Quoted()) {
            const auto known = AbilityName(*quoted);
            if (!known) return fail("no ability is named \"" + *quoted + "\".");
            key = "\"" + *known + "\"";
            w = &scale.Abilities[*known];
        } else {
            const std::string bare = r.Bare();
            for (int f = 0; f < kFeatureCount && !w; ++f) {
                if (!SameLetters(bare, FeatureName(static_cast<Feature>(f)))) continue;
                w = &scale.Features[static_cast<size_t>(f)];
                key = FeatureName(static_cast<Feature>(f));
            }
            if (!w) return fail("\"" + bare + "\" is no feature (abilities are named in quotes).");
        }
        if (!seen.emplace(key, true).second) return fail(key + " is weighed twice.");
        if (!r.Take("=")) return fail("\"=\" and a weight must follow " + key + ".");
        const std::string number = r.Number();
        const auto weight = ReadDecimal(number, '.', 2, std::numeric_limits<int32_t>::max());
        if (!weight)
            return fail("the weight \"" + number + "\" of " + key + " is not a number with at most two decimals.");
        w->Hundredths = static_cast<int32_t>(*weight);
        if (r.Take("max")) {
            const std::string cap = r.Number();
            w->CapTenths = ReadDecimal(cap, '.', 1, kMaxCapTenths);
            if (!w->CapTenths)
                return fail("the cap \"" + cap + "\" of " + key + " is not a number with at most one decimal.");
            if (*w->CapTenths < 0) return fail("the cap \"" + cap + "\" of " + key + " is below zero.");
        }
    }
    // An ability weighing nothing, without a cap, is as if it were not named.
    std::erase_if(scale.Abilities, [](const auto& entry) { return entry.second == Weight{}; });
    if (const std::string problem = ScaleProblem(scale); !problem.empty()) return fail(problem);
    return scale;
}

std::string ScaleProblem(const Scale& scale)
{
    if (scale.Name.empty() || scale.Name.find_first_not_of(' ') == std::string::npos) return "a scale needs a name.";
    if (scale.Name.find('"') != std::string::npos) return "a scale's name holds no quotes.";
    size_t caps = 0;
    for (const Weight& w : scale.Features) caps += w.CapTenths.has_value();
    for (const auto& [name, w] : scale.Abilities) caps += w.CapTenths.has_value();
    if (caps > kMaxCaps) return "a scale has at most " + std::to_string(kMaxCaps) + " caps.";
    return {};
}

}  // namespace vantor
