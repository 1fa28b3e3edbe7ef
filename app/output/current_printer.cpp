#include "app/output/current_printer.h"

#include "graph/vexplot.h"

#include <QDir>
#include <QPrinter>

#include <cmath>

std::unique_ptr<QPrinter> NewCurrentPrinter(const QString &pdfFileName)
{
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    if (printer->outputFormat() == QPrinter::PdfFormat && printer->outputFileName().isEmpty()) {
        printer->setOutputFileName(
            pdfFileName.isEmpty() ? QDir::home().filePath(QString::fromLatin1(kDefaultPrintFileName)) : pdfFileName);
    }
    return printer;
}

bool PrinterCanStart(const QPrinter &printer)
{
    return printer.outputFormat() != QPrinter::PdfFormat || !printer.outputFileName().isEmpty();
}

QSize PrintableSizeMM(const QPrinter &printer)
{
    const TPrinterPage page = TVexplot::PageOf(printer);
    // A hair of tolerance: 203.2 mm computed from pixels as 202.99999 is
    // still 203 whole millimetres.
    auto whole = [](double mm) { return static_cast<int>(std::floor(mm + 1e-6)); };
    return {whole(page.PrintableWidthMM), whole(page.PrintableHeightMM)};
}
