#pragma once
// A list of records that never moves a record once it is in: rows and other lists point into it.

#include <cstddef>
#include <iterator>
#include <memory>
#include <utility>
#include <vector>

namespace vantor {

// Records live in blocks of fixed room, so adding one costs no allocation of its own and moves
// no other; a list can take over another's blocks whole, keeping their records where they are.
template <class T>
class RecordList {
public:
    static constexpr size_t kBlock = 512;

    template <bool Const>
    class Iter {
    public:
        using iterator_category = std::random_access_iterator_tag;
        using value_type = T;
        using difference_type = std::ptrdiff_t;
        using pointer = std::conditional_t<Const, const T*, T*>;
        using reference = std::conditional_t<Const, const T&, T&>;
        Iter() = default;
        explicit Iter(T* const* at) : at_(at) {}
        reference operator*() const { return **at_; }
        pointer operator->() const { return *at_; }
        reference operator[](difference_type n) const { return *at_[n]; }
        Iter& operator++()
        {
            ++at_;
            return *this;
        }
        Iter operator++(int)
        {
            Iter old = *this;
            ++at_;
            return old;
        }
        Iter& operator--()
        {
            --at_;
            return *this;
        }
        Iter operator--(int)
        {
            Iter old = *this;
            --at_;
            return old;
        }
        Iter& operator+=(difference_type n)
        {
            at_ += n;
            return *this;
        }
        Iter& operator-=(difference_type n)
        {
            at_ -= n;
            return *this;
        }
        friend Iter operator+(Iter i, difference_type n) { return i += n; }
        friend Iter operator+(difference_type n, Iter i) { return i += n; }
        friend Iter operator-(Iter i, difference_type n) { return i -= n; }
        friend difference_type operator-(Iter a, Iter b) { return a.at_ - b.at_; }
        friend bool operator==(Iter a, Iter b) { return a.at_ == b.at_; }
        friend auto operator<=>(Iter a, Iter b) { return a.at_ <=> b.at_; }

    private:
        T* const* at_ = nullptr;
    };
    using iterator = Iter<false>;
    using const_iterator = Iter<true>;

    RecordList() = default;
    RecordList(const RecordList&) = delete;  // a copy would leave rows pointing into the original
    RecordList& operator=(const RecordList&) = delete;
    RecordList(RecordList&&) noexcept = default;
    RecordList& operator=(RecordList&&) noexcept = default;

    void push_back(T&& record) { emplace_back(std::move(record)); }
    template <class... Args>
    T& emplace_back(Args&&... args)
    {
        at_.push_back(nullptr);  // room first: once the record is in, nothing below can fail
        try {
            if (blocks_.empty() || blocks_.back().size() == blocks_.back().capacity()) {
                blocks_.emplace_back();
                blocks_.back().reserve(kBlock);
            }
            at_.back() = &blocks_.back().emplace_back(std::forward<Args>(args)...);
        } catch (...) {
            at_.pop_back();
            throw;
        }
        return *at_.back();
    }
    // Removes the last record.
    void pop_back()
    {
        while (blocks_.back().empty()) blocks_.pop_back();  // a block left empty by a failed add
        at_.pop_back();
        blocks_.back().pop_back();
    }
    // Takes over every record of other, after the records of this list; other is left empty.
    void splice_back(RecordList&& other)
    {
        at_.insert(at_.end(), other.at_.begin(), other.at_.end());
        for (auto& block : other.blocks_) blocks_.push_back(std::move(block));  // its records stay put
        other.clear();
    }
    // Room for n records in the list of where they are.
    void reserve(size_t n) { at_.reserve(n); }
    void clear()
    {
        at_.clear();
        blocks_.clear();
    }

    size_t size() const { return at_.size(); }
    bool empty() const { return at_.empty(); }
    T& operator[](size_t i) { return *at_[i]; }
    const T& operator[](size_t i) const { return *at_[i]; }
    T& back() { return *at_.back(); }
    const T& back() const { return *at_.back(); }
    iterator begin() { return iterator(at_.data()); }
    iterator end() { return iterator(at_.data() + at_.size()); }
    const_iterator begin() const { return const_iterator(at_.data()); }
    const_iterator end() const { return const_iterator(at_.data() + at_.size()); }

private:
    std::vector<std::vector<T>> blocks_;  // each holds at most its reserved room, so never moves
    std::vector<T*> at_;                  // every record, in order
};

}  // namespace vantor
