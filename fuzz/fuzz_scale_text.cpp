// The scale text reader: any text gives a scale or a reason; a scale read is written again as a
// text that reads back to the same scale.
#include "FuzzUtil.h"
#include "equipment/Scale.h"

using namespace vantor;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string error;
    const auto scale = ReadScaleText(fuzz::View(data, size), error);
    fuzz::Require(scale.has_value() == error.empty(), "a scale or a reason, never both");
    if (!scale) return 0;
    fuzz::Require(ScaleProblem(*scale).empty(), "a scale read is a scale the dialogs accept");
    std::string again;
    const auto back = ReadScaleText(ScaleText(*scale), again);
    fuzz::Require(back.has_value() && *back == *scale, "the text written reads back to the same scale");
    return 0;
}
