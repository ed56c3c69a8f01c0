#pragma once
// Splitting a data line into its comma-separated fields.

#include <string>
#include <string_view>

namespace vantor {

// Walks the fields of a line front to back: each field is the text up to the next comma (or the
// rest of the line), trimmed of blanks and control characters. Once the line is used up, every
// further field is empty. There is no quoting: a comma always ends a field.
class FieldCursor {
public:
    explicit FieldCursor(std::string_view line) : rest_(line) {}
    std::string_view Next();
    std::string_view Rest() const { return rest_; }

private:
    std::string_view rest_;
};

// Takes the next field off the front of rest (rest is shortened, comma included).
std::string GetData(std::string& rest);

}  // namespace vantor
