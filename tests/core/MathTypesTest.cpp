#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "host/core/MathTypes.h"

namespace zarvo {
namespace {

TEST(MathTypesTest, VectorComponentsGoInXyzwOrder) {
  IntVector4d v;
  for (Int i = 0; i < VectorShape<IntVector4d>::kCount; ++i) VectorShape<IntVector4d>::Set(v, i, 10 + i);
  EXPECT_EQ(v, (IntVector4d{10, 11, 12, 13}));
  EXPECT_EQ(VectorShape<Vector>::Get(Vector{1.0, 2.0, 3.0}, 2), 3.0);
  static_assert(VectorShape<Vector2d>::kCount == 2 && VectorShape<IntVector>::kCount == 3);
  static_assert(std::is_same_v<VectorShape<IntVector2d>::Component, Int>);
  static_assert(std::is_same_v<VectorShape<Vector4d>::Component, Float>);
}

TEST(MathTypesTest, MatricesStartAtTheIdentityAndAreRowsOfTheirVectors) {
  static_assert(MatrixShape<Matrix>::kRows == 4 && MatrixShape<Matrix>::kColumns == 3);
  static_assert(MatrixShape<Matrix2d>::kRows == 3 && MatrixShape<Matrix2d>::kColumns == 2);
  static_assert(MatrixShape<SquareMatrix4d>::kRows == 4 && MatrixShape<SquareMatrix4d>::kColumns == 4);
  const SquareMatrix4d identity;
  for (Int row = 0; row < 4; ++row) {
    for (Int column = 0; column < 4; ++column) {
      EXPECT_EQ(GetMatrixComponent(identity, row, column), row == column ? 1.0 : 0.0);
    }
  }
  Matrix m;
  SetMatrixComponent(m, 3, 1, 7.0);
  EXPECT_EQ(m.off, (Vector{0.0, 7.0, 0.0})) << "the last row is the offset";
  EXPECT_EQ(GetMatrixComponent(m, 0, 0), 1.0);
}

TEST(MathTypesTest, TheTwoDimensionalMatrixIsTheCanvasTransform) {
  Matrix2d m = Matrix2d::Translation(5.0, -2.0);
  EXPECT_EQ(GetMatrixComponent(m, 2, 0), 5.0);
  EXPECT_EQ(GetMatrixComponent(m, 2, 1), -2.0);
  SetMatrixComponent(m, 0, 0, 2.0);
  SetMatrixComponent(m, 1, 0, 0.5);
  EXPECT_EQ(m.a, 2.0);
  EXPECT_EQ(m.c, 0.5) << "row 1 is the second axis (c, d)";
  const Vector2d moved = m.TransformPoint({1.0, 2.0});
  EXPECT_EQ(moved, (Vector2d{2.0 + 1.0 + 5.0, 2.0 - 2.0}));
}

TEST(MathTypesTest, OnlyAMatrixWhoseInverseIsFiniteCountsAsInvertible) {
  EXPECT_TRUE(Matrix2d{}.HasFiniteInverse());
  EXPECT_TRUE((Matrix2d{0.0, 2.0, -3.0, 0.0, 1e6, -1e6}).HasFiniteInverse()) << "a rotation with a stretch";
  const Float inf = std::numeric_limits<Float>::infinity();
  for (const Matrix2d& m : {Matrix2d::Scale(0.0, 1.0), Matrix2d{1.0, 2.0, 2.0, 4.0, 0.0, 0.0},
                            Matrix2d::Scale(inf, 1.0), Matrix2d::Translation(std::nan(""), 0.0),
                            Matrix2d::Scale(1e200, 1e200), Matrix2d::Scale(1e-310, 1.0),
                            Matrix2d::Scale(1e-200, 1e-200)}) {
    EXPECT_FALSE(m.HasFiniteInverse()) << m.a << " " << m.b << " " << m.c << " " << m.d;
  }
}

}  // namespace
}  // namespace zarvo
