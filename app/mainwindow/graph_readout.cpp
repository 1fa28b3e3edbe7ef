#include "app/mainwindow/graph_readout.h"

#include "absorber/plot_energies.h"
#include "datalib/shell/treffid.h"
#include "gallomir/gallomir.h"
#include "graph/graph_types.h"

#include <QChar>

#include <cmath>
#include <cstdlib>

namespace {

constexpr int kDigits = 4;
const QString kUnit = QStringLiteral(" cm") + QChar(char16_t(178)) + QStringLiteral("/g");
const std::array<const char *, 12> kShells = {"K", "L1", "L2", "L3", "M1", "M2", "M3", "M4", "M5", "N1", "N2", "N3"};
// How far (relative) a library's edge may lie from the shell data's edge of
// the same shell: the two compilations differ by a few per cent at most.
constexpr double kShellMatch = 0.05;

} // namespace

QString ReadoutNumber(double v, const QLocale &locale)
{
    if (!(v > 0) || !std::isfinite(v))
        return QStringLiteral("--");
    QLocale plain = locale;
    plain.setNumberOptions(QLocale::OmitGroupSeparator);
    // Mantissa and exponent after rounding to four digits, so 9.99951 counts
    // as 10.00.
    const QString sci = QLocale::c().toString(v, 'e', kDigits - 1);
    const qsizetype e = sci.indexOf(QLatin1Char('e'));
    const int exponent = sci.mid(e + 1).toInt();
    const double mantissa = QLocale::c().toDouble(sci.left(e));
    if (exponent >= -3 && exponent < kDigits)
        return plain.toString(v, 'f', kDigits - 1 - exponent);
    if (exponent >= kDigits && exponent <= 5)
        return plain.toString(mantissa * std::pow(10.0, exponent), 'f', 0);
    return plain.toString(mantissa, 'f', kDigits - 1) + QChar(char16_t(0x00D7)) + QStringLiteral("10<sup>") +
        QString::number(exponent) + QStringLiteral("</sup>");
}

QString EdgeName(int z, int k, float energy)
{
    const QString symbol = QString::fromUtf8(GetElementSymbol(z)).trimmed();
    int best = -1;
    double bestDistance = kShellMatch;
    for (int n = 1; n <= int(kShells.size()); ++n) {
        const double shell = GetAbsEdge(z, n);
        if (!(shell > 0))
            continue;
        const double distance = std::fabs(std::log(double(energy) / shell));
        if (distance <= bestDistance) {
            bestDistance = distance;
            best = n;
        }
    }
    if (best < 0 && k >= 1 && k <= int(kShells.size()))
        best = k;
    return best < 0 ? symbol : symbol + QLatin1Char(' ') + QString::fromLatin1(kShells[std::size_t(best - 1)]);
}

TReadout GraphReadout(const DataSets &sets, const std::array<bool, DataSets::kCount> &plotted, double energy,
                      double nearLow, double nearHigh, const QLocale &locale)
{
    TReadout out;
    out.Energy = ReadoutNumber(energy, locale) + QStringLiteral(" keV");
    for (int i = 0; i < DataSets::Count(); ++i) {
        const TCmpDataSet &set = sets[i];
        if (!plotted[std::size_t(i)] || !set.InUse())
            continue;
        TReadoutEntry entry;
        entry.Slot = i + 1;
        entry.Colour = ColorFromRgbValue(set.LineColor);
        entry.Legend = set.Legend;
        const TAbsorberEdge *nearest = nullptr;
        const std::vector<TAbsorberEdge> edges = AbsorberEdges(set, nearLow, nearHigh);
        for (const TAbsorberEdge &edge : edges)
            if (!nearest || std::fabs(std::log(edge.Energy / energy)) < std::fabs(std::log(nearest->Energy / energy)))
                nearest = &edge;
        if (nearest) {
            const double below = double(set.CoefficientAt(nearest->Energy - kEdgeStepBelow));
            const double above = double(set.CoefficientAt(nearest->Energy));
            entry.Value = ReadoutNumber(below, locale) + QStringLiteral(" / ") + ReadoutNumber(above, locale) + kUnit +
                QStringLiteral(" (below / above ") + EdgeName(nearest->Z, nearest->K, nearest->Energy) +
                QStringLiteral(")");
        } else {
            entry.Value = ReadoutNumber(double(set.CoefficientAt(energy)), locale) + kUnit;
        }
        out.Entries.push_back(entry);
    }
    return out;
}
