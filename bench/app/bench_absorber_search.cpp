// Finding an absorber in the shipped library of 305 entries: the selection
// dialog opened (its list filled, its search index built), one letter typed
// into its search field and the dialog closed; and the filtering alone.
#include "absorber/absorber_search.h"
#include "absorber/compound_file.h"
#include "app/datasetup/absorber_selection_dialog.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>

namespace {

const CompoundLibrary &ShippedLibrary()
{
    static const CompoundLibrary library = [] {
        CompoundLibrary l;
        LoadCompoundLibrary(QStringLiteral(PHELTRA_SOURCE_DIR "/data/CmpMix.dat"), l);
        return l;
    }();
    return library;
}

void BM_SelectionDialogOpenAndOneKeystroke(benchmark::State &state)
{
    TCmpMixDlg dialog;
    dialog.SetLibrary(&ShippedLibrary());
    auto *search = dialog.findChild<QLineEdit *>(QStringLiteral("editSearch"));
    for (auto _ : state) {
        QTimer::singleShot(0, &dialog, [&dialog, search] {
            QKeyEvent key(QEvent::KeyPress, Qt::Key_L, Qt::NoModifier, QStringLiteral("l"));
            QApplication::sendEvent(search, &key);
            dialog.reject();
        });
        dialog.Execute();
    }
    state.counters["entries"] = ShippedLibrary().Count();
}
BENCHMARK(BM_SelectionDialogOpenAndOneKeystroke)->Unit(benchmark::kMillisecond);

void BM_FilterByOneLetter(benchmark::State &state)
{
    const pheltra::AbsorberIndex index(ShippedLibrary());
    for (auto _ : state)
        benchmark::DoNotOptimize(index.Matches(QStringLiteral("l")));
}
BENCHMARK(BM_FilterByOneLetter)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
