#pragma once
// Texts folded side by side in one buffer, to be put in the order CompareText gives them without
// a comparison that reads a text twice.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vantor {

class FoldedTexts {
public:
    // bytes: the room to keep for the texts' bytes (room untouched costs no memory).
    explicit FoldedTexts(size_t texts = 0, size_t bytes = 0);

    // Adds a text, its ASCII letters a..z folded to upper case. Throws std::length_error past
    // 4 GB of texts.
    void Add(std::string_view text);
    size_t size() const { return texts_.size(); }

    // The indices of the texts in their order: ascending by folded bytes as unsigned (the order
    // CompareText gives), or descending; texts equal by ties (as many texts), when given; texts
    // equal in both in the order they were added.
    std::vector<uint32_t> Order(bool descending, const FoldedTexts* ties = nullptr) const;

private:
    struct Text {
        uint32_t At, Size;
    };
    std::string folded_;
    std::vector<Text> texts_;
};

// Records in the order of their names as CompareText gives it, those of one name as they came.
template <class Record>
std::vector<Record*> ByName(const std::vector<Record*>& records)
{
    FoldedTexts names(records.size());
    for (const Record* record : records) names.Add(record->Name);
    std::vector<Record*> ordered;
    ordered.reserve(records.size());
    for (const uint32_t at : names.Order(false)) ordered.push_back(records[at]);
    return ordered;
}

}  // namespace vantor
