// The commands of pheltra-cli, their options and their --help texts.
#include "absorber/data_set_list.h"
#include "absorber/data_sources.h"
#include "app/cli/cli_commands.h"
#include "app/cli/cli_shielding.h"
#include "app/reports/reports.h"

namespace {

const char kLibraryHelp[] =
    "Usage: pheltra-cli library [--library FILE] [--format tsv|csv]\n"
    "                           [--no-user-library]\n"
    "\n"
    "Reads the compound library as Pheltra does at start-up: FILE, or else the one\n"
    "Pheltra reads (CmpMix.dat in the working folder, else the installed one; see\n"
    "pheltra-cli --help). The first line is \"ok\" or the message Pheltra's start-up\n"
    "window shows; then one line per entry: name, density in g/cm3 (\"--\" when none\n"
    "is given) and the number of constituents.\n"
    "Exit status 0 when the library loaded without fault, 3 when the file is\n"
    "missing or unreadable or a line is faulty (the entries before it are listed).\n";

const char kMuHelp[] =
    "Usage: pheltra-cli mu --absorber NAME[:WEIGHT] ... [--formula F[:WEIGHT] ...]\n"
    "                      [--density D] [--source H|B] [--type TYPE]\n"
    "                      [ENERGY ...] [--grid FROM:TO:STEP] [--log FROM:TO:N] [--edges]\n"
    "                      [--format tsv|csv] [--library FILE]\n"
    "                      [--no-user-library]\n"
    "\n"
    "Mixes up to six library entries by relative weight (1 when omitted; names\n"
    "are found ignoring case) and prints \"energy_keV<TAB>value\" lines: the mass\n"
    "coefficient in cm2/g that Pheltra plots, or \"--\" where there is none.\n"
    "  --formula  a chemical formula in place of (or mixed with) library entries:\n"
    "             H2O, Ca10(PO4)6(OH)2, Al2O3(SiO2)1.5, CuSO4*5H2O; --density D\n"
    "             (g/cm3) gives the material's density\n"
    "  --source   B (default, \"Ludrane, Pestova; Med Phys 23(1996)1997\") or\n"
    "             H (\"Zentrilo, Kavomer; NISTIR 5632, 1995\")\n"
    "  --type     a coefficient type by short name or as Pheltra lists it, default\n"
    "             mu (attenuation-total): mu, mu_pe, mu_coh, mu_incoh, mu_pair, mu_trip\n"
    "             (attenuation), mu_tr, mu_tr_pe, mu_tr_incoh, mu_tr_pair (energy\n"
    "             transfer), mu_en, mu_en_pe, mu_en_incoh, mu_en_pair (energy\n"
    "             absorption), or (none); source H offers (none), mu and mu_en\n"
    "  ENERGY     energies in keV, e.g. 1 10 88.29\n"
    "  --grid     FROM, FROM+STEP, ... up to TO (keV)\n"
    "  --log      N energies evenly spaced in log(E) from FROM to TO (keV)\n"
    "  --edges    every absorption edge of the material's elements and the point\n"
    "             0.001 keV below it, as the graph adds them, within the span of the\n"
    "             other energies (%1 to %2 keV when given alone)\n"
    "Energies come out in ascending order, each once; numbers use \".\" as the\n"
    "decimal point and are printed in full precision. Energies a source does not\n"
    "cover give \"--\" and a warning on stderr.\n";

const char kCompositionHelp[] =
    "Usage: pheltra-cli composition --absorber NAME[:WEIGHT] ... [--formula F[:WEIGHT] ...]\n"
    "                               [--density D] [--legend TEXT] [--locale NAME]\n"
    "                               [--library FILE]\n"
    "                               [--no-user-library]\n"
    "\n"
    "Prints the block of the absorber report that Pheltra's \"Save Data\" writes for\n"
    "this material as data set 1: its entries and relative weights, the elemental\n"
    "weight fractions, electrons per gram and per cm3 and the effective Z. Numbers\n"
    "use the decimal separator of the locale (the user's, or --locale such as C or\n"
    "de_DE); lines end in CR LF, as in the saved file. --formula and --density as\n"
    "for mu.\n";

const char kReportHelp[] =
    "Usage: pheltra-cli report --set N=NAME[:W],NAME[:W]... [--set ...]\n"
    "                          --from A --to B --interval C\n"
    "                          [--source [N=]H|B] [--type [N=]TYPE] [--legend N=TEXT]\n"
    "                          [--select 1,2,...] [--content both|composition|coefficients]\n"
    "                          [--date YYYY-MM-DD] [--time HH:MM:SS] [--locale NAME]\n"
    "                          [--library FILE] [--output FILE]\n"
    "                          [--no-user-library]\n"
    "   or: pheltra-cli report --setup FILE.pheltra --from A --to B --interval C ...\n"
    "\n"
    "Prints, byte for byte, the file Pheltra's \"Save Data\" writes for the same data\n"
    "sets and selection (with --output FILE, writes that file as Save Data does):\n"
    "the absorber report, then the coefficient report on the grid A, A+C, ... up\n"
    "to B keV. Data set N (1 to %1) gets the listed entries\n"
    "(--set may be repeated, also for the same N); --source and --type apply to\n"
    "all data sets, or with N= to one. --select picks the data sets reported\n"
    "(default all six; those without entries show \"(no entries)\"). A, B and C are\n"
    "rounded to two decimals as the dialog does; A and B lie in %2..%3 keV, C is\n"
    "at least %4; printed, the grid has at most %5 energies, with --output\n"
    "any grid the dialog takes. --output FILE replaces FILE only once the whole\n"
    "report is written (a failure leaves it as it was) and refuses a FILE that\n"
    "is not a regular file. The header shows the date and time in the locale's\n"
    "formats, now unless --date/--time say otherwise. --setup FILE takes the six\n"
    "data sets (entries, weights, sources, types, legends) of a set-up saved with\n"
    "Pheltra's File, Save Set-up... instead of --set, --source, --type and --legend.\n";

const char kElementHelp[] =
    "Usage: pheltra-cli element Z|SYMBOL [--locale NAME] [--format tsv|csv]\n"
    "\n"
    "Prints the fields of Pheltra's atomic data view as \"label<TAB>value\" lines:\n"
    "name, atomic number, symbol, atomic weight, density, excitation potential,\n"
    "the absorption edges K to N3 of source H above 1 keV, and the K and L\n"
    "fluorescence yields and the K(alpha)/K(beta) value (\"--\" where there is none).\n"
    "The element is found as the view finds it: an atomic number 1 to 99, or a\n"
    "symbol matched on the first two characters (\"fe2o3\" finds iron).\n";

const char kSlabHelp[] =
    "Usage: pheltra-cli slab --absorber NAME[:WEIGHT] ... | --formula F[:WEIGHT] ...\n"
    "                        [--density D] [--source H|B] [--type TYPE]\n"
    "                        [--thickness X(cm|mm|um|g/cm2)] [--transmission T]\n"
    "                        ENERGY ... [--format tsv|csv] [--library FILE]\n"
    "                        [--no-user-library]\n"
    "\n"
    "Narrow-beam quantities of a slab of the material, without build-up: a first\n"
    "line starting with \"#\" says so, a header line names the columns, then one\n"
    "line per energy (keV): mu/rho (cm2/g), mu (1/cm), the mean free path 1/mu,\n"
    "the half- and tenth-value layers ln2/mu and ln10/mu (cm); with --thickness the\n"
    "transmission exp(-mu x), with --transmission T (0 < T <= 1) the thickness\n"
    "-ln(T)/mu (cm) that gives it. \"--\" where the source gives no value.\n"
    "The density is the library's (mixtures: the weight-averaged harmonic mean);\n"
    "--density D (g/cm3) replaces it, as for a pressed powder or a gas at another\n"
    "pressure, and a material without a density needs it. --formula, --source and\n"
    "--type as for mu.\n";

QString LibraryHelp()
{
    return QString::fromUtf8(kLibraryHelp);
}

QString MuHelp()
{
    return QString::fromUtf8(kMuHelp).arg(QString::number(kEnergyRangeMin), QString::number(kEnergyRangeMax));
}

QString CompositionHelp()
{
    return QString::fromUtf8(kCompositionHelp);
}

QString ReportHelp()
{
    return QString::fromUtf8(kReportHelp)
        .arg(QString::number(DataSets::kCount), QString::number(kEnergyRangeMin), QString::number(kEnergyRangeMax),
             QString::number(kReportMinInterval), QString::number(kMaxPrintedReportRows));
}

QString ElementHelp()
{
    return QString::fromUtf8(kElementHelp);
}

QString SlabHelp()
{
    return QString::fromUtf8(kSlabHelp);
}

// The options of a command that evaluates one material (mu, slab), and its
// own ones.
std::vector<OptionSpec> MaterialTableOptions(std::initializer_list<OptionSpec> own)
{
    std::vector<OptionSpec> options{kHelpOption,    kLibraryOption,  kNoUserLibraryOption,
                                    kFormatOption,  kAbsorberOption, kFormulaOption,
                                    kDensityOption, kSourceOption,   kTypeOption};
    options.insert(options.end(), own);
    return options;
}

} // namespace

const std::vector<Command> &Commands()
{
    static const std::vector<Command> commands{
        {"library",
         "the compound library's load status and its entries",
         {kHelpOption, kLibraryOption, kNoUserLibraryOption, kFormatOption},
         &RunLibrary,
         &LibraryHelp},
        {"mu", "one material's coefficient at chosen energies",
         MaterialTableOptions({kGridOption, kLogOption, kEdgesOption}), &RunMu, &MuHelp},
        {"composition",
         "the absorber report block of one material",
         {kHelpOption, kLibraryOption, kNoUserLibraryOption, kLocaleOption, kAbsorberOption, kFormulaOption,
          kDensityOption, kLegendOption},
         &RunComposition,
         &CompositionHelp},
        {"report",
         "the saved report (absorbers and coefficients) of up to six data sets",
         {kHelpOption, kLibraryOption, kNoUserLibraryOption, kLocaleOption, kSetupOption, kSetOption,
          PerDataSetOption(kSourceOption), PerDataSetOption(kTypeOption), PerDataSetOption(kLegendOption), kFromOption,
          kToOption, kIntervalOption, kSelectOption, kContentOption, kDateOption, kTimeOption, kOutputOption},
         &RunReport,
         &ReportHelp},
        {"element",
         "the atomic data of one element",
         {kHelpOption, kLocaleOption, kFormatOption},
         &RunElement,
         &ElementHelp},
        {"slab", "narrow-beam transmission, HVL, TVL and mean free path of a material",
         MaterialTableOptions({kThicknessOption, kTransmissionOption}), &RunSlab, &SlabHelp},
        {"nuclide", "a nuclide's photon lines, half-life and air-kerma-rate constant", NuclideOptions(), &RunNuclide,
         &NuclideHelp},
        {"beam", "an X-ray beam's HVLs, mean and effective energies and air kerma", BeamOptions(), &RunBeam, &BeamHelp},
        {"buildup", "build-up factors of ANSI/ANS-6.4.3 of a material at energies and depths", BuildupOptions(),
         &RunBuildup, &BuildupHelp},
        {"shield", "a point source behind layers in broad beam; the thickness for a target", ShieldOptions(),
         &RunShield, &ShieldHelp},
    };
    return commands;
}
