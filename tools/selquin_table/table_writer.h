// Writes the committed source of library H's table: the NIST rows as 32-bit
// floats written from the source's own decimal text, and the row counts.
#pragma once

#include <ostream>
#include <vector>

#include "tools/selquin_table/nist_table_reader.h"

namespace pheltra::tools {

void WriteSelquinTable(const std::vector<NistRow> &rows, std::ostream &out);

} // namespace pheltra::tools
