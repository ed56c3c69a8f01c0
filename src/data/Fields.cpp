#include "data/Fields.h"

#include "data/Text.h"

namespace vantor {

std::string_view FieldCursor::Next()
{
    const size_t comma = rest_.find(',');
    std::string_view field;
    if (comma == std::string_view::npos) {
        field = rest_;
        rest_ = {};
    } else {
        field = rest_.substr(0, comma);
        rest_.remove_prefix(comma + 1);
    }
    return Trim(field);
}

std::string GetData(std::string& rest)
{
    FieldCursor cursor(rest);
    std::string field(cursor.Next());
    rest.assign(cursor.Rest());
    return field;
}

}  // namespace vantor
