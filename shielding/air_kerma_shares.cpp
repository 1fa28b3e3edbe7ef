#include "shielding/air_kerma_shares.h"

namespace pheltra {

std::vector<double> AirKermaRateShares(const std::vector<PhotonLine> &lines, const SourceMaterial &air,
                                       double cutoffKeV)
{
    std::vector<double> shares;
    shares.reserve(lines.size());
    for (const PhotonLine &line : lines)
        shares.push_back(line.energyKeV > cutoffKeV ? LineAirKermaRateConstant(line, air) : 0.0);
    return shares;
}

} // namespace pheltra
