// pheltra-cli composition and pheltra-cli report: the texts "Save Data"
// writes, from the program's own report code.
#include "absorber/material/absorber_choice.h"
#include "absorber/material/source_and_type.h"
#include "absorber/setup_file.h"
#include "app/cli/cli_commands.h"
#include "app/cli/cli_error.h"
#include "app/reports/report_file.h"
#include "textio/markup_text.h"
#include "app/reports/reports.h"
#include "textio/atomic_file.h"

#include <QRegularExpression>

#include <cmath>
#include <optional>

namespace {

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

std::pair<int, QString> RequireDataSet(const OptionSpec &option, const QString &text)
{
    if (const auto parsed = ForDataSet(text))
        return *parsed;
    throw CliError{QStringLiteral("%1 needs N=... with N from 1 to %2, not '%3'")
                       .arg(Dashed(option))
                       .arg(DataSets::kCount)
                       .arg(text)};
}

// A per-data-set option such as --source: "N=VALUE" for one data set, or a
// plain VALUE for all of them (given once). Missing ones keep fallback.
template<typename Parse>
std::array<int, DataSets::kCount> PerDataSet(const CommandContext &context, const OptionSpec &option, int fallback,
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
            throw CliError{QStringLiteral("%1 for all data sets may be given only once").arg(Dashed(option))};
        common = true;
        const int value = parse(text);
        for (std::size_t i = 0; i < values.size(); ++i) {
            if (!own[i])
                values[i] = value;
        }
    }
    return values;
}

float GridValue(const CommandContext &context, const OptionSpec &option)
{
    const QString name = Dashed(option);
    if (!context.line.Has(option))
        throw CliError{QStringLiteral("%1 is missing (the coefficient report needs %2, %3 and %4)")
                           .arg(name, Dashed(kFromOption), Dashed(kToOption), Dashed(kIntervalOption))};
    // As the selection dialog does: two decimals, halves to even, held in
    // 32 bits.
    const QString text = context.line.Value(option);
    const auto value = static_cast<float>(RoundToHundredths(ParseNumber(text, name)));
    if (!std::isfinite(value))
        throw CliError{QStringLiteral("%1 %2 is beyond the range of the energy grid").arg(name, text)};
    return value;
}

void ReadGrid(const CommandContext &context, ReportSelection &selection, bool toFile)
{
    selection.from = GridValue(context, kFromOption);
    selection.to = GridValue(context, kToOption);
    selection.interval = GridValue(context, kIntervalOption);
    for (const auto &[option, value] : {std::pair{kFromOption, selection.from}, std::pair{kToOption, selection.to}}) {
        if (value < kReportMinEnergy || value > kReportMaxEnergy)
            throw CliError{
                QStringLiteral("%1 must lie between %2 and %3 keV")
                    .arg(Dashed(option), QString::number(kEnergyRangeMin), QString::number(kEnergyRangeMax))};
    }
    if (selection.interval < kReportMinInterval)
        throw CliError{QStringLiteral("%1 must be at least %2 keV")
                           .arg(Dashed(kIntervalOption), QString::number(kReportMinInterval))};
    if (selection.to < selection.from)
        throw CliError{QStringLiteral("%1 lies below %2: the table would have no rows")
                           .arg(Dashed(kToOption), Dashed(kFromOption))};
    const int rows = ReportPointCount(selection.from, selection.to, selection.interval);
    if (!toFile && rows > kMaxPrintedReportRows)
        throw CliError{QStringLiteral("the energy grid has %1 points; at most %2 (more with --output FILE)")
                           .arg(rows)
                           .arg(kMaxPrintedReportRows)};
}

void ReadSelection(const CommandContext &context, ReportSelection &selection)
{
    const QString content = context.line.Value(kContentOption, QStringLiteral("both"));
    if (content != QLatin1String("both") && content != QLatin1String("composition") &&
        content != QLatin1String("coefficients"))
        throw CliError{
            QStringLiteral("%1 is both, composition or coefficients, not '%2'").arg(Dashed(kContentOption), content)};
    selection.absorberComposition = content != QLatin1String("coefficients");
    selection.absorptionCoefficients = content != QLatin1String("composition");

    if (context.line.Has(kSelectOption)) {
        selection.dataSets.fill(false);
        for (const QString &number : context.line.Value(kSelectOption).split(QLatin1Char(','))) {
            bool ok = false;
            const int n = number.trimmed().toInt(&ok);
            if (!ok || n < 1 || n > DataSets::kCount)
                throw CliError{QStringLiteral("%1 lists data sets 1 to %2, not '%3'")
                                   .arg(Dashed(kSelectOption))
                                   .arg(DataSets::kCount)
                                   .arg(number)};
            selection.dataSets[static_cast<std::size_t>(n - 1)] = true;
        }
    }
    if (selection.absorptionCoefficients)
        ReadGrid(context, selection, context.line.Has(kOutputOption));
}

QDateTime ReportMoment(const CommandContext &context)
{
    QDateTime moment = context.cli.now;
    if (context.line.Has(kDateOption)) {
        const QString text = context.line.Value(kDateOption);
        const QDate date = QDate::fromString(text, QStringLiteral("yyyy-MM-dd"));
        if (!date.isValid())
            throw CliError{QStringLiteral("%1 is YYYY-MM-DD, not '%2'").arg(Dashed(kDateOption), text)};
        moment.setDate(date);
    }
    if (context.line.Has(kTimeOption)) {
        const QString text = context.line.Value(kTimeOption);
        const QTime time = QTime::fromString(text, QStringLiteral("HH:mm:ss"));
        if (!time.isValid())
            throw CliError{QStringLiteral("%1 is HH:MM:SS, not '%2'").arg(Dashed(kTimeOption), text)};
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
        MaterialOption(context, kDataSourceB, kCoeffTypeAttenuationTotal, context.line.Value(kLegendOption));
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
    const auto sources = PerDataSet(context, kSourceOption, kDataSourceB, pheltra::ParseSource);
    const auto types = PerDataSet(context, kTypeOption, kCoeffTypeAttenuationTotal, pheltra::ParseCoeffType);
    std::array<QString, DataSets::kCount> legends;
    for (const QString &text : context.line.Values(kLegendOption)) {
        const auto [index, legend] = RequireDataSet(kLegendOption, text);
        legends[static_cast<std::size_t>(index)] = legend;
    }
    // A set-up made in the window gives all six data sets, with their sources,
    // types and legends.
    const bool fromSetup = context.line.Has(kSetupOption);
    for (const OptionSpec &option : {kSetOption, kSourceOption, kTypeOption, kLegendOption}) {
        if (fromSetup && context.line.Has(option))
            throw CliError{QStringLiteral("%1 gives the data sets; %2 cannot be added to it")
                               .arg(Dashed(kSetupOption), Dashed(option))};
    }
    const QStringList setTexts = context.line.Values(kSetOption);
    if (setTexts.isEmpty() && !fromSetup)
        throw CliError{QStringLiteral("no %1 given (nor %2)").arg(Dashed(kSetOption), Dashed(kSetupOption))};

    const QString outputFile = context.line.Value(kOutputOption);
    if (context.line.Has(kOutputOption)) {
        if (outputFile.isEmpty())
            throw CliError{QStringLiteral("%1 needs a file name").arg(Dashed(kOutputOption))};
        if (IsNonRegularFile(outputFile))
            throw CliError{NotRegularFileMessage(QLatin1Char('\'') + outputFile + QLatin1Char('\''))};
    }

    const pheltra::LoadedLibrary library = LoadLibraryOption(context);
    DataSets sets;
    if (fromSetup) {
        try {
            sets = pheltra::ReadSetupFile(context.line.Value(kSetupOption), library.library).sets;
        } catch (const pheltra::SetupError &error) {
            throw CliError{error.message};
        }
    }
    std::array<QList<pheltra::AbsorberChoice>, DataSets::kCount> absorbers;
    for (const QString &text : setTexts) {
        const auto [index, list] = RequireDataSet(kSetOption, text);
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
    // The writer's reason names the file and the system's reason already.
    WriteMessage(context.err, error);
    return kExitFailure;
}
