// selquin_derive <selquin_derived.cpp>
// Writes, at build time, what library H's lookup derives from the committed
// table (compiled into this program) in extended precision.
#include <exception>
#include <iostream>
#include <sstream>

#include "tools/selquin_table/derived_writer.h"
#include "tools/selquin_table/write_if_changed.h"

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::cerr << "usage: selquin_derive <out.cpp>\n";
        return 2;
    }
    try {
        std::ostringstream text;
        pheltra::tools::WriteSelquinDerived(text);
        pheltra::tools::WriteIfChanged(argv[1], text.str());
    } catch (const std::exception &e) {
        std::cerr << "selquin_derive: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
