// Where the read-out box goes beside the pointer.
#include "graph/plot_overlay.h"

#include <gtest/gtest.h>

TEST(ReadoutBoxPlace, BesideThePointerNeverOverItsColumn)
{
    const QRect plot(QPoint(50, 20), QPoint(650, 420));
    const QRect graph(0, 0, 700, 480);
    // Room on the right: 16 to the right, centred on the pointer.
    EXPECT_EQ(ReadoutBoxPlace({300, 200}, {200, 60}, plot, 16, graph), QRect(316, 170, 200, 60));
    // Near the right edge: left of the pointer.
    EXPECT_EQ(ReadoutBoxPlace({600, 200}, {200, 60}, plot, 16, graph).right(), 600 - 16 - 1);
    // Near the top and bottom: kept inside the plot box.
    EXPECT_EQ(ReadoutBoxPlace({300, 25}, {200, 60}, plot, 16, graph).top(), 20);
    EXPECT_EQ(ReadoutBoxPlace({300, 418}, {200, 60}, plot, 16, graph).bottom(), 420 - 1);
}

// A box too wide for either side of the pointer (a read-out on an edge) goes
// below or above the point read and stays inside the graph.
TEST(ReadoutBoxPlace, TooWideForEitherSideStaysInsideTheGraph)
{
    const QRect plot(QPoint(50, 20), QPoint(650, 420));
    const QRect graph(0, 0, 700, 480);
    struct Row
    {
        QPoint pointer;
        QSize size;
        QRect expected;
    };
    const Row rows[] = {
        // Centred on the column, 16 below the point.
        {{350, 100}, {450, 60}, QRect(125, 116, 450, 60)},
        // No room below: above the point.
        {{350, 400}, {450, 60}, QRect(125, 324, 450, 60)},
        // Near the right end of the range: kept inside the plot box.
        {{600, 200}, {590, 60}, QRect(61, 216, 590, 60)},
        // Near the left end.
        {{60, 200}, {590, 60}, QRect(50, 216, 590, 60)},
        // Wider than the plot box: inside the whole graph.
        {{640, 200}, {680, 60}, QRect(20, 216, 680, 60)},
    };
    for (const Row &row : rows) {
        const QRect box = ReadoutBoxPlace(row.pointer, row.size, plot, 16, graph);
        EXPECT_EQ(box, row.expected) << row.pointer.x() << "," << row.pointer.y();
        EXPECT_TRUE(graph.contains(box));
        EXPECT_FALSE(box.contains(row.pointer));
    }
}
