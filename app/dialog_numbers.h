// The number formats in which the dialogs show values: general (the shortest
// of fixed and scientific notation), exponent and fixed. The decimal separator
// and the minus sign are the user locale's; digits are never grouped, so a
// relative weight of 1500 never reads like 1.5 in a locale that groups with
// a point.
#pragma once

#include <QString>

// `significantDigits` significant digits, trailing zeros dropped, the point
// only when a fraction remains. Fixed notation while the integer part has at
// most `significantDigits` digits and the magnitude is at least 0.00001,
// scientific notation (1.5E-06, 1.23457E+07) otherwise.
QString GeneralNumberText(long double value, int significantDigits);

// One digit before the point, `significantDigits` in all, and an exponent
// of at least two digits with its sign: 3.34E+23, 1.000E+00.
QString ExponentNumberText(long double value, int significantDigits);

// `decimals` digits after the point: 7.51.
QString FixedNumberText(long double value, int decimals);
