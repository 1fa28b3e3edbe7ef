// A recorded picture with simple fixed font metrics, so checks can assert
// what the graph drew and where, with numbers worked out by hand.
#pragma once

#include "graph/picture_canvas.h"

#include <cstdlib>

class TRecordingCanvas : public TPictureCanvas
{
public:
    // Metrics of a font of pixel height h: every character is h/2 wide (the
    // product truncated), the cell is 6h/5 high.
    static int CharsWidth(int chars, int height) { return chars * std::abs(height) / 2; }
    static int CellHeight(int height) { return std::abs(height) * 6 / 5; }

    std::vector<TDrawOp> OfKind(TDrawOp::Kind kind) const;
    // The first text op showing exactly `text`; fails the check when none.
    const TDrawOp &TextOp(const QString &text) const;
    bool HasText(const QString &text) const;

protected:
    int DoTextWidth(const QString &shown) override { return CharsWidth(int(shown.size()), Font().Height); }
    int DoTextHeight(const QString &) override { return CellHeight(Font().Height); }
};
