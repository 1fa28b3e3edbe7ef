// The number formats of the reports, the data setup grid and the atomic data
// view. Digits are always 0-9, the exponent letter "E" and the minus sign "-";
// only the decimal separator is the locale's. Values are rounded half away
// from zero, from their exact binary value. Infinities and NaN come out as
// "INF", "-INF" and "NAN".
#pragma once

#include <QLocale>
#include <QString>

// general(p): at most p significant digits, trailing zeros and a needless
// separator dropped. Fixed notation when 10^minFixedExponent <= |value| <
// 10^p (after rounding), otherwise the digits with the separator after the
// first, "E", "-" only for a negative exponent and no leading zeros: 5E-5,
// 1.5E20. The reports and the data setup grid show fixed notation from
// 0.0001 upward; the atomic data view's "%.5g" from 0.00001.
inline constexpr int kGeneralFixedFrom = -4;
inline constexpr int kFormatGFixedFrom = -5;
QString FormatGeneral(long double value, int precision, const QLocale &locale,
                      int minFixedExponent = kGeneralFixedFrom);

// scientific(p, d): one digit, the separator, p - 1 digits, "E", the sign and
// at least d exponent digits: 3.34E+23 for (3, 2), 1.50E+2 for (3, 1).
QString FormatScientific(long double value, int precision, int exponentDigits, const QLocale &locale);
// The same, appended to text.
void AppendScientific(QString &text, long double value, int precision, int exponentDigits, const QLocale &locale);

// fixed(p, decimals): rounded to at most p significant digits and at most
// the given decimals, then shown with exactly those decimals: 7.51 for
// (4, 2). When the integer part has more than p digits, general(p) instead.
QString FormatFixed(long double value, int precision, int decimals, const QLocale &locale);

// "%.Nf": N decimals with up to 18 significant digits, as the atomic data
// view shows atomic weights (N = 5), potentials (1), yields and edges (4).
QString FormatDecimals(long double value, int decimals, const QLocale &locale);

// Every digit a value holds: the shortest text that reads back as the same
// number, of a double ("0.1", "1.822345678901234") or of an
// extended-precision value (up to 21 significant digits); "." as decimal
// point whatever the locale, so the text can be pasted anywhere.
QString FullPrecision(double value);
QString FullPrecision(long double value);
