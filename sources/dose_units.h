// Unit factors of the dose quantities the sources code gives: every factor
// is built from the SI value of the electronvolt and the units' own
// definitions, so no rounded constant hides here.
#pragma once

#include <numbers>

namespace pheltra {

inline constexpr double kJoulePerKeV = 1.602176634e-16; // 1 eV = 1.602176634e-19 J exactly (SI 2019)
inline constexpr double kGramPerKilogram = 1000.0;
inline constexpr double kMicroPerUnit = 1e6;
inline constexpr double kSquareCmPerSquareMm = 100.0;
inline constexpr double kSquareCmPerSquareM = 1e4;
inline constexpr double kBqPerGBq = 1e9;
inline constexpr double kSecondsPerHour = 3600.0;

// Air kerma in uGy from a fluence in photons/cm2 times E (keV) times
// mu_en/rho (cm2/g).
inline constexpr double kMicroGrayPerKeVSquareCmPerGram = kJoulePerKeV * kGramPerKilogram * kMicroPerUnit;

// uGy m2/(GBq h) per (photons per decay) x keV x cm2/g, over 4 pi: one
// decay spreads its photons over 4 pi m2 at 1 m.
inline constexpr double kGammaConstantFactor =
    kMicroGrayPerKeVSquareCmPerGram * kBqPerGBq * kSecondsPerHour / (4.0 * std::numbers::pi * kSquareCmPerSquareM);

} // namespace pheltra
