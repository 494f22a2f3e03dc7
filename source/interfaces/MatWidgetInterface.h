#pragma once

#include "source/interfaces/MatrixWidgetOperations.h"

namespace zarvo {

inline constexpr char kMatrixWidgetClassId[] = "net.zarvo.mvp.widgetclasses.matrix";
inline constexpr char kMatrix2dWidgetClassId[] = "net.zarvo.mvp.widgetclasses.matrix2d";
inline constexpr char kMatrixWidgetInterfaceId[] =
    "net.zarvo.mvp.interface.matwidget.net.zarvo.mvp.interface.matrixwidget";
inline constexpr char kMatrix2dWidgetInterfaceId[] =
    "net.zarvo.mvp.interface.matwidget.net.zarvo.mvp.interface.matrix2dwidget";

// An affine matrix: its axes, then its offset, one row each.
template <class M>
class MatWidgetInterface : public virtual MatrixWidgetOperations<M> {};

using MatrixWidgetRef = Ref<MatWidgetInterface<Matrix>>;
using Matrix2dWidgetRef = Ref<MatWidgetInterface<Matrix2d>>;

}  // namespace zarvo
