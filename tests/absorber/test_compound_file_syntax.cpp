// Lines, fields, numbers and texts of the compound library file.
#include "absorber/compound_file_syntax.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QLocale>

#include <climits>
#include <vector>

namespace {

std::vector<QByteArray> Lines(QByteArrayView data)
{
    std::vector<QByteArray> lines;
    LineReader reader(data);
    while (!reader.AtEnd())
        lines.emplace_back(reader.Next().toByteArray());
    return lines;
}

// For each line, whether it ended in another kind of line end than the first.
std::vector<bool> Differing(QByteArrayView data)
{
    std::vector<bool> flags;
    LineReader reader(data);
    while (!reader.AtEnd()) {
        reader.Next();
        flags.push_back(reader.LastLineEndDiffers());
    }
    return flags;
}

using Lines_t = std::vector<QByteArray>;
using Flags_t = std::vector<bool>;

TEST(LineReader, CarriageReturnEndsALineAndSwallowsOneLineFeed)
{
    EXPECT_EQ(Lines("a\rb\r\nc"), (Lines_t{"a", "b", "c"}));
    EXPECT_EQ(Lines("a\r\rb\r"), (Lines_t{"a", "", "b"}));
    EXPECT_EQ(Differing("a\r\rb\r"), (Flags_t{false, false, false}));
}

// CR (with or without an LF after it) and a lone LF each end a line; the
// first line end sets the file's kind and a line that ends in the other kind
// is marked, never joined to the next.
TEST(LineReader, EveryKindEndsALineAndTheFirstSetsTheFilesKind)
{
    EXPECT_EQ(Lines("a\r\n\nb"), (Lines_t{"a", "", "b"}));
    EXPECT_EQ(Differing("a\r\n\nb"), (Flags_t{false, true, false}));
    EXPECT_EQ(Lines("a\nb\nc\r"), (Lines_t{"a", "b", "c"}));
    EXPECT_EQ(Differing("a\nb\nc\r"), (Flags_t{false, false, true}));
    EXPECT_EQ(Lines("a\n\rb"), (Lines_t{"a", "", "b"}));
    // In a CR LF file a CR without its LF is a line end of another kind; in
    // a CR file a CR LF is a CR's line end.
    EXPECT_EQ(Differing("a\r\nb\r\nc\rd\r\n"), (Flags_t{false, false, true, false}));
    EXPECT_EQ(Differing("a\rb\r\nc\r"), (Flags_t{false, false, false}));
    EXPECT_EQ(Differing("a\nb\r\nc\n"), (Flags_t{false, true, false}));
    // The last line needs no line end.
    EXPECT_EQ(Differing("a\r\nb"), (Flags_t{false, false}));
}

TEST(LineReader, FileWithoutAnyCarriageReturnEndsLinesAtLineFeed)
{
    EXPECT_EQ(Lines("a\nb\n\nc\n"), (Lines_t{"a", "b", "", "c"}));
    EXPECT_EQ(Lines("a\nb\x1a\rc"), (Lines_t{"a", "b"})); // the CR lies past the end
    EXPECT_EQ(Lines("one line"), (Lines_t{"one line"}));
}

TEST(LineReader, Code26EndsTheFileWhereverItStands)
{
    EXPECT_EQ(Lines("a\rb\x1a\rc\r"), (Lines_t{"a", "b"}));
    EXPECT_EQ(Lines("\x1a"
                    "a\rb"),
              Lines_t{});
    EXPECT_EQ(Lines(""), Lines_t{});
    EXPECT_EQ(Lines("\r"), (Lines_t{""}));
}

TEST(LineReader, KeepsNullBytesAndLongLines)
{
    const QByteArray zero("a\0b\rc", 5);
    EXPECT_EQ(Lines(zero), (Lines_t{QByteArray("a\0b", 3), "c"}));
    const QByteArray longLine(1 << 20, 'x');
    EXPECT_EQ(Lines(longLine + "\ry"), (Lines_t{longLine, "y"}));
}

TEST(Fields, TrimmedOfCodesUpTo32)
{
    EXPECT_EQ(TrimField(" \t\x01"
                        "a b\x1f\n "),
              "a b");
    EXPECT_EQ(TrimField(QByteArrayView("\0\0", 2)), "");
    EXPECT_EQ(TrimField("\xa0x\xa0"), "\xa0x\xa0"); // 8-bit characters are text
}

TEST(Fields, CutOneAfterTheOther)
{
    QByteArrayView rest = " Water ; H2O;;x";
    EXPECT_EQ(CutField(rest), "Water");
    EXPECT_EQ(CutField(rest), "H2O");
    EXPECT_EQ(CutField(rest), "");
    EXPECT_EQ(CutField(rest), "x");
    EXPECT_TRUE(rest.isEmpty());
    EXPECT_EQ(CutField(rest), ""); // past the end: empty fields
    EXPECT_EQ(CutField(rest), "");
}

TEST(Integers, DecimalAndHexWithOptionalSign)
{
    EXPECT_EQ(ParseInteger("8"), 8);
    EXPECT_EQ(ParseInteger("+8"), 8);
    EXPECT_EQ(ParseInteger("-3"), -3);
    EXPECT_EQ(ParseInteger("007"), 7);
    EXPECT_EQ(ParseInteger("$1A"), 26);
    EXPECT_EQ(ParseInteger("$1a"), 26);
    EXPECT_EQ(ParseInteger("-$10"), -16);
    EXPECT_EQ(ParseInteger("2147483647"), INT_MAX);
    EXPECT_EQ(ParseInteger("-2147483648"), INT_MIN);
    EXPECT_EQ(ParseInteger("$7FFFFFFF"), INT_MAX);
    EXPECT_EQ(ParseInteger("-$80000000"), INT_MIN);
}

TEST(Integers, AnythingElseIsInvalid)
{
    for (const char *text : {"",
                             "+",
                             "-",
                             "$",
                             "-$",
                             "8.0",
                             "8 ",
                             " 8",
                             "8a",
                             "1e2",
                             "0x10",
                             "$G",
                             "2147483648",
                             "-2147483649",
                             "$80000000",
                             "$FFFFFFFF",
                             "99999999999999999999999999",
                             "--1",
                             "+-1",
                             "$-1",
                             "٣"}) {
        EXPECT_FALSE(ParseInteger(text).has_value()) << text;
    }
}

TEST(Reals, PointIsTheDecimalSeparatorWhateverTheLocale)
{
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(ParseReal("0.888102"), 0.888102f);
    EXPECT_FALSE(ParseReal("0,888102").has_value());
    QLocale::setDefault(saved);
}

TEST(Reals, AcceptedForms)
{
    EXPECT_EQ(ParseReal("1"), 1.0f);
    EXPECT_EQ(ParseReal("+1.5"), 1.5f);
    EXPECT_EQ(ParseReal("-0.2"), -0.2f);
    EXPECT_EQ(ParseReal("1.0E-3"), 1.0e-3f);
    EXPECT_EQ(ParseReal("2e+2"), 200.0f);
    EXPECT_EQ(ParseReal("5."), 5.0f);
    EXPECT_EQ(ParseReal(".5"), 0.5f);
    EXPECT_EQ(ParseReal("0"), 0.0f);
    EXPECT_EQ(ParseReal("0e999"), 0.0f);
    EXPECT_EQ(ParseReal("3.4028234e38"), 3.4028234e38f);
    EXPECT_EQ(ParseReal("1e-40"), 1e-40f); // subnormal, still a float
    EXPECT_EQ(ParseReal("0.00008375"), 0.00008375f);
}

TEST(Reals, AnythingElseIsInvalid)
{
    for (const char *text : {"",    ".",        "+",   "-",   "e5",       ".e5",   "1e",  "1e+", "1.0.0", "1,5",  "1 ",
                             "abc", "1.0g/cm3", "inf", "nan", "Infinity", "0x1p3", "1d5", "++1", "$10",   "1e5e5"}) {
        EXPECT_FALSE(ParseReal(text).has_value()) << text;
    }
}

// A value the 32-bit record cannot hold must not turn silently into infinity
// or zero.
TEST(Reals, ValuesThatDoNotFitAFloatAreInvalid)
{
    for (const char *text : {"3.5e38", "-1e39", "1e400", "1e-50", "-1e-400"})
        EXPECT_FALSE(ParseReal(text).has_value()) << text;
}

TEST(Texts, Utf8WhereValidOtherwiseWindows1252)
{
    EXPECT_EQ(DecodeText("Water"), QStringLiteral("Water"));
    EXPECT_EQ(DecodeText("\xc3\x84ther"), QStringLiteral("Äther"));               // UTF-8
    EXPECT_EQ(DecodeText("\xc4ther"), QStringLiteral("Äther"));                   // Windows-1252
    EXPECT_EQ(DecodeText("\x80 \x96 \xb5"), QStringLiteral("€ – µ"));             // 1252 beyond Latin-1
    EXPECT_EQ(DecodeText("\x81\x8d"), QString(QChar(0x81)) + QChar(0x8d));        // unassigned bytes
    EXPECT_EQ(DecodeText("\xc0\x80"), QStringLiteral("À€"));                      // overlong: not UTF-8
    EXPECT_EQ(DecodeText("abc\xc3"), QStringLiteral("abcÃ"));                     // cut-off sequence
    EXPECT_EQ(DecodeText("\xed\xa0\x80"), QStringLiteral(u"\u00ed\u00a0\u20ac")); // encoded surrogate
    EXPECT_EQ(DecodeText("\xef\xbb\xbfx"), QString(QChar(0xfeff)) + u'x');        // BOM kept as text
}

} // namespace
