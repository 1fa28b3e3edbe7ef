// What the Shielding window computes, without any widget: a point source (one
// photon energy, a nuclide's lines, or an X-ray beam's bins) behind up to six
// layers, through the same calls as pheltra-cli shield: the narrow- and
// broad-beam quantities, the broad-beam value layers of the last layer, the
// air-kerma rates with activity and distance, the last layer's thickness for
// a target, and the transmission curve against the last layer's thickness.
#pragma once

#include "app/tools/result_rows.h"
#include "app/tools/tool_material.h"
#include "shielding/shield.h"
#include "sources/spectrum.h"

#include <QString>
#include <QStringList>

#include <memory>
#include <optional>
#include <vector>

class CompoundLibrary;

namespace pheltra {

enum class ShieldSourceKind { Energy, Nuclide, Beam };
enum class ShieldTarget { None, Transmission, AirKermaRate };

struct UnitFactor
{
    const char *name;
    double factor;
};
// Activities and their factor to GBq, the unit of the air-kerma-rate
// constant.
inline constexpr UnitFactor kActivityUnits[] = {{"Bq", 1e-9}, {"kBq", 1e-6}, {"MBq", 1e-3}, {"GBq", 1.0}, {"TBq", 1e3}};

struct ShieldingInputs
{
    ShieldSourceKind sourceKind = ShieldSourceKind::Nuclide;
    double energyKeV = 0.0;
    QString nuclide;
    // Both above 0: the air-kerma rates at the point; otherwise none.
    double activityGBq = 0.0;
    double distanceM = 0.0;
    std::vector<LayerChoice> layers; // from the source outwards
    BuildupResponse response = BuildupResponse::kExposure;
    QString buildupMaterial; // one of the standard's materials; empty: the last layer's
    ShieldTarget target = ShieldTarget::None;
    double targetValue = 0.0; // a transmission, or an air-kerma rate in uGy/h
};

struct KermaRates
{
    double gammaConstant = 0.0; // uGy m2/(GBq h), lines above the cut-off
    double unshielded = 0.0;    // uGy/h at the point without the shield
    double shielded = 0.0;      // behind it
};

struct CurvePoint
{
    double thicknessCm;
    double narrowBeam;
    double broadBeam;
};

struct ShieldingOutcome
{
    QString refusal; // why nothing was computed, one line; empty when all was
    QString sourceText;
    ShieldSetup setup; // the layers as given, thicknesses in cm
    ShieldResult result;
    ValueLayers valueLayers;
    std::optional<KermaRates> kerma;
    std::optional<double> targetTransmission;
    std::optional<double> solvedThicknessCm; // of the last layer, for the target
    QString basis;                           // the table or Z_eq of the build-up
    QStringList notes;                       // every flag and share, in plain words
    std::vector<CurvePoint> curve;           // against the last layer's thickness
    std::shared_ptr<const Shield> shield;    // for reading the curve at any thickness
    bool ok() const { return refusal.isEmpty(); }
};

// The points of the transmission curve.
inline constexpr int kCurvePoints = 121;

// beam: the X-ray Beam window's filtered spectrum, for a beam source (none
// when that window refuses its inputs; beamRefusal then says why).
ShieldingOutcome ComputeShielding(const ShieldingInputs &inputs, const CompoundLibrary &library,
                                  const std::optional<Spectrum> &beam = std::nullopt,
                                  const QString &beamRefusal = QString());

// The figures of an outcome as the window lists them.
std::vector<ResultRow> ShieldingSummary(const ShieldingOutcome &outcome);
// The lines and the total: energy, yield, share, depth, narrow beam,
// build-up, broad beam (the total's energy and yield NaN).
QStringList ShieldingLineHeader();
std::vector<std::vector<double>> ShieldingLineRows(const ShieldingOutcome &outcome);

} // namespace pheltra
