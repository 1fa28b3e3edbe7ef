// Numbers as a user types them into a material description and as the
// material layer quotes them back: "." as the decimal point whatever the
// locale, so that a script reads back what it wrote.
#pragma once

#include <QString>

#include <optional>

namespace pheltra {

// A decimal number such as 10, 88.29, -3, +2 or 1.5e4, read in extended
// precision as the program's numeric fields read what is typed; nothing for
// anything else (a comma, trailing text, blanks, inf, nan, out of range).
std::optional<long double> ReadNumber(const QString &text);
// The same read straight into a 64-bit value.
std::optional<double> ReadDouble(const QString &text);

// The shortest text that reads back as the same value: 88.29, 0.0123,
// 1.234e-05.
QString ShortestText(double value);
QString ShortestText(float value);

} // namespace pheltra
