#include "app/reports/reports.h"

#include "app/reports/number_format.h"
#include "app/reports/report_text.h"
#include "gallomir/gallomir.h"
#include "textio/markup_text.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr qsizetype kRuleWidth = 62;
constexpr qsizetype kNameWidth = 45;   // absorber and element names are cut to this
constexpr qsizetype kColumnWidth = 10; // coefficient table columns
const QString kBlankLine = QStringLiteral(" ");

QString Rule(char character)
{
    return QString(kRuleWidth, QLatin1Char(character));
}

QString AbsorberHeading(int index)
{
    return QStringLiteral("Absorber #") + QString::number(index + 1);
}

// The locale's long time format without its time-zone field ("t" and its
// bracket or blank), which a report of the local time does not need.
QString TimeFormatWithoutZone(const QLocale &locale)
{
    const QString format = locale.timeFormat(QLocale::LongFormat);
    QString result;
    bool quoted = false;
    for (const QChar c : format) {
        if (c == QLatin1Char('\''))
            quoted = !quoted;
        if (quoted || c != QLatin1Char('t'))
            result += c;
    }
    result.remove(QStringLiteral("()"));
    return result.trimmed();
}

// The name cut to 45 characters and padded so that its plain text (as the
// saved line shows it, entities and Symbol letters as their characters)
// fills 45 columns.
QString NameField(const QString &name)
{
    const QString cut = CutToCharacters(name, kNameWidth);
    return PadRight(cut, kNameWidth + CharacterCount(cut) - CharacterCount(PlainTextOfMarkup(cut)));
}

QString ElementLine(int z, double fraction, const QLocale &locale)
{
    const QString number = (z < 10 ? QStringLiteral(" ") : QString()) + QString::number(z);
    const QString label = PadRight(PadRight(number, 5) + QString::fromUtf8(GetElementSymbol(z)), 8) +
        QStringLiteral(" (") + QString::fromUtf8(GetElementName(z)) + QLatin1Char(')');
    return NameField(label) + FormatGeneral(fraction, 6, locale);
}

void AppendComposition(QStringList &lines, const TCmpDataSet &set, const QLocale &locale)
{
    lines << Rule('-') << QStringLiteral("composition:")
          << PadRight(QStringLiteral("component"), kNameWidth) + QStringLiteral("rel. Weight");
    for (std::size_t slot = 0; slot < set.AbsorberName.size(); ++slot) {
        if (!set.AbsorberName[slot].isEmpty())
            lines << NameField(set.AbsorberName[slot]) + FormatGeneral(set.RelWeight[slot], 6, locale);
    }
    lines << kBlankLine << QStringLiteral("Elemental distribution:")
          << PadRight(PadRight(QStringLiteral(" Z"), 5) + QStringLiteral("Element"), kNameWidth) +
            QStringLiteral("Weight fraction");
    for (int z = 1; z <= kElementCount; ++z) {
        const double fraction = set.ElementWeight[static_cast<std::size_t>(z)];
        if (fraction > 0.0)
            lines << ElementLine(z, fraction, locale);
    }
    lines << kBlankLine << QStringLiteral("Electrons/g:       ") + FormatScientific(set.ElectronsPerGram, 3, 2, locale)
          << QStringLiteral("Calc. Electr./cm³: ") + FormatScientific(set.ElectronsPerCm3, 3, 2, locale)
          << QStringLiteral("Effective Z:       ") + FormatFixed(set.EffectiveZ, 4, 2, locale);
}

QString CoeffTypeText(const TCmpDataSet &set)
{
    return CoeffTypeName(set.CoeffType);
}

QString DataSourceText(const TCmpDataSet &set)
{
    return IsValidDataSource(set.DataSource) ? QString::fromLatin1(DataSourceAt(set.DataSource).text) : QString();
}

QString ColumnHeader()
{
    QString header = QStringLiteral("Energy");
    for (int i = 0; i < DataSets::kCount; ++i)
        header = PadRight(header, kColumnWidth * (i + 1)) + QLatin1Char('#') + QString::number(i + 1);
    return header;
}

QString CoefficientRow(double energy, const DataSets &sets, const ReportSelection &selection, const QLocale &locale)
{
    // Built in one string, its width in characters kept as it grows: a fine
    // grid makes millions of these rows.
    QString row;
    row.reserve(kColumnWidth * (DataSets::kCount + 1));
    qsizetype width = 0;
    const auto counted = [&row, &width](auto append) {
        const qsizetype start = row.size();
        append();
        width += CharacterCount(QStringView(row).sliced(start));
    };
    counted([&] { AppendScientific(row, energy, 3, 1, locale); });
    for (int i = 0; i < DataSets::kCount; ++i) {
        if (width < kColumnWidth * (i + 1)) {
            row.resize(row.size() + kColumnWidth * (i + 1) - width, QLatin1Char(' '));
            width = kColumnWidth * (i + 1);
        }
        if (!selection.dataSets[static_cast<std::size_t>(i)]) {
            row += QLatin1Char(' ');
            ++width;
            continue;
        }
        const long double value = sets[i].InUse() ? sets[i].CoefficientAt(energy) : 0.0L;
        if (value > 0.0L) {
            counted([&] { AppendScientific(row, value, 4, 1, locale); });
        } else {
            row += QStringLiteral("---");
            width += 3;
        }
    }
    return row;
}

// The title line with the moment, the "=" rule, then for each selected data
// set its block and a closing blank line.
template<typename Block>
QStringList ReportWithBlocks(const QString &title, const DataSets &sets, const ReportSelection &selection,
                             const ReportEnvironment &environment, Block appendBlock)
{
    QStringList lines;
    lines << title + ReportTimestamp(environment) << Rule('=');
    for (int i = 0; i < DataSets::kCount; ++i) {
        if (!selection.dataSets[static_cast<std::size_t>(i)])
            continue;
        appendBlock(lines, i, sets[i]);
        lines << kBlankLine;
    }
    return lines;
}

ReportLineSink CollectInto(QStringList &lines)
{
    return [&lines](const QString &line) {
        lines << line;
        return true;
    };
}

bool EmitAll(const QStringList &lines, const ReportLineSink &sink)
{
    for (const QString &line : lines) {
        if (!sink(line))
            return false;
    }
    return true;
}

// Both reports as the selection asks, each line with its markup stripped and
// the report's prefix in front.
bool ReportsWithPrefixes(const DataSets &sets, const ReportSelection &selection, const ReportEnvironment &environment,
                         const QString &absorberPrefix, const QString &coefficientPrefix, const ReportLineSink &sink)
{
    const auto prefixed = [&sink](const QString &prefix) {
        return [&sink, prefix](const QString &line) {
            return sink(prefix.isEmpty() ? PlainTextOfMarkup(line) : prefix + PlainTextOfMarkup(line));
        };
    };
    if (selection.absorberComposition &&
        !EmitAll(AbsorberListReport(sets, selection, environment), prefixed(absorberPrefix)))
        return false;
    return !selection.absorptionCoefficients ||
        CoefficientReport(sets, selection, environment, prefixed(coefficientPrefix));
}

} // namespace

QString ReportTimestamp(const ReportEnvironment &environment)
{
    const QLocale &locale = environment.locale;
    return locale.toString(environment.now.date(), QLocale::ShortFormat) + QStringLiteral(" / ") +
        locale.toString(environment.now.time(), TimeFormatWithoutZone(locale));
}

QStringList AbsorberListReport(const DataSets &sets, const ReportSelection &selection,
                               const ReportEnvironment &environment)
{
    return ReportWithBlocks(QStringLiteral("Pheltra: List of absorber materials ------- "), sets, selection,
                            environment, [&](QStringList &lines, int index, const TCmpDataSet &set) {
                                if (set.InUse()) {
                                    lines << AbsorberHeading(index) + QLatin1Char(':') + set.Legend.str();
                                    AppendComposition(lines, set, environment.locale);
                                } else {
                                    lines << AbsorberHeading(index) + QStringLiteral(": (no entries)") << Rule('-');
                                }
                            });
}

bool CoefficientReport(const DataSets &sets, const ReportSelection &selection, const ReportEnvironment &environment,
                       const ReportLineSink &sink)
{
    const QStringList head =
        ReportWithBlocks(QStringLiteral("Pheltra: Photon attenuation coefficients -- "), sets, selection, environment,
                         [](QStringList &block, int index, const TCmpDataSet &set) {
                             if (set.InUse()) {
                                 block << AbsorberHeading(index) + QStringLiteral(": ") + set.Legend.str()
                                       << QStringLiteral("  Coeff. type: ") + CoeffTypeText(set)
                                       << QStringLiteral("  Data source: ") + DataSourceText(set);
                             } else {
                                 block << AbsorberHeading(index) + QStringLiteral(": (no entries)");
                             }
                         });
    if (!EmitAll(head, sink))
        return false;
    if (!EmitAll({QStringLiteral("Photon attenuation coefficients in units cm²/g, "),
                  QStringLiteral("  photon energies in units keV:"), kBlankLine, ColumnHeader(), Rule('-')},
                 sink))
        return false;

    // The energy is accumulated, not computed from the row number: the grid
    // ends where the sums of the 32-bit interval take it, as the count in the
    // selection dialog warns. Rows go to the sink as they are made, so a grid
    // of millions of energies never lies whole in memory.
    if (!(selection.interval > 0.0f))
        return true;
    for (double energy = selection.from; energy <= selection.to; energy += selection.interval) {
        if (!sink(CoefficientRow(energy, sets, selection, environment.locale)))
            return false;
        if (energy + selection.interval == energy) // too large to advance: the grid ends here
            break;
    }
    return true;
}

QStringList CoefficientReport(const DataSets &sets, const ReportSelection &selection,
                              const ReportEnvironment &environment)
{
    QStringList lines;
    CoefficientReport(sets, selection, environment, CollectInto(lines));
    return lines;
}

bool SavedReportLines(const DataSets &sets, const ReportSelection &selection, const ReportEnvironment &environment,
                      const ReportLineSink &sink)
{
    return ReportsWithPrefixes(sets, selection, environment, QString(), QString(), sink);
}

QStringList SavedReportLines(const DataSets &sets, const ReportSelection &selection,
                             const ReportEnvironment &environment)
{
    QStringList lines;
    SavedReportLines(sets, selection, environment, CollectInto(lines));
    return lines;
}

QStringList PrintedReportLines(const DataSets &sets, const ReportSelection &selection,
                               const ReportEnvironment &environment)
{
    QStringList lines;
    ReportsWithPrefixes(sets, selection, environment, QString(5, QLatin1Char(' ')), QString(6, QLatin1Char(' ')),
                        CollectInto(lines));
    return lines;
}

void AppendSavedLine(QByteArray &bytes, const QString &line)
{
    // A line break inside a line (a legend typed with one) would put a bare
    // LF or CR into a file of CR LF lines: it becomes a blank.
    const auto isBreak = [](QChar c) {
        return c == QLatin1Char('\n') || c == QLatin1Char('\r') || c == QChar(0x0085) || c == QChar(0x2028) ||
            c == QChar(0x2029);
    };
    if (std::any_of(line.begin(), line.end(), isBreak)) {
        QString oneLine = line;
        std::replace_if(oneLine.begin(), oneLine.end(), isBreak, QLatin1Char(' '));
        bytes += oneLine.toUtf8();
    } else {
        bytes += line.toUtf8();
    }
    bytes += "\r\n";
}

ReportLineSink SavedLineWriter(std::function<bool(QByteArrayView bytes)> write)
{
    return [write = std::move(write), bytes = QByteArray()](const QString &line) mutable {
        bytes.resize(0); // keeps its memory for the next line
        AppendSavedLine(bytes, line);
        return write(bytes);
    };
}

QByteArray SavedReportBytes(const QStringList &lines)
{
    QByteArray bytes;
    for (const QString &line : lines)
        AppendSavedLine(bytes, line);
    return bytes;
}

long double RoundToHundredths(long double value)
{
    // nearbyint rounds halves to even in the default rounding mode.
    return std::nearbyint(value * 100.0L) * 0.01L;
}

int ReportPointCount(long double from, long double to, long double interval)
{
    const long double count = std::trunc((to - from) / interval + 0.5L) + 1.0L;
    if (!(count >= 0.0L))
        return 0;
    if (count > static_cast<long double>(std::numeric_limits<int>::max()))
        return std::numeric_limits<int>::max();
    return static_cast<int>(count);
}
