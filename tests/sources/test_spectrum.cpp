// Spectra: the TASMIP model against its table's polynomials, and what a
// spectrum refuses.
#include "sources/spectrum.h"
#include "tests/sources/expect_source_error.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>

namespace pheltra {
namespace {

double Cubic(const std::array<double, 4> &a, double kv)
{
    return a[0] + a[1] * kv + a[2] * kv * kv + a[3] * kv * kv * kv;
}

// The bin's fluence, or -1 when the spectrum has no such bin.
double FluenceAt(const Spectrum &spectrum, double energy)
{
    for (std::size_t i = 0; i < spectrum.Size(); ++i) {
        if (spectrum.Energies()[i] == energy)
            return spectrum.Fluence()[i];
    }
    return -1.0;
}

TEST(Spectrum, TasmipIsTheTablesCubicInKv)
{
    struct Row
    {
        double kv;
        double energy;
        std::array<double, 4> a; // as data/sources/tasmip_coefficients.tsv prints them
    };
    const Row rows[] = {
        {80.0, 30.0, {-3.197696e+04, 1.259429e+03, -5.721722e+00, 1.269609e-02}},
        {80.0, 50.0, {-6.310984e+04, 1.616216e+03, -8.009326e+00, 2.321589e-02}},
        {80.0, 79.0, {-9.460591e+04, 1.985575e+03, -1.240631e+01, 3.188458e-02}},
        {80.5, 80.0, {-9.465909e+04, 1.947305e+03, -1.191912e+01, 3.005542e-02}},
        {123.4, 50.0, {-6.310984e+04, 1.616216e+03, -8.009326e+00, 2.321589e-02}},
        {140.0, 10.0, {-2.470985e+00, 7.522494e-02, 1.601297e-04, 0.0}},
    };
    for (const Row &row : rows) {
        const Spectrum spectrum = Spectrum::Tasmip(row.kv);
        EXPECT_NEAR(FluenceAt(spectrum, row.energy), Cubic(row.a, row.kv), 1e-9 * Cubic(row.a, row.kv))
            << row.kv << " kV, " << row.energy << " keV";
        EXPECT_TRUE(spectrum.IsPerMAsAt1m());
        EXPECT_EQ(spectrum.TubeVoltage(), row.kv);
    }
    // Nothing above the voltage, however the next cubic runs.
    EXPECT_EQ(FluenceAt(Spectrum::Tasmip(80.5), 81.0), -1.0);
    EXPECT_EQ(Spectrum::Tasmip(80.5).Energies().back(), 80.0);
    // A negative cubic is no photons: 10 keV at 30 kV.
    EXPECT_LT(Cubic({-2.470985e+00, 7.522494e-02, 1.601297e-04, 0.0}, 30.0), 0.0);
    EXPECT_EQ(FluenceAt(Spectrum::Tasmip(30.0), 10.0), 0.0);
}

TEST(Spectrum, TasmipRefusesVoltagesOutsideItsFit)
{
    for (const double kv : {29.99, 140.01, 150.0, -80.0, std::nan("")})
        EXPECT_THROW(Spectrum::Tasmip(kv), SourceError) << kv;
    EXPECT_NO_THROW(Spectrum::Tasmip(30.0));
    EXPECT_NO_THROW(Spectrum::Tasmip(140.0));
}

TEST(Spectrum, RefusesBinsThatAreNoSpectrum)
{
    struct Row
    {
        std::vector<double> energies;
        std::vector<double> fluence;
        const char *message;
    };
    const Row rows[] = {
        {{10, 20}, {1}, "as many fluence values"},
        {{}, {}, "at least one bin"},
        {{10, 0}, {1, 1}, "bin 2: the energy must be"},
        {{10, 10}, {1, 1}, "bin 2: the energies must rise"},
        {{10, 20}, {1, -1}, "bin 2: the fluence"},
        {{10, 20}, {1, INFINITY}, "bin 2: the fluence"},
        {{10, 20}, {0, 0}, "no photons"},
    };
    for (const Row &row : rows)
        ExpectSourceError([&] { Spectrum(row.energies, row.fluence); }, row.message);
}

} // namespace
} // namespace pheltra
