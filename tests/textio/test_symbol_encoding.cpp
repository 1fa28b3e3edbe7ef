#include "textio/symbol_encoding.h"

#include <gtest/gtest.h>

#include <set>

TEST(SymbolEncoding, CaptionLettersAndSigns)
{
    EXPECT_EQ(SymbolTextToUnicode("m/r"), QString::fromUtf8("μ/ρ"));
    EXPECT_EQ(SymbolToUnicode(180), u'×');
    EXPECT_EQ(SymbolTextToUnicode("abgdDWpSq"), QString::fromUtf8("αβγδΔΩπΣθ"));
    EXPECT_EQ(SymbolToUnicode(0xB0), u'°');
    EXPECT_EQ(SymbolToUnicode(0xB1), u'±');
    EXPECT_EQ(SymbolToUnicode(0xA3), u'≤');
    EXPECT_EQ(SymbolToUnicode(0xB3), u'≥');
    EXPECT_EQ(SymbolToUnicode(0xA5), u'∞');
    EXPECT_EQ(SymbolToUnicode(0xD6), u'√');
    EXPECT_EQ(SymbolToUnicode('-'), u'−');
    EXPECT_EQ(SymbolToUnicode('*'), u'∗');
}

TEST(SymbolEncoding, DigitsAndPunctuationUnchanged)
{
    EXPECT_EQ(SymbolTextToUnicode("0123456789 ()+,./:;<=>?[]_{|}!#%&"), "0123456789 ()+,./:;<=>?[]_{|}!#%&");
}

TEST(SymbolEncoding, EveryLetterIsGreek)
{
    for (char16_t c = 'A'; c <= 'Z'; ++c) {
        const char16_t u = SymbolToUnicode(c);
        EXPECT_TRUE(u >= 0x0391 && u <= 0x03D6) << char(c);
    }
    for (char16_t c = 'a'; c <= 'z'; ++c) {
        const char16_t u = SymbolToUnicode(c);
        EXPECT_TRUE(u >= 0x03B1 && u <= 0x03D6) << char(c);
    }
    // The 24 capitals and 24 small letters of the Greek alphabet are all there.
    std::set<char16_t> greek;
    for (char16_t c = 32; c < 256; ++c) {
        const char16_t u = SymbolToUnicode(c);
        if ((u >= 0x0391 && u <= 0x03A9) || (u >= 0x03B1 && u <= 0x03C9 && u != 0x03C2))
            greek.insert(u);
    }
    EXPECT_EQ(greek.size(), 48u);
}

TEST(SymbolEncoding, WholeTableMapsToPrintableCharacters)
{
    int empty = 0;
    for (char16_t c = 32; c < 256; ++c) {
        const char16_t u = SymbolToUnicode(c);
        if (c >= 127 && c < 160) {
            EXPECT_EQ(u, 0xFFFD) << int(c);
            continue;
        }
        if (u == 0xFFFD) {
            ++empty;
            continue;
        }
        EXPECT_TRUE(QChar(u).isPrint()) << int(c);
        // Private-use code points have no glyph in any installed face.
        EXPECT_FALSE(u >= 0xE000 && u <= 0xF8FF) << int(c);
    }
    EXPECT_EQ(empty, 2); // codes 240 and 255 are empty in the font
    EXPECT_EQ(SymbolToUnicode(10), 10);
    EXPECT_EQ(SymbolToUnicode(0x3B1), 0x3B1);
}
