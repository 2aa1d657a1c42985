#pragma once

#include <algorithm>
#include <cstddef>
#include <vector>

// A column of values stored with one gap of free room that follows the insertions.
// An insertion moves only the values between the previous insertion place and the
// new one: a curve adds its points one after another along x, mostly next to the
// one before, so a point costs little wherever in the column it lands. Indices and
// order are those of a plain vector.
template <typename T> class TGapColumn {
  public:
    int Count() const { return Capacity() - (gapEnd_ - gapStart_); }
    int Capacity() const { return int(buffer_.size()); }
    const T& operator[](int index) const {
        return buffer_[std::size_t(index < gapStart_ ? index : index + gapEnd_ - gapStart_)];
    }

    // Room for `capacity` values in all; insertions up to it do not allocate.
    void Reserve(int capacity) {
        if (capacity > Capacity())
            Reallocate(capacity);
    }

    // Stores `value` at `index` (0..Count()).
    void Insert(int index, const T& value) {
        if (gapStart_ == gapEnd_)
            Reallocate(Count() < 16 ? 16 : Count() * 2);
        MoveGap(index);
        buffer_[std::size_t(gapStart_)] = value;
        ++gapStart_;
    }

    void Clear() {
        gapStart_ = 0;
        gapEnd_ = Capacity();
    }

  private:
    // Makes the gap start at `index`, moving the values in between across it.
    void MoveGap(int index) {
        T* data = buffer_.data();
        if (index < gapStart_) {
            std::move_backward(data + index, data + gapStart_, data + gapEnd_);
            gapEnd_ -= gapStart_ - index;
            gapStart_ = index;
        } else if (index > gapStart_) {
            const int span = index - gapStart_;
            std::move(data + gapEnd_, data + gapEnd_ + span, data + gapStart_);
            gapStart_ += span;
            gapEnd_ += span;
        }
    }

    // The values in order with the gap behind them.
    void Reallocate(int capacity) {
        std::vector<T> buffer(std::size_t(capacity), T{});
        const int count = Count();
        std::copy(buffer_.begin(), buffer_.begin() + gapStart_, buffer.begin());
        std::copy(buffer_.begin() + gapEnd_, buffer_.end(), buffer.begin() + gapStart_);
        buffer_.swap(buffer);
        gapStart_ = count;
        gapEnd_ = capacity;
    }

    std::vector<T> buffer_;
    int gapStart_ = 0;
    int gapEnd_ = 0;
};
