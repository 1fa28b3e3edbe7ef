// selquin_derive
// Prints what library H's lookup derives from the committed table (compiled
// into this program) in extended precision; the build writes it through
// tools/generated_file.py, which leaves an unchanged file untouched.
#include <exception>
#include <iostream>
#include <sstream>

#include "tools/selquin_table/derived_writer.h"

int main(int argc, char **)
{
    if (argc != 1) {
        std::cerr << "usage: selquin_derive > selquin_derived.cpp\n";
        return 2;
    }
    try {
        std::ostringstream text;
        pheltra::tools::WriteSelquinDerived(text);
        std::cout << text.str() << std::flush;
        if (!std::cout) {
            std::cerr << "selquin_derive: cannot write the derived tables\n";
            return 1;
        }
    } catch (const std::exception &e) {
        std::cerr << "selquin_derive: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
