// The two plain-text reports of "Save Data" and "Print Data", built line by
// line from the six data sets: the absorber materials report (composition,
// electrons and effective Z of each chosen data set) and the photon
// attenuation coefficients report (a table of CoefficientAt on an energy
// grid). The functions read the data sets as they are and change nothing;
// the moment and the user's locale are passed in, so a report can be
// compared line by line.
#pragma once

#include "absorber/data_set_list.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QDateTime>
#include <QLocale>
#include <QStringList>

#include <array>
#include <functional>

// What the user picked in the selection dialog. The dialog keeps one for the
// whole run; these are its values at start.
struct ReportSelection
{
    std::array<bool, DataSets::kCount> dataSets{true, true, true, true, true, true};
    bool absorberComposition = true;    // the absorber materials report
    bool absorptionCoefficients = true; // the coefficients report
    // The energy grid in keV, 32-bit as the dialog holds it.
    float from = 1.0f;
    float to = 1.0f;
    float interval = 1.0f;
};

// What a report takes from its surroundings: the moment shown in its header
// (in the user's short date and long time formats) and the locale whose
// decimal separator and date and time formats the numbers and the header use.
struct ReportEnvironment
{
    QDateTime now;
    QLocale locale;
};

// "date / time" of the report headers. The long time format is the locale's
// without its time-zone name.
QString ReportTimestamp(const ReportEnvironment &environment);

// The absorber materials report, as built (markup of legends still in).
QStringList AbsorberListReport(const DataSets &sets, const ReportSelection &selection,
                               const ReportEnvironment &environment);

// Takes the lines of a report one at a time, as they are made; false stops
// the report (the output failed).
using ReportLineSink = std::function<bool(const QString &line)>;

// The photon attenuation coefficients report, as built. The rows run from
// From while the energy, accumulated in 64 bits by adding the 32-bit
// Interval, does not exceed To; an Interval that is not above 0 gives no rows.
QStringList CoefficientReport(const DataSets &sets, const ReportSelection &selection,
                              const ReportEnvironment &environment);
// The same lines handed to sink one by one, so that a grid of millions of
// rows needs no more memory than one row. False when the sink stopped it.
bool CoefficientReport(const DataSets &sets, const ReportSelection &selection, const ReportEnvironment &environment,
                       const ReportLineSink &sink);

// The lines "Save Data" writes: the reports the selection asks for, the
// absorber report first, each line with its markup stripped.
QStringList SavedReportLines(const DataSets &sets, const ReportSelection &selection,
                             const ReportEnvironment &environment);
// The same lines handed to sink one by one; false when the sink stopped them.
bool SavedReportLines(const DataSets &sets, const ReportSelection &selection, const ReportEnvironment &environment,
                      const ReportLineSink &sink);

// The lines "Print Data" prints: as saved, with five leading blanks on the
// absorber report's lines and six on the coefficient report's.
QStringList PrintedReportLines(const DataSets &sets, const ReportSelection &selection,
                               const ReportEnvironment &environment);

// The bytes of a saved report: each line in UTF-8 followed by CR LF.
QByteArray SavedReportBytes(const QStringList &lines);
// One line of them appended to bytes.
void AppendSavedLine(QByteArray &bytes, const QString &line);
// A sink that hands each line, as those bytes, to write (one buffer serves
// every line); it stops the report when write fails.
ReportLineSink SavedLineWriter(std::function<bool(QByteArrayView bytes)> write);

// The selection dialog's checks of the energy grid, for every caller that
// takes a grid from the user.
inline constexpr float kReportMinEnergy = static_cast<float>(kEnergyRangeMin); // keV
inline constexpr float kReportMaxEnergy = static_cast<float>(kEnergyRangeMax); // keV
inline constexpr float kReportMinInterval = 0.01f;                             // keV
inline constexpr int kReportPointsWithoutQuestion = 100;

// A grid value brought to two decimals: value x 100 to the nearest integer
// (halves to even), times 0.01.
long double RoundToHundredths(long double value);

// The number of rows the grid promises: trunc((to - from) / interval + 0.5)
// + 1, and 0 when that is negative. The count may exceed the rows the report
// produces by one, as rounding of the accumulated energy decides.
int ReportPointCount(long double from, long double to, long double interval);
