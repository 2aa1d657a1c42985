#include "numeric/ExtendedConstants.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <charconv>
#include <cstdlib>
#include <cstring>
#include <string>

// The constants are 80-bit images so that every platform gets the same bits; where
// the compiler's own long double is the x87 format they must be exactly its literals.
#if defined(__x86_64__) && LDBL_MANT_DIG == 64

namespace {

struct TImage {
    std::uint16_t SignExponent;
    std::uint64_t Significand;
    bool operator==(const TImage&) const = default;
};

TImage ImageOf(long double value) {
    TImage image{};
    std::memcpy(&image.Significand, &value, sizeof image.Significand);
    std::memcpy(&image.SignExponent, reinterpret_cast<const char*>(&value) + 8,
                sizeof image.SignExponent);
    return image;
}

#if LABS_SOFT_EXTENDED
TImage ImageOf(TSoftExtended value) {
    return {value.SignExponent(), value.Significand()};
}
#endif

long double PowerOfTen(int k) {
    const std::string text = "1e" + std::to_string(k);
#ifdef __MINGW32__
    // MinGW's from_chars reads a long double only to double precision; its own
    // strtold rounds correctly to the extended format (and these tests set no locale).
    return __mingw_strtold(text.c_str(), nullptr);
#else
    // from_chars reads in the C locale's format whatever locale is in force.
    long double value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
#endif
}

} // namespace

TEST(ExtendedConstants, AreTheLiteralsTheyStandFor) {
    namespace C = ExtendedConstants;
    EXPECT_EQ(ImageOf(C::Pi), ImageOf(3.141592653589793238462643383279502884L));
    EXPECT_EQ(ImageOf(C::Tenth), ImageOf(0.1L));
    EXPECT_EQ(ImageOf(C::TwoThousandths), ImageOf(0.002L));
    EXPECT_EQ(ImageOf(C::Hundredth), ImageOf(0.01L));
    EXPECT_EQ(ImageOf(C::ThreeHundredths), ImageOf(0.03L));
    EXPECT_EQ(ImageOf(C::Pico), ImageOf(1e-12L));
    EXPECT_EQ(ImageOf(C::OnePlusPico), ImageOf(1.000000000001L));
    EXPECT_EQ(ImageOf(C::Infinity), ImageOf(__builtin_infl()));
    for (int k = 0; k < 32; ++k)
        EXPECT_EQ(ImageOf(C::Ones[k]), ImageOf(PowerOfTen(k))) << k;
    for (int k = 0; k < 16; ++k)
        EXPECT_EQ(ImageOf(C::ThirtyTwos[k]), ImageOf(PowerOfTen(32 * k))) << k;
    for (int k = 0; k < 10; ++k)
        EXPECT_EQ(ImageOf(C::FiveTwelves[k]), ImageOf(PowerOfTen(512 * k))) << k;
}

#endif
