// Prints a compound library file as the loader reads it, one entry a line:
//   name <TAB> formula <TAB> source <TAB> density <TAB> Z:weight ...
// Numbers are printed with 9 significant digits, enough to tell any two
// 32-bit floats apart. Used by check_shipped_library.py to compare the
// shipped file with the data it was generated from.
#include "absorber/compound_file.h"

#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: dump_compound_library <file>\n");
        return 2;
    }
    CompoundLibrary library;
    const LibraryStatus status = LoadCompoundLibrary(QString::fromLocal8Bit(argv[1]), library);
    QTextStream out(stdout);
    out << "status\t" << status << "\n";
    for (const auto &[name, compound] : library.Entries()) {
        out << name << '\t' << compound.Formula.str() << '\t' << compound.Source.str() << '\t'
            << QString::number(compound.Density, 'g', 9);
        for (int i = 0; i < compound.ConstituentCount(); ++i)
            out << '\t' << compound.Z[i] << ':' << QString::number(compound.Weight[i], 'g', 9);
        out << '\n';
    }
    return 0;
}
