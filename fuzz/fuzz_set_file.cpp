// The set-file reader: lines, the saved character, the keys and values of each line.
#include "FuzzUtil.h"
#include "equipment/SetFile.h"

using namespace vantor;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size > kMaxSetFileBytes) return 0;  // refused unread
    const std::vector<std::string> lines = SplitLines(fuzz::View(data, size));
    ReadSavedProfile(lines);
    for (const std::string& line : lines) {
        for (const int key : KeysInLine(line))
            fuzz::Require(key >= 0 && key <= MiscACKey, "a key names a slot or an input");
        ValueOfLine(line);
    }
    return 0;
}
