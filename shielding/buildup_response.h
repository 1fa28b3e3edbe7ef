// The two responses the build-up factors of ANSI/ANS-6.4.3 are given for.
#pragma once

#include <optional>
#include <string_view>

namespace pheltra {

enum class BuildupResponse {
    // Air kerma (exposure) behind the shield: the response of a person or an
    // air-filled instrument.
    kExposure,
    // Kerma in the shield medium itself (energy absorption).
    kEnergyAbsorption,
};

// "exposure" and "energy-absorption", as the batch tool takes them.
std::string_view ResponseName(BuildupResponse response);
std::optional<BuildupResponse> ResponseByName(std::string_view name);

} // namespace pheltra
