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

// Where a report goes: a saved file holds the curve (the spectrum, the
// transmission curve) and every value in full precision; on paper the graph
// shows the curve and the line table's values have four significant digits,
// so that a row fits the page.
enum class ReportMedium { File, Paper };

QStringList BeamCopyLines(const BeamOutcome &outcome);
QStringList BeamReportLines(const BeamInputs &inputs, const BeamOutcome &outcome, ReportMedium medium,
                            const QDateTime &now, const QLocale &locale = QLocale());

QStringList ShieldingCopyLines(const ShieldingOutcome &outcome);
QStringList ShieldingReportLines(const ShieldingInputs &inputs, const ShieldingOutcome &outcome, ReportMedium medium,
                                 const QDateTime &now, const QLocale &locale = QLocale());

// One line naming the layers: "Lead 2 cm; formula PbO (9.53 g/cm3) 1 mm".
QString LayersText(const std::vector<LayerChoice> &layers);

} // namespace pheltra
