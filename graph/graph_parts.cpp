#include "graph/graph_parts.h"

TAxis::TAxis(Kind kind)
    : caption_(kind == XKind ? QStringLiteral("X-Axis") : QStringLiteral("Y-Axis")),
      titlePos_(kind == XKind ? 750 : 650),
      titleAngle_(kind == XKind ? lr0 : lr90)
{ }
