#pragma once
// Scratch folders and data lines for the tests.

#include "data/Errors.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace testfiles {

// A fresh empty folder, removed with its contents when the object goes.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::string& Path() const { return path_; }
    void Write(const std::string& name, const std::string& content) const;

private:
    std::string path_;
};

using Fields = std::vector<std::pair<int, std::string>>;

// The item line fields of ability slot i (1-based): its code and its value.
Fields Ability(int slot, int code, int value);
Fields operator+(Fields a, const Fields& b);

// An item line: 59 fields, all "0" but the name, with the given fields (1-based) replaced.
std::string ItemLine(const std::string& name, const std::vector<std::pair<int, std::string>>& fields = {});
// A spell line: 43 fields, all "0" but name and code, with the given fields replaced.
std::string SpellLine(int number, const std::string& name, const std::vector<std::pair<int, std::string>>& fields = {});

// The conversion error that f raises, or nothing when it raises none.
template <class F>
std::optional<vantor::EConvertError> ConversionError(F&& f)
{
    try {
        f();
    } catch (const vantor::EConvertError& e) {
        return e;
    }
    return std::nullopt;
}

}  // namespace testfiles
