#include "graph/scale.h"

void TScale::SetMinRange(double v)
{
    if (minRange_ == v)
        return;
    minRange_ = v;
    // The smallest range only matters to a scale that follows its data.
    if (autoSizing_)
        OnChange();
}
