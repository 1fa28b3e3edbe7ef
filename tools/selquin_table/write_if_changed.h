// Writes a generated file only when its text changed, so rebuilding leaves
// an unchanged output (and everything compiled from it) alone.
#pragma once

#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>

namespace pheltra::tools {

inline void WriteIfChanged(const std::string &path, const std::string &text)
{
    {
        std::ifstream old(path, std::ios::binary);
        std::ostringstream current;
        current << old.rdbuf();
        if (old && current.str() == text) {
            return;
        }
    }
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
    out.close();
    if (!out) {
        throw std::runtime_error(path + ": cannot write");
    }
}

} // namespace pheltra::tools
