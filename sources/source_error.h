// How the sources code refuses a request: one line saying what was wrong,
// in words every front end can pass on as they stand ("unknown nuclide
// 'Tc-98'", "line 7: the fluence '-3' is negative"). The batch tool prints it,
// the Python module raises it as ValueError, the window shows it.
#pragma once

#include <stdexcept>
#include <string>

namespace pheltra {

class SourceError : public std::runtime_error
{
public:
    explicit SourceError(const std::string &message) : std::runtime_error(message) { }
};

} // namespace pheltra
