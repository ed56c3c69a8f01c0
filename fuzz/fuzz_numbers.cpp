// The number readers: the strict one of the data files, the lenient one of the typed boxes, the
// swings box and a character's level.
#include "FuzzUtil.h"
#include "calculators/Calculators.h"
#include "data/Errors.h"
#include "data/Text.h"
#include "data/TypedNumber.h"
#include "filters/Profile.h"

using namespace vantor;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view text = fuzz::View(data, size);
    int32_t tried = 0;
    const bool ok = TryStrToInt(text, tried);
    try {
        const int32_t strict = StrToInt(text);
        fuzz::Require(ok && strict == tried, "StrToInt agrees with TryStrToInt");
    } catch (const EConvertError&) {
        fuzz::Require(!ok, "StrToInt fails where TryStrToInt fails");
    }
    try {
        GetNumber(text);
    } catch (const EConvertError&) {}
    for (const char sep : {'.', ','}) SwingsOrDefault(text, sep);
    try {
        Profile(1, std::string(text), true, false, false).Level();
    } catch (const EConvertError&) {}
    return 0;
}
