#pragma once
// Splitting a data line into its comma-separated fields.

#include "data/Slots.h"
#include "data/Text.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace vantor {

// The fields of one line: each is the text up to the next comma (or the end of the line), trimmed
// of blanks and control characters. There is no quoting: a comma always ends a field. A field past
// the last one is empty. Only the first kMaxFields fields are told apart; the last of them holds
// the rest of the line (no record has half as many).
class LineFields {
public:
    static constexpr size_t kMaxFields = 128;

    explicit LineFields(std::string_view line);
    std::string_view operator[](size_t i) const
    {
        if (i >= count_ || i >= kMaxFields) return {};
        const size_t begin = i == 0 ? 0 : ends_[i - 1] + 1;
        return Trim(std::string_view(line_.data() + begin, ends_[i] - begin));
    }
    size_t size() const { return count_; }

private:
    std::string_view line_;
    size_t count_ = 0;
    std::array<size_t, kMaxFields> ends_;  // where each field ends: at its comma or the line's end
};

// Reads the fields of a line front to back.
class FieldReader {
public:
    explicit FieldReader(std::string_view line) : fields_(line) {}
    std::string_view Text() { return fields_[next_++]; }
    // The next field as a whole number; throws EConvertError naming it when it is not one.
    int32_t Int() { return StrToInt(Text()); }
    // The next ten fields as the ten slots of a record.
    void Take(Slots& slots)
    {
        Slots::Values values;
        for (int32_t& v : values) v = Int();
        slots.Assign(values);
    }

private:
    LineFields fields_;
    size_t next_ = 0;
};

}  // namespace vantor
