#pragma once
// A text in a pointer's room, for texts every record keeps.

#include <bit>
#include <cstddef>
#include <cstdint>
#include <iosfwd>
#include <string>
#include <string_view>

namespace vantor {

// Up to seven bytes are kept in place; a longer text in one heap block of exactly its bytes,
// behind their count. Reads as a std::string_view.
class PackedText {
public:
    PackedText() = default;
    PackedText(std::string_view text) { Set(text); }
    PackedText(const char* text) : PackedText(std::string_view(text)) {}
    PackedText(const std::string& text) : PackedText(std::string_view(text)) {}
    PackedText(const PackedText& other) : PackedText(other.view()) {}
    PackedText(PackedText&& other) noexcept { Take(other); }
    PackedText& operator=(const PackedText& other);
    PackedText& operator=(PackedText&& other) noexcept;
    PackedText& operator=(std::string_view text) { return *this = PackedText(text); }
    PackedText& operator=(const char* text) { return *this = std::string_view(text); }
    ~PackedText() { Release(); }

    void assign(std::string_view text) { *this = text; }
    std::string_view view() const;
    operator std::string_view() const { return view(); }
    size_t size() const { return view().size(); }
    bool empty() const { return size() == 0; }
    std::string substr(size_t at, size_t n = std::string::npos) const { return std::string(view().substr(at, n)); }
    friend bool operator==(const PackedText& a, std::string_view b) { return a.view() == b; }
    friend std::ostream& operator<<(std::ostream& out, const PackedText& text);

private:
    static constexpr size_t kInPlace = 7;
    void Set(std::string_view text);
    void Take(PackedText& other) noexcept;
    void Release() noexcept;
    // In place, the first byte is 1 + twice the length (a heap block's address is even there).
    bool InPlace() const { return bytes_[0] & 1; }
    char* Block() const;

    unsigned char bytes_[8] = {1};  // empty, in place
};
static_assert(std::endian::native == std::endian::little, "the first byte of an address is its lowest");
static_assert(sizeof(PackedText) == 8);

}  // namespace vantor
