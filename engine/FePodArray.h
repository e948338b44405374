// A growable array of trivially copyable records in one malloc'd block.
//
// Unlike std::vector it grows and shrinks with realloc, which for the large
// blocks of a suffix tree remaps pages instead of copying them, so shrinking
// a tree to its final size after a build costs no second copy of the nodes.
#pragma once

#include <cstdlib>
#include <new>
#include <type_traits>
#include <utility>

namespace lexorin {

template <typename T> class TFePodArray {
    static_assert(std::is_trivially_copyable_v<T>);

public:
    TFePodArray() = default;
    TFePodArray(const TFePodArray&) = delete;
    TFePodArray& operator=(const TFePodArray&) = delete;
    TFePodArray(TFePodArray&& other) noexcept { Swap(other); }
    TFePodArray& operator=(TFePodArray&& other) noexcept {
        TFePodArray(std::move(other)).Swap(*this);
        return *this;
    }
    ~TFePodArray() { std::free(data_); }

    std::size_t Size() const { return size_; }
    std::size_t Capacity() const { return capacity_; }
    T* Data() { return data_; }
    const T* Data() const { return data_; }
    T* begin() { return data_; }
    T* end() { return data_ + size_; }
    const T* begin() const { return data_; }
    const T* end() const { return data_ + size_; }
    T& operator[](std::size_t i) { return data_[i]; }
    const T& operator[](std::size_t i) const { return data_[i]; }

    // Sets the capacity to exactly `capacity` slots (never below Size()).
    void SetCapacity(std::size_t capacity) {
        if (capacity < size_)
            capacity = size_;
        if (capacity == capacity_)
            return;
        if (capacity == 0) {
            std::free(data_);
            data_ = nullptr;
            capacity_ = 0;
            return;
        }
        void* block = std::realloc(data_, capacity * sizeof(T));
        if (block == nullptr)
            throw std::bad_alloc();
        data_ = static_cast<T*>(block);
        capacity_ = capacity;
    }

    // Sets the size; records added are not initialised (their pages are not
    // touched until they are written).
    void Resize(std::size_t size) {
        if (size > capacity_)
            SetCapacity(size);
        size_ = size;
    }

    // Appends a record; when the block is full it grows by `growBy` slots.
    T& PushBack(const T& value, std::size_t growBy) {
        if (size_ == capacity_)
            SetCapacity(capacity_ + growBy);
        data_[size_] = value;
        return data_[size_++];
    }

    void Clear() {
        std::free(data_);
        data_ = nullptr;
        size_ = capacity_ = 0;
    }

    void Swap(TFePodArray& other) noexcept {
        std::swap(data_, other.data_);
        std::swap(size_, other.size_);
        std::swap(capacity_, other.capacity_);
    }

private:
    T* data_ = nullptr;
    std::size_t size_ = 0;
    std::size_t capacity_ = 0;
};

} // namespace lexorin
