#include "absorber/compound_file_syntax.h"

#include <QStringDecoder>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace {

constexpr char kCarriageReturn = '\r';
constexpr char kLineFeed = '\n';
constexpr char kEndOfFile = '\x1a';
constexpr char kSeparator = ';';

bool IsBlankOrControl(char c)
{
    return static_cast<unsigned char>(c) <= 32;
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

int HexDigitValue(char c)
{
    if (IsDigit(c))
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Index past the run of decimal digits starting at position.
qsizetype SkipDigits(QByteArrayView text, qsizetype position)
{
    while (position < text.size() && IsDigit(text[position]))
        ++position;
    return position;
}

// Windows-1252 assigns printable characters to most of 0x80..0x9F, where
// Latin-1 has control codes; the five unassigned bytes map to the control
// code of the same number, as Windows itself does.
constexpr char16_t kWindows1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

QString DecodeWindows1252(QByteArrayView field)
{
    QString text(field.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < field.size(); ++i) {
        const auto byte = static_cast<unsigned char>(field[i]);
        text[i] = byte >= 0x80 && byte <= 0x9F ? QChar(kWindows1252High[byte - 0x80]) : QChar(byte);
    }
    return text;
}

} // namespace

LineReader::LineReader(QByteArrayView data) : data_(data)
{
    const qsizetype end = data_.indexOf(kEndOfFile);
    if (end >= 0)
        data_ = data_.first(end);
}

QByteArrayView LineReader::Next()
{
    lastDiffers_ = false;
    if (AtEnd())
        return {};
    const qsizetype start = position_;
    const char *const begin = data_.data();
    const char *const stop = begin + data_.size();
    const char *end = std::find_if(begin + start, stop, [](char c) { return c == kCarriageReturn || c == kLineFeed; });
    const auto length = static_cast<qsizetype>(end - begin) - start;
    if (end == stop) {
        position_ = data_.size();
        return data_.sliced(start, length);
    }
    LineEnd kind = LineEnd::Lf;
    position_ = start + length + 1;
    if (*end == kCarriageReturn) {
        kind = LineEnd::Cr;
        if (position_ < data_.size() && data_[position_] == kLineFeed) {
            kind = LineEnd::CrLf;
            ++position_;
        }
    }
    if (fileEnd_ == LineEnd::None)
        fileEnd_ = kind;
    lastDiffers_ = kind != fileEnd_ && !(fileEnd_ == LineEnd::Cr && kind == LineEnd::CrLf);
    return data_.sliced(start, length);
}

QByteArrayView TrimField(QByteArrayView field)
{
    qsizetype begin = 0;
    qsizetype end = field.size();
    while (begin < end && IsBlankOrControl(field[begin]))
        ++begin;
    while (end > begin && IsBlankOrControl(field[end - 1]))
        --end;
    return field.sliced(begin, end - begin);
}

QByteArrayView CutField(QByteArrayView &rest)
{
    const qsizetype separator = rest.indexOf(kSeparator);
    QByteArrayView field = rest;
    if (separator < 0) {
        rest = {};
    } else {
        field = rest.first(separator);
        rest = rest.sliced(separator + 1);
    }
    return TrimField(field);
}

std::optional<std::int32_t> ParseInteger(QByteArrayView field)
{
    qsizetype position = 0;
    bool negative = false;
    if (position < field.size() && (field[position] == '+' || field[position] == '-'))
        negative = field[position++] == '-';
    int base = 10;
    if (position < field.size() && field[position] == '$') {
        base = 16;
        ++position;
    }
    if (position == field.size())
        return std::nullopt; // no digits

    // One past the magnitude of the most negative 32-bit integer: stop
    // accumulating there so arbitrarily long digit strings cannot overflow.
    constexpr std::int64_t kLimit = std::int64_t{1} << 31;
    std::int64_t magnitude = 0;
    for (; position < field.size(); ++position) {
        const int digit =
            base == 16 ? HexDigitValue(field[position]) : (IsDigit(field[position]) ? field[position] - '0' : -1);
        if (digit < 0)
            return std::nullopt;
        magnitude = std::min(magnitude * base + digit, kLimit + 1);
    }
    const std::int64_t value = negative ? -magnitude : magnitude;
    if (value < std::numeric_limits<std::int32_t>::min() || value > std::numeric_limits<std::int32_t>::max())
        return std::nullopt;
    return static_cast<std::int32_t>(value);
}

bool IsRealSyntax(QByteArrayView field)
{
    // The standard conversions accept more ("inf", "nan", hexadecimal
    // floats) than the file allows, so the syntax is checked on its own.
    qsizetype position = 0;
    if (position < field.size() && (field[position] == '+' || field[position] == '-'))
        ++position;
    qsizetype digitsEnd = SkipDigits(field, position);
    bool hasDigits = digitsEnd > position;
    position = digitsEnd;
    if (position < field.size() && field[position] == '.') {
        digitsEnd = SkipDigits(field, position + 1);
        hasDigits = hasDigits || digitsEnd > position + 1;
        position = digitsEnd;
    }
    if (!hasDigits)
        return false;
    if (position < field.size() && (field[position] == 'E' || field[position] == 'e')) {
        ++position;
        if (position < field.size() && (field[position] == '+' || field[position] == '-'))
            ++position;
        digitsEnd = SkipDigits(field, position);
        if (digitsEnd == position)
            return false;
        position = digitsEnd;
    }
    return position == field.size();
}

std::optional<float> ParseReal(QByteArrayView field)
{
    if (!IsRealSyntax(field))
        return std::nullopt;
    const qsizetype numberStart = field[0] == '+' ? 1 : 0; // from_chars takes "-", not "+"
    double value = 0.0;
    const char *first = field.data() + numberStart;
    const char *last = field.data() + field.size();
    const auto [end, error] = std::from_chars(first, last, value);
    if (error != std::errc() || end != last)
        return std::nullopt; // beyond the range of a double, either way
    if (std::fabs(value) > static_cast<double>(std::numeric_limits<float>::max()))
        return std::nullopt;
    const auto result = static_cast<float>(value);
    if (result == 0.0f && value != 0.0)
        return std::nullopt;
    return result;
}

QString DecodeText(QByteArrayView field)
{
    // Stateless: a sequence cut off at the field's end is an error, not a
    // character kept back for a next call that never comes.
    QStringDecoder utf8(QStringDecoder::Utf8,
                        QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    QString text = utf8.decode(field);
    if (!utf8.hasError())
        return text;
    return DecodeWindows1252(field);
}
