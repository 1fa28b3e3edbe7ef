// What Copy, Save and Print of the tool windows give, without any widget:
// Copy the figures and the curve as tab-separated text in full precision;
// the report the same under a header with the date and the inputs.
#pragma once

#include "app/tools/beam_calculation.h"
#include "app/tools/shielding_calculation.h"

#include <QDateTime>
#include <QLocale>
#include <QStringList>

namespace pheltra {

// The figures of a beam as the window lists them.
std::vector<ResultRow> BeamSummary(const BeamOutcome &outcome);
// The fluence per keV of each bin (photons in the bin over its width, the
// width reaching halfway to each neighbour).
std::vector<double> FluencePerKeV(const Spectrum &spectrum);

// What a report holds besides the figures: the curve (the spectrum, the
// transmission curve) in a saved report, not in a printed one, where the
// graph shows it.
enum class ReportCurve { With, Without };

QStringList BeamCopyLines(const BeamOutcome &outcome);
QStringList BeamReportLines(const BeamInputs &inputs, const BeamOutcome &outcome, ReportCurve curve,
                            const QDateTime &now, const QLocale &locale = QLocale());

QStringList ShieldingCopyLines(const ShieldingOutcome &outcome);
QStringList ShieldingReportLines(const ShieldingInputs &inputs, const ShieldingOutcome &outcome, ReportCurve curve,
                                 const QDateTime &now, const QLocale &locale = QLocale());

// One line naming the layers: "Lead 2 cm; formula PbO (9.53 g/cm3) 1 mm".
QString LayersText(const std::vector<LayerChoice> &layers);

} // namespace pheltra
