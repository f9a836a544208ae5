// Vec2D: coordinate access, its index check and the vector arithmetic.
#include <gtest/gtest.h>

#include "List.h"
#include "Vec2D.h"

using ZTools::ContractViolation;
using ZTools::Vec2D;

TEST(Vec2DAccess, IndexZeroIsXAndOneIsY) {
    Vec2D v(1.5, -2.0);
    EXPECT_EQ(v[0], 1.5);
    EXPECT_EQ(v[1], -2.0);
    v[1] = 4.0;
    EXPECT_EQ(v.Y(), 4.0);
    v.SetX(7.0);
    EXPECT_EQ(v[0], 7.0);
    const Vec2D zero;
    EXPECT_EQ(zero[0], 0.0);
    EXPECT_EQ(zero[1], 0.0);
}

TEST(Vec2DAccess, OtherIndicesThrowWithTheCondition) {
    Vec2D v(1.0, 2.0);
    const Vec2D& view = v;
    for (int bad : {-1, 2, 3, 1000, INT_MIN}) {
        try {
            v[bad] = 5.0;
            FAIL() << "no exception for " << bad;
        } catch (const ContractViolation& e) {
            EXPECT_STREQ(e.what(), "(indx == 0) || (indx == 1)");
        }
        EXPECT_THROW(view[bad], ContractViolation);
    }
    EXPECT_EQ(v.X(), 1.0);
    EXPECT_EQ(v.Y(), 2.0);
}

TEST(Vec2DAccess, ListElementsStartAtTheOrigin) {
    ZTools::List<Vec2D> points(6);
    for (int i = 0; i < 7; ++i) points.ExtendOne();
    EXPECT_EQ(points[6][0], 0.0);
    EXPECT_EQ(points[6][1], 0.0);
}

TEST(Vec2DArithmetic, CompoundOperatorsWorkPerCoordinate) {
    Vec2D v(1.0, 2.0);
    v += Vec2D(0.5, 0.5);
    v -= Vec2D(1.0, 0.0);
    v *= 4.0;
    v /= 2.0;
    EXPECT_EQ(v.X(), 1.0);
    EXPECT_EQ(v.Y(), 5.0);
    const Vec2D n = -v;
    EXPECT_EQ(n.X(), -1.0);
    EXPECT_EQ(n.Y(), -5.0);
}

TEST(Vec2DArithmetic, MagnitudeNormalizeAndComponentBounds) {
    Vec2D v(3.0, 4.0);
    EXPECT_EQ(v.Magnitude(), 5.0);
    v.Normalize();
    EXPECT_DOUBLE_EQ(v.X(), 0.6);
    EXPECT_DOUBLE_EQ(v.Y(), 0.8);
    Vec2D zero;
    zero.Normalize();  // no direction: left as it is, no NaN
    EXPECT_EQ(zero.X(), 0.0);
    EXPECT_EQ(zero.Y(), 0.0);

    Vec2D high(1.0, 5.0), low(1.0, 5.0);
    high.Maxv(Vec2D(3.0, -1.0));
    low.Minv(Vec2D(3.0, -1.0));
    EXPECT_EQ(high.X(), 3.0);
    EXPECT_EQ(high.Y(), 5.0);
    EXPECT_EQ(low.X(), 1.0);
    EXPECT_EQ(low.Y(), -1.0);
}
