// The program's decimal writer stands in for std::to_chars where the C++ library has no
// floating-point one (the browser's), so it must write the very same texts. Where the
// library has to_chars, every text is compared with it; everywhere, the digest of the
// writer's texts of the same values is compared with the digest of to_chars' texts,
// taken on a library that has it (and checked again on every such library).

#include "numeric/DecimalText.h"
#include "numeric/DecimalWriter.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace {

// The forms the program writes (shortest: the points; scientific with 17 and 14
// digits after the point: the root report and the axis labels; general with 17: the
// results tool), and a few more precisions for the rounding.
struct TForm {
    enum { Shortest, Scientific, General } kind;
    int precision;
};

const TForm kForms[] = {{TForm::Shortest, 0},   {TForm::Scientific, 17}, {TForm::Scientific, 14},
                        {TForm::General, 17},   {TForm::Scientific, 0},  {TForm::Scientific, 1},
                        {TForm::Scientific, 5}, {TForm::General, 1},     {TForm::General, 6},
                        {TForm::General, 15}};

std::string Written(double value, const TForm& form) {
    switch (form.kind) {
    case TForm::Shortest:
        return DecimalWriter::Shortest(value);
    case TForm::Scientific:
        return DecimalWriter::Scientific(value, form.precision);
    case TForm::General:
        return DecimalWriter::General(value, form.precision);
    }
    return {};
}

double FromBits(std::uint64_t bits) {
    double value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

// Values from the generator's own output, which the standard fixes bit for bit, through
// exact operations only: every platform draws the same doubles. Each draw is a
// statement of its own, as compilers order the operands of one expression each their
// own way.
std::vector<double> Values() {
    std::mt19937_64 random(20261210);
    std::vector<double> values;
    for (int i = 0; i < 6000; ++i) {
        // Any bits: every binade, subnormals, infinities and NaNs with either sign.
        values.push_back(FromBits(random()));
        // Integers of every width, exact or rounded to 53 bits.
        const auto integer = std::int64_t(random());
        values.push_back(double(integer >> (random() % 64)));
        // Decimals with three places, as students type them.
        values.push_back(double(std::int64_t(random() % 2000001) - 1000000) / 1000.0);
        // Short significands (round decimal values are among them) over the whole range.
        const std::uint64_t significand = random();
        const std::uint64_t shift = 11 + random() % 50;
        values.push_back(std::ldexp(double(significand >> shift), int(random() % 2150) - 1100));
    }
    // Powers of two and ten and their neighbours: the ends of the binades and decades.
    for (int e = -1074; e <= 1023; ++e) {
        const double power = std::ldexp(1.0, e);
        values.insert(values.end(),
                      {power, std::nextafter(power, 0.0),
                       std::nextafter(power, std::numeric_limits<double>::infinity())});
    }
    double ten = 1;
    for (int e = 0; e <= 22; ++e, ten *= 10) // exact up to 1e22
        values.insert(values.end(), {ten, 1 / ten, std::nextafter(ten, 0.0), 5 * ten, 2.5 / ten});
    // The smallest subnormal is computed, not written as a constant: GCC 12 for arm64,
    // with -frounding-math, puts the long double constant behind denorm_min() into a
    // list of doubles unconverted, sixteen bytes that shift every later value.
    values.insert(values.end(), {0.0, -0.0, std::numeric_limits<double>::infinity(),
                                 -std::numeric_limits<double>::infinity(),
                                 std::numeric_limits<double>::quiet_NaN(), std::nextafter(0.0, 1.0),
                                 std::numeric_limits<double>::max(), 0.125, 0.375, 2.5, 3.5});
    return values;
}

std::uint64_t Digest(const std::vector<double>& values,
                     std::string (*write)(double, const TForm&)) {
    std::uint64_t hash = 0xcbf29ce484222325ull;
    for (const double value : values) {
        for (const TForm& form : kForms) {
            for (const unsigned char c : write(value, form) + '\n')
                hash = (hash ^ c) * 0x100000001b3ull;
        }
    }
    return hash;
}

// What to_chars writes for these values, in all the forms above (taken with GCC's
// library, which has it).
constexpr std::uint64_t kToCharsDigest = 647592648695749687ull;

#if defined(__cpp_lib_to_chars)
std::string ToChars(double value, const TForm& form) {
    char text[128];
    std::to_chars_result written;
    switch (form.kind) {
    case TForm::Shortest:
        written = std::to_chars(text, text + sizeof text, value);
        break;
    case TForm::Scientific:
        written = std::to_chars(text, text + sizeof text, value, std::chars_format::scientific,
                                form.precision);
        break;
    case TForm::General:
        written = std::to_chars(text, text + sizeof text, value, std::chars_format::general,
                                form.precision);
        break;
    }
    return std::string(text, written.ptr);
}

TEST(DecimalWriter, WritesWhatToCharsWrites) {
    for (const double value : Values()) {
        for (const TForm& form : kForms) {
            ASSERT_EQ(Written(value, form), ToChars(value, form))
                << std::hexfloat << value << " form " << int(form.kind) << " precision "
                << form.precision;
        }
    }
}

TEST(DecimalWriter, DigestOfToCharsIsTheRecordedOne) {
    EXPECT_EQ(Digest(Values(), ToChars), kToCharsDigest);
}
#endif

TEST(DecimalWriter, DigestIsToCharsDigest) {
    EXPECT_EQ(Digest(Values(), Written), kToCharsDigest);
}

// The texts the program asks for are those of the writer or of to_chars itself.
TEST(DecimalText, TheProgramsFormsAreToCharsTexts) {
    for (const double value : {0.1, -1234.5678, 1e-310, 6.02214076e23, -0.0}) {
        EXPECT_EQ(ShortestDecimalText(value), Written(value, {TForm::Shortest, 0}));
        EXPECT_EQ(ScientificDecimalText(value, 17), Written(value, {TForm::Scientific, 17}));
        EXPECT_EQ(GeneralDecimalText(value, 17), Written(value, {TForm::General, 17}));
    }
}

} // namespace
