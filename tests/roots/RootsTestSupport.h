#pragma once

#include "ground/FloatEnv.h"
#include "roots/Complex.h"

#include <QString>
#include <gtest/gtest.h>

#include <ostream>

// Every test starts from the program's floating-point environment with clean flags,
// as a handler does.
class FloatEnvTest : public ::testing::Test {
  protected:
    void SetUp() override { ResetFloatEnvironment(); }
};

inline std::ostream& operator<<(std::ostream& out, const TComplex& z) {
    return out.precision(17), out << '(' << z.Re << ", " << z.Im << ')';
}

inline ::testing::AssertionResult Near(TComplex actual, TComplex expected, double tolerance) {
    if (std::abs(actual.Re - expected.Re) <= tolerance &&
        std::abs(actual.Im - expected.Im) <= tolerance)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << actual << " is not within " << tolerance << " of " << expected;
}

inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}
