// Scale faults of the graph. Messages are shown to the user as they stand.
#pragma once

#include <stdexcept>
#include <string>

// A logarithmic scale without a positive lower end. The drawing sequence hands
// it to the graph's OnLogScaleError handler when one is assigned.
class ELogScaleError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// A value at or below zero mapped onto a logarithmic axis while no
// OnNegativeValues handler is assigned. Never absorbed by the drawing sequence.
class ENegValError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};
