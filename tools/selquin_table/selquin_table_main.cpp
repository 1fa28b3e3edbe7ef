// selquin_table <nist_xaamdi_elements.tsv>
// Prints library H's committed table (datalib/h/selquin_table_data.h) made
// from the NIST source text; tools/generated_file.py writes or checks it:
//   tools/generated_file.py datalib/h/selquin_table_data.h -- selquin_table <tsv>
#include <exception>
#include <iostream>
#include <sstream>

#include "tools/selquin_table/nist_table_reader.h"
#include "tools/selquin_table/table_writer.h"

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::cerr << "usage: selquin_table <nist tsv>\n";
        return 2;
    }
    try {
        const auto rows = pheltra::tools::ReadNistTable(argv[1]);
        std::ostringstream text;
        pheltra::tools::WriteSelquinTable(rows, text);
        std::cout << text.str() << std::flush;
        if (!std::cout) {
            std::cerr << "selquin_table: cannot write the table\n";
            return 1;
        }
    } catch (const std::exception &e) {
        std::cerr << "selquin_table: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
