#pragma once

#include <QImage>

// The piece pictures: a glossy shape on a transparent square, 256 x 256,
// with a soft reflection below it that makes the picture 1.3 times as tall
// as wide. Also the application icon, which is made of pieces.
namespace PieceArt {

constexpr int kSide = 256;
constexpr int kHeight = 333;

enum class Shape { Square, Circle, Triangle, Diamond, Octagon };

QImage Piece(Shape shape);
QImage Empty();
QImage Unknown();
QImage Icon();

}  // namespace PieceArt
