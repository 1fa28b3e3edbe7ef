// Reports printed as text pages.
#include "app/output/current_printer.h"
#include "app/output/report_output.h"

#include "tests/app/output/pdf_text.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QPrinter>
#include <QTemporaryDir>

namespace {

using output_test::PdfPageCount;
using output_test::PdfPageLines;

TEST(TextDevice, LinesWiderThanThePageContinueOnTheNext)
{
    const auto characters = [](const QString &text) { return static_cast<double>(text.size()); };
    EXPECT_EQ(WrapToWidth(QStringLiteral("abcdefghijklmnopqrstuvwxy"), 10, characters),
              QStringList({"abcdefghij", "klmnopqrst", "uvwxy"}));
    EXPECT_EQ(WrapToWidth(QStringLiteral("abcdefghij"), 10, characters), QStringList{"abcdefghij"});
    EXPECT_EQ(WrapToWidth(QString(), 10, characters), QStringList{QString()});
    // Blanks are characters like any other, also at a break.
    EXPECT_EQ(WrapToWidth(QStringLiteral("  ab  "), 3, characters), QStringList({"  a", "b  "}));
    // A page narrower than one character still shows every character.
    EXPECT_EQ(WrapToWidth(QStringLiteral("abc"), 0.5, characters), QStringList({"a", "b", "c"}));
}

class PrintedReport : public ::testing::Test
{
protected:
    QString PdfPath() const { return dir_.filePath(QStringLiteral("report.pdf")); }
    QTemporaryDir dir_;
    std::unique_ptr<QPrinter> printer_ = NewCurrentPrinter(PdfPath());
};

TEST_F(PrintedReport, PagesFilledTopDownInOneJobWithLongLinesContinued)
{
    printer_->setOutputFormat(QPrinter::PdfFormat);
    printer_->setOutputFileName(PdfPath());
    printer_->setPageSize(QPageSize(QPageSize::A4));
    QStringList lines;
    for (int i = 1; i <= 160; ++i)
        lines << QStringLiteral("line %1 of the report").arg(i, 3, 10, QLatin1Char('0'));
    QString longLine;
    for (int i = 0; i < 25; ++i)
        longLine += QStringLiteral("%1-abcdef ").arg(i, 2, 10, QLatin1Char('0'));
    lines.insert(100, longLine);
    ASSERT_TRUE(PrintReportLines(*printer_, lines));

    // A4 in 10 pt: some 70 lines to a page, so 163 printed lines (the long
    // one takes three) fill two pages and start a third.
    ASSERT_EQ(PdfPageCount(PdfPath()), 3);
    QStringList printed;
    QList<qsizetype> perPage;
    for (int page = 1; page <= 3; ++page) {
        const QStringList pageLines = PdfPageLines(PdfPath(), page);
        perPage << pageLines.size();
        printed << pageLines;
    }
    EXPECT_EQ(perPage[0], perPage[1]);
    EXPECT_GT(perPage[0], 60);
    EXPECT_LT(perPage[0], 80);
    EXPECT_EQ(perPage[0] + perPage[1] + perPage[2], 163);

    // Every line in its order; the long one in pieces that fit the page
    // width (some 95 characters of Liberation Mono 10 pt on A4).
    ASSERT_EQ(printed.size(), 163);
    EXPECT_EQ(printed.mid(0, 100), lines.mid(0, 100));
    const QStringList pieces = printed.mid(100, 3);
    EXPECT_EQ(pieces.join(QString()).remove(QLatin1Char(' ')), QString(longLine).remove(QLatin1Char(' ')));
    for (const QString &piece : pieces)
        EXPECT_LE(piece.size(), 100);
    EXPECT_GT(pieces[0].size(), 85);
    EXPECT_EQ(printed.mid(103), lines.mid(101));
}

TEST_F(PrintedReport, AFileThatCannotBeWrittenFailsTheJob)
{
    printer_->setOutputFormat(QPrinter::PdfFormat);
    printer_->setOutputFileName(dir_.filePath(QStringLiteral("missing/report.pdf")));
    EXPECT_FALSE(PrintReportLines(*printer_, {QStringLiteral("a")}));
}

TEST_F(PrintedReport, AFilePrinterWithoutFileNameFailsAndStaysUsable)
{
    printer_->setOutputFormat(QPrinter::PdfFormat);
    printer_->setOutputFileName(QString());
    EXPECT_FALSE(PrintReportLines(*printer_, {QStringLiteral("a")}));
    printer_->setOutputFileName(PdfPath());
    EXPECT_TRUE(PrintReportLines(*printer_, {QStringLiteral("after all")}));
    EXPECT_EQ(PdfPageLines(PdfPath(), 1), QStringList{QStringLiteral("after all")});
}

TEST(CurrentPrinter, WithoutAPrinterItPrintsToAPdfFile)
{
    const std::unique_ptr<QPrinter> printer = NewCurrentPrinter(QStringLiteral("/tmp/somewhere.pdf"));
    if (printer->outputFormat() != QPrinter::PdfFormat)
        GTEST_SKIP() << "this machine has a printer";
    EXPECT_EQ(printer->outputFileName(), QStringLiteral("/tmp/somewhere.pdf"));
    EXPECT_EQ(NewCurrentPrinter()->outputFileName(), QDir::home().filePath(QStringLiteral("Pheltra.pdf")));
}

TEST(CurrentPrinter, PrintableSizeInWholeMillimetres)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    // US letter with 6.35 mm side margins and 4.23 mm top and bottom ones:
    // 215.9 - 12.7 = 203.2 and 279.4 - 8.46 = 270.94.
    printer.setPageSize(QPageSize(QPageSize::Letter));
    printer.setPageMargins(QMarginsF(6.35, 4.23, 6.35, 4.23), QPageLayout::Millimeter);
    EXPECT_EQ(PrintableSizeMM(printer), QSize(203, 270));
}

} // namespace
