// Formatting of a tick value with an axis' label format: one conversion for a
// floating-point value, "%[-][width][.precision]type", with literal text around
// it ("%%" is a percent sign).
//   e  one digit, the decimal separator, precision-1 further digits, "E", the
//      exponent's sign and at least three digits: "%-.2e" gives 1.0E+003;
//   f  fixed with `precision` decimals (default 2); n the same with digit
//      grouping;
//   g  the shorter of fixed and the e form with `precision` significant digits
//      and trailing zeros removed: fixed when the value has at most
//      `precision` integer digits and is at least 0.00001.
// The decimal separator (and the group separator of n) is the locale's.
// A format without any conversion is returned as it stands; a conversion of
// another type is read as "%g".
#pragma once

#include <QLocale>
#include <QString>

QString FormatLabelNumber(double value, const QString &format, const QLocale &locale = QLocale());
