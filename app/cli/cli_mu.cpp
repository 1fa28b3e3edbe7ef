// pheltra-cli mu: one material's coefficient at a list of energies.
#include "absorber/material/source_and_type.h"
#include "absorber/plot_energies.h"
#include "app/cli/cli_commands.h"
#include "app/cli/cli_error.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr qsizetype kMaxEnergies = 1000000;

// An energy to evaluate. Edge energies are the 32-bit values the graph uses,
// printed in full ("88.00450134277344"): typed back, the shortest text of the
// 32-bit value ("88.0045") would be an energy just below the edge.
struct Energy
{
    double value;
    bool single;
    friend bool operator<(const Energy &a, const Energy &b) { return a.value < b.value; }
};

QString EnergyText(const Energy &energy)
{
    return ShortestText(energy.value);
}

// FROM:TO:last of --grid (last STEP) or --log (last N).
QList<double> GridNumbers(const OptionSpec &option, const char *last, const QString &text)
{
    const QStringList parts = text.split(QLatin1Char(':'));
    if (parts.size() != 3)
        throw CliError{QStringLiteral("%1 is FROM:TO:%2, not '%3'").arg(Dashed(option), QLatin1String(last), text)};
    QList<double> numbers;
    for (const QString &part : parts)
        numbers << ParseDouble(part, Dashed(option));
    if (numbers[1] < numbers[0])
        throw CliError{QStringLiteral("%1 runs from %2 down to %3").arg(Dashed(option), parts[0], parts[1])};
    return numbers;
}

void CheckCount(double count)
{
    if (!(count <= static_cast<double>(kMaxEnergies)))
        throw CliError{QStringLiteral("more than %1 energies").arg(kMaxEnergies)};
}

// FROM, FROM + STEP, ... up to TO; each energy computed from its index, so
// no rounding accumulates (1:2:0.1 ends at 2).
void AddLinearGrid(const QString &text, std::vector<Energy> &energies)
{
    const QList<double> n = GridNumbers(kGridOption, "STEP", text);
    if (!(n[2] > 0.0))
        throw CliError{QStringLiteral("%1 needs a step above 0").arg(Dashed(kGridOption))};
    const double steps = std::floor((n[1] - n[0]) / n[2] * (1.0 + 1e-12));
    CheckCount(steps + 1.0 + static_cast<double>(energies.size()));
    for (qsizetype i = 0; i <= static_cast<qsizetype>(steps); ++i)
        energies.push_back({n[0] + static_cast<double>(i) * n[2], false});
}

// N energies spaced evenly in log(E) from FROM to TO, both included. The
// steps are taken between the logarithms, so that limits whose ratio
// overflows (1e-300 to 1e300) still give finite energies; a grid finer than
// the numbers can tell apart is refused rather than printed with points
// lost.
void AddLogGrid(const QString &text, std::vector<Energy> &energies)
{
    const QList<double> n = GridNumbers(kLogOption, "N", text);
    if (!(n[0] > 0.0))
        throw CliError{QStringLiteral("%1 needs energies above 0").arg(Dashed(kLogOption))};
    if (n[2] < 1.0 || n[2] != std::floor(n[2]))
        throw CliError{QStringLiteral("%1 needs a whole number of points, at least 1").arg(Dashed(kLogOption))};
    CheckCount(n[2] + static_cast<double>(energies.size()));
    const auto count = static_cast<qsizetype>(n[2]);
    if (n[0] == n[1]) {
        energies.push_back({n[0], false}); // one energy, however many times
        return;
    }
    const double low = std::log(n[0]);
    const double step = count > 1 ? (std::log(n[1]) - low) / static_cast<double>(count - 1) : 0.0;
    double previous = 0.0;
    for (qsizetype i = 0; i < count; ++i) {
        const double energy = i == 0
            ? n[0]
            : (i == count - 1 ? n[1] : std::clamp(std::exp(low + step * static_cast<double>(i)), n[0], n[1]));
        if (i > 0 && !(energy > previous))
            throw CliError{
                QStringLiteral("%1 %2: %3 points are more than the numbers between %4 and %5 tell apart")
                    .arg(Dashed(kLogOption), text, QString::number(count), ShortestText(n[0]), ShortestText(n[1]))};
        energies.push_back({energy, false});
        previous = energy;
    }
}

std::vector<Energy> CollectEnergies(const CommandContext &context, const TCmpDataSet &set)
{
    std::vector<Energy> energies;
    for (const QString &text : context.line.positionals)
        energies.push_back({ParseDouble(text, QStringLiteral("an energy")), false});
    CheckCount(static_cast<double>(energies.size()));
    for (const QString &text : context.line.Values(kGridOption))
        AddLinearGrid(text, energies);
    for (const QString &text : context.line.Values(kLogOption))
        AddLogGrid(text, energies);
    const bool edgesOnly = energies.empty();
    double low = kEnergyRangeMin;
    double high = kEnergyRangeMax;
    if (context.line.Has(kEdgesOption)) {
        // The edges inside the span of the other energies, or of the full
        // plot range when there are none.
        if (!edgesOnly) {
            low = std::min_element(energies.begin(), energies.end())->value;
            high = std::max_element(energies.begin(), energies.end())->value;
        }
        for (const float edge : EdgeEnergies(set, low, high))
            energies.push_back({edge, true});
        if (edgesOnly && energies.empty())
            throw CliError{QStringLiteral("the absorber has no absorption edges between %1 and %2 keV")
                               .arg(ShortestText(low), ShortestText(high))};
    }
    if (energies.empty())
        throw CliError{QStringLiteral("no energies given (a list, --grid, --log or --edges)")};
    // In ascending order as the graph sorts its points; an energy given twice
    // is evaluated once. An edge and a listed energy that print alike are one
    // energy too: the edge, the point the graph evaluates.
    std::stable_sort(energies.begin(), energies.end());
    std::vector<Energy> distinct;
    distinct.reserve(energies.size());
    for (const Energy &energy : energies) {
        if (!distinct.empty() &&
            (distinct.back().value == energy.value || EnergyText(distinct.back()) == EnergyText(energy))) {
            if (energy.single)
                distinct.back() = energy;
            continue;
        }
        distinct.push_back(energy);
    }
    energies = std::move(distinct);
    return energies;
}

} // namespace

int RunMu(const CommandContext &context)
{
    const TableFormat format = FormatOption(context);
    const int source = pheltra::ParseSource(context.line.Value(kSourceOption, QStringLiteral("B")));
    const int type = pheltra::ParseCoeffType(context.line.Value(kTypeOption, QStringLiteral("attenuation-total")));
    pheltra::CheckTypeOffered(source, type);
    const auto [library, set] = MaterialOption(context, source, type, QString());
    const std::vector<Energy> energies = CollectEnergies(context, set);

    qsizetype refused = 0;
    for (const Energy &energy : energies) {
        const long double value = set.CoefficientAt(energy.value);
        if (value < 0.0L)
            ++refused;
        const QString valueText = value > 0.0L ? ShortestText(static_cast<double>(value)) : QStringLiteral("--");
        Write(context.out, TableRow({EnergyText(energy), valueText}, format) + QLatin1Char('\n'));
    }
    WarnRefusedEnergies(context, source, refused);
    return FinishedStatus(context, library);
}
