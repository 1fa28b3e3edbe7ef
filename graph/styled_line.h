// Wide dashed and dotted lines. Thin lines and solid ones use the surface's
// own pens; a wide line in any other style is emulated with filled circles
// along its digital line, following an on/off pattern whose position runs on
// from one segment to the next, so a dashed curve keeps its rhythm.
#pragma once

#include "graph/canvas.h"

#include <array>
#include <cstdlib>
#include <functional>

// Positions 0..Period of the pattern (Period + 1 positions a period); at most
// 301 positions, longer patterns are cut.
struct TDashPattern
{
    static constexpr int kPositions = 301;
    std::array<bool, kPositions> On{};
    int Period = 43;
};

// `diameter` is the dot diameter (the scaled pen width); `dashLen` and
// `dashDotLen` are the scaled lengths 15 and 9 of the dash parts.
TDashPattern MakeDashPattern(TPenStyle style, int diameter, int dashLen, int dashDotLen);

// Visits every pixel of the digital line from (x1, y1) towards (x2, y2), the
// end point excluded.
template<class Visit>
void WalkDigitalLine(int x1, int y1, int x2, int y2, Visit visit)
{
    const int dx = std::abs(x2 - x1), dy = std::abs(y2 - y1);
    const int sx = x1 < x2 ? 1 : -1, sy = y1 < y2 ? 1 : -1;
    int x = x1, y = y1;
    if (dx >= dy) {
        int err = dx / 2;
        for (int i = 0; i < dx; ++i) {
            visit(x, y);
            x += sx;
            err -= dy;
            if (err < 0) {
                y += sy;
                err += dx;
            }
        }
    } else {
        int err = dy / 2;
        for (int i = 0; i < dy; ++i) {
            visit(x, y);
            y += sy;
            err -= dx;
            if (err < 0) {
                x += sx;
                err += dy;
            }
        }
    }
}

// The device width of a thin line: one pixel of the settings as `scale`
// gives it, at least one device pixel. A line whose scaled width is at most
// this is drawn with the surface's own pen of this width (or, where it is 1,
// its own width), whose dots and dashes are multiples of the pen width; a
// wider one in a dotted or dashed style is emulated.
int ThinLineWidth(const std::function<int(int)> &scale);

// Draws from the canvas' pen position to (x, y) with the canvas pen, whose
// width is scaled by `scale` first; pen and brush are restored afterwards.
// `position` is the pattern position carried between segments.
void StyledLineTo(TGraphCanvas &canvas, int x, int y, const std::function<int(int)> &scale, int &position);
