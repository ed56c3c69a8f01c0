#include "data/TypedNumber.h"

#include "data/Text.h"

#include <string>

namespace vantor {

int32_t GetNumber(std::string_view text)
{
    std::string buffer = "0";
    for (const char c : text)
        if ((c >= '0' && c <= '9') || c == '-') buffer += c;
    return StrToInt(buffer);
}

}  // namespace vantor
