// The graph's fonts as Qt fonts: a TGraphFont's face (mapped as
// textio/font_faces.h maps it), style and device height.
#pragma once

#include "graph/graph_types.h"
#include "textio/font_faces.h"

#include <QFont>

// A QFont of the given face, style and device height (see TGraphFont).
QFont QtFontFor(const TGraphFont &font);
