#include "curves/SamplesText.h"

#include <gtest/gtest.h>

#include <QLocale>
#include <QStringList>

#include <cfloat>
#include <cstring>

namespace {

const TSampleColumns kColumns{QStringLiteral("ω"), QStringLiteral("P"), QStringLiteral("Q")};

// Values whose text is easy to get wrong: 17 significant digits, a negative zero
// (the mirror of ω = 0), the smallest subnormal, the largest double, a whole number
// that a grouping format would split, tiny and huge exponents.
TLabSamples AwkwardSamples() {
    TLabSamples samples;
    samples.Add(0.0, 1.0, 0.0);
    samples.Add(-0.0, 1.0, -0.0);
    samples.Add(0.1, 0.30000000000000004, -2.0000000000000004);
    samples.Add(-0.1, 1234567.0, -1e-7);
    samples.Add(10.000000000000002, 5e-324, DBL_MAX);
    samples.Add(-10.000000000000002, -1.5e300, 2.2250738585072014e-308);
    return samples;
}

bool SameBits(double a, double b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

// A reader independent of the writer: Qt's locale parser with the given separator,
// grouping refused.
QLocale ReaderFor(QChar decimal) {
    QLocale locale =
        decimal == QLatin1Char(',') ? QLocale(QLocale::Russian, QLocale::Russia) : QLocale::c();
    locale.setNumberOptions(QLocale::RejectGroupSeparator);
    return locale;
}

// Reads the text back: the header, then every field of every row as a double that
// must be the sample's, bit for bit.
void ExpectReadsBack(const QString& text, QChar field, QChar decimal, const TLabSamples& samples) {
    ASSERT_TRUE(text.endsWith(QLatin1Char('\n')));
    const QStringList rows = text.chopped(1).split(QLatin1Char('\n'));
    ASSERT_EQ(rows.size(), qsizetype(samples.Size()) + 1);
    EXPECT_EQ(rows[0], QStringLiteral("ω") + field + "P" + field + "Q");
    const QLocale reader = ReaderFor(decimal);
    for (std::size_t i = 0; i < samples.Size(); ++i) {
        const QStringList fields = rows[qsizetype(i) + 1].split(field);
        ASSERT_EQ(fields.size(), 3) << rows[qsizetype(i) + 1].toStdString();
        const double expected[3] = {samples[i].omega, samples[i].x, samples[i].y};
        for (int k = 0; k < 3; ++k) {
            bool ok = false;
            const double value = reader.toDouble(fields[k], &ok);
            EXPECT_TRUE(ok) << fields[k].toStdString();
            EXPECT_TRUE(SameBits(value, expected[k]))
                << fields[k].toStdString() << " read as " << value;
            // Only the separator in force: a point in a comma locale would be read
            // as a thousands mark by a spreadsheet.
            const QChar other = decimal == QLatin1Char(',') ? QLatin1Char('.') : QLatin1Char(',');
            EXPECT_FALSE(fields[k].contains(other)) << fields[k].toStdString();
        }
    }
}

class SamplesTextTest : public ::testing::TestWithParam<char> {};

TEST_P(SamplesTextTest, TabTextReadsBackExactly) {
    const QChar decimal = QLatin1Char(GetParam());
    const TLabSamples samples = AwkwardSamples();
    ExpectReadsBack(SamplesTabText(samples, kColumns, decimal), QLatin1Char('\t'), decimal,
                    samples);
}

TEST_P(SamplesTextTest, CsvTextReadsBackExactlyWithTheLocalesFieldSeparator) {
    const QChar decimal = QLatin1Char(GetParam());
    const QChar field = decimal == QLatin1Char(',') ? QLatin1Char(';') : QLatin1Char(',');
    EXPECT_EQ(CsvFieldSeparator(decimal), field);
    const TLabSamples samples = AwkwardSamples();
    ExpectReadsBack(SamplesCsvText(samples, kColumns, decimal), field, decimal, samples);
}

INSTANTIATE_TEST_SUITE_P(BothSeparators, SamplesTextTest, ::testing::Values(',', '.'));

TEST(SamplesText, NumbersAreTheShortestExactTexts) {
    EXPECT_EQ(ExactNumberText(0.1, QLatin1Char(',')), QStringLiteral("0,1"));
    EXPECT_EQ(ExactNumberText(-0.0, QLatin1Char(',')), QStringLiteral("-0"));
    EXPECT_EQ(ExactNumberText(0.30000000000000004, QLatin1Char('.')),
              QStringLiteral("0.30000000000000004"));
    EXPECT_EQ(ExactNumberText(1234567.0, QLatin1Char(',')), QStringLiteral("1234567"));
}

TEST(SamplesText, NoSamplesGiveTheHeaderAlone) {
    EXPECT_EQ(SamplesCsvText(TLabSamples(), kColumns, QLatin1Char('.')), QStringLiteral("ω,P,Q\n"));
}

} // namespace
