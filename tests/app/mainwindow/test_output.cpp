// Printing to a PDF file and vector pictures, with no printer installed.
#include "graph/metafile.h"
#include "graph/metric_factor.h"
#include "graph/vexplot.h"

#include "app/mainwindow/main_window_graph.h"
#include "tests/support/named_pipe.h"

#include <QDir>
#include <QFile>
#include <QPrinter>
#include <QRegularExpression>
#include <QStringEncoder>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <cmath>

namespace {

const QString kDescription = QStringLiteral("Created by Pheltra / Quorvik, Dastrel");

class Output : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        ConfigureMainWindowGraph(graph);
        graph.resize(600, 450);
        graph.XScale().SetMax(1000);
        graph.YScale().SetMin(0.01);
        graph.YScale().SetIntersection(0.01);
        graph.YScale().SetMax(1000);
        graph.SetSeries(1, true, false, QColor(255, 0, 0), QString::fromUtf8(" H<SUB>2</SUB>O"));
        for (double e = 1; e <= 1000; e *= 1.5)
            graph.AddPoint(1, e, 100 / e, -1, -1);
        graph.SetSeriesLine(1, true, ltPolyline, 3, TPenStyle::psDash);
    }
    QByteArray Read(const QString &name)
    {
        QFile f(dir.filePath(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    QTemporaryDir dir;
    TVexplot graph;
};

// Pages of a PDF as Qt writes it: one "/Type /Page" line each.
int PageCount(const QByteArray &pdf)
{
    int pages = 0;
    for (const QByteArray &line : pdf.split('\n'))
        if (line.trimmed() == "/Type /Page")
            ++pages;
    return pages;
}

bool HasPdfText(const QByteArray &pdf, const QString &text)
{
    QStringEncoder utf16(QStringEncoder::Utf16BE);
    const QByteArray encoded = utf16.encode(text);
    return pdf.contains(encoded);
}

QString SvgElementText(const QByteArray &svg, const QString &element)
{
    QXmlStreamReader xml(svg);
    while (xml.readNextStartElement() || !xml.atEnd()) {
        if (xml.isStartElement() && xml.name() == element)
            return xml.readElementText();
        if (!xml.isStartElement())
            xml.readNext();
    }
    return QString();
}

} // namespace

TEST_F(Output, PrintsOnePageToAPdfFile)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath("print.pdf"));
    ASSERT_TRUE(graph.PrintGraph(printer, -1, -1, -1, -1));
    const QByteArray pdf = Read("print.pdf");
    ASSERT_TRUE(pdf.startsWith("%PDF"));
    EXPECT_EQ(PageCount(pdf), 1);
    EXPECT_TRUE(HasPdfText(pdf, "Vexplot-Plot"));
    // The whole printable area, with the metric factor of its size.
    const TPrinterPage page = TVexplot::PageOf(printer);
    const TDrawArea &area = graph.DrawArea();
    EXPECT_EQ(area.Left, 0);
    EXPECT_EQ(area.Width, page.PageWidth - 2 * page.OffsetX);
    EXPECT_EQ(area.Height, page.PageHeight - 2 * page.OffsetY);
    EXPECT_FLOAT_EQ(graph.MetricFactor(), PrintMetricFactor(area.Width, area.Height));
    EXPECT_EQ(graph.PlotTop(), graph.ScaleMetric(20));
}

TEST_F(Output, PrintsAtASizeInMillimetres)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath("small.pdf"));
    ASSERT_TRUE(graph.PrintGraph(printer, 30, 40, 140, 100));
    const double perMM = printer.resolution() / 25.4;
    EXPECT_NEAR(graph.DrawArea().Width, 140 * perMM, 1);
    EXPECT_NEAR(graph.DrawArea().Height, 100 * perMM, 1);
    EXPECT_NEAR(graph.DrawArea().Left + TVexplot::PageOf(printer).OffsetX, 30 * perMM, 1);
    EXPECT_EQ(PageCount(Read("small.pdf")), 1);
}

TEST_F(Output, NothingPrintedWithoutRoomOnThePage)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath("none.pdf"));
    EXPECT_FALSE(graph.PrintGraph(printer, 5000, -1, 100, 100));
    EXPECT_FALSE(QFile::exists(dir.filePath("none.pdf")));
}

TEST_F(Output, SvgPictureWithCreatorAndDescription)
{
    TMetafile picture(TMetafileFormat::Svg);
    ASSERT_TRUE(graph.DrawToMetafile(&picture, true, 1400, 1000, kDescription));
    EXPECT_EQ(picture.Width(), 1400);
    EXPECT_EQ(picture.Height(), 1000);
    EXPECT_TRUE(picture.Enhanced());
    EXPECT_FLOAT_EQ(graph.MetricFactor(), 1.2f);
    EXPECT_EQ(graph.PlotTop(), 24); // a 20 margin at 1.2
    EXPECT_TRUE(QSvgRenderer(picture.Data()).isValid());
    EXPECT_EQ(SvgElementText(picture.Data(), "title"), "Created by Vexplot/v2.0 - Quorvik");
    EXPECT_EQ(SvgElementText(picture.Data(), "desc"), kDescription);
    EXPECT_TRUE(QString::fromUtf8(picture.Data()).contains(QString::fromUtf8("μ")));

    ASSERT_TRUE(picture.SaveToFile(dir.filePath("graph.svg")));
    EXPECT_EQ(Read("graph.svg"), picture.Data());
}

TEST_F(Output, PdfPictureWithCreatorAndTitle)
{
    TMetafile picture(MetafileFormatFor("graph.PDF"));
    ASSERT_EQ(picture.Format(), TMetafileFormat::Pdf);
    ASSERT_TRUE(graph.DrawToMetafile(&picture, true, 1400, 1000, kDescription));
    const QByteArray &pdf = picture.Data();
    ASSERT_TRUE(pdf.startsWith("%PDF"));
    EXPECT_EQ(PageCount(pdf), 1);
    EXPECT_TRUE(HasPdfText(pdf, "Created by Vexplot/v2.0 - Quorvik"));
    EXPECT_TRUE(HasPdfText(pdf, kDescription));
    // 1400 x 1000 screen pixels: 1050 x 750 points.
    const QRegularExpressionMatch box =
        QRegularExpression(R"(/MediaBox \[0 0 ([\d.]+) ([\d.]+)\])").match(QString::fromLatin1(pdf));
    ASSERT_TRUE(box.hasMatch());
    EXPECT_DOUBLE_EQ(box.captured(1).toDouble(), 1050);
    EXPECT_DOUBLE_EQ(box.captured(2).toDouble(), 750);
}

TEST_F(Output, NoMetafileNoDrawing)
{
    EXPECT_FALSE(graph.DrawToMetafile(nullptr, true, 1400, 1000, kDescription));
    TMetafile picture;
    ASSERT_TRUE(graph.DrawToMetafile(&picture, false, -1, -1, kDescription));
    EXPECT_EQ(picture.Width(), 600);
    EXPECT_EQ(picture.Height(), 450);
    EXPECT_FLOAT_EQ(graph.MetricFactor(), PictureMetricFactor(600, 450));
}

TEST(Metafile, SavingNeedsADrawingAndAWritablePlace)
{
    QTemporaryDir dir;
    TMetafile empty;
    QString error;
    EXPECT_FALSE(empty.SaveToFile(dir.filePath("empty.svg"), &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(QFile::exists(dir.filePath("empty.svg")));
    TMetafile picture;
    picture.SetData("<svg/>");
    EXPECT_FALSE(picture.SaveToFile(dir.filePath("no/such/folder/x.svg"), &error));
    // A named pipe in the way stays a pipe: nothing is renamed over it.
    ASSERT_TRUE(test_support::MakeNamedPipe(dir.filePath("pipe.svg")));
    EXPECT_FALSE(picture.SaveToFile(dir.filePath("pipe.svg"), &error));
    EXPECT_EQ(error, QDir::toNativeSeparators(dir.filePath("pipe.svg")) + " is not a regular file.");
    EXPECT_TRUE(test_support::IsNamedPipe(dir.filePath("pipe.svg")));
    EXPECT_EQ(MetafileFormatFor("graph.svg"), TMetafileFormat::Svg);
    EXPECT_EQ(MetafileFormatFor("graph.wmf"), TMetafileFormat::Svg);
}
