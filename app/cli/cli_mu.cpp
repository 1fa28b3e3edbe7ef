// pheltra-cli mu: one material's coefficient at a list of energies.
#include "absorber/material/source_and_type.h"
#include "absorber/plot_energies.h"
#include "app/cli/cli_commands.h"
#include "app/cli/cli_error.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr qsizetype kMaxEnergies = 1000000;

// An energy to evaluate. Edge energies are the 32-bit values the graph uses
// and are printed as such ("88.0045", not its 64-bit expansion).
struct Energy
{
    double value;
    bool single;
    friend bool operator<(const Energy &a, const Energy &b) { return a.value < b.value; }
};

QString EnergyText(const Energy &energy)
{
    return energy.single ? ShortestText(static_cast<float>(energy.value)) : ShortestText(energy.value);
}

QList<double> GridNumbers(const QString &option, const QString &text)
{
    const QStringList parts = text.split(QLatin1Char(':'));
    if (parts.size() != 3)
        throw CliError{
            QStringLiteral("--%1 is FROM:TO:%2, not '%3'")
                .arg(option, option == QLatin1String("grid") ? QStringLiteral("STEP") : QStringLiteral("N"), text)};
    QList<double> numbers;
    for (const QString &part : parts)
        numbers << ParseDouble(part, QStringLiteral("--") + option);
    if (numbers[1] < numbers[0])
        throw CliError{QStringLiteral("--%1 runs from %2 down to %3").arg(option, parts[0], parts[1])};
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
    const QList<double> n = GridNumbers(QStringLiteral("grid"), text);
    if (!(n[2] > 0.0))
        throw CliError{QStringLiteral("--grid needs a step above 0")};
    const double steps = std::floor((n[1] - n[0]) / n[2] * (1.0 + 1e-12));
    CheckCount(steps + 1.0 + static_cast<double>(energies.size()));
    for (qsizetype i = 0; i <= static_cast<qsizetype>(steps); ++i)
        energies.push_back({n[0] + static_cast<double>(i) * n[2], false});
}

// N energies spaced evenly in log(E) from FROM to TO, both included.
void AddLogGrid(const QString &text, std::vector<Energy> &energies)
{
    const QList<double> n = GridNumbers(QStringLiteral("log"), text);
    if (!(n[0] > 0.0))
        throw CliError{QStringLiteral("--log needs energies above 0")};
    if (n[2] < 1.0 || n[2] != std::floor(n[2]))
        throw CliError{QStringLiteral("--log needs a whole number of points, at least 1")};
    CheckCount(n[2] + static_cast<double>(energies.size()));
    const auto count = static_cast<qsizetype>(n[2]);
    const double step = count > 1 ? std::log(n[1] / n[0]) / static_cast<double>(count - 1) : 0.0;
    for (qsizetype i = 0; i < count; ++i)
        energies.push_back(
            {i == count - 1 && count > 1 ? n[1] : n[0] * std::exp(step * static_cast<double>(i)), false});
}

std::vector<Energy> CollectEnergies(const CommandContext &context, const TCmpDataSet &set)
{
    std::vector<Energy> energies;
    for (const QString &text : context.line.positionals)
        energies.push_back({ParseDouble(text, QStringLiteral("an energy")), false});
    CheckCount(static_cast<double>(energies.size()));
    for (const QString &text : context.line.Values(QStringLiteral("grid")))
        AddLinearGrid(text, energies);
    for (const QString &text : context.line.Values(QStringLiteral("log")))
        AddLogGrid(text, energies);
    const bool edgesOnly = energies.empty();
    double low = kEnergyRangeMin;
    double high = kEnergyRangeMax;
    if (context.line.Has(QStringLiteral("edges"))) {
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
    const int source = pheltra::ParseSource(context.line.Value(QStringLiteral("source"), QStringLiteral("B")));
    const int type =
        pheltra::ParseCoeffType(context.line.Value(QStringLiteral("type"), QStringLiteral("attenuation-total")));
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
