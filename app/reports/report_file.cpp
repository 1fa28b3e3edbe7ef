#include "app/reports/report_file.h"

#include "graph/atomic_file.h"

TReportSaveResult WriteSavedReport(const QString &fileName, const DataSets &sets, const ReportSelection &selection,
                                   const ReportEnvironment &environment, QString *error)
{
    TAtomicFile file(fileName);
    bool saved = file.Open();
    if (saved) {
        QByteArray bytes;
        saved = SavedReportLines(sets, selection, environment, [&](const QString &line) {
            bytes.resize(0); // the line buffer's memory serves every line
            AppendSavedLine(bytes, line);
            return file.Write(bytes);
        });
        saved = saved && file.Commit();
    }
    if (saved)
        return TReportSaveResult::Saved;
    if (error)
        *error = file.ErrorString();
    return file.Refused() ? TReportSaveResult::NotRegularFile : TReportSaveResult::WriteFailed;
}
