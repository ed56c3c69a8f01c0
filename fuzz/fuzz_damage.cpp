// The damage summary pasted into the true-average calculator.
#include "FuzzUtil.h"
#include "calculators/Calculators.h"
#include "data/Errors.h"

#include <cmath>

using namespace vantor;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    try {
        const auto figures = ReadDamageSummary(fuzz::View(data, size));
        if (figures) fuzz::Require(std::isfinite(TrueAverage(*figures, 5.0)), "a finite average");
    } catch (const EConvertError&) {  // a figure with a minus sign
    }
    return 0;
}
