#include "data/PackedText.h"

#include <cstring>
#include <ostream>
#include <stdexcept>

namespace vantor {

PackedText& PackedText::operator=(const PackedText& other)
{
    if (this != &other) *this = PackedText(other);
    return *this;
}

PackedText& PackedText::operator=(PackedText&& other) noexcept
{
    if (this != &other) {
        Release();
        Take(other);
    }
    return *this;
}

std::string_view PackedText::view() const
{
    if (InPlace()) return std::string_view(reinterpret_cast<const char*>(bytes_ + 1), bytes_[0] >> 1);
    const char* block = Block();
    uint32_t size;
    std::memcpy(&size, block, sizeof size);
    return std::string_view(block + sizeof size, size);
}

char* PackedText::Block() const
{
    char* block;
    std::memcpy(&block, bytes_, sizeof block);
    return block;
}

void PackedText::Set(std::string_view text)
{
    if (text.size() <= kInPlace) {
        bytes_[0] = static_cast<unsigned char>(1 + 2 * text.size());
        std::memcpy(bytes_ + 1, text.data(), text.size());
        return;
    }
    if (text.size() > UINT32_MAX) throw std::length_error("A text is too long to keep.");
    const uint32_t size = static_cast<uint32_t>(text.size());
    char* block = new char[sizeof size + size];
    std::memcpy(block, &size, sizeof size);
    std::memcpy(block + sizeof size, text.data(), size);
    std::memcpy(bytes_, &block, sizeof block);
}

void PackedText::Take(PackedText& other) noexcept
{
    std::memcpy(bytes_, other.bytes_, sizeof bytes_);
    other.bytes_[0] = 1;
}

void PackedText::Release() noexcept
{
    if (!InPlace()) delete[] Block();
    bytes_[0] = 1;
}

std::ostream& operator<<(std::ostream& out, const PackedText& text) { return out << text.view(); }

}  // namespace vantor
