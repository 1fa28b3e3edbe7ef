// The file "Save Data" writes, for the program and for pheltra-cli report
// --output alike: the reports streamed line by line into a file that is
// written whole or not at all, so that a coefficient report of millions of
// rows needs little memory and a failed save leaves an earlier file as it was.
#pragma once

#include "app/reports/reports.h"

#include <QString>

// What became of a save.
enum class TReportSaveResult {
    Saved,
    NotRegularFile, // the name is taken by a pipe, a device or a folder: nothing written
    WriteFailed,    // the file could not be created or written: the target is untouched
};

// Writes SavedReportLines as UTF-8 with CR LF line ends to fileName. On a
// failure, error (when given) holds the reason in one line.
TReportSaveResult WriteSavedReport(const QString &fileName, const DataSets &sets, const ReportSelection &selection,
                                   const ReportEnvironment &environment, QString *error = nullptr);
