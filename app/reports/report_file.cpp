#include "app/reports/report_file.h"

#include "textio/atomic_file.h"

TReportSaveResult WriteSavedReport(const QString &fileName, const DataSets &sets, const ReportSelection &selection,
                                   const ReportEnvironment &environment, QString *error)
{
    TAtomicFile file(fileName);
    bool saved = file.Open();
    if (saved) {
        saved = SavedReportLines(sets, selection, environment,
                                 SavedLineWriter([&file](QByteArrayView bytes) { return file.Write(bytes); }));
        saved = saved && file.Commit();
    }
    if (saved)
        return TReportSaveResult::Saved;
    if (error)
        *error = file.ErrorString();
    return file.Refused() ? TReportSaveResult::NotRegularFile : TReportSaveResult::WriteFailed;
}
