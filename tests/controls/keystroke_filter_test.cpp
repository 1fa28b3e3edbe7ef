#include "controls/keystroke_filter.h"

#include <gtest/gtest.h>

namespace pheltra::controls {
namespace {

using enum TNumEditType;

// The text after typing `c` on `text` with the selection [from, to), or
// the text unchanged when the filter drops the character.
QString Typed(TNumEditType kind, QStringView text, qsizetype from, qsizetype to, QChar c, QChar separator = u'.')
{
    const KeystrokeDecision d = DecideKeystroke(kind, text, from, to, c, separator);
    if (d.verdict != KeystrokeVerdict::kInsert) {
        return text.toString();
    }
    return text.first(d.replace_from).toString() + c + text.sliced(d.replace_to).toString();
}

QString AtEnd(TNumEditType kind, QStringView text, QChar c)
{
    return Typed(kind, text, text.size(), text.size(), c);
}

TEST(KeystrokeFilter, CharactersEachKindTakes)
{
    for (const TNumEditType kind : {integervalue, longintvalue, floatingpointvalue, wordvalue}) {
        for (const QChar c : QStringView(u"0123456789\b\x7f")) {
            EXPECT_TRUE(IsAcceptedCharacter(kind, c, u'.'));
        }
        for (const QChar c : QStringView(u"+eE ,a\r\n\t\x1b\x01")) {
            EXPECT_FALSE(IsAcceptedCharacter(kind, c, u'.')) << int{c.unicode()};
        }
        EXPECT_EQ(IsAcceptedCharacter(kind, u'-', u'.'), kind != wordvalue);
        EXPECT_EQ(IsAcceptedCharacter(kind, u'.', u'.'), kind == floatingpointvalue);
    }
    EXPECT_TRUE(IsAcceptedCharacter(floatingpointvalue, u',', u','));
    EXPECT_FALSE(IsAcceptedCharacter(floatingpointvalue, u'.', u','));
}

// The plain cases (3276 + 8, 6553 + 6, eleven digits) are typed in the
// widget test; here the boundaries and the selection handling.
TEST(KeystrokeFilter, DigitsAreCheckedOnTheTextTheyWouldProduce)
{
    EXPECT_EQ(AtEnd(integervalue, u"-3276", u'8'), "-32768");
    EXPECT_EQ(AtEnd(integervalue, u"-3276", u'9'), "-3276");
    EXPECT_EQ(AtEnd(integervalue, u"0003276", u'7'), "00032767");
    EXPECT_EQ(AtEnd(longintvalue, u"999999999", u'9'), "999999999");
    EXPECT_EQ(AtEnd(longintvalue, u"214748364", u'7'), "2147483647");
    EXPECT_EQ(AtEnd(longintvalue, u"-214748364", u'8'), "-2147483648");
    EXPECT_EQ(AtEnd(longintvalue, u"-214748364", u'9'), "-214748364");
    EXPECT_EQ(AtEnd(floatingpointvalue, u"99999999999999999999", u'9'), "999999999999999999999");
    EXPECT_EQ(Typed(integervalue, u"32767", 4, 5, u'6'), "32766");
    EXPECT_EQ(Typed(integervalue, u"32767", 0, 5, u'9'), "9");
    // No digit in front of a minus, unless the selection takes the minus.
    EXPECT_EQ(Typed(integervalue, u"-5", 0, 1, u'3'), "35");
    EXPECT_EQ(Typed(integervalue, u"-5", 1, 2, u'3'), "-3");
}

TEST(KeystrokeFilter, MinusAndSeparatorWithSelections)
{
    EXPECT_EQ(Typed(floatingpointvalue, u"-5", 0, 0, u'-'), "--5");
    EXPECT_EQ(Typed(floatingpointvalue, u"12.34", 5, 5, u'.'), "12.");
    EXPECT_EQ(Typed(floatingpointvalue, u"12.34", 0, 1, u'.'), "12.34");
    EXPECT_EQ(Typed(floatingpointvalue, u"12.34", 1, 3, u'.'), "1.34");
    EXPECT_EQ(Typed(floatingpointvalue, u"1234", 2, 2, u'.'), "12.34");
    EXPECT_EQ(Typed(floatingpointvalue, u"12,34", 1, 1, u',', u','), "12,");
}

TEST(KeystrokeFilter, PastedTextAndWildSelectionsAreSafe)
{
    EXPECT_EQ(AtEnd(integervalue, u"ab", u'5'), "ab");
    EXPECT_EQ(AtEnd(wordvalue, u"1.5", u'5'), "1.5");
    EXPECT_EQ(AtEnd(integervalue, QString(40, u'0'), u'5'), QString(40, u'0') + u'5');
    const KeystrokeDecision d = DecideKeystroke(floatingpointvalue, u"12", 9, -4, u'7', u'.');
    EXPECT_EQ(d.verdict, KeystrokeVerdict::kInsert);
    EXPECT_EQ(d.replace_from, 0);
    EXPECT_EQ(d.replace_to, 2);
}

} // namespace
} // namespace pheltra::controls
