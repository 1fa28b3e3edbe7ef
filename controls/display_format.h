// The numeric pictures with which entry fields show their values.
#pragma once

#include <QChar>
#include <QString>
#include <QStringView>

namespace pheltra::controls {

// Formats `value` with a numeric picture such as "0;-0", "0.00;-0.00" or
// "0.000000;-0.000000":
//  * sections are separated by ";": the first serves zero and positive
//    values, the second negative ones, which it shows by their magnitude; a
//    picture without a (non-empty) second section shows negatives through
//    the first one with "-" in front;
//  * "0" is a digit position that is always filled; integer digits beyond
//    the positions before the point appear at the first of them (or, without
//    any, just before the point, or at the end of a picture without point);
//  * the first "." marks the decimal separator, shown as
//    `decimal_separator`, and only when the picture has decimal positions;
//  * every other character is copied as it stands.
// The value is rounded half away from zero to the decimal positions of its
// section, from its exact binary value. A negative value that rounds to zero
// is shown through the first section, so "-0.00" never appears. Infinities
// and NaN show as "INF", "-INF" and "NAN".
QString FormatDisplayValue(long double value, QStringView picture, QChar decimal_separator);

} // namespace pheltra::controls
