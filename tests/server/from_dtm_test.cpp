// FromDtmEx: the eight axis conventions, sign bits included.
#include "server/exports.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>

namespace {

uint64_t Bits(double v)
{
    uint64_t b;
    std::memcpy(&b, &v, sizeof b);
    return b;
}

} // namespace

TEST(FromDtmEx, EachSystemByItsTable)
{
    const double x = 1000.25, y = -20.5;
    const struct {
        short system;
        double outX, outY;
    } cases[] = {{0, x, y}, {1, -y, -x}, {2, -x, y}, {3, y, x}, {4, x, -y},
                 {5, -y, x}, {6, -x, -y}, {7, y, -x}, {-1, x, y}, {8, x, y}, {-5, x, y}};
    for (const auto& c : cases) {
        double ox = 0, oy = 0;
        FromDtmEx(&ox, &oy, x, y, c.system);
        EXPECT_EQ(ox, c.outX) << c.system;
        EXPECT_EQ(oy, c.outY) << c.system;
    }
}

TEST(FromDtmEx, ConversionsUndoEachOther)
{
    const double x = 3.5, y = 7.25;
    const short pairs[][2] = {{5, 7}, {7, 5}, {1, 1}, {2, 2}, {3, 3}, {4, 4}, {6, 6}};
    for (const auto& p : pairs) {
        double ax, ay, bx, by;
        FromDtmEx(&ax, &ay, x, y, p[0]);
        FromDtmEx(&bx, &by, ax, ay, p[1]);
        EXPECT_EQ(bx, x) << p[0] << "," << p[1];
        EXPECT_EQ(by, y) << p[0] << "," << p[1];
    }
}

TEST(FromDtmEx, NegationFlipsOnlyTheSignBit)
{
    double ox, oy;
    FromDtmEx(&ox, &oy, 0.0, 2.5, 6);
    EXPECT_TRUE(std::signbit(ox));
    EXPECT_EQ(ox, 0.0);
    EXPECT_EQ(oy, -2.5);

    const uint64_t payload = UINT64_C(0x7FF8000000012345);
    double nan;
    std::memcpy(&nan, &payload, sizeof nan);
    FromDtmEx(&ox, &oy, nan, 1.0, 2);
    EXPECT_EQ(Bits(ox), payload | UINT64_C(0x8000000000000000));
    FromDtmEx(&ox, &oy, 1.0, nan, 3);
    EXPECT_EQ(Bits(ox), payload); // moved, not negated
}
