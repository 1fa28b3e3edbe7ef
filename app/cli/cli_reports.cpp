// pheltra-cli composition and pheltra-cli report: the texts "Save Data"
// writes, from the program's own report code.
#include "absorber/material/absorber_choice.h"
#include "absorber/material/source_and_type.h"
#include "absorber/setup_file.h"
#include "app/cli/cli_commands.h"
#include "app/cli/cli_error.h"
#include "app/reports/report_file.h"
#include "graph/markup_text.h"
#include "app/reports/reports.h"
#include "graph/atomic_file.h"

#include <QRegularExpression>

#include <cmath>
#include <optional>

namespace {

// Rows printed to stdout at most; --output takes every grid the dialog takes
// (up to 4999901 rows, 1 to 50000 keV by 0.01), as Save Data does after its
// count question.
constexpr int kMaxPrintedReportRows = 100000;

// "N=VALUE" with N from 1 to 6: the data set's index (0-based) and VALUE.
std::optional<std::pair<int, QString>> ForDataSet(const QString &text)
{
    static const QRegularExpression pattern(QStringLiteral("^\\s*([1-6])\\s*=(.*)$"),
                                            QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    return std::pair{match.captured(1).toInt() - 1, match.captured(2)};
}

std::pair<int, QString> RequireDataSet(const QString &option, const QString &text)
{
    if (const auto parsed = ForDataSet(text))
        return *parsed;
    throw CliError{
        QStringLiteral("--%1 needs N=... with N from 1 to %2, not '%3'").arg(option).arg(DataSets::kCount).arg(text)};
}

// A per-data-set option such as --source: "N=VALUE" for one data set, or a
// plain VALUE for all of them (given once). Missing ones keep fallback.
template<typename Parse>
std::array<int, DataSets::kCount> PerDataSet(const CommandContext &context, const QString &option, int fallback,
                                             Parse parse)
{
    std::array<int, DataSets::kCount> values{};
    values.fill(fallback);
    std::array<bool, DataSets::kCount> own{};
    bool common = false;
    for (const QString &text : context.line.Values(option)) {
        if (const auto parsed = ForDataSet(text)) {
            values[static_cast<std::size_t>(parsed->first)] = parse(parsed->second.trimmed());
            own[static_cast<std::size_t>(parsed->first)] = true;
            continue;
        }
        if (common)
            throw CliError{QStringLiteral("--%1 for all data sets may be given only once").arg(option)};
        common = true;
        const int value = parse(text);
        for (std::size_t i = 0; i < values.size(); ++i) {
            if (!own[i])
                values[i] = value;
        }
    }
    return values;
}

float GridValue(const CommandContext &context, const char *option)
{
    const QString name = QLatin1String(option);
    if (!context.line.Has(name))
        throw CliError{
            QStringLiteral("--%1 is missing (the coefficient report needs --from, --to and --interval)").arg(name)};
    // As the selection dialog does: two decimals, halves to even, held in
    // 32 bits.
    const QString text = context.line.Value(name);
    const auto value = static_cast<float>(RoundToHundredths(ParseNumber(text, QStringLiteral("--") + name)));
    if (!std::isfinite(value))
        throw CliError{QStringLiteral("--%1 %2 is beyond the range of the energy grid").arg(name, text)};
    return value;
}

void ReadGrid(const CommandContext &context, ReportSelection &selection, bool toFile)
{
    selection.from = GridValue(context, "from");
    selection.to = GridValue(context, "to");
    selection.interval = GridValue(context, "interval");
    for (const auto &[name, value] : {std::pair{"from", selection.from}, std::pair{"to", selection.to}}) {
        if (value < kReportMinEnergy || value > kReportMaxEnergy)
            throw CliError{
                QStringLiteral("--%1 must lie between %2 and %3 keV")
                    .arg(QLatin1String(name), QString::number(kEnergyRangeMin), QString::number(kEnergyRangeMax))};
    }
    if (selection.interval < kReportMinInterval)
        throw CliError{QStringLiteral("--interval must be at least 0.01 keV")};
    if (selection.to < selection.from)
        throw CliError{QStringLiteral("--to lies below --from: the table would have no rows")};
    const int rows = ReportPointCount(selection.from, selection.to, selection.interval);
    if (!toFile && rows > kMaxPrintedReportRows)
        throw CliError{QStringLiteral("the energy grid has %1 points; at most %2 (more with --output FILE)")
                           .arg(rows)
                           .arg(kMaxPrintedReportRows)};
}

void ReadSelection(const CommandContext &context, ReportSelection &selection)
{
    const QString content = context.line.Value(QStringLiteral("content"), QStringLiteral("both"));
    if (content != QLatin1String("both") && content != QLatin1String("composition") &&
        content != QLatin1String("coefficients"))
        throw CliError{QStringLiteral("--content is both, composition or coefficients, not '%1'").arg(content)};
    selection.absorberComposition = content != QLatin1String("coefficients");
    selection.absorptionCoefficients = content != QLatin1String("composition");

    if (context.line.Has(QStringLiteral("select"))) {
        selection.dataSets.fill(false);
        for (const QString &number : context.line.Value(QStringLiteral("select")).split(QLatin1Char(','))) {
            bool ok = false;
            const int n = number.trimmed().toInt(&ok);
            if (!ok || n < 1 || n > DataSets::kCount)
                throw CliError{
                    QStringLiteral("--select lists data sets 1 to %1, not '%2'").arg(DataSets::kCount).arg(number)};
            selection.dataSets[static_cast<std::size_t>(n - 1)] = true;
        }
    }
    if (selection.absorptionCoefficients)
        ReadGrid(context, selection, context.line.Has(QStringLiteral("output")));
}

QDateTime ReportMoment(const CommandContext &context)
{
    QDateTime moment = context.cli.now;
    if (context.line.Has(QStringLiteral("date"))) {
        const QString text = context.line.Value(QStringLiteral("date"));
        const QDate date = QDate::fromString(text, QStringLiteral("yyyy-MM-dd"));
        if (!date.isValid())
            throw CliError{QStringLiteral("--date is YYYY-MM-DD, not '%1'").arg(text)};
        moment.setDate(date);
    }
    if (context.line.Has(QStringLiteral("time"))) {
        const QString text = context.line.Value(QStringLiteral("time"));
        const QTime time = QTime::fromString(text, QStringLiteral("HH:mm:ss"));
        if (!time.isValid())
            throw CliError{QStringLiteral("--time is HH:MM:SS, not '%1'").arg(text)};
        moment.setTime(time);
    }
    return moment;
}

} // namespace

int RunComposition(const CommandContext &context)
{
    ExpectPositionals(context, 0, "");
    const QLocale locale = LocaleOption(context);
    Material material =
        MaterialOption(context, kDataSourceB, kCoeffTypeAttenuationTotal, context.line.Value(QStringLiteral("legend")));
    DataSets sets;
    sets[0] = material.set;

    ReportSelection selection;
    selection.dataSets.fill(false);
    selection.dataSets[0] = true;
    // The report without its title and "=" lines: the block of data set 1.
    const QStringList block = AbsorberListReport(sets, selection, ReportEnvironment{context.cli.now, locale}).mid(2);
    QStringList lines;
    for (const QString &line : block)
        lines << PlainTextOfMarkup(line);
    WriteSavedLines(context.out, lines);
    return FinishedStatus(context, material.library);
}

int RunReport(const CommandContext &context)
{
    ExpectPositionals(context, 0, "");
    const QLocale locale = LocaleOption(context);
    ReportSelection selection;
    ReadSelection(context, selection);
    const ReportEnvironment environment{ReportMoment(context), locale};
    const auto sources = PerDataSet(context, QStringLiteral("source"), kDataSourceB, pheltra::ParseSource);
    const auto types = PerDataSet(context, QStringLiteral("type"), kCoeffTypeAttenuationTotal, pheltra::ParseCoeffType);
    std::array<QString, DataSets::kCount> legends;
    for (const QString &text : context.line.Values(QStringLiteral("legend"))) {
        const auto [index, legend] = RequireDataSet(QStringLiteral("legend"), text);
        legends[static_cast<std::size_t>(index)] = legend;
    }
    // A set-up made in the window gives all six data sets, with their sources,
    // types and legends.
    const bool fromSetup = context.line.Has(QStringLiteral("setup"));
    for (const char *option : {"set", "source", "type", "legend"}) {
        if (fromSetup && context.line.Has(QLatin1String(option)))
            throw CliError{
                QStringLiteral("--setup gives the data sets; --%1 cannot be added to it").arg(QLatin1String(option))};
    }
    const QStringList setTexts = context.line.Values(QStringLiteral("set"));
    if (setTexts.isEmpty() && !fromSetup)
        throw CliError{QStringLiteral("no --set given (nor --setup)")};

    const QString outputFile = context.line.Value(QStringLiteral("output"));
    if (context.line.Has(QStringLiteral("output"))) {
        if (outputFile.isEmpty())
            throw CliError{QStringLiteral("--output needs a file name")};
        if (IsNonRegularFile(outputFile))
            throw CliError{NotRegularFileMessage(QLatin1Char('\'') + outputFile + QLatin1Char('\''))};
    }

    const pheltra::LoadedLibrary library = LoadLibraryOption(context);
    DataSets sets;
    if (fromSetup) {
        try {
            sets = pheltra::ReadSetupFile(context.line.Value(QStringLiteral("setup")), library.library).sets;
        } catch (const pheltra::SetupError &error) {
            throw CliError{error.message};
        }
    }
    std::array<QList<pheltra::AbsorberChoice>, DataSets::kCount> absorbers;
    for (const QString &text : setTexts) {
        const auto [index, list] = RequireDataSet(QStringLiteral("set"), text);
        QList<pheltra::AbsorberChoice> &chosen = absorbers[static_cast<std::size_t>(index)];
        try {
            chosen << pheltra::ParseAbsorberList(list, library, TCmpDataSet::kAbsorberSlots - chosen.size());
        } catch (const pheltra::InputError &error) {
            throw CliError{QStringLiteral("data set %1: %2").arg(index + 1).arg(CliErrorOf(error).message)};
        }
    }
    for (int i = 0; i < DataSets::kCount; ++i) {
        const auto slot = static_cast<std::size_t>(i);
        if (absorbers[slot].isEmpty())
            continue;
        try {
            pheltra::FillDataSet(sets[i], absorbers[slot], sources[slot], types[slot], legends[slot], library);
        } catch (const pheltra::InputError &error) {
            throw CliError{QStringLiteral("data set %1: %2").arg(i + 1).arg(CliErrorOf(error).message)};
        }
        sets[i].LineColor = DataSets::DefaultLineColor(i);
    }
    if (outputFile.isEmpty()) {
        SavedReportLines(sets, selection, environment, SavedLineWriter([&context](QByteArrayView bytes) {
                             return bool(context.out.write(bytes.data(), bytes.size()));
                         }));
        return FinishedStatus(context, library);
    }
    QString error;
    switch (WriteSavedReport(outputFile, sets, selection, environment, &error)) {
    case TReportSaveResult::Saved:
        return FinishedStatus(context, library);
    case TReportSaveResult::NotRegularFile:
        throw CliError{NotRegularFileMessage(QLatin1Char('\'') + outputFile + QLatin1Char('\''))};
    case TReportSaveResult::WriteFailed:
        break;
    }
    WriteMessage(context.err, QStringLiteral("'%1' could not be written: %2").arg(outputFile, error));
    return kExitFailure;
}
