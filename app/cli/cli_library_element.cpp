// pheltra-cli library and pheltra-cli element.
#include "app/cli/cli_commands.h"
#include "app/cli/cli_error.h"
#include "app/reports/element_data.h"

int RunLibrary(const CommandContext &context)
{
    ExpectPositionals(context, 0, "");
    const TableFormat format = FormatOption(context);
    pheltra::LoadedLibrary loaded = pheltra::LoadLibrary(context.line.Value(kLibraryOption, context.cli.libraryFile));
    AddUserLibraryOption(context, loaded);
    // The status as the splash window words it, then what was read: after a
    // faulty line the entries before it, after a missing file none.
    Write(context.out,
          TableRow({loaded.Clean() ? QStringLiteral("ok") : loaded.Message()}, format) + QLatin1Char('\n'));
    for (const CompoundLibrary::Entry &entry : loaded.library.Entries()) {
        const float density = entry.compound.Density;
        Write(context.out,
              TableRow({entry.name, density > 0.0f ? ShortestText(density) : QStringLiteral("--"),
                        QString::number(entry.compound.ConstituentCount())},
                       format) +
                  QLatin1Char('\n'));
    }
    return FinishedStatus(context, loaded);
}

int ElementArgument(const QString &input)
{
    const ElementLookup lookup = FindElement(input);
    if (lookup.outcome != ElementLookup::Outcome::Found)
        throw CliError{ElementLookupProblem(lookup, input)};
    return lookup.z;
}

int RunElement(const CommandContext &context)
{
    ExpectPositionals(context, 1, "the atomic number or symbol");
    const TableFormat format = FormatOption(context);
    const QLocale locale = LocaleOption(context);
    const int z = ElementArgument(context.line.positionals.first());
    for (const auto &[label, value] : ElementDataFields(ElementData(z, locale)))
        Write(context.out, TableRow({label, value}, format) + QLatin1Char('\n'));
    return kExitOk;
}
