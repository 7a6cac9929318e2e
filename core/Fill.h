// The flood fill's area: the 4-connected pixels around a seed whose colour
// lies within a tolerance of the seed's, found row span by row span.
#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <cstdint>
#include <functional>

// Two colours are alike when no channel differs by more than TOLERANCE
// (0 to 255; 0 is the same colour only).
inline bool alikeColours(QRgb a, QRgb b, int tolerance) {
    const int dr = qRed(a) - qRed(b), dg = qGreen(a) - qGreen(b), db = qBlue(a) - qBlue(b);
    return std::abs(dr) <= tolerance && std::abs(dg) <= tolerance && std::abs(db) <= tolerance;
}

// Calls SPAN(y, left, right) once for each row span of the area around SEED
// in IMAGE (an RGB32 image), every pixel of the area in exactly one span,
// and returns the area's bounds; an empty rectangle when SEED is off the
// image. The image must not change while the spans are found. The memory
// used is one bit a pixel and a stack of at most one entry a pixel, both
// freed on return; nothing recurses.
QRect fillArea(const QImage& image, QPoint seed, int tolerance,
               const std::function<void(int y, int left, int right)>& span);
