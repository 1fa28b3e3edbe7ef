#include "absorber/material/number_text.h"

#include <charconv>
#include <cmath>

namespace pheltra {

namespace {

template<typename T>
QString Shortest(T value)
{
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return QString::fromLatin1(buffer, result.ptr - buffer);
}

template<typename T>
std::optional<T> Read(const QString &text)
{
    QByteArray bytes = text.toLatin1();
    if (bytes.startsWith('+'))
        bytes.remove(0, 1);
    T value = 0;
    const char *end = bytes.constData() + bytes.size();
    const auto result = std::from_chars(bytes.constData(), end, value);
    // from_chars also reads "inf" and "nan", which no energy or weight is.
    if (text.isEmpty() || text != QString::fromLatin1(text.toLatin1()) || result.ec != std::errc() ||
        result.ptr != end || !std::isfinite(value))
        return std::nullopt;
    return value;
}

} // namespace

std::optional<long double> ReadNumber(const QString &text)
{
    return Read<long double>(text);
}

std::optional<double> ReadDouble(const QString &text)
{
    return Read<double>(text);
}

QString ShortestText(double value)
{
    return Shortest(value);
}

QString ShortestText(float value)
{
    return Shortest(value);
}

} // namespace pheltra
