#pragma once
// The ten numbered slots of a record (abilities, their values, classes, negated spells).

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <initializer_list>

namespace vantor {

constexpr int kSlots = 10;  // ability, class and negated-spell slots per record

// Ten 32-bit values, slot 1 of the game at index 0. Nearly every value of a real export fits in
// 16 bits, so the ten are kept in 20 bytes while they all do; once one does not, all ten move to
// the heap as 32-bit values. Either way a slot reads back exactly what was put in it.
class Slots {
public:
    using Values = std::array<int32_t, kSlots>;

    Slots() = default;
    Slots(std::initializer_list<int32_t> values) { *this = values; }  // the rest are 0
    Slots(const Slots& other) { Assign(other.All()); }
    Slots(Slots&& other) noexcept { Take(other); }
    Slots& operator=(const Slots& other)
    {
        if (this != &other) Assign(other.All());
        return *this;
    }
    Slots& operator=(Slots&& other) noexcept
    {
        if (this != &other) {
            Release();
            Take(other);
        }
        return *this;
    }
    Slots& operator=(std::initializer_list<int32_t> values);
    ~Slots() { Release(); }

    int32_t operator[](size_t i) const { return IsWide() ? Wide()[i] : narrow_[i]; }
    void Set(size_t i, int32_t value);
    // Puts all ten at once (the reader's way: one decision for the ten).
    void Assign(const Values& values);
    void fill(int32_t value) { Assign(Filled(value)); }
    Values All() const;

    // Writing through [] as through an array's element.
    class Ref {
    public:
        Ref(Slots& owner, size_t i) : slots_(owner), i_(i) {}
        Ref& operator=(int32_t value)
        {
            slots_.Set(i_, value);
            return *this;
        }
        operator int32_t() const { return static_cast<const Slots&>(slots_)[i_]; }

    private:
        Slots& slots_;
        size_t i_;
    };
    Ref operator[](size_t i) { return Ref(*this, i); }

    // Reading the ten in order, by value.
    class Iter {
    public:
        Iter(const Slots& owner, size_t i) : slots_(&owner), i_(i) {}
        int32_t operator*() const { return (*slots_)[i_]; }
        Iter& operator++()
        {
            ++i_;
            return *this;
        }
        bool operator!=(const Iter& other) const { return i_ != other.i_; }

    private:
        const Slots* slots_;
        size_t i_;
    };
    Iter begin() const { return Iter(*this, 0); }
    Iter end() const { return Iter(*this, kSlots); }
    static constexpr size_t size() { return kSlots; }

    friend bool operator==(const Slots& a, const Slots& b) { return a.All() == b.All(); }

private:
    static constexpr int16_t kWideMark = INT16_MIN;  // in slot 0: the values are on the heap
    static bool FitsNarrow(int32_t v) { return v > INT16_MIN && v <= INT16_MAX; }
    static Values Filled(int32_t value)
    {
        Values v;
        v.fill(value);
        return v;
    }
    bool IsWide() const { return narrow_[0] == kWideMark; }
    int32_t* Wide() const
    {
        int32_t* p;
        std::memcpy(&p, narrow_ + 4, sizeof p);  // the pointer's bytes, behind the mark
        return p;
    }
    // Takes other's values (and heap room), leaving it all zero.
    void Take(Slots& other) noexcept
    {
        std::memcpy(narrow_, other.narrow_, sizeof narrow_);
        std::memset(other.narrow_, 0, sizeof other.narrow_);
    }
    void Release();

    int16_t narrow_[kSlots] = {};
};
static_assert(sizeof(Slots) == 20);

}  // namespace vantor
