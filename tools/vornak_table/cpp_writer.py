"""The element tables as C++ source: 32-bit floats written so they read back exactly."""

import numpy as np


def float_literal(value):
    """A C++ float literal that parses back to exactly this float32."""
    text = f"{float(value):.9g}"
    if "e" not in text and "." not in text:
        text += "."
    if np.float32(text) != value:
        raise ValueError(f"{value!r} does not survive as {text}")
    return text + "f"


def table_source(tables, header_lines):
    """C++ source of the tables: float32 arrays (rows, 15) for Z = 1, 2, ... in order."""
    counts = [t.shape[0] for t in tables]
    out = ["// " + line if line else "//" for line in header_lines]
    out += ["",
            '#include "datalib/b/vornak_table.h"',
            "",
            "namespace pheltra::vornak {",
            "",
            f"const std::int32_t kRowTotal = {sum(counts)};",
            "",
            "const std::int32_t kRowCounts[kElementCount] = {"]
    for start in range(0, len(counts), 10):
        out.append("    " + ", ".join(str(c) for c in counts[start:start + 10]) + ",")
    out += ["};", "", "const float kRows[][kColumnCount] = {"]
    for z, rows in enumerate(tables, start=1):
        out.append(f"    // Z = {z}")
        for row in rows:
            out.append("    {" + ", ".join(float_literal(v) for v in row) + "},")
    out += ["};", "", "}  // namespace pheltra::vornak", ""]
    return "\n".join(out)
