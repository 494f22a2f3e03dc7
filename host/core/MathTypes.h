#pragma once
#include <cassert>

#include "host/core/Geometry.h"
#include "host/core/Types.h"

namespace zarvo {

// The integer vectors and the matrices of the host's math. The Float vectors live in Types.h,
// the 2D affine matrix (the canvas's transform) in Geometry.h.

struct IntVector2d {
  Int x = 0;
  Int y = 0;
  friend bool operator==(const IntVector2d&, const IntVector2d&) = default;
};

struct IntVector {
  Int x = 0;
  Int y = 0;
  Int z = 0;
  friend bool operator==(const IntVector&, const IntVector&) = default;
};

struct IntVector4d {
  Int x = 0;
  Int y = 0;
  Int z = 0;
  Int w = 0;
  friend bool operator==(const IntVector4d&, const IntVector4d&) = default;
};

// Matrices are stored as their vectors; each starts as the identity.

// An affine 3D transform: the three axes, then the offset.
struct Matrix {
  Vector v1{1.0, 0.0, 0.0};
  Vector v2{0.0, 1.0, 0.0};
  Vector v3{0.0, 0.0, 1.0};
  Vector off{0.0, 0.0, 0.0};
  friend bool operator==(const Matrix&, const Matrix&) = default;
};

struct SquareMatrix2d {
  Vector2d v1{1.0, 0.0};
  Vector2d v2{0.0, 1.0};
  friend bool operator==(const SquareMatrix2d&, const SquareMatrix2d&) = default;
};

struct SquareMatrix {
  Vector v1{1.0, 0.0, 0.0};
  Vector v2{0.0, 1.0, 0.0};
  Vector v3{0.0, 0.0, 1.0};
  friend bool operator==(const SquareMatrix&, const SquareMatrix&) = default;
};

struct SquareMatrix4d {
  Vector4d v1{1.0, 0.0, 0.0, 0.0};
  Vector4d v2{0.0, 1.0, 0.0, 0.0};
  Vector4d v3{0.0, 0.0, 1.0, 0.0};
  Vector4d v4{0.0, 0.0, 0.0, 1.0};
  friend bool operator==(const SquareMatrix4d&, const SquareMatrix4d&) = default;
};

// Components by index, for code that walks any of the types above: a vector's components in
// x, y, z, w order, a matrix's vectors in declaration order (axes first, the offset last).
template <class V>
struct VectorShape;

template <class M>
struct MatrixShape;

namespace math_detail {

template <class V, class C, Int N, C V::*... kMembers>
struct VectorOf {
  using Component = C;
  static constexpr Int kCount = N;
  static C Get(const V& v, Int i) {
    assert(i >= 0 && i < N);
    constexpr C V::*kAll[] = {kMembers...};
    return v.*kAll[i];
  }
  static void Set(V& v, Int i, C value) {
    assert(i >= 0 && i < N);
    constexpr C V::*kAll[] = {kMembers...};
    v.*kAll[i] = value;
  }
};

template <class M, class Row, Int N, Row M::*... kMembers>
struct MatrixOf {
  static constexpr Int kRows = N;
  static constexpr Int kColumns = VectorShape<Row>::kCount;
  static Float Get(const M& m, Int row, Int column) {
    assert(row >= 0 && row < N);
    constexpr Row M::*kAll[] = {kMembers...};
    return VectorShape<Row>::Get(m.*kAll[row], column);
  }
  static void Set(M& m, Int row, Int column, Float value) {
    assert(row >= 0 && row < N);
    constexpr Row M::*kAll[] = {kMembers...};
    VectorShape<Row>::Set(m.*kAll[row], column, value);
  }
};

}  // namespace math_detail

template <>
struct VectorShape<Vector2d> : math_detail::VectorOf<Vector2d, Float, 2, &Vector2d::x, &Vector2d::y> {};
template <>
struct VectorShape<Vector> : math_detail::VectorOf<Vector, Float, 3, &Vector::x, &Vector::y, &Vector::z> {};
template <>
struct VectorShape<Vector4d>
    : math_detail::VectorOf<Vector4d, Float, 4, &Vector4d::x, &Vector4d::y, &Vector4d::z, &Vector4d::w> {};
template <>
struct VectorShape<IntVector2d> : math_detail::VectorOf<IntVector2d, Int, 2, &IntVector2d::x, &IntVector2d::y> {};
template <>
struct VectorShape<IntVector>
    : math_detail::VectorOf<IntVector, Int, 3, &IntVector::x, &IntVector::y, &IntVector::z> {};
template <>
struct VectorShape<IntVector4d> : math_detail::VectorOf<IntVector4d, Int, 4, &IntVector4d::x, &IntVector4d::y,
                                                        &IntVector4d::z, &IntVector4d::w> {};

template <>
struct MatrixShape<Matrix> : math_detail::MatrixOf<Matrix, Vector, 4, &Matrix::v1, &Matrix::v2, &Matrix::v3,
                                                   &Matrix::off> {};
// The canvas's transform as the axes (a, b) and (c, d), then the offset (tx, ty).
template <>
struct MatrixShape<Matrix2d> {
  static constexpr Int kRows = 3;
  static constexpr Int kColumns = 2;
  static Float Get(const Matrix2d& m, Int row, Int column) { return m.*Member(row, column); }
  static void Set(Matrix2d& m, Int row, Int column, Float value) { m.*Member(row, column) = value; }

 private:
  static Float Matrix2d::*Member(Int row, Int column) {
    assert(row >= 0 && row < kRows && column >= 0 && column < kColumns);
    constexpr Float Matrix2d::*kAll[kRows][kColumns] = {
        {&Matrix2d::a, &Matrix2d::b}, {&Matrix2d::c, &Matrix2d::d}, {&Matrix2d::tx, &Matrix2d::ty}};
    return kAll[row][column];
  }
};
template <>
struct MatrixShape<SquareMatrix2d>
    : math_detail::MatrixOf<SquareMatrix2d, Vector2d, 2, &SquareMatrix2d::v1, &SquareMatrix2d::v2> {};
template <>
struct MatrixShape<SquareMatrix>
    : math_detail::MatrixOf<SquareMatrix, Vector, 3, &SquareMatrix::v1, &SquareMatrix::v2, &SquareMatrix::v3> {};
template <>
struct MatrixShape<SquareMatrix4d> : math_detail::MatrixOf<SquareMatrix4d, Vector4d, 4, &SquareMatrix4d::v1,
                                                           &SquareMatrix4d::v2, &SquareMatrix4d::v3,
                                                           &SquareMatrix4d::v4> {};

// The component at (row, column) of a matrix.
template <class M>
Float GetMatrixComponent(const M& m, Int row, Int column) {
  return MatrixShape<M>::Get(m, row, column);
}

template <class M>
void SetMatrixComponent(M& m, Int row, Int column, Float value) {
  MatrixShape<M>::Set(m, row, column, value);
}

}  // namespace zarvo
