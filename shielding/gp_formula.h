// The geometric-progression build-up formula of ANSI/ANS-6.4.3 and its
// extension beyond the standard's 40 mean free paths.
//
//   B(x) = 1 + (b - 1)(K^x - 1)/(K - 1)      (B = 1 + (b - 1) x when K = 1)
//   K(x) = c x^a + d [tanh(x/Xk - 2) - tanh(-2)] / [1 - tanh(-2)]
//
// x is the depth in mean free paths computed without coherent scattering.
#pragma once

#include "shielding/ans643_table.h"

namespace pheltra {

// The standard's fit covers 0.5 to 40 mfp; the extrapolation reaches 100.
inline constexpr double kFitShallowestMfp = 0.5;
inline constexpr double kFitDeepestMfp = 40.0;
inline constexpr double kExtrapolationDeepestMfp = 100.0;

// K(x) of the fit as printed, for x > 0.
double GpK(const GpCoefficients &p, double mfp);

// K(x) beyond 40 mfp after Harima et al.: the distance of K from 1 shrinks
// or grows geometrically at the rate it has between 35 and 40 mfp,
//   K(x) = 1 + (K(35) - 1) [(K(40) - 1)/(K(35) - 1)]^((x - 35)/5),
// which meets the fit at 40 mfp. Where K crosses 1 between 35 and 40 mfp
// the rate is undefined and K(40), within a few thousandths of 1 in every
// such row of the standard, is held. Up to 40 mfp this is GpK.
// (Y. Harima et al., the G-P extrapolation to 100 mfp used with QAD-CGGP2;
// Y. Harima, Radiat. Phys. Chem. 41 (1993) 631.)
double GpKExtended(const GpCoefficients &p, double mfp);

// B(x) for 0 <= x <= 100 mfp (1 at x = 0, b at x = 1), with the extension
// above beyond 40 mfp. The caller decides whether a depth is within reach.
double GpBuildup(const GpCoefficients &p, double mfp);

} // namespace pheltra
