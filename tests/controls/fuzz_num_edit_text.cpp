// Feeds arbitrary texts, pictures, values and keystrokes to the rules of the
// numeric entry field. Layout of an input: 10 bytes of an extended-precision
// value, one byte of kind and separator, two bytes of a typed UTF-16
// character, two bytes of selection, then UTF-8 text that serves as the
// field's text and as a picture.
#include "controls/display_format.h"
#include "controls/keystroke_filter.h"
#include "controls/numeric_text.h"

#include <QString>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>

using namespace pheltra::controls;

namespace {

void Require(bool condition)
{
    if (!condition) {
        std::abort();
    }
}

// What a field shows must read back as the value rounded to the picture.
void CheckRoundTrip(long double value, QChar separator)
{
    static const struct
    {
        const char16_t *picture;
        int decimals;
    } kPictures[] = {{u"0;-0", 0}, {u"0.00;-0.00", 2}, {u"0.000000;-0.000000", 6}};
    for (const auto &p : kPictures) {
        const QString shown = FormatDisplayValue(value, QStringView(p.picture), separator);
        const auto back = ParseNumericText(shown, separator);
        Require(back.has_value());
        const long double half_unit = 0.5L * std::pow(10.0L, -p.decimals);
        Require(std::fabs(*back - value) <= half_unit * (1 + 1e-15L) + std::fabs(value) * 1e-18L);
        Require(*back == 0 || std::signbit(*back) == std::signbit(value));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    constexpr std::size_t kHeader = 15;
    if (size < kHeader) {
        return 0;
    }
    long double value = 0;
    std::memcpy(&value, data, 10);
    const auto kind = static_cast<TNumEditType>(data[10] & 3);
    const QChar separator = (data[10] & 4) ? QChar(u',') : QChar(u'.');
    const QChar typed(static_cast<char16_t>(data[11] | (data[12] << 8)));
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char *>(data + kHeader), static_cast<qsizetype>(size - kHeader));
    const qsizetype from = data[13] % (text.size() + 2) - 1;
    const qsizetype to = data[14] % (text.size() + 2) - 1;

    if (const auto read = ParseNumericText(text, separator)) {
        Require(std::isfinite(*read));
    }
    FormatDisplayValue(value, text, separator);
    if (std::isfinite(value)) {
        CheckRoundTrip(value, separator);
    }

    const KeystrokeDecision d = DecideKeystroke(kind, text, from, to, typed, separator);
    if (d.verdict == KeystrokeVerdict::kInsert) {
        Require(IsAcceptedCharacter(kind, typed, separator));
        Require(0 <= d.replace_from && d.replace_from <= d.replace_to && d.replace_to <= text.size());
    }
    return 0;
}
