#include "tests/graph/recording_canvas.h"

#include <gtest/gtest.h>

#include <algorithm>

std::vector<TDrawOp> TRecordingCanvas::OfKind(TDrawOp::Kind kind) const
{
    std::vector<TDrawOp> out;
    std::copy_if(ops.begin(), ops.end(), std::back_inserter(out), [&](const TDrawOp &op) { return op.kind == kind; });
    return out;
}

bool TRecordingCanvas::HasText(const QString &text) const
{
    return std::any_of(ops.begin(), ops.end(),
                       [&](const TDrawOp &op) { return op.kind == TDrawOp::Kind::Text && op.text == text; });
}

const TDrawOp &TRecordingCanvas::TextOp(const QString &text) const
{
    for (const TDrawOp &op : ops)
        if (op.kind == TDrawOp::Kind::Text && op.text == text)
            return op;
    ADD_FAILURE() << "no text drawn: " << text.toStdString();
    static const TDrawOp none = [] {
        TDrawOp op;
        op.kind = TDrawOp::Kind::Text;
        op.points = {{0, 0}};
        return op;
    }();
    return none;
}
