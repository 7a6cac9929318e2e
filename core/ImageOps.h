// Whole-image operations that paint nothing themselves: the turns of a
// picture or of a floating part, the bounds of what is drawn, and a part
// whose white lets the picture below show.
#pragma once

#include <QImage>
#include <QRect>
#include <QString>

enum class Turn { FlipHorizontal, FlipVertical, RotateRight, RotateLeft, Rotate180 };

// The word the trace writes for a turn: fliph, flipv, right, left, 180.
QString turnName(Turn turn);

// IMAGE mirrored or rotated by a quarter turn clockwise (right),
// anticlockwise (left) or a half turn; a quarter turn swaps width and
// height. RGB32 in, RGB32 out; a null image when memory runs out.
QImage turned(const QImage& image, Turn turn);

// The smallest rectangle holding every pixel that is not white; an empty
// rectangle when the image is all white.
QRect contentBounds(const QImage& image);

// PART with its white pixels fully transparent and every other pixel
// opaque, for drawing over a picture in SourceOver mode: what the view
// shows of a clear floating part and what dropping it paints.
QImage whiteMadeClear(const QImage& part);
