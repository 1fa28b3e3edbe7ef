// What the commands for slabs and shields read and print alike: thicknesses
// with their units, a target transmission, densities and values that may be
// missing.
#pragma once

#include <QString>

// X followed by its unit ("0.5mm", "2 cm", "1.2g/cm2", "40um") as cm of
// material of the given density; what throws names option ("--thickness").
double ThicknessCm(const QString &text, double density, const QString &option);
// A transmission above 0 and at most 1; what throws names option.
double TransmissionOption(const QString &text, const QString &option);
// A density read from the library is a 32-bit value: shown as such ("11.35").
QString DensityText(double density);
// "--" for NaN, else the shortest text of the value.
QString ValueText(double value);
