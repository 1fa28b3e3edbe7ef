// What the X-ray Beam window computes, without any widget: the beam of its
// inputs (the TASMIP model at a tube voltage, or a spectrum file) before and
// behind its filters, and the beam's quality, through the same calls as
// pheltra-cli beam.
#pragma once

#include "app/tools/tool_material.h"
#include "sources/beam_quality.h"
#include "sources/spectrum.h"
#include "sources/spectrum_file.h"

#include <QString>

#include <optional>
#include <vector>

class CompoundLibrary;

namespace pheltra {

struct BeamInputs
{
    bool fromFile = false;
    double kv = 80.0;
    QString spectrumFile;
    SpectrumReadOptions fileOptions; // no energy unit: the file's header names it
    std::vector<LayerChoice> filters;
    MaterialChoice hvlMaterial{QString::fromLatin1(kAluminiumName)};
    MaterialChoice medium{QString::fromLatin1(kWaterName)};
    int dataSource = kDataSourceH;
};

// The beam before and behind its filters.
struct FilteredBeam
{
    Spectrum unfiltered;
    Spectrum filtered;
};

struct BeamOutcome
{
    QString refusal; // why nothing was computed, one line; empty when all was
    std::optional<FilteredBeam> beam;
    BeamQuality quality;
    bool ok() const { return refusal.isEmpty(); }
};

// The beam of the inputs; throws ToolInputError with the one-line reason.
FilteredBeam BuildBeam(const BeamInputs &inputs, const CompoundLibrary &library);

// The beam and its quality; a refusal computes nothing.
BeamOutcome ComputeBeam(const BeamInputs &inputs, const CompoundLibrary &library);

// "80 kV", "spectrum.csv", followed by the filters: "80 kV, 2.5 mm Aluminum".
QString BeamDescription(const BeamInputs &inputs);

} // namespace pheltra
