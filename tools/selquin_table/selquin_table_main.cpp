// selquin_table <nist_xaamdi_elements.tsv> <selquin_table_data.h>
// Writes library H's committed table from the NIST source text.
#include <exception>
#include <iostream>
#include <sstream>

#include "tools/selquin_table/nist_table_reader.h"
#include "tools/selquin_table/table_writer.h"
#include "tools/selquin_table/write_if_changed.h"

int main(int argc, char **argv)
{
    if (argc != 3) {
        std::cerr << "usage: selquin_table <nist tsv> <out.h>\n";
        return 2;
    }
    try {
        auto rows = pheltra::tools::ReadNistTable(argv[1]);
        // The library gives platinum eight edge pairs, without the M5 edge.
        pheltra::tools::DropEdgePair(rows, 78, "2.1216");
        std::ostringstream text;
        pheltra::tools::WriteSelquinTable(rows, text);
        pheltra::tools::WriteIfChanged(argv[2], text.str());
    } catch (const std::exception &e) {
        std::cerr << "selquin_table: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
