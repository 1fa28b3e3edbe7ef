// Gallomir's values through its C interface, checked against the reference
// table they are generated from and against what its callers rely on.
#include "gallomir/gallomir.h"

#include <QFile>
#include <QSet>
#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

#include <climits>

namespace {

constexpr int kFirstZ = 1;
constexpr int kLastZ = 99;

TEST(Gallomir, ValuesForEveryElementArePositive)
{
    for (int z = kFirstZ; z <= kLastZ; ++z) {
        SCOPED_TRACE(z);
        EXPECT_GT(GetAtomicWeight(z), 0.0);
        EXPECT_GT(GetElementDensity(z), 0.0);
        EXPECT_GT(GetExcitationPot(z), 0.0);
        EXPECT_STRNE(GetElementName(z), "");
    }
}

// The atomic data view finds Z from typed text by comparing upper-cased
// symbols in Z order, so symbols must be 1-2 letters and unique ignoring case.
TEST(Gallomir, SymbolsAreOneOrTwoLettersAndUniqueIgnoringCase)
{
    QSet<QString> seen;
    for (int z = kFirstZ; z <= kLastZ; ++z) {
        const QString symbol = QString::fromLatin1(GetElementSymbol(z));
        SCOPED_TRACE(symbol.toStdString());
        ASSERT_GE(symbol.size(), 1);
        ASSERT_LE(symbol.size(), 2);
        for (QChar c : symbol)
            EXPECT_TRUE(c.isLetter());
        EXPECT_TRUE(symbol.at(0).isUpper());
        EXPECT_FALSE(seen.contains(symbol.toUpper()));
        seen.insert(symbol.toUpper());
    }
}

// Electrons per gram of water in the program's reference example depends on
// exactly these two weights.
TEST(Gallomir, HydrogenAndOxygenCarryIupac1995Weights)
{
    EXPECT_EQ(GetAtomicWeight(1), 1.00794);
    EXPECT_EQ(GetAtomicWeight(8), 15.9994);
    EXPECT_STREQ(GetElementSymbol(8), "O");
    EXPECT_STREQ(GetElementName(8), "Oxygen");
}

TEST(Gallomir, AtomicNumbersOutsideTheTableGiveNoValue)
{
    for (int z : {0, -1, 100, 255, INT_MIN, INT_MAX}) {
        SCOPED_TRACE(z);
        EXPECT_EQ(GetAtomicWeight(z), -1.0);
        EXPECT_EQ(GetElementDensity(z), -1.0);
        EXPECT_EQ(GetExcitationPot(z), -1.0);
        ASSERT_NE(GetElementSymbol(z), nullptr);
        ASSERT_NE(GetElementName(z), nullptr);
        EXPECT_STREQ(GetElementSymbol(z), "");
        EXPECT_STREQ(GetElementName(z), "");
    }
}

// Each column of the library equals its column in the cited source table, so
// a column mix-up in the generator cannot pass unnoticed.
TEST(Gallomir, EveryValueEqualsTheReferenceTable)
{
    QFile file(QStringLiteral(PHELTRA_SOURCE_DIR "/data/sources/elements.tsv"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly | QIODevice::Text));
    int rows = 0;
    while (!file.atEnd()) {
        const QString line = QString::fromLatin1(file.readLine()).trimmed();
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        const QStringList columns = line.split(u'\t');
        ASSERT_EQ(columns.size(), 6) << line.toStdString();
        const int z = columns[0].toInt();
        SCOPED_TRACE(z);
        EXPECT_EQ(z, ++rows);
        EXPECT_EQ(QString::fromLatin1(GetElementSymbol(z)), columns[1]);
        EXPECT_EQ(QString::fromLatin1(GetElementName(z)), columns[2]);
        EXPECT_EQ(GetAtomicWeight(z), columns[3].toDouble());
        EXPECT_EQ(GetElementDensity(z), columns[4].toDouble());
        EXPECT_EQ(GetExcitationPot(z), columns[5].toDouble());
    }
    EXPECT_EQ(rows, kLastZ);
}

} // namespace
