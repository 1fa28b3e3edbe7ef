// Loading the compound library: data lines, faults and their line numbers,
// repairs of optional values, and the file itself (missing, unreadable).
#include "absorber/compound_file.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "tests/support/named_pipe.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <initializer_list>

#include <sys/resource.h>
#include <unistd.h>

#if defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(thread_sanitizer)
#define PHELTRA_TEST_UNDER_ASAN 1
#endif
#endif
#ifndef PHELTRA_TEST_UNDER_ASAN
#define PHELTRA_TEST_UNDER_ASAN 0
#endif

namespace {

// Loads data with only `headroom` bytes of address space left to the process
// (in a child process of a death test).
[[maybe_unused]] LibraryLoad ReadCompoundLibraryBytesWithin(const QByteArray &data, CompoundLibrary &library,
                                                            rlim_t headroom)
{
    long pages = 0;
    std::ifstream("/proc/self/statm") >> pages;
    const rlim_t limit = static_cast<rlim_t>(pages) * static_cast<rlim_t>(sysconf(_SC_PAGESIZE)) + headroom;
    const rlimit bound{limit, limit};
    setrlimit(RLIMIT_AS, &bound);
    return ReadCompoundLibraryBytes(data, library);
}

// A file of the given lines with CR LF line ends; the first is the title.
QByteArray File(std::initializer_list<const char *> lines)
{
    QByteArray data;
    for (const char *line : lines)
        data += QByteArray(line) + "\r\n";
    return data;
}

constexpr const char *kWaterLine = "Water;H2O;;;ICRU;;;1.0;1;0.111898;8;0.888102";

TEST(DataLine, WaterEntry)
{
    const DataLine line = ParseDataLine(kWaterLine);
    ASSERT_EQ(line.kind, DataLine::Kind::Entry);
    EXPECT_EQ(line.name, QStringLiteral("Water"));
    const TCompound &water = line.compound;
    EXPECT_EQ(water.Formula.str(), QStringLiteral("H2O"));
    EXPECT_TRUE(water.SecondName.isEmpty());
    EXPECT_EQ(water.Source.str(), QStringLiteral("ICRU"));
    EXPECT_EQ(water.ExtraValue, -1.0f);
    EXPECT_EQ(water.Density, 1.0f);
    EXPECT_EQ(water.Z[0], 1);
    EXPECT_EQ(water.Weight[0], 0.111898f);
    EXPECT_EQ(water.Z[1], 8);
    EXPECT_EQ(water.Weight[1], 0.888102f);
    for (int i = 2; i < TCompound::kSlotCount; ++i) {
        EXPECT_EQ(water.Z[i], -1);
        EXPECT_EQ(water.Weight[i], -1.0f);
    }
    EXPECT_NEAR(static_cast<double>(water.ElectronsPerGram()), 3.343e23, 0.001e23);
}

TEST(DataLine, LinesWithoutANameAreSkipped)
{
    for (const char *text : {"", "   \t", ";comment;1;1", " ; Water;;;;;;;1;1", "\n"})
        EXPECT_EQ(ParseDataLine(text).kind, DataLine::Kind::Skipped) << text;
}

TEST(DataLine, AnUnreadableFirstPairMakesTheLineFaulty)
{
    for (const char *text : {"Water;H2O", "Water;;;;;;;;;1", "Water;;;;;;;;1", "Water;;;;;;;;1;0,5",
                             "Water;;;;;;;;1.0;1", "Water;;;;;;;;x;1", "Water;;;;;;;;100;1", "Water;;;;;;;;1;1e39"}) {
        EXPECT_EQ(ParseDataLine(text).kind, DataLine::Kind::Faulty) << text;
    }
}

TEST(DataLine, NegativeFirstPairIsValidButLeavesNoComposition)
{
    for (const char *text : {"Void;;;;;;;;-1;1", "Void;;;;;;;;1;-0.2"}) {
        const DataLine line = ParseDataLine(text);
        ASSERT_EQ(line.kind, DataLine::Kind::Entry) << text;
        EXPECT_EQ(line.compound.Z[0], -1);
        EXPECT_EQ(line.compound.Weight[0], -1.0f);
        EXPECT_EQ(line.compound.ConstituentCount(), 0);
    }
}

TEST(DataLine, NegativeAndAbsentLaterPairsLeaveTheirSlotsEmpty)
{
    // weight -0.2, atomic number -1, both fields empty; then a good pair
    const DataLine line = ParseDataLine("Mix;;;;;;;;1;0.1;6;-0.2;-1;0.3; ; ;20;0.5");
    ASSERT_EQ(line.kind, DataLine::Kind::Entry);
    const TCompound &mix = line.compound;
    EXPECT_EQ(mix.Z[0], 1);
    for (int i = 1; i <= 3; ++i) {
        EXPECT_EQ(mix.Z[i], -1) << i;
        EXPECT_EQ(mix.Weight[i], -1.0f) << i;
    }
    EXPECT_EQ(mix.Z[4], 20); // kept in the record, though computations stop at slot 2
    EXPECT_EQ(mix.Weight[4], 0.5f);
    EXPECT_EQ(mix.ConstituentCount(), 1);
}

// Each line is faulty by itself, and as the second data line of a file it
// stops the loading there: the status names it and the entry before it stays.
void ExpectFaultyLines(std::initializer_list<const char *> texts)
{
    for (const char *text : texts) {
        EXPECT_EQ(ParseDataLine(text).kind, DataLine::Kind::Faulty) << text;
        CompoundLibrary library;
        EXPECT_EQ(LoadCompoundLibraryFromBytes(File({"t", "Air;;;;;;;;7;1", text, "Zinc;;;;;;;;30;1"}), library), 2)
            << text;
        EXPECT_EQ(library.Count(), 1) << text;
    }
}

// A later pair that holds something other than two numbers would be dropped
// from the material without a word: the line is faulty and the status names it.
TEST(DataLine, UnreadableLaterPairsMakeTheLineFaulty)
{
    ExpectFaultyLines(
        {"Water;;;;;;;;1;0.111898;8;0,888102", "Mix;;;;;;;;1;0.5;8;x", "Mix;;;;;;;;1;0.5;x;0.5", "Mix;;;;;;;;1;0.5;8",
         "Mix;;;;;;;;1;0.5;8;", "Mix;;;;;;;;1;0.5;;0.5", "Mix;;;;;;;;1;0.5;6;1e-50", "Mix;;;;;;;;1;0.5;6;1e39",
         "Mix;;;;;;;;1;0.1;6;0.1;7;0.1;8;0.1;9;0.1;10;0.1;11;0.1;12;0.1;13;0.1;14;0.1;15;0.1;16;0.1;17;0.1;18;0.1,5"});
}

// No element above 99 exists for the program: in any pair such a number
// makes the line faulty, so the constituent is never dropped without a word.
TEST(DataLine, AtomicNumberAbove99IsFaultyInEveryPair)
{
    ExpectFaultyLines({"Mix;;;;;;;;1;0.5;100;0.5", "Mix;;;;;;;;1;0.5;6;0.2;$64;0.3", "Mix;;;;;;;;1;0.5;2147483647;-1",
                       "Mix;;;;;;;;1;0.1;6;0.1;7;0.1;8;0.1;9;0.1;10;0.1;11;0.1;12;0.1;13;0.1;14;0.1;15;0.1;16;0.1;"
                       "17;0.1;120;0.1"});
    EXPECT_EQ(ParseDataLine("Mix;;;;;;;;1;0.5;99;0.5").kind, DataLine::Kind::Entry);
}

TEST(DataLine, AtomicNumberZeroIsStoredAndEndsTheList)
{
    const DataLine line = ParseDataLine("Odd;;;;;;;;1;0.5;0;0.5;8;0.5");
    ASSERT_EQ(line.kind, DataLine::Kind::Entry);
    EXPECT_EQ(line.compound.Z[1], 0);
    EXPECT_EQ(line.compound.Weight[1], 0.5f);
    EXPECT_EQ(line.compound.ConstituentCount(), 1);
}

TEST(DataLine, OptionalNumbersRepairToMinusOne)
{
    const DataLine line = ParseDataLine("Lead; Pb ;;;;abc;;11.35;82;1");
    ASSERT_EQ(line.kind, DataLine::Kind::Entry);
    EXPECT_EQ(line.compound.Formula.str(), QStringLiteral("Pb"));
    EXPECT_EQ(line.compound.ExtraValue, -1.0f);
    EXPECT_EQ(line.compound.Density, 11.35f);
    EXPECT_EQ(ParseDataLine("Lead;;;;;2.5;;;82;1").compound.ExtraValue, 2.5f);
    EXPECT_EQ(ParseDataLine("Lead;;;;;2.5;;-1;82;1").compound.Density, -1.0f);
    EXPECT_EQ(ParseDataLine("Lead;;;;;2.5;;0;82;1").compound.Density, -1.0f);
}

// A density that is no number, or one that a 32-bit density turns into 0 or
// infinity, is not "no density": the line is faulty and says why.
TEST(DataLine, DensityThatIsNoUsableNumberMakesTheLineFaulty)
{
    struct Row
    {
        const char *density;
        const char *fault;
    };
    for (const Row &row :
         {Row{"2,5", "density '2,5' is not a number"}, Row{"2.5abc", "density '2.5abc' is not a number"},
          Row{"11.35 g/cm3", "density '11.35 g/cm3' is not a number"},
          Row{"1e-4000", "density 1e-4000 lies outside 1e-30 to 1000 g/cm3"},
          Row{"1e-31", "density 1e-31 lies outside 1e-30 to 1000 g/cm3"},
          Row{"1e39", "density 1e39 lies outside 1e-30 to 1000 g/cm3"},
          Row{"1001", "density 1001 lies outside 1e-30 to 1000 g/cm3"}}) {
        const QByteArray text = QByteArray("Lead;;;;;;;") + row.density + ";82;1";
        ExpectFaultyLines({text.constData()});
        EXPECT_EQ(ParseDataLine(text).fault, QString::fromLatin1(row.fault));
    }
    EXPECT_EQ(ParseDataLine("Gas;;;;;;;1e-30;1;1").compound.Density, 1e-30f);
}

TEST(DataLine, AllFieldsInOrderAndEmptyFieldsAfter36Ignored)
{
    QByteArray text = "Name;F;S;E1;Src;7.5;E2;2.5";
    for (int i = 1; i <= 14; ++i)
        text += ";" + QByteArray::number(i) + ";0.0" + QByteArray::number(i);
    text += "; ;;\t;";
    const DataLine line = ParseDataLine(text);
    ASSERT_EQ(line.kind, DataLine::Kind::Entry);
    const TCompound &c = line.compound;
    EXPECT_EQ(c.Formula.str(), QStringLiteral("F"));
    EXPECT_EQ(c.SecondName.str(), QStringLiteral("S"));
    EXPECT_EQ(c.ExtraText1.str(), QStringLiteral("E1"));
    EXPECT_EQ(c.Source.str(), QStringLiteral("Src"));
    EXPECT_EQ(c.ExtraValue, 7.5f);
    EXPECT_EQ(c.ExtraText2.str(), QStringLiteral("E2"));
    EXPECT_EQ(c.Density, 2.5f);
    EXPECT_EQ(c.Z[13], 14);
    EXPECT_EQ(c.Weight[13], 0.014f);
    EXPECT_EQ(c.ConstituentCount(), 14);
}

// A 15th pair once vanished without a word, and with it perhaps the
// heaviest element of the entry.
TEST(DataLine, MoreThanFourteenPairsMakeTheLineFaulty)
{
    QByteArray fourteen = "Mix;;;;;;;";
    for (int i = 1; i <= 14; ++i)
        fourteen += ";" + QByteArray::number(i) + ";0.05";
    for (const char *tail : {";82;0.3", ";82", ";;0.3", "; x", ";;;82;0.3"}) {
        const QByteArray text = fourteen + tail;
        ExpectFaultyLines({text.constData()});
        EXPECT_EQ(ParseDataLine(text).fault, QStringLiteral("more than 14 pairs of atomic number and weight"));
    }
}

TEST(DataLine, TextsAreCutTo255CharactersButNamesAreNot)
{
    const QByteArray longText(300, 'n');
    const DataLine line = ParseDataLine(longText + ";" + longText + ";;;;;;;1;1");
    EXPECT_EQ(line.name.size(), 300);
    EXPECT_EQ(line.compound.Formula.str().size(), 255);
    // 300 two-byte UTF-8 characters are cut after 255 characters, not bytes
    QByteArray umlauts;
    for (int i = 0; i < 300; ++i)
        umlauts += "\xc3\xbc";
    EXPECT_EQ(ParseDataLine("U;" + umlauts + ";;;;;;;1;1").compound.Formula.str(), QString(255, u'ü'));
}

TEST(LoadBytes, EmptyFileAndTitleOnlyLoadWithoutEntries)
{
    CompoundLibrary library;
    EXPECT_EQ(LoadCompoundLibraryFromBytes("", library), kLibraryLoaded);
    EXPECT_EQ(library.Count(), 0);
    EXPECT_EQ(LoadCompoundLibraryFromBytes("Title only", library), kLibraryLoaded);
    EXPECT_EQ(LoadCompoundLibraryFromBytes(File({"Title only"}), library), kLibraryLoaded);
    EXPECT_EQ(library.Count(), 0);
}

TEST(LoadBytes, TitleLineIsIgnoredWhateverItHolds)
{
    CompoundLibrary library;
    EXPECT_EQ(LoadCompoundLibraryFromBytes(File({kWaterLine, "Air;;;;;;;;7;1"}), library), kLibraryLoaded);
    ASSERT_EQ(library.Count(), 1);
    EXPECT_EQ(library.Name(0), QStringLiteral("Air"));
}

TEST(LoadBytes, FaultStopsTheLoadAndKeepsEarlierEntriesSorted)
{
    CompoundLibrary library;
    const QByteArray data = File({"title", "Zinc;;;;;;;;30;1", "Water;;;;;;;;1;0.1;8;0.9", "air;;;;;;;;7;1",
                                  "Broken;formula only", "Later;;;;;;;;6;1"});
    EXPECT_EQ(LoadCompoundLibraryFromBytes(data, library), 4);
    ASSERT_EQ(library.Count(), 3);
    EXPECT_EQ(library.Name(0), QStringLiteral("air"));
    EXPECT_EQ(library.Name(1), QStringLiteral("Water"));
    EXPECT_EQ(library.Name(2), QStringLiteral("Zinc"));
    EXPECT_EQ(library.IndexOf(QStringLiteral("Later")), -1);
}

// The status is always the file line number of the faulty line minus one:
// blank and comment lines count.
TEST(LoadBytes, SkippedLinesCountInTheStatus)
{
    CompoundLibrary library;
    const QByteArray data = File({"title", "", "; comment;x", "   ", "Air;;;;;;;;7;1", ";", "Bad;;;;;;;;;"});
    EXPECT_EQ(LoadCompoundLibraryFromBytes(data, library), 6);
    EXPECT_EQ(library.Count(), 1);
    EXPECT_EQ(LibraryStatusMessage(6), QStringLiteral("Error in reading line # 6 of file CmpMix.dat"));
}

TEST(LoadBytes, LineEndsAndEndOfFileMark)
{
    CompoundLibrary library;
    // A lone LF in a file of CR line ends: line 1 is faulty
    EXPECT_EQ(LoadCompoundLibraryFromBytes("t\rA;;;;;;;;1;1\nB;;;;;;;;2;1\r", library), 1);
    EXPECT_EQ(LoadCompoundLibraryFromBytes("t\rA;;;;;;;;1;1\r\nB;;;;;;;;2;1\x1a\rBad", library), 0);
    EXPECT_EQ(library.Count(), 2);
    // A file without any CR has LF line ends, so its entries are not lost
    EXPECT_EQ(LoadCompoundLibraryFromBytes("t\nA;;;;;;;;1;1\n\nB;;;;;;;;2;1\n", library), 0);
    EXPECT_EQ(library.Count(), 2);
    EXPECT_EQ(LoadCompoundLibraryFromBytes("t\nA;;;;;;;;1;1\n;c\nBad\n", library), 3);
    // The last line needs no line end
    EXPECT_EQ(LoadCompoundLibraryFromBytes("t\r\nA;;;;;;;;1;1", library), 0);
    EXPECT_EQ(library.Count(), 1);
}

// Every line ends as the title line does; a line that ends otherwise is
// faulty, so that entries never run into each other or vanish in the title.
TEST(LoadBytes, MixedLineEndsNameTheLineWhereTheyStart)
{
    CompoundLibrary library;
    // Title in CR LF, data lines in LF: once read as one long line with one
    // entry.
    EXPECT_EQ(LoadCompoundLibraryFromBytes("t\r\nA;;;;;;;;1;1\nB;;;;;;;;2;1\nC;;;;;;;;3;1\n", library), 1);
    EXPECT_EQ(library.Count(), 0);
    EXPECT_EQ(LoadCompoundLibraryFromBytes("t\r\nA;;;;;;;;1;1\r\nB;;;;;;;;2;1\nC;;;;;;;;3;1\r\n", library), 2);
    EXPECT_EQ(library.Count(), 1);
    // LF line ends with one stray CR: once the CR made the whole front of the
    // file a title and the file loaded without a word.
    EXPECT_EQ(LoadCompoundLibraryFromBytes("t\nA;;;;;;;;1;1\nB;;;;;;;;2;1\r\nC;;;;;;;;3;1\n", library), 2);
    EXPECT_EQ(library.Count(), 1);
    EXPECT_EQ(LoadCompoundLibraryFromBytes("t\nA;;;;;;;;1;1\nB;;;;\r;;;;2;1\nC;;;;;;;;3;1\n", library), 2);
    // A lone LF at a field's end in a CR LF file is a line end too; so is a
    // lone CR, which once cut water's hydrogen off into a comment line.
    EXPECT_EQ(LoadCompoundLibraryFromBytes("t\r\nA;;;;;;;;1;0.5\n;8;0.5\r\n", library), 1);
    const LibraryLoad load =
        ReadCompoundLibraryBytes("t\r\nAir;;;;;;;;7;1\r\nWater;;;;;;;1;8;0.888102\r;1;0.111898\r\n", library);
    EXPECT_EQ(load.status, 2);
    EXPECT_EQ(LibraryLoadMessage(load),
              QStringLiteral("Error in reading line # 2 of file CmpMix.dat: its line end "
                             "differs from the title line's (CR LF, CR or LF)"));
    // One kind throughout loads every entry, whichever kind it is.
    for (const char *end : {"\r\n", "\r", "\n"}) {
        const QByteArray e(end);
        EXPECT_EQ(LoadCompoundLibraryFromBytes("t" + e + "A;;;;;;;;1;1" + e + e + "B;;;;;;;;2;1" + e, library), 0)
            << end;
        EXPECT_EQ(library.Count(), 2);
    }
}

TEST(LoadBytes, DuplicatesAreKeptInFileOrder)
{
    CompoundLibrary library;
    EXPECT_EQ(LoadCompoundLibraryFromBytes(File({"t", "Water;first;;;;;;;1;1", "WATER;second;;;;;;;8;1"}), library), 0);
    ASSERT_EQ(library.Count(), 2);
    EXPECT_EQ(library.Compound(0).Formula.str(), QStringLiteral("first"));
    EXPECT_EQ(library.Compound(1).Formula.str(), QStringLiteral("second"));
    EXPECT_EQ(library.IndexOf(QStringLiteral("water")), 0);
}

// What loads but deserves a word: entries that give no coefficient, and names
// of which a lookup finds only the first. The file is not refused.
TEST(LoadBytes, EntriesWithoutElementsAndRepeatedNamesAreAWarning)
{
    struct Row
    {
        std::initializer_list<const char *> lines;
        const char *message;
    };
    for (const Row &row : {
             Row{{"t", "Air;;;;;;;;7;1"}, ""},
             Row{{"t", "Void;;;;;;;;-1;1", "Air;;;;;;;;7;1"}, "File CmpMix.dat: 1 entry has no element ('Void')"},
             Row{{"t", "Water;;;;;;;;1;1", "WATER;;;;;;;;8;1", "water;;;;;;;;8;1", "Air;;;;;;;;0;1"},
                 "File CmpMix.dat: 1 entry has no element ('Air'); 1 name is given more than once, only the first is "
                 "used ('Water')"},
             Row{{"t", "A;;;;;;;;-1;1", "B;;;;;;;;-1;1", "C;;;;;;;;-1;1", "D;;;;;;;;-1;1"},
                 "File CmpMix.dat: 4 entries have no element ('A', 'B', 'C', ...)"},
         }) {
        CompoundLibrary library;
        const LibraryLoad load = ReadCompoundLibraryBytes(File(row.lines), library);
        EXPECT_EQ(load.status, kLibraryLoaded);
        EXPECT_EQ(LibraryLoadMessage(load), QString::fromUtf8(row.message));
        EXPECT_EQ(library.Count(), static_cast<int>(row.lines.size()) - 1);
    }
}

TEST(LoadBytes, ReplacesWhatTheLibraryHeld)
{
    CompoundLibrary library;
    library.Append(QStringLiteral("Old"), TCompound{});
    EXPECT_EQ(LoadCompoundLibraryFromBytes(File({"t", "Air;;;;;;;;7;1"}), library), 0);
    EXPECT_EQ(library.Count(), 1);
}

TEST(LoadBytes, EightBitNamesFromEitherWorld)
{
    CompoundLibrary library;
    EXPECT_EQ(LoadCompoundLibraryFromBytes(File({"t", "Gl\xc3\xa4ser;;;;;;;;14;1", "K\xe4se;;;;;;;;6;1"}), library), 0);
    EXPECT_GE(library.IndexOf(QStringLiteral("Gläser")), 0);
    EXPECT_GE(library.IndexOf(QStringLiteral("KÄSE")), 0);
}

class LoadFile : public ::testing::Test
{
protected:
    QString Path() const { return folder_.filePath(QString::fromLatin1(kCompoundLibraryFileName)); }
    void Write(const QByteArray &data) const
    {
        QFile file(Path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write(data), data.size());
    }
    QTemporaryDir folder_;
};

TEST_F(LoadFile, MissingFile)
{
    CompoundLibrary library;
    library.Append(QStringLiteral("Old"), TCompound{});
    EXPECT_EQ(LoadCompoundLibrary(Path(), library), kLibraryNotFound);
    EXPECT_TRUE(library.IsEmpty());
}

TEST_F(LoadFile, ReadsTheFile)
{
    Write(File({"title", kWaterLine, "Air;;;;;;;;7;0.755;8;0.232;18;0.013"}));
    CompoundLibrary library;
    EXPECT_EQ(LoadCompoundLibrary(Path(), library), kLibraryLoaded);
    ASSERT_EQ(library.Count(), 2);
    EXPECT_EQ(library.Name(0), QStringLiteral("Air"));
    EXPECT_EQ(library.Compound(0).Weight[2], 0.013f);
}

// A folder in the file's place exists but cannot be read as a file; so it is
// with a file the user may not read. Either way nothing is half-read.
TEST_F(LoadFile, ExistingButUnreadable)
{
    ASSERT_TRUE(QDir(folder_.path()).mkdir(QString::fromLatin1(kCompoundLibraryFileName)));
    CompoundLibrary library;
    library.Append(QStringLiteral("Old"), TCompound{});
    EXPECT_EQ(LoadCompoundLibrary(Path(), library), kLibraryUnreadable);
    EXPECT_TRUE(library.IsEmpty());
}

// A named pipe would block the program before its first window (and
// pheltra-cli for ever); a device such as /dev/zero would be read until
// memory runs out. Only regular files of at most 64 MB are read.
TEST_F(LoadFile, OnlyRegularFilesOfBoundedSizeAreRead)
{
    ASSERT_TRUE(test_support::MakeNamedPipe(Path()));
    CompoundLibrary library;
    EXPECT_EQ(LoadCompoundLibrary(Path(), library), kLibraryUnreadable);
    EXPECT_TRUE(library.IsEmpty());
    EXPECT_EQ(LoadCompoundLibrary(QStringLiteral("/dev/zero"), library), kLibraryUnreadable);
    EXPECT_EQ(LibraryStatusMessage(kLibraryUnreadable), QStringLiteral("File CmpMix.dat could not be read!"));

    const QString big = folder_.filePath(QStringLiteral("big.dat"));
    {
        QFile file(big);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_TRUE(file.write("t\r\nAir;;;;;;;;7;1\r\n") > 0);
        ASSERT_TRUE(file.resize(kMaxLibraryFileSize + 1)); // a sparse file, no disk needed
    }
    EXPECT_EQ(LoadCompoundLibrary(big, library), kLibraryUnreadable);
    {
        QFile file(big);
        ASSERT_TRUE(file.resize(kMaxLibraryFileSize));
    }
    // At the limit it is read (the zero bytes after the entry are trimmed
    // away as blanks of its last field).
    EXPECT_EQ(LoadCompoundLibrary(big, library), kLibraryLoaded);
    EXPECT_EQ(library.Count(), 1);
}

// The reason goes with "could not be read", so the user can act on it.
TEST_F(LoadFile, UnreadableFilesSayWhy)
{
    CompoundLibrary library;
    ASSERT_TRUE(QFile::link(folder_.filePath(QStringLiteral("gone.dat")), Path()));
    const LibraryLoad dangling = ReadCompoundLibrary(Path(), library);
    EXPECT_EQ(dangling.status, kLibraryUnreadable);
    EXPECT_EQ(LibraryLoadMessage(dangling),
              QStringLiteral("File CmpMix.dat could not be read: it is a link to %1, which does not exist")
                  .arg(folder_.filePath(QStringLiteral("gone.dat"))));
    EXPECT_EQ(LibraryLoadMessage(ReadCompoundLibrary(QStringLiteral("/dev/zero"), library)),
              QStringLiteral("File CmpMix.dat could not be read: it is no regular file"));
    EXPECT_EQ(LibraryLoadMessage(ReadCompoundLibrary(folder_.path(), library)),
              QStringLiteral("File CmpMix.dat could not be read: it is a folder"));
}

// A library larger than the memory left is "could not be read", with the
// reason, and leaves the library empty, instead of ending the program. The
// address space is limited in a child process; sanitizers reserve far more
// than any limit leaves.
TEST(LoadBytesDeathTest, OutOfMemoryIsAnUnreadableLibrary)
{
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__) || PHELTRA_TEST_UNDER_ASAN
    GTEST_SKIP() << "the address space of a sanitized process cannot be limited";
#else
    QByteArray data = "t\n";
    for (int i = 0; i < 400000; ++i)
        data += "Entry " + QByteArray::number(i) + ";;;;;;;;1;1\n";
    CompoundLibrary library;
    EXPECT_EXIT(
        {
            const auto load = ReadCompoundLibraryBytesWithin(data, library, 8 * 1024 * 1024);
            std::exit(load.status == kLibraryUnreadable && library.IsEmpty() &&
                              LibraryLoadMessage(load) ==
                                  QStringLiteral("File CmpMix.dat could not be read: not enough memory to hold it")
                          ? 0
                          : 1);
        },
        ::testing::ExitedWithCode(0), "");
#endif
}

TEST(StatusMessage, TextsOfTheStartUpWindow)
{
    EXPECT_EQ(LibraryStatusMessage(kLibraryLoaded), QString());
    EXPECT_EQ(LibraryStatusMessage(kLibraryNotFound), QStringLiteral("File CmpMix.dat not found!"));
    EXPECT_EQ(LibraryStatusMessage(kLibraryUnreadable), QStringLiteral("File CmpMix.dat could not be read!"));
    EXPECT_EQ(LibraryStatusMessage(1), QStringLiteral("Error in reading line # 1 of file CmpMix.dat"));
    EXPECT_EQ(LibraryStatusMessage(12345), QStringLiteral("Error in reading line # 12345 of file CmpMix.dat"));
}

} // namespace
