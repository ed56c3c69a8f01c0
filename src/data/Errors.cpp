#include "data/Errors.h"

namespace vantor {

EConvertError::EConvertError(const std::string& text) : std::runtime_error(text), Text(text) {}

EConvertError EConvertError::ForText(const std::string& fieldText)
{
    return EConvertError("'" + fieldText + "' is not a valid integer value");
}

}  // namespace vantor
