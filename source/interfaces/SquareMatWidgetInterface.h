#pragma once

#include "source/interfaces/MatrixWidgetOperations.h"

namespace zarvo {

inline constexpr char kSquareMatrix2dWidgetClassId[] = "net.zarvo.mvp.widgetclasses.squarematrix2d";
inline constexpr char kSquareMatrixWidgetClassId[] = "net.zarvo.mvp.widgetclasses.squarematrix";
inline constexpr char kSquareMatrix4dWidgetClassId[] = "net.zarvo.mvp.widgetclasses.squarematrix4d";
inline constexpr char kSquareMatrix2dWidgetInterfaceId[] =
    "net.zarvo.mvp.interface.squarematwidget.net.zarvo.mvp.interface.squarematrix2dwidget";
inline constexpr char kSquareMatrixWidgetInterfaceId[] =
    "net.zarvo.mvp.interface.squarematwidget.net.zarvo.mvp.interface.squarematrixwidget";
inline constexpr char kSquareMatrix4dWidgetInterfaceId[] =
    "net.zarvo.mvp.interface.squarematwidget.net.zarvo.mvp.interface.squarematrix4dwidget";

// A square matrix, one row per vector.
template <class M>
class SquareMatWidgetInterface : public virtual MatrixWidgetOperations<M> {};

using SquareMatrix2dWidgetRef = Ref<SquareMatWidgetInterface<SquareMatrix2d>>;
using SquareMatrixWidgetRef = Ref<SquareMatWidgetInterface<SquareMatrix>>;
using SquareMatrix4dWidgetRef = Ref<SquareMatWidgetInterface<SquareMatrix4d>>;

}  // namespace zarvo
