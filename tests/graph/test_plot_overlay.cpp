// Where the read-out box goes beside the pointer.
#include "graph/plot_overlay.h"

#include <gtest/gtest.h>

TEST(ReadoutBoxPlace, BesideThePointerNeverOverItsColumn)
{
    const QRect plot(QPoint(50, 20), QPoint(650, 420));
    // Room on the right: 16 to the right, centred on the pointer.
    EXPECT_EQ(ReadoutBoxPlace({300, 200}, {200, 60}, plot, 16), QRect(316, 170, 200, 60));
    // Near the right edge: left of the pointer.
    EXPECT_EQ(ReadoutBoxPlace({600, 200}, {200, 60}, plot, 16).right(), 600 - 16 - 1);
    // Near the top and bottom: kept inside the plot box.
    EXPECT_EQ(ReadoutBoxPlace({300, 25}, {200, 60}, plot, 16).top(), 20);
    EXPECT_EQ(ReadoutBoxPlace({300, 418}, {200, 60}, plot, 16).bottom(), 420 - 1);
    // Too wide for either side: the side with more room, still off the
    // pointer's column.
    const QRect wide = ReadoutBoxPlace({250, 200}, {450, 60}, plot, 16);
    EXPECT_EQ(wide.left(), 266);
    const QRect wideLeft = ReadoutBoxPlace({450, 200}, {450, 60}, plot, 16);
    EXPECT_EQ(wideLeft.right(), 450 - 16 - 1);
}
