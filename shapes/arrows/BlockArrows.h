// The four block arrows: a shaft over the middle half across the arrow, from
// the tail edge to three quarters of the length, and a head over the last
// quarter whose base spans the whole rectangle across the arrow.
#pragma once

#include "ArrowShape.h"

namespace arrows {

enum class BlockArrow { Right, Left, Up, Down };

Outline blockArrow(BlockArrow which);

// Block arrows draw for a drag in any direction, with the 50-twip frame.
std::unique_ptr<ShapeModule> makeBlockArrow(BlockArrow which);

}  // namespace arrows
