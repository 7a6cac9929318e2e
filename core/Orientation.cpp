#include "Orientation.h"

#include "core/ImageOps.h"

// A quarter turn to the right takes an offset (x, y) to (-y, x), one to the
// left to (y, -x): the swap changes, and the mirrors change places.
Orientation Orientation::then(Turn turn) const {
    switch (turn) {
    case Turn::FlipHorizontal: return {transposed, !mirrorX, mirrorY};
    case Turn::FlipVertical: return {transposed, mirrorX, !mirrorY};
    case Turn::Rotate180: return {transposed, !mirrorX, !mirrorY};
    case Turn::RotateRight: return {!transposed, !mirrorY, mirrorX};
    case Turn::RotateLeft: return {!transposed, mirrorY, !mirrorX};
    }
    return *this;
}
