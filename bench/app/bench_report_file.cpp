// Save Data's largest coefficient report: 1 to 50000 keV by 0.01 keV, the
// 4999901 rows the dialog allows after its count question, streamed into
// the file through the atomic save. Reports rows per second and the peak
// resident memory of the process (ru_maxrss): run it alone,
//   build/release/bin/bench_report_file
// so that the peak is this report's and no other benchmark's.
#include "absorber/compound_file.h"
#include "app/reports/report_file.h"
#include "bench/support/peak_memory.h"

#include <QFileInfo>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

const QString kShippedFile = QStringLiteral(PHELTRA_SOURCE_DIR "/data/CmpMix.dat");

// Water (source B) and lead (source H) in use, all six data sets selected,
// as the dialog offers by default.
void BM_FineGridCoefficientReport(benchmark::State &state)
{
    CompoundLibrary library;
    if (LoadCompoundLibrary(kShippedFile, library) != kLibraryLoaded) {
        state.SkipWithError("data/CmpMix.dat not loaded");
        return;
    }
    DataSets sets;
    sets[0].AbsorberName[0] = "Water, Liquid";
    sets[0].RelWeight[0] = 1.0L;
    sets[0].UpdateComposition(library);
    sets[1].AbsorberName[0] = "Lead";
    sets[1].RelWeight[0] = 1.0L;
    sets[1].DataSource = kDataSourceH;
    sets[1].UpdateComposition(library);
    ReportSelection selection;
    selection.absorberComposition = state.range(0) != 0;
    selection.from = 1.0f;
    selection.to = 50000.0f;
    selection.interval = 0.01f;
    const ReportEnvironment environment{QDateTime(QDate(2024, 3, 5), QTime(14, 7, 9)), QLocale::c()};
    const int rows = ReportPointCount(selection.from, selection.to, selection.interval);

    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("report.txt"));
    for (auto _ : state) {
        if (WriteSavedReport(file, sets, selection, environment) != TReportSaveResult::Saved) {
            state.SkipWithError("the report could not be written");
            return;
        }
    }
    state.SetItemsProcessed(state.iterations() * rows);
    state.counters["rows"] = rows;
    state.counters["peak_RSS_MB"] = PeakResidentMegabytes();
    state.counters["file_MB"] = static_cast<double>(QFileInfo(file).size()) / (1024.0 * 1024.0);
}
BENCHMARK(BM_FineGridCoefficientReport)->Arg(1)->Unit(benchmark::kSecond)->Iterations(1);

} // namespace

BENCHMARK_MAIN();
