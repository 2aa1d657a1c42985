#pragma once

#include "ground/Errors.h"
#include "roots/Complex.h"

#include <array>

// A fixed table of four complex values, indexed 0..3. Every access is bounds-tested
// and an index outside raises ERangeError: the root finder's degree is at most 3,
// so a violation is a fault in the program, reported rather than read past the end.
class TComplexArray {
  public:
    static constexpr int Low = 0;
    static constexpr int High = 3;

    TComplex& operator[](int index) {
        CheckIndex(index, Low, High);
        return items_[static_cast<std::size_t>(index)];
    }
    const TComplex& operator[](int index) const {
        CheckIndex(index, Low, High);
        return items_[static_cast<std::size_t>(index)];
    }

  private:
    std::array<TComplex, High + 1> items_{};
};

// Polynomial coefficients: entry k is the coefficient of x^k (constant term first).
using TCoeffArray = TComplexArray;
