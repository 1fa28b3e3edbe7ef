// Caption markup and label formats come from the user (legends, titles):
// parsing, measuring and drawing any text must end without a fault.
#include "graph/label_format.h"
#include "graph/picture_canvas.h"
#include "graph/rich_text.h"
#include "graph/rich_text_draw.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

class FixedMetricsCanvas : public TPictureCanvas
{
protected:
    int DoTextWidth(const QString &shown) override { return int(shown.size()) * std::abs(Font().Height) / 2; }
    int DoTextHeight(const QString &) override { return std::abs(Font().Height); }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    // Texts are 8-bit, one character per byte.
    const QString text = QString::fromLatin1(reinterpret_cast<const char *>(data), qsizetype(size));
    TRunList runs;
    ParseRichText(text, QStringLiteral("Arial"), 0, runs);
    qsizetype total = 0;
    for (std::size_t i = 1; i < runs.size(); ++i)
        total += runs[i].Text.size();
    if (runs.empty() || total > kMaxTextLength)
        std::abort();

    FixedMetricsCanvas canvas;
    TGraphFont font;
    font.Name = QStringLiteral("Arial");
    font.Height = -20;
    canvas.SetFont(font);
    if (RichTextWidth(canvas, runs) < 0 || RichTextHeight(canvas, runs) < 20)
        std::abort();
    DrawRichText(canvas, 100, 100, runs, TTextAngle(size % 3), int(size % 3), int(size / 3 % 3));
    DrawRotatedRichText(canvas, 0, 0, text, int(size * 37 % 3600), 1, 1);

    FormatTickLabel(text, true);
    FormatTickLabel(text, false);
    if (size >= sizeof(double)) {
        double value;
        std::memcpy(&value, data, sizeof value);
        FormatLabelNumber(value, text.mid(sizeof(double)), QLocale::c());
    }
    return 0;
}
