// A computation whose fault tests are put off to the end of a fast pass must end
// exactly as the same computation tested at every store: the same values, the same
// error (the first store's, not the one the final flags would suggest), and the same
// partial output. Compiled optimised whatever the build type, like the program
// (tests/CMakeLists.txt).

#include "ground/Errors.h"
#include "ground/FloatEnv.h"
#include "ground/ParseReal.h"
#include "tests/ground/OpaqueExtended.h"

#include <gtest/gtest.h>

#include <cfenv>
#include <cstring>
#include <string>
#include <typeinfo>
#include <vector>

// WebAssembly has no hardware status flags: its <cfenv> names none (the build defines
// the software arithmetic's three), and only the software flags are left to check.
#if !defined(FE_INEXACT)
#define FE_INEXACT 0
#endif

namespace {

enum class Op { Fine, Overflow, ZeroDivide, Invalid, RangeError };

// One stored value; the fault kinds fault where they say (Overflow only in the store).
template <TFaultChecks Checks> double Perform(Op op) {
    switch (op) {
    case Op::Fine:
        return StoreDouble<Checks>(Opaque(1.5) * Opaque(3.0));
    case Op::Overflow:
        return StoreDouble<Checks>(Opaque(1e300) * Opaque(1e300));
    case Op::ZeroDivide:
        return StoreDouble<Checks>(Opaque(1.0) / Opaque(0.0));
    case Op::Invalid:
        return StoreDouble<Checks>(Opaque(0.0) / Opaque(0.0));
    case Op::RangeError:
        CheckIndex(4, 0, 3);
    }
    return 0.0;
}

template <TFaultChecks Checks>
void PerformAll(const std::vector<Op>& ops, std::vector<double>& out) {
    for (const Op op : ops)
        out.push_back(Perform<Checks>(op));
}

// The name of the error that fn raised, or "" when it returned.
template <typename Fn> std::string Outcome(Fn&& fn) {
    try {
        fn();
    } catch (const std::exception& error) {
        return typeid(error).name();
    }
    return "";
}

struct Passes {
    int fast = 0;
    int checked = 0;
    int undone = 0;
};

// The same operations through the runner, counting its passes.
void RunDeferred(const std::vector<Op>& ops, std::vector<double>& out, Passes& passes) {
    const std::vector<double> entry = out;
    RunWithDeferredFaultChecks(
        [&] {
            ++passes.fast;
            PerformAll<TFaultChecks::Deferred>(ops, out);
        },
        [&] {
            ++passes.checked;
            PerformAll<TFaultChecks::AtEveryStore>(ops, out);
        },
        [&] {
            ++passes.undone;
            out = entry;
        });
}

struct Sequence {
    const char* name;
    std::vector<Op> ops;
    const char* error; // of the checked computation alone; "" for none
    bool rerun;        // whether the checked pass has to run
};

void PrintTo(const Sequence& s, std::ostream* out) {
    *out << s.name;
}

class DeferredRun : public ::testing::TestWithParam<Sequence> {
  protected:
    void SetUp() override { ResetFloatEnvironment(); }
};

TEST_P(DeferredRun, EndsAsTheCheckedComputation) {
    const Sequence& s = GetParam();
    std::vector<double> checkedOut{7.0};
    const std::string checked =
        Outcome([&] { PerformAll<TFaultChecks::AtEveryStore>(s.ops, checkedOut); });
    ResetFloatEnvironment();

    std::vector<double> deferredOut{7.0};
    Passes passes;
    const std::string deferred = Outcome([&] { RunDeferred(s.ops, deferredOut, passes); });

    const std::string expected = *s.error ? s.error : "";
    EXPECT_EQ(checked, expected) << "the table itself";
    EXPECT_EQ(deferred, checked);
    EXPECT_EQ(deferredOut, checkedOut) << "values and partial output";
    EXPECT_EQ(passes.fast, 1);
    EXPECT_EQ(passes.checked, s.rerun ? 1 : 0);
    EXPECT_EQ(passes.undone, s.rerun ? 1 : 0);
    if (deferred.empty()) {
        EXPECT_FALSE(FloatFaultPending());
    }
}

const std::string kOverflow = typeid(EOverflow).name();
const std::string kZeroDivide = typeid(EZeroDivide).name();
const std::string kInvalid = typeid(EInvalidOp).name();
const std::string kRange = typeid(ERangeError).name();

INSTANTIATE_TEST_SUITE_P(
    Table, DeferredRun,
    ::testing::Values(
        Sequence{"Clean", {Op::Fine, Op::Fine, Op::Fine}, "", false},
        Sequence{"Empty", {}, "", false},
        // The final flags hold both faults; precedence would name division by zero,
        // but the first store to fault was the overflow.
        Sequence{"OverflowBeforeZeroDivide",
                 {Op::Fine, Op::Overflow, Op::ZeroDivide},
                 kOverflow.c_str(),
                 true},
        Sequence{"InvalidBeforeOverflow", {Op::Invalid, Op::Overflow}, kInvalid.c_str(), true},
        Sequence{"InvalidBeforeZeroDivide",
                 {Op::Invalid, Op::ZeroDivide, Op::Fine},
                 kInvalid.c_str(),
                 true},
        Sequence{"ZeroDivideLast", {Op::Fine, Op::Fine, Op::ZeroDivide}, kZeroDivide.c_str(), true},
        // The fast pass does not see the fault and stops at the index error instead.
        Sequence{"FaultBeforeRangeError", {Op::Overflow, Op::RangeError}, kOverflow.c_str(), true},
        Sequence{"RangeErrorBeforeFault",
                 {Op::Fine, Op::RangeError, Op::Overflow},
                 kRange.c_str(),
                 true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DeferredRunEntry, PendingFaultGoesStraightToTheCheckedPass) {
    ResetFloatEnvironment();
    // A fault left from before the computation is raised by its first store, as it
    // would be without deferral.
    Opaque(Opaque(0.0) / Opaque(0.0));
    std::vector<double> out;
    Passes passes;
    EXPECT_THROW(RunDeferred({Op::Fine}, out, passes), EInvalidOp);
    EXPECT_EQ(passes.fast, 0);
    EXPECT_EQ(passes.checked, 1);
    EXPECT_TRUE(out.empty());
}

TEST(DeferredRunEntry, CheckedPassStartsFromTheEntryEnvironment) {
    ResetFloatEnvironment();
    std::feraiseexcept(FE_INEXACT);
    int flagsAtCheckedStart = -1;
    bool faultPendingAtCheckedStart = true;
    EXPECT_THROW(RunWithDeferredFaultChecks(
                     [] { StoreDouble<TFaultChecks::Deferred>(Opaque(1e300) * Opaque(1e300)); },
                     [&] {
                         flagsAtCheckedStart = std::fetestexcept(FE_ALL_EXCEPT);
                         faultPendingAtCheckedStart = FloatFaultPending();
                         StoreDouble(Opaque(1e300) * Opaque(1e300));
                     },
                     [] {}),
                 EOverflow);
    EXPECT_EQ(flagsAtCheckedStart, FE_INEXACT);
    // The software arithmetic's flags too, where it computes.
    EXPECT_FALSE(faultPendingAtCheckedStart);
}

TEST(DeferredRunEntry, StopOnPendingFaultEndsALongFastPass) {
    ResetFloatEnvironment();
    long rounds = 0;
    EXPECT_THROW(RunWithDeferredFaultChecks(
                     [&] {
                         for (long k = 0; k < 1'000'000'000; ++k) {
                             StopOnPendingFault<TFaultChecks::Deferred>();
                             ++rounds;
                             StoreDouble<TFaultChecks::Deferred>(Opaque(0.0) / Opaque(0.0));
                         }
                     },
                     [] { StoreDouble(Opaque(0.0) / Opaque(0.0)); }, [] {}),
                 EInvalidOp);
    EXPECT_EQ(rounds, 1);
}

TEST(DeferredRunEntry, DeferredStoreRoundsLikeTheCheckedOne) {
    ResetFloatEnvironment();
    // Halfway cases and values beyond a double's significand, subnormals and the edge
    // of the range: the deferred store must round exactly as the checked one.
    const TExtended values[] = {
        TExtended(1.0) + 0x1p-53,    TExtended(1.0) + 0x1p-53 + 0x1p-63,
        -(TExtended(2.0) - 0x1p-53), TExtended(0x1p-1074) * 1.5,
        TExtended(0x1p-1074) * 0.5,  ParseReal(QStringLiteral("17976931348623157E292")),
        TExtended(3.0) / 7.0};
    for (const TExtended value : values) {
        const double checked = StoreDouble(Opaque(value));
        const double deferred = StoreDouble<TFaultChecks::Deferred>(Opaque(value));
        EXPECT_EQ(std::memcmp(&checked, &deferred, sizeof checked), 0)
            << static_cast<double>(value);
    }
}

} // namespace
