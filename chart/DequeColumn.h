#pragma once

#include <algorithm>
#include <cstddef>
#include <vector>

// A column of values with free room at both ends. An insertion moves the shorter
// side of the column, so points that arrive in falling x (they all go to the front)
// cost constant time instead of moving every value stored so far. Indices and
// order are those of a plain vector.
template <typename T> class TDequeColumn {
  public:
    int Count() const { return count_; }
    int Capacity() const { return int(buffer_.size()); }
    const T& operator[](int index) const { return buffer_[std::size_t(first_ + index)]; }
    const T* begin() const { return buffer_.data() + first_; }
    const T* end() const { return begin() + count_; }

    // Room for `capacity` values in all; insertions up to it do not allocate.
    void Reserve(int capacity) {
        if (capacity > Capacity())
            Reallocate(capacity);
    }

    // Stores `value` at `index` (0..Count()).
    void Insert(int index, const T& value) {
        if (count_ == Capacity())
            Reallocate(count_ < 16 ? 16 : count_ * 2);
        const bool frontShorter = index < count_ - index;
        if (frontShorter && first_ == 0)
            Recentre();
        T* data = buffer_.data() + first_;
        if (frontShorter && first_ > 0) {
            std::move(data, data + index, data - 1);
            --first_;
            data[index - 1] = value;
        } else if (first_ + count_ < Capacity()) {
            std::move_backward(data + index, data + count_, data + count_ + 1);
            data[index] = value;
        } else {
            // No room behind the values: the front has some (the column is not full).
            std::move(data, data + index, data - 1);
            --first_;
            data[index - 1] = value;
        }
        ++count_;
    }

    void Clear() {
        count_ = 0;
        first_ = Capacity() / 2;
    }

  private:
    // Half of the free room goes in front of the values.
    int FrontRoom(int capacity) const { return (capacity - count_) / 2; }

    void Reallocate(int capacity) {
        std::vector<T> buffer(std::size_t(capacity), T{});
        const int first = FrontRoom(capacity);
        std::copy(begin(), end(), buffer.begin() + first);
        buffer_.swap(buffer);
        first_ = first;
    }

    // Moves the values so that half of the free room is in front of them again.
    void Recentre() {
        const int first = FrontRoom(Capacity());
        if (first <= first_)
            return;
        T* data = buffer_.data();
        std::move_backward(data + first_, data + first_ + count_, data + first + count_);
        first_ = first;
    }

    std::vector<T> buffer_;
    int first_ = 0;
    int count_ = 0;
};
