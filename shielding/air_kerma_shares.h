// The lines of a source weighted as its air-kerma-rate constant weighs them,
// so that the broad-beam transmission of a shield turns the air-kerma rate in
// vacuum into the rate behind the shield.
#pragma once

#include "sources/nuclide.h"

#include <vector>

namespace pheltra {

// Each line's part of Gamma_delta, uGy m2/(GBq h): 0 for a line at or below
// the cut-off; the parts sum to AirKermaRateConstant.
std::vector<double> AirKermaRateShares(const std::vector<PhotonLine> &lines, const SourceMaterial &air,
                                       double cutoffKeV = kDefaultCutoffKeV);

} // namespace pheltra
