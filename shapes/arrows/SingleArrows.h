// The four single arrows: one shaft line whose length follows the drag and a
// head of fixed size, 200 twips long and 200 twips wide, at one end.
#pragma once

#include "ArrowShape.h"

namespace arrows {

enum class SingleArrow { Left, Right, Up, Down };

Outline singleArrow(SingleArrow which);

// Single arrows exist only for drags to the right and downward (or level).
// The right arrow runs along the top edge of the drag and has no preview
// frame; the others' frame is the drag rectangle.
std::unique_ptr<ShapeModule> makeSingleArrow(SingleArrow which);

}  // namespace arrows
