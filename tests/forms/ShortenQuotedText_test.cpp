// How a message is fitted into the lines of a box: only a quoted part wider than a
// line is shortened, in its middle, keeping both ends and everything around it.

#include "forms/ShortenQuotedText.h"

#include <gtest/gtest.h>

namespace {

struct Shortening {
    const char* name;
    const char* text;
    int width; // in characters: every character is one unit wide here
    const char* shown;
};

class ShortenQuoted : public ::testing::TestWithParam<Shortening> {};

int CharacterCount(const QString& text) {
    return int(text.size());
}

TEST_P(ShortenQuoted, KeepsStartEndAndTheRest) {
    const Shortening& row = GetParam();
    EXPECT_EQ(
        ShortenQuotedText(QString::fromUtf8(row.text), CharacterCount, row.width).toStdString(),
        row.shown);
}

INSTANTIATE_TEST_SUITE_P(
    Messages, ShortenQuoted,
    ::testing::Values(
        Shortening{"QuoteFitsExactly", "'abc' is not a valid floating point value.", 5,
                   "'abc' is not a valid floating point value."},
        Shortening{"NoQuoteLeftAlone", "abcdefghijklmnop.", 4, "abcdefghijklmnop."},
        Shortening{"OneApostropheLeftAlone", "it's abcdefghijklmnop", 4, "it's abcdefghijklmnop"},
        Shortening{"EvenKeep", "'abcdefghij' is not", 7, "'ab…ij' is not"},
        Shortening{"OddKeepFavoursTheStart", "'abcdefghij' is not", 8, "'abc…ij' is not"},
        Shortening{"TextBeforeTheQuoteStays", "Value 'abcdefghij'.", 7, "Value 'ab…ij'."},
        Shortening{"ApostrophesInside", "'a'bcdefgh'ij' x", 7, "'a'…ij' x"},
        Shortening{"OnlyTheQuotesWhenNothingElseFits", "'abcdefghij' x", 1, "'…' x"},
        Shortening{"SurrogatePairsStayWhole", "'😀😀😀😀' x", 6, "'😀…' x"}),
    [](const auto& info) { return std::string(info.param.name); });

// Proportional widths: a 3000-character paste comes out as wide as the line allows.
TEST(ShortenQuoted, LongPasteFitsTheLine) {
    const QString message =
        QStringLiteral("'%1' is not a valid floating point value.").arg(QString(3000, u'w'));
    const TextWidth proportional = [](const QString& text) {
        int width = 0;
        for (QChar c : text)
            width += c == u'w' ? 9 : 4;
        return width;
    };
    for (int width : {40, 333, 800}) {
        const QString shown = ShortenQuotedText(message, proportional, width);
        const QString quoted = shown.left(shown.lastIndexOf(u'\'') + 1);
        EXPECT_LE(proportional(quoted), width);
        EXPECT_GT(proportional(quoted), width - 9) << "more could have been kept";
        EXPECT_TRUE(shown.endsWith(QStringLiteral("w' is not a valid floating point value.")));
        EXPECT_TRUE(shown.startsWith(QStringLiteral("'w")));
    }
}

} // namespace
