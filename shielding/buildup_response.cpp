#include "shielding/buildup_response.h"

namespace pheltra {

namespace {

constexpr std::string_view kExposureName = "exposure";
constexpr std::string_view kEnergyAbsorptionName = "energy-absorption";

} // namespace

std::string_view ResponseName(BuildupResponse response)
{
    return response == BuildupResponse::kExposure ? kExposureName : kEnergyAbsorptionName;
}

std::optional<BuildupResponse> ResponseByName(std::string_view name)
{
    if (name == kExposureName)
        return BuildupResponse::kExposure;
    if (name == kEnergyAbsorptionName)
        return BuildupResponse::kEnergyAbsorption;
    return std::nullopt;
}

} // namespace pheltra
