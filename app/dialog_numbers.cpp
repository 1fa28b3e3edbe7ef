#include "app/dialog_numbers.h"

#include <QLocale>

#include <algorithm>
#include <cmath>

namespace {

// Digits are formatted in the C locale and then given the user locale's
// separator and sign, which keeps the digits exact and never groups them.
QString InUserLocale(QString text)
{
    const QLocale locale;
    QString localised;
    localised.reserve(text.size());
    for (const QChar c : text) {
        if (c == u'.')
            localised += locale.decimalPoint();
        else if (c == u'-')
            localised += locale.negativeSign();
        else
            localised += c;
    }
    return localised;
}

// Drops trailing zeros of a fraction, and the point when nothing follows it.
QString WithoutTrailingZeros(QString digits)
{
    if (!digits.contains(u'.'))
        return digits;
    while (digits.endsWith(u'0'))
        digits.chop(1);
    if (digits.endsWith(u'.'))
        digits.chop(1);
    return digits;
}

// The magnitudes below which general format turns scientific.
constexpr double kSmallestFixed = 1E-5;

} // namespace

QString GeneralNumberText(long double value, int significantDigits)
{
    const double v = static_cast<double>(value);
    if (v == 0.0 || !std::isfinite(v))
        return InUserLocale(QString::number(v == 0.0 ? 0.0 : v, 'g'));
    // Rounding to the significant digits may carry into the next decade
    // (999999.7 becomes 1E+06), so the notation follows the rounded number.
    const QString scientific = QString::number(v, 'E', significantDigits - 1);
    const qsizetype e = scientific.indexOf(u'E');
    const int exponent = scientific.mid(e + 1).toInt();
    const double rounded = scientific.toDouble();
    if (exponent >= significantDigits || std::fabs(rounded) < kSmallestFixed) {
        return InUserLocale(WithoutTrailingZeros(scientific.left(e)) + scientific.mid(e));
    }
    const int decimals = std::max(0, significantDigits - 1 - exponent);
    return InUserLocale(WithoutTrailingZeros(QString::number(rounded, 'f', decimals)));
}

QString ExponentNumberText(long double value, int significantDigits)
{
    return InUserLocale(QString::number(static_cast<double>(value), 'E', significantDigits - 1));
}

QString FixedNumberText(long double value, int decimals)
{
    return InUserLocale(QString::number(static_cast<double>(value), 'f', decimals));
}
