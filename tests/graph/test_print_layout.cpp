#include "graph/print_layout.h"

#include <gtest/gtest.h>

namespace {

// 210 x 297 mm at 10 pixels per millimetre, printable from 5 mm in.
const TPrinterPage kPage{2100, 2970, 50, 50, 200, 287};

void ExpectArea(const std::optional<TDrawArea> &a, int left, int top, int width, int height)
{
    ASSERT_TRUE(a);
    EXPECT_EQ(a->Left, left);
    EXPECT_EQ(a->Top, top);
    EXPECT_EQ(a->Width, width);
    EXPECT_EQ(a->Height, height);
}

} // namespace

TEST(PrintArea, FullPageCoversThePrintableArea)
{
    ExpectArea(PrintArea(kPage, -1, -1, -1, -1), 0, 0, 2000, 2870);
}

TEST(PrintArea, CentredAtAGivenSize)
{
    ExpectArea(PrintArea(kPage, -1, -1, 140, 100), 300, 935, 1400, 1000);
}

TEST(PrintArea, PositionsFromThePhysicalEdge)
{
    ExpectArea(PrintArea(kPage, 25, 30, 100, 50), 200, 250, 1000, 500);
    // Inside the unprintable margin: starts at the printable edge.
    ExpectArea(PrintArea(kPage, 2, 1, 100, 50), 0, 0, 1000, 500);
}

TEST(PrintArea, CutAtThePrintableEdge)
{
    // 25 mm in and 190 mm wide runs 15 mm over: W = PW - L - 2 OX.
    ExpectArea(PrintArea(kPage, 25, -1, 190, 100), 200, 935, 1800, 1000);
}

TEST(PrintArea, NoAreaLeftIsRefused)
{
    EXPECT_FALSE(PrintArea(kPage, 300, -1, 100, 100));
    EXPECT_FALSE(PrintArea(kPage, -1, -1, 0, 100));
    EXPECT_FALSE(PrintArea(TPrinterPage{}, -1, -1, -1, -1));
}
