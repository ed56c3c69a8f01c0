#include "filters/Find.h"

#include "data/Text.h"

#include <climits>

namespace vantor {

int FindRow(const std::vector<ListRow>& rows, std::string_view text, int from)
{
    if (text.empty()) return -1;
    const std::string wanted = AsciiUpper(text);
    const size_t last = std::min(rows.size(), static_cast<size_t>(INT_MAX));
    std::string caption;
    for (size_t i = from < 0 ? 0 : static_cast<size_t>(from); i < last; ++i) {
        if (CellCount(rows[i]) == 0) continue;
        if (AsciiUpper(CellText(rows[i], 0, caption)).find(wanted) != std::string::npos) return static_cast<int>(i);
    }
    return -1;
}

}  // namespace vantor
