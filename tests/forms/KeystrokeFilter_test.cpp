// The keystroke filter of the coefficient fields, character by character, in a
// comma locale (exactly the classic behaviour) and in a full-stop locale.

#include "forms/KeystrokeFilter.h"

#include <gtest/gtest.h>

#include <QString>

namespace {

struct Keystroke {
    char16_t typed;
    bool minusAllowed;
    char16_t separator;
    char16_t kept; // 0: discarded
    bool run;
    bool exit;
};

class FilterTable : public ::testing::TestWithParam<Keystroke> {};

TEST_P(FilterTable, KeepsReplacesOrDiscards) {
    const Keystroke& row = GetParam();
    const KeystrokeOutcome outcome =
        FilterKeystroke(QChar(row.typed), row.minusAllowed, QChar(row.separator));
    EXPECT_EQ(outcome.key.unicode(), row.kept) << "typed " << int(row.typed);
    EXPECT_EQ(outcome.run, row.run) << "typed " << int(row.typed);
    EXPECT_EQ(outcome.exit, row.exit) << "typed " << int(row.typed);
}

INSTANTIATE_TEST_SUITE_P(
    CommaLocale, FilterTable,
    ::testing::Values(
        Keystroke{u'.', true, u',', u',', false, false},
        Keystroke{u',', true, u',', u',', false, false},
        Keystroke{u'0', true, u',', u'0', false, false},
        Keystroke{u'9', false, u',', u'9', false, false},
        Keystroke{u'-', true, u',', u'-', false, false},
        Keystroke{u'-', false, u',', 0, false, false}, Keystroke{8, true, u',', 8, false, false},
        Keystroke{8, false, u',', 8, false, false}, Keystroke{10, true, u',', 10, false, false},
        Keystroke{13, true, u',', 0, true, false}, Keystroke{27, true, u',', 0, false, true},
        Keystroke{u' ', true, u',', 0, false, false}, Keystroke{u'+', true, u',', 0, false, false},
        Keystroke{u'E', true, u',', 0, false, false}, Keystroke{u'e', true, u',', 0, false, false},
        Keystroke{u'a', true, u',', 0, false, false}, Keystroke{u'ж', true, u',', 0, false, false},
        Keystroke{9, true, u',', 0, false, false},
        Keystroke{22, true, u',', 0, false, false}, // Ctrl+V
        Keystroke{3, true, u',', 0, false, false},  // Ctrl+C
        Keystroke{24, true, u',', 0, false, false}, // Ctrl+X
        Keystroke{26, true, u',', 0, false, false}, // Ctrl+Z
        Keystroke{0x00A0, true, u',', 0, false, false},
        Keystroke{0x0661, true, u',', 0, false, false}));

INSTANTIATE_TEST_SUITE_P(FullStopLocale, FilterTable,
                         ::testing::Values(Keystroke{u'.', true, u'.', u'.', false, false},
                                           Keystroke{u',', true, u'.', u'.', false, false},
                                           Keystroke{u',', false, u'.', u'.', false, false},
                                           Keystroke{u'5', true, u'.', u'5', false, false},
                                           Keystroke{u'-', false, u'.', 0, false, false},
                                           Keystroke{13, false, u'.', 0, true, false},
                                           Keystroke{27, false, u'.', 0, false, true}));

} // namespace
